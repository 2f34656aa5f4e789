#pragma once
#include "core/Banco.h"
#include "core/Interacao.h"

#include <QString>
#include <array>

// The application context: one per process (tests build their own). Rules receive it
// explicitly; it owns the two open databases.
struct Contexto {
    QString pastaPrograma;                          // the program folder
    QString NomeBanco = QStringLiteral("Lumo.mdb");
    Banco BancoConfig;                              // data.mdb
    Banco BancoOrgao;                               // the active body's database
    QString CodigoOrgao;
    QString PastaDados;                             // "\" + folder name + "\"
    QString PastaOrgao;                             // folder name, when chosen on the body-choice screen
    QString NomeOrgao;
    QString BimReferencia;                          // open period, "201203"
    QString BimestreAberto;                         // "03"
    QString UsuarioAtual;
    std::array<int, 45> anexosDevidos{};            // due flags by annex slot
    bool semOrgao = false;                          // data.mdb listed no configured body
    Interacao* ui = nullptr;

    Interacao& interacao() const { return *ui; }
    // Program folder + PastaDados, as a native path with a trailing separator.
    QString pastaDoOrgao() const;
    QString caminhoBancoOrgao() const;
};

// The running program's version and the revision it stamps into the databases
// (minor version, a point and revision: version 7.2.0 stamps "2.0").
QString VersaoPrograma();
QString RevisaoPrograma();
// Folder name kept in PastaDados ("\P001\" -> "P001").
QString PastaDadosDe(const QString& pastaDados);
