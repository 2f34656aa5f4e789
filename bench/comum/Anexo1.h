#pragma once
#include "core/Banco.h"

#include <QString>

// Anexo I of a big body, for the benches that need one: realistic expense and revenue lines of
// one bimester, built by SQL in the database itself.
namespace bench {

// Expense lines over 40 sources x 50 institutions x ... until `linhas`, with realistic codes.
void PreencheDespesa(const Banco& b, const QString& periodo, int linhas);
// Revenue lines: analytic municipal codes of the plan, each with as many sources as needed.
void PreencheReceita(const Banco& b, const QString& periodo, int linhas);

} // namespace bench
