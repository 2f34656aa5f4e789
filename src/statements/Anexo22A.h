#pragma once
#include "core/Contexto.h"
#include "core/Moeda.h"
#include "statements/Tabela.h"

#include <vector>

// Anexo 22A, the simplified RREO: the lines of the 2012 model worked out for the open period
// from Anexo I (deductions, codes beginning with "9", left out) and from the statements 03 to 12
// and 39 as they were saved. Nothing is typed; opening works the lines out into tabAnexo22aTemp
// (what the editor and the report show) and saving copies them into tabAnexo22aMovimento.

struct LinhaSimplificado {
    int campo = 0;
    QString descricao;
    bool titulo = false;  // a heading of a block, without values
    Moeda previsao;       // PrevisaoAtualizada: forecast or appropriation
    Moeda noBimestre;     // NoBimestre
    Moeda ateBimestre;    // AteBimestre: up to the bimester (a percentage where the line says %)
    Moeda saldo;          // SaldoExercicioAnteAteBim: the previous exercise's balance, or the target
};

inline const QString MensagemAnexo22AGravado = QStringLiteral("Valores gravados com sucesso!");

// The lines worked out for the open period. Throws ErroBanco.
std::vector<LinhaSimplificado> CalculaAnexo22A(const Contexto& ctx);
// Works the lines out and writes them to tabAnexo22aTemp, in one transaction.
std::vector<LinhaSimplificado> PreparaAnexo22A(const Contexto& ctx);
// Saves the period's lines (delete and insert, one transaction) and tells MensagemAnexo22AGravado.
bool GravaAnexo22A(Contexto& ctx, const std::vector<LinhaSimplificado>& linhas);
// The statement as the editor shows it, for lumo-cli.
TabelaDemonstrativo TabelaAnexo22A(Contexto& ctx);
