#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "core/Seguranca.h"
#include "core/Usuarios.h"
#include "ui/Telas.h"
#include "ui/core/FrmAlteraSenha.h"
#include "ui/core/FrmGrupos.h"
#include "ui/core/FrmUsuarios.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
template <typename T>
T* filho(QWidget& w, const char* nome)
{
    T* c = w.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

void clica(QWidget& w, const char* nome) { QTest::mouseClick(filho<QPushButton>(w, nome), Qt::LeftButton); }

void selecionaLinha(QTableWidget* grade, int linha)
{
    const QRect r = grade->visualRect(grade->model()->index(linha, 0));
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, r.center());
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

    ProgramaTeste p;
};
} // namespace

TEST_F(TelasUsuarios, DigitaNovoUsuarioEGrava)
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
    auto* nome = filho<QLineEdit>(tela, "txtNome");
    EXPECT_TRUE(nome->hasFocus());
    QTest::keyClicks(nome, QStringLiteral("Maria da Silva"));
    QTest::keyClick(nome, Qt::Key_Return);
    auto* username = filho<QLineEdit>(tela, "txtUsername");
    ASSERT_TRUE(username->hasFocus());
    QTest::keyClicks(username, QStringLiteral("maria"));
    EXPECT_EQ(username->text(), QStringLiteral("MARIA"));
    QTest::keyClick(username, Qt::Key_Return);
    auto* senha = filho<QLineEdit>(tela, "txtSenha");
    ASSERT_TRUE(senha->hasFocus());
    QTest::keyClicks(senha, QStringLiteral("abcd"));

    // Without a group the save is refused.
    clica(tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível gravar: O Usuário deve ser inserido em algum Grupo."));
    EXPECT_TRUE(filho<QComboBox>(tela, "cmbGrupo")->hasFocus());

    auto* grupo = filho<QComboBox>(tela, "cmbGrupo");
    ASSERT_EQ(grupo->count(), 1);
    EXPECT_EQ(grupo->itemText(0), QStringLiteral("Administradores"));
    grupo->setCurrentIndex(0);
    clica(tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Informações registradas com sucesso."));
    ASSERT_EQ(grade->rowCount(), 2);
    EXPECT_EQ(grade->currentRow(), 1);
    EXPECT_EQ(filho<QLineEdit>(tela, "txtCodigo")->text(), QStringLiteral("002"));
    EXPECT_EQ(senha->text(), SenhaOculta);
    EXPECT_TRUE(senha->isReadOnly());
    EXPECT_TRUE(filho<QPushButton>(tela, "cmdExcluir")->isEnabled());
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("abcd")), ResultadoLogin::Aceito);

    // Saved again as it stands, the ten blanks are refused.
    clica(tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível gravar: O campo 'Senha' não pode estar vazio."));
}

TEST_F(TelasUsuarios, AlteraSenhaPeloDialogo)
{
    GravaUsuario(p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"), QStringLiteral("abcd"), QStringLiteral("01")});
    p.ui.limpa();
    FrmUsuarios tela(p.ctx);
    mostra(tela);
    auto* grade = filho<QTableWidget>(tela, "Grid");
    selecionaLinha(grade, 1);
    EXPECT_EQ(filho<QLineEdit>(tela, "txtNome")->text(), QStringLiteral("Maria"));

    clica(tela, "cmdAlterarSenha");
    auto* dialogo = tela.findChild<FrmAlteraSenha*>();
    ASSERT_NE(dialogo, nullptr);
    ASSERT_TRUE(dialogo->isVisible());
    EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Alteração de Senha"));
    QTest::keyClicks(filho<QLineEdit>(*dialogo, "txtSenhaAtual"), QStringLiteral("abcd"));
    QTest::keyClick(filho<QLineEdit>(*dialogo, "txtSenhaAtual"), Qt::Key_Return);
    EXPECT_EQ(dialogo->focusWidget(), filho<QLineEdit>(*dialogo, "txtSenhaNova"));
    QTest::keyClicks(filho<QLineEdit>(*dialogo, "txtSenhaNova"), QStringLiteral("xyz"));
    QTest::keyClicks(filho<QLineEdit>(*dialogo, "txtConfirmacao"), QStringLiteral("xyz"));
    // Enter in the confirmation confirms.
    QTest::keyClick(filho<QLineEdit>(*dialogo, "txtConfirmacao"), Qt::Key_Return);
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível alterar: A Senha deve conter no mínimo 4 dígitos."));
    EXPECT_EQ(p.ui.mensagens.back().titulo, QStringLiteral("Erro"));
    EXPECT_TRUE(dialogo->isVisible());

    filho<QLineEdit>(*dialogo, "txtSenhaNova")->setText(QStringLiteral("wxyz"));
    filho<QLineEdit>(*dialogo, "txtConfirmacao")->setText(QStringLiteral("wxyz"));
    clica(*dialogo, "cmdOk");
    EXPECT_FALSE(dialogo->isVisible());
    auto* senha = filho<QLineEdit>(tela, "txtSenha");
    EXPECT_EQ(senha->text(), QStringLiteral("wxyz"));
    // The digest is stored only by the editor's save.
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("wxyz")), ResultadoLogin::NaoReconhecido);
    clica(tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Informações registradas com sucesso."));
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("wxyz")), ResultadoLogin::Aceito);

    // Cancel (Esc) leaves the box as it was.
    clica(tela, "cmdAlterarSenha");
    auto* outro = tela.findChild<FrmAlteraSenha*>();
    ASSERT_NE(outro, nullptr);
    QTest::keyClick(outro, Qt::Key_Escape);
    EXPECT_FALSE(outro->isVisible());
    EXPECT_EQ(senha->text(), SenhaOculta);
}

TEST_F(TelasUsuarios, ExcluiUsuario)
{
    GravaUsuario(p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"), QStringLiteral("abcd"), QStringLiteral("01")});
    FrmUsuarios tela(p.ctx);
    mostra(tela);
    auto* grade = filho<QTableWidget>(tela, "Grid");
    selecionaLinha(grade, 1);
    clica(tela, "cmdExcluir");   // answered No
    EXPECT_EQ(grade->rowCount(), 2);
    p.ui.respostas << true;
    clica(tela, "cmdExcluir");
    EXPECT_EQ(p.ui.perguntas.back().texto, QStringLiteral("Deseja realmente excluir o registro Maria ?"));
    EXPECT_EQ(grade->rowCount(), 1);
    EXPECT_TRUE(filho<QLineEdit>(tela, "txtNome")->text().isEmpty());
}

TEST_F(TelasUsuarios, GrupoPredefinidoSoLeitura)
{
    FrmGrupos tela(p.ctx);
    mostra(tela);
    EXPECT_EQ(tela.windowTitle(), QStringLiteral("Cadastro de Grupos de Usuários"));
    auto* lista = filho<QListWidget>(tela, "lstPermissoes");
    EXPECT_EQ(lista->count(), 7);
    auto* grade = filho<QTableWidget>(tela, "Grid");
    ASSERT_EQ(grade->rowCount(), 1);
    selecionaLinha(grade, 0);
    EXPECT_EQ(filho<QLineEdit>(tela, "txtDescricao")->text(), QStringLiteral("Administradores"));
    EXPECT_TRUE(filho<QLineEdit>(tela, "txtDescricao")->isReadOnly());
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), QStringLiteral("Permissão Total"));
    EXPECT_TRUE(lista->item(0)->isSelected());
    EXPECT_FALSE(lista->isEnabled());
    EXPECT_FALSE(filho<QPushButton>(tela, "cmdGravar")->isEnabled());
    EXPECT_FALSE(filho<QPushButton>(tela, "cmdExcluir")->isEnabled());
}

TEST_F(TelasUsuarios, NovoGrupoComPermissoes)
{
    p.ctx.BancoOrgao.executa(QStringLiteral("INSERT INTO tabGrupos (Codigo, Descricao, Permissoes) VALUES "
                                            "('002', 'Antigo', 'P02;P77;')"));
    FrmGrupos tela(p.ctx);
    mostra(tela);
    auto* grade = filho<QTableWidget>(tela, "Grid");
    auto* lista = filho<QListWidget>(tela, "lstPermissoes");
    ASSERT_EQ(grade->rowCount(), 2);
    selecionaLinha(grade, 0);   // "002" comes before "01"
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("O Cód. de Permissão P77 para o Grupo 'Antigo' não foi encontrado."));
    ASSERT_EQ(lista->count(), 7);
    EXPECT_TRUE(lista->item(2)->isSelected());
    EXPECT_EQ(lista->selectedItems().size(), 1);

    clica(tela, "cmdNovo");
    EXPECT_EQ(lista->selectedItems().size(), 0);
    auto* descricao = filho<QLineEdit>(tela, "txtDescricao");
    EXPECT_TRUE(descricao->hasFocus());
    QTest::keyClicks(descricao, QStringLiteral("Digitadores"));
    clica(tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível gravar: Nenhuma permissão foi selecionada para este Grupo."));
    for (int i : {5, 3})
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(i)).center());
    clica(tela, "cmdGravar");
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Informações registradas com sucesso."));
    ASSERT_EQ(grade->rowCount(), 3);
    EXPECT_EQ(grade->item(grade->currentRow(), 0)->text(), QStringLiteral("003"));
    EXPECT_EQ(p.ctx.BancoOrgao.valor(QStringLiteral("SELECT Permissoes FROM tabGrupos WHERE Codigo = '003'")).toString(),
              QStringLiteral("P03;P05;"));
}

TEST_F(TelasUsuarios, EnterNaListaDePermissoesAvancaComoTab)
{
    FrmGrupos tela(p.ctx);
    mostra(tela);
    Captura(&tela, "grupos");
    auto* lista = filho<QListWidget>(tela, "lstPermissoes");
    lista->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(lista->hasFocus());
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_FALSE(lista->hasFocus());
    EXPECT_TRUE(tela.isAncestorOf(QApplication::focusWidget()));
}
