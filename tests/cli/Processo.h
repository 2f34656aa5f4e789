#pragma once
// lumo-cli run as a user runs it, for the CLI tests.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

struct Saida {
    int codigo;
    QString out;
    QString err;
};

// lumo-cli with the arguments; the password in LUMO_SENHA (null: none in the environment).
inline Saida ExecutaCli(const QStringList& args, const QString& senha = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (senha.isNull())
        env.remove("LUMO_SENHA");
    else
        env.insert("LUMO_SENHA", senha);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LUMO_CLI), args);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// A program folder made by lumo-cli with body P001 configured: the body's folder (empty when not).
inline QString InstalaComP001(const QString& prog)
{
    if (ExecutaCli({"--programa", prog, "instalar"}).codigo != 0
        || ExecutaCli({"--programa", prog, "orgao", "adicionar", "P001"}).codigo != 0)
        return {};
    for (const QFileInfo& f : QDir(prog).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (f.fileName() != "data" && QFile::exists(f.filePath() + "/Lumo.mdb"))
            return f.filePath();
    return {};
}
