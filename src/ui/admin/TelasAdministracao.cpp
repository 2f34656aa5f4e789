#include "ui/Telas.h"
#include "ui/admin/FrmControleMovimento.h"

void RegistraTelasAdministracao()
{
    RegistraTela(QStringLiteral("arquivo.movimento"),
                 [](Contexto& ctx, QWidget*) -> QWidget* { return new FrmControleMovimento(ctx); });
}
