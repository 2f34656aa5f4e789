#include "core/Contexto.h"

#include <QDir>

QString Contexto::pastaDoOrgao() const
{
    return QDir(pastaPrograma).filePath(PastaDadosDe(PastaDados)) + u'/';
}

QString Contexto::caminhoBancoOrgao() const
{
    return ArquivoNaPasta(pastaDoOrgao(), NomeBanco);
}

QString VersaoPrograma() { return QStringLiteral(LUMO_VERSAO); }

QString RevisaoPrograma()
{
    return QStringLiteral("%1.%2").arg(LUMO_VERSAO_MENOR).arg(LUMO_VERSAO_REVISAO);
}

QString PastaDadosDe(const QString& pastaDados)
{
    QString p = pastaDados.trimmed();
    while (p.startsWith(u'\\') || p.startsWith(u'/'))
        p.remove(0, 1);
    while (p.endsWith(u'\\') || p.endsWith(u'/'))
        p.chop(1);
    return p;
}
