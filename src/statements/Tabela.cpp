#include "statements/Tabela.h"
#include "statements/Anexo03.h"
#include "statements/Anexo22A.h"
#include "statements/Demonstrativos.h"

std::optional<TabelaDemonstrativo> TabelaDoAnexo(Contexto& ctx, const QString& numero)
{
    const QString n = numero.trimmed().toUpper().rightJustified(2, u'0');
    if (n == QStringLiteral("03"))
        return TabelaAnexo03(ctx);
    if (n == QStringLiteral("22A"))
        return TabelaAnexo22A(ctx);
    if (const auto d = DemonstrativoDoAnexo(ctx, n))
        return TabelaDoDemonstrativo(ctx, *d);
    return std::nullopt;
}
