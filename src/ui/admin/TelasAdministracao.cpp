#include "ui/Telas.h"
#include "ui/admin/FrmBackup.h"
#include "ui/admin/FrmComprovante.h"
#include "ui/admin/FrmConfSistema.h"
#include "ui/core/JanelaPrincipal.h"
#include "admin/Configuracao.h"
#include "core/Contexto.h"
#include "ui/admin/FrmControleMovimento.h"

void RegistraTelasAdministracao()
{
    RegistraTela(QStringLiteral("arquivo.configuracao"), [](Contexto& ctx, QWidget* janela) -> QWidget* {
        FrmConfSistema tela(ctx, janela);
        tela.exec();
        auto* principal = qobject_cast<JanelaPrincipal*>(janela);
        if (tela.orgaoExcluido() && principal) {
            // The body is gone with its database: the program ends here.
            principal->defineConfirmaSaida(false);
            principal->close();
        } else if (tela.querImportarAnterior() && principal) {
            principal->executa(QStringLiteral("utilitarios.importaanterior"));
        }
        return nullptr;
    });
    RegistraTela(QStringLiteral("arquivo.comprovante"), [](Contexto& ctx, QWidget* janela) -> QWidget* {
        FrmComprovante(ctx, janela).exec();
        return nullptr;
    });
    RegistraTela(QStringLiteral("utilitarios.importaconfig"), [](Contexto& ctx, QWidget*) -> QWidget* {
        ImportaConfiguracaoAnterior(ctx, ctx.CodigoOrgao);
        return nullptr;
    });
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
