#include "registers/ServicoNotaFiscal.h"
#include "admin/Atualizacao.h"
#include "core/Interacao.h"
#include "core/Rede.h"
#include "registers/NotaFiscal.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString Operacao = QStringLiteral("LerChaveAutenticadora");
const QString ChaveEndereco = QStringLiteral("EnderecoServicoNotaFiscal");
const QString ChaveEspacoNomes = QStringLiteral("EspacoNomesServicoNotaFiscal");
const QString NsEnvelope = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");

// What came back from the service.
struct Resposta {
    enum Tipo { Chave, SemEnvelope, FaltaDoPedido, Falhou } tipo = SemEnvelope;
    QString chave;
};

// Reads a SOAP answer: the result's text, a fault, a broken envelope, or no envelope at all.
Resposta LeEnvelope(const QByteArray& corpo)
{
    QXmlStreamReader xml(corpo);
    bool envelope = false, falta = false;
    QString resultado, saida, codigoFalta;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView nome = xml.name();
        if (!envelope) {
            if (nome != u"Envelope")
                return {};
            envelope = true;
        } else if (nome == u"Fault") {
            falta = true;
        } else if (falta && (nome == u"faultcode" || nome == u"Value") && codigoFalta.isEmpty()) {
            codigoFalta = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (nome == Operacao + QStringLiteral("Result")) {
            resultado = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (nome == u"ChaveAutenticadora") {
            saida = xml.readElementText(QXmlStreamReader::SkipChildElements);
        }
    }
    if (!envelope)
        return {};
    if (xml.hasError())
        return {Resposta::Falhou, {}};
    if (falta) {
        // "soap:Client" (SOAP 1.1) or "env:Sender" (1.2): the request itself was refused.
        const QString codigo = codigoFalta.mid(codigoFalta.indexOf(u':') + 1);
        const bool doPedido = codigo.startsWith(QStringLiteral("Client")) || codigo.startsWith(QStringLiteral("Sender"));
        return {doPedido ? Resposta::FaltaDoPedido : Resposta::Falhou, {}};
    }
    return {Resposta::Chave, (resultado.isNull() ? saida : resultado).trimmed()};
}

QString EnderecoDoServico(QString endereco)
{
    endereco = endereco.trimmed();
    if (endereco.endsWith(QStringLiteral("?wsdl"), Qt::CaseInsensitive))
        endereco.chop(5);
    return endereco;
}

} // namespace

ServicoNotaFiscalSoap::ServicoNotaFiscalSoap(Interacao& ui, QString endereco, QString espacoNomes,
                                             std::chrono::milliseconds limite)
    : ui_(ui), endereco_(EnderecoDoServico(endereco)), espacoNomes_(std::move(espacoNomes)), limite_(limite)
{
    if (!espacoNomes_.endsWith(u'/'))
        espacoNomes_ += u'/';
}

QString ServicoNotaFiscalSoap::EspacoNomesPadrao() { return QStringLiteral("http://tempuri.org/"); }

QByteArray ServicoNotaFiscalSoap::envelope(const PedidoChaveAutenticadora& p) const
{
    QByteArray corpo;
    QXmlStreamWriter xml(&corpo);
    xml.writeStartDocument();
    xml.writeNamespace(NsEnvelope, QStringLiteral("soap"));
    xml.writeStartElement(NsEnvelope, QStringLiteral("Envelope"));
    xml.writeStartElement(NsEnvelope, QStringLiteral("Body"));
    xml.writeStartElement(Operacao);
    xml.writeDefaultNamespace(espacoNomes_);
    const std::pair<const char*, QString> argumentos[] = {
        {"ChaveAutenticadora", QString()}, {"NumeroNotaFiscal", p.numero},   {"SerieNotaFiscal", p.serie},
        {"ModeloNotaFiscal", p.modelo},    {"DataEmissao", p.emissao},       {"ValorNotaFiscal", p.valor.paraTextoSimples()},
        {"CnpjEmitente", p.emitente},      {"CnpjDestinatario", p.destinatario}, {"CodigoOrgao", p.codigoOrgao},
    };
    for (const auto& [nome, valor] : argumentos)
        xml.writeTextElement(espacoNomes_, QString::fromLatin1(nome), valor);
    xml.writeEndDocument();
    return corpo;
}

QString ServicoNotaFiscalSoap::leChaveAutenticadora(const PedidoChaveAutenticadora& p)
{
    const auto pedidoInvalido = [this] {
        AvisaNotaFiscal(ui_, QStringLiteral("Invalid Web Service Request. Please check the Web Service URL"));
        return QString();
    };
    if (endereco_.isEmpty())
        return {};
    const QUrl url(endereco_);
    if (!url.isValid() || (url.scheme() != QStringLiteral("http") && url.scheme() != QStringLiteral("https")))
        return pedidoInvalido();

    QNetworkAccessManager rede;
    QNetworkRequest pedido(url);
    pedido.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/xml; charset=utf-8"));
    pedido.setRawHeader("SOAPAction", '"' + (espacoNomes_ + Operacao).toUtf8() + '"');
    pedido.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    ui_.cursorOcupado();
    std::unique_ptr<QNetworkReply> resposta(rede.post(pedido, envelope(p)));
    const bool chegou = AguardaResposta(*resposta, limite_, true);
    ui_.cursorNormal();
    const QVariant status = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // No answer in time, no connection, no server: nothing to say about the address.
    if (!chegou || !status.isValid())
        return {};
    const int http = status.toInt();
    const Resposta r = LeEnvelope(resposta->readAll());
    // A page that is not the service's (a wrong address) or a request the service refused.
    if (r.tipo == Resposta::FaltaDoPedido || (http >= 400 && http < 500)
        || (r.tipo == Resposta::SemEnvelope && http < 500))
        return pedidoInvalido();
    if (r.tipo != Resposta::Chave || http >= 300)
        return {};
    return r.chave;
}

QString LeEnderecoServicoNotaFiscal(const QSettings& configuracao)
{
    return EnderecoDoServico(configuracao.value(ChaveEndereco).toString());
}

std::unique_ptr<ServicoNotaFiscal> ServicoNotaFiscalDaInstalacao(Interacao& ui, const QString& pastaPrograma)
{
    const auto configuracao = ConfiguracaoInstalacao(pastaPrograma);
    const QString endereco = LeEnderecoServicoNotaFiscal(*configuracao);
    if (endereco.isEmpty())
        return nullptr;
    const QString espaco = configuracao->value(ChaveEspacoNomes).toString().trimmed();
    return std::make_unique<ServicoNotaFiscalSoap>(ui, endereco, espaco.isEmpty() ? ServicoNotaFiscalSoap::EspacoNomesPadrao() : espaco);
}
