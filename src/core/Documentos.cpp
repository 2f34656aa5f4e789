#include "core/Documentos.h"
#include "core/Conversoes.h"
#include "core/Interacao.h"

#include <initializer_list>

namespace {
bool somenteDigitos(const QString& t)
{
    for (const QChar c : t)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool naoZero(const QString& t)
{
    for (const QChar c : t)
        if (c != u'0')
            return true;
    return false;
}

int digito(const QString& t, int i) { return t[i].unicode() - u'0'; }

// Weighted sum of the first weights.size() digits, remainder of 11; below 2 gives 0.
int digitoVerificador(const QString& t, std::initializer_list<int> pesos)
{
    int soma = 0, i = 0;
    for (const int p : pesos)
        soma += digito(t, i++) * p;
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

bool documentoValido(const QString& t, int tamanho)
{
    return t.size() == tamanho && somenteDigitos(t) && naoZero(t);
}
} // namespace

bool ValidaCPF(const QString& cpf)
{
    if (!documentoValido(cpf, 11))
        return false;
    return digitoVerificador(cpf, {10, 9, 8, 7, 6, 5, 4, 3, 2}) == digito(cpf, 9)
        && digitoVerificador(cpf, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}) == digito(cpf, 10);
}

bool ValidaCNPJ(const QString& cnpj)
{
    if (!documentoValido(cnpj, 14))
        return false;
    return digitoVerificador(cnpj, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}) == digito(cnpj, 12)
        && digitoVerificador(cnpj, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}) == digito(cnpj, 13);
}

QString FormataDocumento(const QString& documento, bool pontua)
{
    if (!pontua) {
        if (documento.size() == 14 || documento.size() == 18)
            return SomenteDigitos(documento);
        return {};
    }
    if (!somenteDigitos(documento))
        return {};
    const auto d = [&](int i, int n) { return documento.mid(i, n); };
    if (documento.size() == 11)
        return d(0, 3) + u'.' + d(3, 3) + u'.' + d(6, 3) + u'-' + d(9, 2);
    if (documento.size() == 14)
        return d(0, 2) + u'.' + d(2, 3) + u'.' + d(5, 3) + u'/' + d(8, 4) + u'-' + d(12, 2);
    return {};
}

bool ConfereCPF(Interacao& ui, const QString& texto)
{
    const QString digitos = SomenteDigitos(texto);
    if (digitos.isEmpty() || ValidaCPF(digitos))
        return true;
    Avisa(ui, Interacao::Icone::Critico, QStringLiteral("Erro"), QStringLiteral("O número de CPF é inválido."));
    return false;
}
