#pragma once
#include "core/Grade.h"

// The body's classification registers of each period (sources of funds, institutional
// classification, programmes with their projects/activities), edited in place on the shared
// grid, and the lists the Anexo I pickers show.

inline const QString PrimeiroPeriodoSemCopia = QStringLiteral("201101");

DefinicaoGrade DefinicaoFontes();
DefinicaoGrade DefinicaoInstitucional();
// The programmes, and the projects/activities of the selected programme.
DefinicaoGrade DefinicaoProgramas();
DefinicaoGrade DefinicaoProjetos();

// Who opened a shared picker: it decides which cells of the row the choice fills.
inline const QString MarcaReceita = QStringLiteral("01");
inline const QString MarcaDespesa = QStringLiteral("02");

// A picker's list: what it shows without a filter, what it shows filtered, and which cells of
// the caller's row take the chosen line's columns.
struct FiltroLista {
    QString rotulo;   // caption of the filter field
    QString condicao; // "Fonte LIKE ? ESCAPE '\\'" (bound to "%text%") or "codigo = ?" (the text)
    bool contem = true;
};

struct DefinicaoLista {
    QString titulo;
    QStringList titulos;       // captions of the listed columns
    QString consulta;          // the listing; its "?" are the open period
    QString consultaFiltrada;  // the listing with filters: the conditions of the typed filters
                               // are joined by "and" after it ("?": the open period)
    QString ordem;             // ORDER BY of the listing
    QString ordemFiltrada;     // ORDER BY with filters
    std::vector<FiltroLista> filtros;
    QStringList campos;        // the caller's cells for each listed column ("" keeps a column out)
};

// The lines of a picker, each the text of its columns; a filter whose text is blank is not
// applied, and with no filter typed the plain listing comes. Throws ErroBanco.
QList<QStringList> LinhasDaLista(const Contexto& ctx, const DefinicaoLista& lista, const QStringList& filtros = {});

DefinicaoLista ListaFontes(const QString& marca);
DefinicaoLista ListaInstitucional();
DefinicaoLista ListaProjetos(); // the filtered search goes over every period
DefinicaoLista ListaBancos();
// Revenue codes of the body's sphere (analytic only); the filtered search goes over the plan.
DefinicaoLista ListaCodigosReceita(const Contexto& ctx);

// The function/sub-function picker lists the two code tables (ConsultaGeral); an incomplete
// choice is refused with this text (box "Alerta").
inline const QString TituloAlerta = QStringLiteral("Alerta");
Recusa ValidaEscolhaFuncional(const QString& funcao, const QString& subfuncao);
