// A fixed-line statement as a user meets it: opened from its menu entry, its tables as tabs,
// values typed in Brazilian money, the computed lines following, saved, reopened.
#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "ui/core/GradeRegistro.h"
#include "ui/statements/FrmDemonstrativo.h"

#include <QAbstractItemModel>
#include <QTabBar>
#include <QTableView>

TEST(TelasDemonstrativos, DigitaTrocaDeQuadroGravaEReabre)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    p.ctx.BimReferencia = "201204";
    RegistraTodasAsTelas();
    SemNavegacao nav;
    // A computed line of its own, so that the test does not follow the catalogue's formulas.
    p.ctx.BancoOrgao.executa("UPDATE tabAnexo15Campos SET grupo = 0, formula = NULL");
    p.ctx.BancoOrgao.executa("UPDATE tabAnexo15Campos SET grupo = 1, formula = '[2]+[3]' WHERE campo = 1");
    const auto abre = [&](const char* menu) {
        auto* t = static_cast<FrmDemonstrativo*>((*TelaDoMenu(menu))(p.ctx, nav));
        t->resize(1280, 560);
        Mostra(*t, QString(menu));
        return std::unique_ptr<FrmDemonstrativo>(t);
    };
    auto tela = abre("registrar.15");
    GradeRegistro* g = tela->grade();
    QAbstractItemModel* m = g->modelo();
    EXPECT_FALSE(tela->quadros()->isVisible()); // one table only
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Liquidadas nos Últimos 12 Meses"));
    const auto vaiPara = [&](int linha, int coluna) {
        QApplication::setActiveWindow(tela.get());
        g->vista()->setFocus();
        g->vista()->setCurrentIndex(m->index(linha, coluna));
        QApplication::processEvents();
    };
    EXPECT_FALSE(m->flags(m->index(0, 2)) & Qt::ItemIsEditable);
    vaiPara(1, 2);
    DigitaTeclas("1.234,56\r");
    vaiPara(2, 2);
    DigitaTeclas("100\r");
    EXPECT_EQ(m->index(0, 2).data().toString(), "1.334,56");
    p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), "Valores gravados com sucesso!");
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT Ult12Mes FROM tabAnexo15Movimento WHERE Campo = 1").toLongLong(), 13345600);
    tela.reset();
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
    Captura(tela.get(), "anexo16-regime-previdenciario");
    tela = abre("registrar.11");
    ASSERT_NE(tela->botaoAnexo1(), nullptr);
    Captura(tela.get(), "anexo11");
    tela.reset();

    // The simplified RREO: nothing typed, Gravar stores its lines.
    std::unique_ptr<QWidget> simplificado((*TelaDoMenu("registrar.22A"))(p.ctx, nav));
    simplificado->resize(1280, 560);
    Mostra(*simplificado, "registrar.22A");
    p.ui.limpa();
    Clica(*simplificado, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), "Valores gravados com sucesso!");
    EXPECT_GT(p.ctx.BancoOrgao.valor("SELECT count(*) FROM tabAnexo22aMovimento").toInt(), 30);
}
