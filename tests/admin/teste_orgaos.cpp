#include "admin/EscolhaOrgao.h"
#include "admin/Orgaos.h"
#include "comum/BancoTeste.h"
#include "core/Esquema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray resumo(const QString& arquivo)
{
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

TEST(Instalacao, RepetirNuncaSobrescreve)
{
    ProgramaTeste p;
    const QString config = QDir(p.pasta()).filePath("data.mdb");
    p.configuraOrgao("P001");
    p.ctx.BancoConfig.executa("UPDATE Orgaos SET nome = 'ALTERADO' WHERE sigla_lrf = 'P001'");
    const QByteArray antes = resumo(config);
    const QString banco = p.ctx.caminhoBancoOrgao();
    p.ctx.BancoOrgao.executa("INSERT INTO tabMensagem (codigo, descricao) VALUES (9999, 'dado do usuário')");
    const QByteArray bancoAntes = resumo(banco);
    // a second installation over the same folder writes nothing
    QTemporaryDir modelo;
    QDir(modelo.path()).mkpath("data");
    esquema::CriaBanco(esquema::Tipo::Config, DirDados(), modelo.filePath("data.mdb"));
    esquema::CriaBanco(esquema::Tipo::Orgao, DirDados(), modelo.filePath("data/Lumo.mdb"));
    esquema::CriaBanco(esquema::Tipo::Exportacao, DirDados(), modelo.filePath("data/export.mdb"));
    EXPECT_TRUE(InstalaPrograma(modelo.path(), p.pasta()).isEmpty());
    EXPECT_EQ(resumo(config), antes);
    EXPECT_EQ(resumo(banco), bancoAntes);
    // configuring the same body again is refused, and so is a folder that holds a database
    EXPECT_THROW(ConfiguraOrgao(p.pasta(), p.ctx.BancoConfig, "P001"), ErroBanco);
    p.ctx.BancoConfig.executa("DELETE FROM OrgaosCad");
    EXPECT_THROW(ConfiguraOrgao(p.pasta(), p.ctx.BancoConfig, "P001"), ErroBanco);
    EXPECT_FALSE(p.ctx.BancoConfig.existe("SELECT 1 FROM OrgaosCad"));
    EXPECT_EQ(resumo(banco), bancoAntes);
}

TEST(EscolhaOrgao, UmPorVisitaRemoverEEscolher)
{
    ProgramaTeste p;
    EscolhaOrgao e(p.ctx);
    ASSERT_TRUE(e.carregou());
    EXPECT_TRUE(e.lista().empty());
    EXPECT_FALSE(e.escolhe(-1));   // its text is the screen test's (teste_principal)

    EXPECT_FALSE(e.disponiveis("P001").empty());   // (the search box is the screen test's)
    const int i = e.adiciona("P001");
    ASSERT_EQ(i, 0);
    EXPECT_TRUE(e.disponiveis("P001").empty());
    EXPECT_EQ(e.adiciona("C001"), -1);
    EXPECT_EQ(p.ui.ultimo(), "Apenas um órgão pode ser configurado por vez.\r"
                             "Após salvar os dados do novo órgão, retorne à tela atual para adicionar outro, se necessário.");
    EXPECT_EQ(p.ui.mensagens.back().titulo, "Lumo Coleta 2012");

    // an added body not yet configured may be removed, and then another added
    EXPECT_TRUE(e.remove(0));
    ASSERT_EQ(e.adiciona("C001"), 0);
    EXPECT_TRUE(e.escolhe(0));   // its message is teste_cli's
    EXPECT_EQ(p.ctx.CodigoOrgao, "C001");
    EXPECT_TRUE(!p.ctx.PastaOrgao.isEmpty() && QFile::exists(p.ctx.caminhoBancoOrgao()));
    EXPECT_TRUE(p.ctx.BancoConfig.existe("SELECT 1 FROM OrgaosCad WHERE Codigo_Lrf = 'C001'"));
    // the new body's database already has its key row and first period for the sign-in
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT group_concat(BimReferencia || Situacao) FROM tabControleMovimento").toString(), "201201ABERTO");
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT VersaoAtualAplicativo FROM tabChave").toString(), "7.0");

    // once configured it cannot be removed
    EXPECT_FALSE(e.remove(0));
    EXPECT_EQ(p.ui.ultimo(), "Órgão não pode ser removido pois já existem dados para ele.");
    EXPECT_EQ(p.ui.mensagens.back().icone, Interacao::Icone::Critico);

    EscolhaOrgao nova(p.ctx);
    ASSERT_EQ(nova.lista().size(), 1u);
    EXPECT_TRUE(nova.lista()[0].configurado);
}
