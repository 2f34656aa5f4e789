#include "admin/Atualizacao.h"
#include "core/Banco.h"
#include "core/Interacao.h"
#include "core/Rede.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QUrl>

namespace {

const QString ChaveVersao = QStringLiteral("Version");
const QString ChaveEndereco = QStringLiteral("EnderecoDownload");

// The whole body of a GET, or nothing on any failure or when no answer came within `limite`.
std::optional<QString> BaixaTexto(const QString& endereco, std::chrono::milliseconds limite)
{
    const QUrl url(endereco);
    if (!url.isValid() || url.isRelative())
        return std::nullopt;
    QNetworkAccessManager rede;
    QNetworkRequest pedido(url);
    pedido.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    std::unique_ptr<QNetworkReply> resposta(rede.get(pedido));
    // Start-up waits here, so the deadline covers the whole exchange.
    if (!AguardaResposta(*resposta, limite))
        return std::nullopt;
    if (resposta->error() != QNetworkReply::NoError)
        return std::nullopt;
    return QString::fromUtf8(resposta->readAll());
}

} // namespace

std::unique_ptr<QSettings> ConfiguracaoInstalacao([[maybe_unused]] const QString& pastaPrograma)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantor\\Lumo ") + AnoExercicio,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(ArquivoNaPasta(pastaPrograma, QStringLiteral("versao.ini")), QSettings::IniFormat);
#endif
}

std::optional<QString> LeVersaoInstalada(const QSettings& configuracao)
{
    if (!configuracao.contains(ChaveVersao))
        return std::nullopt;
    return configuracao.value(ChaveVersao).toString();
}

QString EnderecoDownloadPadrao()
{
    return QStringLiteral("http://www.vantor.gov.br/2009/download/Lumo") + AnoExercicio;
}

QString LeEnderecoDownload(const QSettings& configuracao)
{
    if (!configuracao.contains(ChaveEndereco))
        return EnderecoDownloadPadrao();
    QString endereco = configuracao.value(ChaveEndereco).toString().trimmed();
    while (endereco.endsWith(u'/'))
        endereco.chop(1);
    return endereco;
}

AposVerificacao VerificaVersaoWeb(Interacao& ui, const QString& instalada, const QString& enderecoDownload,
                                  const AbreEndereco& abre, std::chrono::milliseconds limite)
{
    if (enderecoDownload.isEmpty())
        return AposVerificacao::Continua;
    const std::optional<QString> publicada = BaixaTexto(enderecoDownload + QStringLiteral("/version.txt"), limite);
    // The published text is compared as it comes: a trailing line break is a difference.
    if (!publicada || *publicada == instalada)
        return AposVerificacao::Continua;
    const QString produto = QStringLiteral("Lumo ") + AnoExercicio;
    if (!ui.pergunta(produto, QStringLiteral("Existe uma nova versão do ") + produto
                                  + QStringLiteral(" disponivel na WEB.\rDeseja baixa-la?!")))
        return AposVerificacao::Continua;
    abre(enderecoDownload + QStringLiteral("/Atualiza") + *publicada + QStringLiteral(".exe"));
    return AposVerificacao::Encerra;
}
