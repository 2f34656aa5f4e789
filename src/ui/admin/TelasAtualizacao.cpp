#include "core/Contexto.h"
#include "core/Inicio.h"
#include "ui/Telas.h"
#include "ui/core/JanelaPrincipal.h"

#include <QCoreApplication>

// "Atualizar": hands over to the local updater and ends the program, which the updater
// replaces. Without update.exe nothing happens; a failed start leaves the program open.
void RegistraTelasAtualizacao()
{
    RegistraTela(QStringLiteral("utilitarios.atualizar"), [](Contexto& ctx, QWidget* janela) -> QWidget* {
        if (IniciaAtualizador(ctx.pastaPrograma, ctx.interacao(), IniciaProgramaSeparado) != Atualizador::Iniciado)
            return nullptr;
        // The updater is already running: no exit question, no backup offer.
        if (auto* principal = qobject_cast<JanelaPrincipal*>(janela))
            principal->defineConfirmaSaida(false);
        if (janela)
            janela->close();
        QCoreApplication::quit();
        return nullptr;
    });
}
