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

// A configured body with a bimester open (by default the third of 2012 at the prefeitura P001),
// for the tests of the editors' rules.
struct OrgaoAberto {
    ProgramaTeste p;
    explicit OrgaoAberto(const QString& sigla = QStringLiteral("P001"), const QString& periodo = QStringLiteral("201203"))
    {
        p.configuraOrgao(sigla);
        p.ctx.BimReferencia = periodo;
        p.ctx.BimestreAberto = periodo.right(2);
    }
    const Banco& banco() const { return p.ctx.BancoOrgao; }
    void sql(const QString& s, const QVariantList& v = {}) const { banco().executa(s, v); }
    QString texto(const QString& s, const QVariantList& v = {}) const { return banco().valor(s, v).toString(); }
    int conta(const QString& tabela, const QString& onde = QStringLiteral("1=1")) const
    {
        return banco().valor(QStringLiteral("SELECT count(*) FROM ") + tabela + QStringLiteral(" WHERE ") + onde).toInt();
    }
};
