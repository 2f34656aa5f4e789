#include "core/Rede.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>

bool AguardaResposta(QNetworkReply& resposta, std::chrono::milliseconds limite, bool seguraEntrada)
{
    QEventLoop espera;
    QTimer prazo;
    prazo.setSingleShot(true);
    QObject::connect(&prazo, &QTimer::timeout, &espera, &QEventLoop::quit);
    QObject::connect(&resposta, &QNetworkReply::finished, &espera, &QEventLoop::quit);
    prazo.start(limite);
    if (!resposta.isFinished())
        espera.exec(seguraEntrada ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
    if (resposta.isFinished())
        return true;
    resposta.abort();
    return false;
}
