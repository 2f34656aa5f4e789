// The problems window on a real check run: caption, the three captioned columns and their
// widths, the problems as listed, the print command's copy into tabProblemas, the close command.
#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "submission/Criticas.h"
#include "ui/submission/FrmProblemas.h"

#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QTableWidget>
#include <QTest>

TEST(TelaProblemas, ListaImprimeEFecha)
{
    OrgaoAberto o;
    o.p.ctx.anexosDevidos.fill(0);
    for (int slot : {1, 2, 4, 14, 27})
        o.p.ctx.anexosDevidos[size_t(slot)] = 1;
    o.sql("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos) VALUES ('201203', '11120200', '0999')");
    o.sql("INSERT INTO tabAnexo04Movimento (BimReferencia, Campo) VALUES ('201203', 999)");
    o.sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, ElementoDespesa, ValorEmpenhado)"
          " VALUES (1, '201203', '2012/0001', '449052', 250000000)");
    o.sql("INSERT INTO tabAnexo26Extratos VALUES (1, '201203', '001', '', '5678-9', 'Movimento', NULL)");
    const Problemas problemas = ExecutaCriticas(o.p.ctx);
    ASSERT_GE(problemas.size(), 8u);

    FrmProblemas tela(o.p.ctx, problemas);
    Mostra(tela, QStringLiteral("problemas"));
    EXPECT_EQ(tela.windowTitle(), "Inconsistências na geração de disquete");
    QTableWidget* g = tela.grade();
    ASSERT_EQ(g->columnCount(), 3);
    EXPECT_EQ(g->horizontalHeaderItem(0)->text(), "Problema no(s) Anexo(s)");
    EXPECT_EQ(g->horizontalHeaderItem(1)->text(), "Descrição do Problema");
    EXPECT_EQ(g->horizontalHeaderItem(2)->text(), "Como resolvê-lo");
    const int dpi = tela.logicalDpiX();
    EXPECT_GE(g->columnWidth(0), 2200 * dpi / 1440);
    EXPECT_LE(g->columnWidth(0), 3000 * dpi / 1440) << "wide enough for its caption, no wider";
    EXPECT_EQ(g->columnWidth(1), 5000 * dpi / 1440);
    EXPECT_TRUE(g->horizontalHeader()->styleSheet().contains("rgb(255, 255, 128)"));
    ASSERT_EQ(g->rowCount(), int(problemas.size()));
    for (int r = 0; r < g->rowCount(); ++r) {
        EXPECT_EQ(g->item(r, 0)->text(), problemas[size_t(r)].anexo);
        EXPECT_EQ(g->item(r, 1)->text(), problemas[size_t(r)].item + problemas[size_t(r)].mensagem);
        EXPECT_EQ(g->item(r, 2)->text(), problemas[size_t(r)].solucao);
    }
    EXPECT_EQ(g->item(0, 1)->text(), "Número da Fonte: 0999 - Fonte de Recursos Não Cadastrada");

    // Imprimir copies the list into tabProblemas and shows "problemas.rpt" in the print preview.
    bool previa = false;
    NoModal<QPrintPreviewDialog>(
        [](QPrintPreviewDialog* d) {
            QTest::qWait(100);
            Captura(d, "problemas_previa");
            d->reject();
        },
        &previa);
    Clica(tela, "cmdImprimir");
    EXPECT_TRUE(previa) << o.p.ui.ultimo().toStdString();
    EXPECT_EQ(o.conta("tabProblemas"), int(problemas.size()));
    EXPECT_EQ(o.texto("SELECT Descricao FROM tabProblemas WHERE rowid = 1"), g->item(0, 1)->text());
    Clica(tela, "cmdFechar");
    EXPECT_FALSE(tela.isVisible());

    // Opened as the generation screen opens it: modal, closed with Fechar.
    bool viu = false;
    NoModal<FrmProblemas>([](FrmProblemas* m) { Clica(*m, "cmdFechar"); }, &viu);
    MostraProblemas(o.p.ctx, nullptr, problemas);
    EXPECT_TRUE(viu);
}
