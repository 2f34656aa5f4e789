// Anexo 03 as a user meets it: opened from its menu entry, months typed with the keyboard
// (Brazilian money), read-only cells shaded. A month typed in one bimester and seen in the next
// is the rule's test (teste_anexo03).
#include "Capturas.h"
#include "ui/statements/FrmAnexo03.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace {
struct Tela03 : TelasDoOrgao {
    explicit Tela03(const QString& periodo) : TelasDoOrgao("P001", periodo) { abre(periodo); }
    FrmAnexo03* abre(const QString& periodo, const QString& captura = {})
    {
        p.ctx.BimReferencia = periodo;
        p.ctx.BimestreAberto = periodo.right(2);
        return TelasDoOrgao::abre<FrmAnexo03>("registrar.03", captura, {1500, 560});
    }
    QTableView* grade() { return Filho<QTableView>(*tela, "Grid"); }
    QAbstractItemModel* modelo() { return grade()->model(); }
    int linha(const QString& campo)
    {
        for (int l = 0; l < modelo()->rowCount(); ++l)
            if (modelo()->index(l, 0).data().toString() == campo)
                return l;
        ADD_FAILURE() << campo.toStdString();
        return 0;
    }
    QString celula(const QString& campo, int coluna) { return modelo()->index(linha(campo), coluna).data().toString(); }
    bool editavel(const QString& campo, int coluna)
    {
        return modelo()->index(linha(campo), coluna).flags() & Qt::ItemIsEditable;
    }
    void vaiPara(const QString& campo, int coluna)
    {
        QApplication::setActiveWindow(grade()->window());
        grade()->setFocus();
        grade()->setCurrentIndex(modelo()->index(linha(campo), coluna));
        QApplication::processEvents();
    }
    qlonglong valor(const QString& campo, const QString& anomes)
    {
        return p.ctx.BancoOrgao.valor("SELECT valor FROM tabAnexo03Movimento WHERE campo = ? AND anomes = ?", {campo, anomes})
            .toLongLong();
    }
};

constexpr int Mes1 = FrmAnexo03::PrimeiroMes;
} // namespace

TEST(TelaAnexo03, MesesDigitadosComGruposRclETotais)
{
    Tela03 t("201203");
    QWidget* tela = t.tela.get();
    QAbstractItemModel* m = t.modelo();
    ASSERT_EQ(m->columnCount(), 16);
    const QStringList esperados{"Campo", "Especificação", "07/2011", "08/2011", "09/2011", "10/2011", "11/2011", "12/2011",
                                "01/2012", "02/2012", "03/2012", "04/2012", "05/2012", "06/2012", "Total (Últ. 12 meses)", "PA"};
    for (int c = 0; c < m->columnCount(); ++c)
        EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), esperados[c]) << c;
    // No caption is cut.
    const QFontMetrics fm(t.grade()->horizontalHeader()->font());
    for (int c = 0; c < m->columnCount(); ++c)
        EXPECT_GT(t.grade()->columnWidth(c), fm.horizontalAdvance(esperados[c])) << c;
    // Opened with the captions in view and the cursor on the first cell that takes a value.
    EXPECT_EQ(t.grade()->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(t.grade()->currentIndex(), m->index(t.linha("1101"), Mes1 + 10));

    // After bimester 01 only the bimester's two months and PA take values; never the caption,
    // the total, a group line or line 3.
    for (int c = 0; c < m->columnCount(); ++c)
        EXPECT_EQ(t.editavel("1101", c), c == Mes1 + 10 || c == Mes1 + 11 || c == FrmAnexo03::ColunaPA) << c;
    for (const QString campo : {"1", "11", "17", "2", "3"})
        for (int c = 0; c < m->columnCount(); ++c)
            EXPECT_FALSE(t.editavel(campo, c)) << campo.toStdString() << " " << c;
    // The months of earlier bimesters and the total are shaded as read-only.
    EXPECT_NE(m->index(t.linha("1101"), Mes1 + 9).data(Qt::BackgroundRole), QVariant());
    EXPECT_NE(m->index(t.linha("1101"), FrmAnexo03::ColunaTotal).data(Qt::BackgroundRole), QVariant());
    EXPECT_EQ(m->index(t.linha("1101"), Mes1 + 11).data(Qt::BackgroundRole), QVariant());

    // Typed in Brazilian money; Enter goes on to the next month.
    t.vaiPara("1101", Mes1 + 10);
    DigitaTeclas("1.234,56\r");
    EXPECT_EQ(t.grade()->currentIndex().column(), Mes1 + 11);
    DigitaTeclas("100\r");
    EXPECT_EQ(t.celula("1101", Mes1 + 10), "1.234,56");
    EXPECT_EQ(t.celula("1101", Mes1 + 11), "100,00");
    EXPECT_EQ(t.celula("1101", FrmAnexo03::ColunaTotal), "1.334,56");
    EXPECT_EQ(t.valor("1101", "052012"), 12345600);
    t.vaiPara("22", Mes1 + 11);
    DigitaTeclas("250,5\t");
    EXPECT_EQ(t.grade()->currentIndex().column(), FrmAnexo03::ColunaTotal);
    EXPECT_EQ(t.celula("11", Mes1 + 11), "100,00");
    EXPECT_EQ(t.celula("1", Mes1 + 11), "100,00");
    EXPECT_EQ(t.celula("2", Mes1 + 11), "250,50");
    EXPECT_EQ(t.celula("3", Mes1 + 11), "-150,50");
    EXPECT_EQ(t.celula("3", FrmAnexo03::ColunaTotal), "1.084,06");
    EXPECT_EQ(t.valor("3", "TOT03"), 10840600);

    // PA typed per line.
    t.vaiPara("1101", FrmAnexo03::ColunaPA);
    DigitaTeclas("5.000\r");
    EXPECT_EQ(t.celula("3", FrmAnexo03::ColunaPA), "5.000,00");
    EXPECT_EQ(t.valor("1", "PA03"), 50000000);

    // An emptied cell is 0,00.
    t.vaiPara("1101", Mes1 + 11);
    QTest::keyClick(t.grade(), Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, t.grade());
    auto* campo = qobject_cast<QLineEdit*>(editor);
    ASSERT_NE(campo, nullptr);
    campo->clear();
    QTest::keyClick(campo, Qt::Key_Return);
    EXPECT_EQ(t.celula("1101", Mes1 + 11), "0,00");
    EXPECT_EQ(t.valor("1101", "062012"), 0);
    EXPECT_EQ(t.celula("3", Mes1 + 11), "-250,50");
    t.grade()->horizontalScrollBar()->setValue(0);
    Captura(tela, "anexo03");

    t.p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_EQ(t.p.ui.ultimo(), "Valores gravados com sucesso!");
}
