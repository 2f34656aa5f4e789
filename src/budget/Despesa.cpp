#include "budget/Despesa.h"
#include "core/Banco.h"

#include <QSqlQuery>

namespace {
const QString ColFonte = QStringLiteral("Codigo_FontedeRecursos");
const QString ColInst = QStringLiteral("Codigo_ClassInstitucional");
const QString ColFuncional = QStringLiteral("Funcional");
const QString ColPrograma = QStringLiteral("Codigo_Programa");
const QString ColAtividade = QStringLiteral("Codigo_Atividade");
const QString ColNatureza = QStringLiteral("Natureza");
const QString ColDescFunc = QStringLiteral("descricaoFunc");
const QString ColDescProg = QStringLiteral("descricaoProg");
const QString ColDescricao = QStringLiteral("descricao");
const QString ColInicial = QStringLiteral("ValorDotInicial");
const QString ColAdicionais = QStringLiteral("ValorCredAdcionais");
const QString ColAtualizada = QStringLiteral("ValorDotAtualizada");
const QString ColEmpBim = QStringLiteral("ValorEmpBimestre");
const QString ColEmpExe = QStringLiteral("ValorEmpExercicio");
const QString ColLiqBim = QStringLiteral("ValorLiqBimestre");
const QString ColLiqExe = QStringLiteral("ValorLiqExercicio");

// The ten code columns and their values, for "col = ?" conditions.
QString condicoes(const ClassificacaoDespesa& c, QVariantList& valores)
{
    const std::pair<const char*, const QString*> colunas[] = {
        {"Codigo_FontedeRecursos", &c.fonte},
        {"Codigo_ClassInstitucional", &c.institucional},
        {"Codigo_Funcao", &c.funcao},
        {"Codigo_SubFuncao", &c.subfuncao},
        {"Codigo_Programa", &c.programa},
        {"Codigo_Atividade", &c.atividade},
        {"Codigo_tabDespesaCategoriaEconomica", &c.categoria},
        {"Codigo_tabDespesaGrupoDespesa", &c.grupo},
        {"Codigo_tabDespesaModalidadeAplicacao", &c.modalidade},
        {"Codigo_tabDespesaElementoDespesa", &c.elemento},
    };
    QStringList r;
    for (const auto& [coluna, valor] : colunas) {
        r << QString::fromLatin1(coluna) + QStringLiteral(" = ?");
        valores << *valor;
    }
    return r.join(QStringLiteral(" AND "));
}

ClassificacaoDespesa classificacaoDaLinha(const Grade& g, int linha)
{
    auto t = [&](const QString& campo) { return g.valor(linha, campo).toString().trimmed(); };
    return ClassificacaoDespesa::deCelulas(t(ColFonte), t(ColInst), t(ColFuncional), t(ColPrograma), t(ColAtividade),
                                           t(ColNatureza));
}

bool primeiroBimestre(const QString& periodo) { return periodo.endsWith(u'1'); }

QVariant descricaoDe(const Banco& banco, const QString& sql, const QVariantList& valores)
{
    const QVariant v = banco.valor(sql, valores);
    return v.isValid() ? v : QVariant();
}

// The cell-change rules of an expense line.
void aposAlterar(Grade& g, int linha, int coluna)
{
    const Contexto& ctx = g.contexto();
    const Banco& banco = ctx.BancoOrgao;
    const QString campo = g.coluna(coluna).campo;
    try {
        const AcumuladoDespesa anterior = AcumuladoAnterior(banco, ctx.BimReferencia, classificacaoDaLinha(g, linha));
        if (campo == ColFuncional) {
            const QString funcional = g.valor(linha, coluna).toString().trimmed();
            g.defineValor(linha, ColDescFunc,
                          descricaoDe(banco, QStringLiteral("SELECT descricao FROM tabDespFuncSubFuncao WHERE codigo = ?"),
                                      {funcional.right(3)}));
        } else if (campo == ColPrograma || campo == ColAtividade) {
            const QString programa = g.valor(linha, ColPrograma).toString().trimmed();
            const QString atividade = g.valor(linha, ColAtividade).toString().trimmed();
            if (!programa.isEmpty() && !atividade.isEmpty())
                g.defineValor(linha, ColDescProg,
                              descricaoDe(banco,
                                          QStringLiteral("SELECT descricao FROM tabProjeto WHERE programa = ? AND projeto = ? "
                                                         "AND Bimreferencia = ?"),
                                          {programa, atividade, ctx.BimReferencia}));
        } else if (campo == ColNatureza) {
            const QString natureza = g.valor(linha, coluna).toString().trimmed();
            g.defineValor(linha, ColDescricao,
                          descricaoDe(banco, QStringLiteral("SELECT descricao FROM tabDespesaElementoDespesa WHERE Codigo = ?"),
                                      {natureza.mid(4, 2)}));
            // A new line starts with the year-to-date of the earlier bimesters and, after the
            // first, with the first bimester's appropriation of its nature.
            g.defineMoeda(linha, ColEmpExe, anterior.empenhado);
            g.defineMoeda(linha, ColLiqExe, anterior.liquidado);
            if (!primeiroBimestre(ctx.BimReferencia)) {
                const DotacaoInicial d = DotacaoDoPrimeiroBimestre(banco, ctx.BimReferencia, natureza);
                g.defineMoeda(linha, ColInicial, d.inicial);
                g.defineMoeda(linha, ColAtualizada, d.atualizada);
            }
        } else if (campo == ColInicial || campo == ColAdicionais) {
            g.defineMoeda(linha, ColAtualizada, g.moeda(linha, ColInicial) + g.moeda(linha, ColAdicionais));
        } else if (campo == ColEmpBim) {
            g.defineMoeda(linha, ColEmpExe, g.moeda(linha, ColEmpBim) + anterior.empenhado);
        } else if (campo == ColLiqBim) {
            g.defineMoeda(linha, ColLiqExe, g.moeda(linha, ColLiqBim) + anterior.liquidado);
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Não foi possível calcular os valores da linha."), e.falha());
    }
}

Recusa antesGravar(Grade& g, int linha)
{
    // The codes and their descriptions: a code missing from its register leaves its
    // description empty, and the line is not stored.
    for (int c = 0; c <= g.indice(ColDescricao); ++c)
        if (g.valor(linha, c).toString().trimmed().isEmpty())
            return MensagemPreenchaTodos;
    g.contexto().interacao().cursorOcupado();
    const QString mensagem = ValidaDespesa(g.contexto().BancoOrgao,
                                           {g.valor(linha, ColNatureza).toString().trimmed(), g.moeda(linha, ColAtualizada),
                                            g.moeda(linha, ColEmpBim), g.moeda(linha, ColEmpExe), g.moeda(linha, ColLiqBim),
                                            g.moeda(linha, ColLiqExe)});
    g.contexto().interacao().cursorNormal();
    if (!mensagem.isEmpty())
        return mensagem;
    return std::nullopt;
}

ColunaGrade codigo(const QString& campo, const QString& titulo, int largura, int tamanho, const QString& seletor = {})
{
    return {.campo = campo, .titulo = titulo, .tipo = TipoColuna::Obrigatoria, .largura = largura, .tamanhoMaximo = tamanho,
            .seletor = seletor};
}

ColunaGrade descricao(const QString& campo, const QString& expressao, int largura = 220)
{
    return {.campo = campo, .titulo = QStringLiteral("Descrição"), .tipo = TipoColuna::Descricao, .largura = largura,
            .expressao = expressao, .gravada = false};
}

ColunaGrade valor(const QString& campo, const QString& titulo, bool digitado, int largura = 110)
{
    return {.campo = campo, .titulo = titulo, .tipo = digitado ? TipoColuna::Entrada : TipoColuna::Calculada,
            .formato = TipoCampo::Valor, .largura = largura};
}
} // namespace

ClassificacaoDespesa ClassificacaoDespesa::deCelulas(const QString& fonte, const QString& institucional,
                                                     const QString& funcional, const QString& programa,
                                                     const QString& atividade, const QString& natureza)
{
    return {fonte,           institucional,       funcional.left(2),   funcional.right(3), programa, atividade,
            natureza.left(1), natureza.mid(1, 1), natureza.mid(2, 2), natureza.mid(4, 2)};
}

DefinicaoGrade DefinicaoDespesa(const Contexto& ctx)
{
    const bool primeiro = primeiroBimestre(ctx.BimReferencia);
    const bool restos = ctx.BimReferencia == QStringLiteral("201106");
    ColunaGrade fonte = codigo(ColFonte, QStringLiteral("Código Fonte"), 90, 3, QStringLiteral("fonte.despesa"));
    fonte.consulta = {.tabela = QStringLiteral("tabFonte"), .colunaCodigo = QStringLiteral("Fonte"),
                      .colunaDescricao = QStringLiteral("Descricao"), .destino = QStringLiteral("descricaoFonte")};
    ColunaGrade inst = codigo(ColInst, QStringLiteral("Classificação Institucional"), 150, 10, QStringLiteral("institucional"));
    // Found by its code read as a number, in the period.
    inst.consulta = {.tabela = QStringLiteral("tabInstitucional"), .colunaCodigo = QStringLiteral("idinst"),
                     .colunaDescricao = QStringLiteral("descricao"), .colunaPeriodo = QStringLiteral("bimreferencia"),
                     .destino = QStringLiteral("descricaoInst")};
    ColunaGrade funcional = codigo(ColFuncional, QStringLiteral("Código Funcional"), 110, 5, QStringLiteral("funcao"));
    funcional.partes = {{QStringLiteral("Codigo_Funcao"), 0, 2}, {QStringLiteral("Codigo_SubFuncao"), 2, 3}};
    ColunaGrade natureza = codigo(ColNatureza, QStringLiteral("Código"), 80, 6, QStringLiteral("natureza"));
    natureza.partes = {{QStringLiteral("Codigo_tabDespesaCategoriaEconomica"), 0, 1},
                       {QStringLiteral("Codigo_tabDespesaGrupoDespesa"), 1, 1},
                       {QStringLiteral("Codigo_tabDespesaModalidadeAplicacao"), 2, 2},
                       {QStringLiteral("Codigo_tabDespesaElementoDespesa"), 4, 2}};
    ColunaGrade rpnp = valor(QStringLiteral("ValorRPNP"), QStringLiteral("Inscrita em Resto a Pagar Não Processado"), restos, 150);
    rpnp.oculta = !restos;
    return {
        .tabela = QStringLiteral("tabDespesaMovimento"),
        .chave = {ColFonte, ColInst, ColFuncional, ColPrograma, ColAtividade, ColNatureza},
        .ordem = QStringLiteral("t.Codigo_tabDespesaCategoriaEconomica || t.Codigo_tabDespesaGrupoDespesa || "
                                "t.Codigo_tabDespesaElementoDespesa"),
        .colunas = {fonte,
                    {.campo = QStringLiteral("descricaoFonte"), .titulo = QStringLiteral("Descrição"),
                     .tipo = TipoColuna::Descricao, .largura = 200, .gravada = false},
                    inst,
                    {.campo = QStringLiteral("descricaoInst"), .titulo = QStringLiteral("Descrição"),
                     .tipo = TipoColuna::Descricao, .largura = 200, .gravada = false},
                    funcional,
                    descricao(ColDescFunc, QStringLiteral("SELECT d.descricao FROM tabDespFuncSubFuncao d "
                                                          "WHERE d.Codigo = t.Codigo_SubFuncao")),
                    codigo(ColPrograma, QStringLiteral("Código Programa"), 110, 4),
                    codigo(ColAtividade, QStringLiteral("Código Projeto\\Atividade"), 150, 4, QStringLiteral("projeto")),
                    descricao(ColDescProg, QStringLiteral("SELECT p.descricao FROM tabProjeto p WHERE p.Programa = "
                                                          "t.Codigo_Programa AND p.Projeto = t.Codigo_Atividade AND "
                                                          "p.Bimreferencia = t.BimReferencia")),
                    natureza,
                    descricao(ColDescricao, QStringLiteral("SELECT d.descricao FROM tabDespesaElementoDespesa d "
                                                           "WHERE d.Codigo = t.Codigo_tabDespesaElementoDespesa")),
                    valor(ColInicial, QStringLiteral("Dot. Inicial"), primeiro),
                    valor(ColAdicionais, QStringLiteral("Créditos Adicionais"), true),
                    valor(ColAtualizada, QStringLiteral("Dot. Atualizada"), false),
                    valor(ColEmpBim, QStringLiteral("Emp. No Bimestre"), true),
                    valor(ColEmpExe, QStringLiteral("Emp. Até o Bimestre"), false),
                    valor(ColLiqBim, QStringLiteral("Liq. Bimestre"), true),
                    valor(ColLiqExe, QStringLiteral("Liq. Exercício"), false),
                    rpnp},
        .mensagemDuplicada = QStringLiteral("Esta classificação de despesa já existe neste bimestre."),
        .aposAlterar = aposAlterar,
        .antesGravar = antesGravar,
        .perguntaExclusao = [](const Grade& g, int linha) {
            return std::pair{QStringLiteral("Excluir"), QStringLiteral("Deseja realmente excluir o Elemento Despesa: ")
                                                            + g.valor(linha, ColNatureza).toString() + QStringLiteral(" ?")};
        },
        .valoresVaziosSaoZero = true,
        .aoFechar = [](Contexto& c) {
            try {
                RecompoeDespesaPorFuncao(c.BancoOrgao, c.BimReferencia);
            } catch (const ErroBanco& e) {
                MostraErro(c.interacao(), QStringLiteral("Não foi possível montar a despesa por função do bimestre."), e.falha());
            }
        },
    };
}

QString ValidaDespesa(const Banco& banco, const LinhaDespesa& l)
{
    const QString categoria = l.natureza.left(1);
    const bool reserva = categoria == u'9';
    const auto existe = [&](const char* tabela, const QString& codigo) {
        return banco.existe(QStringLiteral("SELECT 1 FROM %1 WHERE Codigo = ?").arg(QLatin1String(tabela)), {codigo});
    };
    QString m;
    const auto falha = [&m](const QString& texto) { m = texto + u'\n'; };
    if (!existe("tabDespesaCategoriaEconomica", categoria))
        falha(QStringLiteral("Código da Categoria Econômica inválido."));
    if (!existe("tabDespesaGrupoDespesa", l.natureza.mid(1, 1)))
        falha(QStringLiteral("Código do Grupo de Despesa inválido."));
    if (!existe("tabDespesaModalidadeAplicacao", l.natureza.mid(2, 2)))
        falha(QStringLiteral("Código da Modalidade de Aplicação inválido."));
    if (!existe("tabDespesaElementoDespesa", l.natureza.mid(4, 2)))
        falha(QStringLiteral("Código do Elemento de Despesa inválido."));
    if (l.empenhadoExercicio < l.empenhadoBimestre)
        falha(QStringLiteral("O valor Empenhado no Exercício não pode ser inferior ao do Bimestre."));
    if (reserva && !l.empenhadoBimestre.ehZero())
        falha(QStringLiteral("Em Reserva de Contingência, o valor emp. no bimestre não pode ser diferente de zero."));
    if (l.empenhadoExercicio > l.dotacaoAtualizada)
        falha(QStringLiteral("O valor Empenhado no Exercício não pode ser maior que a Dotação Atualizada."));
    if (reserva && !l.empenhadoExercicio.ehZero())
        falha(QStringLiteral("Em Reserva de Contingência, o valor emp. no exercício não pode ser diferente de zero."));
    if (l.liquidadoExercicio < l.liquidadoBimestre)
        falha(QStringLiteral("O valor Liquidado no Exercício não pode ser inferior ao do Bimestre."));
    if (reserva && !l.liquidadoBimestre.ehZero())
        falha(QStringLiteral("Em Reserva de Contingência, o valor liq. no bimestre não pode ser diferente de zero."));
    if (l.liquidadoExercicio > l.empenhadoExercicio)
        falha(QStringLiteral("O valor Liquidado no Exercício não pode ser maior que o Empenhado."));
    if (reserva && !l.liquidadoExercicio.ehZero())
        falha(QStringLiteral("Em Reserva de Contingência, o valor liq. no exercício não pode ser diferente de Zero."));
    if (l.liquidadoExercicio > l.empenhadoExercicio)
        m = QStringLiteral("Valor Liquidado no Exercício não pode ser maior que Valor Empenhado no Exercício.");
    else if (l.liquidadoExercicio > l.dotacaoAtualizada)
        m = QStringLiteral("Valor Liquidado no Exercício não pode ser maior que Valor Atualizado.");
    else if (l.empenhadoExercicio > l.dotacaoAtualizada)
        m = QStringLiteral("Valor Empenhado no Exercício não pode ser maior que Valor Atualizado.");
    if (!m.isEmpty())
        m += u'\n' + QStringLiteral(" Pressione 'Esc' para cancelar!");
    return m;
}

AcumuladoDespesa AcumuladoAnterior(const Banco& banco, const QString& periodo, const ClassificacaoDespesa& c)
{
    QVariantList valores{periodo};
    const QString onde = condicoes(c, valores);
    QSqlQuery q = banco.executa(QStringLiteral("SELECT COALESCE(sum(ValorEmpBimestre), 0), COALESCE(sum(ValorLiqBimestre), 0) "
                                               "FROM tabDespesaMovimento WHERE bimreferencia < ? AND ")
                                    + onde,
                                valores);
    if (!q.next())
        return {};
    return {Moeda::deDecimos(q.value(0).toLongLong()), Moeda::deDecimos(q.value(1).toLongLong())};
}

DotacaoInicial DotacaoDoPrimeiroBimestre(const Banco& banco, const QString& periodo, const QString& natureza)
{
    QSqlQuery q = banco.executa(
        QStringLiteral("SELECT ValorDotInicial, ValorDotAtualizada FROM tabDespesaMovimento WHERE bimreferencia = ? "
                       "AND Codigo_tabDespesaCategoriaEconomica = ? AND Codigo_tabDespesaGrupoDespesa = ? "
                       "AND Codigo_tabDespesaModalidadeAplicacao = ? AND Codigo_tabDespesaElementoDespesa = ? LIMIT 1"),
        {periodo.left(4) + QStringLiteral("01"), natureza.left(1), natureza.mid(1, 1), natureza.mid(2, 2), natureza.mid(4, 2)});
    if (!q.next())
        return {};
    return {Moeda::deDecimos(q.value(0).toLongLong()), Moeda::deDecimos(q.value(1).toLongLong())};
}

void RecompoeDespesaPorFuncao(const Banco& banco, const QString& periodo)
{
    Transacao t(banco);
    banco.executa(QStringLiteral("DELETE FROM tabDespFuncMovimento WHERE Bimreferencia = ?"), {periodo});
    // The intra-budgetary lines (modality "91") never mix with the others of their function.
    banco.executa(QStringLiteral(
                      "INSERT INTO tabDespFuncMovimento (Bimreferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, "
                      "Codigo_Programa, Codigo_Atividade, Codigo_tabDespFuncFuncao, Codigo_tabDespFuncSubFuncao, "
                      "codigo_tipoorcamento, ValorDotInicial, ValorDotAtualizada, valorempbimestre, valorempexercicio, "
                      "valorliqbimestre, valorliqexercicio, ValorRPNP) "
                      "SELECT BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Programa, "
                      "Codigo_Atividade, Codigo_Funcao, Codigo_SubFuncao, tipo, sum(ValorDotInicial), sum(ValorDotAtualizada), "
                      "sum(ValorEmpBimestre), sum(ValorEmpExercicio), sum(ValorLiqBimestre), sum(ValorLiqExercicio), "
                      "sum(ValorRPNP) FROM (SELECT *, CASE WHEN Codigo_tabDespesaModalidadeAplicacao = '91' THEN '2' "
                      "ELSE '1' END AS tipo FROM tabDespesaMovimento WHERE BimReferencia = ?) "
                      "GROUP BY BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Programa, "
                      "Codigo_Atividade, Codigo_Funcao, Codigo_SubFuncao, tipo"),
                  {periodo});
    t.confirma();
}

namespace {
QList<ItemConsulta> lista(const Banco& banco, const QString& sql, const QVariantList& valores = {})
{
    QList<ItemConsulta> r;
    QSqlQuery q = banco.executa(sql, valores);
    while (q.next())
        r.append({q.value(0).toString(), q.value(1).toString()});
    return r;
}
bool reserva(const QString& categoria) { return categoria == u'9' || categoria == u'7'; }
} // namespace

QList<ItemConsulta> GruposDaCategoria(const Banco& banco, const QString& categoria)
{
    return lista(banco,
                 QStringLiteral("SELECT Codigo, descricao FROM tabDespesaGrupoDespesa WHERE "
                                "Codigo_tabDespesaCategoriaEconomica = ? ORDER BY Codigo"),
                 {categoria});
}

QList<ItemConsulta> ModalidadesDaCategoria(const Banco& banco, const QString& categoria)
{
    if (reserva(categoria))
        return lista(banco, QStringLiteral("SELECT Codigo, descricao FROM tabDespesaModalidadeAplicacao WHERE Codigo = '99'"));
    return lista(banco, QStringLiteral("SELECT Codigo, descricao FROM tabDespesaModalidadeAplicacao ORDER BY Codigo"));
}

QList<ItemConsulta> ElementosDaCategoria(const Banco& banco, const QString& categoria)
{
    if (reserva(categoria))
        return lista(banco, QStringLiteral("SELECT Codigo, descricao FROM tabDespesaElementoDespesa WHERE Codigo = '99'"));
    return lista(banco,
                 QStringLiteral("SELECT Codigo, descricao FROM tabDespesaElementoDespesa WHERE Codigo <> '99' ORDER BY Codigo"));
}

Recusa ValidaEscolhaNatureza(const QString& categoria, const QString& grupo, const QString& modalidade,
                             const QString& elemento)
{
    if (categoria.isEmpty())
        return QStringLiteral("Por selecione um código no campo Categoria Econômica.");
    if (grupo.isEmpty())
        return QStringLiteral("Por selecione um código no campo Grupo de Despesa.");
    if (modalidade.isEmpty())
        return QStringLiteral("Por selecione um código no campo Modalidade Aplicação.");
    if (elemento.isEmpty())
        return QStringLiteral("Por selecione um código no campo Elemento de Despesa.");
    return std::nullopt;
}

DefinicaoGrade DefinicaoDespesaPorFuncao(const Contexto& ctx)
{
    auto cod = [](const QString& campo, const QString& titulo, int largura = 90) {
        return ColunaGrade{.campo = campo, .titulo = titulo, .tipo = TipoColuna::Calculada, .largura = largura};
    };
    auto desc = [](const QString& campo, const QString& expressao) {
        return ColunaGrade{.campo = campo, .titulo = QStringLiteral("Descrição"), .tipo = TipoColuna::Descricao,
                           .largura = 200, .expressao = expressao, .gravada = false};
    };
    auto val = [](const QString& campo, const QString& titulo) {
        return ColunaGrade{.campo = campo, .titulo = titulo, .tipo = TipoColuna::Calculada, .formato = TipoCampo::Valor,
                           .largura = 110};
    };
    ColunaGrade funcional = cod(QStringLiteral("Funcional"), QStringLiteral("Codigo"));
    funcional.partes = {{QStringLiteral("Codigo_tabDespFuncFuncao"), 0, 2}, {QStringLiteral("Codigo_tabDespFuncSubFuncao"), 2, 3}};
    ColunaGrade rpnp = val(QStringLiteral("ValorRPNP"), QStringLiteral("Inscrita em Resto a Pagar Não Processado"));
    rpnp.oculta = ctx.BimReferencia != QStringLiteral("201106");
    return {.tabela = QStringLiteral("tabDespFuncMovimento"),
            .colunaPeriodo = QStringLiteral("Bimreferencia"),
            .ordem = QStringLiteral("t.Codigo_tabDespFuncSubFuncao, t.Codigo_tabDespFuncFuncao, t.codigo_tipoorcamento"),
            .colunas = {cod(QStringLiteral("Codigo_FontedeRecursos"), QStringLiteral("Código Fonte")),
                        desc(QStringLiteral("descricaoFonte"), QStringLiteral("SELECT d.Descricao FROM tabFonte d WHERE "
                                                                              "d.Fonte = t.Codigo_FontedeRecursos AND "
                                                                              "d.bimreferencia = t.Bimreferencia")),
                        cod(QStringLiteral("Codigo_ClassInstitucional"), QStringLiteral("Código Institucional"), 130),
                        desc(QStringLiteral("descricaoInst"), QStringLiteral("SELECT d.descricao FROM tabInstitucional d WHERE "
                                                                             "d.codigo = t.Codigo_ClassInstitucional AND "
                                                                             "d.bimreferencia = t.Bimreferencia")),
                        cod(QStringLiteral("Codigo_Programa"), QStringLiteral("Código Programa"), 110),
                        desc(QStringLiteral("descricaoPrograma"), QStringLiteral("SELECT d.descricao FROM tabPrograma d WHERE "
                                                                                 "d.Programa = t.Codigo_Programa AND "
                                                                                 "d.Bimreferencia = t.Bimreferencia")),
                        cod(QStringLiteral("Codigo_Atividade"), QStringLiteral("Código Projeto\\Atividade"), 150),
                        desc(QStringLiteral("descricaoProjeto"), QStringLiteral("SELECT d.descricao FROM tabProjeto d WHERE "
                                                                                "d.Programa = t.Codigo_Programa AND d.Projeto = "
                                                                                "t.Codigo_Atividade AND d.Bimreferencia = "
                                                                                "t.Bimreferencia")),
                        funcional,
                        desc(QStringLiteral("descricaoSubFuncao"), QStringLiteral("SELECT d.descricao FROM tabDespFuncSubFuncao "
                                                                                  "d WHERE d.Codigo = "
                                                                                  "t.Codigo_tabDespFuncSubFuncao")),
                        cod(QStringLiteral("codigo_tipoorcamento"), QStringLiteral("Tipo Orçamento"), 100),
                        val(QStringLiteral("ValorDotInicial"), QStringLiteral("Dot. Inicial")),
                        val(QStringLiteral("ValorDotAtualizada"), QStringLiteral("Dot. Atualizada")),
                        val(QStringLiteral("valorempbimestre"), QStringLiteral("Emp. No Bimestre")),
                        val(QStringLiteral("valorempexercicio"), QStringLiteral("Emp. Até o Bimestre")),
                        val(QStringLiteral("valorliqbimestre"), QStringLiteral("Liq. Bimestre")),
                        val(QStringLiteral("valorliqexercicio"), QStringLiteral("Liq. Exercício")),
                        rpnp},
            .permiteIncluir = false,
            .permiteExcluir = false};
}
