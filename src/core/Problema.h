#pragma once
#include <QString>
#include <QVariant>
#include <vector>

// One inconsistency found by a pre-submission check. Any problem blocks the package. The
// screens, the problems report, the CLI and the tests all read the same values.
struct Problema {
    QString anexo;       // title of the annex, as the problems list shows it
    QString item;        // the record or line it is about ("Empenho 12", "Linha 3")
    QString mensagem;    // what is wrong
    QString solucao;     // what the user should do
    QString verificacao; // stable identifier of the check that found it ("14.saldo-empenho")
    QString tabela;      // the table and row it points at, so a screen can open it there
    QVariant linha;
};

using Problemas = std::vector<Problema>;

// "Anexo - item: mensagem (solução)" on one line, for the CLI and the logs.
QString TextoProblema(const Problema& p);
