#include "admin/Configuracao.h"
#include "admin/Orgaos.h"
#include "comum/BancoTeste.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A configuration with every required field filled as a user types it.
Configuracao completa(Contexto& ctx)
{
    Configuracao c = LeConfiguracao(ctx);
    c.orgao["CGC"] = QStringLiteral("11222333000181");
    c.orgao["cidade"] = QStringLiteral("Rio Celeste");
    for (auto& r : c.responsaveis) {
        r["nome"] = QStringLiteral("Maria da Silva");
        r["cpf"] = QStringLiteral("52998224725");
        r["telefone"] = QStringLiteral("(99) 3333-4444");
    }
    return c;
}

QString arquivo(const QTemporaryDir& dir, const QString& nome, const QByteArray& conteudo)
{
    const QString caminho = dir.filePath(nome);
    QFile f(caminho);
    f.open(QIODevice::WriteOnly);
    f.write(conteudo);
    return caminho;
}

// A program folder with the body P001 configured and open, signed in as ADMIN.
struct ConfiguracaoDoOrgao : ::testing::Test {
    ProgramaTeste p;
    void SetUp() override { p.configuraOrgao("P001"); }
};

} // namespace

// The screen test reads the rest of a first opening (title, description, backup box).
TEST_F(ConfiguracaoDoOrgao, PrimeiraAberturaCriaChaveEPeriodo)
{
    const Banco& b = p.ctx.BancoOrgao;
    b.executa("DELETE FROM tabChave");
    b.executa("DELETE FROM tabControleMovimento");
    for (int vez = 0; vez < 2; ++vez) {   // opening again adds nothing
        const Configuracao c = LeConfiguracao(p.ctx);
        EXPECT_EQ(b.valor("SELECT group_concat(VersaoAtualAplicativo || ' ' || backup) FROM tabChave").toString(), "7.0 1");
        EXPECT_EQ(b.valor("SELECT group_concat(BimReferencia || ' ' || Situacao) FROM tabControleMovimento").toString(),
                  "201201 ABERTO");
        EXPECT_TRUE(c.periodo == "201201" && c.primeiraConfiguracao && c.backup);
        EXPECT_EQ(c.orgao.value("cidade"), "Rio Celeste");
    }
    EXPECT_EQ(TituloConfiguracao("201206"), "Configuração do Sistema 6º Bimestre");
}

TEST_F(ConfiguracaoDoOrgao, ValidacaoNaOrdemComAbaECampo)
{
    Configuracao c = completa(p.ctx);
    EXPECT_FALSE(ValidaConfiguracao(c));

    struct Caso {
        std::function<void(Configuracao&)> estraga;
        int aba;
        QString coluna, texto;
    };
    const std::vector<Caso> casos{
        {[](Configuracao& x) { x.codigoOrgao.clear(); x.orgao["CGC"].clear(); }, 0, "CGC", "Um órgão deve ser selecionado."},
        {[](Configuracao& x) { x.orgao["CGC"].clear(); x.responsaveis[0]["nome"].clear(); }, 0, "CGC",
         "Campo Obrigatório do cadastro do órgão deve ser informado."},
        {[](Configuracao& x) { x.orgao["CGC"] = "11222333000182"; }, 0, "CGC", "O número de CGC é inválido."},
        {[](Configuracao& x) { x.responsaveis[0]["telefone"].clear(); x.responsaveis[1]["nome"].clear(); }, 1, "telefone",
         "Campos Obrigatórios do responsável pelas informações devem ser informados."},   // the first tab in error wins
        {[](Configuracao& x) { x.responsaveis[1]["cpf"].clear(); }, 2, "cpf",
         "Campos Obrigatórios do responsável pelo preenchimento devem ser informados."},
        {[](Configuracao& x) { x.responsaveis[2]["nome"] = "  "; }, 3, "nome",
         "Campos Obrigatórios do responsável pela contabilidade devem ser informados."},
    };
    for (const Caso& caso : casos) {
        Configuracao x = c;
        caso.estraga(x);
        const auto r = ValidaConfiguracao(x);
        ASSERT_TRUE(r) << caso.texto.toStdString();
        EXPECT_EQ(QString::number(r->aba) + ' ' + r->coluna + ' ' + r->texto, QString::number(caso.aba) + ' ' + caso.coluna + ' ' + caso.texto);
    }
}

TEST_F(ConfiguracaoDoOrgao, GravarEReler)
{
    Configuracao c = completa(p.ctx);
    c.responsaveis[2]["data_nascimento"] = "1970-03-05";
    c.responsaveis[2]["profissao"] = "Contadora";
    c.orgao["Telefone"] = "6733334444";
    c.backup = false;
    c.integradoSet = true;
    bool importar = true;
    EXPECT_EQ(GravaConfiguracao(p.ctx, c, &importar), Gravacao::Gravada);
    // the only body of the machine, saved for the first time: the import of the previous exercise is offered
    ASSERT_EQ(p.ui.perguntas.size(), 1);
    EXPECT_EQ(p.ui.perguntas[0].texto,
              "O Programa Lumo 2012 foi configurado corretamente.\rÉ possível importar dados digitados do exercício anterior "
              "Deseja importar os dados do exercício anterior?");
    EXPECT_FALSE(importar);
    EXPECT_FALSE(c.primeiraConfiguracao);

    const Banco& b = p.ctx.BancoOrgao;
    EXPECT_EQ(b.valor("SELECT cpf FROM tabResponsavelInformacao WHERE bimreferencia = '201201'").toString(), "52998224725");
    Configuracao lida = LeConfiguracao(p.ctx);
    EXPECT_TRUE(!lida.primeiraConfiguracao && lida.temPreenchimento && !lida.backup && lida.integradoSet);
    EXPECT_EQ(lida.orgao.value("Telefone") + lida.responsaveis[2].value("profissao"), "6733334444Contadora");

    // saving again updates the rows of the period instead of adding others, and asks nothing
    p.ui.limpa();
    lida.responsaveis[0]["nome"] = "Outro Nome";
    EXPECT_EQ(GravaConfiguracao(p.ctx, lida), Gravacao::Gravada);
    EXPECT_TRUE(p.ui.perguntas.isEmpty());
    EXPECT_EQ(b.valor("SELECT group_concat(nome) FROM tabResponsavelInformacao").toString(), "Outro Nome");
    // (a new period taking the persons forward is teste_periodos')
}

TEST(Configuracao, SemPerguntaDeImportacaoComOutroOrgaoConfigurado)
{
    ProgramaTeste p;
    ConfiguraOrgao(p.pasta(), p.ctx.BancoConfig, "C001");
    p.configuraOrgao("P001");
    Configuracao c = completa(p.ctx);
    EXPECT_EQ(GravaConfiguracao(p.ctx, c), Gravacao::Gravada);
    EXPECT_TRUE(p.ui.perguntas.isEmpty());
}

// Choosing, refusing and storing the proofs are the screen test's (ComprovanteTela).
TEST_F(ConfiguracaoDoOrgao, GravarAConfiguracaoGuardaOsComprovantesNaoEscolhidosDeNovo)
{
    QTemporaryDir dir;
    Configuracao cfg = completa(p.ctx);
    GravaConfiguracao(p.ctx, cfg);
    Comprovantes c = LeComprovantes(p.ctx);
    EXPECT_EQ(c.periodo, "201201");
    c.rreo = *LeComprovante(p.ui, arquivo(dir, "rreo.pdf", QByteArray("\x00\x01pdf", 5)), ExtensoesSoPdf);
    ASSERT_TRUE(GravaComprovantes(p.ctx, c));
    const Banco& b = p.ctx.BancoOrgao;
    EXPECT_TRUE(b.valor("SELECT ArquivoComprovacaoRgf FROM tabResponsavelPreenchimento").isNull());
    Configuracao lida = LeConfiguracao(p.ctx);
    EXPECT_EQ(lida.rreo.caminho, c.rreo.caminho);
    lida.rgf = *LeComprovante(p.ui, arquivo(dir, "rgf.jpeg", "imagem"), ExtensoesComprovante);
    EXPECT_EQ(GravaConfiguracao(p.ctx, lida), Gravacao::Gravada);
    EXPECT_EQ(b.valor("SELECT ArquivoComprovacaoRel FROM tabResponsavelPreenchimento").toByteArray(), QByteArray("\x00\x01pdf", 5));
    EXPECT_EQ(b.valor("SELECT ArquivoComprovacaoRgf FROM tabResponsavelPreenchimento").toByteArray(), QByteArray("imagem"));
}

TEST_F(ConfiguracaoDoOrgao, ImportacaoRecusaAntesDeTocarEmAlgo)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ImportaConfiguracaoAnterior(p.ctx, ""));
    EXPECT_EQ(p.ui.ultimo(), "Para Importar os dados, primeiramente,  selecione um Órgão.");

    p.ui.limpa();
    p.ui.arquivos = {arquivo(dir, "lixo.mdb", "isto não é um banco")};
    EXPECT_FALSE(ImportaConfiguracaoAnterior(p.ctx, "P001"));
    EXPECT_EQ(p.ui.textos(), (QStringList{"Informe a localização do banco de dados do Lumo 2010.",
                                          "Não foi possível abrir o banco selecionado!"}));

    const QString semChave = dir.filePath("vazio.mdb");
    ProgramaTeste::bancoOrgao(semChave);
    p.ui.arquivos = {semChave};
    EXPECT_FALSE(ImportaConfiguracaoAnterior(p.ctx, "P001"));
    EXPECT_EQ(p.ui.ultimo(), "Não foi possível identificar o órgão no banco de dados!");

    const QString outro = dir.filePath("outro.mdb");
    ProgramaTeste::bancoOrgao(outro).executa("INSERT INTO tabChave (Codigo_tabOrgaos) VALUES ('C001')");
    p.ui.arquivos = {outro};
    EXPECT_FALSE(ImportaConfiguracaoAnterior(p.ctx, "P001"));
    EXPECT_EQ(p.ui.ultimo(), "O banco de dados selecionado não pertence ao órgão atual.");
    EXPECT_TRUE(p.ctx.BancoOrgao.valor("SELECT CGC FROM tabChave").isNull());
}

TEST_F(ConfiguracaoDoOrgao, ImportacaoTrazOrgaoEResponsaveisDoUltimoPeriodoDe2010)
{
    QTemporaryDir dir;
    const QString velho = dir.filePath("lumo2010.mdb");
    {
        Banco v = ProgramaTeste::bancoOrgao(velho);
        v.executa("INSERT INTO tabChave (Codigo_tabOrgaos, CGC, Cidade, Email, backup) VALUES ('P001', '11222333000181', "
                  "'Rio Celeste', 'contabilidade@rio-celeste.example', 0)");
        v.executa("INSERT INTO tabResponsavelInformacao (bimreferencia, nome, cpf) VALUES ('201005', 'Antigo', '1'), "
                  "('201006', 'Recente', '52998224725'), ('200906', 'Velho', '2')");
        v.executa("INSERT INTO tabResponsavelContabilidade (bimreferencia, nome, profissao) VALUES ('201006', 'Contador', 'CRC')");
    }
    p.ctx.BancoOrgao.executa("INSERT INTO tabResponsavelInformacao (bimreferencia, nome) VALUES ('201201', 'Será trocado')");
    p.ui.arquivos = {velho};
    EXPECT_TRUE(ImportaConfiguracaoAnterior(p.ctx, "P001"));
    EXPECT_EQ(p.ui.textos(), (QStringList{"Informe a localização do banco de dados do Lumo 2010.",
                                          "Dados do Órgão Importados com Sucesso.",
                                          "Dados do Responsável pela Contabilidade Importados com Sucesso.",
                                          "Dados Responsável pela Informação Importados com Sucesso.",
                                          "Dados do Responsável Preenchimento não encontrados."}));
    const Banco& b = p.ctx.BancoOrgao;
    // one key row, the old version and e-mail, the backup question back on, this revision
    EXPECT_EQ(b.valor("SELECT group_concat(VersaoAtualAplicativo || ' ' || backup || ' ' || Email || ' ' || RevisaoAtual) "
                      "FROM tabChave").toString(), "5.0 1 contabilidade@rio-celeste.example " + RevisaoPrograma());
    EXPECT_EQ(b.valor("SELECT group_concat(nome) FROM tabResponsavelInformacao WHERE bimreferencia = '201201'").toString(),
              "Recente");
    EXPECT_EQ(b.valor("SELECT profissao FROM tabResponsavelContabilidade WHERE bimreferencia = '201201'").toString(), "CRC");
    // the old database is let go
    EXPECT_FALSE(b.existe("SELECT 1 FROM pragma_database_list WHERE name = 'anterior'"));
}
