#pragma once
#include <QDateTime>
#include <QString>

// Appends "[dd/mm/yyyy hh:nn] - Arquivo : <name> - Erro : <text>" to the file (created when
// absent) and closes it again, so that a crash loses no earlier line.
bool GravaLog(const QString& caminho, const QString& nomeArquivo, const QString& erro,
              const QDateTime& agora = QDateTime::currentDateTime());
// Name of an import log: prefix + "ddMMyyhhmmss" + ".LOG".
QString NomeArquivoLog(const QString& prefixo, const QDateTime& agora = QDateTime::currentDateTime());
