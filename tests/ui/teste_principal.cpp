#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "core/Menu.h"
#include "core/Seguranca.h"
#include "ui/admin/FrmBackup.h"
#include "ui/Telas.h"
#include "ui/core/Aplicacao.h"
#include "ui/core/InteracaoQt.h"
#include "ui/admin/FrmOrgaos.h"
#include "ui/core/FrmAnexosdoBim.h"
#include "ui/core/FrmIdentify.h"
#include "ui/core/JanelaPrincipal.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Login, DigitandoNaTela)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    p.ctx.UsuarioAtual.clear();
    FrmIdentify login(p.ctx);
    login.show();
    QApplication::setActiveWindow(&login);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&login));
    QLineEdit* usuario = login.campoUsuario();
    usuario->setFocus();
    QTest::keyClicks(usuario, "admin");
    EXPECT_EQ(usuario->text(), "ADMIN");
    QTest::keyClick(usuario, Qt::Key_Return);
    EXPECT_TRUE(login.campoSenha()->hasFocus());
    QTest::keyClicks(login.campoSenha(), "errada");
    QTest::keyClick(login.campoSenha(), Qt::Key_Return);
    EXPECT_EQ(p.ui.ultimo(), "Identificação de Usuário ou Senha não reconhecido(s).");
    EXPECT_TRUE(login.isVisible());
    EXPECT_EQ(login.result(), 0);
    Captura(&login, "login");

    login.campoSenha()->clear();
    QTest::keyClicks(login.campoSenha(), "admin");
    QTest::keyClick(login.campoSenha(), Qt::Key_Return);
    EXPECT_EQ(login.result(), QDialog::Accepted);
    EXPECT_EQ(p.ctx.UsuarioAtual, "ADMIN");
}

namespace {
void menuDeTeste(ProgramaTeste& p)
{
    auto& b = p.ctx.BancoOrgao;
    b.executa("UPDATE tabOrgaos SET TipoMenu = 'Z', esfera = 'M' WHERE Codigo = 'P001'");
    b.executa("INSERT INTO tabMenu (TipoMenu, Anexo, bimestre) VALUES ('Z', '01', '123456'), ('Z', '02', '246'), "
              "('Z', '14', '1'), ('Z', '29', '1')");
}
} // namespace

TEST(JanelaPrincipal, MenusSeguemOsAnexosDevidos)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    menuDeTeste(p);
    JanelaPrincipal janela(p.ctx);
    janela.defineConfirmaSaida(false);
    janela.reaplicaMenus(true);
    EXPECT_TRUE(janela.acao("registrar.01")->isEnabled());
    EXPECT_FALSE(janela.acao("registrar.02")->isEnabled());   // even bimesters only; 201201 is open
    EXPECT_TRUE(janela.acao("registrar.14")->isEnabled());
    EXPECT_TRUE(janela.acao("relatorios.14")->isEnabled());
    EXPECT_TRUE(janela.acao("importacao.14")->isEnabled());
    EXPECT_FALSE(janela.acao("importacao.02")->isEnabled());
    EXPECT_FALSE(janela.acao("registrar.13")->isEnabled());
    EXPECT_TRUE(janela.acao("registrar.28")->isEnabled());    // slot 29 governs entry 28
    EXPECT_TRUE(janela.acao("registrar.40")->isEnabled());    // municipal body
    EXPECT_TRUE(janela.acao("arquivo.usuarios")->isEnabled());
    EXPECT_EQ(janela.windowTitle(), "Lumo Coleta 2012 - Versão : " + VersaoPrograma() + " - " + p.ctx.NomeOrgao + " - 01/2012");

    // The captions of the menus the users know.
    QStringList topo;
    for (QAction* a : janela.menuBar()->actions())
        topo << a->text();
    EXPECT_EQ(topo, QStringList({"&Arquivo", "Re&gistrar Informações", "&Relatórios", "&Importação de Dados", "U&tilitários",
                                 "Aj&uda"}));
    EXPECT_EQ(janela.acao("registrar.01")->text(), "Anexo 01 - &Balanço Orçamentário");
    EXPECT_EQ(janela.acao("registrar.gerar")->text(), "Gerar Arquivo para o &Vantor...");
    EXPECT_EQ(janela.acao("registrar.metas")->text(), "Anexos de Metas Fiscais ");
    EXPECT_EQ(janela.acao("arquivo.comprovante")->text(), "Envio do comprovante do envio de RREO E RGF...");
    EXPECT_EQ(janela.acao("utilitarios.atualizar")->text(), "&Atualizar Lumo 2012...");
    janela.show();
    Captura(&janela, "janela_principal");
}

TEST(JanelaPrincipal, PermissaoNegadaESaida)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    p.ctx.BancoOrgao.executa("INSERT INTO tabGrupos (Codigo, Descricao, Permissoes) VALUES ('002', 'Consulta', 'P05;')");
    p.ctx.BancoOrgao.executa("INSERT INTO tabUsuarios (Codigo, Nome, Username, Senha, Codigo_tabGrupos) "
                             "VALUES ('002', 'Ana', 'ANA', 'x', '002')");
    p.ctx.UsuarioAtual = "ANA";
    JanelaPrincipal janela(p.ctx);
    janela.executa("arquivo.usuarios");
    EXPECT_EQ(p.ui.ultimo(), "O usuário 'ANA' não tem acesso a esta operação.");
    EXPECT_EQ(p.ui.mensagens.back().titulo, "Acesso Negado");
    // Generation asks P03 first: one refusal, not two.
    p.ui.limpa();
    janela.executa("registrar.gerar");
    EXPECT_EQ(p.ui.mensagens.size(), 1);

    // Exit: No keeps the window; Yes closes it.
    janela.show();
    p.ui.respostas = {false};
    EXPECT_FALSE(janela.close());
    EXPECT_TRUE(janela.isVisible());
    ASSERT_EQ(p.ui.perguntas.size(), 1);
    EXPECT_EQ(p.ui.perguntas[0].titulo, "Sair");
    EXPECT_EQ(p.ui.perguntas[0].texto, "Deseja realmente sair do programa ?");
    // Yes: the backup question follows; "No" with "Não fazer esta pergunta novamente." ticked
    // closes the program and switches the question off.
    p.ui.respostas = {true};
    bool perguntou = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<FrmDlgBackup*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        perguntou = true;
        dlg->naoPerguntar()->setChecked(true);
        Captura(dlg, "pergunta_backup");
        dlg->findChild<QPushButton*>("cmdNao")->click();
    });
    EXPECT_TRUE(janela.close());
    EXPECT_TRUE(perguntou);
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT backup FROM tabChave").toInt(), 0);
}

namespace {
// A user of a group without permissions, signed in.
void entraComoAna(ProgramaTeste& p)
{
    p.ctx.BancoOrgao.executa("INSERT INTO tabGrupos (Codigo, Descricao, Permissoes) VALUES ('002', 'Consulta', 'P05;')");
    p.ctx.BancoOrgao.executa("INSERT INTO tabUsuarios (Codigo, Nome, Username, Senha, Codigo_tabGrupos) VALUES "
                             "('002', 'Ana', 'ANA', ?, '002')",
                             {*CodificaSenha("ana1")});
    p.ctx.UsuarioAtual = "ANA";
}

// Types into the login window once it is open; `cancela` presses Cancelar afterwards.
void digitaNoLogin(const char* usuario, const char* senha, bool cancela, bool* viu)
{
    QTimer::singleShot(0, [=] {
        auto* login = qobject_cast<FrmIdentify*>(QApplication::activeModalWidget());
        ASSERT_NE(login, nullptr);
        *viu = true;
        QTest::keyClicks(login->campoUsuario(), usuario);
        QTest::keyClicks(login->campoSenha(), senha);
        QTest::keyClick(login->campoSenha(), Qt::Key_Return);
        if (cancela)
            login->findChild<QPushButton*>("cmdCancelar")->click();
    });
}

// A screen that will not close, as a grid holding a row it cannot store.
class TelaTeimosa : public QWidget {
protected:
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};
} // namespace

TEST(JanelaPrincipal, LogoffCanceladoEncerraSemTrocarDeUsuario)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    entraComoAna(p);
    JanelaPrincipal janela(p.ctx);
    janela.show();
    // ADMIN with a wrong password, then Cancelar: ANA's rights stay ANA's, and the program ends.
    bool viu = false;
    digitaNoLogin("admin", "errada", true, &viu);
    janela.executa("arquivo.logoff");
    EXPECT_TRUE(viu);
    EXPECT_EQ(p.ui.textos(), QStringList{"Identificação de Usuário ou Senha não reconhecido(s)."});
    EXPECT_EQ(p.ctx.UsuarioAtual, "ANA");
    EXPECT_FALSE(janela.isVisible());
    p.ui.limpa();
    EXPECT_FALSE(VerificaPermissao(p.ctx, "P01"));
    EXPECT_EQ(p.ui.ultimo(), "O usuário 'ANA' não tem acesso a esta operação.");
}

TEST(JanelaPrincipal, LogoffTrocaDeUsuarioEFechaAsTelas)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    entraComoAna(p);
    JanelaPrincipal janela(p.ctx);
    janela.defineConfirmaSaida(false);
    janela.show();
    janela.abreJanela(new QWidget);
    bool viu = false;
    QTimer::singleShot(0, [&] {
        // the due annexes follow a recognised sign-in
        QTimer::singleShot(0, [] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
    });
    digitaNoLogin("admin", "admin", false, &viu);
    janela.executa("arquivo.logoff");
    EXPECT_TRUE(viu);
    EXPECT_EQ(p.ctx.UsuarioAtual, "ADMIN");
    EXPECT_EQ(janela.textoStatus(2), "Usuário: ADMIN");
    EXPECT_TRUE(janela.area()->subWindowList().isEmpty());
    EXPECT_TRUE(janela.isVisible());
}

TEST(JanelaPrincipal, TelaQueRecusaFecharSeguraASaidaEEntradaSemTela)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    JanelaPrincipal janela(p.ctx);
    janela.show();
    janela.abreJanela(new TelaTeimosa);
    p.ui.respostas = {true};
    EXPECT_FALSE(janela.close());
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.area()->subWindowList().size(), 1);

    // An entry whose screen this version lacks says so, once.
    p.ui.limpa();
    janela.executa("relatorios.14");
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_EQ(p.ui.mensagens[0].titulo, "Mensagem do Sistema");
    EXPECT_TRUE(p.ui.ultimo().endsWith("não está disponível nesta versão do Lumo Coleta 2012.")) << qPrintable(p.ui.ultimo());
    EXPECT_FALSE(p.ui.ultimo().contains('&'));
    janela.defineConfirmaSaida(false);
    qDeleteAll(janela.area()->subWindowList());
}

TEST(JanelaPrincipal, TituloAntesDaIdentificacao)
{
    Contexto ctx;
    EXPECT_EQ(TituloJanela(ctx), "Lumo Coleta 2012 - Versão : " + VersaoPrograma());
}

TEST(AnexosDoBimestre, TelaListaOsDevidos)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    menuDeTeste(p);
    FrmAnexosdoBim tela(p.ctx);
    EXPECT_EQ(tela.textoBimestre(), "1º bimestre do ano 2012");
    EXPECT_EQ(tela.textoOrgao(), p.ctx.NomeOrgao);
    QTableWidget* g = tela.grade();
    ASSERT_EQ(g->rowCount(), 3); // slots 1, 14, 29
    EXPECT_EQ(g->item(1, 1)->text(), "Obrigatório (se ocorreu no período)");
    EXPECT_EQ(g->item(0, 1)->text(), "Obrigatório");
    EXPECT_EQ(g->item(0, 2)->text(), "EmBranco");
    tela.show();
    Captura(&tela, "anexos_do_bimestre");
}

TEST(EscolhaOrgao, TelaAdicionaEEscolhe)
{
    ProgramaTeste p;
    FrmOrgaos tela(p.ctx);
    EXPECT_EQ(tela.windowTitle(), "Órgãos Cadastrados no Lumo Coleta 2012");
    EXPECT_EQ(tela.lista()->count(), 0);
    tela.findChild<QPushButton*>("cmdOk")->click();
    EXPECT_EQ(p.ui.ultimo(), "Selecione o órgão a ser mostrado no sistema.");

    EscolhaOrgao escolha(p.ctx);
    FrmBuscaOrgao busca(escolha);
    QTest::keyClicks(busca.filtro(), "C001");
    EXPECT_EQ(busca.lista()->count(), 1);
    busca.show();
    Captura(&busca, "busca_orgao");
    tela.show();
    Captura(&tela, "escolha_orgao");
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
    EXPECT_TRUE(textos.contains("Desfazer")) << qPrintable(textos.join(", "));
    EXPECT_TRUE(textos.contains("Selecionar tudo")) << qPrintable(textos.join(", "));
    QMessageBox caixa(QMessageBox::Question, "t", "t", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(caixa.button(QMessageBox::Cancel)->text().remove('&'), "Cancelar");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// Every screen is registered under an entry of the menu tree, and every entry of the tree that
// opens something either has a screen, is handled by the main window, or says it is unavailable.
TEST(Telas, RegistradasSobEntradasDoMenu)
{
    RegistraTodasAsTelas();
    const QStringList ids = TelasRegistradas();
    EXPECT_GE(ids.size(), 9);
    for (const QString& id : ids)
        EXPECT_NE(ItemDoMenu(id), nullptr) << qPrintable(id);
}
