#pragma once
#include "core/Problema.h"

struct Contexto;

// The pre-submission checks of the open bimester: one procedure per due annex, in the order
// of the generation screen, then the responsible persons and the body's tax number. Any
// problem blocks the package. The questions of the checks that ask whether to go on without
// a movement go through ctx.interacao().
Problemas ExecutaCriticas(Contexto& ctx);
