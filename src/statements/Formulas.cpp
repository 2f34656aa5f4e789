#include "statements/Formulas.h"

#include <QList>
#include <cmath>
#include <memory>

struct Formula::No {
    enum Tipo { Constante, Linha, Soma, Subtracao, Produto, Quociente, Negativo } tipo;
    Moeda constante;
    int linha = 0;
    std::shared_ptr<const No> a, b;
};

namespace {
using Ptr = std::shared_ptr<const Formula::No>;

// Rounds a quotient of integers half away from zero.
std::int64_t divide(__int128 n, __int128 d)
{
    if (d == 0)
        return 0;
    const bool negativo = (n < 0) != (d < 0);
    const __int128 an = n < 0 ? -n : n, ad = d < 0 ? -d : d;
    const __int128 q = (an + ad / 2) / ad;
    return static_cast<std::int64_t>(negativo ? -q : q);
}

class Leitor {
public:
    explicit Leitor(const QString& t) : t_(t) {}
    Ptr le(QString* erro)
    {
        Ptr r = expressao();
        espaco();
        if (r && i_ < t_.size())
            falha(QStringLiteral("caractere inesperado na posição %1").arg(i_ + 1));
        if (!erro_.isEmpty()) {
            if (erro)
                *erro = erro_;
            return nullptr;
        }
        return r;
    }

private:
    void espaco()
    {
        while (i_ < t_.size() && t_[i_].isSpace())
            ++i_;
    }
    bool aceita(QChar c)
    {
        espaco();
        if (i_ < t_.size() && t_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    void falha(const QString& m)
    {
        if (erro_.isEmpty())
            erro_ = m;
    }
    static Ptr no(Formula::No::Tipo tipo, Ptr a, Ptr b = nullptr)
    {
        auto n = std::make_shared<Formula::No>();
        n->tipo = tipo;
        n->a = std::move(a);
        n->b = std::move(b);
        return n;
    }
    Ptr expressao()
    {
        Ptr r = termo();
        while (r) {
            if (aceita(u'+'))
                r = no(Formula::No::Soma, r, termo());
            else if (aceita(u'-'))
                r = no(Formula::No::Subtracao, r, termo());
            else
                break;
            if (!r->b)
                return nullptr;
        }
        return r;
    }
    Ptr termo()
    {
        Ptr r = fator();
        while (r) {
            if (aceita(u'*'))
                r = no(Formula::No::Produto, r, fator());
            else if (aceita(u'/'))
                r = no(Formula::No::Quociente, r, fator());
            else
                break;
            if (!r->b)
                return nullptr;
        }
        return r;
    }
    Ptr fator()
    {
        espaco();
        if (aceita(u'-')) {
            Ptr a = fator();
            return a ? no(Formula::No::Negativo, a) : nullptr;
        }
        if (aceita(u'(')) {
            Ptr r = expressao();
            if (r && !aceita(u')'))
                falha(QStringLiteral("falta fechar o parêntese"));
            return r;
        }
        if (aceita(u'[')) {
            const qsizetype inicio = i_;
            while (i_ < t_.size() && t_[i_].isDigit())
                ++i_;
            bool ok = false;
            const int linha = t_.mid(inicio, i_ - inicio).toInt(&ok);
            if (!ok || !aceita(u']')) {
                falha(QStringLiteral("linha mal escrita na posição %1").arg(inicio + 1));
                return nullptr;
            }
            auto n = std::make_shared<Formula::No>();
            n->tipo = Formula::No::Linha;
            n->linha = linha;
            return n;
        }
        const qsizetype inicio = i_;
        while (i_ < t_.size() && (t_[i_].isDigit() || t_[i_] == u'.'))
            ++i_;
        const auto m = Moeda::deTexto(t_.mid(inicio, i_ - inicio).replace(u'.', u','));
        if (inicio == i_ || !m) {
            falha(QStringLiteral("esperava uma linha [n], um número ou um parêntese na posição %1").arg(inicio + 1));
            return nullptr;
        }
        auto n = std::make_shared<Formula::No>();
        n->tipo = Formula::No::Constante;
        n->constante = *m;
        return n;
    }

    const QString& t_;
    qsizetype i_ = 0;
    QString erro_;
};

Moeda avalia(const Formula::No& n, const std::function<Moeda(int)>& linha)
{
    switch (n.tipo) {
    case Formula::No::Constante: return n.constante;
    case Formula::No::Linha: return linha(n.linha);
    case Formula::No::Negativo: return -avalia(*n.a, linha);
    case Formula::No::Soma: return avalia(*n.a, linha) + avalia(*n.b, linha);
    case Formula::No::Subtracao: return avalia(*n.a, linha) - avalia(*n.b, linha);
    case Formula::No::Produto:
        return Moeda::deDecimos(
            divide(__int128(avalia(*n.a, linha).decimos()) * avalia(*n.b, linha).decimos(), Moeda::Escala));
    case Formula::No::Quociente:
        return Moeda::deDecimos(
            divide(__int128(avalia(*n.a, linha).decimos()) * Moeda::Escala, avalia(*n.b, linha).decimos()));
    }
    return {};
}

void colhe(const Formula::No& n, QList<int>& r)
{
    if (n.tipo == Formula::No::Linha && !r.contains(n.linha))
        r << n.linha;
    if (n.a)
        colhe(*n.a, r);
    if (n.b)
        colhe(*n.b, r);
}
} // namespace

std::optional<Formula> Formula::le(const QString& texto, QString* erro)
{
    Leitor l(texto);
    Ptr raiz = l.le(erro);
    if (!raiz)
        return std::nullopt;
    Formula f;
    f.texto = texto;
    f.raiz_ = std::move(raiz);
    return f;
}

Moeda Formula::calcula(const std::function<Moeda(int)>& linha) const { return raiz_ ? avalia(*raiz_, linha) : Moeda(); }

QList<int> Formula::linhas() const
{
    QList<int> r;
    if (raiz_)
        colhe(*raiz_, r);
    return r;
}
