#include "ui/statements/FrmDemonstrativo.h"
#include "ui/Telas.h"

// Every fixed-line statement under its menu entry "registrar." + its number; the definition is
// made for the body and the bimester when the screen opens.
void RegistraTelasDeLinhas()
{
    for (const QString& numero : AnexosDeLinhas())
        RegistraTela(QStringLiteral("registrar.") + numero, [numero](Contexto& ctx, Navegacao&) -> QWidget* {
            const auto d = DemonstrativoDoAnexo(ctx, numero);
            return d ? new FrmDemonstrativo(ctx, *d) : nullptr;
        });
}
