#include "core/Contexto.h"
#include "core/Inicio.h"
#include "ui/Telas.h"

// "Atualizar": hands over to the local updater and ends the program, which the updater
// replaces. Without update.exe nothing happens; a failed start leaves the program open.
void RegistraTelasAtualizacao()
{
    RegistraTela(QStringLiteral("utilitarios.atualizar"), [](Contexto& ctx, Navegacao& nav) -> QWidget* {
        if (IniciaAtualizador(ctx.pastaPrograma, ctx.interacao(), IniciaProgramaSeparado) == Atualizador::Iniciado)
            nav.encerra();
        return nullptr;
    });
}
