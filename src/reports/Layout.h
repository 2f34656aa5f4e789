#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <stdexcept>
#include <vector>

// A report that cannot be made: a layout file or a selection formula that does not read, a
// layout file that is missing. The text is Portuguese and names the file and line.
class ErroRelatorio : public std::runtime_error {
public:
    explicit ErroRelatorio(const QString& texto) : std::runtime_error(texto.toStdString()), texto_(texto) {}
    const QString& texto() const { return texto_; }

private:
    QString texto_;
};

// How a column's values are shown.
enum class FormatoColuna {
    Texto,    // as stored
    Moeda,    // "#,##0.00" (the stored value divided by `escala`)
    Inteiro,  // "#,##0"
    Numero,   // "0": digits alone
    Data,     // "dd/mm/yyyy" (an ISO date is turned round)
    Periodo,  // "201203" -> "03/2012"
};

enum class Alinhamento { Esquerda, Direita, Centro };
enum class TotalColuna { Nenhum, Soma, Conta };

struct ColunaLayout {
    QString titulo;
    QString campo;          // SQL expression over the report's tables
    double largura = 10;    // relative width
    FormatoColuna formato = FormatoColuna::Texto;
    qint64 escala = 10000;  // money is kept in ten-thousandths
    Alinhamento alinhamento = Alinhamento::Esquerda;
    TotalColuna total = TotalColuna::Nenhum;
    int linha = 0;          // where it was declared, for messages
};

struct GrupoLayout {
    QString campo;          // SQL expression whose change starts a new group
    QString descricao;      // optional expression shown as {descricao}
    QString titulo;         // group heading; {valor} and {descricao} stand for the group's values
    QString subtotal;       // caption of the group's totals; empty: "Total"
    bool novaPagina = false;
};

struct Layout {
    QString arquivo;        // file name, for messages
    QString titulo;
    QString subtitulo;
    bool paisagem = false;
    double tamanhoFonte = 7.5;
    QString tabela;         // FROM
    QStringList juncoes;    // "LEFT JOIN tab ON ...", in order
    QString filtro;         // the layout's own condition, ANDed with the selection
    QString ordem;          // ORDER BY after the groups
    QStringList cabecalho;  // lines under the title
    QStringList rodape;     // lines over the page footer of the last page
    QString tituloTotal = QStringLiteral("Total Geral");
    bool mostraTotal = true;
    QString semRegistros = QStringLiteral("Nenhum registro encontrado para o período.");
    std::vector<GrupoLayout> grupos;
    std::vector<ColunaLayout> colunas;

    // Every table the report reads: the main one and the joined ones.
    QStringList tabelas() const;
};

// Reads a layout file; throws ErroRelatorio naming the file (and the line) when it is missing
// or does not read.
Layout LeLayout(const QString& caminho);
// The same from text; `arquivo` names it in the messages.
Layout LayoutDeTexto(const QString& texto, const QString& arquivo);
