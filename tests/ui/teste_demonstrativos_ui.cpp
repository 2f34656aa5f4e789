// A fixed-line statement as a user meets it: opened from its menu entry, its tables as tabs,
// values typed in Brazilian money, the computed lines following, saved, reopened.
#include "Capturas.h"
#include "ui/core/GradeRegistro.h"
#include "ui/statements/FrmDemonstrativo.h"

#include <QAbstractItemModel>
#include <QTabBar>
#include <QTableView>

TEST(TelasDemonstrativos, DigitaTrocaDeQuadroGravaEReabre)
{
    TelasDoOrgao t("P001", "201204");
    auto& p = t.p;
    // A computed line of its own, so that the test does not follow the catalogue's formulas.
    t.sql("UPDATE tabAnexo15Campos SET grupo = 0, formula = NULL");
    t.sql("UPDATE tabAnexo15Campos SET grupo = 1, formula = '[2]+[3]' WHERE campo = 1");
    const auto abre = [&](const char* menu) { return t.abre<FrmDemonstrativo>(menu, menu); };
    auto* tela = abre("registrar.15");
    GradeRegistro* g = tela->grade();
    QAbstractItemModel* m = g->modelo();
    EXPECT_FALSE(tela->quadros()->isVisible()); // one table only
    EXPECT_FALSE(m->flags(m->index(0, 2)) & Qt::ItemIsEditable);
    VaiPara(g, 1, 2);
    DigitaTeclas("1.234,56\r");
    VaiPara(g, 2, 2);
    DigitaTeclas("100\r");
    EXPECT_EQ(m->index(0, 2).data().toString(), "1.334,56");
    p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), "Valores gravados com sucesso!");
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT Ult12Mes FROM tabAnexo15Movimento WHERE Campo = 1").toLongLong(), 13345600);
    tela = abre("registrar.15");
    EXPECT_EQ(tela->grade()->modelo()->index(1, 2).data().toString(), "1.234,56");

    // A statement of several tables shows one table at a time.
    tela = abre("registrar.16");
    QTableView* v = tela->grade()->vista();
    ASSERT_TRUE(tela->quadros()->isVisible());
    EXPECT_EQ(tela->quadros()->count(), 4);
    const auto visiveis = [&] {
        int n = 0;
        for (int l = 0; l < tela->grade()->grade().linhas(); ++l)
            n += !v->isRowHidden(l);
        return n;
    };
    const int primeiro = visiveis();
    tela->quadros()->setCurrentIndex(3);
    EXPECT_NE(visiveis(), primeiro);
    EXPECT_GT(visiveis(), 0);
    Captura(tela, "anexo16-regime-previdenciario");
    tela = abre("registrar.11");
    ASSERT_NE(tela->botaoAnexo1(), nullptr);
    Captura(tela, "anexo11");

    // The simplified RREO: nothing typed, Gravar stores its lines.
    QWidget* simplificado = t.abre("registrar.22A", "registrar.22A");
    p.ui.limpa();
    Clica(*simplificado, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), "Valores gravados com sucesso!");
    EXPECT_GT(p.ctx.BancoOrgao.valor("SELECT count(*) FROM tabAnexo22aMovimento").toInt(), 30);
}
