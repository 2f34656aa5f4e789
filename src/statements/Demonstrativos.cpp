#include "statements/Demonstrativos.h"
#include "core/Anexos.h"
#include "core/Banco.h"
#include "core/Conversoes.h"
#include "statements/Formulas.h"
#include "statements/Tabela.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <functional>

namespace {
const QString ColCampo = QStringLiteral("Campo");
const QString ColDescricao = QStringLiteral("descricao");
const QString ColGrupo = QStringLiteral("grupo");
const QString ColFormula = QStringLiteral("formula");
const QString ColOrigem = QStringLiteral("origem");
const QString ColTipo = QStringLiteral("tipomovimento");

QString esferaDoOrgao(const Contexto& ctx)
{
    return ctx.CodigoOrgao.startsWith(u'P', Qt::CaseInsensitive) ? QStringLiteral("M") : QStringLiteral("E");
}

QString tipoMenu(const Contexto& ctx)
{
    try {
        return TextoDoCampo(ctx.BancoOrgao.valor(QStringLiteral("SELECT TipoMenu FROM tabOrgaos WHERE Codigo = ?"),
                                                 {ctx.CodigoOrgao}))
            .toUpper();
    } catch (const ErroBanco&) {
        return {};
    }
}

QString tituloDoAnexo(const QString& numero)
{
    for (const DefinicaoAnexo& a : CatalogoAnexos())
        if (a.numero == numero)
            return a.titulo;
    return numero;
}

// A value column; `titulo` as the 2012 model heads it.
ColunaDemonstrativo valor(const char* campo, const QString& titulo, int largura = 140)
{
    return {QString::fromLatin1(campo), titulo, TipoCampo::Valor, largura, {}};
}

// The percentage of two columns of the line, (a / b) x 100, 0 when b is 0.
ColunaDemonstrativo percentual(const char* campo, const QString& titulo, QString a, QString b)
{
    ColunaDemonstrativo c{QString::fromLatin1(campo), titulo, TipoCampo::Percentual, 110, {}};
    c.calculo = [a = std::move(a), b = std::move(b)](const Grade& g, int l) {
        const auto f = Formula::le(QStringLiteral("[1]/[2]*100"));
        return f->calcula([&](int k) { return g.moeda(l, k == 1 ? a : b); });
    };
    return c;
}

ColunaDemonstrativo diferenca(const char* campo, const QString& titulo, QString a, QString b)
{
    ColunaDemonstrativo c{QString::fromLatin1(campo), titulo, TipoCampo::Valor, 140, {}};
    c.calculo = [a = std::move(a), b = std::move(b)](const Grade& g, int l) { return g.moeda(l, a) - g.moeda(l, b); };
    return c;
}

CatalogoDemonstrativo catalogo(const char* tabela, bool tipoMovimento = true, bool esfera = false)
{
    return {QString::fromLatin1(tabela), esfera, tipoMovimento, 1};
}

// Refuses a line whose value `a` is above `b` (typed lines only).
std::function<Recusa(Grade&, int)> naoAcimaDe(QString a, QString b, QString mensagem, int tipo = 0)
{
    return [a = std::move(a), b = std::move(b), mensagem = std::move(mensagem), tipo](Grade& g, int l) -> Recusa {
        if (g.somenteLeitura(l) || (tipo && TipoMovimentoDaLinha(g, l) != tipo))
            return std::nullopt;
        if (g.moeda(l, a) > g.moeda(l, b))
            return mensagem;
        return std::nullopt;
    };
}

const ImportacaoAnexo1 ReceitaEDespesaDeCapital{
    .receita = {{QStringLiteral("atualizada"), QStringLiteral("ValorPrevistoAtualizado")},
                {QStringLiteral("ateBimAtual"), QStringLiteral("ValorRealizadoExercicio")}},
    .despesa = {{QStringLiteral("atualizada"), QStringLiteral("ValorDotAtualizada")},
                {QStringLiteral("ateBimAtual"), QStringLiteral("ValorLiqExercicio")}},
};

// The quarters (or, for the six-monthly forms, the semesters) of the fiscal-management report.
std::vector<ColunaDemonstrativo> periodosRgf(const Contexto& ctx, const char* anterior, const char* prefixo,
                                             const char* sufixo)
{
    const QString tipo = tipoMenu(ctx);
    const bool quadrimestral = tipo == u'A' || tipo == u'F';
    std::vector<ColunaDemonstrativo> r{valor(anterior, QStringLiteral("Saldo do Exercício Anterior"))};
    for (int q = 1; q <= (quadrimestral ? 3 : 2); ++q)
        r.push_back(valor((QByteArray(prefixo) + QByteArray::number(q) + sufixo).constData(),
                          quadrimestral ? QStringLiteral("Até o %1º Quadrimestre").arg(q)
                                        : QStringLiteral("Até o %1º Semestre").arg(q)));
    return r;
}

std::optional<DefinicaoDemonstrativo> monta(const Contexto& ctx, const QString& n)
{
    const bool municipal = esferaDoOrgao(ctx) == u'M';
    const QString ano = QStringLiteral("2012");
    DefinicaoDemonstrativo d;
    d.numero = n;
    d.titulo = tituloDoAnexo(n);
    d.tabela = QStringLiteral("tabAnexo%1Movimento").arg(n);
    if (n == u"04") {
        d.catalogos = {catalogo("tabAnexo04Campos")};
        d.colunas = {valor("inicial", QStringLiteral("Previsão Inicial")), valor("atualizada", QStringLiteral("Previsão Atualizada")),
                     valor("nobimestre", QStringLiteral("No Bimestre")), valor("ateobimestre", QStringLiteral("Até o Bimestre/%1").arg(ano)),
                     valor("ateobimestreanterior", QStringLiteral("Até o Bimestre/2011"))};
        d.quadros = {{1, QStringLiteral("Receitas")}, {2, QStringLiteral("Despesas")}, {3, QStringLiteral("Resultado")},
                     {4, QStringLiteral("Aportes")}, {5, QStringLiteral("Reserva Orçamentária")},
                     {6, QStringLiteral("Bens e Direitos")}};
    } else if (n == u"05") {
        d.catalogos = {catalogo("tabAnexo05Campos")};
        d.colunas = {valor("Em31DezAnoAnterior", QStringLiteral("Em 31/Dez/2011")),
                     valor("BimAnterior", QStringLiteral("No Bimestre Anterior")),
                     valor("BimAtual", QStringLiteral("No Bimestre Atual"))};
        d.quadros = {{1, QStringLiteral("Dívida Fiscal Líquida")}, {2, QStringLiteral("Resultado Nominal")},
                     {3, QStringLiteral("Regime Previdenciário")}};
    } else if (n == u"06") {
        d.catalogos = {catalogo("tabAnexo06campos", true, true)};
        d.colunas = {valor("Atualizada", QStringLiteral("Previsão/Dotação Atualizada")), valor("nobimestre", QStringLiteral("No Bimestre")),
                     valor("ateBimAnoAtual", QStringLiteral("Até o Bimestre/%1").arg(ano)),
                     valor("ateBimAnoAtualRPNP", QStringLiteral("Inscritas em RPNP %1").arg(ano)),
                     valor("ateBimAnoAnterior", QStringLiteral("Até o Bimestre/2011")),
                     valor("ateBimAnoAnteriorRPNP", QStringLiteral("Inscritas em RPNP 2011"))};
        d.quadros = {{1, QStringLiteral("Receitas Primárias")}, {2, QStringLiteral("Despesas Primárias")},
                     {3, QStringLiteral("Resultado Primário e Meta")}};
    } else if (n == u"08") {
        d.catalogos = {catalogo("tabAnexo08Campos")};
        d.colunas = {valor("atualizada", QStringLiteral("Previsão/Dotação Atualizada (a)")), valor("nobimestre", QStringLiteral("No Bimestre")),
                     valor("ateBimAtual", QStringLiteral("Realizadas/Executadas até o Bimestre (b)")),
                     diferenca("Saldo", QStringLiteral("Saldo a Realizar/Executar (a-b)"), QStringLiteral("atualizada"),
                               QStringLiteral("ateBimAtual"))};
        d.mensagemGravado = QStringLiteral("Valores Gravados com Sucesso!");
        d.anexo1 = ReceitaEDespesaDeCapital;
        d.valida = naoAcimaDe(QStringLiteral("nobimestre"), QStringLiteral("atualizada"),
                              QStringLiteral("Valor no Bimestre não pode ser superior ao Atualizado."));
    } else if (n == u"10") {
        d.catalogos = {catalogo("tabAnexo10Campos")};
        d.colunas = {valor("ACE", QStringLiteral("Previsão/Dotação Atualizada")), valor("BDF", QStringLiteral("Realizado/Liquidado")),
                     valor("efg", QStringLiteral("Inscritas em Restos a Pagar")), valor("Saldo", QStringLiteral("Saldo"))};
        d.quadros = {{1, QStringLiteral("Receitas de Alienação")}, {2, QStringLiteral("Aplicação dos Recursos")},
                     {3, QStringLiteral("Saldo")}};
        d.anexo1 = ImportacaoAnexo1{.receita = {{QStringLiteral("ACE"), QStringLiteral("ValorPrevistoAtualizado")},
                                                {QStringLiteral("BDF"), QStringLiteral("ValorRealizadoExercicio")}},
                                    .despesa = {{QStringLiteral("ACE"), QStringLiteral("ValorDotAtualizada")},
                                                {QStringLiteral("BDF"), QStringLiteral("ValorLiqExercicio")}}};
        d.valida = naoAcimaDe(QStringLiteral("BDF"), QStringLiteral("ACE"), QStringLiteral(" Valor Liquidado não pode ser maior que o previsto."));
    } else if (n == u"11") {
        d.catalogos = {catalogo(municipal ? "tabAnexo11MunCampos" : "tabAnexo11Campos")};
        if (ctx.BimReferencia.endsWith(QStringLiteral("06")))
            d.catalogos.push_back({QStringLiteral("tabAnexo11Campos_06"), true, false, 6});
        d.colunas = {valor("Inicial", QStringLiteral("Previsão Inicial")), valor("Atualizada", QStringLiteral("Previsão/Dotação Atualizada (a)")),
                     valor("NoBimestre", QStringLiteral("No Bimestre")), valor("ateoBimestre", QStringLiteral("Até o Bimestre (b)")),
                     valor("RPNP", QStringLiteral("Inscritas em RPNP")),
                     percentual("Percentual", QStringLiteral("% (b/a)x100"), QStringLiteral("ateoBimestre"), QStringLiteral("Atualizada"))};
        d.quadros = {{1, QStringLiteral("Receitas do Ensino")}, {2, QStringLiteral("FUNDEB")}, {3, QStringLiteral("Despesas com MDE")},
                     {4, QStringLiteral("Deduções e Limite")}, {5, QStringLiteral("Outras Informações")}};
        if (d.catalogos.size() > 1)
            d.quadros.push_back({6, QStringLiteral("Encerramento do Exercício")});
        d.anexo1 = ImportacaoAnexo1{
            .receita = {{QStringLiteral("Inicial"), QStringLiteral("ValorPrevistoInicial")},
                        {QStringLiteral("Atualizada"), QStringLiteral("ValorPrevistoAtualizado")},
                        {QStringLiteral("NoBimestre"), QStringLiteral("ValorRealizadoBimestre")},
                        {QStringLiteral("ateoBimestre"), QStringLiteral("ValorRealizadoExercicio")}},
            .despesaPorFuncao = {{QStringLiteral("Inicial"), QStringLiteral("ValorDotInicial")},
                                 {QStringLiteral("Atualizada"), QStringLiteral("ValorDotAtualizada")},
                                 {QStringLiteral("NoBimestre"), QStringLiteral("valorliqbimestre")},
                                 {QStringLiteral("ateoBimestre"), QStringLiteral("valorliqexercicio")},
                                 {QStringLiteral("RPNP"), QStringLiteral("ValorRPNP")}},
            .pergunta = QStringLiteral("Todos os dados serão equilvalentes aos preenchidos no Anexo I e II. Deseja continuar.")};
        d.valida = naoAcimaDe(QStringLiteral("ateoBimestre"), QStringLiteral("Atualizada"),
                              QStringLiteral("Valor Acumulado não pode ser maior que o Previsto"), 1);
    } else if (n == u"12") {
        d.catalogos = {catalogo(municipal ? "tabAnexo12CamposMun" : "tabAnexo12Campos")};
        d.colunas = {valor("Inicial", QStringLiteral("Previsão Inicial")), valor("previsao", QStringLiteral("Previsão/Dotação Atualizada (a)")),
                     valor("ateoBimestre", QStringLiteral("Até o Bimestre (b)")), valor("RPNP", QStringLiteral("Inscritas em RPNP")),
                     percentual("porcentagem", QStringLiteral("% (b/a)x100"), QStringLiteral("ateoBimestre"), QStringLiteral("previsao"))};
        d.quadros = {{1, QStringLiteral("Receitas")}, {2, QStringLiteral("Despesas por Natureza")},
                     {3, QStringLiteral("Não Computadas e Limite")}, {4, QStringLiteral("Restos a Pagar")},
                     {5, QStringLiteral("Por Subfunção")}};
    } else if (n == u"15") {
        d.catalogos = {catalogo("tabAnexo15Campos", false)};
        d.colunas = {valor("Ult12Mes", QStringLiteral("Liquidadas nos Últimos 12 Meses")),
                     valor("RestosAPAgar", QStringLiteral("Inscritas em RPNP"))};
    } else if (n == u"16") {
        d.catalogos = {catalogo("tabAnexo16Campos")};
        d.colunas = periodosRgf(ctx, "SaldoExercAnt", "SaldoAte", "Quad");
        d.quadros = {{1, QStringLiteral("Dívida Consolidada")}, {2, QStringLiteral("Dívida Contratual")},
                     {3, QStringLiteral("Outros Valores")}, {4, QStringLiteral("Regime Previdenciário")}};
    } else if (n == u"17") {
        d.catalogos = {catalogo("tabAnexo17Campos")};
        d.colunas = periodosRgf(ctx, "SaldoAnterior", "AteQuadri", "");
        d.quadros = {{1, QStringLiteral("Garantias Concedidas")}, {2, QStringLiteral("Contragarantias Recebidas")}};
    } else if (n == u"18") {
        d.catalogos = {catalogo("tabAnexo18Campos", false)};
        d.colunas = {valor("NoQuadrimestre", QStringLiteral("No Quadrimestre")),
                     valor("AteQuadrimestre", QStringLiteral("Até o Quadrimestre"))};
    } else if (n == u"29") {
        d.catalogos = {catalogo("tabanexo29Campos", false)};
        for (const auto& [a, corrente, constante, pib] : {std::tuple{"2012", "Valor_corrente_2006", "Valor_constante_2006", "Porc_a"},
                                                          std::tuple{"2013", "Valor_corrente_2007", "Valor_constante_2007", "Porc_b"},
                                                          std::tuple{"2014", "Valor_corrente_2008", "Valor_constante_2008", "Porc_c"}}) {
            d.colunas.push_back(valor(corrente, QStringLiteral("%1 Valor Corrente").arg(QLatin1String(a))));
            d.colunas.push_back(valor(constante, QStringLiteral("%1 Valor Constante").arg(QLatin1String(a))));
            d.colunas.push_back({QString::fromLatin1(pib), QStringLiteral("%1 % PIB").arg(QLatin1String(a)), TipoCampo::Percentual, 90, {}});
        }
    } else if (n == u"30") {
        d.catalogos = {catalogo("tabanexo30Campos", false)};
        d.colunas = {valor("Meta_previstas", QStringLiteral("Metas Previstas em 2011 (a)")),
                     {QStringLiteral("Porc_a"), QStringLiteral("% PIB"), TipoCampo::Percentual, 90, {}},
                     valor("Meta_Realizada", QStringLiteral("Metas Realizadas em 2011 (b)")),
                     {QStringLiteral("Porc_b"), QStringLiteral("% PIB"), TipoCampo::Percentual, 90, {}}};
    } else if (n == u"31") {
        d.catalogos = {catalogo("tabanexo31Campos")};
        int a = 2009;
        for (const char* c : {"v2004", "v2005", "v2006", "v2007", "v2008", "v2009"})
            d.colunas.push_back(valor(c, QString::number(a++), 120));
        d.quadros = {{1, QStringLiteral("Valores Correntes")}, {2, QStringLiteral("Valores Constantes")}};
    } else if (n == u"32" || n == u"33") {
        d.catalogos = {catalogo(n == u"32" ? "tabAnexo32Campos" : "tabAnexo33Campos")};
        d.colunas = {valor("v2003", QStringLiteral("2010")), valor("v2004", QStringLiteral("2009")), valor("v2005", QStringLiteral("2008"))};
        if (n == u"32")
            d.quadros = {{1, QStringLiteral("Ente")}, {2, QStringLiteral("Regime Previdenciário")}};
        else
            d.quadros = {{1, QStringLiteral("Receitas Realizadas")}, {2, QStringLiteral("Despesas Executadas")},
                         {3, QStringLiteral("Saldo Financeiro")}};
    } else if (n == u"34") {
        d.catalogos = {catalogo("TabAnexo34Campos")};
        d.colunas = {valor("V2003", QStringLiteral("2008")), valor("V2004", QStringLiteral("2009")), valor("V2005", QStringLiteral("2010"))};
        d.quadros = {{1, QStringLiteral("Receitas e Despesas")}, {2, QStringLiteral("Intra-Orçamentárias")},
                     {3, QStringLiteral("Aportes e Bens")}};
    } else if (n == u"36") {
        d.catalogos = {catalogo("tabAnexo36Campos", false)};
        d.colunas = {valor("valorprevisto", QStringLiteral("Valor Previsto para %1").arg(ano), 160)};
    } else {
        return std::nullopt;
    }
    if (n.toInt() >= 29 && n.toInt() <= 36)
        d.mensagemGravado = QStringLiteral("Valores Incluidos Com Sucesso");
    return d;
}

// The lines of the statement's catalogues: those of the body's sphere (with a "?" for it per
// catalogue that has spheres, the values appended to `valores`), or all of them (valores null).
QString linhasDosCatalogos(const DefinicaoDemonstrativo& d, QVariantList* valores, const QString& esfera)
{
    QStringList partes;
    for (const CatalogoDemonstrativo& c : d.catalogos) {
        QString sql = QStringLiteral("SELECT campo, descricao, grupo, formula, origem, %1 AS tipomovimento FROM %2")
                          .arg(c.tipoMovimento ? QStringLiteral("tipomovimento") : QString::number(c.tipoFixo), c.tabela);
        if (c.esfera && valores) {
            sql += QStringLiteral(" WHERE esfera IN ('EM', ?)");
            *valores << esfera;
        }
        partes << sql;
    }
    return u'(' + partes.join(QStringLiteral(" UNION ALL ")) + u')';
}

// The columns worked out from the others of their line.
void calculaColunas(Grade& g, const DefinicaoDemonstrativo& d)
{
    for (const ColunaDemonstrativo& c : d.colunas)
        if (c.calculo)
            for (int l = 0; l < g.linhas(); ++l)
                if (const Moeda v = c.calculo(g, l); g.valor(l, c.campo).isNull() || g.moeda(l, c.campo) != v)
                    g.defineMoeda(l, c.campo, v);
}
} // namespace

QStringList AnexosDeLinhas()
{
    return {QStringLiteral("04"), QStringLiteral("05"), QStringLiteral("06"), QStringLiteral("08"), QStringLiteral("10"),
            QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("15"), QStringLiteral("16"), QStringLiteral("17"),
            QStringLiteral("18"), QStringLiteral("29"), QStringLiteral("30"), QStringLiteral("31"), QStringLiteral("32"),
            QStringLiteral("33"), QStringLiteral("34"), QStringLiteral("36")};
}

std::optional<DefinicaoDemonstrativo> DemonstrativoDoAnexo(const Contexto& ctx, const QString& numero)
{
    return monta(ctx, numero);
}

DefinicaoGrade GradeDoDemonstrativo(const Contexto& ctx, const DefinicaoDemonstrativo& d)
{
    const QString esfera = esferaDoOrgao(ctx);
    // The captions are read from every catalogue; the lines shown, and those a period never
    // saved is prepared with, are those of the body's sphere.
    const QString todas = linhasDosCatalogos(d, nullptr, esfera);
    QVariantList valores;
    const QString daEsfera = linhasDosCatalogos(d, &valores, esfera);
    const auto doCatalogo = [&](const QString& coluna) {
        return QStringLiteral("SELECT c.%1 FROM %2 c WHERE c.campo = t.Campo").arg(coluna, todas);
    };
    const auto oculta = [&](const QString& campo) {
        return ColunaGrade{.campo = campo, .titulo = campo, .tipo = TipoColuna::Descricao, .oculta = true,
                           .expressao = doCatalogo(campo), .gravada = false};
    };
    std::vector<ColunaGrade> colunas{
        {.campo = ColCampo, .titulo = QStringLiteral("Campo"), .tipo = TipoColuna::Calculada, .formato = TipoCampo::Inteiro,
         .largura = 50, .oculta = true},
        {.campo = ColDescricao, .titulo = QStringLiteral("Especificação"), .tipo = TipoColuna::Descricao, .largura = 480,
         .expressao = doCatalogo(ColDescricao), .gravada = false}};
    for (const ColunaDemonstrativo& c : d.colunas)
        colunas.push_back({.campo = c.campo, .titulo = c.titulo, .tipo = c.calculo ? TipoColuna::Calculada : TipoColuna::Entrada,
                           .formato = c.tipo, .largura = c.largura});
    for (const QString& campo : {ColGrupo, ColFormula, ColOrigem, ColTipo})
        colunas.push_back(oculta(campo));
    DefinicaoGrade g{
        .tabela = d.tabela,
        .chave = {ColCampo},
        .ordem = QStringLiteral("tipomovimento, t.Campo"),
        .condicao = QStringLiteral("t.Campo IN (SELECT campo FROM %1)").arg(daEsfera),
        .valoresCondicao = valores,
        .colunas = std::move(colunas),
        .aposAlterar =
            [d](Grade& grade, int, int coluna) {
                CalculaLinhas(grade, coluna);
                calculaColunas(grade, d);
            },
        .antesGravar = d.valida,
        .colunaSomenteLeitura = ColGrupo,
        .permiteIncluir = false,
        .permiteExcluir = false,
        .gravaPeriodoInteiro = true,
        .mensagemGravado = d.mensagemGravado,
        .consultaCatalogo = QStringLiteral("SELECT campo AS Campo, descricao, grupo, formula, origem, tipomovimento FROM %1 "
                                           "ORDER BY tipomovimento, campo")
                                .arg(daEsfera),
        .valoresCatalogo = valores,
    };
    return g;
}

int TipoMovimentoDaLinha(const Grade& g, int linha) { return g.valor(linha, ColTipo).toInt(); }

void CalculaLinhas(Grade& g, int coluna)
{
    const int descricao = g.indice(ColDescricao);
    const int grupo = g.indice(ColGrupo);
    QHash<int, int> linhaDoCampo;
    for (int l = 0; l < g.linhas(); ++l)
        linhaDoCampo.insert(g.valor(l, ColCampo).toInt(), l);
    std::vector<int> valores;
    for (int c = descricao + 1; c < grupo; ++c)
        if ((coluna < 0 || c == coluna || g.coluna(c).tipo == TipoColuna::Calculada)
            && (g.coluna(c).formato == TipoCampo::Valor || g.coluna(c).formato == TipoCampo::Percentual))
            valores.push_back(c);
    std::vector<std::optional<Formula>> formulas(size_t(g.linhas()));
    for (int l = 0; l < g.linhas(); ++l)
        if (const QString f = g.valor(l, ColFormula).toString().trimmed(); !f.isEmpty())
            formulas[size_t(l)] = Formula::le(f);
    for (int c : valores) {
        if (g.coluna(c).tipo == TipoColuna::Calculada)
            continue; // worked out per line below
        // An emptied typed cell is 0.
        for (int l = 0; l < g.linhas(); ++l)
            if (!formulas[size_t(l)] && g.valor(l, c).isNull())
                g.defineMoeda(l, g.coluna(c).campo, Moeda());
        QHash<int, Moeda> feitos;
        QSet<int> emCurso;
        std::function<Moeda(int)> valorDe = [&](int campo) -> Moeda {
            const auto it = linhaDoCampo.constFind(campo);
            if (it == linhaDoCampo.constEnd())
                return {};
            const int l = *it;
            if (!formulas[size_t(l)])
                return g.moeda(l, g.coluna(c).campo);
            if (const auto f = feitos.constFind(campo); f != feitos.constEnd())
                return *f;
            if (emCurso.contains(campo))
                return {}; // a cycle in the catalogue counts as 0, never a hang
            emCurso.insert(campo);
            const Moeda v = formulas[size_t(l)]->calcula(valorDe);
            emCurso.remove(campo);
            feitos.insert(campo, v);
            return v;
        };
        for (int l = 0; l < g.linhas(); ++l)
            if (formulas[size_t(l)]) {
                const Moeda v = valorDe(g.valor(l, ColCampo).toInt());
                if (g.moeda(l, g.coluna(c).campo) != v)
                    g.defineMoeda(l, g.coluna(c).campo, v);
            }
    }
}

bool ImportaAnexo1(Grade& g, const DefinicaoDemonstrativo& d)
{
    if (!d.anexo1)
        return false;
    const ImportacaoAnexo1& m = *d.anexo1;
    const Contexto& ctx = g.contexto();
    Interacao& ui = ctx.interacao();
    if (!m.pergunta.isEmpty() && !ui.pergunta(TituloAtencao, m.pergunta))
        return false;
    const Banco& b = ctx.BancoOrgao;
    // The sub-functions of function 12 that lines name, for "12/*" (the others).
    QStringList nomeadas;
    for (int l = 0; l < g.linhas(); ++l) {
        const QString o = g.valor(l, ColOrigem).toString();
        if (o.startsWith(QStringLiteral("D:")))
            for (const QString& par : o.mid(2).split(u',', Qt::SkipEmptyParts))
                if (!par.endsWith(u'*'))
                    nomeadas << par.trimmed();
    }
    try {
        ui.cursorOcupado();
        for (int l = 0; l < g.linhas(); ++l) {
            const QString origem = g.valor(l, ColOrigem).toString().trimmed();
            if (origem.size() < 3 || origem[1] != u':')
                continue;
            const QChar tipo = origem[0].toUpper();
            const QStringList itens = origem.mid(2).split(u',', Qt::SkipEmptyParts);
            const std::vector<std::pair<QString, QString>>* colunas = nullptr;
            QString tabela, periodo;
            QStringList condicoes;
            QVariantList valores;
            if (tipo == u'R') {
                colunas = &m.receita;
                tabela = QStringLiteral("tabReceitaMovimento");
                periodo = QStringLiteral("bimreferencia");
                for (const QString& p : itens) {
                    condicoes << QStringLiteral("Codigo_tabReceitaCodigo LIKE ?");
                    valores << p.trimmed() + u'%';
                }
            } else if (tipo == u'D') {
                colunas = &m.despesaPorFuncao;
                tabela = QStringLiteral("tabDespFuncMovimento");
                periodo = QStringLiteral("Bimreferencia");
                for (const QString& par : itens) {
                    const QString f = par.section(u'/', 0, 0).trimmed(), s = par.section(u'/', 1, 1).trimmed();
                    if (s == u'*') {
                        QStringList outras;
                        for (const QString& n : nomeadas)
                            if (n.section(u'/', 0, 0) == f) {
                                outras << QStringLiteral("?");
                                valores << n.section(u'/', 1, 1);
                            }
                        condicoes << QStringLiteral("(Codigo_tabDespFuncFuncao = ?%1)")
                                         .arg(outras.isEmpty() ? QString()
                                                               : QStringLiteral(" AND Codigo_tabDespFuncSubFuncao NOT IN (%1)")
                                                                     .arg(outras.join(u',')));
                        valores.insert(valores.size() - outras.size(), f);
                    } else {
                        condicoes << QStringLiteral("(Codigo_tabDespFuncFuncao = ? AND Codigo_tabDespFuncSubFuncao = ?)");
                        valores << f << s;
                    }
                }
            } else if (tipo == u'E' || tipo == u'G') {
                colunas = &m.despesa;
                tabela = QStringLiteral("tabDespesaMovimento");
                periodo = QStringLiteral("BimReferencia");
                for (const QString& c : itens) {
                    condicoes << (tipo == u'E' ? QStringLiteral("Codigo_tabDespesaCategoriaEconomica = ?")
                                               : QStringLiteral("Codigo_tabDespesaGrupoDespesa = ?"));
                    valores << c.trimmed();
                }
            }
            if (!colunas || colunas->empty() || condicoes.isEmpty())
                continue;
            QStringList somas;
            for (const auto& [destino, fonte] : *colunas)
                somas << QStringLiteral("COALESCE(sum(%1), 0)").arg(fonte);
            QVariantList todos{ctx.BimReferencia};
            todos += valores;
            QSqlQuery q = b.executa(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? AND (%4)")
                                        .arg(somas.join(u','), tabela, periodo, condicoes.join(QStringLiteral(" OR "))),
                                    todos);
            if (!q.next())
                continue;
            for (size_t k = 0; k < colunas->size(); ++k)
                g.defineMoeda(l, (*colunas)[k].first, Moeda::deDecimos(q.value(int(k)).toLongLong()));
        }
        ui.cursorNormal();
    } catch (const ErroBanco& e) {
        ui.cursorNormal();
        MostraErro(ui, QStringLiteral("Não foi possível trazer os valores do Anexo I."), e.falha());
        return false;
    }
    CalculaLinhas(g);
    calculaColunas(g, d);
    return true;
}

TabelaDemonstrativo TabelaDoDemonstrativo(Contexto& ctx, const DefinicaoDemonstrativo& d)
{
    TabelaDemonstrativo t{d.titulo, {QStringLiteral("Especificação")}, {}};
    Grade g(ctx, GradeDoDemonstrativo(ctx, d));
    g.PreencheGrid();
    CalculaLinhas(g);
    calculaColunas(g, d);
    for (const ColunaDemonstrativo& c : d.colunas)
        t.cabecalho << c.titulo;
    for (int l = 0; l < g.linhas(); ++l) {
        QStringList linha{g.texto(l, g.indice(ColDescricao))};
        for (const ColunaDemonstrativo& c : d.colunas)
            linha << g.texto(l, g.indice(c.campo));
        t.linhas << linha;
    }
    return t;
}
