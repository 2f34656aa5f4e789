#include "core/Seguranca.h"
#include "core/Contexto.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {
// Windows-1252 0x80..0x9F; the five undefined bytes map to the C1 control of the same value.
constexpr char16_t Cp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The decimal text of x with nine decimals, as the "000.000000000" pattern gives it: the
// double is first taken to 15 significant digits, then rounded half away from zero. The digits
// come from std::to_chars, which never follows the process locale.
QString noveDecimais(double x)
{
    char buf[64];
    const auto fim = std::to_chars(buf, buf + sizeof buf - 1, x, std::chars_format::scientific, 14).ptr;
    *fim = '\0';
    // buf = d.dddddddddddddde±XX
    QString mantissa;
    for (const char* p = buf; *p && *p != 'e'; ++p)
        if (*p != '.')
            mantissa += QLatin1Char(*p);
    int expoente = 0;
    const char* e = std::strchr(buf, 'e') + 1;
    std::from_chars(e + (*e == '+' ? 1 : 0), fim, expoente);
    // digits of the integer part and of the fraction, as text
    QString inteiro, fracao;
    if (expoente >= 0) {
        inteiro = mantissa.left(expoente + 1);
        while (inteiro.size() < expoente + 1)
            inteiro += u'0';
        fracao = mantissa.mid(expoente + 1);
    } else {
        inteiro = QStringLiteral("0");
        fracao = QString(-expoente - 1, u'0') + mantissa;
    }
    while (fracao.size() < 10)
        fracao += u'0';
    // round to 9 decimals, half away from zero, on the decimal digits
    QString digitos = inteiro + fracao.left(9);
    if (fracao[9] >= u'5') {
        int i = digitos.size() - 1;
        while (i >= 0) {
            if (digitos[i] == u'9') {
                digitos[i] = u'0';
                --i;
            } else {
                digitos[i] = QChar(digitos[i].unicode() + 1);
                break;
            }
        }
        if (i < 0)
            digitos.prepend(u'1');
    }
    const QString parteInteira = digitos.left(digitos.size() - 9).rightJustified(3, u'0');
    return parteInteira + u'.' + digitos.right(9);
}
} // namespace

int CodigoCp1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (Cp1252Alto[i] == u)
            return 0x80 + i;
    return '?';
}

QChar CaractereCp1252(int codigo)
{
    if (codigo >= 0x80 && codigo <= 0x9F)
        return QChar(Cp1252Alto[codigo - 0x80]);
    return QChar(char16_t(codigo));
}

std::optional<QString> CodificaSenha(const QString& senha)
{
    double s = 0;
    for (qsizetype i = 0; i < senha.size(); ++i) {
        const auto peso = std::int16_t(9 - (i + 1));
        s += double(std::int16_t(peso * std::int16_t(CodigoCp1252(senha[i]))));
    }
    if (s < 0)
        return std::nullopt;
    const double x = std::sqrt(3.0) * std::sqrt(s);
    const QString t = noveDecimais(x);
    const QString r = t.right(8);
    QString resultado;
    for (qsizetype j = 1; j <= senha.size(); j += 2) {
        const QString par = r.mid(j - 1, 2);
        resultado += CaractereCp1252(101 + par.toInt());
    }
    return resultado;
}

bool TemPermissao(const QString& codigo, const QString& permissoes)
{
    if (permissoes.isEmpty())
        return false;
    if (permissoes.contains(QStringLiteral("P00;")))
        return true;
    return permissoes.contains(codigo + u';');
}

bool VerificaPermissao(Contexto& ctx, const QString& codigo)
{
    QSqlQuery q = ctx.BancoOrgao.executa(
        QStringLiteral("SELECT Permissoes FROM tabGrupos INNER JOIN tabUsuarios "
                       "ON (tabGrupos.Codigo = tabUsuarios.Codigo_tabGrupos) WHERE tabUsuarios.Username = ?"),
        {ctx.UsuarioAtual});
    if (!q.next())
        return false;
    if (TemPermissao(codigo, q.value(0).toString()))
        return true;
    Avisa(ctx.interacao(), Interacao::Icone::Aviso, QStringLiteral("Acesso Negado"),
          QStringLiteral("O usuário '") + ctx.UsuarioAtual + QStringLiteral("' não tem acesso a esta operação."));
    return false;
}

ResultadoLogin Identifica(Contexto& ctx, const QString& usuario, const QString& senha)
{
    const QString titulo = QStringLiteral("Erro");
    if (usuario.trimmed().isEmpty()) {
        Avisa(ctx.interacao(), Interacao::Icone::Informacao, titulo,
              QStringLiteral("Por favor informe sua identificação de usuário."));
        return ResultadoLogin::FaltaUsuario;
    }
    if (senha.trimmed().isEmpty()) {
        Avisa(ctx.interacao(), Interacao::Icone::Informacao, titulo, QStringLiteral("Por favor informe sua senha."));
        return ResultadoLogin::FaltaSenha;
    }
    const auto digest = CodificaSenha(senha);
    if (!digest) {
        // The square root of a negative weighted sum: the original failed with error 5.
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar identificar o usuário."),
                   {QStringLiteral("CodificaSenha"), 5, QStringLiteral("Chamada de procedimento ou argumento inválido.")});
        return ResultadoLogin::Falhou;
    }
    const bool achou = ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabUsuarios WHERE Username = ? AND Senha = ?"),
                                 {usuario, *digest});
    if (!achou) {
        Avisa(ctx.interacao(), Interacao::Icone::Aviso, titulo,
              QStringLiteral("Identificação de Usuário ou Senha não reconhecido(s)."));
        return ResultadoLogin::NaoReconhecido;
    }
    // Only a recognised sign-in changes who is signed in.
    ctx.UsuarioAtual = usuario;
    return ResultadoLogin::Aceito;
}
