#pragma once
#include "core/Grade.h"
#include "reports/Consultas.h"

// Anexo I, expense: one line per full classification of the open period (source, institution,
// function + sub-function, programme, project/activity, the six-digit expense nature) with
// its appropriation, commitment and liquidation amounts. Closing the editor rebuilds the
// expense by function of the period.

// The 19 columns of the editor; the initial appropriation is typed only in a first bimester,
// the unprocessed payables only in "201106".
DefinicaoGrade DefinicaoDespesa(const Contexto& ctx);

// The amounts `Valida` reads of a line, and its six-digit nature code.
struct LinhaDespesa {
    QString natureza;
    Moeda dotacaoAtualizada;
    Moeda empenhadoBimestre;
    Moeda empenhadoExercicio;
    Moeda liquidadoBimestre;
    Moeda liquidadoExercicio;
};

// The message to show for a line (empty when it is valid). Every failing check replaces the
// text of the one before, so only the last is told, followed by " Pressione 'Esc' para
// cancelar!". Throws ErroBanco.
QString ValidaDespesa(const Banco& banco, const LinhaDespesa& linha);

// The ten codes of a line, as the table keeps them.
struct ClassificacaoDespesa {
    QString fonte, institucional, funcao, subfuncao, programa, atividade;
    QString categoria, grupo, modalidade, elemento;
    // From the cells: function + sub-function (5 characters) and the nature (6).
    static ClassificacaoDespesa deCelulas(const QString& fonte, const QString& institucional, const QString& funcional,
                                          const QString& programa, const QString& atividade, const QString& natureza);
};

// `calculaacumulado`: committed and liquidated in the bimesters before the open one, for the
// same classification (0 without lines).
struct AcumuladoDespesa {
    Moeda empenhado;
    Moeda liquidado;
};
AcumuladoDespesa AcumuladoAnterior(const Banco& banco, const QString& periodo, const ClassificacaoDespesa& c);

// `verificainicial`: the initial and updated appropriation of the first bimester of the
// period's year for the same expense nature (first line found; 0 and 0 without one).
struct DotacaoInicial {
    Moeda inicial;
    Moeda atualizada;
};
DotacaoInicial DotacaoDoPrimeiroBimestre(const Banco& banco, const QString& periodo, const QString& natureza);

// Rebuilds `tabDespFuncMovimento` of the period from its expense lines, in one transaction:
// budget type "1" for every modality but "91", "2" for the intra-budgetary "91". Throws
// ErroBanco (and then nothing of the period changed).
void RecompoeDespesaPorFuncao(const Banco& banco, const QString& periodo);

// The expense-nature picker: groups of a category, and modalities and elements, which for the
// reserves (categories "9" and "7") are only "99"; and the refusal of an incomplete choice.
QList<ItemConsulta> GruposDaCategoria(const Banco& banco, const QString& categoria);
QList<ItemConsulta> ModalidadesDaCategoria(const Banco& banco, const QString& categoria);
QList<ItemConsulta> ElementosDaCategoria(const Banco& banco, const QString& categoria);
Recusa ValidaEscolhaNatureza(const QString& categoria, const QString& grupo, const QString& modalidade,
                             const QString& elemento);

// The read-only expense by function of the period (Anexo 02).
DefinicaoGrade DefinicaoDespesaPorFuncao(const Contexto& ctx);
