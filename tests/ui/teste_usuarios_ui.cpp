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

void selecionaLinha(QTableWidget* grade, int linha)
{
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, grade->visualRect(grade->model()->index(linha, 0)).center());
}

void digita(QWidget* campo, const QString& texto, bool enter = true)
{
    QTest::keyClicks(campo, texto);
    if (enter)
        QTest::keyClick(campo, Qt::Key_Return);
}

class TelasUsuarios : public ::testing::Test {
protected:
    void SetUp() override { p.configuraOrgao(QStringLiteral("P001")); }
    void mostra(QWidget& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    QString ultimo() const { return p.ui.ultimo(); }
    ProgramaTeste p;
};
} // namespace

TEST_F(TelasUsuarios, DigitaGravaEExcluiUsuario)
{
    FrmUsuarios tela(p.ctx);
    mostra(tela);
    Captura(&tela, "usuarios");
    EXPECT_EQ(tela.windowTitle(), QStringLiteral("Cadastro de Usuários"));
    auto* grade = filho<QTableWidget>(tela, "Grid");
    ASSERT_EQ(grade->rowCount(), 1);
    EXPECT_EQ(grade->item(0, 2)->text(), QStringLiteral("ADMIN"));
    EXPECT_FALSE(filho<QPushButton>(tela, "cmdExcluir")->isEnabled());

    // Enter goes from field to field; the user name turns upper case as it is typed.
    EXPECT_TRUE(filho(tela, "txtNome")->hasFocus());
    digita(filho(tela, "txtNome"), QStringLiteral("Maria da Silva"));
    ASSERT_TRUE(filho(tela, "txtUsername")->hasFocus());
    digita(filho(tela, "txtUsername"), QStringLiteral("maria"));
    EXPECT_EQ(filho(tela, "txtUsername")->text(), QStringLiteral("MARIA"));
    auto* senha = filho(tela, "txtSenha");
    ASSERT_TRUE(senha->hasFocus());
    digita(senha, QStringLiteral("abcd"), false);

    clica(tela, "cmdGravar");
    EXPECT_EQ(ultimo(), QStringLiteral("Impossível gravar: O Usuário deve ser inserido em algum Grupo."));
    auto* grupo = filho<QComboBox>(tela, "cmbGrupo");
    EXPECT_TRUE(grupo->hasFocus());
    ASSERT_EQ(grupo->count(), 1);
    EXPECT_EQ(grupo->itemText(0), QStringLiteral("Administradores"));
    grupo->setCurrentIndex(0);
    clica(tela, "cmdGravar");
    EXPECT_EQ(ultimo(), QStringLiteral("Informações registradas com sucesso."));
    ASSERT_EQ(grade->rowCount(), 2);
    EXPECT_EQ(grade->currentRow(), 1);
    EXPECT_EQ(filho(tela, "txtCodigo")->text(), QStringLiteral("002"));
    EXPECT_EQ(senha->text(), SenhaOculta);
    EXPECT_TRUE(senha->isReadOnly());
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("abcd")), ResultadoLogin::Aceito);
    // Saved again as it stands, the ten blanks are refused.
    clica(tela, "cmdGravar");
    EXPECT_EQ(ultimo(), QStringLiteral("Impossível gravar: O campo 'Senha' não pode estar vazio."));

    // Deleting asks first, with No as the default answer; No keeps the user.
    clica(tela, "cmdExcluir");
    EXPECT_EQ(p.ui.perguntas.back().texto, QStringLiteral("Deseja realmente excluir o registro Maria da Silva ?"));
    EXPECT_EQ(p.ui.padroes.back(), Interacao::Padrao::Nao);
    EXPECT_EQ(grade->rowCount(), 2);
    p.ui.respostas << true;
    clica(tela, "cmdExcluir");
    EXPECT_EQ(grade->rowCount(), 1);
    EXPECT_TRUE(filho(tela, "txtNome")->text().isEmpty());
}

TEST_F(TelasUsuarios, AlteraSenhaPeloDialogo)
{
    GravaUsuario(p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"), QStringLiteral("abcd"), QStringLiteral("01")});
    FrmUsuarios tela(p.ctx);
    mostra(tela);
    selecionaLinha(filho<QTableWidget>(tela, "Grid"), 1);
    EXPECT_EQ(filho(tela, "txtNome")->text(), QStringLiteral("Maria"));

    clica(tela, "cmdAlterarSenha");
    auto* dialogo = tela.findChild<FrmAlteraSenha*>();
    ASSERT_TRUE(dialogo && dialogo->isVisible());
    EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Alteração de Senha"));
    digita(filho(*dialogo, "txtSenhaAtual"), QStringLiteral("abcd"));
    EXPECT_EQ(dialogo->focusWidget(), filho(*dialogo, "txtSenhaNova"));
    digita(filho(*dialogo, "txtSenhaNova"), QStringLiteral("xyz"), false);
    digita(filho(*dialogo, "txtConfirmacao"), QStringLiteral("xyz"));   // Enter there confirms
    EXPECT_EQ(ultimo(), QStringLiteral("Impossível alterar: A Senha deve conter no mínimo 4 dígitos."));
    EXPECT_EQ(p.ui.mensagens.back().titulo, QStringLiteral("Erro"));
    EXPECT_TRUE(dialogo->isVisible());

    filho(*dialogo, "txtSenhaNova")->setText(QStringLiteral("wxyz"));
    filho(*dialogo, "txtConfirmacao")->setText(QStringLiteral("wxyz"));
    clica(*dialogo, "cmdOk");
    EXPECT_FALSE(dialogo->isVisible());
    auto* senha = filho(tela, "txtSenha");
    EXPECT_EQ(senha->text(), QStringLiteral("wxyz"));
    // The digest is stored only by the editor's save.
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("wxyz")), ResultadoLogin::NaoReconhecido);
    clica(tela, "cmdGravar");
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("wxyz")), ResultadoLogin::Aceito);

    // Cancel (Esc) leaves the box as it was.
    clica(tela, "cmdAlterarSenha");
    auto* outro = tela.findChild<FrmAlteraSenha*>();
    ASSERT_NE(outro, nullptr);
    QTest::keyClick(outro, Qt::Key_Escape);
    EXPECT_FALSE(outro->isVisible());
    EXPECT_EQ(senha->text(), SenhaOculta);
}

// Both editors open as child windows, as the main window opens them: a group saved in the
// groups editor is in the users editor's list as soon as that editor comes to the front.
TEST_F(TelasUsuarios, GruposEGrupoNovoNoCadastroDeUsuarios)
{
    p.ctx.BancoOrgao.executa(QStringLiteral("INSERT INTO tabGrupos (Codigo, Descricao, Permissoes) VALUES "
                                            "('002', 'Antigo', 'P02;P77;')"));
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

    EXPECT_EQ(tela->windowTitle(), QStringLiteral("Cadastro de Grupos de Usuários"));
    auto* grade = filho<QTableWidget>(*tela, "Grid");
    auto* lista = filho<QListWidget>(*tela, "lstPermissoes");
    ASSERT_EQ(lista->count(), 7);
    // Every permission description is shown whole.
    EXPECT_LE(lista->sizeHintForColumn(0), lista->viewport()->width());
    Captura(janelaGrupos, "grupos");

    // The predefined group is read-only with the single entry "Permissão Total".
    ASSERT_EQ(grade->rowCount(), 2);
    selecionaLinha(grade, 1);
    EXPECT_EQ(filho(*tela, "txtDescricao")->text(), QStringLiteral("Administradores"));
    EXPECT_TRUE(filho(*tela, "txtDescricao")->isReadOnly());
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), QStringLiteral("Permissão Total"));
    EXPECT_TRUE(lista->item(0)->isSelected());
    EXPECT_FALSE(lista->isEnabled());
    EXPECT_FALSE(filho<QPushButton>(*tela, "cmdGravar")->isEnabled());
    EXPECT_FALSE(filho<QPushButton>(*tela, "cmdExcluir")->isEnabled());

    selecionaLinha(grade, 0);   // "002" comes before "01"
    EXPECT_EQ(ultimo(), QStringLiteral("O Cód. de Permissão P77 para o Grupo 'Antigo' não foi encontrado."));
    ASSERT_EQ(lista->count(), 7);
    EXPECT_TRUE(lista->item(2)->isSelected());
    EXPECT_EQ(lista->selectedItems().size(), 1);

    clica(*tela, "cmdNovo");
    EXPECT_EQ(lista->selectedItems().size(), 0);
    auto* descricao = filho(*tela, "txtDescricao");
    EXPECT_TRUE(descricao->hasFocus());
    QTest::keyClicks(descricao, QStringLiteral("Digitadores"));
    clica(*tela, "cmdGravar");
    EXPECT_EQ(ultimo(), QStringLiteral("Impossível gravar: Nenhuma permissão foi selecionada para este Grupo."));
    for (int i : {5, 3})
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(i)).center());
    clica(*tela, "cmdGravar");
    EXPECT_EQ(ultimo(), QStringLiteral("Informações registradas com sucesso."));
    ASSERT_EQ(grade->rowCount(), 3);
    EXPECT_EQ(grade->item(grade->currentRow(), 0)->text(), QStringLiteral("003"));
    EXPECT_EQ(p.ctx.BancoOrgao.valor(QStringLiteral("SELECT Permissoes FROM tabGrupos WHERE Codigo = '003'")).toString(),
              QStringLiteral("P03;P05;"));

    // Enter on the permission list moves on as Tab does.
    lista->setFocus(Qt::TabFocusReason);
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_FALSE(lista->hasFocus());
    EXPECT_TRUE(tela->isAncestorOf(QApplication::focusWidget()));

    // Back in the users editor: the new group is offered, the choice made there is kept.
    grupos->setCurrentIndex(grupos->findData(QStringLiteral("002")));
    area.setActiveSubWindow(janelaUsuarios);
    ASSERT_EQ(grupos->count(), 3);
    EXPECT_EQ(grupos->itemText(grupos->findData(QStringLiteral("003"))), QStringLiteral("Digitadores"));
    EXPECT_EQ(grupos->currentData().toString(), QStringLiteral("002"));
}
