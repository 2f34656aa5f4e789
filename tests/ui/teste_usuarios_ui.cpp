#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "core/Seguranca.h"
#include "core/Usuarios.h"
#include "ui/core/FrmAlteraSenha.h"
#include "ui/core/FrmGrupos.h"
#include "ui/core/FrmUsuarios.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
template <typename T = QLineEdit>
T* filho(QWidget& w, const char* nome)
{
    T* c = w.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}
void clica(QWidget& w, const char* nome) { QTest::mouseClick(filho<QPushButton>(w, nome), Qt::LeftButton); }
void selecionaLinha(QTableWidget* g, int linha)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(linha, 0)).center());
}
void digita(QWidget& w, const char* campo, const QString& texto, bool enter = true)
{
    QTest::keyClicks(filho(w, campo), texto);
    if (enter)
        QTest::keyClick(filho(w, campo), Qt::Key_Return);
}

class TelasUsuarios : public ::testing::Test {
protected:
    void SetUp() override { p.configuraOrgao("P001"); }
    void mostra(QWidget& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    ProgramaTeste p;
};
} // namespace

TEST_F(TelasUsuarios, DigitaGravaAlteraSenhaEExclui)
{
    FrmUsuarios tela(p.ctx);
    mostra(tela);
    Captura(&tela, "usuarios");
    EXPECT_EQ(tela.windowTitle(), "Cadastro de Usuários");
    auto* grade = filho<QTableWidget>(tela, "Grid");
    ASSERT_EQ(grade->rowCount(), 1);
    EXPECT_EQ(grade->item(0, 2)->text(), "ADMIN");
    EXPECT_FALSE(filho<QPushButton>(tela, "cmdExcluir")->isEnabled());

    // Enter goes from field to field; the user name turns upper case as it is typed.
    EXPECT_TRUE(filho(tela, "txtNome")->hasFocus());
    digita(tela, "txtNome", "Maria da Silva");
    ASSERT_TRUE(filho(tela, "txtUsername")->hasFocus());
    digita(tela, "txtUsername", "maria");
    EXPECT_EQ(filho(tela, "txtUsername")->text(), "MARIA");
    auto* senha = filho(tela, "txtSenha");
    ASSERT_TRUE(senha->hasFocus());
    digita(tela, "txtSenha", "abcd", false);
    clica(tela, "cmdGravar");
    auto* grupo = filho<QComboBox>(tela, "cmbGrupo");
    EXPECT_TRUE(grupo->hasFocus());
    ASSERT_EQ(grupo->count(), 1);
    EXPECT_EQ(grupo->itemText(0), "Administradores");
    grupo->setCurrentIndex(0);
    clica(tela, "cmdGravar");
    ASSERT_EQ(grade->rowCount(), 2);
    EXPECT_EQ(grade->currentRow(), 1);
    EXPECT_EQ(filho(tela, "txtCodigo")->text(), "002");
    EXPECT_TRUE(senha->text() == SenhaOculta && senha->isReadOnly());
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "abcd"), ResultadoLogin::Aceito);

    // A new password through the dialog: Enter moves on and, in the confirmation, confirms.
    clica(tela, "cmdAlterarSenha");
    auto* dialogo = tela.findChild<FrmAlteraSenha*>();
    ASSERT_TRUE(dialogo && dialogo->isVisible());
    EXPECT_EQ(dialogo->windowTitle(), "Alteração de Senha");
    Captura(dialogo, "altera_senha");
    digita(*dialogo, "txtSenhaAtual", "abcd");
    EXPECT_EQ(dialogo->focusWidget(), filho(*dialogo, "txtSenhaNova"));
    digita(*dialogo, "txtSenhaNova", "xyz", false);
    digita(*dialogo, "txtConfirmacao", "xyz");
    EXPECT_EQ(p.ui.ultimo(), "Impossível alterar: A Senha deve conter no mínimo 4 dígitos.");
    EXPECT_TRUE(dialogo->isVisible());
    filho(*dialogo, "txtSenhaNova")->setText("wxyz");
    filho(*dialogo, "txtConfirmacao")->setText("wxyz");
    clica(*dialogo, "cmdOk");
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(senha->text(), "wxyz");
    // The digest is stored only by the editor's save.
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "wxyz"), ResultadoLogin::NaoReconhecido);
    clica(tela, "cmdGravar");
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "wxyz"), ResultadoLogin::Aceito);
    // Cancel (Esc) leaves the box as it was.
    clica(tela, "cmdAlterarSenha");
    dialogo = nullptr;
    for (FrmAlteraSenha* d : tela.findChildren<FrmAlteraSenha*>())
        dialogo = d->isVisible() ? d : dialogo;
    ASSERT_NE(dialogo, nullptr);
    QTest::keyClick(dialogo, Qt::Key_Escape);
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(senha->text(), SenhaOculta);

    // Deleting asks first, with No as the default answer; No keeps the user.
    clica(tela, "cmdExcluir");
    EXPECT_EQ(p.ui.perguntas.back().texto, "Deseja realmente excluir o registro Maria da Silva ?");
    EXPECT_EQ(p.ui.padroes.back(), Interacao::Padrao::Nao);
    EXPECT_EQ(grade->rowCount(), 2);
    p.ui.respostas << true;
    clica(tela, "cmdExcluir");
    EXPECT_EQ(grade->rowCount(), 1);
    EXPECT_TRUE(filho(tela, "txtNome")->text().isEmpty());
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
    mostra(area);
    area.setActiveSubWindow(janelaGrupos);
    auto* grupos = filho<QComboBox>(*usuarios, "cmbGrupo");
    ASSERT_EQ(grupos->count(), 2);

    EXPECT_EQ(tela->windowTitle(), "Cadastro de Grupos de Usuários");
    auto* grade = filho<QTableWidget>(*tela, "Grid");
    auto* lista = filho<QListWidget>(*tela, "lstPermissoes");
    ASSERT_EQ(lista->count(), 7);
    // Every permission description is shown whole.
    EXPECT_LE(lista->sizeHintForColumn(0), lista->viewport()->width());
    Captura(janelaGrupos, "grupos");

    // The predefined group is read-only with the single entry "Permissão Total".
    ASSERT_EQ(grade->rowCount(), 2);
    selecionaLinha(grade, 1);
    EXPECT_EQ(filho(*tela, "txtDescricao")->text(), "Administradores");
    EXPECT_TRUE(filho(*tela, "txtDescricao")->isReadOnly());
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), "Permissão Total");
    EXPECT_TRUE(lista->item(0)->isSelected());
    for (QWidget* w : {static_cast<QWidget*>(lista), filho<QWidget>(*tela, "cmdGravar"), filho<QWidget>(*tela, "cmdExcluir")})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    selecionaLinha(grade, 0);   // "002" comes before "01"
    ASSERT_EQ(lista->count(), 7);
    EXPECT_TRUE(lista->item(2)->isSelected());
    EXPECT_EQ(lista->selectedItems().size(), 1);

    clica(*tela, "cmdNovo");
    EXPECT_EQ(lista->selectedItems().size(), 0);
    EXPECT_TRUE(filho(*tela, "txtDescricao")->hasFocus());
    digita(*tela, "txtDescricao", "Digitadores", false);
    for (int i : {5, 3})
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(i)).center());
    clica(*tela, "cmdGravar");
    ASSERT_EQ(grade->rowCount(), 3);
    EXPECT_EQ(grade->item(grade->currentRow(), 0)->text(), "003");
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT Permissoes FROM tabGrupos WHERE Codigo = '003'").toString(), "P03;P05;");

    // Enter on the permission list moves on as Tab does.
    lista->setFocus(Qt::TabFocusReason);
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_FALSE(lista->hasFocus());
    EXPECT_TRUE(tela->isAncestorOf(QApplication::focusWidget()));

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
