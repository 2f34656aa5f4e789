#include "comum/BancoTeste.h"
#include "ui/core/JanelaPrincipal.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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
    EXPECT_TRUE(janela.isVisible());
    EXPECT_TRUE(p.ui.mensagens.isEmpty());

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
    EXPECT_TRUE(p.ui.perguntas.isEmpty());
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
}
#endif
