#include "ui/Telas.h"
#include "ui/core/FrmGrupos.h"
#include "ui/core/FrmUsuarios.h"

// The users and groups editors, shown as child windows of the main window.
void RegistraTelasUsuarios()
{
    RegistraTela(QStringLiteral("arquivo.usuarios"),
                 [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmUsuarios(ctx); });
    RegistraTela(QStringLiteral("arquivo.grupos"), [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmGrupos(ctx); });
}
