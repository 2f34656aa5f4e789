// The screens need a QApplication; the rest is the other programs' start.
#include <QApplication>
#define LUMO_APLICACAO_TESTE QApplication
#include "main_teste.cpp"
