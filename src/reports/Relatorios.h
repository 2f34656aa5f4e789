#pragma once
#include "reports/Motor.h"

#include <QString>
#include <QStringList>
#include <vector>

class Banco;
struct Contexto;

// The printed reports of the report menu: one entry per report, each naming its layout file,
// its record selection and the data it prepares. A later annex's report is its layout file in
// data/relatorios/ and, at most, one row here.

// Which of two layout files an entry prints.
enum class EscolhaArquivo {
    Fixa,           // always `arquivo`
    LetraG,         // `alternativo` when the body code begins with "G"
    LetraP,         // `alternativo` when the body code begins with "P"
    TipoMenuAF,     // `alternativo` when the body's TipoMenu is "A" or "F"
    Sintetico,      // `alternativo` when the synthetic model is chosen (revenue)
};

// Data a report needs made ready before it is printed.
enum class PreparoRelatorio { Nenhum, Anexo03, Receita };

struct EntradaRelatorio {
    QString nome;              // as the menu and the caption show it: "Anexo 14 (Pagamentos)"
    int slot = 0;              // annex slot whose due flag governs it
    QString idMenu;            // its report-menu entry
    QString arquivo;
    QString alternativo;
    EscolhaArquivo escolha = EscolhaArquivo::Fixa;
    QString selecao;           // the record selection, "%1" standing for the period; empty: none
    PreparoRelatorio preparo = PreparoRelatorio::Nenhum;
    QStringList formulas;      // further formulas, "%1" the period
    QStringList parametros;    // parameters, "%1" the period
};

// Every entry, in the order the report screen tests them.
const std::vector<EntradaRelatorio>& EntradasRelatorio();
const EntradaRelatorio* EntradaDeNome(const QString& nome);
const EntradaRelatorio* EntradaDoMenu(const QString& idMenu);

// The layout file the entry prints for a body (its code and TipoMenu).
QString ArquivoDaEntrada(const EntradaRelatorio& e, const QString& codigoOrgao, const QString& tipoMenu,
                         bool sintetico = false);
// The layout file in the body's folder (program folder + PastaDados), whatever its case.
QString CaminhoRelatorio(const Contexto& ctx, const QString& arquivo);

// "for_nome = 'texto'", with a quote in the text doubled.
QString Formula(const QString& nome, const QString& texto);

// Fills tabAnexo03Temp for the period in one transaction (the body's sphere lines and the "EM"
// ones; the twelve months that end with the bimester's last month, "1m" the oldest; the
// previous exercise's figure of the bimester in PA) and returns the formulas "for_m1" ..
// "for_m12" with the months' captions ("03/2011"). Throws ErroBanco.
QStringList PreparaAnexo03Temp(const Banco& banco, const QString& esfera, const QString& periodo);

// Fills tabReceitaTemp for the period in one transaction (each standard group with the sums of
// the period's lines under it, then the lines themselves indented) and returns the subtotal
// formulas: the four sums over the codes not beginning with "9" less the deductions (those
// beginning with "9"), the balance still to be realised, and the same balance over all lines.
QStringList PreparaReceitaTemp(const Banco& banco, const QString& periodo);

// What the report screen hands the engine for an entry and a period ("201203"): the layout file
// chosen for the body, the selection, "for_periodo", "for_orgao" and the entry's own formulas
// and parameters, after preparing the entry's data. Throws ErroRelatorio (a period that is no
// period) or ErroBanco.
PedidoRelatorio PedidoDaEntrada(Contexto& ctx, const EntradaRelatorio& e, const QString& periodo, bool sintetico = false);

// The problem list of the last check run ("problemas.rpt", from tabProblemas), with the open
// period and the body name.
PedidoRelatorio PedidoProblemas(const Contexto& ctx);
// The summary of the package of the period ("resumo.rpt", from tabResumo) with its parameters
// pOrgao, pBim and pVersion.
PedidoRelatorio PedidoResumo(const Contexto& ctx, const QString& periodo);

// Makes the report into a file (Pdf, Xlsx or Csv); returns the number of detail rows.
// Throws ErroRelatorio or ErroBanco.
int GravaRelatorio(const Banco& banco, const PedidoRelatorio& pedido, DestinoRelatorio destino, const QString& caminho);
