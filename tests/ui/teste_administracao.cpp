#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "ui/admin/FrmControleMovimento.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(ControleMovimento, TelaFechaEReabre)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    FrmControleMovimento tela(p.ctx);
    ASSERT_EQ(tela.grade()->rowCount(), 1);
    EXPECT_EQ(tela.grade()->item(0, 0)->text(), "01/2012");
    EXPECT_EQ(tela.grade()->item(0, 3)->text(), "__/__/____");
    p.ui.respostas = {true};
    tela.findChild<QPushButton*>("cmdFecharBimestre")->click();
    EXPECT_EQ(p.ui.ultimo(), "Fechamento efetuado com sucesso.");
    EXPECT_EQ(tela.grade()->item(0, 2)->text(), "FECHADO");
    p.ui.respostas = {true};
    tela.findChild<QPushButton*>("cmdNovo")->click();
    ASSERT_EQ(tela.grade()->rowCount(), 2);
    EXPECT_EQ(tela.grade()->item(0, 0)->text(), "02/2012");
    p.ui.respostas = {true};
    tela.findChild<QPushButton*>("cmdFecharBimestre")->click();
    tela.grade()->selectRow(1);
    QTest::keyClicks(tela.motivo(), "Ajuste d'anexo");
    EXPECT_EQ(tela.motivo()->text(), "Ajuste danexo"); // the quote key is refused
    p.ui.respostas = {true};
    tela.findChild<QPushButton*>("cmdReabrir")->click();
    EXPECT_EQ(tela.grade()->item(1, 2)->text(), "REABERTO");
    EXPECT_EQ(p.ctx.BimReferencia, "201201");
    tela.show();
    Captura(&tela, "controle_movimento");
}
