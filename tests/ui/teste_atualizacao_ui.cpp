#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "ui/core/JanelaPrincipal.h"

#include <QFile>
#include <QMenu>

// Every menu and sub-menu of the window fits on a 1366x768 screen, as drawn by the style.
TEST(JanelaPrincipal, MenusCabemNaTela)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    JanelaPrincipal janela(p.ctx);
    for (QMenu* menu : janela.findChildren<QMenu*>()) {
        EXPECT_LE(menu->sizeHint().height(), 768 - 60) << menu->objectName().toStdString();
        if (menu->objectName() == "registrar" || menu->objectName().endsWith(".demonstrativos")) {
            menu->popup({});
            Captura(menu, "menu_" + menu->objectName());
            menu->hide();
        }
    }
}

#ifndef Q_OS_WIN
// The updater here is a shell script whose execute permission decides whether it starts.
TEST(MenuAtualizar, EntregaAoAtualizadorEFecha)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    JanelaPrincipal janela(p.ctx);
    janela.show();
    // Without update.exe the entry does nothing.
    janela.executa("utilitarios.atualizar");
    EXPECT_TRUE(janela.isVisible() && p.ui.mensagens.isEmpty());

    // One that cannot start: the error, and the program stays open.
    QFile atualizador(QDir(p.pasta()).filePath("update.exe"));
    ASSERT_TRUE(atualizador.open(QIODevice::WriteOnly));
    atualizador.write("#!/bin/sh\nexit 0\n");
    atualizador.close();
    atualizador.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    janela.executa("utilitarios.atualizar");
    EXPECT_TRUE(janela.isVisible());
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_TRUE(p.ui.ultimo().startsWith("Erro ao tentar Executar o programa de atualização.\r"));

    // Started: the window closes without the exit question or the backup offer.
    p.ui.limpa();
    atualizador.setPermissions(atualizador.permissions() | QFile::ExeOwner);
    janela.executa("utilitarios.atualizar");
    EXPECT_FALSE(janela.isVisible());
    EXPECT_TRUE(p.ui.perguntas.isEmpty() && p.ui.mensagens.isEmpty());
}
#endif
