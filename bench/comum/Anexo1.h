#pragma once
#include "core/Banco.h"

#include <QApplication>
#include <QString>
#include <cstdio>
#include <exception>
#include <functional>

// Anexo I of a big body, for the benches that need one: realistic expense and revenue lines of
// one bimester, built by SQL in the database itself.
namespace bench {

// Expense lines over 40 sources x 50 institutions x ... until `linhas`, with realistic codes.
void PreencheDespesa(const Banco& b, const QString& periodo, int linhas);
// Revenue lines: analytic municipal codes of the plan, each with as many sources as needed.
void PreencheReceita(const Banco& b, const QString& periodo, int linhas);

// The main of a bench over Anexo I (header only: those benches show screens): the offscreen
// platform unless another is chosen, the expense and revenue line counts from the arguments
// (20 000 and 5 000 by default), a failure told on stderr with exit status 1.
inline int PrincipalAnexo1(int argc, char** argv, const std::function<int(int despesas, int receitas)>& executa)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int despesas = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    const int receitas = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5000;
    try {
        return executa(despesas > 0 ? despesas : 20000, receitas > 0 ? receitas : 5000);
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}

} // namespace bench
