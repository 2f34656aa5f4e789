#include "core/Log.h"

#include <QFile>

bool GravaLog(const QString& caminho, const QString& nomeArquivo, const QString& erro, const QDateTime& agora)
{
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    const QString linha = u'[' + agora.toString(QStringLiteral("dd/MM/yyyy HH:mm")) + u']'
        + QStringLiteral(" - Arquivo : ") + nomeArquivo + QStringLiteral(" - Erro : ") + erro + u'\n';
    const bool ok = f.write(linha.toUtf8()) >= 0;
    f.close();
    return ok;
}

QString NomeArquivoLog(const QString& prefixo, const QDateTime& agora)
{
    return prefixo + agora.toString(QStringLiteral("ddMMyyHHmmss")) + QStringLiteral(".LOG");
}

namespace {
QString& caminhoAvisos()
{
    static QString caminho;
    return caminho;
}

void gravaAvisoQt(QtMsgType tipo, const QMessageLogContext&, const QString& texto)
{
    if (tipo == QtDebugMsg || caminhoAvisos().isEmpty())
        return;
    GravaLog(caminhoAvisos(), QStringLiteral("Qt"), texto);
}
} // namespace

void DesviaAvisosQt(const QString& caminhoLog)
{
    caminhoAvisos() = caminhoLog;
    qInstallMessageHandler(gravaAvisoQt);
}
