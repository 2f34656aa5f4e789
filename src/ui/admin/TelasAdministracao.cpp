#include "ui/Telas.h"
#include "ui/admin/FrmBackup.h"
#include "ui/admin/FrmComprovante.h"
#include "ui/admin/FrmConfSistema.h"
#include "admin/Configuracao.h"
#include "core/Contexto.h"
#include "ui/admin/FrmControleMovimento.h"

void RegistraTelasAdministracao()
{
    RegistraTela(QStringLiteral("arquivo.configuracao"), [](Contexto& ctx, Navegacao& nav) -> QWidget* {
        FrmConfSistema tela(ctx, nav.janela());
        tela.exec();
        if (tela.orgaoExcluido())
            nav.encerra(); // the body is gone with its database: the program ends here
        else if (tela.querImportarAnterior())
            nav.abreMenu(QStringLiteral("utilitarios.importaanterior"));
        return nullptr;
    });
    RegistraTela(QStringLiteral("arquivo.comprovante"), [](Contexto& ctx, Navegacao& nav) -> QWidget* {
        FrmComprovante(ctx, nav.janela()).exec();
        return nullptr;
    });
    RegistraTela(QStringLiteral("utilitarios.importaconfig"), [](Contexto& ctx, Navegacao&) -> QWidget* {
        ImportaConfiguracaoAnterior(ctx, ctx.CodigoOrgao);
        return nullptr;
    });
    RegistraTela(QStringLiteral("arquivo.movimento"),
                 [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmControleMovimento(ctx); });
    // Backup and restore close the body database: they run modally, with no other screen open.
    auto backup = [](Contexto& ctx, Navegacao& nav) -> QWidget* {
        FrmBackup(ctx, false, nav.janela()).exec();
        return nullptr;
    };
    RegistraTela(QStringLiteral("arquivo.backup"), backup);
    RegistraTela(QStringLiteral("utilitarios.backup"), backup);
    RegistraTela(QStringLiteral("utilitarios.restaurar"), [](Contexto& ctx, Navegacao& nav) -> QWidget* {
        FrmRestauracao(ctx, nav.janela()).exec();
        return nullptr;
    });
}
