// "Gerar Disquete" as a user meets it: opened from its menu entry, the destination typed or
// chosen, the package generated offscreen, the rows of the due annexes marked as they are
// written, the summary and the history shown.
#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "submission/Pacote.h"
#include "ui/Telas.h"
#include "ui/submission/FrmGeraDisquete.h"

#include <QCryptographicHash>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

namespace {

struct TelaGerar {
    ProgramaTeste p;
    SemNavegacao nav;
    QTemporaryDir destino;
    std::unique_ptr<FrmGeraDisquete> tela;

    TelaGerar()
    {
        p.configuraOrgao("P001"); // open period 01/2012
        RegistraTodasAsTelas();
        p.ctx.BancoOrgao.executa("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos, "
                                 "ValorRealizadoBimestre) VALUES ('201201', '11120200', '001', 12345000)");
        p.ctx.BancoOrgao.executa("INSERT INTO tabDespesaMovimento (BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, "
                                 "Codigo_Funcao, Codigo_SubFuncao, Codigo_Programa, Codigo_Atividade, Codigo_tabDespesaCategoriaEconomica, "
                                 "Codigo_tabDespesaGrupoDespesa, Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa, "
                                 "ValorLiqBimestre) VALUES ('201201', '001', '02.001', '04', '122', '0001', '2001', '3', '3', '90', '39', 5000000)");
    }
    FrmGeraDisquete* abre(const QString& captura = {})
    {
        const FabricaTela* f = TelaDoMenu("registrar.gerar");
        EXPECT_NE(f, nullptr);
        tela.reset(static_cast<FrmGeraDisquete*>((*f)(p.ctx, nav)));
        Mostra(*tela, captura);
        return tela.get();
    }
    FrmGeraDisquete* abre(ServicosGeracao servicos)
    {
        tela = std::make_unique<FrmGeraDisquete>(p.ctx, std::move(servicos));
        Mostra(*tela);
        return tela.get();
    }
    void digitaDestino(const QString& pasta)
    {
        tela->destino()->setFocus();
        QTest::keyClicks(tela->destino(), pasta);
    }
};

Problemas semProblemas(Contexto&) { return {}; }

} // namespace

TEST(TelaGerarDisquete, GeraOArquivoEMostraOResumoEOHistorico)
{
    TelaGerar t;
    FrmGeraDisquete* tela = t.abre({semProblemas, {}});
    Captura(tela, "gerar_disquete_inicio");
    QTableWidget* grd = tela->grade();
    // One row per due annex, "N - descricao", in the widths of the screen.
    EXPECT_EQ(grd->horizontalHeaderItem(0)->text(), "Anexo");
    ASSERT_GT(grd->rowCount(), 20);
    EXPECT_EQ(grd->item(0, 0)->text(), "1 - Anexo 01 - Balanço Orçamentário");
    QStringList linhas;
    for (int i = 0; i < grd->rowCount(); ++i)
        linhas << grd->item(i, 0)->text();
    EXPECT_TRUE(linhas.contains("22 - Anexo 22A - Demonstrativo Simplificado do RREO"));
    EXPECT_TRUE(linhas.contains("23 - Anexo 23 - Rel. de Obras e Serv. de Eng. em Execução e a Executar")) << linhas.join('\n').toStdString();
    EXPECT_EQ(grd->columnWidth(0), 433);
    EXPECT_EQ(grd->columnWidth(1), 200);
    EXPECT_FALSE(tela->situacao()->isVisible());
    EXPECT_TRUE(tela->gerar()->isEnabled());

    // Without a folder nothing happens but the reminder.
    Clica(*tela, "cmdGerar");
    EXPECT_EQ(t.p.ui.ultimo(), "Informe a pasta de destino do arquivo.");
    EXPECT_TRUE(tela->gerar()->isEnabled());

    t.digitaDestino(t.destino.path());
    // The summary of what was sent comes up in the print preview ("resumo.rpt").
    bool resumo = false;
    NoModal<QPrintPreviewDialog>(
        [](QPrintPreviewDialog* d) {
            QTest::qWait(100);
            Captura(d, "gerar_disquete_resumo");
            d->reject();
        },
        &resumo);
    Clica(*tela, "cmdGerar");
    EXPECT_TRUE(resumo);
    const QString arquivo = t.destino.filePath("data0112.lrf");
    ASSERT_TRUE(QFile::exists(arquivo)) << t.p.ui.textos().join('\n').toStdString();
    EXPECT_TRUE(tela->situacao()->isVisible());
    EXPECT_EQ(tela->situacao()->text(), "Informações gravadas com sucesso.");
    EXPECT_FALSE(tela->gerar()->isEnabled()) << "uma geração por abertura";
    EXPECT_TRUE(t.p.ui.textos().contains("O sistema agora vai fazer a cópia do banco de dados de exportação. Clique em OK"));
    // Every due row marked as written, the first with the expense line it copied last.
    EXPECT_EQ(grd->item(0, 1)->text(), "1 registros gravados");
    for (int i = 0; i < grd->rowCount(); ++i) {
        EXPECT_EQ(grd->item(i, 0)->background().color(), QColor(224, 224, 224)) << i;
        EXPECT_EQ(grd->item(i, 1)->background().color(), QColor(224, 224, 224)) << i;
        EXPECT_TRUE(grd->item(i, 1)->text().endsWith(" registros gravados")) << i;
    }
    // The history below, with the file's SHA-256.
    QTableWidget* envios = tela->envios();
    ASSERT_EQ(envios->rowCount(), 1);
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(envios->item(0, 5)->text(), QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex()));
    EXPECT_EQ(envios->item(0, 1)->text(), "01/2012");
    EXPECT_EQ(envios->item(0, 2)->text(), "ADMIN");
    EXPECT_EQ(envios->item(0, 3)->text(), QDir::toNativeSeparators(arquivo));
    Captura(tela, "gerar_disquete_fim");
    QSqlQuery q = t.p.ctx.BancoOrgao.executa("SELECT Anexo, Valor1 FROM tabResumo ORDER BY rowid");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "Anexo 01 - Balanço Orçamentário - Receitas ");
    EXPECT_EQ(q.value(1).toLongLong(), 12345000);
}

TEST(TelaGerarDisquete, ProcurarPoeAPastaDoArquivoEscolhido)
{
    TelaGerar t;
    FrmGeraDisquete* tela = t.abre();
    t.p.ui.arquivos << "/media/pendrive/envio/data0112.lrf";
    Clica(*tela, "cmdProcurar");
    ASSERT_EQ(t.p.ui.inicios.size(), 1);
    EXPECT_TRUE(t.p.ui.inicios[0].endsWith("data0112.lrf")) << t.p.ui.inicios[0].toStdString();
    EXPECT_EQ(tela->destino()->text(), "/media/pendrive/envio/");
}

// A problem blocks the package; the list is shown and the user may try again.
TEST(TelaGerarDisquete, ProblemasImpedemAGeracao)
{
    TelaGerar t;
    int vezes = 0;
    Problemas vistos;
    ServicosGeracao servicos;
    servicos.criticas = [](Contexto&) { return Problemas{{"I - Receita", "", "Movimento de Receita não informado.", "Digitar informações de Receita do Anexo I.", "", "", {}}}; };
    servicos.mostraProblemas = [&](Contexto&, QWidget*, const Problemas& p) {
        ++vezes;
        vistos = p;
    };
    FrmGeraDisquete* tela = t.abre(servicos);
    t.digitaDestino(t.destino.path());
    Clica(*tela, "cmdGerar");
    EXPECT_EQ(vezes, 1);
    ASSERT_EQ(vistos.size(), 1u);
    EXPECT_EQ(tela->situacao()->text(), "Verificando críticas à geração de arquivos...");
    EXPECT_TRUE(tela->gerar()->isEnabled());
    EXPECT_TRUE(QDir(t.destino.path()).isEmpty());
    EXPECT_EQ(tela->envios()->rowCount(), 0);
}

TEST(TelaGerarDisquete, GerarDesabilitado)
{
    {
        // The key row names another registered body.
        TelaGerar t;
        t.p.ctx.BancoOrgao.executa("UPDATE tabChave SET Codigo_tabOrgaos = 'C001'");
        FrmGeraDisquete* tela = t.abre();
        EXPECT_FALSE(tela->gerar()->isEnabled());
        EXPECT_TRUE(t.p.ui.ultimo().startsWith("Ha incompatibilida dos dados do orgão, pois o mesmo esta sendo gerado para CÂMARA"));
    }
    {
        // No open period.
        TelaGerar t;
        t.p.ctx.BancoOrgao.executa("UPDATE tabControleMovimento SET Situacao = 'FECHADO'");
        FrmGeraDisquete* tela = t.abre();
        EXPECT_FALSE(tela->gerar()->isEnabled());
        EXPECT_FALSE(tela->grade()->isVisible());
    }
}
