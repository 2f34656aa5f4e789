#include "comum/BancoTeste.h"
#include "core/Grade.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
// A register of its own for the tests: a code per period, a description, an amount, a date and
// a column the grid does not show.
void criaTabela(const Banco& b)
{
    b.executa(QStringLiteral("CREATE TABLE tabTesteGrade (idLinha INTEGER, BimReferencia TEXT, "
                             "Codigo TEXT COLLATE NOCASE, Descricao TEXT, Valor INTEGER, Data TEXT, Extra TEXT)"));
}

void insere(const Banco& b, int id, const QString& periodo, const QString& codigo, const QString& descricao,
            qlonglong valor = 0, const QString& extra = {})
{
    b.executa(QStringLiteral("INSERT INTO tabTesteGrade VALUES (?,?,?,?,?,?,?)"),
              {id, periodo, codigo, descricao, valor, QVariant(), extra.isEmpty() ? QVariant() : QVariant(extra)});
}

DefinicaoGrade definicao()
{
    DefinicaoGrade d;
    d.tabela = QStringLiteral("tabTesteGrade");
    d.chave = {QStringLiteral("Codigo")};
    d.identificador = QStringLiteral("idLinha");
    d.ordem = QStringLiteral("Codigo");
    d.mensagemDuplicada = QStringLiteral("A fonte já existe");
    d.ofereceCopia = true;
    d.colunas = {
        {.campo = QStringLiteral("Codigo"), .titulo = QStringLiteral("Código"), .tipo = TipoColuna::Obrigatoria,
         .tamanhoMaximo = 4},
        {.campo = QStringLiteral("Descricao"), .titulo = QStringLiteral("Descrição"), .tipo = TipoColuna::Obrigatoria},
        {.campo = QStringLiteral("Valor"), .titulo = QStringLiteral("Valor"), .formato = FormatoColuna::Valor},
        {.campo = QStringLiteral("Data"), .titulo = QStringLiteral("Data"), .formato = FormatoColuna::Data},
    };
    return d;
}

struct Cenario {
    ProgramaTeste p;
    Cenario()
    {
        p.configuraOrgao(QStringLiteral("P001"));
        criaTabela(p.ctx.BancoOrgao);
    }
    const Banco& banco() { return p.ctx.BancoOrgao; }
    int conta(const QString& onde = QStringLiteral("1=1"), const QVariantList& v = {})
    {
        return banco().valor(QStringLiteral("SELECT count(*) FROM tabTesteGrade WHERE ") + onde, v).toInt();
    }
    // Types a row as the user does: cell by cell, as text.
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

TEST(Grade, ListaOPeriodoAbertoOrdenadoComValoresFormatados)
{
    Cenario s;
    insere(s.banco(), 1, QStringLiteral("201201"), QStringLiteral("B2"), QStringLiteral("Segunda"), 12345600);
    insere(s.banco(), 2, QStringLiteral("201201"), QStringLiteral("A1"), QStringLiteral("Primeira"));
    insere(s.banco(), 3, QStringLiteral("201106"), QStringLiteral("Z9"), QStringLiteral("Antiga"));
    ASSERT_EQ(s.p.ctx.BimReferencia, QStringLiteral("201201"));

    Grade g(s.p.ctx, definicao());
    ASSERT_TRUE(g.PreencheGrid());
    ASSERT_EQ(g.linhas(), 2);
    EXPECT_EQ(g.texto(0, 0), QStringLiteral("A1"));
    EXPECT_EQ(g.texto(1, 0), QStringLiteral("B2"));
    EXPECT_EQ(g.texto(1, 2), QStringLiteral("1.234,56"));
    EXPECT_EQ(g.texto(0, 2), QStringLiteral("0,00"));
    EXPECT_FALSE(g.somenteLeitura(0));
    // The key of a stored row stays; the other typed cells change.
    EXPECT_FALSE(g.editavel(0, 0));
    EXPECT_TRUE(g.editavel(0, 1));

    // A register that also lists earlier periods shows them read-only.
    DefinicaoGrade d = definicao();
    d.listaAnteriores = true;
    d.ordem = QStringLiteral("BimReferencia, Codigo");
    Grade todas(s.p.ctx, d);
    todas.PreencheGrid();
    ASSERT_EQ(todas.linhas(), 3);
    EXPECT_EQ(todas.texto(0, 0), QStringLiteral("Z9"));
    EXPECT_TRUE(todas.somenteLeitura(0));
    EXPECT_FALSE(todas.editavel(0, 1));
    EXPECT_FALSE(todas.defineTexto(0, 1, QStringLiteral("Mudada")));
    EXPECT_FALSE(todas.excluiLinha(0));
    EXPECT_FALSE(todas.somenteLeitura(1));
    EXPECT_TRUE(s.p.ui.perguntas.isEmpty());
}

TEST(Grade, NovaLinhaGravadaComOPeriodoAbertoEValorExato)
{
    Cenario s;
    insere(s.banco(), 41, QStringLiteral("201106"), QStringLiteral("X"), QStringLiteral("Antiga"));
    Grade g(s.p.ctx, definicao());
    g.PreencheGrid();
    const int l = s.digita(g, {QStringLiteral("F01x"), QStringLiteral("Recursos próprios"), QStringLiteral("1.234,56"),
                              QStringLiteral("1/3/12")});
    EXPECT_TRUE(g.pendente(l));
    EXPECT_EQ(g.texto(l, 0), QStringLiteral("F01x"));
    EXPECT_EQ(g.texto(l, 3), QStringLiteral("01/03/2012"));
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_FALSE(g.pendente(l));
    EXPECT_TRUE(s.p.ui.mensagens.isEmpty());

    QSqlQuery q = s.banco().executa(QStringLiteral("SELECT idLinha, BimReferencia, Codigo, Descricao, Valor, Data, Extra "
                                                   "FROM tabTesteGrade WHERE Codigo = 'F01x'"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 42); // next code of the table
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("201201"));
    EXPECT_EQ(q.value(3).toString(), QStringLiteral("Recursos próprios"));
    EXPECT_EQ(q.value(4).toLongLong(), 12345600);
    EXPECT_EQ(q.value(5).toString(), QStringLiteral("01/03/2012"));
    EXPECT_TRUE(q.value(6).isNull());
    EXPECT_EQ(g.valor(l, QStringLiteral("Valor")).toLongLong(), 12345600);

    // Changing it updates that row only, by its key and period.
    ASSERT_TRUE(g.defineTexto(l, 2, QStringLiteral("0,5")));
    EXPECT_TRUE(g.pendente(l));
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(s.banco().valor(QStringLiteral("SELECT Valor FROM tabTesteGrade WHERE Codigo = 'F01x'")).toLongLong(), 5000);
    EXPECT_EQ(s.conta(), 2);

    // An untouched new row just goes away.
    const int vazia = g.novaLinha();
    EXPECT_TRUE(g.gravaLinha(vazia));
    EXPECT_EQ(g.linhas(), 1);
    EXPECT_TRUE(s.p.ui.mensagens.isEmpty());
}

TEST(Grade, RecusasMantemALinhaComOQueFoiDigitado)
{
    Cenario s;
    insere(s.banco(), 1, QStringLiteral("201201"), QStringLiteral("F1"), QStringLiteral("Existente"));
    insere(s.banco(), 2, QStringLiteral("201106"), QStringLiteral("F2"), QStringLiteral("Outro período"));
    DefinicaoGrade d = definicao();
    QString recusa;
    d.antesGravar = [&](Grade& g, int l) -> Recusa {
        EXPECT_EQ(g.valor(l, QStringLiteral("Descricao")).toString(), QStringLiteral("Nova"));
        return recusa.isNull() ? Recusa() : Recusa(recusa);
    };
    Grade g(s.p.ctx, d);
    g.PreencheGrid();

    // Required cell empty.
    const int l = s.digita(g, {QStringLiteral("F2"), QString(), QStringLiteral("10")});
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("Preencha Todos os Campos."));
    EXPECT_EQ(s.p.ui.mensagens.back().titulo, QStringLiteral("Mensagem do Sistema"));
    EXPECT_TRUE(g.pendente(l));
    EXPECT_EQ(g.texto(l, 0), QStringLiteral("F2"));
    EXPECT_EQ(g.texto(l, 2), QStringLiteral("10,00"));
    // Blanks count as empty.
    g.defineTexto(l, 1, QStringLiteral("   "));
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(s.p.ui.mensagens.size(), 2);

    // The register's callback refuses, with its text or silently; the row stays.
    g.defineTexto(l, 1, QStringLiteral("Nova"));
    recusa = QStringLiteral("Código do banco Inválido.");
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("Código do banco Inválido."));
    recusa = QStringLiteral("");
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(s.p.ui.mensagens.size(), 3);
    EXPECT_EQ(g.texto(l, 1), QStringLiteral("Nova"));
    EXPECT_EQ(s.conta(), 2);

    // The same code in the same period is refused with the register's message (codes compare
    // without case); in another period it is accepted.
    recusa = QString();
    g.defineTexto(l, 0, QStringLiteral("f1"));
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("A fonte já existe"));
    EXPECT_TRUE(g.pendente(l));
    g.defineTexto(l, 0, QStringLiteral("F2"));
    EXPECT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(s.conta(QStringLiteral("Codigo = 'F2'")), 2);
}

TEST(Grade, EscCancelaALinha)
{
    Cenario s;
    insere(s.banco(), 1, QStringLiteral("201201"), QStringLiteral("F1"), QStringLiteral("Gravada"), 10000);
    Grade g(s.p.ctx, definicao());
    g.PreencheGrid();

    g.defineTexto(0, 1, QStringLiteral("Mudada"));
    g.defineTexto(0, 2, QStringLiteral("99"));
    EXPECT_TRUE(g.pendente(0));
    g.cancelaLinha(0);
    EXPECT_FALSE(g.pendente(0));
    EXPECT_EQ(g.texto(0, 1), QStringLiteral("Gravada"));
    EXPECT_EQ(g.texto(0, 2), QStringLiteral("1,00"));

    // Typing the stored value back is no change.
    g.defineTexto(0, 2, QStringLiteral("1"));
    EXPECT_FALSE(g.pendente(0));

    const int l = s.digita(g, {QStringLiteral("F9"), QStringLiteral("Nova")});
    EXPECT_EQ(g.linhas(), 2);
    g.cancelaLinha(l);
    EXPECT_EQ(g.linhas(), 1);
    EXPECT_EQ(s.conta(), 1);
    EXPECT_TRUE(s.p.ui.mensagens.isEmpty());
}

TEST(Grade, ExclusaoPerguntaEApagaSoComSim)
{
    Cenario s;
    insere(s.banco(), 1, QStringLiteral("201201"), QStringLiteral("F1"), QStringLiteral("Um"));
    insere(s.banco(), 2, QStringLiteral("201201"), QStringLiteral("F2"), QStringLiteral("Dois"));
    insere(s.banco(), 3, QStringLiteral("201106"), QStringLiteral("F1"), QStringLiteral("Um antigo"));
    DefinicaoGrade d = definicao();
    d.antesExcluir = [](Grade& g, int l) -> Recusa {
        if (g.valor(l, QStringLiteral("Codigo")) == QStringLiteral("F2"))
            return QStringLiteral("Impossível excluir, fonte já utilizada no cadastro de receita");
        return {};
    };
    Grade g(s.p.ctx, d);
    g.PreencheGrid();

    s.p.ui.respostas = {false};
    EXPECT_FALSE(g.excluiLinha(0));
    ASSERT_EQ(s.p.ui.perguntas.size(), 1);
    EXPECT_EQ(s.p.ui.perguntas[0].titulo, QStringLiteral("Atenção"));
    EXPECT_EQ(s.p.ui.perguntas[0].texto, QStringLiteral("Confirma a Exclusão da Linha ?"));
    EXPECT_EQ(g.linhas(), 2);
    EXPECT_EQ(s.conta(), 3);

    // Refused by the register before any question.
    EXPECT_FALSE(g.excluiLinha(1));
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("Impossível excluir, fonte já utilizada no cadastro de receita"));
    EXPECT_EQ(s.p.ui.perguntas.size(), 1);

    s.p.ui.respostas = {true};
    EXPECT_TRUE(g.excluiLinha(0));
    EXPECT_EQ(g.linhas(), 1);
    EXPECT_EQ(s.conta(QStringLiteral("Codigo = 'F1'")), 1); // the earlier period's row stays
    EXPECT_EQ(s.conta(QStringLiteral("Codigo = 'F1' AND BimReferencia = '201106'")), 1);

    // A new row not yet stored goes without a question.
    const int l = s.digita(g, {QStringLiteral("F5")});
    EXPECT_TRUE(g.excluiLinha(l));
    EXPECT_EQ(s.p.ui.perguntas.size(), 2);
}

TEST(Grade, DepoisDeAlterarPreencheOutrasCelulas)
{
    Cenario s;
    DefinicaoGrade d = definicao();
    d.aposAlterar = [](Grade& g, int l, int c) {
        if (g.coluna(c).campo != QStringLiteral("Codigo"))
            return;
        if (g.valor(l, c) == QStringLiteral("999")) {
            MostraAviso(g.contexto().interacao(), QStringLiteral("Código do banco Inválido."));
            g.defineValor(l, c, QVariant());
        } else {
            g.defineValor(l, QStringLiteral("Descricao"), QStringLiteral("Descrição de ") + g.valor(l, c).toString());
        }
    };
    Grade g(s.p.ctx, d);
    g.PreencheGrid();
    const int l = s.digita(g, {QStringLiteral("001")});
    EXPECT_EQ(g.texto(l, 1), QStringLiteral("Descrição de 001"));
    g.defineTexto(l, 0, QStringLiteral("999"));
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("Código do banco Inválido."));
    EXPECT_EQ(g.texto(l, 0), QString());
}

TEST(Grade, CopiaDoBimestreAnterior)
{
    Cenario s;
    s.p.ctx.BimReferencia = QStringLiteral("201203");
    insere(s.banco(), 1, QStringLiteral("201202"), QStringLiteral("A"), QStringLiteral("Anterior A"), 10000, QStringLiteral("x"));
    insere(s.banco(), 2, QStringLiteral("201202"), QStringLiteral("B"), QStringLiteral("Anterior B"), 20000);
    insere(s.banco(), 3, QStringLiteral("201203"), QStringLiteral("A"), QStringLiteral("Atual A"));
    insere(s.banco(), 4, QStringLiteral("201203"), QStringLiteral("C"), QStringLiteral("Atual C"));
    insere(s.banco(), 5, QStringLiteral("201201"), QStringLiteral("Z"), QStringLiteral("Mais antiga"));
    Grade g(s.p.ctx, definicao());
    g.PreencheGrid();
    EXPECT_EQ(g.periodoAnterior(), QStringLiteral("201202"));

    // No keeps everything.
    EXPECT_FALSE(g.copiaBimestreAnterior());
    ASSERT_EQ(s.p.ui.perguntas.size(), 1);
    EXPECT_EQ(s.p.ui.perguntas[0].titulo, QStringLiteral("Atenção"));
    EXPECT_EQ(s.p.ui.perguntas[0].texto, QStringLiteral("Todos os atuais Cadastros serão substituidas pelos do Bimestre "
                                                         "Anterior.\nDeseja Continuar ?"));
    EXPECT_EQ(s.conta(QStringLiteral("BimReferencia = '201203'")), 2);

    s.p.ui.respostas = {true};
    EXPECT_TRUE(g.copiaBimestreAnterior());
    ASSERT_EQ(g.linhas(), 2);
    EXPECT_EQ(g.texto(0, 1), QStringLiteral("Anterior A"));
    EXPECT_EQ(g.texto(1, 1), QStringLiteral("Anterior B"));
    EXPECT_EQ(g.texto(1, 2), QStringLiteral("2,00"));
    EXPECT_EQ(s.conta(QStringLiteral("BimReferencia = '201203'")), 2);
    EXPECT_EQ(s.conta(QStringLiteral("BimReferencia = '201203' AND Codigo = 'A' AND Extra = 'x'")), 1);
    EXPECT_EQ(s.conta(QStringLiteral("BimReferencia = '201202'")), 2); // the source stays
    EXPECT_EQ(s.conta(QStringLiteral("idLinha IN (6, 7)")), 2);        // new codes
    EXPECT_TRUE(s.p.ui.mensagens.isEmpty());

    // The previous bimester is the period minus one: nothing in 201200 to copy into 201201.
    s.p.ctx.BimReferencia = QStringLiteral("201201");
    EXPECT_FALSE(g.copiaBimestreAnterior());
    EXPECT_EQ(s.conta(QStringLiteral("BimReferencia = '201201'")), 1);
}

TEST(Grade, CopiaDoUltimoPeriodoComRegistrosOuSoCompletando)
{
    Cenario s;
    s.p.ctx.BimReferencia = QStringLiteral("201204");
    insere(s.banco(), 1, QStringLiteral("201202"), QStringLiteral("A"), QStringLiteral("Anterior A"));
    insere(s.banco(), 2, QStringLiteral("201202"), QStringLiteral("B"), QStringLiteral("Anterior B"));

    DefinicaoGrade d = definicao();
    d.mensagemSemAnterior = QStringLiteral("Não há Registro de Conta Corrente no Bimestre Anterior.");
    d.mensagemCopiaFeita = QStringLiteral("Importação realizada com Sucesso.");
    Grade previo(s.p.ctx, d);
    EXPECT_FALSE(previo.copiaBimestreAnterior());
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("Não há Registro de Conta Corrente no Bimestre Anterior."));

    // The latest earlier period with rows; an empty open period is filled without a question.
    d.copiaUltimoAnterior = true;
    Grade ultimo(s.p.ctx, d);
    EXPECT_TRUE(ultimo.copiaBimestreAnterior());
    EXPECT_TRUE(s.p.ui.perguntas.isEmpty());
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("Importação realizada com Sucesso."));
    EXPECT_EQ(ultimo.linhas(), 2);

    // Completing adds only the missing keys and keeps the descriptions already there.
    s.banco().executa(QStringLiteral("DELETE FROM tabTesteGrade WHERE BimReferencia = '201204' AND Codigo = 'B'"));
    s.banco().executa(QStringLiteral("UPDATE tabTesteGrade SET Descricao = 'Minha A' WHERE BimReferencia = '201204'"));
    d.modoCopia = DefinicaoGrade::Copia::Completa;
    d.mensagemCopiaFeita.clear();
    Grade completa(s.p.ctx, d);
    EXPECT_TRUE(completa.copiaBimestreAnterior());
    EXPECT_TRUE(completa.copiaBimestreAnterior());
    EXPECT_TRUE(s.p.ui.perguntas.isEmpty());
    ASSERT_EQ(completa.linhas(), 2);
    EXPECT_EQ(completa.texto(0, 1), QStringLiteral("Minha A"));
    EXPECT_EQ(completa.texto(1, 1), QStringLiteral("Anterior B"));
}

TEST(Grade, SemPeriodoAbertoAGradeFicaVaziaENaoInclui)
{
    Cenario s;
    insere(s.banco(), 1, QStringLiteral("201201"), QStringLiteral("F1"), QStringLiteral("Um"));
    s.p.ctx.BimReferencia.clear();
    Grade g(s.p.ctx, definicao());
    EXPECT_TRUE(g.PreencheGrid());
    EXPECT_EQ(g.linhas(), 0);
    EXPECT_FALSE(g.podeIncluir());
    EXPECT_EQ(g.novaLinha(), -1);
    EXPECT_FALSE(g.copiaBimestreAnterior());
    EXPECT_TRUE(s.p.ui.mensagens.isEmpty());
}

TEST(Grade, FalhaDoBancoMostraErroEGuardaADigitacao)
{
    Cenario s;
    Grade g(s.p.ctx, definicao());
    g.PreencheGrid();
    const int l = s.digita(g, {QStringLiteral("F1"), QStringLiteral("Um")});
    s.banco().executa(QStringLiteral("DROP TABLE tabTesteGrade"));
    EXPECT_FALSE(g.gravaLinha(l));
    ASSERT_EQ(s.p.ui.mensagens.size(), 1);
    EXPECT_EQ(s.p.ui.mensagens[0].icone, Interacao::Icone::Critico);
    EXPECT_TRUE(s.p.ui.ultimo().startsWith(QStringLiteral("Não foi possível gravar a linha.\rOrigem.: ")));
    EXPECT_TRUE(g.pendente(l));
    EXPECT_EQ(g.texto(l, 1), QStringLiteral("Um"));

    EXPECT_FALSE(g.PreencheGrid());
    EXPECT_TRUE(s.p.ui.ultimo().startsWith(QStringLiteral("Não foi possível listar os registros.\r")));
}

TEST(Grade, DatasEValoresDigitados)
{
    Cenario s;
    Grade g(s.p.ctx, definicao());
    g.PreencheGrid();
    const int l = s.digita(g, {QStringLiteral("F1"), QStringLiteral("Um"), QStringLiteral("abc"), QStringLiteral("31/12/1899")});
    EXPECT_EQ(s.p.ui.ultimo(), QStringLiteral("A Data não pode ser Antes de 1900."));
    EXPECT_EQ(g.texto(l, 3), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_TRUE(g.valor(l, 2).isNull());
    g.defineTexto(l, 2, QStringLiteral("1234,5"));
    EXPECT_EQ(g.texto(l, 2), QStringLiteral("1.234,50"));
    // The code is cut to its length.
    g.defineTexto(l, 0, QStringLiteral("ABCDEF"));
    EXPECT_EQ(g.texto(l, 0), QStringLiteral("ABCD"));
}
