#include "admin/Periodos.h"
#include "comum/BancoTeste.h"
#include "comum/InteracaoRoteiro.h"
#include "core/Inicio.h"

#include <gtest/gtest.h>
#include <chrono>
#include <functional>
#include <future>
#include <thread>
#include <vector>

namespace {
struct Periodos : ::testing::Test {
    ProgramaTeste p;
    const QDate hoje{2012, 5, 14};
    void SetUp() override
    {
        p.configuraOrgao("P001");
        p.ctx.BancoOrgao.executa("DELETE FROM tabControleMovimento");
        CarregaPeriodoAberto(p.ctx);
    }
    void insere(const QString& periodo, const QString& situacao)
    {
        p.ctx.BancoOrgao.executa("INSERT INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) VALUES (?, '2012-01-02', ?)",
                                 {periodo, situacao});
    }
    QString situacao(const QString& periodo)
    {
        return p.ctx.BancoOrgao.valor("SELECT Situacao FROM tabControleMovimento WHERE BimReferencia = ?", {periodo}).toString();
    }
};
} // namespace

TEST_F(Periodos, NovoBimestre)
{
    // An empty table opens 201201, after the question.
    p.ui.respostas = {false};
    EXPECT_FALSE(AbreNovoPeriodo(p.ctx, hoje));
    EXPECT_EQ(p.ui.perguntas.back().titulo + ": " + p.ui.perguntas.back().texto, "Novo Movimento: Confirma abertura do novo movimento (01/2012) ?");
    EXPECT_FALSE(p.ctx.BancoOrgao.existe("SELECT 1 FROM tabControleMovimento"));
    p.ui.respostas = {true};
    EXPECT_TRUE(AbreNovoPeriodo(p.ctx, hoje));
    EXPECT_EQ(p.ui.mensagens.back().titulo + ": " + p.ui.ultimo(), "Lumo Coleta 2012: O novo bimestre 01/2012 foi aberto com sucesso.");
    EXPECT_EQ(p.ctx.BimReferencia, "201201"); // the context follows at once
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT DataAbertura FROM tabControleMovimento").toString(), "2012-05-14");

    // With a period open (or reopened) the next one is refused after the question.
    p.ui.respostas = {true};
    EXPECT_FALSE(AbreNovoPeriodo(p.ctx, hoje));
    EXPECT_EQ(p.ui.ultimo(), "Impossível abrir novo movimento: \rExiste bimestre em Aberto. Após a confirmação dos dados, "
                             "feche-o, e então abra o novo movimento.");
    EXPECT_EQ(p.ui.mensagens.back().titulo, "Erro");
    p.ctx.BancoOrgao.executa("UPDATE tabControleMovimento SET Situacao = 'REABERTO'");
    p.ui.limpa();
    p.ui.respostas = {true};
    EXPECT_FALSE(AbreNovoPeriodo(p.ctx, hoje));
    EXPECT_TRUE(p.ui.ultimo().startsWith("Impossível abrir novo movimento: "));

    // Six bimesters: refused before any question.
    p.ctx.BancoOrgao.executa("DELETE FROM tabControleMovimento");
    insere("201206", "FECHADO");
    p.ui.limpa();
    EXPECT_FALSE(AbreNovoPeriodo(p.ctx, hoje));
    EXPECT_EQ(p.ui.ultimo(), "Impossível abrir novo bimestre, já existem 6 (seis) bimestres cadastrados");
    EXPECT_TRUE(p.ui.perguntas.isEmpty());

    // Periods of another year are ignored when the next one is computed.
    p.ctx.BancoOrgao.executa("DELETE FROM tabControleMovimento");
    insere("201106", "FECHADO");
    p.ui.respostas = {true};
    EXPECT_TRUE(AbreNovoPeriodo(p.ctx, hoje));
    EXPECT_EQ(situacao("201201"), "ABERTO");
}

TEST_F(Periodos, CopiaOsResponsaveisDoUltimoPeriodoAnterior)
{
    insere("201201", "FECHADO");
    insere("201202", "FECHADO");
    insere("201203", "FECHADO");
    auto& b = p.ctx.BancoOrgao;
    b.executa("INSERT INTO tabResponsavelInformacao (bimreferencia, cpf, nome, telefone) VALUES ('201201', '1', 'Velho', '1')");
    b.executa("INSERT INTO tabResponsavelInformacao (bimreferencia, cpf, nome, telefone) VALUES ('201202', '2', 'Atual', '2')");
    b.executa("INSERT INTO tabResponsavelContabilidade (bimreferencia, cpf, nome, rg) VALUES ('201201', '3', 'Contador', '99')");
    b.executa("INSERT INTO tabResponsavelPreenchimento (bimreferencia, cpf, nome) VALUES ('201204', '4', 'Já existe')");
    p.ui.respostas = {true};
    ASSERT_TRUE(AbreNovoPeriodo(p.ctx, hoje));
    EXPECT_EQ(b.valor("SELECT nome FROM tabResponsavelInformacao WHERE bimreferencia = '201204'").toString(), "Atual");
    EXPECT_EQ(b.valor("SELECT count(*) FROM tabResponsavelInformacao WHERE bimreferencia = '201204'").toInt(), 1);
    EXPECT_EQ(b.valor("SELECT rg FROM tabResponsavelContabilidade WHERE bimreferencia = '201204'").toString(), "99");
    EXPECT_EQ(b.valor("SELECT count(*) FROM tabResponsavelPreenchimento WHERE bimreferencia = '201204'").toInt(), 1);
}

TEST_F(Periodos, FecharEReabrir)
{
    insere("201201", "FECHADO");
    insere("201202", "ABERTO");
    CarregaPeriodoAberto(p.ctx);
    p.ui.respostas = {true};
    EXPECT_FALSE(FechaPeriodo(p.ctx, "201201", hoje));
    EXPECT_EQ(p.ui.ultimo(), "Impossível fechar: O movimento já se encontra fechado.");
    EXPECT_EQ(p.ui.perguntas.back().titulo + ": " + p.ui.perguntas.back().texto, "Fechar Movimento: Confirma fechamento do bimestre 01/2012 ?");

    // Reopening an open period, or a closed one while another is open, is refused.
    for (auto [periodo, motivo, texto] : {std::tuple{"201202", "x", "Impossível reabrir: O movimento já se encontra aberto."},
                                          {"201201", "  ", "Impossível reabrir: O motivo de reabertura deve ser informado."},
                                          {"201201", "erro", "Impossível reabrir: Já existe movimento em aberto."}}) {
        p.ui.respostas = {true};
        EXPECT_FALSE(ReabrePeriodo(p.ctx, periodo, motivo, hoje));
        EXPECT_EQ(p.ui.ultimo(), QString::fromUtf8(texto));
    }

    // (closing and reopening as such are the screen test's, teste_administracao)
    p.ui.respostas = {true};
    EXPECT_TRUE(FechaPeriodo(p.ctx, "201202", hoje));
    EXPECT_EQ(p.ctx.BimReferencia, "");
    p.ui.respostas = {false};
    EXPECT_FALSE(ReabrePeriodo(p.ctx, "201201", "erro no anexo 14", hoje));
    EXPECT_EQ(situacao("201201"), "FECHADO");
    p.ui.respostas = {true};
    EXPECT_TRUE(ReabrePeriodo(p.ctx, "201201", "erro no anexo 14", hoje));
    EXPECT_EQ(p.ui.perguntas.back().titulo, "Reabrir Movimento");
    EXPECT_EQ(p.ui.ultimo(), "Reabertura efetuada com sucesso.\rApós correção dos dados, faça nova geração do disquete para o Vantor.");
    const auto lista = ListaPeriodos(p.ctx);
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[0].BimReferencia, "201202");
    EXPECT_EQ(lista[1].MotivoReabertura, "erro no anexo 14");
    EXPECT_FALSE(lista[1].DataFechamento.isValid());
    EXPECT_EQ(DataParaTela(lista[1].DataReabertura), "14/05/2012");
}

// Another program writes while a rule runs: the rule's check and write are one write
// transaction, so it waits for the other writer, sees what it recorded and refuses with its own
// message (never a constraint error), whether the other program acted while the question was
// on screen or held its write across the rule's start.
TEST_F(Periodos, OutroProgramaAoMesmoTempo)
{
    const QString arquivo = p.ctx.BancoOrgao.caminho();
    auto outro = [&](const QString& sql) { Banco::abre(arquivo).executa(sql); };
    struct Caso {
        std::vector<std::pair<const char*, const char*>> antes; // the periods before the rule
        const char* durante;   // what the other program records while the question is shown
        std::function<bool()> regra;
        const char* texto;
        const char* abertos;   // periods left not closed
    } casos[] = {
        {{}, "INSERT INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) VALUES ('201201', '2012-01-02', 'ABERTO')",
         [&] { return AbreNovoPeriodo(p.ctx, hoje); },
         "Impossível abrir novo movimento: \rExiste bimestre em Aberto. Após a confirmação dos dados, feche-o, e então abra o novo movimento.",
         "201201"},
        {{{"201201", "ABERTO"}}, "UPDATE tabControleMovimento SET Situacao = 'FECHADO'", [&] { return FechaPeriodo(p.ctx, "201201", hoje); },
         "Impossível fechar: O movimento já se encontra fechado.", ""},
        {{{"201201", "FECHADO"}, {"201202", "FECHADO"}}, "INSERT INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) VALUES ('201203', '2012-01-02', 'ABERTO')",
         [&] { return ReabrePeriodo(p.ctx, "201201", "erro", hoje); }, "Impossível reabrir: Já existe movimento em aberto.", "201203"},
    };
    struct Hook : InteracaoRoteiro {
        std::function<void()> aoPerguntar;
        using Interacao::pergunta;
        bool pergunta(const QString& t, const QString& x, Padrao d) override
        {
            if (aoPerguntar)
                aoPerguntar();
            return InteracaoRoteiro::pergunta(t, x, d);
        }
    } ui;
    p.ctx.ui = &ui;
    for (const Caso& c : casos) {
        p.ctx.BancoOrgao.executa("DELETE FROM tabControleMovimento");
        for (auto [periodo, situacao] : c.antes)
            insere(periodo, situacao);
        ui.aoPerguntar = [&] { outro(c.durante); };
        ui.respostas = {true};
        EXPECT_FALSE(c.regra()) << c.texto;
        EXPECT_EQ(ui.ultimo(), QString::fromUtf8(c.texto));
        EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT group_concat(BimReferencia) FROM tabControleMovimento WHERE Situacao <> 'FECHADO'")
                      .toString(),
                  c.abertos);
    }

    // The other program holds its write across the rule's start: the rule waits for it.
    p.ctx.BancoOrgao.executa("DELETE FROM tabControleMovimento");
    ui.aoPerguntar = nullptr;
    std::promise<void> gravando;
    std::thread outroPrograma([&] {
        Banco b = Banco::abre(arquivo);
        Transacao t(b);
        b.executa("INSERT INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) VALUES ('201201', '2012-01-02', 'ABERTO')");
        gravando.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        t.confirma();
    });
    gravando.get_future().wait();
    ui.respostas = {true};
    EXPECT_FALSE(AbreNovoPeriodo(p.ctx, hoje));
    outroPrograma.join();
    EXPECT_TRUE(ui.ultimo().startsWith("Impossível abrir novo movimento: ")) << ui.ultimo().toStdString();
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT count(*) FROM tabControleMovimento").toInt(), 1);
}
