#pragma once
#include <QDir>
#include <QWidget>

// Saves a picture of a screen when LUMO_CAPTURAS names a folder (to look at the screens as a
// user would); does nothing otherwise.
inline void Captura(QWidget* tela, const QString& nome)
{
    const QString pasta = qEnvironmentVariable("LUMO_CAPTURAS");
    if (pasta.isEmpty())
        return;
    QDir().mkpath(pasta);
    tela->grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png")));
}
