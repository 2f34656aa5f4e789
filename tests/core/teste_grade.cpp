#include "comum/BancoTeste.h"
#include "core/Conversoes.h"
#include "core/Grade.h"

#include <gtest/gtest.h>

namespace {
// A register of its own: a code per period, a description, an amount, a date and a column the
// grid does not show; a table of codes for the look-up.
DefinicaoGrade definicao()
{
    return {.tabela = "tabTesteGrade", .chave = {"Codigo"}, .ordem = "Codigo",
            .colunas = {{.campo = "Codigo", .titulo = "Código", .tipo = TipoColuna::Obrigatoria, .tamanhoMaximo = 4},
                        {.campo = "Descricao", .titulo = "Descrição", .tipo = TipoColuna::Obrigatoria},
                        {.campo = "Valor", .titulo = "Valor", .formato = FormatoColuna::Valor},
                        {.campo = "Data", .titulo = "Data", .formato = FormatoColuna::Data}},
            .identificador = "idLinha", .mensagemDuplicada = "A fonte já existe", .ofereceCopia = true};
}

struct Cenario {
    ProgramaTeste p;
    Cenario()
    {
        p.configuraOrgao("P001");
        banco().executa("CREATE TABLE tabTesteGrade (idLinha INTEGER, BimReferencia TEXT, Codigo TEXT COLLATE NOCASE, "
                        "Descricao TEXT, Valor INTEGER, Data TEXT, Extra TEXT)");
    }
    const Banco& banco() { return p.ctx.BancoOrgao; }
    void insere(int id, const QString& periodo, const QString& codigo, const QString& descricao, qlonglong valor = 0,
                const QVariant& extra = {})
    {
        banco().executa("INSERT INTO tabTesteGrade VALUES (?,?,?,?,?,NULL,?)", {id, periodo, codigo, descricao, valor, extra});
    }
    QString linha(const QString& onde)
    {
        return banco().valor("SELECT idLinha || '|' || BimReferencia || '|' || Valor || '|' || ifnull(Data, '') || '|' || "
                             "ifnull(Extra, '') FROM tabTesteGrade WHERE " + onde).toString();
    }
    int conta(const QString& onde = "1=1")
    {
        return banco().valor("SELECT count(*) FROM tabTesteGrade WHERE " + onde).toInt();
    }
    // Types a row as the user does: cell by cell, as text (a null text skips the cell).
    int digita(Grade& g, const QStringList& textos)
    {
        const int l = g.novaLinha();
        for (int c = 0; c < textos.size(); ++c)
            if (!textos[c].isNull())
                g.defineTexto(l, c, textos[c]);
        return l;
    }
};
} // namespace

TEST(Grade, ListaGravaAlteraECancela)
{
    Cenario s;
    s.insere(41, "201201", "B2", "Segunda", 12345600);
    s.insere(2, "201106", "Z9", "Antiga");
    Grade g(s.p.ctx, definicao());
    ASSERT_TRUE(g.PreencheGrid());
    ASSERT_EQ(g.linhas(), 1);
    EXPECT_EQ(g.moeda(0, "Valor"), Moeda::deDecimos(12345600));

    const int l = s.digita(g, {"F01xyz", "Recursos próprios", "1.234,56", "1/3/12"});
    EXPECT_EQ(g.texto(l, 0), "F01x"); // cut to its length
    ASSERT_TRUE(g.gravaLinha(l));
    // Next code of the table, the open period, the exact amount; columns not shown stay null.
    EXPECT_EQ(s.linha("Codigo = 'F01x'"), "42|201201|12345600|01/03/2012|");

    // A change updates that row only; typing the stored value back is no change.
    g.defineMoeda(l, "Valor", Moeda::deDecimos(5000));
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(s.linha("Codigo = 'F01x'"), "42|201201|5000|01/03/2012|");
    g.defineTexto(0, 2, "1234,56");
    EXPECT_FALSE(g.pendente(0));
    EXPECT_TRUE(g.gravaLinha(g.novaLinha())); // an untouched new row goes away
    EXPECT_EQ(g.linhas(), 2);
    EXPECT_EQ(s.conta(), 3);
    EXPECT_TRUE(s.p.ui.mensagens.isEmpty());
}

// The screen test covers the required, duplicate and rule refusals as typed; these are the cases it does not.
TEST(Grade, RecusasMantemALinhaComOQueFoiDigitado)
{
    Cenario s;
    s.insere(1, "201201", "F1", "Existente");
    s.insere(2, "201106", "F2", "Outro período");
    DefinicaoGrade d = definicao();
    QString recusa;
    d.antesGravar = [&](Grade&, int) { return recusa.isNull() ? Recusa() : Recusa(recusa); };
    Grade g(s.p.ctx, d);
    g.PreencheGrid();
    const int l = s.digita(g, {"F2", QString(), "10"});
    const struct { int coluna; QString texto, recusa, mensagem; } casos[] = {
        {1, "   ", {}, "Preencha Todos os Campos."},   // blanks count as empty
        {1, "Nova", "", {}},                           // refused silently
        {0, "f1", {}, "A fonte já existe"},            // keys compare without case
    };
    for (const auto& c : casos) {
        s.p.ui.limpa();
        recusa = c.recusa;
        g.defineTexto(l, c.coluna, c.texto);
        EXPECT_FALSE(g.gravaLinha(l)) << c.texto.toStdString();
        EXPECT_EQ(s.p.ui.ultimo(), c.mensagem);
        EXPECT_TRUE(g.pendente(l) && g.texto(l, 2) == "10,00");
    }
    // The same code in another period is no duplicate.
    recusa = QString();
    g.defineTexto(l, 0, "F2");
    EXPECT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(s.conta("Codigo = 'F2'"), 2);

    // A database failure shows its error and keeps the typing.
    const int m = s.digita(g, {"F3", "Três"});
    s.banco().executa("DROP TABLE tabTesteGrade");
    s.p.ui.limpa();
    EXPECT_FALSE(g.gravaLinha(m));
    EXPECT_EQ(s.p.ui.mensagens[0].icone, Interacao::Icone::Critico);
    EXPECT_TRUE(s.p.ui.ultimo().startsWith("Não foi possível gravar a linha.\rOrigem.: "));
    EXPECT_EQ(g.texto(m, 1), "Três");
    EXPECT_FALSE(g.PreencheGrid());
    EXPECT_TRUE(s.p.ui.ultimo().startsWith("Não foi possível listar os registros.\r"));
}

// The question's text and the read-only earlier rows are the screen test's.
TEST(Grade, ExclusaoPerguntaEApagaSoComSim)
{
    Cenario s;
    s.insere(1, "201201", "F1", "Um");
    s.insere(2, "201201", "F2", "Dois");
    s.insere(3, "201106", "F1", "Um antigo");
    DefinicaoGrade d = definicao();
    d.antesExcluir = [](Grade& g, int l) -> Recusa {
        return g.valor(l, "Codigo") == "F2" ? Recusa(QString("Impossível excluir, fonte já utilizada no cadastro de receita")) : Recusa();
    };
    Grade g(s.p.ctx, d);
    g.PreencheGrid();
    EXPECT_FALSE(g.excluiLinha(0)); // answered No
    ASSERT_EQ(s.p.ui.padroes, QList{Interacao::Padrao::Nao});
    EXPECT_FALSE(g.excluiLinha(1)); // refused before any question
    EXPECT_EQ(s.p.ui.ultimo(), "Impossível excluir, fonte já utilizada no cadastro de receita");
    s.p.ui.respostas = {true};
    EXPECT_TRUE(g.excluiLinha(0));
    EXPECT_EQ(s.conta("Codigo = 'F1'"), 1); // the earlier period's row stays
    EXPECT_TRUE(g.excluiLinha(s.digita(g, {"F5"}))); // a row not stored goes without a question
    EXPECT_EQ(s.p.ui.perguntas.size(), 2);
}

TEST(Grade, RegrasDeclaradas)
{
    Cenario s;
    s.banco().executa("CREATE TABLE tabCodigos (BimReferencia TEXT, Cod TEXT, Nome TEXT)");
    s.banco().executa("INSERT INTO tabCodigos VALUES ('201201', '001', 'Banco do Brasil'), ('201106', '002', 'Antigo')");
    s.insere(1, "201201", "001", "x", 0, "S");
    s.insere(2, "201201", "002", "y");
    DefinicaoGrade d = definicao();
    d.colunas[0].consulta = {"tabCodigos", "Cod", "Nome", "BimReferencia", "Banco", "Código do banco Inválido."};
    d.colunas.push_back({.campo = "Banco", .titulo = "Banco", .tipo = TipoColuna::Descricao, .gravada = false});
    d.colunas.push_back({.campo = "Extra", .titulo = "Fechada", .oculta = true});
    d.colunaSomenteLeitura = "Extra";
    d.permiteExcluir = false;
    Grade g(s.p.ctx, d);
    g.PreencheGrid();
    // Descriptions come with the listing, by code and period.
    EXPECT_EQ(g.texto(0, 4) + '|' + g.texto(1, 4), "Banco do Brasil|");
    EXPECT_TRUE(g.somenteLeitura(0) && !g.somenteLeitura(1));
    EXPECT_FALSE(g.excluiLinha(1));
    // And again when the code changes; an unknown code is refused.
    const int l = s.digita(g, {"001"});
    EXPECT_EQ(g.texto(l, 4), "Banco do Brasil");
    g.defineTexto(l, 0, "002");
    EXPECT_EQ(s.p.ui.ultimo(), "Código do banco Inválido.");
    EXPECT_EQ(g.texto(l, 0) + g.texto(l, 4), "");
    EXPECT_TRUE(g.excluiLinha(l)); // a new row goes whatever the switch says

    d.permiteIncluir = false;
    EXPECT_EQ(Grade(s.p.ctx, d).novaLinha(), -1);   // (no open period: the screen test's)
}

TEST(Grade, CopiaDoPeriodoAnterior)
{
    Cenario s;
    s.p.ctx.BimReferencia = "201203";
    s.insere(1, "201202", "A", "Anterior A", 10000, "x");
    s.insere(2, "201202", "B", "Anterior B", 20000);
    s.insere(3, "201203", "A", "Atual A");
    s.insere(4, "201203", "C", "Atual C");
    s.p.ui.respostas = {true};   // the question and No are the screen test's
    Grade g(s.p.ctx, definicao());
    EXPECT_TRUE(g.copiaBimestreAnterior());   // (the grid showing the copy is the screen test's)
    // Every column is carried; the codes follow the table's largest.
    EXPECT_EQ(s.linha("BimReferencia = '201203' AND Codigo = 'A'"), "3|201203|10000||x");
    EXPECT_EQ(s.linha("BimReferencia = '201203' AND Codigo = 'B'"), "4|201203|20000||");
    EXPECT_EQ(s.conta("BimReferencia = '201202'"), 2); // the source stays

    // The previous bimester is the period minus one; or the latest earlier period with rows.
    s.p.ctx.BimReferencia = "201205";
    DefinicaoGrade d = definicao();
    d.mensagemSemAnterior = "Não há Registro de Conta Corrente no Bimestre Anterior.";
    d.mensagemCopiaFeita = "Importação realizada com Sucesso.";
    EXPECT_FALSE(Grade(s.p.ctx, d).copiaBimestreAnterior());
    EXPECT_EQ(s.p.ui.ultimo(), "Não há Registro de Conta Corrente no Bimestre Anterior.");
    d.copiaUltimoAnterior = true;
    EXPECT_TRUE(Grade(s.p.ctx, d).copiaBimestreAnterior());
    EXPECT_EQ(s.p.ui.perguntas.size(), 1); // an empty open period is filled without a question
    EXPECT_EQ(s.p.ui.ultimo(), "Importação realizada com Sucesso.");
    EXPECT_EQ(s.conta("BimReferencia = '201205'"), 2);

    // Completing adds only the missing keys and keeps what is there, twice over.
    s.banco().executa("DELETE FROM tabTesteGrade WHERE BimReferencia = '201205' AND Codigo = 'B'");
    s.banco().executa("UPDATE tabTesteGrade SET Descricao = 'Minha A' WHERE BimReferencia = '201205'");
    d.modoCopia = DefinicaoGrade::Copia::Completa;
    Grade completa(s.p.ctx, d);
    EXPECT_TRUE(completa.copiaBimestreAnterior());
    EXPECT_TRUE(completa.copiaBimestreAnterior());
    ASSERT_EQ(completa.linhas(), 2);
    EXPECT_EQ(completa.texto(0, 1) + '|' + completa.texto(1, 1), "Minha A|Anterior B");
    EXPECT_EQ(s.p.ui.perguntas.size(), 1);
}

TEST(Grade, AntesDeAlterarAposGravarEPeriodosAnteriores)
{
    Cenario s;
    s.p.ctx.BimReferencia = "201202";
    s.insere(1, "201201", "A1", "Anterior");
    DefinicaoGrade d = definicao();
    QStringList vistos;
    // A value above 100 is refused with a text, a negative one silently; the cell keeps its value.
    d.antesAlterar = [&](Grade& g, int, int c, const QString& t) -> Recusa {
        if (g.coluna(c).campo != "Valor")
            return std::nullopt;
        const Moeda v = ValorDeTexto(t);
        if (v < Moeda())
            return QString();
        if (v > Moeda::deReais(100))
            return QStringLiteral("Valor alto");
        return std::nullopt;
    };
    d.aposGravar = [&](Grade& g, int l, bool nova) { vistos << g.valor(l, "Codigo").toString() + (nova ? "+" : "~"); };
    Grade g(s.p.ctx, d);
    g.PreencheGrid();
    EXPECT_EQ(g.linhas(), 0);
    const int l = s.digita(g, {"B1", "Nova", "50,00"});
    g.defineTexto(l, 2, "150,00");
    EXPECT_EQ(s.p.ui.ultimo(), "Valor alto");
    EXPECT_EQ(g.moeda(l, "Valor"), Moeda::deReais(50));
    s.p.ui.limpa();
    g.defineTexto(l, 2, "-1");
    EXPECT_TRUE(s.p.ui.mensagens.isEmpty());
    EXPECT_EQ(g.moeda(l, "Valor"), Moeda::deReais(50));
    ASSERT_TRUE(g.gravaLinha(l));
    g.defineTexto(l, 1, "Mudada");
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(vistos, QStringList({"B1+", "B1~"}));
    // Earlier periods asked for at run time: listed grey and read-only.
    g.defineListaAnteriores(true);
    g.PreencheGrid();
    ASSERT_EQ(g.linhas(), 2);
    EXPECT_EQ(g.outroPeriodo(0) + g.outroPeriodo(1), 1);
    g.defineListaAnteriores(false);
    g.PreencheGrid();
    EXPECT_EQ(g.linhas(), 1);
}

// A register that tests its required cells itself, a number typed only once, and the box that
// lists the earlier periods.
TEST(Grade, ObrigatoriasDoRegistroNumeroFixoEAnteriores)
{
    Cenario s;
    s.insere(2, "201106", "Z9", "Antiga");
    DefinicaoGrade d = definicao();
    d.mensagemObrigatorio = {};
    d.colunas[1].soNaInclusao = true;
    d.antesGravar = [](Grade& g, int l) -> Recusa {
        if (g.valor(l, "Descricao").toString().isEmpty())
            return QString("Informe a Descrição.");
        return std::nullopt;
    };
    Grade g(s.p.ctx, d);
    g.PreencheGrid();
    EXPECT_EQ(g.linhas(), 0);
    const int l = s.digita(g, {"A1"});
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("Informe a Descrição."));
    g.defineTexto(l, 1, "Primeira");
    ASSERT_TRUE(g.gravaLinha(l));

    // Once stored the number is no longer typed, nor rewritten by an update.
    EXPECT_FALSE(g.editavel(l, 1));
    EXPECT_TRUE(g.editavel(l, 2));
    g.defineValor(l, 1, "Outra");
    g.defineTexto(l, 2, "5,00");
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(s.banco().valor("SELECT Descricao || '|' || Valor FROM tabTesteGrade WHERE Codigo = 'A1'").toString(),
              "Primeira|50000");

    g.defineListaAnteriores(true);
    g.PreencheGrid();
    ASSERT_EQ(g.linhas(), 2);
    EXPECT_TRUE(g.somenteLeitura(1) && !g.somenteLeitura(0)); // ordered by code: Z9 is the old one
}
