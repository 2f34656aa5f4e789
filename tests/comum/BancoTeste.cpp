#include "comum/BancoTeste.h"
#include "admin/Orgaos.h"
#include "core/Esquema.h"
#include "core/Inicio.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

QString DirDados() { return QStringLiteral(LUMO_DIR_DADOS); }

namespace {
// The template is built once per test program and copied for each test.
QString modelo()
{
    static QTemporaryDir dir;
    static bool feito = false;
    if (!feito) {
        QDir(dir.path()).mkpath(QStringLiteral("data"));
        esquema::CriaBanco(esquema::Tipo::Config, DirDados(), dir.filePath(QStringLiteral("data.mdb")));
        esquema::CriaBanco(esquema::Tipo::Orgao, DirDados(), dir.filePath(QStringLiteral("data/Lumo.mdb")));
        esquema::CriaBanco(esquema::Tipo::Exportacao, DirDados(), dir.filePath(QStringLiteral("data/export.mdb")));
        // The report layouts, as the build puts them in the template.
        const QDir relatorios(DirDados() + QStringLiteral("/relatorios"));
        for (const QString& rpt : relatorios.entryList({QStringLiteral("*.rpt")}, QDir::Files))
            QFile::copy(relatorios.filePath(rpt), dir.filePath(QStringLiteral("data/") + rpt));
        feito = true;
    }
    return dir.path();
}
} // namespace

ProgramaTeste::ProgramaTeste()
{
    InstalaPrograma(modelo(), dir_.path());
    ctx.pastaPrograma = dir_.path();
    ctx.ui = &ui;
    ctx.BancoConfig = Banco::abre(QDir(dir_.path()).filePath(QStringLiteral("data.mdb")));
}

void ProgramaTeste::configuraOrgao(const QString& sigla)
{
    ConfiguraOrgao(ctx.pastaPrograma, ctx.BancoConfig, sigla);
    for (const auto& o : OrgaosConfigurados(ctx.BancoConfig))
        if (o.siglaLrf == sigla)
            EscolheOrgao(ctx, o);
    ctx.BancoOrgao = Banco::abre(ctx.caminhoBancoOrgao());
    AplicaPadroesPrimeiraAbertura(ctx);
    CarregaPeriodoAberto(ctx);
    ctx.UsuarioAtual = QStringLiteral("ADMIN");
}

Banco ProgramaTeste::bancoOrgao(const QString& caminho)
{
    QFile::copy(QDir(modelo()).filePath(QStringLiteral("data/Lumo.mdb")), caminho);
    QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner);
    return Banco::abre(caminho);
}
