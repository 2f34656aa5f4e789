#include "statements/Anexo22A.h"
#include "core/Banco.h"
#include "core/Anexos.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <functional>

namespace {
// The sums of a query of the period, each column as money (null as 0).
std::vector<Moeda> somas(const Banco& b, const QString& sql, const QVariantList& valores)
{
    std::vector<Moeda> r;
    QSqlQuery q = b.executa(sql, valores);
    if (q.next())
        for (int c = 0; c < q.record().count(); ++c)
            r.push_back(Moeda::deDecimos(q.value(c).toLongLong()));
    return r;
}

Moeda um(const Banco& b, const QString& sql, const QVariantList& valores)
{
    const auto r = somas(b, sql, valores);
    return r.empty() ? Moeda() : r.front();
}

// The value of a statement's line in a column, 0 when it was not saved.
Moeda linha(const Banco& b, const QString& tabela, int campo, const QString& coluna, const QString& periodo)
{
    return um(b, QStringLiteral("SELECT COALESCE(sum(%1), 0) FROM %2 WHERE Campo = ? AND BimReferencia = ?").arg(coluna, tabela),
              {campo, periodo});
}

Moeda percentual(Moeda a, Moeda b)
{
    if (b.ehZero())
        return {};
    return Moeda::deDecimos(static_cast<std::int64_t>((__int128(a.decimos()) * 100 * Moeda::Escala + b.decimos() / 2) / b.decimos()));
}
} // namespace

std::vector<LinhaSimplificado> CalculaAnexo22A(const Contexto& ctx)
{
    const Banco& b = ctx.BancoOrgao;
    const QString p = ctx.BimReferencia;
    const QString bim = p.right(2);
    std::vector<LinhaSimplificado> l;
    int n = 0;
    const auto titulo = [&](const QString& texto) { l.push_back({++n, texto, true, {}, {}, {}, {}}); };
    const auto valores = [&](const QString& texto, Moeda previsao, Moeda noBimestre, Moeda ate, Moeda saldo = {}) {
        l.push_back({++n, texto, false, previsao, noBimestre, ate, saldo});
    };

    // Budget balance: Anexo I without the deductions.
    const auto r = somas(b, QStringLiteral("SELECT COALESCE(sum(ValorPrevistoInicial), 0), COALESCE(sum(ValorPrevistoAtualizado), 0), "
                                           "COALESCE(sum(ValorRealizadoBimestre), 0), COALESCE(sum(ValorRealizadoExercicio), 0) "
                                           "FROM tabReceitaMovimento WHERE bimreferencia = ? AND substr(Codigo_tabReceitaCodigo, 1, 1) <> '9'"),
                         {p});
    const auto d = somas(b, QStringLiteral("SELECT COALESCE(sum(ValorDotInicial), 0), COALESCE(sum(ValorCredAdcionais), 0), "
                                           "COALESCE(sum(ValorDotAtualizada), 0), COALESCE(sum(ValorEmpBimestre), 0), "
                                           "COALESCE(sum(ValorEmpExercicio), 0), COALESCE(sum(ValorLiqBimestre), 0), "
                                           "COALESCE(sum(ValorLiqExercicio), 0) FROM tabDespesaMovimento WHERE BimReferencia = ?"),
                         {p});
    titulo(QStringLiteral("BALANÇO ORÇAMENTÁRIO - RECEITAS"));
    valores(QStringLiteral("Previsão Inicial"), {}, {}, r[0]);
    valores(QStringLiteral("Previsão Atualizada"), r[1], {}, r[1]);
    valores(QStringLiteral("Receitas Realizadas"), r[1], r[2], r[3]);
    // The balance of the year up to the bimester: realised revenue against liquidated expense.
    const Moeda resultado = r[3] - d[6];
    valores(QStringLiteral("Déficit Orçamentário"), {}, {}, resultado < Moeda() ? -resultado : Moeda());
    titulo(QStringLiteral("BALANÇO ORÇAMENTÁRIO - DESPESAS"));
    valores(QStringLiteral("Dotação Inicial"), {}, {}, d[0]);
    valores(QStringLiteral("Créditos Adicionais"), {}, {}, d[1]);
    valores(QStringLiteral("Dotação Atualizada"), d[2], {}, d[2]);
    valores(QStringLiteral("Despesas Empenhadas"), d[2], d[3], d[4]);
    valores(QStringLiteral("Despesas Liquidadas"), d[2], d[5], d[6]);
    valores(QStringLiteral("Superávit Orçamentário"), {}, {}, resultado > Moeda() ? resultado : Moeda());

    const auto f = somas(b, QStringLiteral("SELECT COALESCE(sum(valorempbimestre), 0), COALESCE(sum(valorempexercicio), 0), "
                                           "COALESCE(sum(valorliqbimestre), 0), COALESCE(sum(valorliqexercicio), 0) "
                                           "FROM tabDespFuncMovimento WHERE Bimreferencia = ?"),
                         {p});
    titulo(QStringLiteral("DESPESAS POR FUNÇÃO/SUBFUNÇÃO"));
    valores(QStringLiteral("Despesas Empenhadas"), {}, f[0], f[1]);
    valores(QStringLiteral("Despesas Liquidadas"), {}, f[2], f[3]);

    const Moeda rcl = um(b, QStringLiteral("SELECT COALESCE(sum(valor), 0) FROM tabAnexo03Movimento WHERE campo = '3' AND anomes = ?"),
                         {QStringLiteral("TOT") + bim});
    titulo(QStringLiteral("RECEITA CORRENTE LÍQUIDA - RCL"));
    valores(QStringLiteral("Receita Corrente Líquida"), {}, {}, rcl);

    const QString a04 = QStringLiteral("tabAnexo04Movimento");
    const Moeda recPrev = linha(b, a04, 27, QStringLiteral("ateobimestre"), p);
    const Moeda despPrev = linha(b, a04, 42, QStringLiteral("ateobimestre"), p);
    titulo(QStringLiteral("RECEITAS E DESPESAS DOS REGIMES DE PREVIDÊNCIA - REGIME PRÓPRIO DE PREVIDÊNCIA DOS SERVIDORES"));
    valores(QStringLiteral("Receitas Previdenciárias Realizadas (IV)"), {}, {}, recPrev);
    valores(QStringLiteral("Despesas Previdenciárias Liquidadas (V)"), {}, {}, despPrev);
    valores(QStringLiteral("Resultado Previdenciário (VI) = (IV - V)"), {}, {}, recPrev - despPrev);

    titulo(QStringLiteral("RESULTADOS NOMINAL E PRIMÁRIO"));
    valores(QStringLiteral("Resultado Nominal"), {}, {}, linha(b, QStringLiteral("tabAnexo05Movimento"), 11, QStringLiteral("BimAtual"), p),
            linha(b, QStringLiteral("tabAnexo05Movimento"), 12, QStringLiteral("BimAtual"), p));
    valores(QStringLiteral("Resultado Primário"), {}, {}, linha(b, QStringLiteral("tabAnexo06Movimento"), 41, QStringLiteral("ateBimAnoAtual"), p),
            linha(b, QStringLiteral("tabAnexo06Movimento"), 42, QStringLiteral("ateBimAnoAtual"), p));

    const auto rp = somas(b, QStringLiteral("SELECT COALESCE(sum(RPPInscritosExercAnt + RPPInscritosExercRef), 0), "
                                            "COALESCE(sum(RPPCancelados), 0), COALESCE(sum(RPPPagos), 0), COALESCE(sum(RPPAPagar), 0), "
                                            "COALESCE(sum(RPNPInscritosExercAnt + RPNPInscritos), 0), COALESCE(sum(RPNPCancelados), 0), "
                                            "COALESCE(sum(RPNPPagos), 0), COALESCE(sum(RPNPAPagar), 0) FROM tabAnexo07Movimento "
                                            "WHERE BimReferencia = ?"),
                          {p});
    titulo(QStringLiteral("RESTOS A PAGAR POR PODER E MINISTÉRIO PÚBLICO"));
    valores(QStringLiteral("RESTOS A PAGAR PROCESSADOS - Inscrição"), {}, {}, rp[0]);
    valores(QStringLiteral("RESTOS A PAGAR PROCESSADOS - Cancelamento até o Bimestre"), {}, {}, rp[1]);
    valores(QStringLiteral("RESTOS A PAGAR PROCESSADOS - Pagamento até o Bimestre"), {}, {}, rp[2]);
    valores(QStringLiteral("RESTOS A PAGAR PROCESSADOS - Saldo a Pagar"), {}, {}, rp[3]);
    valores(QStringLiteral("RESTOS A PAGAR NÃO PROCESSADOS - Inscrição"), {}, {}, rp[4]);
    valores(QStringLiteral("RESTOS A PAGAR NÃO PROCESSADOS - Cancelamento até o Bimestre"), {}, {}, rp[5]);
    valores(QStringLiteral("RESTOS A PAGAR NÃO PROCESSADOS - Pagamento até o Bimestre"), {}, {}, rp[6]);
    valores(QStringLiteral("RESTOS A PAGAR NÃO PROCESSADOS - Saldo a Pagar"), {}, {}, rp[7]);

    // The percentages of education: the municipal lines, or the state's (G001) 95.
    const bool municipal = ctx.CodigoOrgao.startsWith(u'P', Qt::CaseInsensitive);
    const QString a11 = QStringLiteral("tabAnexo11Movimento");
    titulo(QStringLiteral("DESPESAS COM MANUTENÇÃO E DESENVOLVIMENTO DO ENSINO - MDE (%)"));
    valores(QStringLiteral("Mínimo Anual de 25% das Receitas de Impostos na MDE"), {}, {},
            linha(b, a11, municipal ? 90 : 95, QStringLiteral("ateoBimestre"), p));
    valores(QStringLiteral("Mínimo Anual de 60% do FUNDEB na Remuneração do Magistério"), {}, {},
            linha(b, a11, 228, QStringLiteral("ateoBimestre"), p));

    const QString a08 = QStringLiteral("tabAnexo08Movimento");
    titulo(QStringLiteral("RECEITAS DE OPERAÇÕES DE CRÉDITO E DESPESAS DE CAPITAL"));
    valores(QStringLiteral("Receita de Operação de Crédito"), {}, {}, linha(b, a08, 1, QStringLiteral("ateBimAtual"), p));
    valores(QStringLiteral("Despesa de Capital Líquida"), {}, {}, linha(b, a08, 5, QStringLiteral("ateBimAtual"), p));

    const auto pa = somas(b, QStringLiteral("SELECT COALESCE(sum(RecValor), 0), COALESCE(sum(DespValor), 0), COALESCE(sum(ResultadoValor), 0) "
                                            "FROM tabAnexo09Movimento WHERE BimReferencia = ? AND Exercicio = ?"),
                          {p, p.left(4).toInt()});
    titulo(QStringLiteral("PROJEÇÃO ATUARIAL DOS REGIMES DE PREVIDÊNCIA - REGIME PRÓPRIO (%1)").arg(p.left(4)));
    valores(QStringLiteral("Receitas Previdenciárias"), {}, {}, pa[0]);
    valores(QStringLiteral("Despesas Previdenciárias"), {}, {}, pa[1]);
    valores(QStringLiteral("Resultado Previdenciário"), {}, {}, pa[2]);

    const QString a10 = QStringLiteral("tabAnexo10Movimento");
    titulo(QStringLiteral("RECEITA DA ALIENAÇÃO DE ATIVOS E APLICAÇÃO DOS RECURSOS"));
    valores(QStringLiteral("Receita de Capital Resultante da Alienação de Ativos"), {}, {}, linha(b, a10, 1, QStringLiteral("BDF"), p));
    valores(QStringLiteral("Aplicação dos Recursos da Alienação de Ativos"), {}, {}, linha(b, a10, 4, QStringLiteral("BDF"), p));

    titulo(QStringLiteral("DESPESAS COM AÇÕES E SERVIÇOS PÚBLICOS DE SAÚDE (%)"));
    valores(QStringLiteral("Despesas Próprias com Ações e Serviços Públicos de Saúde"), {}, {},
            linha(b, QStringLiteral("tabAnexo12Movimento"), 39, QStringLiteral("ateoBimestre"), p));

    const Moeda ppp = um(b, QStringLiteral("SELECT COALESCE(sum(ateoBimestre), 0) FROM tabAnexo39Movimento WHERE BimReferencia = ?"), {p});
    titulo(QStringLiteral("DESPESAS DE CARÁTER CONTINUADO DERIVADAS DE PPP"));
    valores(QStringLiteral("Total das Despesas / RCL (%)"), {}, ppp, percentual(ppp, rcl));
    return l;
}

std::vector<LinhaSimplificado> PreparaAnexo22A(const Contexto& ctx)
{
    std::vector<LinhaSimplificado> linhas = CalculaAnexo22A(ctx);
    const Banco& b = ctx.BancoOrgao;
    Transacao t(b);
    b.executa(QStringLiteral("DELETE FROM tabAnexo22aTemp WHERE BimReferencia = ?"), {ctx.BimReferencia});
    for (const LinhaSimplificado& l : linhas)
        b.executa(QStringLiteral("INSERT INTO tabAnexo22aTemp (BimReferencia, Campo, Descricao, PrevisaoAtualizada, NoBimestre, "
                                 "AteBimestre, SaldoExercicioAnteAteBim) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {ctx.BimReferencia, l.campo, l.descricao, qlonglong(l.previsao.decimos()), qlonglong(l.noBimestre.decimos()),
                   qlonglong(l.ateBimestre.decimos()), qlonglong(l.saldo.decimos())});
    t.confirma();
    return linhas;
}

bool GravaAnexo22A(Contexto& ctx, const std::vector<LinhaSimplificado>& linhas)
{
    const Banco& b = ctx.BancoOrgao;
    try {
        Transacao t(b);
        b.executa(QStringLiteral("DELETE FROM tabAnexo22aMovimento WHERE BimReferencia = ?"), {ctx.BimReferencia});
        for (const LinhaSimplificado& l : linhas)
            if (!l.titulo)
                b.executa(QStringLiteral("INSERT INTO tabAnexo22aMovimento (BimReferencia, Campo, PrevisaoAtualizada, NoBimestre, "
                                         "AteBimestre, SaldoExercicioAnteAteBim) VALUES (?, ?, ?, ?, ?, ?)"),
                          {ctx.BimReferencia, l.campo, qlonglong(l.previsao.decimos()), qlonglong(l.noBimestre.decimos()),
                           qlonglong(l.ateBimestre.decimos()), qlonglong(l.saldo.decimos())});
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Não foi possível gravar os valores."), e.falha());
        return false;
    }
    MostraAviso(ctx.interacao(), MensagemAnexo22AGravado);
    return true;
}

TabelaDemonstrativo TabelaAnexo22A(Contexto& ctx)
{
    TabelaDemonstrativo t{AnexoDoSlot(22)->titulo,
                          {QStringLiteral("Especificação"), QStringLiteral("Previsão/Dotação Atualizada"), QStringLiteral("No Bimestre"),
                           QStringLiteral("Até o Bimestre"), QStringLiteral("Saldo Anterior/Meta")},
                          {}};
    for (const LinhaSimplificado& l : PreparaAnexo22A(ctx)) {
        if (l.titulo)
            t.linhas << QStringList{l.descricao, {}, {}, {}, {}};
        else
            t.linhas << QStringList{l.descricao, l.previsao.formata(), l.noBimestre.formata(), l.ateBimestre.formata(),
                                    l.saldo.formata()};
    }
    return t;
}
