#include "statements/Anexo22B.h"
#include "core/Banco.h"
#include "core/Interacao.h"
#include "core/Moeda.h"

#include <QSqlQuery>

namespace {
// Money "#,##0.00"; an absent value (no row, or NULL) stays empty.
QString dinheiro(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? Moeda::deDecimos(v.toLongLong()).formata() : QString();
}

// A ratio "##0.00": two decimals, no thousand separator.
QString indice(const QVariant& v) { return dinheiro(v).remove(u'.'); }

// A field left empty is stored as the empty text, never NULL.
QString gravado(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

// One value of a line of a statement of the period; invalid when the line has no row.
QVariant daLinha(const Contexto& ctx, const QString& tabela, const QString& coluna, int campo)
{
    QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT %1 FROM %2 WHERE Campo = ? AND BimReferencia = ?").arg(coluna, tabela),
                                         {campo, ctx.BimReferencia});
    return q.next() ? q.value(0) : QVariant();
}
} // namespace

int IndiceQuadrimestre22B(const QString& tipoMenu, const QString& periodo)
{
    const QString t = tipoMenu.trimmed().toUpper();
    if (t == u"A" || t == u"F" || t == u"B")
        return 1;
    const int bimestre = periodo.mid(4, 2).toInt();
    return bimestre >= 4 ? 2 : 1;
}

LimitesPessoal22B LimitesPessoal(const TipoOrgao22B& o)
{
    const QString tipo = o.tipoMenu.trimmed().toUpper();
    const QString codigo = o.codigo.trimmed().toUpper();
    if (codigo.startsWith(u'P'))
        return {QStringLiteral("54,00"), QStringLiteral("51,30")};
    if (tipo == u"C" || tipo == u"J")
        return {QStringLiteral("6,00"), QStringLiteral("5,70")};
    if (tipo == u"G")
        return {QStringLiteral("49,00"), QStringLiteral("46,55")};
    if (tipo == u"L")
        return codigo == u"L001" ? LimitesPessoal22B{QStringLiteral("2,38"), QStringLiteral("2,26")}
                                 : LimitesPessoal22B{QStringLiteral("0,62"), QStringLiteral("0,59")};
    if (tipo == u"D" && (codigo == u"D005" || codigo == u"D006"))
        return {QStringLiteral("2,00"), QStringLiteral("1,90")};
    return {};
}

QString LimiteDivida22B(const TipoOrgao22B& o)
{
    if (o.codigo.trimmed().startsWith(u'P', Qt::CaseInsensitive))
        return QStringLiteral("120,00");
    if (o.tipoMenu.trimmed().compare(u"G", Qt::CaseInsensitive) == 0)
        return QStringLiteral("200,00");
    return {};
}

TipoOrgao22B TipoDoOrgao(const Contexto& ctx)
{
    return {ctx.CodigoOrgao,
            ctx.BancoOrgao.valor(QStringLiteral("SELECT TipoMenu FROM tabOrgaos WHERE Codigo = ?"), {ctx.CodigoOrgao}).toString()};
}

std::vector<LinhaAnexo22B> PreencheAnexo22B(const Contexto& ctx)
{
    const TipoOrgao22B orgao = TipoDoOrgao(ctx);
    std::vector<LinhaAnexo22B> l(LinhasAnexo22B);
    {
        QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT campo, descricao FROM tabAnexo22bCampos ORDER BY campo"));
        while (q.next())
            if (const int c = q.value(0).toInt(); c >= 1 && c <= LinhasAnexo22B)
                l[size_t(c - 1)].descricao = q.value(1).toString();
    }
    for (int i = 0; i < LinhasAnexo22B; ++i)
        l[size_t(i)].campo = i + 1;
    auto linha = [&l](int n) -> LinhaAnexo22B& { return l[size_t(n - 1)]; };

    // 1: the current net revenue, the twelve-month total of line 3 of Anexo 03 as of the bimester.
    {
        QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT valor FROM tabAnexo03Movimento WHERE anomes = ? AND campo = '3'"),
                                             {QStringLiteral("TOT") + ctx.BimReferencia.mid(4, 2)});
        if (q.next())
            linha(1).valor = dinheiro(q.value(0));
    }
    // 2 to 4: personnel expense (Anexo 15) and its limits.
    const auto a15 = [&ctx](int campo) { return daLinha(ctx, QStringLiteral("tabAnexo15Movimento"), QStringLiteral("Ult12Mes"), campo); };
    linha(2).valor = dinheiro(a15(12));
    linha(2).limite = dinheiro(a15(15));
    linha(3).valor = dinheiro(a15(16));
    linha(4).valor = dinheiro(a15(17));
    const LimitesPessoal22B pessoal = LimitesPessoal(orgao);
    linha(3).limite = pessoal.maximo;
    linha(4).limite = pessoal.prudencial;
    // 5 and 6: consolidated net debt (Anexo 16), 7 and 8: guarantees (Anexo 17), in the
    // column of the sub-period.
    const QString q = QString::number(IndiceQuadrimestre22B(orgao.tipoMenu, ctx.BimReferencia));
    const auto a16 = [&](int campo) {
        return daLinha(ctx, QStringLiteral("tabAnexo16Movimento"), QStringLiteral("SaldoAte") + q + QStringLiteral("Quad"), campo);
    };
    linha(5).valor = dinheiro(a16(21));
    linha(5).limite = indice(a16(24));
    linha(6).valor = dinheiro(a16(25));
    linha(6).limite = LimiteDivida22B(orgao);
    const auto a17 = [&](int campo) { return daLinha(ctx, QStringLiteral("tabAnexo17Movimento"), QStringLiteral("AteQuadri") + q, campo); };
    linha(7).valor = dinheiro(a17(7));
    linha(7).limite = indice(a17(9));
    linha(8).valor = dinheiro(a17(10));
    linha(8).limite = QStringLiteral("22,00");
    // 9 to 12: credit operations (Anexo 18).
    const auto a18 = [&ctx](int campo) {
        return daLinha(ctx, QStringLiteral("tabAnexo18Movimento"), QStringLiteral("AteQuadrimestre"), campo);
    };
    linha(9).valor = dinheiro(a18(1));
    linha(9).limite = indice(a18(7));
    linha(10).valor = dinheiro(a18(4));
    linha(10).limite = indice(a18(8));
    linha(11).valor = dinheiro(a18(9));
    linha(11).limite = QStringLiteral("16,00");
    linha(12).valor = dinheiro(a18(10));
    linha(12).limite = QStringLiteral("7,00");
    // 13: unprocessed payables of earlier exercises and the net cash (Anexo 20).
    {
        QSqlQuery s = ctx.BancoOrgao.executa(QStringLiteral("SELECT SUM(Exercicio_Anterior_NP) AS Valor, SUM(disponibilidade) AS disp "
                                                            "FROM tabAnexo20Movimento WHERE BimReferencia = ?"),
                                             {ctx.BimReferencia});
        if (s.next()) {
            linha(13).valor = dinheiro(s.value(0));
            linha(13).limite = dinheiro(s.value(1));
        }
    }
    return l;
}

bool GravaAnexo22B(Contexto& ctx, const std::vector<LinhaAnexo22B>& linhas)
{
    try {
        const Banco& b = ctx.BancoOrgao;
        Transacao t(b);
        b.executa(QStringLiteral("DELETE FROM tabAnexo22bMovimento WHERE BimReferencia = ?"), {ctx.BimReferencia});
        for (const LinhaAnexo22B& l : linhas)
            b.executa(QStringLiteral("INSERT INTO tabAnexo22bMovimento (BimReferencia, Campo, Valor, Limite) VALUES (?, ?, ?, ?)"),
                      {ctx.BimReferencia, l.campo, gravado(l.valor), gravado(l.limite)});
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Não foi possível gravar os valores."), e.falha());
        return false;
    }
    MostraAviso(ctx.interacao(), QStringLiteral("Valores gravados com sucesso!"));
    return true;
}

TabelaDemonstrativo TabelaAnexo22B(Contexto& ctx)
{
    TabelaDemonstrativo t{TituloAnexo22B, {QStringLiteral("Linha"), QStringLiteral("Valor"), QStringLiteral("Limite")}, {}};
    for (const LinhaAnexo22B& l : PreencheAnexo22B(ctx))
        t.linhas << QStringList{l.descricao, l.valor, l.limite};
    return t;
}
