// Builds the template databases of an installation from the text under data/:
//   lumo-modelo DIR_DADOS DIR_SAIDA  ->  DIR_SAIDA/data.mdb, DIR_SAIDA/data/Lumo.mdb, DIR_SAIDA/data/export.mdb
#include "core/Esquema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "uso: lumo-modelo DIR_DADOS DIR_SAIDA\n");
        return 2;
    }
    const QDir saida(args[2]);
    QDir().mkpath(saida.filePath(QStringLiteral("data")));
    const struct {
        esquema::Tipo tipo;
        QString nome;
    } bancos[] = {{esquema::Tipo::Config, QStringLiteral("data.mdb")},
                  {esquema::Tipo::Orgao, QStringLiteral("data/Lumo.mdb")},
                  {esquema::Tipo::Exportacao, QStringLiteral("data/export.mdb")}};
    for (const auto& b : bancos) {
        const QString final = saida.filePath(b.nome);
        const QString temporario = final + QStringLiteral(".novo");
        QFile::remove(temporario);
        try {
            esquema::CriaBanco(b.tipo, args[1], temporario);
        } catch (const ErroBanco& e) {
            QFile::remove(temporario);
            std::fprintf(stderr, "%s: %s (%s %d)\n", qPrintable(b.nome), qPrintable(e.falha().descricao),
                         qPrintable(e.falha().origem), e.falha().numero);
            return 1;
        }
        QFile::remove(final);
        if (!QFile::rename(temporario, final)) {
            std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(final));
            return 1;
        }
    }
    return 0;
}
