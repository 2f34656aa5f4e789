#include "ui/Telas.h"
#include "ui/admin/FrmBackup.h"
#include "ui/admin/FrmControleMovimento.h"

void RegistraTelasAdministracao()
{
    RegistraTela(QStringLiteral("arquivo.movimento"),
                 [](Contexto& ctx, QWidget*) -> QWidget* { return new FrmControleMovimento(ctx); });
    // Backup and restore close the body database: they run modally, with no other screen open.
    auto backup = [](Contexto& ctx, QWidget* janela) -> QWidget* {
        FrmBackup(ctx, false, janela).exec();
        return nullptr;
    };
    RegistraTela(QStringLiteral("arquivo.backup"), backup);
    RegistraTela(QStringLiteral("utilitarios.backup"), backup);
    RegistraTela(QStringLiteral("utilitarios.restaurar"), [](Contexto& ctx, QWidget* janela) -> QWidget* {
        FrmRestauracao(ctx, janela).exec();
        return nullptr;
    });
}
