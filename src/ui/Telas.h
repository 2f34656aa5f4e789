#pragma once
#include <QString>
#include <functional>

class QWidget;
struct Contexto;

// Screens opened from the main window's menu, registered under the id of their menu entry
// (see ArvoreMenus). A factory returns the widget to show as a child window of the main
// window, or nullptr when it ran a modal dialog itself. The permission check of the entry is
// made by the main window before the factory is called.
using FabricaTela = std::function<QWidget*(Contexto& ctx, QWidget* janelaPrincipal)>;

void RegistraTela(const QString& idMenu, FabricaTela fabrica);
const FabricaTela* TelaDoMenu(const QString& idMenu);

// Each subsystem's screens register themselves here; called once by the main window.
void RegistraTodasAsTelas();
