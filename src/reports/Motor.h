#pragma once
#include "reports/Layout.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class Banco;
class QPagedPaintDevice;

// What a report is asked to print: the layout file, the record-selection formula and the text
// formulas and parameters the screen hands over.
struct PedidoRelatorio {
    QString arquivo;          // full path of the layout file
    QString selecao;          // "{tabAnexo14Pagamentos.BimReferencia} = '201203'"; may be empty
    QStringList formulas;     // "for_periodo = '03/2012'", "for_SubTotal_X = ('10.00')"
    QStringList parametros;   // "pOrgao;Prefeitura;True"
};

// Where a report goes.
enum class DestinoRelatorio { Tela, Impressora, Pdf, Xlsx, Csv };

// One printed item of the report, in order: group headings, rows, group totals, the total.
struct ItemRelatorio {
    enum Tipo { Cabecalho, Linha, Subtotal, Total } tipo = Linha;
    int nivel = 0;               // group level (0 the outermost)
    QString texto;               // heading or total caption
    std::vector<QVariant> valores; // one per column (totals: only the totalled columns are valid)
    bool novaPagina = false;
};

// The report made ready: its layout, the texts of its formulas and its items.
struct DadosRelatorio {
    Layout layout;
    QHash<QString, QString> textos;   // formulas and parameters by name (lower case)
    std::vector<ItemRelatorio> itens;
    int linhas = 0;                    // detail rows

    // A text of the layout with its {nome} filled in.
    QString expande(const QString& texto) const;
    QString titulo() const { return expande(layout.titulo); }
    // A value of column `c` as the report shows it ("1.234,50").
    QString textoDe(size_t c, const QVariant& v) const;
};

// A formula as the screens write it, "nome = 'texto'" or "nome = ('texto')", read into name
// and text; false when it has neither form.
bool LeFormula(const QString& formula, QString& nome, QString& texto);

// Reads the layout, parses the selection and runs the report's query with its values bound.
// Throws ErroRelatorio (layout, selection, a query the layout gets wrong) or ErroBanco.
DadosRelatorio CarregaRelatorio(const Banco& banco, const PedidoRelatorio& pedido);

// Draws the report on a paged device (a PDF writer, a printer, the print preview), setting its
// page to A4 in the layout's orientation. Returns the number of pages.
int DesenhaRelatorio(const DadosRelatorio& dados, QPagedPaintDevice& dispositivo);

// The outputs that are files. Each is written under a temporary name and then renamed, so a
// failure never leaves half a file; throws ErroRelatorio when it cannot be written.
void GravaPdf(const DadosRelatorio& dados, const QString& caminho);
void GravaXlsx(const DadosRelatorio& dados, const QString& caminho);
void GravaCsv(const DadosRelatorio& dados, const QString& caminho);
