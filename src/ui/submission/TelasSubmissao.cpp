#include "ui/Telas.h"
#include "ui/submission/FrmGeraDisquete.h"

void RegistraTelasSubmissao()
{
    RegistraTela(QStringLiteral("registrar.gerar"),
                 [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmGeraDisquete(ctx); });
}
