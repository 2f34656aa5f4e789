#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>

// A record-selection formula, "{tabela.coluna} = 'x'" comparisons joined by and/or (with not
// and parentheses), turned into an SQL condition whose values are bound ("?"), never pasted.
struct Selecao {
    QString sql;           // "(tabAnexo14Pagamentos.BimReferencia = ?)"; empty for an empty formula
    QVariantList valores;  // in the order of the "?"
    QStringList tabelas;   // every table the formula names, in order of appearance
};

// Throws ErroRelatorio with a Portuguese message naming the position of the fault.
Selecao SelecaoDeFormula(const QString& formula);
