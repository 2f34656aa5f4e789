#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "ui/reports/FrmConsultaGeral.h"
#include "ui/reports/FrmLocalizaCidade.h"

#include <QTableWidget>

namespace {
// How the user leaves a look-up: a row chosen (-1: none) and OK, a double click (a click,
// then the second press, as the window system sends it), Fechar, or Esc.
enum class Saida { Ok, DuploClique, Fechar, Esc };

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
        Clica(dlg, saida == Saida::Ok ? "cmdOk" : "cmdFechar");
}

class TelasConsulta : public ::testing::Test {
protected:
    void SetUp() override
    {
        p.configuraOrgao("P001");
        Banco& b = p.ctx.BancoOrgao;
        b.executa("DELETE FROM tabAnexo13BaseLegal");
        for (int i = 1; i <= 80; ++i)
            b.executa("INSERT INTO tabAnexo13BaseLegal (Codigo, Descricao) VALUES (?, ?)",
                      {QString::number(i).rightJustified(2, u'0'), QStringLiteral("Base %1").arg(i)});
        b.executa("DELETE FROM Cidades");
        b.executa("INSERT INTO Cidades (IdCidade, Nome, UF) VALUES (10, 'VITÓRIA', 'ES'), (20, 'NOVA VENÉCIA', 'ES'), "
                  "(30, 'VILA NOVA', 'ES'), (40, 'SERRA', 'ES')");
    }
    ProgramaTeste p;
};
} // namespace

// What the look-ups do is tested with their rules; here, that the dialogs hand it over.
TEST_F(TelasConsulta, ConsultaGeral)
{
    for (const Saida saida : {Saida::Ok, Saida::DuploClique, Saida::Fechar}) {
        FrmConsultaGeral dlg(p.ctx, "tabAnexo13BaseLegal", "13B", "Consulta - Base Legal");
        Mostra(dlg, saida == Saida::Ok ? "consulta_geral" : "");
        auto* grade = Filho<QTableWidget>(dlg, "Grid");
        ASSERT_EQ(grade->rowCount(), 25);   // the filter reaches the look-up
        sai(dlg, grade, -1, Saida::Ok);     // OK with no row chosen does nothing
        EXPECT_TRUE(dlg.isVisible());
        sai(dlg, grade, 2, saida);
        EXPECT_FALSE(dlg.isVisible());
        const bool escolheu = saida != Saida::Fechar;
        EXPECT_EQ(dlg.result(), escolheu ? QDialog::Accepted : QDialog::Rejected);
        const ResultadoConsulta& r = dlg.resultado();
        EXPECT_EQ(QStringList({r.escolha, r.codigo, r.descricao}),
                  escolheu ? QStringList({"58-Base 58", "58", "Base 58"}) : QStringList(3, QString()));
    }
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
    FrmConsultaGeral inexistente(p.ctx, "tabQueNaoExiste", {}, "Consulta");
    EXPECT_EQ(Filho<QTableWidget>(inexistente, "Grid")->rowCount(), 0);
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_TRUE(p.ui.ultimo().startsWith("Erro ao carregar a consulta."));
}

TEST_F(TelasConsulta, LocalizaCidade)
{
    for (const Saida saida : {Saida::Ok, Saida::DuploClique, Saida::Esc}) {
        FrmLocalizaCidade dlg(p.ctx);
        Mostra(dlg, saida == Saida::Ok ? "localiza_cidade" : "");
        auto* grade = Filho<QTableWidget>(dlg, "Grid");
        EXPECT_EQ(grade->rowCount(), 4);
        // Enter in the name box searches and the dialog stays; Novo clears the search.
        auto* nome = Filho(dlg, "txtNome");
        QTest::keyClicks(nome, "nova");
        QTest::keyClick(nome, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(grade->rowCount(), 2);
        Clica(dlg, "cmdNovo");
        EXPECT_TRUE(nome->text().isEmpty());
        EXPECT_EQ(grade->rowCount(), 4);
        nome->setText("VILA");
        Clica(dlg, "cmdPesquisar");
        ASSERT_EQ(grade->rowCount(), 1);
        sai(dlg, grade, 0, saida);
        EXPECT_FALSE(dlg.isVisible());
        const auto& c = dlg.cidade();
        EXPECT_EQ(c ? c->nome + u' ' + QString::number(c->id) : QString(), saida == Saida::Esc ? "" : "VILA NOVA 30");
    }
}
