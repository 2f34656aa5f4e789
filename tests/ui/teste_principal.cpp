#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "core/Menu.h"
#include "core/Seguranca.h"
#include "ui/Telas.h"
#include "ui/admin/FrmBackup.h"
#include "ui/core/Aplicacao.h"
#include "ui/core/FrmAnexosdoBim.h"
#include "ui/core/FrmIdentify.h"
#include "ui/core/JanelaPrincipal.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QTableWidget>

namespace {
// A menu kind of its own, so that the tests do not depend on the delivered menus.
void menuDeTeste(ProgramaTeste& p)
{
    auto& b = p.ctx.BancoOrgao;
    b.executa("UPDATE tabOrgaos SET TipoMenu = 'Z', esfera = 'M' WHERE Codigo = 'P001'");
    b.executa("INSERT INTO tabMenu (TipoMenu, Anexo, bimestre) VALUES ('Z', '01', '123456'), ('Z', '02', '246'), "
              "('Z', '14', '1'), ('Z', '29', '1')");
}

// A user of a group that may only see reports, signed in.
void entraComoAna(ProgramaTeste& p)
{
    p.ctx.BancoOrgao.executa("INSERT INTO tabGrupos (Codigo, Descricao, Permissoes) VALUES ('002', 'Consulta', 'P05;')");
    p.ctx.BancoOrgao.executa("INSERT INTO tabUsuarios (Codigo, Nome, Username, Senha, Codigo_tabGrupos) VALUES "
                             "('002', 'Ana', 'ANA', ?, '002')",
                             {*CodificaSenha("ana1")});
    p.ctx.UsuarioAtual = "ANA";
}

// Types into the sign-in window once it is open; `cancela` presses Cancelar afterwards.
void digitaNoLogin(const char* usuario, const char* senha, bool cancela, bool* viu)
{
    NoModal<FrmIdentify>(
        [=](FrmIdentify* login) {
            QTest::keyClicks(login->campoUsuario(), usuario);
            QTest::keyClicks(login->campoSenha(), senha);
            QTest::keyClick(login->campoSenha(), Qt::Key_Return);
            if (cancela)
                Clica(*login, "cmdCancelar");
        },
        viu);
}

// A screen that will not close, as a grid holding a row it cannot store.
struct TelaTeimosa : QWidget {
    bool recusa = true;
    void closeEvent(QCloseEvent* e) override { e->setAccepted(!recusa); }
};

const QString Recusado = QStringLiteral("Identificação de Usuário ou Senha não reconhecido(s).");
} // namespace

TEST(Login, DigitandoNaTela)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    p.ctx.UsuarioAtual.clear();
    FrmIdentify login(p.ctx);
    Mostra(login, "login");
    QLineEdit* usuario = login.campoUsuario();
    usuario->setFocus();
    QTest::keyClicks(usuario, "admin");
    EXPECT_EQ(usuario->text(), "ADMIN");
    QTest::keyClick(usuario, Qt::Key_Return);
    EXPECT_TRUE(login.campoSenha()->hasFocus());
    QTest::keyClicks(login.campoSenha(), "errada");
    QTest::keyClick(login.campoSenha(), Qt::Key_Return);
    EXPECT_EQ(p.ui.ultimo(), Recusado);
    EXPECT_TRUE(login.isVisible() && login.result() == 0 && p.ctx.UsuarioAtual.isEmpty());

    login.campoSenha()->clear();
    QTest::keyClicks(login.campoSenha(), "admin");
    QTest::keyClick(login.campoSenha(), Qt::Key_Return);
    EXPECT_EQ(login.result(), QDialog::Accepted);
    EXPECT_EQ(p.ctx.UsuarioAtual, "ADMIN");
}

TEST(JanelaPrincipal, MenusEListaSeguemOsAnexosDevidos)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    menuDeTeste(p);
    JanelaPrincipal janela(p.ctx);
    janela.defineConfirmaSaida(false);
    janela.reaplicaMenus(true);
    // 201201 is open; slot 29 governs entry 28; Anexo 40 is every municipal body's.
    const struct { const char* id; bool ativo; } casos[] = {
        {"registrar.01", true},  {"registrar.02", false}, {"registrar.14", true},  {"relatorios.14", true},
        {"importacao.14", true}, {"importacao.02", false}, {"registrar.13", false}, {"registrar.28", true},
        {"registrar.40", true},  {"arquivo.usuarios", true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(janela.acao(c.id)->isEnabled(), c.ativo) << c.id;
    EXPECT_EQ(janela.windowTitle(), TituloJanela(p.ctx));
    Mostra(janela, "janela_principal");

    // The screen of the annexes due lists the same.
    FrmAnexosdoBim tela(p.ctx);
    EXPECT_EQ(tela.textoBimestre(), QStringLiteral("1º bimestre do ano 2012"));
    EXPECT_EQ(tela.textoOrgao(), p.ctx.NomeOrgao);
    QTableWidget* g = tela.grade();
    ASSERT_EQ(g->rowCount(), 3); // slots 1, 14, 29
    EXPECT_EQ(g->item(1, 1)->text(), QStringLiteral("Obrigatório (se ocorreu no período)"));
    EXPECT_EQ(g->item(0, 2)->text(), "EmBranco");
    Mostra(tela, "anexos_do_bimestre");
}

TEST(JanelaPrincipal, PermissaoNegadaEntradaSemTelaESaida)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    entraComoAna(p);
    JanelaPrincipal janela(p.ctx);
    janela.show();
    janela.executa("arquivo.usuarios");
    EXPECT_EQ(p.ui.ultimo(), "O usuário 'ANA' não tem acesso a esta operação.");
    EXPECT_EQ(p.ui.mensagens.back().titulo, "Acesso Negado");
    // Generation asks P03 first: one refusal, not two.
    p.ui.limpa();
    janela.executa("registrar.gerar");
    EXPECT_EQ(p.ui.mensagens.size(), 1);
    // An entry whose screen this version lacks says so, once.
    p.ui.limpa();
    janela.executa("utilitarios.email");
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_EQ(p.ui.mensagens[0].titulo, "Mensagem do Sistema");
    EXPECT_TRUE(p.ui.ultimo().endsWith("não está disponível nesta versão do Lumo Coleta 2012.")) << qPrintable(p.ui.ultimo());
    EXPECT_FALSE(p.ui.ultimo().contains('&'));

    // Exit: No keeps the window; Yes with a screen that refuses to close keeps it too.
    auto* teimosa = new TelaTeimosa;
    janela.abreJanela(teimosa);
    p.ui.respostas = {false, true};
    EXPECT_FALSE(janela.close());
    ASSERT_EQ(p.ui.perguntas.size(), 1);
    EXPECT_EQ(p.ui.perguntas[0].titulo + '|' + p.ui.perguntas[0].texto, "Sair|Deseja realmente sair do programa ?");
    EXPECT_FALSE(janela.close());
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.area()->subWindowList().size(), 1);
    // Then the backup question; "No" with "Não fazer esta pergunta novamente." ticked closes
    // the program and switches the question off.
    teimosa->recusa = false;
    p.ui.respostas = {true};
    bool perguntou = false;
    NoModal<FrmDlgBackup>(
        [](FrmDlgBackup* dlg) {
            dlg->naoPerguntar()->setChecked(true);
            Captura(dlg, "pergunta_backup");
            Clica(*dlg, "cmdNao");
        },
        &perguntou);
    EXPECT_TRUE(janela.close());
    EXPECT_TRUE(perguntou);
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT backup FROM tabChave").toInt(), 0);
}

// Logoff: a recognised sign-in changes the user and closes the screens; a failed one, then
// Cancelar, keeps the user and ends the program (without the exit question).
TEST(JanelaPrincipal, LogoffTrocaDeUsuarioOuEncerra)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    entraComoAna(p);
    JanelaPrincipal janela(p.ctx);
    janela.show();
    janela.abreJanela(new QWidget);
    bool viu = false;
    // the due annexes follow a recognised sign-in
    QTimer::singleShot(0, [] {
        QTimer::singleShot(0, [] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
    });
    digitaNoLogin("admin", "admin", false, &viu);
    janela.executa("arquivo.logoff");
    EXPECT_TRUE(viu);
    EXPECT_EQ(p.ctx.UsuarioAtual, "ADMIN");
    EXPECT_EQ(janela.textoStatus(2), QStringLiteral("Usuário: ADMIN"));
    EXPECT_TRUE(janela.area()->subWindowList().isEmpty());
    EXPECT_TRUE(janela.isVisible());

    viu = false;
    digitaNoLogin("ana", "errada", true, &viu);
    janela.executa("arquivo.logoff");
    EXPECT_TRUE(viu);
    EXPECT_EQ(p.ui.textos(), QStringList{Recusado});
    EXPECT_TRUE(p.ui.perguntas.isEmpty());
    EXPECT_EQ(p.ctx.UsuarioAtual, "ADMIN");
    EXPECT_FALSE(janela.isVisible());
}

// Qt's own texts a user meets: a text field's context menu and the standard buttons.
TEST(Aplicacao, TextosDoQtEmPortugues)
{
    ASSERT_TRUE(PreparaAplicacao(*qApp));
    QLineEdit campo;
    std::unique_ptr<QMenu> menu(campo.createStandardContextMenu());
    QStringList textos;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            textos << a->text().remove('&').section('\t', 0, 0);
    EXPECT_TRUE(textos.contains("Desfazer") && textos.contains("Selecionar tudo")) << qPrintable(textos.join(", "));
    QMessageBox caixa(QMessageBox::Question, "t", "t", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(caixa.button(QMessageBox::Cancel)->text().remove('&'), "Cancelar");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// Every screen is registered under an entry of the menu tree.
TEST(Telas, RegistradasSobEntradasDoMenu)
{
    RegistraTodasAsTelas();
    const QStringList ids = TelasRegistradas();
    EXPECT_GE(ids.size(), 9);
    for (const QString& id : ids)
        EXPECT_NE(ItemDoMenu(id), nullptr) << qPrintable(id);
}
