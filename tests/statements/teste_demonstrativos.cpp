// The fixed-line statements without a screen: every definition against the schema and its
// catalogues, the computed lines and columns, the sphere, the save, Importar Anexo I.
#include "comum/BancoTeste.h"
#include "statements/Anexo22A.h"
#include "statements/Demonstrativos.h"
#include "statements/Formulas.h"
#include "statements/Tabela.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
struct Orgao : OrgaoAberto {
    using OrgaoAberto::OrgaoAberto;
    int conta(const QString& sql, const QVariantList& v = {}) { return banco().valor(sql, v).toInt(); }
    DefinicaoDemonstrativo anexo(const QString& n) { return *DemonstrativoDoAnexo(p.ctx, n); }
    int linha(const Grade& g, int campo)
    {
        for (int l = 0; l < g.linhas(); ++l)
            if (g.valor(l, "Campo").toInt() == campo)
                return l;
        return -1;
    }
};
} // namespace

TEST(Formula, AritmeticaExataEErros)
{
    const QHash<int, Moeda> linhas{{1, Moeda::deReais(1000)}, {2, Moeda::deTexto("333,3333").value()}, {3, Moeda()},
                                   {8, Moeda::deReais(-50)}};
    const auto valor = [&](int n) { return linhas.value(n); };
    const struct {
        QString formula, esperado;
    } casos[] = {
        {"[1]+[2]", "1.333,33"},   {"[1] - [8]", "1.050,00"}, {"[2]/[1]*100", "33,33"}, {"[1]/[3]", "0,00"},
        {"-([1]-[8])*2", "-2.100,00"}, {"120", "120,00"},     {"[1]*0.5", "500,00"},   {"[9]+[1]", "1.000,00"},
    };
    for (const auto& k : casos) {
        const auto f = Formula::le(k.formula);
        ASSERT_TRUE(f) << k.formula.toStdString();
        EXPECT_EQ(f->calcula(valor).formata(), k.esperado) << k.formula.toStdString();
    }
    // The exact ten-thousandth: 2/3 of 1,0000 is 0,6667, not a binary approximation.
    EXPECT_EQ(Formula::le("[1]*2/3")->calcula([](int) { return Moeda::deDecimos(10000); }).decimos(), 6667);
    EXPECT_EQ(Formula::le("[21]/[22]*100")->linhas(), (QList<int>{21, 22}));
    for (const QString ruim : {"[1]+", "[x]", "(1", "1 2", "", "[1]++[2]"}) {
        QString erro;
        EXPECT_FALSE(Formula::le(ruim, &erro)) << ruim.toStdString();
        EXPECT_FALSE(erro.isEmpty()) << ruim.toStdString();
    }
}

// Every statement opens against the schema for a municipal and a state body, before and in the
// sixth bimester: its lines are its catalogues' of the body's sphere, every value column is a
// column of its table, a period never saved shows zeros, and saving twice gives the same rows.
TEST(Demonstrativos, CadaDefinicaoAbreGravaEReabre)
{
    for (const auto& [sigla, periodo] : {std::pair{"P001", "201203"}, {"G001", "201206"}}) {
        Orgao o(sigla, periodo);
        const QString esfera = QString(sigla).startsWith('P') ? "M" : "E";
        for (const QString& n : AnexosDeLinhas()) {
            SCOPED_TRACE((QString(sigla) + " Anexo " + n).toStdString());
            const DefinicaoDemonstrativo d = o.anexo(n);
            QStringList colunas;
            QSqlQuery q = o.banco().executa("PRAGMA table_info(" + d.tabela + ")");
            while (q.next())
                colunas << q.value(1).toString().toLower();
            ASSERT_FALSE(colunas.isEmpty()) << d.tabela.toStdString();
            for (const ColunaDemonstrativo& c : d.colunas)
                EXPECT_TRUE(colunas.contains(c.campo.toLower())) << c.campo.toStdString();
            int esperadas = 0;
            for (const CatalogoDemonstrativo& c : d.catalogos)
                esperadas += o.conta("SELECT count(*) FROM " + c.tabela + (c.esfera ? " WHERE esfera IN ('EM', ?)" : ""),
                                     c.esfera ? QVariantList{esfera} : QVariantList{});
            Grade g(o.p.ctx, GradeDoDemonstrativo(o.p.ctx, d));
            ASSERT_TRUE(g.PreencheGrid());
            ASSERT_EQ(g.linhas(), esperadas);
            for (int l = 0; l < g.linhas(); ++l) {
                EXPECT_FALSE(g.texto(l, 1).isEmpty());
                for (const ColunaDemonstrativo& c : d.colunas)
                    if (!c.calculo)
                        EXPECT_EQ(g.texto(l, g.indice(c.campo)), "0,00");
            }
            if (!d.quadros.empty())
                for (int l = 0; l < g.linhas(); ++l) {
                    const int tipo = TipoMovimentoDaLinha(g, l);
                    EXPECT_TRUE(std::any_of(d.quadros.begin(), d.quadros.end(),
                                            [&](const QuadroDemonstrativo& x) { return x.tipoMovimento == tipo; }))
                        << "line " << g.valor(l, "Campo").toInt() << " of table " << tipo;
                }
            ASSERT_TRUE(g.gravaPeriodo(false));
            ASSERT_TRUE(g.gravaPeriodo(false));
            EXPECT_EQ(o.conta("SELECT count(*) FROM " + d.tabela + " WHERE BimReferencia = ?", {periodo}), esperadas);
            Grade de_novo(o.p.ctx, GradeDoDemonstrativo(o.p.ctx, d));
            ASSERT_TRUE(de_novo.PreencheGrid());
            EXPECT_EQ(de_novo.linhas(), esperadas);
        }
        EXPECT_TRUE(o.p.ui.mensagens.isEmpty()) << o.p.ui.textos().join('|').toStdString();
    }
}

TEST(Demonstrativos, EsferaVariantesEMensagens)
{
    Orgao m("P001"), e("G001", "201206");
    // Anexo 06: each body sees the lines of both spheres and of its own.
    const auto linhas = [](Orgao& o) {
        Grade g(o.p.ctx, GradeDoDemonstrativo(o.p.ctx, o.anexo("06")));
        g.PreencheGrid();
        QSet<int> r;
        for (int l = 0; l < g.linhas(); ++l)
            r.insert(g.valor(l, "Campo").toInt());
        return r;
    };
    const QSet<int> municipais = linhas(m), estaduais = linhas(e);
    EXPECT_EQ(municipais.size(), m.conta("SELECT count(*) FROM tabAnexo06campos WHERE esfera IN ('EM', 'M')"));
    EXPECT_EQ(estaduais.size(), e.conta("SELECT count(*) FROM tabAnexo06campos WHERE esfera IN ('EM', 'E')"));
    // The catalogues by body and bimester, the save texts.
    EXPECT_EQ(m.anexo("11").catalogos.front().tabela, "tabAnexo11MunCampos");
    EXPECT_EQ(e.anexo("11").catalogos.front().tabela, "tabAnexo11Campos");
    EXPECT_EQ(e.anexo("11").catalogos.size(), 2u); // the sixth bimester's closing lines
    EXPECT_EQ(m.anexo("11").catalogos.size(), 1u);
    EXPECT_EQ(m.anexo("12").catalogos.front().tabela, "tabAnexo12CamposMun");
    EXPECT_EQ(m.anexo("08").mensagemGravado, "Valores Gravados com Sucesso!");
    EXPECT_EQ(m.anexo("29").mensagemGravado, "Valores Incluidos Com Sucesso");
    EXPECT_EQ(m.anexo("04").mensagemGravado, "Valores gravados com sucesso!");
    // Four-monthly bodies (A, F) report by quarter, the others by semester.
    EXPECT_EQ(m.anexo("16").colunas.size(), 4u);
    EXPECT_EQ(m.anexo("16").colunas[1].titulo, QStringLiteral("Até o 1º Quadrimestre"));
    Orgao camara("C003");
    EXPECT_EQ(camara.anexo("17").colunas.size(), 3u);
    EXPECT_EQ(camara.anexo("17").colunas[2].titulo, QStringLiteral("Até o 2º Semestre"));
    EXPECT_FALSE(DemonstrativoDoAnexo(m.p.ctx, "03")); // its own editor
}

TEST(Demonstrativos, LinhasEColunasCalculadasRecusaEImportacaoDoAnexo1)
{
    Orgao o;
    // A catalogue of its own for the computed lines: 3 = 1 + 2, 4 = 3 / 1 * 100.
    o.banco().executa("UPDATE tabAnexo08Campos SET grupo = 0, formula = NULL, origem = NULL");
    o.banco().executa("UPDATE tabAnexo08Campos SET grupo = 1, formula = '[1]+[2]' WHERE campo = 3");
    o.banco().executa("UPDATE tabAnexo08Campos SET origem = 'R:21' WHERE campo = 1");
    o.banco().executa("UPDATE tabAnexo08Campos SET origem = 'E:3' WHERE campo = 2");
    const DefinicaoDemonstrativo d = o.anexo("08");
    Grade g(o.p.ctx, GradeDoDemonstrativo(o.p.ctx, d));
    g.PreencheGrid();
    const int l1 = o.linha(g, 1), l2 = o.linha(g, 2), l3 = o.linha(g, 3);
    ASSERT_TRUE(l1 >= 0 && l2 >= 0 && l3 >= 0);
    const int atualizada = g.indice("atualizada"), bimestre = g.indice("nobimestre");
    EXPECT_TRUE(g.editavel(l1, atualizada));
    EXPECT_FALSE(g.editavel(l3, atualizada)); // a computed line is never typed
    g.defineTexto(l1, atualizada, "1.000,50");
    g.defineTexto(l2, atualizada, "200");
    EXPECT_EQ(g.texto(l3, atualizada), "1.200,50");
    g.defineTexto(l2, atualizada, "");
    EXPECT_EQ(g.texto(l2, atualizada), "0,00"); // an emptied cell is 0
    EXPECT_EQ(g.texto(l3, atualizada), "1.000,50");
    g.defineTexto(l1, g.indice("ateBimAtual"), "400,25");
    EXPECT_EQ(g.texto(l1, g.indice("Saldo")), "600,25"); // (a - b)

    // A bimester value above the updated one stops the save, before any write.
    g.defineTexto(l1, bimestre, "2.000");
    EXPECT_FALSE(g.gravaPeriodo());
    EXPECT_EQ(o.p.ui.ultimo(), QStringLiteral("Valor no Bimestre não pode ser superior ao Atualizado."));
    EXPECT_EQ(o.conta("SELECT count(*) FROM tabAnexo08Movimento"), 0);
    g.defineTexto(l1, bimestre, "10");
    o.p.ui.limpa();
    ASSERT_TRUE(g.gravaPeriodo());
    EXPECT_EQ(o.p.ui.ultimo(), QStringLiteral("Valores Gravados com Sucesso!"));
    EXPECT_EQ(o.banco().valor("SELECT atualizada || '|' || Saldo FROM tabAnexo08Movimento WHERE Campo = 3").toString(),
              "10005000|6002500");

    // Anexo I: revenue codes beginning "21" and expense of category "3", of the open period only.
    o.banco().executa("INSERT INTO tabReceitaMovimento VALUES ('201203', '21140000', '001', 0, 5000000, 0, 2500000), "
                      "('201203', '21230000', '002', 0, 1000000, 0, 500000), ('201203', '11120200', '001', 0, 9, 0, 9), "
                      "('201202', '21140000', '001', 0, 7, 0, 7)");
    o.banco().executa("INSERT INTO tabDespesaMovimento (BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, "
                      "Codigo_Funcao, Codigo_SubFuncao, Codigo_Programa, Codigo_Atividade, Codigo_tabDespesaCategoriaEconomica, "
                      "Codigo_tabDespesaGrupoDespesa, Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa, "
                      "ValorDotAtualizada, ValorLiqExercicio) VALUES ('201203', '001', '0201', '04', '122', '0010', '2001', "
                      "'3', '3', '90', '30', 30000000, 1000000), ('201203', '001', '0201', '04', '122', '0010', '2001', '4', "
                      "'4', '90', '51', 99, 99)");
    ASSERT_TRUE(ImportaAnexo1(g, d));
    EXPECT_EQ(g.texto(l1, atualizada) + " " + g.texto(l1, g.indice("ateBimAtual")), "600,00 300,00");
    EXPECT_EQ(g.texto(l2, atualizada) + " " + g.texto(l2, g.indice("ateBimAtual")), "3.000,00 100,00");
    EXPECT_EQ(g.texto(l3, atualizada), "3.600,00");

    // The printed table is what the editor shows.
    const auto t = TabelaDoAnexo(o.p.ctx, "8");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->cabecalho.value(1), QStringLiteral("Previsão/Dotação Atualizada (a)"));
    EXPECT_EQ(t->linhas.value(l3).value(1), "1.000,50");
}

TEST(Demonstrativos, AnexoOnzePerguntaAntesDeImportar)
{
    Orgao o;
    o.banco().executa("INSERT INTO tabReceitaMovimento VALUES ('201203', '11120200', '001', 1000000, 2000000, 300000, 900000)");
    o.banco().executa("INSERT INTO tabDespFuncMovimento (Bimreferencia, Codigo_tabDespFuncFuncao, Codigo_tabDespFuncSubFuncao, "
                      "codigo_tipoorcamento, ValorDotAtualizada, valorliqexercicio) VALUES ('201203', '12', '361', '1', 50000, "
                      "10000), ('201203', '12', '365', '1', 70000, 20000), ('201203', '12', '122', '1', 30000, 0), "
                      "('201203', '10', '301', '1', 9, 9)");
    const DefinicaoDemonstrativo d = o.anexo("11");
    Grade g(o.p.ctx, GradeDoDemonstrativo(o.p.ctx, d));
    g.PreencheGrid();
    EXPECT_FALSE(ImportaAnexo1(g, d)); // answered No
    EXPECT_EQ(o.p.ui.perguntas.value(0).texto,
              QStringLiteral("Todos os dados serão equilvalentes aos preenchidos no Anexo I e II. Deseja continuar."));
    EXPECT_EQ(g.texto(o.linha(g, 2), g.indice("ateoBimestre")), "0,00");
    o.p.ui.respostas = {true};
    ASSERT_TRUE(ImportaAnexo1(g, d));
    EXPECT_EQ(g.texto(o.linha(g, 2), g.indice("ateoBimestre")), "90,00");
    EXPECT_EQ(g.texto(o.linha(g, 2), g.indice("Percentual")), "45,00");
    EXPECT_EQ(g.texto(o.linha(g, 53), g.indice("Atualizada")), "5,00");
    EXPECT_EQ(g.texto(o.linha(g, 57), g.indice("Atualizada")), "7,00");
    EXPECT_EQ(g.texto(o.linha(g, 60), g.indice("Atualizada")), "3,00"); // function 12, the sub-functions no line names
    EXPECT_EQ(g.texto(o.linha(g, 52), g.indice("Atualizada")), "15,00"); // their total
    // Realised above the forecast on a revenue line is refused on saving.
    g.defineTexto(o.linha(g, 2), g.indice("ateoBimestre"), "500");
    EXPECT_FALSE(g.gravaPeriodo());
    EXPECT_EQ(o.p.ui.ultimo(), QStringLiteral("Valor Acumulado não pode ser maior que o Previsto"));
}

TEST(Demonstrativos, SimplificadoDoRreoDoAnexoIEDosDemonstrativos)
{
    Orgao o;
    const Banco& b = o.banco();
    b.executa("INSERT INTO tabReceitaMovimento VALUES ('201203', '11120200', '001', 10000000, 12000000, 1000000, 3000000), "
              "('201203', '917210102', '001', 0, 0, 400000, 900000), ('201202', '11120200', '001', 1, 1, 1, 1)");
    b.executa("INSERT INTO tabDespesaMovimento (BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Funcao, "
              "Codigo_SubFuncao, Codigo_Programa, Codigo_Atividade, Codigo_tabDespesaCategoriaEconomica, Codigo_tabDespesaGrupoDespesa, "
              "Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa, ValorDotInicial, ValorDotAtualizada, "
              "ValorEmpExercicio, ValorLiqExercicio) VALUES ('201203', '001', '0201', '04', '122', '0010', '2001', '3', '1', '90', "
              "'11', 9000000, 11000000, 4000000, 3500000)");
    b.executa("INSERT INTO tabAnexo03Movimento VALUES ('3', 'TOT03', 200000000)");
    b.executa("INSERT INTO tabAnexo04Movimento (BimReferencia, Campo, ateobimestre) VALUES ('201203', 27, 500000), ('201203', 42, 200000)");
    b.executa("INSERT INTO tabAnexo11Movimento (BimReferencia, Campo, ateoBimestre) VALUES ('201203', 90, 265000)");
    b.executa("INSERT INTO tabAnexo39Movimento (id, BimReferencia, Descricao, ateoBimestre) VALUES (1, '201203', 'PPP', 2000000)");
    const auto linhas = PreparaAnexo22A(o.p.ctx);
    const auto valor = [&](const QString& descricao) {
        for (const LinhaSimplificado& l : linhas)
            if (l.descricao == descricao)
                return l.ateBimestre.formata();
        return QString("?");
    };
    EXPECT_EQ(valor("Receitas Realizadas"), "300,00"); // the deduction and the other bimester left out
    EXPECT_EQ(valor("Despesas Liquidadas"), "350,00");
    EXPECT_EQ(valor(QStringLiteral("Déficit Orçamentário")), "50,00");
    EXPECT_EQ(valor(QStringLiteral("Superávit Orçamentário")), "0,00");
    EXPECT_EQ(valor(QStringLiteral("Receita Corrente Líquida")), "20.000,00");
    EXPECT_EQ(valor(QStringLiteral("Resultado Previdenciário (VI) = (IV - V)")), "30,00");
    EXPECT_EQ(valor(QStringLiteral("Mínimo Anual de 25% das Receitas de Impostos na MDE")), "26,50");
    EXPECT_EQ(valor("Total das Despesas / RCL (%)"), "1,00");
    EXPECT_EQ(o.conta("SELECT count(*) FROM tabAnexo22aTemp WHERE BimReferencia = '201203'"), int(linhas.size()));
    ASSERT_TRUE(GravaAnexo22A(o.p.ctx, linhas));
    ASSERT_TRUE(GravaAnexo22A(o.p.ctx, linhas));
    EXPECT_EQ(o.p.ui.ultimo(), "Valores gravados com sucesso!");
    const int comValores = int(std::count_if(linhas.begin(), linhas.end(), [](const LinhaSimplificado& l) { return !l.titulo; }));
    EXPECT_EQ(o.conta("SELECT count(*) FROM tabAnexo22aMovimento WHERE BimReferencia = '201203'"), comValores);
    EXPECT_EQ(TabelaDoAnexo(o.p.ctx, "22a")->linhas.size(), linhas.size());
}
