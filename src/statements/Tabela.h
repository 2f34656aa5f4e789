#pragma once
#include <QList>
#include <QStringList>

// A statement as its editor shows it, for lumo-cli and the reports: the captions of its
// columns (the first one the line's caption) and each line's texts (money as "1.234,56").
struct TabelaDemonstrativo {
    QString titulo;
    QStringList cabecalho;
    QList<QStringList> linhas;
};
