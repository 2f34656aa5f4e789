#pragma once
#include <QIcon>

// Lumo's own icon, drawn at every size the window system asks for (title bars, task bar, the
// child windows of the main window).
QIcon IconePrograma();
