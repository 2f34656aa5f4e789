// The list-shaped statements and Anexo 24 without a screen: rows typed as the user types them
// (Brazilian money), the computed cells, the identifiers, the deletion questions, the save.
#include "comum/BancoTeste.h"
#include "statements/Listas.h"

#include <gtest/gtest.h>

namespace {
struct Corpo : OrgaoAberto {
    explicit Corpo(const QString& sigla = "P001", const QString& periodo = "201203") : OrgaoAberto(sigla, periodo) {}
    // Types a new row cell by cell as text, by field name.
    int digita(Grade& g, const std::vector<std::pair<QString, QString>>& celulas)
    {
        const int l = g.novaLinha();
        for (const auto& [campo, texto] : celulas)
            EXPECT_TRUE(g.defineTexto(l, g.indice(campo), texto)) << campo.toStdString();
        return l;
    }
};
} // namespace

// Every list: a row typed with Brazilian money is stored under the next identifier of its table
// with its computed cell; a row without its required cells is refused; deleting asks first.
TEST(Listas, LinhasDigitadasCalculadasIdentificadasEExcluidas)
{
    Corpo c;
    const struct {
        DefinicaoGrade definicao;
        std::vector<std::pair<QString, QString>> celulas;
        QString calculada; // column worked out by the rules ("" none)
        QString esperado;  // its stored value
        QString pergunta;
    } casos[] = {
        {DefinicaoAnexo07(c.p.ctx),
         {{"Poder", "1"}, {"Orgao", "Prefeitura"}, {"RPPInscritosExercAnt", "1.000,50"}, {"RPPInscritosExercRef", "200"},
          {"RPPCancelados", "0,50"}, {"RPPPagos", "300"}},
         "RPPAPagar", "9000000", "Confirma a Exclusão da Linha ?"},
        {DefinicaoAnexo09(),
         {{"Exercicio", "2013"}, {"RecValor", "1.500,00"}, {"DespValor", "2.000,25"}},
         "ResultadoValor", "-5002500", "Confirma a Exclusão da Linha ?"},
        {DefinicaoAnexo19(),
         {{"tipo", "1"}, {"Descricao", "Ordinários"}, {"ValorDisponibilidade", "10.000,00"}, {"ObrigacoesFinanceiras", "2.500,10"}},
         "Saldo", "74999000", "Confirma a Exclusão da Linha ?"},
        {DefinicaoAnexo20(),
         {{"tipo", "2"}, {"Descricao", "Saúde"}, {"Exercicio_Anterior_NP", "1,23"}, {"disponibilidade", "4,56"}},
         "", "", "Confirma a Exclusão da Linha ?"},
        {DefinicaoAnexo35(),
         {{"TRIBUTO", "IPTU"}, {"MODALIDADE", "Isenção"}, {"SETOR", "Aposentados"}, {"Compensacao", "Aumento da alíquota do ISS"},
          {"V2008", "12.345,67"}}, "", "",
         "Confirma a Exclusão da Linha ?"},
        {DefinicaoAnexo37(), {{"riscos", "Demandas judiciais"}, {"Providencias", "Reserva de contingência"}, {"valor1", "50.000"}}, "", "", "Confirma a Exclusão da Linha ?"},
        {DefinicaoAnexo38(),
         {{"Orgao", "02"}, {"Unidade", "001"}, {"Funcao", "04"}, {"SubFuncao", "122"}, {"Programa", "0010"},
          {"Natureza", "31901100"}, {"Fonte", "001"}, {"Valor", "1.000,00"}},
         "", "", "Deseja realmente excluir a linha?"},
        {DefinicaoAnexo39(), {{"Descricao", "Contrato 1"}, {"ateoBimestre", "100,00"}, {"SaldoAnoAnterior", "0,01"}},
         "SaldoTotal", "1000100", "Confirma a Exclusão da Linha ?"},
        {DefinicaoAnexo39Ativos(), {{"Descricao", "Estação"}, {"Valor", "9,99"}}, "", "", "Confirma a Exclusão da Linha ?"},
    };
    for (const auto& k : casos) {
        const QString tabela = k.definicao.tabela;
        const QString id = k.definicao.identificador;
        SCOPED_TRACE(tabela.toStdString());
        c.p.ctx.BancoOrgao.executa("INSERT INTO " + tabela + " (" + id + ", BimReferencia) VALUES (41, '201202')");
        Grade g(c.p.ctx, k.definicao);
        ASSERT_TRUE(g.PreencheGrid());
        EXPECT_EQ(g.linhas(), 0); // the other period's row is not listed

        // A required cell missing: refused with the common text.
        int l = g.novaLinha();
        const auto [campo0, texto0] = k.celulas.back();
        g.defineTexto(l, g.indice(campo0), texto0);
        c.p.ui.limpa();
        EXPECT_FALSE(g.gravaLinha(l));
        EXPECT_EQ(c.p.ui.ultimo(), "Preencha Todos os Campos.");
        g.cancelaLinha(l);

        l = c.digita(g, k.celulas);
        if (!k.calculada.isEmpty()) {
            EXPECT_FALSE(g.editavel(l, g.indice(k.calculada)));
            EXPECT_EQ(g.valor(l, k.calculada).toString(), k.esperado);
        }
        ASSERT_TRUE(g.gravaLinha(l));
        EXPECT_EQ(c.texto("SELECT " + id + " FROM " + tabela + " WHERE BimReferencia = '201203'"), "42");
        if (!k.calculada.isEmpty())
            EXPECT_EQ(c.texto("SELECT " + k.calculada + " FROM " + tabela + " WHERE BimReferencia = '201203'"), k.esperado);
        // Money left empty is stored as 0.
        EXPECT_EQ(c.texto("SELECT count(*) FROM " + tabela + " WHERE BimReferencia = '201203'"), "1");

        // Deleting asks: No keeps the row, Yes deletes it.
        c.p.ui.limpa();
        c.p.ui.respostas = {false};
        EXPECT_FALSE(g.excluiLinha(0));
        ASSERT_EQ(c.p.ui.perguntas.size(), 1);
        EXPECT_EQ(c.p.ui.perguntas[0].titulo, "Atenção");
        EXPECT_EQ(c.p.ui.perguntas[0].texto, k.pergunta);
        c.p.ui.respostas = {true};
        EXPECT_TRUE(g.excluiLinha(0));
        EXPECT_EQ(c.texto("SELECT count(*) FROM " + tabela + " WHERE BimReferencia = '201203'"), "0");
        EXPECT_EQ(c.texto("SELECT count(*) FROM " + tabela), "1");
    }
}

// A changed cell works the computed cell out again, and the update stores it.
TEST(Listas, AlteracaoRecalculaEGrava)
{
    Corpo c;
    Grade g(c.p.ctx, DefinicaoAnexo09());
    g.PreencheGrid();
    int l = c.digita(g, {{"Exercicio", "2012"}, {"RecValor", "10,00"}, {"DespValor", "4,00"}});
    ASSERT_TRUE(g.gravaLinha(l));
    g.defineTexto(l, g.indice("DespValor"), "12,5");
    EXPECT_EQ(g.texto(l, g.indice("ResultadoValor")), "-2,50");
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT ResultadoValor FROM tabAnexo09Movimento WHERE Exercicio = 2012"), "-25000");
    // The same year twice in the projection is refused.
    l = c.digita(g, {{"Exercicio", "2012"}});
    c.p.ui.limpa();
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(c.p.ui.ultimo(), "Exercício já informado na projeção.");
}

// The powers offered are those of the body's sphere.
TEST(Listas, PoderesDaEsferaDoOrgao)
{
    const struct {
        QString sigla;
        QString poderes;
    } casos[] = {{"P001", "1,2"}, {"C001", "1,2"}, {"G001", "1,2,3,4"}};
    for (const auto& k : casos) {
        Corpo c(k.sigla);
        const DefinicaoGrade d = DefinicaoAnexo07(c.p.ctx);
        QStringList codigos;
        for (const ColunaGrade& col : d.colunas)
            if (col.campo == "Poder")
                for (const OpcaoLista& o : col.opcoes)
                    codigos << o.valor;
        EXPECT_EQ(codigos.join(','), k.poderes) << k.sigla.toStdString();
    }
}

TEST(Anexo24, FaixasDePopulacao)
{
    const struct {
        qint64 populacao, percentual;
    } casos[] = {{0, 0},           {1, 70000},         {100000, 70000},   {100001, 60000},   {300000, 60000},
                 {300001, 50000},  {500000, 50000},    {500001, 45000},   {3000000, 45000},  {3000001, 40000},
                 {8000000, 40000}, {8000001, 35000}};
    for (const auto& k : casos)
        EXPECT_EQ(PercentualLegislativo(k.populacao), k.percentual) << k.populacao;
    EXPECT_EQ(PercentualDe(Moeda::deDecimos(123456789), 45000).decimos(), 5555556); // 4,5 % rounded
    EXPECT_EQ(PercentualDe(Moeda::deDecimos(-123456789), 45000).decimos(), -5555556);
    EXPECT_EQ(PercentualDe(Moeda::deReais(900000000000LL), 700000), Moeda::deReais(630000000000LL)); // no overflow
}

TEST(Anexo24, UmRegistroPorPeriodoCalculadoEGravado)
{
    Corpo c("C001", "201203");
    Grade g(c.p.ctx, DefinicaoAnexo24());
    ASSERT_TRUE(g.PreencheGrid());
    ASSERT_EQ(g.linhas(), 1); // ready at zero in a period never saved
    EXPECT_FALSE(g.podeIncluir());
    EXPECT_EQ(g.texto(0, g.indice("ReceitaBase")), "0,00");
    g.defineTexto(0, g.indice("Populacao"), "150000");
    g.defineTexto(0, g.indice("ReceitaBase"), "10.000.000,00");
    g.defineTexto(0, g.indice("ReceitaLegislativo"), "500.000,00");
    g.defineTexto(0, g.indice("Despesas_Legislativo"), "480.000,00");
    g.defineTexto(0, g.indice("FolhaPagamento"), "300.000,00");
    EXPECT_EQ(g.texto(0, g.indice("PercentualLimite")), "6,00");
    EXPECT_EQ(g.texto(0, g.indice("LimiteDespesa")), "600.000,00");
    EXPECT_EQ(g.texto(0, g.indice("LimiteFolha")), "350.000,00");
    EXPECT_FALSE(g.editavel(0, g.indice("LimiteDespesa")));
    ASSERT_TRUE(g.gravaPeriodo());
    EXPECT_EQ(c.p.ui.ultimo(), "Registro gravado com sucesso!");
    ASSERT_TRUE(g.gravaPeriodo());
    const QString consulta = "SELECT group_concat(Populacao || '/' || PercentualLimite || '/' || LimiteDespesa || '/' || LimiteFolha) "
                             "FROM tabAnexo24Movimento WHERE BimReferencia = '201203'";
    EXPECT_EQ(c.texto(consulta), "150000/60000/6000000000/3500000000");
    // Reopened, the record is the one stored.
    Grade outra(c.p.ctx, DefinicaoAnexo24());
    outra.PreencheGrid();
    ASSERT_EQ(outra.linhas(), 1);
    EXPECT_EQ(outra.texto(0, outra.indice("Despesas_Legislativo")), "480.000,00");
}
