#pragma once
#include "budget/Classificacao.h"
#include "core/Grade.h"
#include "registers/NotaFiscal.h"

#include <QDate>
#include <functional>
#include <memory>

class Banco;
class QSqlRecord;

// Anexo XIV: the commitments of the body, the payments made against each, the annulments of
// commitments and the annulments of payments. Four grids: the commitments of the open period
// (and, on request, of the earlier ones), and for the selected commitment its payments and
// annulments, and for the selected payment its annulments. No payment or annulment may drive
// a commitment's balance below zero.

// The commitment balance of number N over every period: committed − (paid + annulled) +
// payment annulments. 0 when there is no commitment N. One query.
Moeda SaldoEmpenho(const Banco& banco, const QString& numeroEmpenho);
// What of payment K is still open to annulment: paid − its annulments (0 without the payment).
Moeda VerificaSaldoPagt(const Banco& banco, const QVariant& idPagamento);

// Older databases hold the commitment type as a digit: "0" Global, "1" Ordinário, "2" Por
// Estimativa. The letter of a digit (other texts come back as they are).
QString TipoEmpenhoDeDigito(const QString& tipo);
// Rewrites every digit type as its letter, in one statement; the number of rows rewritten.
int ConverteTiposEmpenho(const Banco& banco);

// A date cell of these grids is refused when its text is not blank and has no year of four
// digits from 1900 on in characters 7 to 10 ("dd/mm/yyyy").
bool AnoDaDataValido(const QString& texto);
inline const QString MensagemDataInvalida = QStringLiteral("Informe uma Data Válida ");

inline const QString MensagemSelecioneEmpenho =
    QStringLiteral("Selecione um Empenho ou Salve os dados do Empenho que estava sendo digitado.");
inline const QString MensagemPagamentoAbaixoDasAnulacoes =
    QStringLiteral("Novo Valor Insuficiente para os Valores de Anulações do Pagamento");

// The required-field tests of the four records, as the pre-submission checks need them: each
// gets the record's values as text (null as empty) and gives back the labels of what is
// missing or malformed, in the order tested; an empty text when the record is complete.
struct CamposEmpenho {
    QString numeroEmpenho, numeroProcesso, tipo, elementoDespesa, fonteRecurso, tipoDocumento, numeroDocumento, nomeCredor,
        dataEmpenho, valorEmpenhado;
    static CamposEmpenho de(const QSqlRecord& r);
};
struct CamposPagamento {
    QString numeroEmpenho, numeroOBCheque, dataPagamento, serieNotaFiscal, numeroNotaFiscal, dataEmissaoNFiscal,
        codValidacaoNotaFiscal, valorPago, docCredor, idContaCorrente;
    static CamposPagamento de(const QSqlRecord& r);
};
struct CamposAnulacao {
    QString numeroEmpenho, notaAnulacao, valorAnulado, dataAnulacao;
    static CamposAnulacao de(const QSqlRecord& r);
};
struct CamposAnulacaoPagamento {
    QString numeroOBCheque, notaAnulacao, valorAnulacao, dataAnulacao;
    static CamposAnulacaoPagamento de(const QSqlRecord& r);
};
QString ValidaAnexo14Empenho(const CamposEmpenho& e);
QString ValidaAnexo14Pagamento(const CamposPagamento& p);
QString ValidaAnexo14Anulacao(const CamposAnulacao& a);
QString ValidaAnexo14AnulacaoPagamento(const CamposAnulacaoPagamento& a);

// The invoice of a payment: elements whose payments carry an invoice that is authenticated.
bool ElementoComNotaFiscal(const QString& elementoDespesa);
// While the value of a new payment is typed: issued on or before 01/04/2011, at least 300,00,
// on such an element.
bool AutenticaAoDigitar(const QString& emissao, Moeda valor, const QString& elementoDespesa);
// When the payment is inserted: issued on or after 01/09/2009, at least 300,00, such an element.
bool AutenticaAoIncluir(const QString& emissao, Moeda valor, const QString& elementoDespesa);

// What the payment rules need from outside: the invoice validator, and the request of the
// authentication code to the state tax authority (empty: the body is not integrated; it
// returns an empty text when the request failed).
struct ServicosAnexo14 {
    const ValidadorNotaFiscal& validador;
    std::function<QString(const NotaFiscal& nota, const QString& cnpjOrgao)> chaveAutenticadora;
};

// The four grids. The payment rules keep the services for as long as the grid lives.
DefinicaoGrade DefinicaoEmpenhos();
DefinicaoGrade DefinicaoPagamentos(std::shared_ptr<const ServicosAnexo14> servicos);
DefinicaoGrade DefinicaoAnulacoesEmpenho();
DefinicaoGrade DefinicaoAnulacoesPagamento();

// "Empenho : " + number + " - Credor : " + creditor of the commitment with key idEmpenho.
QString LegendaEmpenho(const Banco& banco, const QVariant& idEmpenho);

// The look-ups: commitments up to the open period (by creditor fragment and number), and the
// bank accounts of the payments (by holder, bank and account).
DefinicaoLista ListaEmpenhos();
DefinicaoLista ListaContasPagamento();
