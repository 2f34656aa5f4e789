#pragma once
#include <QList>
#include <QStringList>
#include <optional>

struct Contexto;

// A statement as its editor shows it, for lumo-cli and the reports: the captions of its
// columns (the first one the line's caption) and each line's texts (money as "1.234,56").
struct TabelaDemonstrativo {
    QString titulo;
    QStringList cabecalho;
    QList<QStringList> linhas;
};

// A statement of the open period by its annex number ("03", "11", "22B"), after the
// computations its editor makes on opening; nothing when the annex is no statement.
std::optional<TabelaDemonstrativo> TabelaDoAnexo(Contexto& ctx, const QString& numero);
