#pragma once
#include "core/Grade.h"

#include <vector>

// The fixed-line fiscal statements: each is a definition (its movement table, the catalogue of
// its lines for the body, its value columns, its tables and its save text) from which one
// generic editor is built. The lines come from the catalogue (typed lines, and computed lines
// with their formula, see Formulas.h); saving rewrites the period in one transaction.

struct ColunaDemonstrativo {
    QString campo;
    QString titulo;
    TipoCampo tipo = TipoCampo::Valor; // Valor or Percentual
    int largura = 130;
};

// One of the statement's tables: the lines of one `tipomovimento` of the catalogue.
struct QuadroDemonstrativo {
    int tipoMovimento;
    QString titulo;
};

inline const QString MensagemValoresGravados = QStringLiteral("Valores gravados com sucesso!");

struct DefinicaoDemonstrativo {
    QString numero;           // "04", as the menu entry "registrar.04"
    QString titulo;           // the window title
    QString tabela;           // movement table
    // The catalogues whose lines the body sees, in order (Anexo 11 in the sixth bimester adds
    // the closing lines of tabAnexo11Campos_06).
    QStringList catalogos;
    bool esfera = false;        // the catalogue has `esfera`: the body sees "EM" and its own sphere
    bool tipoMovimento = false; // the catalogue has `tipomovimento`
    std::vector<ColunaDemonstrativo> colunas;
    std::vector<QuadroDemonstrativo> quadros; // empty: one table
    QString mensagemGravado = MensagemValoresGravados;
    // Lines taken from Anexo I into the grid (the editor's "Importar Anexo I"); nothing for the
    // statements that take none. It returns whether it filled the grid (a question may stop it).
    std::function<bool(Grade&)> importaAnexo1;
};

// The definition of an annex for the body and the open period; nothing when the annex is no
// fixed-line statement.
std::optional<DefinicaoDemonstrativo> DemonstrativoDoAnexo(const Contexto& ctx, const QString& numero);
// Every fixed-line annex, by number.
QStringList AnexosDeLinhas();

// The grid of a statement: the line (hidden), its caption, the value columns; computed lines
// grey and worked out again after every change; a period never saved shows every line at 0.
DefinicaoGrade GradeDoDemonstrativo(const Contexto& ctx, const DefinicaoDemonstrativo& d);
// Works out the computed lines of every value column of the grid (or of one column).
void CalculaLinhas(Grade& g, int coluna = -1);
// The rows of the grid that belong to a table (`tipomovimento`), for the editor's tabs.
int TipoMovimentoDaLinha(const Grade& g, int linha);
