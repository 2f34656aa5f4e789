#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "ui/reports/FrmConsultaGeral.h"
#include "ui/reports/FrmLocalizaCidade.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
// How the user leaves a look-up: a row chosen (-1: none) and OK, a double click (a click,
// then the second press, as the window system sends it), Fechar, or Esc.
enum class Saida { Ok, DuploClique, Fechar, Esc };

QTableWidget* abre(QDialog& dlg, const char* captura)
{
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
    if (captura)
        Captura(&dlg, QString::fromLatin1(captura));
    return dlg.findChild<QTableWidget*>(QStringLiteral("Grid"));
}

void sai(QDialog& dlg, QTableWidget* grade, int linha, Saida saida)
{
    const QPoint ponto = grade->visualRect(grade->model()->index(qMax(linha, 0), 1)).center();
    if (linha >= 0)
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto);
    if (saida == Saida::DuploClique)
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, ponto);
    else if (saida == Saida::Esc)
        QTest::keyClick(&dlg, Qt::Key_Escape);
    else
        dlg.findChild<QPushButton*>(saida == Saida::Ok ? QStringLiteral("cmdOk") : QStringLiteral("cmdFechar"))->click();
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
    ProgramaTeste p;
};
} // namespace

TEST_F(TelasConsulta, ConsultaGeral)
{
    const struct {
        const char* filtro;
        int linhas, escolhida;
        Saida saida;
        const char* escolha;   // nullptr: nothing chosen
    } casos[] = {{"13A", 56, 2, Saida::Ok, "03-Base 3"},
                 {"13B", 25, 0, Saida::DuploClique, "56-Base 56"},
                 {"", 80, 4, Saida::Fechar, nullptr}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.filtro);
        FrmConsultaGeral dlg(p.ctx, QStringLiteral("tabAnexo13BaseLegal"), QString::fromLatin1(c.filtro),
                             QStringLiteral("Consulta - Base Legal"));
        QTableWidget* grade = abre(dlg, c.linhas == 56 ? "consulta_geral" : nullptr);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Consulta - Base Legal"));
        EXPECT_EQ(cabecalhos(grade), QStringList({QStringLiteral("Código"), QStringLiteral("Descrição")}));
        ASSERT_EQ(grade->rowCount(), c.linhas);
        // OK with no row chosen does nothing.
        sai(dlg, grade, -1, Saida::Ok);
        EXPECT_TRUE(dlg.isVisible());
        sai(dlg, grade, c.escolhida, c.saida);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), c.escolha ? QDialog::Accepted : QDialog::Rejected);
        const ResultadoConsulta& r = dlg.resultado();
        EXPECT_EQ(r.escolha, QString::fromUtf8(c.escolha));
        EXPECT_EQ(r.codigo + u'-' + r.descricao, c.escolha ? r.escolha : QStringLiteral("-"));
    }
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
    FrmConsultaGeral inexistente(p.ctx, QStringLiteral("tabQueNaoExiste"), {}, QStringLiteral("Consulta"));
    EXPECT_EQ(inexistente.findChild<QTableWidget*>(QStringLiteral("Grid"))->rowCount(), 0);
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_TRUE(p.ui.ultimo().startsWith(QStringLiteral("Erro ao carregar a consulta.")));
}

TEST_F(TelasConsulta, LocalizaCidade)
{
    FrmLocalizaCidade dlg(p.ctx);
    QTableWidget* grade = abre(dlg, "localiza_cidade");
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Localizar Cidade"));
    EXPECT_EQ(cabecalhos(grade), QStringList({QStringLiteral("Código da Cidade"), QStringLiteral("Cidade")}));
    EXPECT_EQ(grade->rowCount(), 4);
    // Enter in the name box searches and the dialog stays; Novo clears the search.
    auto* nome = dlg.findChild<QLineEdit*>(QStringLiteral("txtNome"));
    QTest::keyClicks(nome, QStringLiteral("nova"));
    QTest::keyClick(nome, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(grade->rowCount(), 2);
    EXPECT_EQ(grade->item(0, 1)->text(), QStringLiteral("NOVA VENÉCIA"));
    EXPECT_EQ(grade->item(1, 1)->text(), QStringLiteral("VILA NOVA"));
    dlg.findChild<QPushButton*>(QStringLiteral("cmdNovo"))->click();
    EXPECT_TRUE(nome->text().isEmpty());
    EXPECT_EQ(grade->rowCount(), 4);
    nome->setText(QStringLiteral("VILA"));
    dlg.findChild<QPushButton*>(QStringLiteral("cmdPesquisar"))->click();
    ASSERT_EQ(grade->rowCount(), 1);
    sai(dlg, grade, 0, Saida::DuploClique);
    EXPECT_FALSE(dlg.isVisible());
    ASSERT_TRUE(dlg.cidade().has_value());
    EXPECT_EQ(dlg.cidade()->id, 30);
    EXPECT_EQ(dlg.cidade()->nome, QStringLiteral("VILA NOVA"));

    // Listed by name: the fourth row is VITÓRIA; Esc chooses nothing.
    for (const Saida saida : {Saida::Ok, Saida::Esc}) {
        FrmLocalizaCidade outra(p.ctx);
        sai(outra, abre(outra, nullptr), 3, saida);
        EXPECT_FALSE(outra.isVisible());
        EXPECT_EQ(outra.cidade().has_value(), saida == Saida::Ok);
        if (saida == Saida::Ok)
            EXPECT_TRUE(outra.cidade()->id == 10 && outra.cidade()->nome == QStringLiteral("VITÓRIA"));
    }
}
