#pragma once
#include "comum/BancoTeste.h"
#include "core/Banco.h"

// A configured body with a bimester open, for the statement tests.
struct OrgaoAberto {
    ProgramaTeste p;
    explicit OrgaoAberto(const QString& sigla, const QString& periodo)
    {
        p.configuraOrgao(sigla);
        p.ctx.BimReferencia = periodo;
        p.ctx.BimestreAberto = periodo.right(2);
    }
    void sql(const QString& s, const QVariantList& v = {}) { p.ctx.BancoOrgao.executa(s, v); }
    QString texto(const QString& s, const QVariantList& v = {}) { return p.ctx.BancoOrgao.valor(s, v).toString(); }
};
