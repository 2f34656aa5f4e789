// Reports lay text out with fonts, which need the GUI application (off screen).
#include <QGuiApplication>
#define LUMO_APLICACAO_TESTE QGuiApplication
#include "main_teste.cpp"
