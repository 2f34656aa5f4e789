#pragma once
#include "core/Moeda.h"

#include <QString>
#include <chrono>
#include <memory>

class Interacao;
class QSettings;

// The state tax authority's invoice-authentication service: given an invoice and the body
// that pays it, the authentication code of the invoice. The payment editor of Anexo XIV asks it
// when the body chose the integration (tabChave.IntegradoSet).

// What the service is asked: the invoice as typed and the paying body.
struct PedidoChaveAutenticadora {
    QString numero;
    QString serie;
    QString modelo;
    QString emissao;       // "dd/mm/yyyy"
    Moeda valor;
    QString emitente;      // the issuer's document, digits
    QString destinatario;  // the body's CNPJ (tabChave.CGC)
    QString codigoOrgao;   // the body's code
};

class ServicoNotaFiscal {
public:
    virtual ~ServicoNotaFiscal() = default;
    // The authentication code; an empty text when there is none or the request failed.
    virtual QString leChaveAutenticadora(const PedidoChaveAutenticadora& pedido) = 0;
};

// The SOAP 1.1 client of the operation LerChaveAutenticadora. The request carries nine
// arguments, in this order: ChaveAutenticadora (the output, sent empty), NumeroNotaFiscal,
// SerieNotaFiscal, ModeloNotaFiscal, DataEmissao, ValorNotaFiscal (a plain decimal with a
// point, "1234.5000"), CnpjEmitente, CnpjDestinatario, CodigoOrgao. The answer is the text of
// LerChaveAutenticadoraResult or, without it, of the returned ChaveAutenticadora.
//
// The call waits at most `limite`, with the window repainting and the user's input held
// (the wait is a local event loop), under the busy pointer. Every failure gives an empty text;
// an address that is no address, a page that is not the service (an HTTP 4xx, an answer that
// is no SOAP envelope) and a fault of the request (soap:Client) also show "Invalid Web Service
// Request. Please check the Web Service URL". No network, no answer in time, a fault of the
// server: silently empty.
class ServicoNotaFiscalSoap : public ServicoNotaFiscal {
public:
    ServicoNotaFiscalSoap(Interacao& ui, QString endereco, QString espacoNomes = EspacoNomesPadrao(),
                          std::chrono::milliseconds limite = std::chrono::seconds(5));
    QString leChaveAutenticadora(const PedidoChaveAutenticadora& pedido) override;

    static QString EspacoNomesPadrao();
    // The SOAP envelope sent for a request.
    QByteArray envelope(const PedidoChaveAutenticadora& pedido) const;

private:
    Interacao& ui_;
    QString endereco_;
    QString espacoNomes_;
    std::chrono::milliseconds limite_;
};

// The service's address lives in the installation's settings (see ConfiguracaoInstalacao in
// admin/Atualizacao.h), value "EnderecoServicoNotaFiscal": the service's address or that of its
// description (a trailing "?wsdl" is dropped). Missing or empty: the service is not used.
// "EspacoNomesServicoNotaFiscal" replaces the service's XML namespace (default
// "http://tempuri.org/").
QString LeEnderecoServicoNotaFiscal(const QSettings& configuracao);

// The service of the installation in the program folder; nothing when it has no address.
std::unique_ptr<ServicoNotaFiscal> ServicoNotaFiscalDaInstalacao(Interacao& ui, const QString& pastaPrograma);
