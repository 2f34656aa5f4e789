#pragma once
#include <QDateTime>
#include <QString>

// Appends "[dd/mm/yyyy hh:nn] - Arquivo : <name> - Erro : <text>" to the file (created when
// absent) and closes it again, so that a crash loses no earlier line.
bool GravaLog(const QString& caminho, const QString& nomeArquivo, const QString& erro,
              const QDateTime& agora = QDateTime::currentDateTime());
// Name of an import log: prefix + "ddMMyyhhmmss" + ".LOG".
QString NomeArquivoLog(const QString& prefixo, const QDateTime& agora = QDateTime::currentDateTime());

// Qt's own warnings (driver notices, widget warnings) go to this log file in the program folder,
// never to the user's screen or terminal. An empty path drops them.
void DesviaAvisosQt(const QString& caminhoLog);
inline const QString NomeLogPrograma = QStringLiteral("lumo.log");
