#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "ui/reports/FrmConsultaGeral.h"
#include "ui/reports/FrmLocalizaCidade.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
QPushButton* botao(QWidget& w, const char* nome) { return w.findChild<QPushButton*>(QString::fromLatin1(nome)); }

QPoint centroDaLinha(QTableWidget* grade, int linha)
{
    return grade->visualRect(grade->model()->index(linha, 1)).center();
}

// What the window system sends for a double click: a click, then the second press.
void duploClique(QTableWidget* grade, int linha)
{
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centroDaLinha(grade, linha));
    QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, centroDaLinha(grade, linha));
}

QStringList cabecalhos(QTableWidget* grade)
{
    QStringList r;
    for (int c = 0; c < grade->columnCount(); ++c)
        r << grade->horizontalHeaderItem(c)->text();
    return r;
}

class TelasConsulta : public ::testing::Test {
protected:
    void SetUp() override
    {
        p.configuraOrgao(QStringLiteral("P001"));
        Banco& b = p.ctx.BancoOrgao;
        b.executa(QStringLiteral("DELETE FROM tabAnexo13BaseLegal"));
        for (int i = 1; i <= 80; ++i)
            b.executa(QStringLiteral("INSERT INTO tabAnexo13BaseLegal (Codigo, Descricao) VALUES (?, ?)"),
                      {QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Base %1").arg(i)});
        b.executa(QStringLiteral("DELETE FROM Cidades"));
        b.executa(QStringLiteral("INSERT INTO Cidades (IdCidade, Nome, UF) VALUES (10, 'VITÓRIA', 'ES'), "
                                 "(20, 'NOVA VENÉCIA', 'ES'), (30, 'VILA NOVA', 'ES'), (40, 'SERRA', 'ES')"));
    }

    void mostra(QWidget& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    ProgramaTeste p;
};
} // namespace

TEST_F(TelasConsulta, ConsultaGeralOkDuploCliqueEFechar)
{
    FrmConsultaGeral dlg(p.ctx, QStringLiteral("tabAnexo13BaseLegal"), QStringLiteral("13A"),
                         QStringLiteral("Consulta - Base Legal"));
    mostra(dlg);
    Captura(&dlg, "consulta_geral");
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Consulta - Base Legal"));
    auto* grade = dlg.findChild<QTableWidget*>(QStringLiteral("Grid"));
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(cabecalhos(grade), QStringList({QStringLiteral("Código"), QStringLiteral("Descrição")}));
    ASSERT_EQ(grade->rowCount(), 56);
    EXPECT_EQ(grade->item(55, 0)->text(), QStringLiteral("76"));

    // OK with no row chosen does nothing.
    QTest::mouseClick(botao(dlg, "cmdOk"), Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.resultado().vazio());

    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centroDaLinha(grade, 2));
    QTest::mouseClick(botao(dlg, "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.resultado().escolha, QStringLiteral("03-Base 3"));
    EXPECT_EQ(dlg.resultado().codigo, QStringLiteral("03"));
    EXPECT_EQ(dlg.resultado().descricao, QStringLiteral("Base 3"));

    FrmConsultaGeral aditivo(p.ctx, QStringLiteral("tabAnexo13BaseLegal"), QStringLiteral("13B"),
                             QStringLiteral("Consulta - Base Legal"));
    mostra(aditivo);
    auto* g2 = aditivo.findChild<QTableWidget*>(QStringLiteral("Grid"));
    ASSERT_EQ(g2->rowCount(), 25);
    duploClique(g2, 0);
    EXPECT_FALSE(aditivo.isVisible());
    EXPECT_EQ(aditivo.resultado().escolha, QStringLiteral("56-Base 56"));

    FrmConsultaGeral fechada(p.ctx, QStringLiteral("tabAnexo13BaseLegal"), {}, QStringLiteral("Consulta"));
    mostra(fechada);
    auto* g3 = fechada.findChild<QTableWidget*>(QStringLiteral("Grid"));
    EXPECT_EQ(g3->rowCount(), 80);
    QTest::mouseClick(g3->viewport(), Qt::LeftButton, {}, centroDaLinha(g3, 4));
    QTest::mouseClick(botao(fechada, "cmdFechar"), Qt::LeftButton);
    EXPECT_EQ(fechada.result(), QDialog::Rejected);
    EXPECT_TRUE(fechada.resultado().vazio());
    EXPECT_TRUE(fechada.resultado().codigo.isEmpty());
    EXPECT_TRUE(fechada.resultado().descricao.isEmpty());
}

TEST_F(TelasConsulta, ConsultaGeralComTabelaInexistenteAvisa)
{
    FrmConsultaGeral dlg(p.ctx, QStringLiteral("tabQueNaoExiste"), {}, QStringLiteral("Consulta"));
    EXPECT_EQ(dlg.findChild<QTableWidget*>(QStringLiteral("Grid"))->rowCount(), 0);
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_TRUE(p.ui.ultimo().startsWith(QStringLiteral("Erro ao carregar a consulta.")));
}

TEST_F(TelasConsulta, LocalizaCidade)
{
    FrmLocalizaCidade dlg(p.ctx);
    mostra(dlg);
    Captura(&dlg, "localiza_cidade");
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Localizar Cidade"));
    auto* grade = dlg.findChild<QTableWidget*>(QStringLiteral("Grid"));
    auto* nome = dlg.findChild<QLineEdit*>(QStringLiteral("txtNome"));
    EXPECT_EQ(cabecalhos(grade), QStringList({QStringLiteral("Código da Cidade"), QStringLiteral("Cidade")}));
    EXPECT_EQ(grade->rowCount(), 4);

    // Enter in the name box searches; the dialog stays.
    QTest::keyClicks(nome, QStringLiteral("nova"));
    QTest::keyClick(nome, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(grade->rowCount(), 2);
    EXPECT_EQ(grade->item(0, 1)->text(), QStringLiteral("NOVA VENÉCIA"));
    EXPECT_EQ(grade->item(1, 1)->text(), QStringLiteral("VILA NOVA"));

    QTest::mouseClick(botao(dlg, "cmdNovo"), Qt::LeftButton);
    EXPECT_TRUE(nome->text().isEmpty());
    EXPECT_EQ(grade->rowCount(), 4);

    nome->setText(QStringLiteral("VILA"));
    QTest::mouseClick(botao(dlg, "cmdPesquisar"), Qt::LeftButton);
    ASSERT_EQ(grade->rowCount(), 1);
    duploClique(grade, 0);
    EXPECT_FALSE(dlg.isVisible());
    ASSERT_TRUE(dlg.cidade().has_value());
    EXPECT_EQ(dlg.cidade()->id, 30);
    EXPECT_EQ(dlg.cidade()->nome, QStringLiteral("VILA NOVA"));

    FrmLocalizaCidade ok(p.ctx);
    mostra(ok);
    auto* g2 = ok.findChild<QTableWidget*>(QStringLiteral("Grid"));
    QTest::mouseClick(g2->viewport(), Qt::LeftButton, {}, centroDaLinha(g2, 3));
    QTest::mouseClick(botao(ok, "cmdOk"), Qt::LeftButton);
    ASSERT_TRUE(ok.cidade().has_value());
    EXPECT_EQ(ok.cidade()->nome, QStringLiteral("VITÓRIA"));
    EXPECT_EQ(ok.cidade()->id, 10);

    FrmLocalizaCidade fechada(p.ctx);
    mostra(fechada);
    auto* g3 = fechada.findChild<QTableWidget*>(QStringLiteral("Grid"));
    QTest::mouseClick(g3->viewport(), Qt::LeftButton, {}, centroDaLinha(g3, 0));
    QTest::keyClick(&fechada, Qt::Key_Escape);
    EXPECT_FALSE(fechada.isVisible());
    EXPECT_FALSE(fechada.cidade().has_value());
}
