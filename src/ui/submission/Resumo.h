#pragma once
#include <QString>

class QWidget;
struct Contexto;

// Shows the summary of the last package (tabResumo) of the period, after a generation.
void MostraResumo(Contexto& ctx, QWidget* pai, const QString& periodo);
