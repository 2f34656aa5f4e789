#include "budget/Receita.h"
#include "core/Banco.h"
#include "core/Conversoes.h"

#include <QSqlQuery>

namespace {
const QString ColCodigo = QStringLiteral("Codigo_tabReceitaCodigo");
const QString ColFonte = QStringLiteral("FonteRecursos");
const QString ColDescricao = QStringLiteral("descricao");
const QString ColInicial = QStringLiteral("ValorPrevistoInicial");
const QString ColBimestre = QStringLiteral("ValorRealizadoBimestre");
const QString ColExercicio = QStringLiteral("ValorRealizadoExercicio");

QString esfera(const Contexto& ctx) { return ReceitaMunicipal(ctx) ? QStringLiteral("M") : QStringLiteral("E"); }

bool primeiroBimestre(const QString& periodo) { return periodo.endsWith(u'1'); }

// The year-to-date of a line: its bimester amount and those of the earlier periods.
Moeda realizadoAnterior(const Banco& banco, const QString& periodo, const QString& codigo, const QString& fonte)
{
    return Moeda::deDecimos(banco
                                .valor(QStringLiteral("SELECT COALESCE(sum(ValorRealizadoBimestre), 0) FROM tabReceitaMovimento "
                                                      "WHERE bimreferencia < ? AND Codigo_tabReceitaCodigo = ? AND "
                                                      "Fonterecursos = ?"),
                                       {periodo, codigo, fonte})
                                .toLongLong());
}

void aposAlterar(Grade& g, int linha, int coluna)
{
    const Contexto& ctx = g.contexto();
    const Banco& banco = ctx.BancoOrgao;
    const QString campo = g.coluna(coluna).campo;
    const QString codigo = g.valor(linha, ColCodigo).toString().trimmed();
    const QString fonte = g.valor(linha, ColFonte).toString().trimmed();
    try {
        if (campo == ColCodigo) {
            g.defineValor(linha, ColDescricao, QVariant());
            if (codigo.isEmpty())
                return;
            const CodigoReceitaVerificado v = VerificaCodigoReceita(ctx, codigo);
            if (v.recusa) {
                MostraAviso(ctx.interacao(), *v.recusa);
                g.defineValor(linha, ColCodigo, QVariant());
                return;
            }
            g.defineValor(linha, ColDescricao, v.descricao);
        }
        if ((campo == ColCodigo || campo == ColFonte) && !codigo.isEmpty() && !fonte.isEmpty()
            && !primeiroBimestre(ctx.BimReferencia)) {
            // `verificainicial`: a line typed after the first bimester starts from the previous one.
            QSqlQuery q = banco.executa(QStringLiteral("SELECT ValorPrevistoInicial, ValorRealizadoExercicio FROM "
                                                       "tabReceitaMovimento WHERE bimreferencia = ? AND "
                                                       "Codigo_tabReceitaCodigo = ? AND Fonterecursos = ?"),
                                        {QString::number(ctx.BimReferencia.toLongLong() - 1), codigo, fonte});
            if (q.next()) {
                g.defineMoeda(linha, ColInicial, Moeda::deDecimos(q.value(0).toLongLong()));
                g.defineMoeda(linha, ColExercicio, Moeda::deDecimos(q.value(1).toLongLong()));
            }
        }
        if (campo == ColBimestre)
            g.defineMoeda(linha, ColExercicio,
                          g.moeda(linha, ColBimestre) + realizadoAnterior(banco, ctx.BimReferencia, codigo, fonte));
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Não foi possível consultar a receita."), e.falha());
    }
}

ColunaGrade valor(const QString& campo, const QString& titulo, bool digitado)
{
    return {.campo = campo, .titulo = titulo, .tipo = digitado ? TipoColuna::Entrada : TipoColuna::Calculada,
            .formato = TipoCampo::Valor, .largura = 120};
}
} // namespace

bool ReceitaMunicipal(const Contexto& ctx) { return ctx.CodigoOrgao.startsWith(u'P', Qt::CaseInsensitive); }

CodigoReceitaVerificado VerificaCodigoReceita(const Contexto& ctx, const QString& codigo)
{
    QSqlQuery q = ctx.BancoOrgao.executa(
        QStringLiteral("SELECT descricao, IndRecebeMovimento, competencia FROM tabReceitaCodigoNovo WHERE codigo = ?"), {codigo});
    if (!q.next())
        return {QStringLiteral("Codigo de Receita Inexistente"), {}};
    const QString competencia = q.value(2).toString().toUpper();
    const bool municipal = ReceitaMunicipal(ctx);
    if (municipal && competencia == u'E')
        return {QStringLiteral("Código de Receita exclusiva para o Estado"), {}};
    if (!municipal && competencia == u'M')
        return {QStringLiteral("Codigo de Receita exclusiva para o Município"), {}};
    if (!q.value(1).toBool())
        return {QStringLiteral("Codigo de Receita Sintetico digite o valor em um codigo Analitico"), {}};
    return {std::nullopt, q.value(0).toString()};
}

DefinicaoGrade DefinicaoReceita(const Contexto& ctx)
{
    const bool primeiro = primeiroBimestre(ctx.BimReferencia);
    ColunaGrade fonte{.campo = ColFonte, .titulo = QStringLiteral("Fonte de Recursos"), .tipo = TipoColuna::Obrigatoria,
                      .largura = 120, .tamanhoMaximo = 3, .seletor = QStringLiteral("fonte.receita")};
    return {
        .tabela = QStringLiteral("tabReceitaMovimento"),
        .chave = {ColCodigo, ColFonte},
        .colunaPeriodo = QStringLiteral("bimreferencia"),
        .ordem = QStringLiteral("t.Codigo_tabReceitaCodigo, t.FonteRecursos"),
        // Only the codes of the body's sphere.
        .condicao = QStringLiteral("EXISTS (SELECT 1 FROM tabReceitaCodigoNovo c WHERE c.codigo = t.Codigo_tabReceitaCodigo "
                                   "AND c.competencia IN ('EM', ?))"),
        .valoresCondicao = {esfera(ctx)},
        .colunas = {{.campo = ColCodigo, .titulo = QStringLiteral("Código"), .tipo = TipoColuna::Obrigatoria, .largura = 100,
                     .tamanhoMaximo = 9, .seletor = QStringLiteral("receita")},
                    fonte,
                    {.campo = QStringLiteral("indice"), .titulo = QStringLiteral("indice"), .tipo = TipoColuna::Descricao,
                     .oculta = true,
                     .expressao = QStringLiteral("SELECT c.IndRecebeMovimento FROM tabReceitaCodigoNovo c WHERE c.codigo = "
                                                 "t.Codigo_tabReceitaCodigo"),
                     .gravada = false},
                    {.campo = ColDescricao, .titulo = QStringLiteral("Descrição"), .tipo = TipoColuna::Descricao, .largura = 420,
                     .expressao = QStringLiteral("SELECT c.descricao FROM tabReceitaCodigoNovo c WHERE c.codigo = "
                                                 "t.Codigo_tabReceitaCodigo"),
                     .gravada = false},
                    valor(ColInicial, QStringLiteral("Inicial"), primeiro),
                    valor(QStringLiteral("ValorPrevistoAtualizado"), QStringLiteral("Atualizada"), true),
                    valor(ColBimestre, QStringLiteral("No Bimestre"), true),
                    valor(ColExercicio, QStringLiteral("Até o Bimestre"), false),
                    {.campo = QStringLiteral("grupo"), .titulo = QStringLiteral("grupo"), .tipo = TipoColuna::Descricao,
                     .oculta = true,
                     .expressao = QStringLiteral("SELECT c.grupo_stn FROM tabReceitaCodigoNovo c WHERE c.codigo = "
                                                 "t.Codigo_tabReceitaCodigo"),
                     .gravada = false}},
        .mensagemDuplicada = QStringLiteral("Este código ja existe com essa receita nesse bimestre"),
        .duplicadaAoDigitar = true,
        .aposAlterar = aposAlterar,
        .valoresVaziosSaoZero = true,
        .aoAbrir = [](Contexto& c) {
            if (c.BimReferencia.isEmpty() || c.BimReferencia.endsWith(QStringLiteral("01")))
                return;
            try {
                ImportaDadosReceita(c.BancoOrgao, c.BimReferencia);
            } catch (const ErroBanco& e) {
                MostraErro(c.interacao(), QStringLiteral("Não foi possível trazer a receita do bimestre anterior."), e.falha());
            }
        },
        .aoFechar = [](Contexto& c) {
            if (c.BimReferencia.isEmpty())
                return;
            try {
                ImportaDadosReceita(c.BancoOrgao, c.BimReferencia);
            } catch (const ErroBanco& e) {
                MostraErro(c.interacao(), QStringLiteral("Não foi possível trazer a receita do bimestre anterior."), e.falha());
            }
        },
    };
}

void ImportaDadosReceita(const Banco& banco, const QString& periodo)
{
    const QString anterior = QString::number(periodo.toLongLong() - 1);
    const QString soma = QStringLiteral("(SELECT COALESCE(sum(s.ValorRealizadoBimestre), 0) FROM tabReceitaMovimento s "
                                        "WHERE s.bimreferencia <= ? AND s.Codigo_tabReceitaCodigo = %1.Codigo_tabReceitaCodigo "
                                        "AND s.FonteRecursos = %1.FonteRecursos)");
    Transacao t(banco);
    banco.executa(QStringLiteral("UPDATE tabReceitaMovimento AS m SET ValorPrevistoInicial = p.ValorPrevistoInicial, "
                                 "ValorRealizadoExercicio = ")
                      + soma.arg(QStringLiteral("m"))
                      + QStringLiteral(" FROM tabReceitaMovimento AS p WHERE p.bimreferencia = ? AND m.bimreferencia = ? "
                                       "AND p.Codigo_tabReceitaCodigo = m.Codigo_tabReceitaCodigo "
                                       "AND p.FonteRecursos = m.FonteRecursos"),
                  {periodo, anterior, periodo});
    banco.executa(QStringLiteral("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos, "
                                 "ValorPrevistoInicial, ValorPrevistoAtualizado, ValorRealizadoBimestre, "
                                 "ValorRealizadoExercicio) SELECT ?, p.Codigo_tabReceitaCodigo, p.FonteRecursos, "
                                 "p.ValorPrevistoInicial, p.ValorPrevistoAtualizado, 0, ")
                      + soma.arg(QStringLiteral("p"))
                      + QStringLiteral(" FROM tabReceitaMovimento p WHERE p.bimreferencia = ? AND NOT EXISTS (SELECT 1 FROM "
                                       "tabReceitaMovimento x WHERE x.bimreferencia = ? AND x.Codigo_tabReceitaCodigo = "
                                       "p.Codigo_tabReceitaCodigo AND x.FonteRecursos = p.FonteRecursos)"),
                  {periodo, periodo, anterior, periodo});
    t.confirma();
}

QList<LinhaResumoReceita> ResumoReceita(const Contexto& ctx)
{
    QList<LinhaResumoReceita> linhas;
    QSqlQuery q = ctx.BancoOrgao.executa(
        QStringLiteral("SELECT c.codigo, c.IndRecebeMovimento, c.descricao, COALESCE(sum(m.ValorPrevistoInicial), 0), "
                       "COALESCE(sum(m.ValorPrevistoAtualizado), 0), COALESCE(sum(m.ValorRealizadoBimestre), 0), "
                       "COALESCE(sum(m.ValorRealizadoExercicio), 0), c.grupo_stn FROM tabReceitaCodigoNovo c "
                       "LEFT JOIN tabReceitaMovimento m ON m.Codigo_tabReceitaCodigo = c.codigo AND m.bimreferencia = ? "
                       "WHERE c.competencia IN ('EM', ?) GROUP BY c.codigo ORDER BY c.codigo"),
        {ctx.BimReferencia, esfera(ctx)});
    while (q.next()) {
        linhas.append({q.value(0).toString(), q.value(1).toBool(), q.value(2).toString(),
                       Moeda::deDecimos(q.value(3).toLongLong()), Moeda::deDecimos(q.value(4).toLongLong()),
                       Moeda::deDecimos(q.value(5).toLongLong()), Moeda::deDecimos(q.value(6).toLongLong()),
                       q.value(7).toString()});
    }
    // `somavalor`: a synthetic code adds the analytic codes that begin with its group.
    for (LinhaResumoReceita& s : linhas) {
        if (s.analitica || s.grupo.isEmpty())
            continue;
        for (const LinhaResumoReceita& a : std::as_const(linhas))
            if (a.analitica && a.codigo.startsWith(s.grupo)) {
                s.inicial += a.inicial;
                s.atualizada += a.atualizada;
                s.bimestre += a.bimestre;
                s.exercicio += a.exercicio;
            }
    }
    return linhas;
}

QString PlanoContas(const Banco& banco) { return TextoDoCampo(banco.valor(QStringLiteral("SELECT PlanoContas_1R FROM tabChave"))); }

void GravaPlanoContas(const Banco& banco, const QString& plano)
{
    banco.executa(QStringLiteral("UPDATE tabChave SET PlanoContas_1R = ?"), {plano});
}
