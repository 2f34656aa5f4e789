#pragma once
#include "core/Problema.h"

class QWidget;
struct Contexto;

// The problems window, "Inconsistências na geração de disquete": the problem list in three
// captioned columns, modal. Its print command copies the list into tabProblemas and prints
// "problemas.rpt".
void MostraProblemas(Contexto& ctx, QWidget* pai, const Problemas& problemas);
