#include "reports/Relatorios.h"
#include "ui/Telas.h"
#include "ui/reports/FrmRelatorio.h"

// One report screen per entry of the report menu.
void RegistraTelasRelatorios()
{
    for (const EntradaRelatorio& e : EntradasRelatorio()) {
        const EntradaRelatorio* entrada = &e;
        RegistraTela(e.idMenu, [entrada](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmRelatorio(ctx, *entrada); });
    }
}
