#pragma once
#include <QIcon>

class QApplication;

// Lumo's own icon, drawn at every size the window system asks for (title bars, task bar, the
// child windows of the main window).
QIcon IconePrograma();

// What every window of the program shares, set once after the application object exists:
// names, the icon, and Qt's own texts (standard buttons, file dialogs, context menus) in
// Portuguese whatever the machine's language. False when Qt's translation is not installed.
bool PreparaAplicacao(QApplication& app);
