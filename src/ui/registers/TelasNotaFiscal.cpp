#include "ui/Telas.h"
#include "ui/registers/FrmValidaNotaFiscal.h"

// The invoice check by hand, a child window of the main window.
void RegistraTelasNotaFiscal()
{
    RegistraTela(QStringLiteral("utilitarios.notafiscal"),
                 [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmValidaNotaFiscal(ctx); });
}
