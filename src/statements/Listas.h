#pragma once
#include "core/Grade.h"

// The list-shaped fiscal statements: free rows of the open period, each added and deleted on its
// own, identified by the next code of their table. Each is a definition of the shared grid; the
// computed cells are worked out again after every change of the row.

// Anexo 07: unpaid commitments (processed and unprocessed) by power and body; the powers are
// those of the body's sphere. "A Pagar" = inscribed (earlier exercises + 31 Dec) − cancelled − paid.
DefinicaoGrade DefinicaoAnexo07(const Contexto& ctx);
// Anexo 09: the actuarial projection of the own social-security scheme, one row per year;
// the result is revenue − expense.
DefinicaoGrade DefinicaoAnexo09();
// Anexo 19: cash availability by kind of resource; the net availability is gross − obligations.
DefinicaoGrade DefinicaoAnexo19();
// Anexo 20: unpaid commitments by kind of resource, with the net cash before the year's
// unprocessed inscriptions.
DefinicaoGrade DefinicaoAnexo20();
// Anexo 35: revenue waivers and their compensation.
DefinicaoGrade DefinicaoAnexo35();
// Anexo 37: fiscal risks (contingent liabilities) and the measures against them.
DefinicaoGrade DefinicaoAnexo37();
// Anexo 38: the expense detail of the budget (QDD), with its own deletion question.
DefinicaoGrade DefinicaoAnexo38();
// Anexo 39: continuing expense of the public-private partnerships (total balance = previous
// year's balance + up to the bimester), and the assets of the partnerships.
DefinicaoGrade DefinicaoAnexo39();
DefinicaoGrade DefinicaoAnexo39Ativos();

inline const QString PerguntaExclusaoAnexo38 = QStringLiteral("Deseja realmente excluir a linha?");
inline const QString MensagemRegistroGravado = QStringLiteral("Registro gravado com sucesso!");

// Anexo 24: the legislative expense against its limits (Constituição, art. 29-A, as amended in
// 2009), one record per period. The body types the population, the revenue base (tax revenue
// and constitutional transfers realised in the previous exercise), the transfers received by
// the legislative, its total expense and its payroll; the rules give the percentage of the
// population band, the expense limit and the payroll limit (70 % of the transfers received).
DefinicaoGrade DefinicaoAnexo24();
// The percentage of the population band, in ten-thousandths of a point (7,00 % is 70000).
qint64 PercentualLegislativo(qint64 populacao);
// Worked out into the record after every change.
void CalculaAnexo24(Grade& g, int linha);
// `valor` × `percentual` / 100 (percentual in ten-thousandths of a point), rounded half away
// from zero to ten-thousandths.
Moeda PercentualDe(Moeda valor, qint64 percentual);
