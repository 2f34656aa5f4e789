#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "core/Seguranca.h"
#include "core/Usuarios.h"
#include "ui/core/FrmAlteraSenha.h"
#include "ui/core/FrmGrupos.h"
#include "ui/core/FrmUsuarios.h"

#include <QComboBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>

namespace {
void selecionaLinha(QTableWidget* g, int linha)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(linha, 0)).center());
}

class TelasUsuarios : public ::testing::Test {
protected:
    void SetUp() override { p.configuraOrgao("P001"); }
    ProgramaTeste p;
};
} // namespace

TEST_F(TelasUsuarios, DigitaGravaAlteraSenhaEExclui)
{
    FrmUsuarios tela(p.ctx);
    Mostra(tela, "usuarios");
    auto* grade = Filho<QTableWidget>(tela, "Grid");
    ASSERT_EQ(grade->rowCount(), 1);
    EXPECT_EQ(grade->item(0, 2)->text(), "ADMIN");
    EXPECT_FALSE(Filho<QPushButton>(tela, "cmdExcluir")->isEnabled());

    // Enter goes from field to field; the user name turns upper case as it is typed.
    EXPECT_TRUE(Filho(tela, "txtNome")->hasFocus());
    Digita(tela, "txtNome", "Maria da Silva");
    ASSERT_TRUE(Filho(tela, "txtUsername")->hasFocus());
    Digita(tela, "txtUsername", "maria");
    EXPECT_EQ(Filho(tela, "txtUsername")->text(), "MARIA");
    auto* senha = Filho(tela, "txtSenha");
    ASSERT_TRUE(senha->hasFocus());
    Digita(tela, "txtSenha", "abcd", false);
    Clica(tela, "cmdGravar");
    auto* grupo = Filho<QComboBox>(tela, "cmbGrupo");
    EXPECT_TRUE(grupo->hasFocus());
    ASSERT_EQ(grupo->count(), 1);
    EXPECT_EQ(grupo->itemText(0), "Administradores");
    grupo->setCurrentIndex(0);
    Clica(tela, "cmdGravar");
    ASSERT_EQ(grade->rowCount(), 2);
    EXPECT_EQ(grade->currentRow(), 1);
    EXPECT_EQ(Filho(tela, "txtCodigo")->text(), "002");
    EXPECT_TRUE(senha->text() == SenhaOculta && senha->isReadOnly());
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "abcd"), ResultadoLogin::Aceito);

    // A new password through the dialog: Enter moves on and, in the confirmation, confirms.
    Clica(tela, "cmdAlterarSenha");
    auto* dialogo = tela.findChild<FrmAlteraSenha*>();
    ASSERT_TRUE(dialogo && dialogo->isVisible());
    Captura(dialogo, "altera_senha");
    Digita(*dialogo, "txtSenhaAtual", "abcd");
    EXPECT_EQ(dialogo->focusWidget(), Filho(*dialogo, "txtSenhaNova"));
    Digita(*dialogo, "txtSenhaNova", "xyz", false);
    Digita(*dialogo, "txtConfirmacao", "xyz");
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível alterar: A Senha deve conter no mínimo 4 dígitos."));
    EXPECT_TRUE(dialogo->isVisible());
    Filho(*dialogo, "txtSenhaNova")->setText("wxyz");
    Filho(*dialogo, "txtConfirmacao")->setText("wxyz");
    Clica(*dialogo, "cmdOk");
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(senha->text(), "wxyz");
    // The digest is stored only by the editor's save.
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "wxyz"), ResultadoLogin::NaoReconhecido);
    Clica(tela, "cmdGravar");
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "wxyz"), ResultadoLogin::Aceito);
    // Cancel (Esc) leaves the box as it was.
    Clica(tela, "cmdAlterarSenha");
    dialogo = nullptr;
    for (FrmAlteraSenha* d : tela.findChildren<FrmAlteraSenha*>())
        dialogo = d->isVisible() ? d : dialogo;
    ASSERT_NE(dialogo, nullptr);
    QTest::keyClick(dialogo, Qt::Key_Escape);
    EXPECT_TRUE(!dialogo->isVisible() && senha->text() == SenhaOculta);

    // Deleting asks first, with No as the default answer; No keeps the user.
    Clica(tela, "cmdExcluir");
    EXPECT_EQ(p.ui.perguntas.back().texto, "Deseja realmente excluir o registro Maria da Silva ?");
    EXPECT_EQ(p.ui.padroes.back(), Interacao::Padrao::Nao);
    EXPECT_EQ(grade->rowCount(), 2);
    p.ui.respostas << true;
    Clica(tela, "cmdExcluir");
    EXPECT_TRUE(grade->rowCount() == 1 && Filho(tela, "txtNome")->text().isEmpty());
}

// What the editors' rules refuse and store is tested with the rules; here, what the screens
// show and hand over. Both editors are child windows, as the main window opens them: a group
// saved in the groups editor is in the users editor's list once that editor is in front.
TEST_F(TelasUsuarios, GruposEGrupoNovoNoCadastroDeUsuarios)
{
    p.ctx.BancoOrgao.executa("INSERT INTO tabGrupos (Codigo, Descricao, Permissoes) VALUES ('002', 'Antigo', 'P02;P77;')");
    QMdiArea area;
    auto* usuarios = new FrmUsuarios(p.ctx);
    QMdiSubWindow* janelaUsuarios = area.addSubWindow(usuarios);
    auto* tela = new FrmGrupos(p.ctx);
    QMdiSubWindow* janelaGrupos = area.addSubWindow(tela);
    area.resize(1200, 700);
    Mostra(area);
    area.setActiveSubWindow(janelaGrupos);
    auto* grupos = Filho<QComboBox>(*usuarios, "cmbGrupo");
    ASSERT_EQ(grupos->count(), 2);

    auto* grade = Filho<QTableWidget>(*tela, "Grid");
    auto* lista = Filho<QListWidget>(*tela, "lstPermissoes");
    ASSERT_EQ(lista->count(), 7);
    // Every permission description is shown whole.
    EXPECT_LE(lista->sizeHintForColumn(0), lista->viewport()->width());
    Captura(janelaGrupos, "grupos");

    // The predefined group is read-only with the single entry "Permissão Total".
    ASSERT_EQ(grade->rowCount(), 2);
    selecionaLinha(grade, 1);
    EXPECT_TRUE(Filho(*tela, "txtDescricao")->text() == "Administradores" && Filho(*tela, "txtDescricao")->isReadOnly());
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), QStringLiteral("Permissão Total"));
    EXPECT_TRUE(lista->item(0)->isSelected());
    for (QWidget* w : {static_cast<QWidget*>(lista), Filho<QWidget>(*tela, "cmdGravar"), Filho<QWidget>(*tela, "cmdExcluir")})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    selecionaLinha(grade, 0);   // "002" comes before "01"
    ASSERT_EQ(lista->count(), 7);
    EXPECT_EQ(lista->selectedItems(), QList<QListWidgetItem*>{lista->item(2)});   // P77 is no permission

    Clica(*tela, "cmdNovo");
    EXPECT_EQ(lista->selectedItems().size(), 0);
    EXPECT_TRUE(Filho(*tela, "txtDescricao")->hasFocus());
    Digita(*tela, "txtDescricao", "Digitadores", false);
    for (int i : {5, 3})
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(i)).center());
    Clica(*tela, "cmdGravar");
    ASSERT_EQ(grade->rowCount(), 3);
    EXPECT_EQ(grade->item(grade->currentRow(), 0)->text(), "003");
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT Permissoes FROM tabGrupos WHERE Codigo = '003'").toString(), "P03;P05;");

    // Enter on the permission list moves on as Tab does.
    lista->setFocus(Qt::TabFocusReason);
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_TRUE(!lista->hasFocus() && tela->isAncestorOf(QApplication::focusWidget()));

    // Back in the users editor: the new group is offered, the choice made there is kept.
    grupos->setCurrentIndex(grupos->findData("002"));
    area.setActiveSubWindow(janelaUsuarios);
    ASSERT_EQ(grupos->count(), 3);
    EXPECT_EQ(grupos->itemText(grupos->findData("003")), "Digitadores");
    EXPECT_EQ(grupos->currentData().toString(), "002");
    // A failed reading then keeps the list, untold (a box would bring it to the front again).
    area.setActiveSubWindow(janelaGrupos);
    p.ctx.BancoOrgao.fecha();
    const qsizetype mensagens = p.ui.mensagens.size();
    area.setActiveSubWindow(janelaUsuarios);
    EXPECT_EQ(grupos->count(), 3);
    EXPECT_EQ(p.ui.mensagens.size(), mensagens);
}
