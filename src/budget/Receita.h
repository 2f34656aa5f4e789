#pragma once
#include "core/Grade.h"

// Anexo I, revenue: one line per revenue code of the plan and source of funds of the open
// period, with the initial and updated forecast and the amounts realised in the bimester and
// in the year. A bimester after the first starts from the lines of the previous one.

// A body works with the revenue codes of its sphere: municipal when its code begins with "P".
bool ReceitaMunicipal(const Contexto& ctx);

// The detail grid of the period's lines.
DefinicaoGrade DefinicaoReceita(const Contexto& ctx);

// The refusal of a typed revenue code (unknown, of the other sphere, synthetic), or its
// description. Throws ErroBanco.
struct CodigoReceitaVerificado {
    Recusa recusa;
    QString descricao;
};
CodigoReceitaVerificado VerificaCodigoReceita(const Contexto& ctx, const QString& codigo);

// `importadados`: the lines of the previous bimester carried into the open period. A line of
// both periods takes the previous initial forecast and the year-to-date of its bimester
// amounts; a line missing in the open period is created with the previous forecasts, zero in
// the bimester and that year-to-date. One transaction, set-based. Throws ErroBanco.
void ImportaDadosReceita(const Banco& banco, const QString& periodo);

// The summary page: every code of the body's sphere with the sums of its lines in the period
// over their sources, and each synthetic code with the sums of the analytic codes that begin
// with its group (`somavalor`).
struct LinhaResumoReceita {
    QString codigo;
    bool analitica = true;
    QString descricao;
    Moeda inicial, atualizada, bimestre, exercicio;
    QString grupo;
};
QList<LinhaResumoReceita> ResumoReceita(const Contexto& ctx);

// The plan choice kept in the key row: "A" or "N".
QString PlanoContas(const Banco& banco);
void GravaPlanoContas(const Banco& banco, const QString& plano);
