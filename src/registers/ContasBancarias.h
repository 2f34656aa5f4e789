#pragma once
#include "core/Grade.h"

// Anexo XXVI: the body's bank accounts of each period, one grid edited in place. The bank cell
// shows "code-name" and stores the code; the copy takes the accounts of the latest earlier
// period that has any.
DefinicaoGrade DefinicaoContasBancarias();

// What the bank cell stores of what it shows ("001-BANCO DO BRASIL S.A."): its first three
// characters.
QString CodigoDoBanco(const QString& celula);
