// The key-request client against a SOAP service on 127.0.0.1 that answers what the test says.
#include "comum/InteracaoRoteiro.h"
#include "comum/ServidorHttpFalso.h"
#include "registers/ServicoNotaFiscal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class ServicoFalso : public ServidorHttpFalso {
public:
    ServicoFalso() { tipo = "text/xml; charset=utf-8"; }
    QString endereco() const { return QStringLiteral("http://127.0.0.1:%1/ws/Autenticacao.asmx").arg(porta()); }
};

QByteArray Envelope(const QByteArray& corpo)
{
    return R"(<?xml version="1.0" encoding="utf-8"?><soap:Envelope xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/"><soap:Body>)"
           + corpo + "</soap:Body></soap:Envelope>";
}
QByteArray Resultado(const QByteArray& chave)
{
    return Envelope(R"(<LerChaveAutenticadoraResponse xmlns="http://tempuri.org/"><LerChaveAutenticadoraResult>)" + chave
                    + "</LerChaveAutenticadoraResult></LerChaveAutenticadoraResponse>");
}
QByteArray Falta(const QByteArray& codigo)
{
    return Envelope("<soap:Fault><faultcode>" + codigo + "</faultcode><faultstring>x</faultstring></soap:Fault>");
}

const QString PedidoInvalido = QStringLiteral("Invalid Web Service Request. Please check the Web Service URL");

struct Servico : ::testing::Test {
    InteracaoRoteiro ui;
    ServicoFalso servico;
    PedidoChaveAutenticadora pedido{QStringLiteral("12345"), QStringLiteral("1"), QStringLiteral("NF"), QStringLiteral("15/03/2012"),
                                    Moeda::deDecimos(15000050), QStringLiteral("11222333000181"),
                                    QStringLiteral("45678901000175"), QStringLiteral("P001")};

    void SetUp() override
    {
        // The fake service is local: no proxy of the machine may stand between.
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }
    QString pede(std::chrono::milliseconds limite = 3s, const QString& endereco = {})
    {
        ServicoNotaFiscalSoap cliente(ui, endereco.isNull() ? servico.endereco() : endereco, ServicoNotaFiscalSoap::EspacoNomesPadrao(), limite);
        return cliente.leChaveAutenticadora(pedido);
    }
};

} // namespace

TEST_F(Servico, PedeAChaveComOsNoveArgumentos)
{
    servico.corpo = Resultado(" 3512AB&amp;C \r\n");
    EXPECT_EQ(pede(), QStringLiteral("3512AB&C"));
    EXPECT_TRUE(ui.mensagens.isEmpty());
    ASSERT_EQ(servico.pedidos.size(), 1);
    const auto& p = servico.pedidos[0];
    EXPECT_TRUE(p.cabecalho.startsWith("POST /ws/Autenticacao.asmx HTTP/1.1\r\n"));
    EXPECT_TRUE(p.cabecalho.contains("SOAPAction: \"http://tempuri.org/LerChaveAutenticadora\"")) << p.cabecalho.constData();
    EXPECT_TRUE(p.cabecalho.toLower().contains("content-type: text/xml; charset=utf-8"));
    // The operation's arguments in order, in the service's namespace; the output goes empty.
    QXmlStreamReader xml(p.corpo);
    QStringList nomes, valores;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.namespaceUri() == u"http://tempuri.org/") {
            nomes << xml.name().toString();
            if (nomes.size() > 1)
                valores << xml.readElementText();
        }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(nomes, QStringList({"LerChaveAutenticadora", "ChaveAutenticadora", "NumeroNotaFiscal", "SerieNotaFiscal",
                                  "ModeloNotaFiscal", "DataEmissao", "ValorNotaFiscal", "CnpjEmitente", "CnpjDestinatario",
                                  "CodigoOrgao"}));
    EXPECT_EQ(valores, QStringList({"", "12345", "1", "NF", "15/03/2012", "1500.0050", "11222333000181", "45678901000175", "P001"}));

    // A typed text that would break the envelope travels as text; the returned output argument
    // stands in for a missing result.
    pedido.numero = QStringLiteral("<1&2>");
    servico.corpo = Envelope("<LerChaveAutenticadoraResponse><ChaveAutenticadora>XYZ</ChaveAutenticadora></LerChaveAutenticadoraResponse>");
    EXPECT_EQ(pede(), QStringLiteral("XYZ"));
    EXPECT_TRUE(servico.pedidos[1].corpo.contains("<NumeroNotaFiscal>&lt;1&amp;2&gt;</NumeroNotaFiscal>"));
}

TEST_F(Servico, FalhasDaoTextoVazio)
{
    // (status, answer, message shown): a page that is not the service and a refused request are
    // told; a fault of the server, an answer without a key and a broken envelope are silent.
    const struct { int status; QByteArray resposta; bool avisa; } casos[] = {
        {404, "<html><body>Not Found</body></html>", true},
        {200, "<html><body>Bem-vindo</body></html>", true},
        {400, Resultado("1234"), true},
        {500, Falta("soap:Client"), true},
        {500, Falta("soap:Server"), false},
        {500, "Internal Server Error", false},
        {200, Envelope("<LerChaveAutenticadoraResponse/>"), false},
        {200, Resultado("1234").left(150), false},
    };
    for (const auto& c : casos) {
        ui.limpa();
        servico.status = c.status;
        servico.corpo = c.resposta;
        EXPECT_EQ(pede(), QString()) << c.status << c.resposta.constData();
        EXPECT_EQ(ui.textos(), c.avisa ? QStringList{PedidoInvalido} : QStringList()) << c.status << c.resposta.constData();
    }
    EXPECT_EQ(ui.mensagens.size(), 0);
    ASSERT_EQ(servico.pedidos.size(), qsizetype(std::size(casos)));
}

TEST_F(Servico, SemRespostaNoPrazoOuSemServidor)
{
    // A service that never answers: given up after the limit, quietly.
    servico.mudo = true;
    QElapsedTimer relogio;
    relogio.start();
    EXPECT_EQ(pede(300ms), QString());
    EXPECT_LT(relogio.elapsed(), 2500);
    EXPECT_EQ(servico.pedidos.size(), 1);
    EXPECT_TRUE(ui.mensagens.isEmpty());
    // Nobody on the port: quiet. No address: nothing asked. An address that is no address: told.
    quint16 porta = 0;
    {
        QTcpServer fechado;
        ASSERT_TRUE(fechado.listen(QHostAddress::LocalHost, 0));
        porta = fechado.serverPort();
    }
    EXPECT_EQ(pede(3s, QStringLiteral("http://127.0.0.1:%1/ws").arg(porta)), QString());
    EXPECT_EQ(pede(3s, QStringLiteral("")), QString());
    EXPECT_TRUE(ui.mensagens.isEmpty());
    for (const QString& e : {QStringLiteral("não é um endereço"), QStringLiteral("ftp://127.0.0.1/ws")}) {
        ui.limpa();
        EXPECT_EQ(pede(3s, e), QString());
        EXPECT_EQ(ui.textos(), QStringList{PedidoInvalido});
        EXPECT_EQ(ui.mensagens[0].titulo, TituloPrograma);
    }
    EXPECT_EQ(servico.pedidos.size(), 1);
}

#ifndef Q_OS_WIN
TEST(ServicoNotaFiscalInstalacao, EnderecoDoArquivoDeConfiguracao)
{
    QTemporaryDir pasta;
    InteracaoRoteiro ui;
    const auto escreve = [&](const QByteArray& texto) {
        QFile f(QDir(pasta.path()).filePath("versao.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texto);
    };
    // No value and an empty one: not used. The description's address stands for the service's.
    for (const QByteArray& texto : {QByteArray(""), QByteArray("EnderecoServicoNotaFiscal=\n")}) {
        escreve(texto);
        EXPECT_EQ(ServicoNotaFiscalDaInstalacao(ui, pasta.path()), nullptr) << texto.constData();
    }
    escreve("EnderecoServicoNotaFiscal=http://sefaz.exemplo/ws/Autenticacao.asmx?WSDL\n");
    EXPECT_EQ(LeEnderecoServicoNotaFiscal(QSettings(QDir(pasta.path()).filePath("versao.ini"), QSettings::IniFormat)),
              QStringLiteral("http://sefaz.exemplo/ws/Autenticacao.asmx"));

    // The service of the installation talks to the address and namespace of its settings.
    ServicoFalso servico;
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    servico.corpo = Envelope(R"(<R xmlns="urn:nf"><LerChaveAutenticadoraResult>77</LerChaveAutenticadoraResult></R>)");
    escreve("EnderecoServicoNotaFiscal=" + servico.endereco().toUtf8() + "?wsdl\nEspacoNomesServicoNotaFiscal=urn:nf\n");
    const auto cliente = ServicoNotaFiscalDaInstalacao(ui, pasta.path());
    ASSERT_NE(cliente, nullptr);
    EXPECT_EQ(cliente->leChaveAutenticadora({}), QStringLiteral("77"));
    ASSERT_EQ(servico.pedidos.size(), 1);
    EXPECT_TRUE(servico.pedidos[0].cabecalho.contains("SOAPAction: \"urn:nf/LerChaveAutenticadora\""));
    EXPECT_TRUE(servico.pedidos[0].corpo.contains("<LerChaveAutenticadora xmlns=\"urn:nf/\">")) << servico.pedidos[0].corpo.constData();
}
#endif
