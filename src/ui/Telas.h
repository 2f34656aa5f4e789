#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
struct Contexto;

// What a screen may ask of the frame it opens in, without knowing the main window.
class Navegacao {
public:
    virtual ~Navegacao() = default;
    // Runs a menu entry as the user choosing it would (its permissions first).
    virtual void abreMenu(const QString& idMenu) = 0;
    // Shows a screen as a child window of the frame; it is deleted when closed.
    virtual void abreJanela(QWidget* tela) = 0;
    // Ends the program quietly: no exit question, no backup offer.
    virtual void encerra() = 0;
    // The parent of modal dialogs.
    virtual QWidget* janela() = 0;
};

// Screens opened from the main window's menu, registered under the id of their menu entry
// (see ArvoreMenus). A factory returns the widget to show as a child window of the main
// window, or nullptr when it ran a modal dialog itself. The permission check of the entry is
// made by the main window before the factory is called.
using FabricaTela = std::function<QWidget*(Contexto& ctx, Navegacao& nav)>;

void RegistraTela(const QString& idMenu, FabricaTela fabrica);
const FabricaTela* TelaDoMenu(const QString& idMenu);
// Every registered id, for the test that holds them against the menu tree.
QStringList TelasRegistradas();

// Each subsystem's screens register themselves here; called once by the main window.
void RegistraTodasAsTelas();
