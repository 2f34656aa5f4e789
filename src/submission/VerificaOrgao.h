#pragma once

struct Contexto;

// The body-consistency check of the generation screen's opening: when the key row of the
// database names another registered body, the user is told that the package cannot be
// generated. False then (the generate command is disabled); true otherwise, also when the key
// row is missing or names no registered body.
bool VerificaOrgao(Contexto& ctx);
