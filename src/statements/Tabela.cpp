#include "statements/Tabela.h"

#include <functional>
#include "statements/Anexo03.h"
#include "statements/Anexo22A.h"
#include "statements/Anexo22B.h"
#include "statements/Demonstrativos.h"
#include "statements/Listas.h"
#include "core/Anexos.h"
#include "core/Grade.h"

namespace {
// A list-shaped statement: its shown columns and the period's rows.
TabelaDemonstrativo daGrade(Contexto& ctx, const QString& numero, const DefinicaoGrade& d)
{
    TabelaDemonstrativo t;
    for (const DefinicaoAnexo& a : CatalogoAnexos())
        if (a.numero == numero)
            t.titulo = a.titulo;
    Grade g(ctx, d);
    g.PreencheGrid();
    std::vector<int> colunas;
    for (int c = 0; c < g.colunas(); ++c)
        if (!g.coluna(c).oculta) {
            colunas.push_back(c);
            t.cabecalho << g.coluna(c).titulo;
        }
    for (int l = 0; l < g.linhas(); ++l) {
        QStringList linha;
        for (int c : colunas)
            linha << g.texto(l, c);
        t.linhas << linha;
    }
    return t;
}
} // namespace

std::optional<TabelaDemonstrativo> TabelaDoAnexo(Contexto& ctx, const QString& numero)
{
    const QString n = numero.trimmed().toUpper().rightJustified(2, u'0');
    if (n == QStringLiteral("03"))
        return TabelaAnexo03(ctx);
    if (n == QStringLiteral("22A"))
        return TabelaAnexo22A(ctx);
    if (n == QStringLiteral("22B"))
        return TabelaAnexo22B(ctx);
    const std::pair<const char*, std::function<DefinicaoGrade()>> listas[] = {
        {"07", [&] { return DefinicaoAnexo07(ctx); }}, {"09", DefinicaoAnexo09}, {"19", DefinicaoAnexo19},
        {"20", DefinicaoAnexo20}, {"24", DefinicaoAnexo24}, {"35", DefinicaoAnexo35}, {"37", DefinicaoAnexo37},
        {"38", DefinicaoAnexo38}, {"39", DefinicaoAnexo39}};
    for (const auto& [anexo, definicao] : listas)
        if (n == QLatin1String(anexo))
            return daGrade(ctx, n, definicao());
    if (const auto d = DemonstrativoDoAnexo(ctx, n))
        return TabelaDoDemonstrativo(ctx, *d);
    return std::nullopt;
}
