#include "statements/Listas.h"
#include "core/Banco.h"

#include <QSqlQuery>

namespace {
ColunaGrade identificador(const QString& campo)
{
    return {.campo = campo, .titulo = QStringLiteral("Id"), .tipo = TipoColuna::Calculada, .formato = TipoCampo::Inteiro,
            .largura = 50, .oculta = true};
}

ColunaGrade texto(const QString& campo, const QString& titulo, int largura, int tamanho, bool obrigatorio = true)
{
    return {.campo = campo, .titulo = titulo, .tipo = obrigatorio ? TipoColuna::Obrigatoria : TipoColuna::Entrada,
            .largura = largura, .tamanhoMaximo = tamanho};
}

ColunaGrade valor(const QString& campo, const QString& titulo, int largura = 130)
{
    return {.campo = campo, .titulo = titulo, .formato = TipoCampo::Valor, .largura = largura};
}

ColunaGrade calculado(const QString& campo, const QString& titulo, int largura = 130)
{
    return {.campo = campo, .titulo = titulo, .tipo = TipoColuna::Calculada, .formato = TipoCampo::Valor, .largura = largura};
}

// A list of free rows of the open period: identified by the next code, money never null.
DefinicaoGrade lista(const QString& tabela, const QString& id, std::vector<ColunaGrade> colunas)
{
    colunas.insert(colunas.begin(), identificador(id));
    return {.tabela = tabela,
            .ordem = QStringLiteral("t.") + id,
            .colunas = std::move(colunas),
            .identificador = id,
            .valoresVaziosSaoZero = true};
}

// destino := soma − subtrai, over money columns of the row.
std::function<void(Grade&, int, int)> diferenca(const QString& destino, QStringList soma, QStringList subtrai)
{
    return [=](Grade& g, int linha, int) {
        Moeda r;
        for (const QString& c : soma)
            r += g.moeda(linha, c);
        for (const QString& c : subtrai)
            r -= g.moeda(linha, c);
        g.defineMoeda(linha, destino, r);
    };
}

// The kinds of resource of the cash-availability and payables statements.
std::vector<OpcaoLista> TiposRecurso()
{
    return {{QStringLiteral("1"), QStringLiteral("Recursos Não Vinculados")},
            {QStringLiteral("2"), QStringLiteral("Recursos Vinculados")},
            {QStringLiteral("3"), QStringLiteral("Recursos do RPPS")}};
}

// Rows by kind of resource and destination, then the value columns.
DefinicaoGrade porTipoDeRecurso(const QString& tabela, const std::vector<ColunaGrade>& valores)
{
    std::vector<ColunaGrade> colunas{{.campo = QStringLiteral("tipo"), .titulo = QStringLiteral("Tipo de Recurso"),
                                      .tipo = TipoColuna::Obrigatoria, .formato = TipoCampo::Lista, .largura = 190,
                                      .opcoes = TiposRecurso()},
                                     texto(QStringLiteral("Descricao"), QStringLiteral("Destinação de Recursos"), 300, 100)};
    colunas.insert(colunas.end(), valores.begin(), valores.end());
    DefinicaoGrade d = lista(tabela, QStringLiteral("idLinha"), std::move(colunas));
    d.ordem = QStringLiteral("t.tipo, t.idLinha");
    return d;
}

// The body's sphere: its row in tabOrgaos, or the code ("P" is municipal) when the row says none.
QString esferaDoOrgao(const Contexto& ctx)
{
    QString esfera;
    try {
        esfera = ctx.BancoOrgao.valor(QStringLiteral("SELECT esfera FROM tabOrgaos WHERE Codigo = ?"), {ctx.CodigoOrgao})
                     .toString().trimmed().toUpper();
    } catch (const ErroBanco&) {
    }
    if (esfera != u"M" && esfera != u"E")
        esfera = ctx.CodigoOrgao.startsWith(u'P', Qt::CaseInsensitive) ? QStringLiteral("M") : QStringLiteral("E");
    return esfera;
}
} // namespace

DefinicaoGrade DefinicaoAnexo07(const Contexto& ctx)
{
    std::vector<OpcaoLista> poderes;
    try {
        QSqlQuery q = ctx.BancoOrgao.executa(
            QStringLiteral("SELECT Codigo, Descricao FROM tabAnexo07Poderes WHERE esfera IN ('EM', ?) ORDER BY Codigo"),
            {esferaDoOrgao(ctx)});
        while (q.next())
            poderes.push_back({q.value(0).toString(), q.value(1).toString()});
    } catch (const ErroBanco&) {
    }
    ColunaGrade poder{.campo = QStringLiteral("Poder"), .titulo = QStringLiteral("Poder"), .tipo = TipoColuna::Obrigatoria,
                      .formato = TipoCampo::Lista, .largura = 170, .opcoes = std::move(poderes)};
    DefinicaoGrade d = lista(QStringLiteral("tabAnexo07Movimento"), QStringLiteral("idLinha"),
                             {poder, texto(QStringLiteral("Orgao"), QStringLiteral("Órgão"), 260, 100),
                              valor(QStringLiteral("RPPInscritosExercAnt"), QStringLiteral("RP Proc. Inscr. Exerc. Anteriores")),
                              valor(QStringLiteral("RPPInscritosExercRef"), QStringLiteral("RP Proc. Inscr. em 31/12/2011")),
                              valor(QStringLiteral("RPPCancelados"), QStringLiteral("RP Proc. Cancelados")),
                              valor(QStringLiteral("RPPPagos"), QStringLiteral("RP Proc. Pagos")),
                              calculado(QStringLiteral("RPPAPagar"), QStringLiteral("RP Proc. a Pagar")),
                              valor(QStringLiteral("RPNPInscritosExercAnt"), QStringLiteral("RP Não Proc. Inscr. Exerc. Anteriores")),
                              valor(QStringLiteral("RPNPInscritos"), QStringLiteral("RP Não Proc. Inscr. em 31/12/2011")),
                              valor(QStringLiteral("RPNPCancelados"), QStringLiteral("RP Não Proc. Cancelados")),
                              valor(QStringLiteral("RPNPPagos"), QStringLiteral("RP Não Proc. Pagos")),
                              calculado(QStringLiteral("RPNPAPagar"), QStringLiteral("RP Não Proc. a Pagar"))});
    const auto processados = diferenca(QStringLiteral("RPPAPagar"), {QStringLiteral("RPPInscritosExercAnt"), QStringLiteral("RPPInscritosExercRef")},
                                       {QStringLiteral("RPPCancelados"), QStringLiteral("RPPPagos")});
    const auto naoProcessados = diferenca(QStringLiteral("RPNPAPagar"), {QStringLiteral("RPNPInscritosExercAnt"), QStringLiteral("RPNPInscritos")},
                                          {QStringLiteral("RPNPCancelados"), QStringLiteral("RPNPPagos")});
    d.ordem = QStringLiteral("t.Poder, t.idLinha");
    d.aposAlterar = [processados, naoProcessados](Grade& g, int linha, int coluna) {
        processados(g, linha, coluna);
        naoProcessados(g, linha, coluna);
    };
    return d;
}

DefinicaoGrade DefinicaoAnexo09()
{
    ColunaGrade seq = identificador(QStringLiteral("Seq"));
    seq.titulo = QStringLiteral("Seq.");
    seq.oculta = false;
    DefinicaoGrade d{.tabela = QStringLiteral("tabAnexo09Movimento"),
                     .ordem = QStringLiteral("t.Exercicio, t.Seq"),
                     .colunas = {seq,
                                 {.campo = QStringLiteral("Exercicio"), .titulo = QStringLiteral("Exercício"),
                                  .tipo = TipoColuna::Obrigatoria, .formato = TipoCampo::Inteiro, .largura = 80, .tamanhoMaximo = 4},
                                 valor(QStringLiteral("RecValor"), QStringLiteral("Receitas Previdenciárias (a)"), 190),
                                 valor(QStringLiteral("DespValor"), QStringLiteral("Despesas Previdenciárias (b)"), 190),
                                 calculado(QStringLiteral("ResultadoValor"), QStringLiteral("Resultado Previdenciário (c) = (a-b)"), 230),
                                 valor(QStringLiteral("SaldoFinanceiroExercicio"), QStringLiteral("Saldo Financeiro do Exercício"), 200)},
                     .identificador = QStringLiteral("Seq"),
                     .mensagemDuplicada = QStringLiteral("Exercício já informado na projeção."),
                     .valoresVaziosSaoZero = true};
    d.chave = {QStringLiteral("Exercicio")};
    d.aposAlterar = diferenca(QStringLiteral("ResultadoValor"), {QStringLiteral("RecValor")}, {QStringLiteral("DespValor")});
    return d;
}

DefinicaoGrade DefinicaoAnexo19()
{
    DefinicaoGrade d = porTipoDeRecurso(QStringLiteral("tabAnexo19Movimento"),
                             {valor(QStringLiteral("ValorDisponibilidade"), QStringLiteral("Disponibilidade de Caixa Bruta (a)"), 220),
                              valor(QStringLiteral("ObrigacoesFinanceiras"), QStringLiteral("Obrigações Financeiras (b)"), 190),
                              calculado(QStringLiteral("Saldo"), QStringLiteral("Disponibilidade de Caixa Líquida (a-b)"), 240)});
    d.aposAlterar = diferenca(QStringLiteral("Saldo"), {QStringLiteral("ValorDisponibilidade")}, {QStringLiteral("ObrigacoesFinanceiras")});
    return d;
}

DefinicaoGrade DefinicaoAnexo20()
{
    return porTipoDeRecurso(QStringLiteral("tabAnexo20Movimento"),
                            {valor(QStringLiteral("Exercicios_AnterioresProc"), QStringLiteral("Processados de Exercícios Anteriores"), 220),
                             valor(QStringLiteral("Exercicio_AtualProc"), QStringLiteral("Processados do Exercício"), 180),
                             valor(QStringLiteral("Exercicio_Anterior_NP"), QStringLiteral("Não Processados de Exercícios Anteriores"), 240),
                             valor(QStringLiteral("Exercicio_Atual_NP"), QStringLiteral("Não Processados do Exercício"), 200),
                             valor(QStringLiteral("disponibilidade"), QStringLiteral("Disponibilidade de Caixa Líquida"), 210)});
}

DefinicaoGrade DefinicaoAnexo35()
{
    return lista(QStringLiteral("tabAnexo35Movimento"), QStringLiteral("ID"),
                 {texto(QStringLiteral("TRIBUTO"), QStringLiteral("Tributo"), 160, 100),
                  texto(QStringLiteral("MODALIDADE"), QStringLiteral("Modalidade"), 180, 100),
                  texto(QStringLiteral("SETOR"), QStringLiteral("Setores/Programas/Beneficiário"), 240, 150),
                  valor(QStringLiteral("V2007"), QStringLiteral("Renúncia Prevista 2012")),
                  valor(QStringLiteral("V2008"), QStringLiteral("Renúncia Prevista 2013")),
                  valor(QStringLiteral("V2009"), QStringLiteral("Renúncia Prevista 2014")),
                  texto(QStringLiteral("Compensacao"), QStringLiteral("Compensação"), 260, 255)});
}

DefinicaoGrade DefinicaoAnexo37()
{
    return lista(QStringLiteral("tabAnexo37Movimento"), QStringLiteral("ID"),
                 {texto(QStringLiteral("riscos"), QStringLiteral("Passivos Contingentes / Riscos Fiscais"), 300, 255),
                  valor(QStringLiteral("valor1"), QStringLiteral("Valor do Risco")),
                  texto(QStringLiteral("Providencias"), QStringLiteral("Providências"), 300, 255),
                  valor(QStringLiteral("valor2"), QStringLiteral("Valor das Providências"), 160)});
}

DefinicaoGrade DefinicaoAnexo38()
{
    DefinicaoGrade d = lista(QStringLiteral("tabAnexo38Movimento"), QStringLiteral("id"),
                             {texto(QStringLiteral("Orgao"), QStringLiteral("Órgão"), 70, 2),
                              texto(QStringLiteral("Unidade"), QStringLiteral("Unidade Orçamentária"), 150, 3),
                              texto(QStringLiteral("Funcao"), QStringLiteral("Função"), 70, 2),
                              texto(QStringLiteral("SubFuncao"), QStringLiteral("Subfunção"), 80, 3),
                              texto(QStringLiteral("Programa"), QStringLiteral("Programa"), 80, 4),
                              texto(QStringLiteral("Natureza"), QStringLiteral("Natureza da Despesa"), 150, 8),
                              texto(QStringLiteral("Fonte"), QStringLiteral("Fonte de Recursos"), 130, 3),
                              valor(QStringLiteral("Valor"), QStringLiteral("Valor Orçado"), 140)});
    d.perguntaExclusao = [](const Grade&, int) { return std::pair{TituloAtencao, PerguntaExclusaoAnexo38}; };
    return d;
}

DefinicaoGrade DefinicaoAnexo39()
{
    DefinicaoGrade d = lista(QStringLiteral("tabAnexo39Movimento"), QStringLiteral("id"),
                             {texto(QStringLiteral("Descricao"), QStringLiteral("Despesas de PPP"), 300, 255),
                              valor(QStringLiteral("NoBimestre"), QStringLiteral("No Bimestre")),
                              valor(QStringLiteral("ateoBimestre"), QStringLiteral("Até o Bimestre (a)")),
                              valor(QStringLiteral("SaldoAnoAnterior"), QStringLiteral("Saldo do Exercício Anterior (b)"), 200),
                              calculado(QStringLiteral("SaldoTotal"), QStringLiteral("Saldo Total (a+b)"))});
    d.aposAlterar = diferenca(QStringLiteral("SaldoTotal"), {QStringLiteral("ateoBimestre"), QStringLiteral("SaldoAnoAnterior")}, {});
    return d;
}

DefinicaoGrade DefinicaoAnexo39Ativos()
{
    return lista(QStringLiteral("tabAnexo39MovimentoAtivo"), QStringLiteral("id"),
                 {texto(QStringLiteral("Descricao"), QStringLiteral("Ativos das Parcerias Público-Privadas"), 360, 255),
                  valor(QStringLiteral("Valor"), QStringLiteral("Valor"), 150)});
}

qint64 PercentualLegislativo(qint64 populacao)
{
    // Constituição, art. 29-A, I to VI (Emenda Constitucional 58/2009).
    static const struct {
        qint64 ate;
        qint64 percentual;
    } faixas[] = {{100000, 70000}, {300000, 60000}, {500000, 50000}, {3000000, 45000}, {8000000, 40000}};
    if (populacao <= 0)
        return 0;
    for (const auto& f : faixas)
        if (populacao <= f.ate)
            return f.percentual;
    return 35000;
}

Moeda PercentualDe(Moeda valor, qint64 percentual)
{
    const __int128 produto = __int128(valor.decimos()) * percentual;
    const __int128 divisor = __int128(100) * Moeda::Escala;
    __int128 q = produto / divisor;
    const __int128 r = produto % divisor;
    if (2 * (r < 0 ? -r : r) >= divisor)
        q += produto < 0 ? -1 : 1;
    return Moeda::deDecimos(std::int64_t(q));
}

void CalculaAnexo24(Grade& g, int linha)
{
    const qint64 percentual = PercentualLegislativo(g.valor(linha, QStringLiteral("Populacao")).toLongLong());
    g.defineValor(linha, QStringLiteral("PercentualLimite"), percentual);
    g.defineMoeda(linha, QStringLiteral("LimiteDespesa"), PercentualDe(g.moeda(linha, QStringLiteral("ReceitaBase")), percentual));
    g.defineMoeda(linha, QStringLiteral("LimiteFolha"), PercentualDe(g.moeda(linha, QStringLiteral("ReceitaLegislativo")), 700000));
}

DefinicaoGrade DefinicaoAnexo24()
{
    DefinicaoGrade d{.tabela = QStringLiteral("tabAnexo24Movimento"),
            .colunas = {{.campo = QStringLiteral("Populacao"), .titulo = QStringLiteral("População (habitantes)"),
                         .formato = TipoCampo::Inteiro, .largura = 150, .tamanhoMaximo = 9},
                        valor(QStringLiteral("ReceitaBase"), QStringLiteral("Receita Base (exercício anterior)"), 220),
                        {.campo = QStringLiteral("PercentualLimite"), .titulo = QStringLiteral("Percentual (%)"),
                         .tipo = TipoColuna::Calculada, .formato = TipoCampo::Percentual, .largura = 110},
                        calculado(QStringLiteral("LimiteDespesa"), QStringLiteral("Limite da Despesa"), 160),
                        valor(QStringLiteral("ReceitaLegislativo"), QStringLiteral("Repasses à Câmara"), 160),
                        valor(QStringLiteral("Despesas_Legislativo"), QStringLiteral("Despesa Total do Legislativo"), 200),
                        valor(QStringLiteral("FolhaPagamento"), QStringLiteral("Folha de Pagamento"), 160),
                        calculado(QStringLiteral("LimiteFolha"), QStringLiteral("Limite da Folha (70%)"), 160)},
            .permiteIncluir = false,
            .permiteExcluir = false,
            .valoresVaziosSaoZero = true,
            .gravaPeriodoInteiro = true,
            .mensagemGravado = MensagemRegistroGravado,
            .consultaCatalogo = QStringLiteral("SELECT 0 AS Populacao, 0 AS PercentualLimite, 0 AS LimiteDespesa, 0 AS LimiteFolha")};
    d.aposAlterar = [](Grade& g, int linha, int) { CalculaAnexo24(g, linha); };
    return d;
}
