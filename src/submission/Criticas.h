#pragma once
#include "core/Problema.h"

class Banco;
struct Contexto;

// The pre-submission checks of the open bimester: one procedure per due annex, in the order
// of the generation screen, then the responsible persons and the body's tax number. Any
// problem blocks the package. The questions of the checks that ask whether to go on without
// a movement go through ctx.interacao().
//
// Each procedure counts its own problems; a database failure ends that procedure (reported
// with MostraErro) and the run goes on with the next one. The only write of the run is the
// removal of line "222" from Anexo 03's lines.
Problemas ExecutaCriticas(Contexto& ctx);

// The checks that other screens run on their own.
// At the opening of the generation screen: when the key row names another body that exists,
// tells so and gives false (the package may not be generated); false too when the key row
// cannot be read; true otherwise.
bool VerificaOrgao(Contexto& ctx);
// Anexo XI has no check of its own.
Problemas Critica11(Contexto& ctx);

// The problems' texts as the list and its report show them: the item followed by the message.
QString DescricaoProblema(const Problema& p);
// The print copy of the list: tabProblemas emptied and filled with the problems (annex,
// description, remedy), in one transaction. Throws ErroBanco; nothing changes then.
void GravaProblemas(const Banco& banco, const Problemas& problemas);
// A text wrapped for line printing: blank gives " "; longer than 105 characters, pieces of 105
// each followed by CR LF; otherwise unchanged.
QString Say(const QString& texto);
