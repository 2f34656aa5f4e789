#include "core/Moeda.h"

#include <limits>

std::optional<Moeda> Moeda::deTexto(const QString& texto)
{
    QString t = texto.trimmed();
    bool negativo = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negativo = t.startsWith(u'-');
        t = t.mid(1).trimmed();
    } else if (t.endsWith(u'-') || t.endsWith(u'+')) {
        negativo = t.endsWith(u'-');
        t.chop(1);
        t = t.trimmed();
    }
    if (t.isEmpty())
        return std::nullopt;

    std::int64_t inteiro = 0;
    std::int64_t fracao = 0;
    int casas = 0;
    bool temDigito = false, naFracao = false, arredondaCima = false;
    for (const QChar c : t) {
        if (c == u'.') {
            if (naFracao)
                return std::nullopt;
            continue;
        }
        if (c == u',') {
            if (naFracao)
                return std::nullopt;
            naFracao = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int d = c.unicode() - u'0';
        temDigito = true;
        if (!naFracao) {
            if (inteiro > (std::numeric_limits<std::int64_t>::max() / Escala - 9) / 10)
                return std::nullopt;
            inteiro = inteiro * 10 + d;
        } else if (casas < 4) {
            fracao = fracao * 10 + d;
            ++casas;
        } else if (casas == 4) {
            arredondaCima = d >= 5;
            ++casas;
        }
    }
    if (!temDigito)
        return std::nullopt;
    while (casas < 4) {
        fracao *= 10;
        ++casas;
    }
    std::int64_t v = inteiro * Escala + fracao + (arredondaCima ? 1 : 0);
    return deDecimos(negativo ? -v : v);
}

QString Moeda::formata() const
{
    const bool negativo = v_ < 0;
    const std::uint64_t abs = negativo ? std::uint64_t(-(v_ + 1)) + 1 : std::uint64_t(v_);
    const std::uint64_t centavos = (abs + 50) / 100;
    QString inteiro = QString::number(centavos / 100);
    for (int i = inteiro.size() - 3; i > 0; i -= 3)
        inteiro.insert(i, u'.');
    const QString texto = inteiro + u',' + QStringLiteral("%1").arg(centavos % 100, 2, 10, QLatin1Char('0'));
    return (negativo && centavos != 0) ? u'-' + texto : texto;
}

QString Moeda::paraTextoSimples() const
{
    const bool negativo = v_ < 0;
    const std::uint64_t abs = negativo ? std::uint64_t(-(v_ + 1)) + 1 : std::uint64_t(v_);
    return QStringLiteral("%1%2.%3").arg(negativo ? "-" : "").arg(abs / Escala)
        .arg(abs % Escala, 4, 10, QLatin1Char('0'));
}
