#include "admin/Orgaos.h"
#include "comum/BancoTeste.h"
#include "core/Inicio.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

TEST(Inicio, FormatoDeData)
{
    // The machine must show day/month/four-digit year; month-first passes on days up to 12.
    for (auto [data, bom] : {std::pair{"25/03/2012", true}, {"03/05/2012", true}, {"03/25/2012", false}, {"25/03/12", false}, {"3/25/12", false}})
        EXPECT_EQ(FormatoDataValido(data), bom) << data;
    EXPECT_EQ(MensagemFormatoData("3/25/12"),
              "Formato de Data Inválido, 3/25/12, Utilize o painel de Controle para alterar para dd/mm/yyyy");
}

namespace {
void configuraTodos(ProgramaTeste& p, const QStringList& siglas)
{
    for (const QString& s : siglas)
        ConfiguraOrgao(p.ctx.pastaPrograma, p.ctx.BancoConfig, s);
}
} // namespace

TEST(Inicio, AbreBancosConformeOsOrgaosConfigurados)
{
    ProgramaTeste p;
    int chamadas = 0;
    // None configured: the stand-in choice is called; giving up ends start-up.
    EXPECT_EQ(AbreBancos(p.ctx, [&](Contexto&) { ++chamadas; }), Abertura::Abandonada);
    EXPECT_EQ(chamadas, 1);
    EXPECT_TRUE(p.ctx.semOrgao);

    configuraTodos(p, {"P001"});
    EXPECT_EQ(AbreBancos(p.ctx, [&](Contexto&) { ++chamadas; }), Abertura::Aberta);
    EXPECT_EQ(chamadas, 1);
    EXPECT_EQ(p.ctx.CodigoOrgao, "P001");
    EXPECT_TRUE(p.ctx.PastaOrgao.isEmpty() && p.ctx.BancoOrgao.aberto());
    EXPECT_TRUE(p.ctx.PastaDados.startsWith('\\') && p.ctx.PastaDados.endsWith('\\'));

    // Two bodies: always the choice.
    configuraTodos(p, {"C001"});
    p.ctx.PastaDados.clear();
    EXPECT_EQ(AbreBancos(p.ctx, [&](Contexto& c) {
                  ++chamadas;
                  for (const auto& o : OrgaosConfigurados(c.BancoConfig))
                      if (o.siglaLrf == "C001")
                          EscolheOrgao(c, o);
              }),
              Abertura::Aberta);
    EXPECT_EQ(chamadas, 2);
    EXPECT_EQ(p.ctx.CodigoOrgao, "C001");
    EXPECT_FALSE(p.ctx.PastaOrgao.isEmpty());

    // A damaged body database fails the opening.
    QFile f(p.ctx.caminhoBancoOrgao());
    p.ctx.BancoOrgao.fecha();
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_EQ(AbreBancos(p.ctx, [](Contexto&) {}), Abertura::Falhou);
}

TEST(Inicio, VerificaRevisaoCarimbaEChamaOAtualizador)
{
    ProgramaTeste p;
    configuraTodos(p, {"P001", "C001"});
    p.ctx.BancoOrgao = Banco::abre(ArquivoNaPasta(QDir(p.pasta()).filePath("P001"), "Lumo.mdb"));
    p.ctx.CodigoOrgao = "P001";
    QStringList iniciados;
    auto inicia = [&](const QString& prog) { iniciados << prog; return true; };

    // No key row: it is created with 6.0 and the running revision; no updater.
    EXPECT_EQ(VerificaRevisao(p.ctx, inicia), Revisao::Continua);
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT group_concat(Codigo_tabOrgaos || ' ' || VersaoAtualAplicativo || ' ' || RevisaoAtual) "
                                     "FROM tabChave").toString(), "P001 6.0 " + RevisaoPrograma());
    EXPECT_EQ(VerificaRevisao(p.ctx, inicia), Revisao::Continua);

    // An older stamp: every body is stamped, then update.exe runs when it exists.
    Banco outro = Banco::abre(ArquivoNaPasta(QDir(p.pasta()).filePath("C001"), "Lumo.mdb"));
    outro.executa("INSERT INTO tabChave (Codigo_tabOrgaos, RevisaoAtual) VALUES ('C001', '1.9')");
    p.ctx.BancoOrgao.executa("UPDATE tabChave SET RevisaoAtual = '1.9'");
    EXPECT_EQ(VerificaRevisao(p.ctx, inicia), Revisao::Continua); // update.exe absent
    EXPECT_TRUE(iniciados.isEmpty());
    EXPECT_EQ(outro.valor("SELECT RevisaoAtual FROM tabChave").toString(), RevisaoPrograma());
    EXPECT_EQ(p.ctx.CodigoOrgao, "P001");

    QFile atualizador(QDir(p.pasta()).filePath("update.exe"));
    ASSERT_TRUE(atualizador.open(QIODevice::WriteOnly));
    atualizador.close();
    p.ctx.BancoOrgao.executa("UPDATE tabChave SET RevisaoAtual = NULL");
    EXPECT_EQ(VerificaRevisao(p.ctx, inicia), Revisao::AtualizadorIniciado);
    ASSERT_EQ(iniciados.size(), 1);
    EXPECT_TRUE(iniciados[0].endsWith("update.exe"));
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT RevisaoAtual FROM tabChave").toString(), RevisaoPrograma());

    // The whole version stamped by the last package is this program: nothing runs.
    iniciados.clear();
    p.ctx.BancoOrgao.executa("UPDATE tabChave SET RevisaoAtual = ?", {" " + VersaoPrograma()});
    EXPECT_EQ(VerificaRevisao(p.ctx, inicia), Revisao::Continua);
    EXPECT_TRUE(iniciados.isEmpty());

    p.ctx.BancoOrgao.executa("UPDATE tabChave SET RevisaoAtual = '0.1'");
    EXPECT_EQ(VerificaRevisao(p.ctx, [](const QString&) { return false; }), Revisao::Encerra);
    EXPECT_TRUE(p.ui.ultimo().startsWith("Erro ao tentar Executar o programa de atualização."));
}

TEST(Inicio, PeriodoAbertoEPerguntaDeBackup)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    auto& b = p.ctx.BancoOrgao;
    b.executa("DELETE FROM tabControleMovimento");
    b.executa("INSERT INTO tabControleMovimento (BimReferencia, Situacao) VALUES ('201201', 'FECHADO'), "
              "('201203', 'ABERTO'), ('201202', 'REABERTO')");
    CarregaPeriodoAberto(p.ctx);
    EXPECT_EQ(p.ctx.BimReferencia + ' ' + p.ctx.BimestreAberto, "201202 02");
    b.executa("UPDATE tabControleMovimento SET Situacao = 'FECHADO'");
    CarregaPeriodoAberto(p.ctx);
    EXPECT_EQ(p.ctx.BimReferencia + p.ctx.BimestreAberto, "");

    // Asked on exit unless the key row says 0.
    const std::pair<const char*, bool> casos[] = {{"UPDATE tabChave SET backup = 1", true},
        {"UPDATE tabChave SET backup = 0", false}, {"UPDATE tabChave SET backup = NULL", true}, {"DELETE FROM tabChave", true}};
    for (const auto& [sql, quer] : casos) {
        b.executa(sql);
        EXPECT_EQ(QuerBackup(p.ctx), quer) << sql;
    }
}

// What a backup or restore killed half-way leaves is put right when the body is opened, by the
// program (AbreBancos) and by lumo-cli (which chooses the body first).
TEST(Inicio, AberturaRecuperaBackupOuRestauracaoInterrompidos)
{
    ProgramaTeste p;
    configuraTodos(p, {"P001"});
    const QDir pasta(QDir(p.pasta()).filePath("P001"));
    const std::pair<const char*, std::function<void()>> aberturas[] = {
        {"programa", [&] { EXPECT_EQ(AbreBancos(p.ctx, [](Contexto&) {}), Abertura::Aberta); }},
        {"lumo-cli", [&] {
             for (const auto& o : OrgaosConfigurados(p.ctx.BancoConfig))
                 EscolheOrgao(p.ctx, o);
             p.ctx.BancoOrgao = AbreBancoOrgao(p.ctx);
         }},
    };
    for (const auto& [quem, abre] : aberturas) {
        SCOPED_TRACE(quem);
        p.ctx.BancoOrgao.fecha();
        ASSERT_TRUE(QFile::rename(pasta.filePath("Lumo.mdb"), pasta.filePath("lumoOri.mdb")));
        for (const char* sobra : {"lumo2.mdb", "lumoRestauracao.mdb", "lumoRestauracao.mdb.tmp", "BackupLumo.lrf.tmp.a1B2c3", "BackupLumo.lrf"}) {
            QFile f(pasta.filePath(sobra));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        abre();
        EXPECT_TRUE(p.ctx.BancoOrgao.aberto() && p.ctx.BancoOrgao.tabelaExiste("tabChave"));
        QStringList ficaram = pasta.entryList({"lumo*", "Backup*"}, QDir::Files);
        ficaram.removeAll("lumo.trava"); // the body's lock file stays
        EXPECT_EQ(ficaram, QStringList({"BackupLumo.lrf", "Lumo.mdb"}));
    }
}
