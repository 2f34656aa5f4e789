// The pre-submission checks on small bodies built for each case: every pattern passing and
// failing, the Anexo I registers, the Anexo II sums, Anexo III, the RCL cross-checks, the
// register checks of XIII, XIV and XXVI, the responsible persons, order and counts.
#include "comum/BancoTeste.h"
#include "submission/Criticas.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << "[\n  " << l.join("\n  ").toStdString() << "\n]"; }

namespace {
constexpr qlonglong R = 10000; // ten-thousandths in one real
const QString Cnpj = QStringLiteral("11.222.333/0001-81");

// A body with nothing due, its responsible persons and tax number in order: a clean run.
struct Corpo : OrgaoAberto {
    explicit Corpo(const QString& sigla = QStringLiteral("P001"), const QString& periodo = QStringLiteral("201203"))
        : OrgaoAberto(sigla, periodo)
    {
        p.ctx.anexosDevidos.fill(0);
        const char* funcao = sigla.startsWith('I') ? "PRESIDENTE DE ÓRGÃO" : sigla.startsWith('C') ? "PRESIDENTE DE CÂMARA" : "PREFEITO";
        sql("INSERT INTO tabResponsavelInformacao (bimreferencia, cpf, nome, funcao) VALUES (?, '52998224725', 'Ana', ?)",
            {periodo, QString::fromUtf8(funcao)});
        sql("INSERT INTO tabResponsavelPreenchimento (bimreferencia, nome) VALUES (?, 'Beto')", {periodo});
        sql("INSERT INTO tabResponsavelContabilidade (bimreferencia, nome) VALUES (?, 'Caio')", {periodo});
        sql("UPDATE tabChave SET CGC = ?", {Cnpj});
    }
    void devidos(std::initializer_list<int> lista)
    {
        for (int s : lista)
            p.ctx.anexosDevidos[size_t(s)] = 1;
    }
    Problemas roda() { return ExecutaCriticas(p.ctx); }
    const QString& periodo() const { return p.ctx.BimReferencia; }

    // Anexo XIV rows, complete unless told otherwise.
    int empenho(const QString& numero, qlonglong decimos, const QString& elemento = "339030", const QString& processo = "PL-1",
                const QString& periodoEmpenho = {})
    {
        const int id = banco().valor("SELECT COALESCE(max(idEmpenho), 0) + 1 FROM tabAnexo14Movimento").toInt();
        sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, NumeroProcesso, Tipo, ProcessoLicitacao,"
            " ElementoDespesa, FonteRecurso, TipoDocumento, NumeroDocumento, NomeCredor, DataEmpenho, ValorEmpenhado)"
            " VALUES (?, ?, ?, '10/2012', 'O', ?, ?, '001', '0', ?, 'Construtora Alfa', '10/05/2012', ?)",
            {id, periodoEmpenho.isEmpty() ? periodo() : periodoEmpenho, numero, processo, elemento, Cnpj, decimos});
        return id;
    }
    int pagamento(const QString& numero, const QString& ordem, qlonglong decimos, const QVariant& nota = "123")
    {
        const int id = banco().valor("SELECT COALESCE(max(idPagamento), 0) + 1 FROM tabAnexo14Pagamentos").toInt();
        sql("INSERT INTO tabAnexo14Pagamentos (idPagamento, BimReferencia, NumeroOBCheque, DataPagamento, NumeroNotaFiscal,"
            " ValorPago, idContaCorrente, NumeroEmpenho, DocCredor) VALUES (?, ?, ?, '20/05/2012', ?, ?, 1, ?, ?)",
            {id, periodo(), ordem, nota, decimos, numero, Cnpj});
        return id;
    }
    void anulacao(const QString& numero, const QString& nota, qlonglong decimos)
    {
        sql("INSERT INTO tabAnexo14Anulacoes (BimReferencia, NotaAnulacao, ValorAnulado, NumeroEmpenho, DataAnulacao)"
            " VALUES (?, ?, ?, ?, '21/05/2012')",
            {periodo(), nota, decimos, numero});
    }
    void anulacaoPagamento(int idPagamento, const QString& nota, qlonglong decimos)
    {
        sql("INSERT INTO tabAnexo14AnulacaoPagamento (idPagamento, BimReferencia, NotaAnulacao, ValorAnulacao, DataAnulacao, NumeroOBCheque)"
            " VALUES (?, ?, ?, ?, '22/05/2012', 'OB')",
            {idPagamento, periodo(), nota, decimos});
    }
    void licitacao(const QString& processo)
    {
        sql("INSERT INTO tabAnexo13Movimento (BimReferencia, NumeroProcesso) VALUES (?, ?)", {periodo(), processo});
    }
    // Commitment E1 of 100,00 under process PL-1, paid by OB1, with an annulment AN1 and an
    // annulment AP1 of the payment; the payment's key.
    int atosDoEmpenho(qlonglong pago, qlonglong anulado, qlonglong anuladoDoPagamento)
    {
        licitacao("PL-1");
        empenho("E1", 100 * R);
        const int pg = pagamento("E1", "OB1", pago);
        anulacao("E1", "AN1", anulado);
        anulacaoPagamento(pg, "AP1", anuladoDoPagamento);
        return pg;
    }
};

// (annex | item + message | remedy) of each problem, as the list shows it.
QStringList linhas(const Problemas& ps)
{
    QStringList r;
    for (const Problema& p : ps)
        r << p.anexo + " | " + p.item + p.mensagem + " | " + p.solucao;
    return r;
}
QStringList ids(const Problemas& ps)
{
    QStringList r;
    for (const Problema& p : ps)
        r << p.verificacao;
    return r;
}
} // namespace

TEST(Criticas, CorpoEmOrdemNaoTemProblema)
{
    Corpo c;
    EXPECT_TRUE(c.roda().empty());
    EXPECT_TRUE(c.p.ui.perguntas.isEmpty());
}

// Pattern A: a statement without a row of the period; a row of another period does not count.
TEST(Criticas, PadraoA)
{
    Corpo c;
    c.devidos({12});
    c.sql("INSERT INTO tabAnexo12Movimento (BimReferencia, Campo) VALUES ('201202', 1)");
    const Problemas ps = c.roda();
    ASSERT_EQ(ps.size(), 1u);
    EXPECT_EQ(linhas(ps)[0], "XII - Receita de Impostos | Movimento do Anexo não informado. | Digitar informações do Anexo.");
    EXPECT_EQ(ps[0].item, "");
    EXPECT_EQ(ps[0].verificacao, "12.sem-movimento");
    EXPECT_EQ(ps[0].tabela, "tabAnexo12Movimento");

    c.sql("INSERT INTO tabAnexo12Movimento (BimReferencia, Campo) VALUES ('201203', 1)");
    EXPECT_TRUE(c.roda().empty());
}

// Pattern B: each row on a line its catalogue lacks; the movement test only when none.
TEST(Criticas, PadraoB)
{
    const struct {
        int slot;
        const char* tabela;
        const char* titulo;
    } casos[] = {{4, "tabAnexo04Movimento", "IV - Rec. e Desp. Previdenciárias"},
                 {6, "tabAnexo06Movimento", "VI - Resultado Primário"},
                 {16, "tabAnexo16Movimento", "XVI - Dívida Cons. Líquida"},
                 {23, "tabAnexo22bMovimento", "XXII - Limites"}};
    for (const auto& k : casos) {
        SCOPED_TRACE(k.tabela);
        Corpo c;
        c.devidos({k.slot});
        const QString titulo = QString::fromUtf8(k.titulo);
        EXPECT_EQ(linhas(c.roda()), QStringList{titulo + " | Movimento do Anexo não informado. | Digitar informações do Anexo."});
        c.sql(QStringLiteral("INSERT INTO %1 (BimReferencia, Campo) VALUES ('201203', 1)").arg(k.tabela));
        EXPECT_TRUE(c.roda().empty());
        c.sql(QStringLiteral("INSERT INTO %1 (BimReferencia, Campo) VALUES ('201203', 999), ('201203', 998), ('201202', 997)").arg(k.tabela));
        const Problemas ps = c.roda();
        EXPECT_EQ(linhas(ps), (QStringList{titulo + " | Campo: 999 - Foi digitado um movimento para um campo inválido. | Excluir o(s) registro(s) com este campo.",
                                           titulo + " | Campo: 998 - Foi digitado um movimento para um campo inválido. | Excluir o(s) registro(s) com este campo."}));
        ASSERT_EQ(ps.size(), 2u);
        EXPECT_EQ(ps[0].tabela, k.tabela);
        EXPECT_EQ(c.texto(QStringLiteral("SELECT Campo FROM %1 WHERE rowid = ?").arg(k.tabela), {ps[0].linha}), "999");
        c.sql(QStringLiteral("DELETE FROM %1 WHERE Campo <> 999").arg(k.tabela));
        EXPECT_EQ(c.roda().size(), 1u) << "an invalid line alone is no missing movement";
    }
}

// Pattern C: the question, then Yes adds nothing and No the problem; Anexo XX has its own texts.
TEST(Criticas, PadraoCPerguntaSimENao)
{
    const struct {
        int slot;
        const char* pergunta;
        const char* problema;
    } casos[] = {
        {9, "Movimento não encontrado para o Anexo 09.\nDeseja prosseguir com a geração dos dados ?",
         "IX - Regime de Previdência | Movimento do Anexo não informado. | Digitar informações do Anexo."},
        {20, "Movimento não encontrado para o Anexo 20.\nDeseja prosseguir com a geração dos dados ?",
         "XX - Dem.Restos a Pagar | Movimento do Anexo 20 não informado. | Digitar informações do Anexo XX"},
        {14, "Movimento não encontrado para o Anexo 14.\nDeseja prosseguir com a geração dos dados ?",
         "XIV - Licitações | Movimento do Anexo 14 não informado. | Digitar informações do Anexo XIV."},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.slot);
        Corpo c;
        c.devidos({k.slot});
        c.p.ui.respostas = {true};
        EXPECT_TRUE(c.roda().empty());
        ASSERT_EQ(c.p.ui.perguntas.size(), 1);
        EXPECT_EQ(c.p.ui.perguntas[0].texto, QString::fromUtf8(k.pergunta));
        EXPECT_EQ(c.p.ui.perguntas[0].titulo, "Mensagem do Sistema");
        c.p.ui.limpa();
        c.p.ui.respostas = {false};
        EXPECT_EQ(linhas(c.roda()), QStringList{QString::fromUtf8(k.problema)});
    }
    Corpo c;
    c.devidos({9});
    c.sql("INSERT INTO tabAnexo09Movimento (BimReferencia, Seq) VALUES ('201203', 1)");
    EXPECT_TRUE(c.roda().empty());
    EXPECT_TRUE(c.p.ui.perguntas.isEmpty());
}

// Anexo I: movements present, and each line's codes in the period's registers; one problem a line.
TEST(Criticas, Anexo1)
{
    Corpo c;
    c.devidos({1});
    EXPECT_EQ(linhas(c.roda()),
              (QStringList{"I - Receita | Movimento de Receita não informado. | Digitar informações de Receita do Anexo I.",
                           "I - Despesa | Movimento não informado. | Digitar informações de Despesa do Anexo I."}));

    // The registers of another period do not count.
    c.sql("INSERT INTO tabFonte (bimreferencia, Fonte) VALUES ('201203', '001'), ('201202', '002')");
    c.sql("INSERT INTO tabInstitucional (bimreferencia, codigo) VALUES ('201203', '0201')");
    c.sql("INSERT INTO tabProjeto (Bimreferencia, Programa, Projeto) VALUES ('201203', '0001', '1001')");
    const QString sub = c.texto("SELECT Codigo FROM tabDespFuncSubFuncao LIMIT 1");
    c.sql("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos) VALUES"
          " ('201203', '11120200', '001'), ('201203', '11120400', '002'), ('201203', '11130500', '002'), ('201202', '11120200', '009')");
    auto despesa = [&](const char* fonte, const char* inst, const QString& subfuncao, const char* programa, const char* atividade,
                       const char* elemento) {
        c.sql("INSERT INTO tabDespesaMovimento (BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Funcao,"
              " Codigo_SubFuncao, Codigo_Programa, Codigo_Atividade, Codigo_tabDespesaCategoriaEconomica, Codigo_tabDespesaGrupoDespesa,"
              " Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa) VALUES ('201203', ?, ?, '04', ?, ?, ?, '3', '3', '90', ?)",
              {fonte, inst, subfuncao, programa, atividade, elemento});
    };
    despesa("001", "0201", sub, "0001", "1001", "30");
    EXPECT_EQ(linhas(c.roda()),
              (QStringList{"I - Receita | Número da Fonte: 002 - Fonte de Recursos Não Cadastrada | Cadastrar a Fonte de Recursos : Fonte = 002",
                           "I - Receita | Número da Fonte: 002 - Fonte de Recursos Não Cadastrada | Cadastrar a Fonte de Recursos : Fonte = 002"}))
        << "two lines with the same unregistered source give two problems";
    c.sql("DELETE FROM tabReceitaMovimento WHERE FonteRecursos = '002'");
    EXPECT_TRUE(c.roda().empty());

    despesa("002", "0201", sub, "0001", "1001", "31");
    despesa("001", "0999", sub, "0001", "1001", "32");
    despesa("001", "0201", "9X9", "0001", "1001", "33");
    despesa("001", "0201", sub, "0001", "1002", "34");
    despesa("001", "0201", sub, "0002", "1001", "35");
    const Problemas ps = c.roda();
    EXPECT_EQ(linhas(ps),
              (QStringList{"I - Despesa | Número da Fonte: 002 - Fonte de Recursos Não Cadastrada | Cadastrar a Fonte de Recursos : Fonte = 002",
                           "I - Despesa | Número da Classificação Institucional: 0999 - Classificação Institucional Não Cadastrada | Cadastrar a Classificação Institucional :  = 0999",
                           "I - Despesa | Número da Sub Função: 9X9 - Sub Função Não Cadastrada | Cadastrar a Sub Função  : Sub Função = 9X9",
                           "I - Despesa | Número do Projeto/Atividade: 1002 - Projeto/Atividade Não Cadastrado | Cadastrar o Projeto/Atividade  : programa = 0001 e Projeto/Atividade 1002",
                           "I - Despesa | Número do Projeto/Atividade: 1001 - Projeto/Atividade Não Cadastrado | Cadastrar o Projeto/Atividade  : programa = 0002 e Projeto/Atividade 1001"}));
    EXPECT_EQ(ids(ps), (QStringList{"01.fonte-despesa", "01.institucional", "01.subfuncao", "01.projeto", "01.projeto"}));
    for (const Problema& p : ps)
        EXPECT_EQ(p.tabela, "tabDespesaMovimento");
    EXPECT_EQ(c.texto("SELECT Codigo_tabDespesaElementoDespesa FROM tabDespesaMovimento WHERE rowid = ?", {ps[1].linha}), "32");
}

// Anexo II: the expense by function against the expense lines.
TEST(Criticas, Anexo2Somas)
{
    const QString diferente = "I - Despesa / II - Desp. por Função | Valor(es) do Anexo 2 não confere(m) com o(s) de Despesa. | Consolidar dados de Despesa com o Anexo II.";
    const QString semMovimento = "II - Desp. por Função | Movimento do Anexo não informado. | Digitar informações do Anexo.";
    const struct {
        const char* caso;
        std::vector<qlonglong> funcao, despesa;
        QStringList esperado;
    } casos[] = {
        {"ambas vazias", {}, {}, {semMovimento}},
        {"iguais", {100 * R, 50 * R}, {150 * R}, {}},
        {"diferentes", {100 * R}, {100 * R + 1}, {diferente}},
        {"só a despesa", {}, {10 * R}, {diferente}},
        {"de outro período não conta", {}, {}, {semMovimento}},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.caso);
        Corpo c;
        c.devidos({2});
        int n = 0;
        for (qlonglong v : k.funcao)
            c.sql("INSERT INTO tabDespFuncMovimento (Bimreferencia, Codigo_tabDespFuncSubFuncao, ValorLiqBimestre) VALUES ('201203', ?, ?)",
                  {QString::number(++n), v});
        for (qlonglong v : k.despesa)
            c.sql("INSERT INTO tabDespesaMovimento (BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Funcao,"
                  " Codigo_SubFuncao, Codigo_Programa, Codigo_Atividade, Codigo_tabDespesaCategoriaEconomica, Codigo_tabDespesaGrupoDespesa,"
                  " Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa, ValorLiqBimestre)"
                  " VALUES ('201203', ?, '1', '1', '1', '1', '1', '3', '3', '90', '30', ?)",
                  {QString::number(++n), v});
        if (QString(k.caso).contains("outro"))
            c.sql("INSERT INTO tabDespFuncMovimento (Bimreferencia, ValorLiqBimestre) VALUES ('201202', 5)");
        EXPECT_EQ(linhas(c.roda()), k.esperado);
    }
}

// Anexo III: line 222 leaves the catalogue; lines are checked over every month; the open
// bimester's last month must be there.
TEST(Criticas, Anexo3)
{
    Corpo c;
    c.devidos({3});
    c.sql("INSERT OR IGNORE INTO tabAnexo03Campos (campo, descricao) VALUES ('222', 'Linha antiga')");
    const QString titulo = "III - Rec. Corrente Líquida";
    EXPECT_EQ(linhas(c.roda()), QStringList{titulo + " | Movimento do Anexo não informado. | Digitar informações do Anexo."});
    EXPECT_EQ(c.conta("tabAnexo03Campos", "campo = '222'"), 0);
    EXPECT_GT(c.conta("tabAnexo03Campos"), 0);

    // The month looked for is the bimester's number in the period's year.
    c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('3', '062012', 1)");
    EXPECT_EQ(c.roda().size(), 1u);
    c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('3', '032012', 1)");
    EXPECT_TRUE(c.roda().empty());
    c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('222', '012011', 1)");
    EXPECT_EQ(linhas(c.roda()),
              QStringList{titulo + " | Campo: 222 - Foi digitado um movimento para um campo inválido. | Excluir o(s) registro(s) com este campo."});
}

// The RCL of Anexos XV (line 14, line 11 in 200902) and XXII-B (line 1) against Anexo 03's total.
TEST(Criticas, RclConfereComAnexo03)
{
    {
        Corpo c;
        c.devidos({3, 15});
        c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('3', 'TOT03', ?), ('3', '032012', 1)", {1234567 * R + 8900});
        c.sql("INSERT INTO tabAnexo15Movimento (BimReferencia, Campo, Ult12Mes) VALUES ('201203', 14, ?), ('201203', 11, ?)",
              {1234567 * R + 8900, 5 * R});
        EXPECT_TRUE(c.roda().empty());
        c.sql("UPDATE tabAnexo15Movimento SET Ult12Mes = ? WHERE Campo = 14", {1000 * R + 5000});
        const Problemas ps = c.roda();
        EXPECT_EQ(linhas(ps), QStringList{"XV - Despesa com Pessoal / III - RCL | Valor da RCL gravada (1.000,50) não confere com o Anexo 3 (1.234.567,89).  | Atualizar valor da RCL no Anexo XV."});
        ASSERT_EQ(ps.size(), 1u);
        EXPECT_EQ(ps[0].verificacao, "15.rcl");
        c.p.ctx.anexosDevidos[3] = 0;
        EXPECT_TRUE(c.roda().empty()) << "without Anexo 03 due there is nothing to compare";
    }
    {
        Corpo c("P001", "200902");
        c.devidos({3, 15});
        c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('3', 'TOT02', ?), ('3', '022009', 1)", {10 * R});
        c.sql("INSERT INTO tabAnexo15Movimento (BimReferencia, Campo, Ult12Mes) VALUES ('200902', 11, ?), ('200902', 14, ?)", {10 * R, 7 * R});
        EXPECT_TRUE(c.roda().empty());
    }
    {
        Corpo c;
        c.devidos({3, 23});
        c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('3', '032012', 1)");
        c.sql("INSERT INTO tabAnexo22bMovimento (BimReferencia, Campo, Valor) VALUES ('201203', 1, '1.500,00')");
        EXPECT_EQ(linhas(c.roda()), QStringList{"XXII - Limites / III - RCL | Valor da RCL gravada (1.500,00) não confere com o Anexo 3 (0,00).  | Atualizar valor da RCL no Anexo XXII."})
            << "no total in Anexo 03 is an RCL of 0";
        c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('3', 'TOT03', ?)", {1500 * R});
        EXPECT_TRUE(c.roda().empty());
    }
}

// Anexo XIII: children of the period whose parent is missing.
TEST(Criticas, Anexo13Orfaos)
{
    Corpo c;
    c.devidos({13});
    EXPECT_TRUE(c.roda().empty()) << "no movement test";
    c.sql("INSERT INTO tabAnexo13Movimento (idLicitacao, BimReferencia, NumeroProcesso) VALUES (1, '201202', 'PL-1')");
    c.sql("INSERT INTO tabAnexo13ItensMovimento (idParticipante, BimReferencia, idLicitacao, NumeroDocumento, NumeroProcesso) VALUES"
          " (1, '201203', 1, '111', 'PL-1'), (2, '201203', 9, '222', 'PL-9'), (3, '201202', 9, '333', 'PL-9')");
    c.sql("INSERT INTO tabAnexo13Contratos (idContrato, idParticipante, BimReferencia, NumeroContrato, NumeroDocumento) VALUES"
          " (1, 1, '201203', 'C-1', '111'), (2, 7, '201203', 'C-7', '777')");
    c.sql("INSERT INTO tabAnexo13Aditivos (idContrato, BimReferencia, NumeroAditivo, NumeroContrato) VALUES"
          " (1, '201203', 'A-1', 'C-1'), (5, '201203', 'A-5', 'C-5')");
    const Problemas ps = c.roda();
    EXPECT_EQ(linhas(ps), (QStringList{"XIII - Participantes | Documento do Participante: 222 - Licitação não cadastrada | Cadastrar a Licitação : Processo = PL-9",
                                       "XIII - Contratos | Número do Contrato: C-7 - Participante Não Cadastrado | Cadastrar o Participante : Numero do Documento = 777",
                                       "XIII - Aditivos | Número do Aditivo: A-5 - Contrato Não Cadastrado | Cadastrar o Contrato : Número do Contrato = C-5"}));
    EXPECT_EQ(ids(ps), (QStringList{"13.participante-sem-licitacao", "13.contrato-sem-participante", "13.aditivo-sem-contrato"}));
    EXPECT_EQ(ps[0].tabela, "tabAnexo13ItensMovimento");
    EXPECT_EQ(ps[0].linha.toInt(), 2);
}

// Anexo XIV records: each required value missing or malformed is found by the same tests the
// editor applies, whatever white space it holds.
TEST(Criticas, Anexo14RegistrosIncompletos)
{
    const struct {
        const char* tabela;
        const char* coluna;
        QVariant valor;
        const char* titulo;
        const char* item;
        const char* solucao;
    } casos[] = {
        {"tabAnexo14Movimento", "NumeroProcesso", QVariant(), "XIV - Empenhos", "Empenho: E1", "Preencha os Dados do Empenho Corretamente "},
        {"tabAnexo14Movimento", "NomeCredor", " \t ", "XIV - Empenhos", "Empenho: E1", "Preencha os Dados do Empenho Corretamente "},
        {"tabAnexo14Movimento", "Tipo", QString(QChar(0xa0)), "XIV - Empenhos", "Empenho: E1", "Preencha os Dados do Empenho Corretamente "},
        {"tabAnexo14Movimento", "DataEmpenho", "31/02/2012", "XIV - Empenhos", "Empenho: E1", "Preencha os Dados do Empenho Corretamente "},
        {"tabAnexo14Movimento", "FonteRecurso", QVariant(), "XIV - Empenhos", "Empenho: E1", "Preencha os Dados do Empenho Corretamente "},
        {"tabAnexo14Pagamentos", "NumeroOBCheque", "", "XIV - Pagamentos", "Pagamento: ", "Preencha os Dados do Pagamento Corretamente "},
        {"tabAnexo14Pagamentos", "DataPagamento", "00/05/2012", "XIV - Pagamentos", "Pagamento: OB1", "Preencha os Dados do Pagamento Corretamente "},
        {"tabAnexo14Pagamentos", "idContaCorrente", QVariant(), "XIV - Pagamentos", "Pagamento: OB1", "Preencha os Dados do Pagamento Corretamente "},
        {"tabAnexo14Anulacoes", "ValorAnulado", QVariant(), "XIV - Anulação de Empenhos", "Anulação: AN1", "Preencha os Dados da Anulação Corretamente "},
        {"tabAnexo14AnulacaoPagamento", "DataAnulacao", "22/13/2012", "XIV - Anulação de Pagamentos", "Anulação: AP1", "Preencha os Dados da Anulação Corretamente "},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(std::string(k.tabela) + "." + k.coluna);
        Corpo c;
        c.devidos({14});
        c.atosDoEmpenho(10 * R, 1 * R, 1 * R);
        ASSERT_TRUE(c.roda().empty());
        c.sql(QStringLiteral("UPDATE %1 SET %2 = ?").arg(k.tabela, k.coluna), {k.valor});
        const Problemas ps = c.roda();
        ASSERT_EQ(ps.size(), 1u) << linhas(ps).join('\n').toStdString();
        EXPECT_EQ(ps[0].anexo, QString::fromUtf8(k.titulo));
        EXPECT_EQ(ps[0].item, QString::fromUtf8(k.item));
        EXPECT_FALSE(ps[0].mensagem.isEmpty());
        EXPECT_TRUE(ps[0].mensagem.startsWith('*'));
        EXPECT_EQ(ps[0].solucao, QString::fromUtf8(k.solucao));
        EXPECT_EQ(ps[0].tabela, k.tabela);
    }
    Corpo c;
    c.devidos({14});
    c.licitacao("PL-1");
    c.empenho("E1", 100 * R);
    c.sql("UPDATE tabAnexo14Movimento SET NumeroProcesso = NULL, DataEmpenho = '1/5/2012'");
    const Problemas ps = c.roda();
    ASSERT_EQ(ps.size(), 1u) << "a one-digit day is a date";
    EXPECT_EQ(ps[0].mensagem, "*Número do Processo.\r");
}

// Anexo XIV: the balance, the procurement limit and the invoice number.
TEST(Criticas, Anexo14Saldo)
{
    Corpo c;
    c.devidos({14});
    c.atosDoEmpenho(80 * R, 30 * R, 10 * R);
    EXPECT_TRUE(c.roda().empty()) << "paid 80 - 10, annulled 30: exactly the 100 committed";
    c.sql("UPDATE tabAnexo14Anulacoes SET ValorAnulado = ValorAnulado + 100"); // one cent
    const Problemas ps = c.roda();
    EXPECT_EQ(linhas(ps), QStringList{"XIV - Empenhos/Pagamentos/Anulações | Empenho: E1 - Soma de pagamentos e anulações maior que o valor empenhado. | Corriga o valor pago ou o valor anulado no bimestre."});
    ASSERT_EQ(ps.size(), 1u);
    EXPECT_EQ(ps[0].verificacao, "14.saldo-empenho");
    // A payment of a later period does not count.
    c.sql("UPDATE tabAnexo14Anulacoes SET ValorAnulado = ValorAnulado - 100");
    c.sql("UPDATE tabAnexo14Pagamentos SET ValorPago = ValorPago + 1, BimReferencia = '201204'");
    c.sql("UPDATE tabAnexo14AnulacaoPagamento SET BimReferencia = '201204'");
    EXPECT_TRUE(c.roda().empty());
}

TEST(Criticas, Anexo14LimiteDeLicitacao)
{
    const struct {
        const char* sigla;
        qlonglong valor;
        const char* elemento;
        const char* processo;
        const char* esperado;
    } casos[] = {
        {"P001", 8000 * R + 100, "449052", "SEM", "XIII - Licitações / XIV - Empenhos | Empenho: E1 - Valor do empenho (8.000,01) maior que R$8000,00 s/ processo de licitação | Verif. empenhos e cadastrar licitação destes."},
        {"P001", 8000 * R, "449052", "SEM", nullptr},
        {"I001", 8000 * R + 100, "449052", "SEM", nullptr},
        {"P001", 90000 * R, "339030", "SEM", nullptr}, // current expense is outside the limit
        {"I001", 16000 * R + 100, "449052", nullptr, "XIII - Licitações / XIV - Empenhos | Empenho: E1 - Valor do empenho (16.000,01) maior que R$16000,00 s/ processo de licitação | Verif. empenhos e cadastrar licitação destes."},
        {"P001", 90000 * R, "319011", "SEM", nullptr},
        {"P001", 90000 * R, "449014", "SEM", nullptr},
        {"P001", 90000 * R, "449052", "PL-1", nullptr},
        {"P001", 90000 * R, "449052", "l-1", nullptr}, // inside "PL-1", whatever the case
        {"P001", 90000 * R, "449052", " PL-1 ", nullptr},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(std::string(k.sigla) + " " + k.elemento + " " + std::to_string(k.valor));
        Corpo c(k.sigla);
        c.devidos({14});
        c.licitacao("PL-1");
        c.empenho("E1", k.valor, k.elemento, k.processo ? QString(k.processo) : QString());
        if (!k.processo)
            c.sql("UPDATE tabAnexo14Movimento SET ProcessoLicitacao = NULL");
        EXPECT_EQ(linhas(c.roda()), k.esperado ? QStringList{QString::fromUtf8(k.esperado)} : QStringList{});
    }
}

TEST(Criticas, Anexo14NotaFiscal)
{
    const struct {
        const char* elemento;
        QVariant nota;
        bool problema;
    } casos[] = {{"339030", QVariant(), true}, {"339030", "", true}, {"339030", "55", false}, {"339014", QVariant(), false},
                 {"319030", QVariant(), false}, {"459030", QVariant(), false}, {"339039", QVariant(), true}};
    for (const auto& k : casos) {
        SCOPED_TRACE(k.elemento);
        Corpo c;
        c.devidos({14});
        c.licitacao("PL-1");
        c.empenho("E7", 100 * R, k.elemento);
        const int pg = c.pagamento("E7", "OB1", 10 * R, k.nota);
        const Problemas ps = c.roda();
        if (!k.problema) {
            EXPECT_TRUE(ps.empty()) << linhas(ps).join('\n').toStdString();
            continue;
        }
        EXPECT_EQ(linhas(ps), QStringList{"XIV - Empenhos | Empenho: E7 - Pagamento sem número de nota fiscal | Verif. pagamentos e registrar o nº da nota fiscal."});
        ASSERT_EQ(ps.size(), 1u);
        EXPECT_EQ(ps[0].tabela, "tabAnexo14Pagamentos");
        EXPECT_EQ(ps[0].linha.toInt(), pg);
    }
}

// Anexo XXVI: no account is told without a question; each empty field of an account is a problem.
TEST(Criticas, Anexo26)
{
    Corpo c;
    c.devidos({27});
    const QString titulo = "XXVI - Cadastro de Contas Correntes";
    EXPECT_EQ(linhas(c.roda()), QStringList{titulo + " | Movimento do Anexo 26 não informado. | Digitar informações do Anexo XXVI."});
    EXPECT_TRUE(c.p.ui.perguntas.isEmpty());
    c.sql("INSERT INTO tabAnexo26Extratos VALUES (1, '201203', '001', '1234', '5678-9', 'Movimento', 'Prefeitura')");
    c.sql("INSERT INTO tabAnexo26Extratos VALUES (2, '201203', '104', '', '777-1', NULL, 'Prefeitura')");
    c.sql("INSERT INTO tabAnexo26Extratos VALUES (3, '201202', '104', '', '888-1', NULL, NULL)");
    const Problemas ps = c.roda();
    const QString linha = titulo + " | Conta Corrente: 777-1 - Registro com Campo vazio | Preencher todos os Campos";
    EXPECT_EQ(linhas(ps), (QStringList{linha, linha}));
    ASSERT_EQ(ps.size(), 2u);
    EXPECT_EQ(ps[0].linha.toInt(), 2);
}

// The responsible persons of the period and the body's tax number, after every annex.
TEST(Criticas, Responsaveis)
{
    const QString semRegistro = "Registro não encontrado para o cadastro de responsável.";
    const struct {
        const char* sigla;
        const char* funcao;
        const char* esperado;
    } funcoes[] = {
        {"P001", "  PREFEITO ", nullptr},
        {"P001", "SECRETÁRIO", "Resp. pela Informação | A função no cadastro de Dirigente do Orgão deve ser Prefeito e os dados devem ser do mesmo. | "},
        {"I001", "PREFEITO", "Resp. pela Informação | A função no cadastro de Dirigente do Orgão deve ser Presidente de Órgão e os dados devem ser do mesmo. | "},
        {"I001", "PRESIDENTE DE ÓRGÃO", nullptr},
        {"C001", "PREFEITO", "Resp. pela Informação | A função no cadastro de Dirigente do Orgão deve ser Presidente de Câmara e os dados devem ser do mesmo. | "},
        {"G001", "QUALQUER", nullptr},
    };
    for (const auto& k : funcoes) {
        SCOPED_TRACE(k.sigla);
        Corpo c(k.sigla);
        c.sql("UPDATE tabResponsavelInformacao SET funcao = ?", {QString::fromUtf8(k.funcao)});
        EXPECT_EQ(linhas(c.roda()), k.esperado ? QStringList{QString::fromUtf8(k.esperado)} : QStringList{});
    }
    Corpo c;
    c.sql("UPDATE tabResponsavelInformacao SET bimreferencia = '201202'");
    c.sql("DELETE FROM tabResponsavelPreenchimento");
    c.sql("UPDATE tabResponsavelContabilidade SET bimreferencia = '201101'"); // any period will do
    c.sql("UPDATE tabChave SET CGC = '11.222.333/0001-82'");
    const Problemas ps = c.roda();
    EXPECT_EQ(linhas(ps), (QStringList{"Resp. pela Informação | " + semRegistro + " | ", "Resp. pelo Preenchimento | " + semRegistro + " | ",
                                       "Órgão | CGC inválido para o órgão. | Retornar à tela de Configuração do Sistema."}));
    EXPECT_EQ(ids(ps), (QStringList{"resp.informacao-ausente", "resp.preenchimento-ausente", "resp.cgc-invalido"}));
    c.sql("UPDATE tabChave SET CGC = NULL");
    EXPECT_EQ(c.roda().size(), 3u);
    c.sql("UPDATE tabChave SET CGC = '11222333000181'");
    EXPECT_EQ(c.roda().size(), 2u);
}

// The run: due annexes only, in the order of the slots, the responsible persons last; each
// procedure counts its own problems.
TEST(Criticas, OrdemEContagens)
{
    Corpo c;
    c.devidos({38, 25, 12, 4, 27, 2});
    c.p.ctx.anexosDevidos[19] = 2; // only a flag of exactly 1 is due
    c.sql("DELETE FROM tabResponsavelContabilidade");
    c.sql("INSERT INTO tabAnexo04Movimento (BimReferencia, Campo) VALUES ('201203', 999)");
    const Problemas ps = c.roda();
    EXPECT_EQ(ids(ps), (QStringList{"02.sem-movimento", "04.campo-invalido", "12.sem-movimento", "24.sem-movimento",
                                    "26.sem-movimento", "37.sem-movimento", "resp.contabilidade-ausente"}));
    QStringList titulos;
    for (const Problema& p : ps)
        titulos << p.anexo;
    EXPECT_EQ(titulos, (QStringList{"II - Desp. por Função", "IV - Rec. e Desp. Previdenciárias", "XII - Receita de Impostos",
                                    "XXIV - Desp. Legislativo", "XXVI - Cadastro de Contas Correntes",
                                    "XXXVII - Demonstrativo De Riscos Fiscais e Providências", "Resp. pela Contabilidade"}));
    EXPECT_TRUE(Critica11(c.p.ctx).empty());
}

// A failing query ends its procedure only: told once, the run goes on, and the unfinished
// check is itself a problem, so that the package stays blocked.
TEST(Criticas, FalhaDeUmProcedimentoNaoParaOsOutros)
{
    Corpo c;
    c.devidos({12, 19});
    c.sql("DROP TABLE tabAnexo12Movimento");
    const Problemas ps = c.roda();
    EXPECT_EQ(ids(ps), (QStringList{"12.falha", "19.sem-movimento"}));
    ASSERT_EQ(c.p.ui.mensagens.size(), 1);
    EXPECT_EQ(c.p.ui.mensagens[0].icone, Interacao::Icone::Critico);
}

TEST(Criticas, VerificaOrgao)
{
    Corpo c;
    EXPECT_TRUE(VerificaOrgao(c.p.ctx));
    EXPECT_TRUE(c.p.ui.mensagens.isEmpty());
    c.sql("UPDATE tabChave SET Codigo_tabOrgaos = 'XX99'");
    EXPECT_TRUE(VerificaOrgao(c.p.ctx)) << "a code no body has";
    c.sql("UPDATE tabChave SET Codigo_tabOrgaos = 'C001'");
    EXPECT_FALSE(VerificaOrgao(c.p.ctx));
    EXPECT_EQ(c.p.ui.ultimo(), "Ha incompatibilida dos dados do orgão, pois o mesmo esta sendo gerado para CÂMARA MUNICIPAL DE RIO CELESTE"
                               " entre em contato com Vantor para maiores informações, pois o disquete não poderá ser gerado.");
}

// The print copy replaces the last list; Say wraps long texts for the report.
TEST(Criticas, GravaProblemasESay)
{
    Corpo c;
    c.sql("INSERT INTO tabProblemas VALUES ('velho', 'velho', 'velho')");
    const Problemas ps = {{"I - Receita", "Número da Fonte: 002", " - Fonte de Recursos Não Cadastrada", "Cadastrar", "01.fonte-receita", {}, {}},
                          {"Órgão", "", "CGC inválido para o órgão.", "Retornar", "resp.cgc-invalido", {}, {}}};
    GravaProblemas(c.banco(), ps);
    QSqlQuery q = c.banco().executa("SELECT Anexo, Descricao, Solucao FROM tabProblemas ORDER BY rowid");
    QStringList gravados;
    while (q.next())
        gravados << q.value(0).toString() + "|" + q.value(1).toString() + "|" + q.value(2).toString();
    EXPECT_EQ(gravados, (QStringList{"I - Receita|Número da Fonte: 002 - Fonte de Recursos Não Cadastrada|Cadastrar",
                                     "Órgão|CGC inválido para o órgão.|Retornar"}));

    EXPECT_EQ(Say(""), " ");
    EXPECT_EQ(Say("   "), " ");
    EXPECT_EQ(Say("curto"), "curto");
    const QString longo = QString(105, 'a') + QString(10, 'b');
    EXPECT_EQ(Say(QString(105, 'a')), QString(105, 'a'));
    EXPECT_EQ(Say(longo), QString(105, 'a') + "\r\n" + QString(10, 'b') + "\r\n");
}
