// Anexo I without a screen: the classification registers, the bank accounts, the expense and
// revenue lines typed into their grids as the user does, and the close-time rebuild and
// carry-over.
#include "budget/Classificacao.h"
#include "budget/Despesa.h"
#include "budget/Receita.h"
#include "comum/BancoTeste.h"
#include "registers/ContasBancarias.h"

#include <gtest/gtest.h>

namespace {
struct Corpo : OrgaoAberto {
    using OrgaoAberto::OrgaoAberto;
    // Types a new row cell by cell as text, by field name.
    int digita(Grade& g, const std::vector<std::pair<QString, QString>>& celulas)
    {
        const int l = g.novaLinha();
        for (const auto& [campo, texto] : celulas)
            g.defineTexto(l, g.indice(campo), texto);
        return l;
    }
    QStringList textos() { return p.ui.textos(); }
};

// An analytic revenue code of the plan by competência, so that the tests follow the plan.
QString codigoReceita(Corpo& c, const QString& competencia, bool analitico = true)
{
    return c.texto("SELECT codigo FROM tabReceitaCodigoNovo WHERE competencia = ? AND IndRecebeMovimento = ? "
                   "AND codigo NOT LIKE '9%' ORDER BY codigo LIMIT 1",
                   {competencia, analitico ? 1 : 0});
}
} // namespace

TEST(Classificacao, FontesInstitucionalEProgramasComSuasRecusasECopias)
{
    Corpo c;
    c.sql("INSERT INTO tabFonte VALUES ('201202', '001', 'Recursos Ordinários'), ('201202', '002', 'Vinculados'),"
          " ('201203', '001', 'Ordinários 3'), ('201203', '005', 'Usada pela receita'), ('201203', '006', 'Só na despesa')");
    c.sql("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos) VALUES ('201203', '1', '005')");
    Grade fontes(c.p.ctx, DefinicaoFontes());
    fontes.PreencheGrid();
    ASSERT_EQ(fontes.linhas(), 3);

    // A code of the period is told at typing and emptied; a blank description is refused.
    int l = c.digita(fontes, {{"Fonte", "001"}});
    EXPECT_EQ(c.p.ui.ultimo(), "A fonte já existe");
    EXPECT_TRUE(fontes.valor(l, "Fonte").isNull());
    fontes.defineTexto(l, 0, "007");
    c.p.ui.limpa();
    EXPECT_FALSE(fontes.gravaLinha(l));
    EXPECT_EQ(c.p.ui.ultimo(), "Preencha Todos os Campos.");
    fontes.defineTexto(l, 1, "Convênios");
    EXPECT_TRUE(fontes.gravaLinha(l));

    // A source used by a revenue line of the period stays; one used only by expense goes.
    const auto linhaDe = [&](Grade& g, const QString& codigo) {
        for (int i = 0; i < g.linhas(); ++i)
            if (g.valor(i, 0).toString() == codigo)
                return i;
        return -1;
    };
    EXPECT_FALSE(fontes.excluiLinha(linhaDe(fontes, "005")));
    EXPECT_EQ(c.p.ui.ultimo(), "Impossível excluir, fonte já utilizada no cadastro de receita");
    c.p.ui.respostas = {true};
    EXPECT_TRUE(fontes.excluiLinha(linhaDe(fontes, "006")));

    // The copy asks before replacing: No leaves the period, Yes replaces it.
    c.p.ui.limpa();
    c.p.ui.respostas = {false};
    EXPECT_FALSE(fontes.copiaBimestreAnterior());
    EXPECT_EQ(c.p.ui.perguntas.value(0).texto,
              "Todos os atuais Cadastros serão substituidas pelos do Bimestre Anterior.\nDeseja Continuar ?");
    EXPECT_EQ(c.conta("tabFonte", "bimreferencia = '201203'"), 3);
    c.p.ui.respostas = {true};
    EXPECT_TRUE(fontes.copiaBimestreAnterior());
    EXPECT_EQ(c.texto("SELECT group_concat(Fonte || '=' || Descricao, ';') FROM (SELECT * FROM tabFonte "
                      "WHERE bimreferencia = '201203' ORDER BY Fonte)"),
              "001=Recursos Ordinários;002=Vinculados");

    // The institutional copy only completes, without a question; the second adds nothing.
    c.sql("INSERT INTO tabInstitucional (bimreferencia, codigo, descricao) VALUES ('201202', '0201', 'Gabinete'),"
          " ('201202', '0301', 'Educação'), ('201203', '0201', 'Gabinete do Prefeito')");
    Grade inst(c.p.ctx, DefinicaoInstitucional());
    c.p.ui.limpa();
    EXPECT_TRUE(inst.copiaBimestreAnterior());
    EXPECT_TRUE(inst.copiaBimestreAnterior());
    EXPECT_TRUE(c.p.ui.perguntas.isEmpty());
    EXPECT_EQ(c.texto("SELECT group_concat(codigo || '=' || descricao, ';') FROM (SELECT * FROM tabInstitucional "
                      "WHERE bimreferencia = '201203' ORDER BY codigo)"),
              "0201=Gabinete do Prefeito;0301=Educação");
    EXPECT_EQ(c.texto("SELECT idinst FROM tabInstitucional WHERE codigo = '0301' AND bimreferencia = '201203'"), "301");

    // Programmes: their own required text; the copy carries the projects along.
    c.sql("INSERT INTO tabPrograma VALUES ('201202', '0010', 'Gestão'), ('201203', '0099', 'A substituir')");
    c.sql("INSERT INTO tabProjeto VALUES ('201202', '0010', '2001', 'Manutenção'), ('201203', '0099', '1001', 'Velho')");
    Grade programas(c.p.ctx, DefinicaoProgramas());
    programas.PreencheGrid();
    l = c.digita(programas, {{"Programa", "0020"}});
    c.p.ui.limpa();
    EXPECT_FALSE(programas.gravaLinha(l));
    EXPECT_EQ(c.p.ui.ultimo(), "Preencha o programa e a descrição");
    programas.cancelaLinha(l);
    c.p.ui.respostas = {true};
    EXPECT_TRUE(programas.copiaBimestreAnterior());
    EXPECT_EQ(c.texto("SELECT group_concat(Programa || '/' || Projeto || '=' || descricao) FROM tabProjeto "
                      "WHERE Bimreferencia = '201203'"),
              "0010/2001=Manutenção");
    EXPECT_EQ(c.conta("tabPrograma", "Bimreferencia = '201203'"), 1);

    // Projects follow their programme; without one no row is taken.
    Grade projetos(c.p.ctx, DefinicaoProjetos());
    EXPECT_FALSE(projetos.podeIncluir());
    projetos.defineMestre({"0010"});
    l = c.digita(projetos, {{"Projeto", "2002"}, {"descricao", "Obras"}});
    EXPECT_TRUE(projetos.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT Programa FROM tabProjeto WHERE Projeto = '2002'"), "0010");

    // In the first bimester of the previous exercise there is nothing to copy from.
    c.p.ctx.BimReferencia = "201101";
    EXPECT_FALSE(Grade(c.p.ctx, DefinicaoFontes()).podeCopiar());
    EXPECT_FALSE(Grade(c.p.ctx, DefinicaoInstitucional()).podeCopiar());
    EXPECT_TRUE(Grade(c.p.ctx, DefinicaoProgramas()).podeCopiar());
}

TEST(Classificacao, ListasDosSeletores)
{
    Corpo c;
    c.sql("INSERT INTO tabFonte VALUES ('201203', '001', 'Ordinários'), ('201203', '102', 'Saúde 15%'),"
          " ('201202', '103', 'Outro bimestre')");
    c.sql("INSERT INTO tabProjeto VALUES ('201203', '0010', '2001', 'Manutenção da Saúde'),"
          " ('201202', '0020', '2010', 'Saúde do bimestre anterior')");
    const struct {
        DefinicaoLista lista;
        QStringList filtros;
        QString esperado;
    } casos[] = {
        {ListaFontes(MarcaDespesa), {}, "001,102"},
        {ListaFontes(MarcaDespesa), {"", "15%"}, "102"}, // "%" typed is a percent sign
        {ListaFontes(MarcaDespesa), {"0", "ordin"}, "001"},
        {ListaProjetos(), {}, "0010"},
        {ListaProjetos(), {"", "saúde"}, "0010,0020"}, // the search goes over every period
        {ListaInstitucional(), {}, ""},
        {ListaBancos(), {"001"}, "001"},
    };
    for (const auto& k : casos) {
        QStringList codigos;
        for (const QStringList& linha : LinhasDaLista(c.p.ctx, k.lista, k.filtros))
            codigos << linha.value(0);
        EXPECT_EQ(codigos.join(','), k.esperado) << k.lista.titulo.toStdString() << " " << k.filtros.join('|').toStdString();
    }
    // The caller decides the cells: the revenue editor takes the code only.
    EXPECT_EQ(ListaFontes(MarcaReceita).campos, (QStringList{"FonteRecursos", ""}));
    EXPECT_EQ(ListaFontes(MarcaDespesa).campos, (QStringList{"Codigo_FontedeRecursos", "descricaoFonte"}));
    // Revenue codes of the body's sphere only, and analytic.
    const auto codigos = LinhasDaLista(c.p.ctx, ListaCodigosReceita(c.p.ctx));
    ASSERT_FALSE(codigos.isEmpty());
    EXPECT_EQ(codigos.size(), c.banco().valor("SELECT count(*) FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 "
                                               "AND competencia IN ('EM', 'M')").toInt());
    EXPECT_EQ(ValidaEscolhaFuncional("", "122"), Recusa("Por selecione um código no campo Função."));
    EXPECT_EQ(ValidaEscolhaFuncional("04", ""), Recusa("Por selecione um código no campo Sub-Função."));
    EXPECT_EQ(ValidaEscolhaFuncional("04", "122"), std::nullopt);
}

TEST(ContasBancarias, BancoIdentidadeAlteracaoECopiaDoUltimoPeriodo)
{
    Corpo c;
    Grade g(c.p.ctx, DefinicaoContasBancarias());
    g.PreencheGrid();
    int l = c.digita(g, {{"Banco", "999x"}});
    EXPECT_EQ(c.p.ui.ultimo(), "Código do banco Inválido.");
    EXPECT_TRUE(g.valor(l, "Banco").isNull());
    g.defineTexto(l, g.indice("Banco"), "001");
    EXPECT_TRUE(g.texto(l, g.indice("Banco")).startsWith("001-"));
    for (const auto& [campo, texto] : std::vector<std::pair<QString, QString>>{
             {"Agencia", "1234-5"}, {"Conta_Corrente", "98765-0"}, {"Descricao_Conta", "Movimento"}, {"Titular_Conta", "Prefeitura"}})
        g.defineTexto(l, g.indice(campo), texto);
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT idConta || '|' || Banco || '|' || BimReferencia FROM tabAnexo26Extratos"), "1|001|201203");
    EXPECT_EQ(g.texto(l, 0), "03/2012");

    // The same account again in the period is refused; the holder changes in place.
    const int d = c.digita(g, {{"Banco", "001"}, {"Agencia", "1234-5"}, {"Conta_Corrente", "98765-0"},
                              {"Descricao_Conta", "x"}, {"Titular_Conta", "y"}});
    c.p.ui.limpa();
    EXPECT_FALSE(g.gravaLinha(d));
    EXPECT_EQ(c.p.ui.ultimo(), "Conta Corrente,Agência  e Banco Já Cadastrados no Bimestre Corrente.");
    g.cancelaLinha(d);
    g.defineTexto(l, g.indice("Titular_Conta"), "Fundo Municipal");
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT idConta || '|' || Titular_Conta FROM tabAnexo26Extratos"), "1|Fundo Municipal");

    // The copy takes the latest earlier period that has accounts (not the empty previous one),
    // and replaces every account of the open period.
    c.sql("INSERT INTO tabAnexo26Extratos VALUES (7, '201201', '104', '0001', '55-1', 'Saúde', 'FMS'),"
          " (8, '201201', '237', '0002', '66-2', 'Educação', 'FME')");
    c.p.ui.limpa();
    c.p.ui.respostas = {true};
    ASSERT_TRUE(g.copiaBimestreAnterior());
    EXPECT_EQ(c.p.ui.perguntas.value(0).texto,
              "Todas as atuais Contas Correntes serão substituidas pelas do Bimestre Anterior.\nDeseja Continuar ?");
    EXPECT_EQ(c.p.ui.ultimo(), "Importação realizada com Sucesso.");
    EXPECT_EQ(c.texto("SELECT group_concat(idConta || ':' || Banco, ',') FROM (SELECT * FROM tabAnexo26Extratos "
                      "WHERE BimReferencia = '201203' ORDER BY idConta)"),
              "9:104,10:237");
    // The same account in another period is accepted.
    l = c.digita(g, {{"Banco", "104"}, {"Agencia", "0001"}, {"Conta_Corrente", "55-2"}, {"Descricao_Conta", "Nova"},
                     {"Titular_Conta", "FMS"}});
    EXPECT_TRUE(g.gravaLinha(l));
    c.sql("DELETE FROM tabAnexo26Extratos");
    c.p.ui.limpa();
    EXPECT_FALSE(g.copiaBimestreAnterior());
    EXPECT_EQ(c.p.ui.ultimo(), "Não há Registro de Conta Corrente no Bimestre Anterior.");
}

TEST(Despesa, ValidaNaOrdemEDizSoAUltimaFalha)
{
    Corpo c;
    const auto m = [](qlonglong reais) { return Moeda::deReais(reais); };
    const QString esc = "\n Pressione 'Esc' para cancelar!";
    const struct {
        LinhaDespesa linha;
        QString esperado;
    } casos[] = {
        {{"319011", m(100), m(10), m(50), m(5), m(20)}, ""},
        {{"999999", m(0), m(0), m(0), m(0), m(0)}, ""},
        {{"999999", m(100), m(1), m(1), m(0), m(0)},
         "Em Reserva de Contingência, o valor emp. no exercício não pode ser diferente de zero.\n" + esc},
        {{"999999", m(100), m(0), m(5), m(0), m(3)},
         "Em Reserva de Contingência, o valor liq. no exercício não pode ser diferente de Zero.\n" + esc},
        {{"3190zz", m(100), m(10), m(50), m(5), m(20)}, "Código do Elemento de Despesa inválido.\n" + esc},
        // An invalid element and liquidated above committed: the last check's text only.
        {{"3190zz", m(100), m(10), m(50), m(5), m(60)},
         "Valor Liquidado no Exercício não pode ser maior que Valor Empenhado no Exercício." + esc},
        {{"319011", m(40), m(10), m(50), m(5), m(20)}, "Valor Empenhado no Exercício não pode ser maior que Valor Atualizado." + esc},
        {{"319011", m(100), m(10), m(5), m(0), m(0)},
         "O valor Empenhado no Exercício não pode ser inferior ao do Bimestre.\n" + esc},
        {{"819011", m(100), m(10), m(50), m(5), m(20)}, "Código da Categoria Econômica inválido.\n" + esc},
    };
    for (const auto& k : casos)
        EXPECT_EQ(ValidaDespesa(c.banco(), k.linha), k.esperado) << k.linha.natureza.toStdString();
}

TEST(Despesa, LinhaDigitadaNoTerceiroBimestreERecomposicaoPorFuncao)
{
    Corpo c;
    c.sql("INSERT INTO tabFonte VALUES ('201203', '001', 'Ordinários')");
    c.sql("INSERT INTO tabInstitucional (bimreferencia, codigo, descricao) VALUES ('201203', '0201', 'Gabinete')");
    c.sql("INSERT INTO tabProjeto VALUES ('201203', '0010', '2001', 'Manutenção')");
    // Bimesters 1 and 2 of the same classification; bimester 1 holds the appropriation.
    const QString ins = "INSERT INTO tabDespesaMovimento (BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, "
                        "Codigo_Funcao, Codigo_SubFuncao, Codigo_Programa, Codigo_Atividade, "
                        "Codigo_tabDespesaCategoriaEconomica, Codigo_tabDespesaGrupoDespesa, "
                        "Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa, ValorDotInicial, "
                        "ValorDotAtualizada, ValorEmpBimestre, ValorEmpExercicio, ValorLiqBimestre, ValorLiqExercicio) "
                        "VALUES (?, '001', '0201', '04', '122', '0010', '2001', '3', '1', ?, '11', ?, ?, ?, ?, ?, ?)";
    c.sql(ins, {"201201", "90", 1000'0000, 1200'0000, 100'0000, 100'0000, 80'0000, 80'0000});
    c.sql(ins, {"201202", "90", 1000'0000, 1200'0000, 150'0000, 250'0000, 100'0000, 180'0000});

    Grade g(c.p.ctx, DefinicaoDespesa(c.p.ctx));
    g.PreencheGrid();
    EXPECT_TRUE(g.coluna(g.indice("ValorDotInicial")).somenteLeitura()); // typed in a first bimester only
    EXPECT_TRUE(g.coluna(g.indice("ValorRPNP")).oculta);
    const int l = c.digita(g, {{"Codigo_FontedeRecursos", "001"}, {"Codigo_ClassInstitucional", "0201"},
                               {"Funcional", "04122"}, {"Codigo_Programa", "0010"}, {"Codigo_Atividade", "2001"},
                               {"Natureza", "319011"}});
    EXPECT_EQ(g.texto(l, g.indice("descricaoFonte")), "Ordinários");
    EXPECT_EQ(g.texto(l, g.indice("descricaoInst")), "Gabinete");
    EXPECT_EQ(g.texto(l, g.indice("descricaoProg")), "Manutenção");
    EXPECT_FALSE(g.texto(l, g.indice("descricaoFunc")).isEmpty());
    // The year-to-date of bimesters 1 and 2, the appropriation of bimester 1.
    EXPECT_EQ(g.texto(l, g.indice("ValorEmpExercicio")), "250,00");
    EXPECT_EQ(g.texto(l, g.indice("ValorLiqExercicio")), "180,00");
    EXPECT_EQ(g.texto(l, g.indice("ValorDotInicial")), "1.000,00");
    EXPECT_EQ(g.texto(l, g.indice("ValorDotAtualizada")), "1.200,00");
    g.defineTexto(l, g.indice("ValorEmpBimestre"), "1.234,56");
    g.defineTexto(l, g.indice("ValorLiqBimestre"), "34,56");
    g.defineTexto(l, g.indice("ValorCredAdcionais"), "500");
    EXPECT_EQ(g.texto(l, g.indice("ValorEmpExercicio")), "1.484,56");
    EXPECT_EQ(g.texto(l, g.indice("ValorLiqExercicio")), "214,56");
    EXPECT_EQ(g.texto(l, g.indice("ValorDotAtualizada")), "1.500,00");
    ASSERT_TRUE(g.gravaLinha(l)) << c.textos().join('|').toStdString();
    EXPECT_EQ(c.texto("SELECT Codigo_Funcao || Codigo_SubFuncao || '|' || Codigo_tabDespesaCategoriaEconomica || "
                      "Codigo_tabDespesaGrupoDespesa || Codigo_tabDespesaModalidadeAplicacao || "
                      "Codigo_tabDespesaElementoDespesa || '|' || ValorEmpExercicio FROM tabDespesaMovimento "
                      "WHERE BimReferencia = '201203'"),
              "04122|319011|14845600");

    // A line whose code is missing from its register is refused.
    const int s = c.digita(g, {{"Codigo_FontedeRecursos", "009"}, {"Codigo_ClassInstitucional", "201"},
                               {"Funcional", "04122"}, {"Codigo_Programa", "0010"}, {"Codigo_Atividade", "2001"},
                               {"Natureza", "319013"}});
    EXPECT_EQ(g.texto(s, g.indice("descricaoInst")), "Gabinete"); // the institution found by its code read as a number
    c.p.ui.limpa();
    EXPECT_FALSE(g.gravaLinha(s));
    EXPECT_EQ(c.p.ui.ultimo(), "Preencha Todos os Campos.");
    g.cancelaLinha(s);

    // The deletion names the expense code.
    c.p.ui.respostas = {false};
    EXPECT_FALSE(g.excluiLinha(l));
    EXPECT_EQ(c.p.ui.perguntas.value(0).titulo, "Excluir");
    EXPECT_EQ(c.p.ui.perguntas.value(0).texto, "Deseja realmente excluir o Elemento Despesa: 319011 ?");

    // The rebuild: modality "91" apart from the others of the same function.
    c.sql(ins, {"201203", "91", 10'0000, 10'0000, 1'0000, 1'0000, 0, 0});
    c.sql(QString(ins).replace("'11', ?", "'14', ?"), {"201203", "90", 5'0000, 5'0000, 2'0000, 2'0000, 0, 0});
    RecompoeDespesaPorFuncao(c.banco(), "201203");
    EXPECT_EQ(c.texto("SELECT group_concat(codigo_tipoorcamento || ':' || ValorDotInicial || ':' || valorempexercicio, ',') "
                      "FROM (SELECT * FROM tabDespFuncMovimento WHERE Bimreferencia = '201203' ORDER BY codigo_tipoorcamento)"),
              "1:10050000:14865600,2:100000:10000");
    RecompoeDespesaPorFuncao(c.banco(), "201203"); // again: the same rows, never doubled
    EXPECT_EQ(c.conta("tabDespFuncMovimento", "Bimreferencia = '201203'"), 2);
    RecompoeDespesaPorFuncao(c.banco(), "201204"); // an empty period rebuilds to nothing
    EXPECT_EQ(c.conta("tabDespFuncMovimento", "Bimreferencia = '201204'"), 0);
    EXPECT_EQ(c.conta("tabDespFuncMovimento"), 2);

    // The expense by function screen's listing.
    Grade funcao(c.p.ctx, DefinicaoDespesaPorFuncao(c.p.ctx));
    funcao.PreencheGrid();
    ASSERT_EQ(funcao.linhas(), 2);
    EXPECT_EQ(funcao.texto(0, funcao.indice("Funcional")), "04122");
    EXPECT_EQ(funcao.texto(0, funcao.indice("descricaoFonte")), "Ordinários");
    EXPECT_FALSE(funcao.podeIncluir());
}

TEST(Despesa, SeletorDaNatureza)
{
    Corpo c;
    EXPECT_EQ(ModalidadesDaCategoria(c.banco(), "9").size(), 1);
    EXPECT_EQ(ElementosDaCategoria(c.banco(), "7").value(0).codigo, "99");
    const auto elementos = ElementosDaCategoria(c.banco(), "3");
    EXPECT_GT(elementos.size(), 50);
    EXPECT_TRUE(std::none_of(elementos.begin(), elementos.end(), [](const ItemConsulta& i) { return i.codigo == "99"; }));
    EXPECT_FALSE(GruposDaCategoria(c.banco(), "4").isEmpty());
    const struct { QString cat, grupo, mod, elem, esperado; } casos[] = {
        {"", "1", "90", "11", "Por selecione um código no campo Categoria Econômica."},
        {"3", "", "90", "11", "Por selecione um código no campo Grupo de Despesa."},
        {"3", "1", "", "11", "Por selecione um código no campo Modalidade Aplicação."},
        {"3", "1", "90", "", "Por selecione um código no campo Elemento de Despesa."},
    };
    for (const auto& k : casos)
        EXPECT_EQ(ValidaEscolhaNatureza(k.cat, k.grupo, k.mod, k.elem), Recusa(k.esperado));
    EXPECT_EQ(ValidaEscolhaNatureza("3", "1", "90", "11"), std::nullopt);
}

TEST(Receita, CodigosRecusadosPorEsferaESinteticos)
{
    Corpo municipio;
    const QString estadual = codigoReceita(municipio, "E");
    const QString municipal = codigoReceita(municipio, "M");
    const QString sintetico = codigoReceita(municipio, "EM", false);
    ASSERT_FALSE(estadual.isEmpty() || municipal.isEmpty() || sintetico.isEmpty());
    const auto recusa = [](Corpo& c, const QString& codigo) {
        return VerificaCodigoReceita(c.p.ctx, codigo).recusa.value_or("");
    };
    EXPECT_EQ(recusa(municipio, "12345678"), "Codigo de Receita Inexistente");
    EXPECT_EQ(recusa(municipio, estadual), "Código de Receita exclusiva para o Estado");
    EXPECT_EQ(recusa(municipio, sintetico), "Codigo de Receita Sintetico digite o valor em um codigo Analitico");
    EXPECT_EQ(recusa(municipio, municipal), "");
    Corpo estado("G001");
    EXPECT_EQ(recusa(estado, municipal), "Codigo de Receita exclusiva para o Município");
    EXPECT_EQ(recusa(estado, estadual), "");

    // Typed into the grid: the cell is emptied with the message; the same code and source twice
    // in the period is refused and both cells emptied.
    Corpo& c = municipio;
    c.sql("INSERT INTO tabFonte VALUES ('201203', '001', 'Ordinários'), ('201203', '002', 'Vinculados')");
    Grade g(c.p.ctx, DefinicaoReceita(c.p.ctx));
    g.PreencheGrid();
    int l = c.digita(g, {{"Codigo_tabReceitaCodigo", sintetico}});
    EXPECT_EQ(c.p.ui.ultimo(), "Codigo de Receita Sintetico digite o valor em um codigo Analitico");
    EXPECT_TRUE(g.valor(l, 0).isNull());
    g.defineTexto(l, 0, municipal);
    g.defineTexto(l, 1, "001");
    g.defineTexto(l, g.indice("ValorRealizadoBimestre"), "1.234,56");
    ASSERT_TRUE(g.gravaLinha(l));
    l = c.digita(g, {{"Codigo_tabReceitaCodigo", municipal}, {"FonteRecursos", "002"}});
    EXPECT_TRUE(g.gravaLinha(l)); // another source: another line
    c.p.ui.limpa();
    l = c.digita(g, {{"Codigo_tabReceitaCodigo", municipal}, {"FonteRecursos", "001"}});
    EXPECT_EQ(c.p.ui.ultimo(), "Este código ja existe com essa receita nesse bimestre");
    EXPECT_TRUE(g.valor(l, 0).isNull() && g.valor(l, 1).isNull());
    EXPECT_EQ(c.conta("tabReceitaMovimento"), 2);
}

TEST(Receita, TrazOBimestreAnteriorEResumeOsSinteticos)
{
    Corpo c;
    const QString a = codigoReceita(c, "M");
    const QString b = c.texto("SELECT codigo FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 AND competencia = 'EM' "
                              "AND codigo NOT LIKE '9%' ORDER BY codigo LIMIT 1");
    const QString ins = "INSERT INTO tabReceitaMovimento VALUES (?, ?, ?, ?, ?, ?, ?)";
    c.sql(ins, {"201201", a, "001", 1000'0000, 1000'0000, 100'0000, 100'0000});
    c.sql(ins, {"201202", a, "001", 1000'0000, 1100'0000, 150'0000, 250'0000});
    c.sql(ins, {"201202", b, "002", 500'0000, 600'0000, 40'0000, 40'0000});
    c.sql(ins, {"201203", b, "002", 1'0000, 600'0000, 10'0000, 0});

    ImportaDadosReceita(c.banco(), "201203");
    // The line of bimester 2 missing in 3: previous forecasts, zero in the bimester, the
    // year-to-date of bimesters 1 and 2; the line of both: previous initial, its own sum.
    EXPECT_EQ(c.texto("SELECT ValorPrevistoInicial || '|' || ValorPrevistoAtualizado || '|' || ValorRealizadoBimestre || '|' "
                      "|| ValorRealizadoExercicio FROM tabReceitaMovimento WHERE bimreferencia = '201203' AND "
                      "Codigo_tabReceitaCodigo = ?",
                      {a}),
              "10000000|11000000|0|2500000");
    EXPECT_EQ(c.texto("SELECT ValorPrevistoInicial || '|' || ValorRealizadoExercicio FROM tabReceitaMovimento "
                      "WHERE bimreferencia = '201203' AND Codigo_tabReceitaCodigo = ?",
                      {b}),
              "5000000|500000");
    ImportaDadosReceita(c.banco(), "201203"); // twice: the same
    EXPECT_EQ(c.conta("tabReceitaMovimento", "bimreferencia = '201203'"), 2);
    // The first bimester has no previous lines: nothing changes.
    ImportaDadosReceita(c.banco(), "201201");
    EXPECT_EQ(c.conta("tabReceitaMovimento", "bimreferencia = '201201'"), 1);

    // A new line in bimester 3 starts from bimester 2 of the same code and source.
    c.sql("DELETE FROM tabReceitaMovimento WHERE bimreferencia = '201203' AND Codigo_tabReceitaCodigo = ?", {a});
    Grade g(c.p.ctx, DefinicaoReceita(c.p.ctx));
    g.PreencheGrid();
    const int l = c.digita(g, {{"FonteRecursos", "001"}, {"Codigo_tabReceitaCodigo", a}});
    EXPECT_EQ(g.texto(l, g.indice("ValorPrevistoInicial")), "1.000,00");
    EXPECT_EQ(g.texto(l, g.indice("ValorRealizadoExercicio")), "250,00");
    g.defineTexto(l, g.indice("ValorRealizadoBimestre"), "5,5");
    EXPECT_EQ(g.texto(l, g.indice("ValorRealizadoExercicio")), "255,50");
    EXPECT_FALSE(g.editavel(l, g.indice("ValorRealizadoExercicio")));
    ASSERT_TRUE(g.gravaLinha(l));

    // The summary: analytic codes with the sum of their sources, synthetic codes with their
    // analytic codes' sums; the other sphere's codes are not listed.
    const auto resumo = ResumoReceita(c.p.ctx);
    const auto linha = [&](const QString& codigo) {
        for (const LinhaResumoReceita& r : resumo)
            if (r.codigo == codigo)
                return r;
        return LinhaResumoReceita{};
    };
    EXPECT_EQ(linha(a).bimestre, Moeda::deDecimos(55000));
    const QString raiz = a.left(1) + "0000000";
    EXPECT_FALSE(linha(raiz).analitica);
    Moeda esperado;
    for (const LinhaResumoReceita& r : resumo)
        if (r.analitica && r.codigo.startsWith(linha(raiz).grupo))
            esperado += r.exercicio;
    EXPECT_EQ(linha(raiz).exercicio, esperado);
    EXPECT_EQ(linha(raiz).exercicio, Moeda::deDecimos(255'5000 + 50'0000));
    EXPECT_TRUE(linha(codigoReceita(c, "E")).codigo.isEmpty());

    GravaPlanoContas(c.banco(), "A");
    EXPECT_EQ(PlanoContas(c.banco()), "A");
}
