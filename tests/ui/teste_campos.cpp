#include "comum/InteracaoRoteiro.h"
#include "ui/core/Campos.h"

#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
// A small form of fields, shown and active so that the focus moves as on a screen.
struct Formulario {
    QWidget janela;
    InteracaoRoteiro ui;
    CampoTexto* texto = new CampoTexto;
    CampoValor* valor = new CampoValor;
    CampoInteiro* inteiro = new CampoInteiro;
    CampoDecimal* decimal = new CampoDecimal;
    CampoData* data = new CampoData(&ui);
    CampoDataCodigo* dataCodigo = new CampoDataCodigo;

    Formulario()
    {
        auto* l = new QVBoxLayout(&janela);
        for (QWidget* w : std::initializer_list<QWidget*>{texto, valor, inteiro, decimal, data, dataCodigo})
            l->addWidget(w);
        janela.show();
        QApplication::setActiveWindow(&janela);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
    }

    void foca(QWidget* w)
    {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    // Leaves a field the way the user does, with Enter.
    void sai(QWidget* w)
    {
        QTest::keyClick(w, Qt::Key_Return);
        QApplication::processEvents();
    }
};
} // namespace

TEST(CampoValor, AceitaDuasCasasEFormataAoSair)
{
    Formulario f;
    f.foca(f.valor);
    QTest::keyClicks(f.valor, QStringLiteral("123,456"));
    EXPECT_EQ(f.valor->text(), QStringLiteral("123,45"));
    QTest::keyClicks(f.valor, QStringLiteral("-a."));
    EXPECT_EQ(f.valor->text(), QStringLiteral("123,45"));

    f.valor->clear();
    QTest::keyClick(f.valor, ',');
    EXPECT_EQ(f.valor->text(), QStringLiteral("0,"));

    f.valor->setText(QStringLiteral("1234,5"));
    f.sai(f.valor);
    EXPECT_TRUE(f.inteiro->hasFocus());
    EXPECT_EQ(f.valor->text(), QStringLiteral("1.234,50"));
    EXPECT_EQ(f.valor->valor(), Moeda::deDecimos(12345000));

    // Text that is no number (pasted, say) becomes empty on leaving.
    f.foca(f.valor);
    f.valor->setText(QStringLiteral("abc"));
    f.sai(f.valor);
    EXPECT_EQ(f.valor->text(), QString());
}

TEST(CampoValor, FocoSelecionaTudoEDigitarSubstitui)
{
    Formulario f;
    f.valor->setText(QStringLiteral("1.234,50"));
    f.foca(f.valor);
    EXPECT_EQ(f.valor->selectedText(), QStringLiteral("1.234,50"));
    QTest::keyClicks(f.valor, QStringLiteral("7,1"));
    EXPECT_EQ(f.valor->text(), QStringLiteral("7,1"));
    // A comma over the whole selected text starts again from "0,".
    f.valor->selectAll();
    QTest::keyClick(f.valor, ',');
    EXPECT_EQ(f.valor->text(), QStringLiteral("0,"));
}

TEST(CampoTexto, BloqueiaAspasEPassaAoProximoComEnter)
{
    Formulario f;
    f.foca(f.texto);
    QTest::keyClicks(f.texto, QStringLiteral("D'Avila"));
    EXPECT_EQ(f.texto->text(), QStringLiteral("DAvila"));
    QTest::keyClick(f.texto, Qt::Key_Backspace);
    EXPECT_EQ(f.texto->text(), QStringLiteral("DAvil"));
    f.sai(f.texto);
    EXPECT_TRUE(f.valor->hasFocus());
    EXPECT_EQ(f.texto->text(), QStringLiteral("DAvil"));
}

TEST(CamposNumericos, InteiroEDecimal)
{
    Formulario f;
    f.foca(f.decimal);
    QTest::keyClick(f.decimal, '.');
    EXPECT_EQ(f.decimal->text(), QStringLiteral(","));
    f.decimal->clear();
    QTest::keyClicks(f.decimal, QStringLiteral("-1.5x"));
    EXPECT_EQ(f.decimal->text(), QStringLiteral("-1,5"));

    f.foca(f.inteiro);
    QTest::keyClicks(f.inteiro, QStringLiteral("12a-3,4.5"));
    EXPECT_EQ(f.inteiro->text(), QStringLiteral("12-345"));

    f.foca(f.dataCodigo);
    QTest::keyClicks(f.dataCodigo, QStringLiteral("12/3-4.5,x"));
    EXPECT_EQ(f.dataCodigo->text(), QStringLiteral("12/3-4.5"));
}

TEST(CampoData, BarrasSozinhasEConferenciaAoSair)
{
    Formulario f;
    f.foca(f.data);
    QTest::keyClicks(f.data, QStringLiteral("0103201299"));
    EXPECT_EQ(f.data->text(), QStringLiteral("01/03/2012"));
    f.sai(f.data);
    EXPECT_TRUE(f.ui.mensagens.isEmpty());
    EXPECT_EQ(f.data->text(), QStringLiteral("01/03/2012"));

    // A typed slash is not doubled.
    f.foca(f.data);
    QTest::keyClicks(f.data, QStringLiteral("1/2/12"));
    EXPECT_EQ(f.data->text(), QStringLiteral("1/2/12"));
    f.sai(f.data);
    EXPECT_EQ(f.data->text(), QStringLiteral("01/02/2012"));

    const QString hoje = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    f.foca(f.data);
    QTest::keyClicks(f.data, QStringLiteral("31022012"));
    f.sai(f.data);
    EXPECT_EQ(f.ui.ultimo(), QStringLiteral("Data Inválida."));
    EXPECT_EQ(f.ui.mensagens.back().titulo, QStringLiteral("Mensagem do Sistema"));
    EXPECT_EQ(f.data->text(), hoje);

    f.foca(f.data);
    QTest::keyClicks(f.data, QStringLiteral("31121899"));
    f.sai(f.data);
    EXPECT_EQ(f.ui.ultimo(), QStringLiteral("A Data não pode ser Antes de 1900."));
    EXPECT_EQ(f.data->text(), hoje);
    EXPECT_EQ(f.ui.mensagens.size(), 2);
}

TEST(PadraoGrade, CabecalhosEFonte)
{
    QTableView grade;
    PadraoGrade(&grade);
    EXPECT_FALSE(grade.horizontalHeader()->isHidden());
    EXPECT_EQ(grade.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(grade.horizontalHeader()->font().family(), QStringLiteral("Arial"));
    EXPECT_GE(grade.verticalHeader()->defaultSectionSize(), QFontMetrics(grade.font()).height());
}
