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
    // A column worked out from the others of its line (a balance, a percentage): grey.
    std::function<Moeda(const Grade&, int linha)> calculo;
};

// A catalogue of the statement's lines and what it has: the sphere of each line, the table
// (`tipomovimento`) it belongs to; a catalogue without tables puts its lines in `tipoFixo`.
struct CatalogoDemonstrativo {
    QString tabela;
    bool esfera = false;
    bool tipoMovimento = false;
    int tipoFixo = 1;
};

// What "Importar Anexo I" puts into which column, by the kind of a line's `origem`: revenue
// ("R:"), expense by function ("D:"), expense lines ("E:", "G:"); each pair is (statement column,
// column of the Anexo I table).
struct ImportacaoAnexo1 {
    std::vector<std::pair<QString, QString>> receita;
    std::vector<std::pair<QString, QString>> despesaPorFuncao;
    std::vector<std::pair<QString, QString>> despesa;
    QString pergunta;  // asked first, when there is one
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
    // the closing lines of tabAnexo11Campos_06). A body sees the lines of sphere "EM" and of its
    // own ("M" when its code begins with "P", "E" otherwise).
    std::vector<CatalogoDemonstrativo> catalogos;
    std::vector<ColunaDemonstrativo> colunas;
    std::vector<QuadroDemonstrativo> quadros; // empty: one table
    QString mensagemGravado = MensagemValoresGravados;
    // Lines taken from Anexo I ("Importar Anexo I"), by each line's `origem`; none when empty.
    std::optional<ImportacaoAnexo1> anexo1;
    // A refusal of a line before the period is saved (a bimester value above the updated one).
    std::function<Recusa(Grade&, int linha)> valida;
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
// "Importar Anexo I": fills the lines that have an `origem` with the sums of Anexo I of the open
// period (after the definition's question, when it asks one); false when nothing was done.
bool ImportaAnexo1(Grade& g, const DefinicaoDemonstrativo& d);
// The statement as its editor shows it (captions, then the value columns), for lumo-cli.
struct TabelaDemonstrativo;
TabelaDemonstrativo TabelaDoDemonstrativo(Contexto& ctx, const DefinicaoDemonstrativo& d);
