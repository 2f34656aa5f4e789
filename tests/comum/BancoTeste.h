#pragma once
#include "comum/InteracaoRoteiro.h"
#include "core/Contexto.h"

#include <QTemporaryDir>
#include <memory>

// A program folder of its own for a test, built from the text under data/ as the build
// builds the template: data.mdb, the template folder "data", and optionally one body.
class ProgramaTeste {
public:
    ProgramaTeste();
    QString pasta() const { return dir_.path(); }
    // Configures the body (sigla) and opens it in the context, signed in as ADMIN, with the
    // first-opening defaults applied.
    void configuraOrgao(const QString& sigla);
    // A body database alone, for rules that need no program folder.
    static Banco bancoOrgao(const QString& caminho);

    InteracaoRoteiro ui;
    Contexto ctx;

private:
    QTemporaryDir dir_;
};

QString DirDados();
