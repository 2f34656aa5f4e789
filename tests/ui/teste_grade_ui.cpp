#include "comum/BancoTeste.h"
#include "ui/core/GradeRegistro.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A register like the sources of funds, with an amount, and a description looked up by code.
DefinicaoGrade definicao()
{
    DefinicaoGrade d;
    d.tabela = QStringLiteral("tabTesteFonte");
    d.chave = {QStringLiteral("Fonte")};
    d.ordem = QStringLiteral("BimReferencia, Fonte");
    d.listaAnteriores = true;
    d.mensagemDuplicada = QStringLiteral("A fonte já existe");
    d.ofereceCopia = true;
    d.colunas = {
        {.campo = QStringLiteral("BimReferencia"), .titulo = QStringLiteral("Bim."), .tipo = TipoColuna::Calculada,
         .largura = 60},
        {.campo = QStringLiteral("Fonte"), .titulo = QStringLiteral("Fonte"), .tipo = TipoColuna::Obrigatoria,
         .largura = 60, .tamanhoMaximo = 6},
        {.campo = QStringLiteral("Descricao"), .titulo = QStringLiteral("Descrição"), .tipo = TipoColuna::Obrigatoria,
         .largura = 220},
        {.campo = QStringLiteral("Valor"), .titulo = QStringLiteral("Valor"), .formato = FormatoColuna::Valor,
         .largura = 110},
        {.campo = QStringLiteral("Data"), .titulo = QStringLiteral("Data"), .formato = FormatoColuna::Data, .largura = 90},
        {.campo = QStringLiteral("Grupo"), .titulo = QStringLiteral("Grupo"), .tipo = TipoColuna::Descricao,
         .largura = 120, .expressao = QStringLiteral("'Grupo ' || substr(t.Fonte, 1, 1)"), .gravada = false},
    };
    return d;
}

enum Col { Bim, Fonte, Descricao, Valor, Data, Grupo };

struct Tela {
    ProgramaTeste p;
    std::unique_ptr<GradeRegistro> w;

    explicit Tela(DefinicaoGrade d = definicao(), const QString& periodo = QStringLiteral("201201"))
    {
        p.configuraOrgao(QStringLiteral("P001"));
        p.ctx.BimReferencia = periodo;
        const Banco& b = p.ctx.BancoOrgao;
        b.executa(QStringLiteral("CREATE TABLE tabTesteFonte (BimReferencia TEXT, Fonte TEXT COLLATE NOCASE, "
                                 "Descricao TEXT, Valor INTEGER, Data TEXT)"));
        const auto insere = [&](const char* per, const char* fonte, const char* desc, qlonglong valor) {
            b.executa(QStringLiteral("INSERT INTO tabTesteFonte VALUES (?,?,?,?,?)"),
                      {QString::fromUtf8(per), QString::fromUtf8(fonte), QString::fromUtf8(desc), valor,
                       QStringLiteral("10/01/2012")});
        };
        insere("201106", "001", "Recursos ordinários (2011)", 50000000);
        insere("201201", "001", "Recursos ordinários", 123456700);
        insere("201201", "102", "Convênios", 0);
        w = std::make_unique<GradeRegistro>(p.ctx, std::move(d));
        w->resize(760, 260);
        w->show();
        QApplication::setActiveWindow(w.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->vista()->setFocus();
    }

    QAbstractItemModel* m() const { return w->modelo(); }
    QTableView* v() const { return w->vista(); }
    QString celula(int l, int c) const { return m()->index(l, c).data().toString(); }
    int linhaNova() const { return m()->rowCount() - 1; }
    void vaiPara(int l, int c)
    {
        v()->setCurrentIndex(m()->index(l, c));
        QApplication::processEvents();
    }
    // Types into whatever has the focus: the first key opens the cell's editor.
    void digita(const QString& texto)
    {
        for (const QChar c : texto)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void tecla(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QApplication::processEvents();
    }
    int conta(const QString& onde)
    {
        return p.ctx.BancoOrgao.valor(QStringLiteral("SELECT count(*) FROM tabTesteFonte WHERE ") + onde).toInt();
    }
};
} // namespace

TEST(GradeRegistro, MostraOPeriodoEOsAnterioresEmCinza)
{
    Tela t;
    ASSERT_EQ(t.m()->rowCount(), 4); // three rows and the new-row line
    EXPECT_EQ(t.m()->headerData(Fonte, Qt::Horizontal).toString(), QStringLiteral("Fonte"));
    EXPECT_EQ(t.m()->headerData(3, Qt::Vertical).toString(), QStringLiteral("*"));
    EXPECT_EQ(t.celula(0, Bim), QStringLiteral("201106"));
    EXPECT_EQ(t.celula(1, Valor), QStringLiteral("12.345,67"));
    EXPECT_EQ(t.celula(2, Valor), QStringLiteral("0,00"));
    EXPECT_EQ(t.celula(1, Grupo), QStringLiteral("Grupo 0"));

    // The earlier period: grey and read-only, whatever is typed.
    const QColor cinza = t.m()->index(0, Descricao).data(Qt::BackgroundRole).value<QColor>();
    EXPECT_LT(cinza.lightness(), 230);
    EXPECT_FALSE(t.m()->flags(t.m()->index(0, Descricao)) & Qt::ItemIsEditable);
    t.vaiPara(0, Descricao);
    t.digita(QStringLiteral("x"));
    EXPECT_EQ(t.celula(0, Descricao), QStringLiteral("Recursos ordinários (2011)"));
    t.tecla(Qt::Key_Delete);
    EXPECT_TRUE(t.p.ui.perguntas.isEmpty());

    // Required columns yellow, descriptions grey, both on the open period's rows.
    const QColor amarelo = t.m()->index(1, Fonte).data(Qt::BackgroundRole).value<QColor>();
    EXPECT_GT(amarelo.red(), 240);
    EXPECT_GT(amarelo.green(), 240);
    EXPECT_LT(amarelo.blue(), 220);
    EXPECT_FALSE(t.m()->flags(t.m()->index(1, Grupo)) & Qt::ItemIsEditable);
    EXPECT_FALSE(t.m()->flags(t.m()->index(1, Fonte)) & Qt::ItemIsEditable); // stored key
    EXPECT_TRUE(t.m()->flags(t.m()->index(1, Descricao)) & Qt::ItemIsEditable);
    EXPECT_TRUE(t.m()->flags(t.m()->index(3, Fonte)) & Qt::ItemIsEditable);
    EXPECT_FALSE(t.m()->flags(t.m()->index(3, Bim)) & Qt::ItemIsEditable);
}

TEST(GradeRegistro, LinhaNovaComCampoObrigatorioVazioFicaEmEdicao)
{
    Tela t;
    t.vaiPara(t.linhaNova(), Fonte);
    t.digita(QStringLiteral("200"));
    t.tecla(Qt::Key_Tab);                  // to the description, left empty
    t.tecla(Qt::Key_Tab);                  // to the amount
    t.digita(QStringLiteral("1.234,567")); // the point and the third decimal are discarded
    t.tecla(Qt::Key_Return);
    EXPECT_EQ(t.celula(3, Valor), QStringLiteral("1.234,56"));
    EXPECT_EQ(t.celula(3, Bim), QStringLiteral("201201"));
    EXPECT_EQ(t.m()->headerData(3, Qt::Vertical).toString(), QStringLiteral("\u270E"));

    t.vaiPara(1, Descricao); // leaving the row stores it
    EXPECT_EQ(t.p.ui.ultimo(), QStringLiteral("Preencha Todos os Campos."));
    QApplication::processEvents();
    EXPECT_EQ(t.v()->currentIndex().row(), 3);
    EXPECT_EQ(t.celula(3, Fonte), QStringLiteral("200"));
    EXPECT_EQ(t.celula(3, Valor), QStringLiteral("1.234,56"));
    EXPECT_EQ(t.conta(QStringLiteral("Fonte = '200'")), 0);

    t.vaiPara(3, Descricao);
    t.digita(QStringLiteral("Saude"));
    t.tecla(Qt::Key_Return);
    t.vaiPara(1, Descricao);
    EXPECT_EQ(t.p.ui.mensagens.size(), 1);
    EXPECT_EQ(t.p.ctx.BancoOrgao.valor(QStringLiteral("SELECT Valor FROM tabTesteFonte WHERE Fonte = '200' "
                                                      "AND BimReferencia = '201201' AND Descricao = 'Saude'"))
                  .toLongLong(),
              12345600);
    EXPECT_EQ(t.m()->rowCount(), 5);
    EXPECT_EQ(t.m()->headerData(3, Qt::Vertical).toString(), QString());
}

TEST(GradeRegistro, RecusasDaLinhaGuardamODigitado)
{
    DefinicaoGrade d = definicao();
    d.antesGravar = [](Grade& g, int l) -> Recusa {
        if (g.valor(l, QStringLiteral("Valor")).toLongLong() == 0)
            return QStringLiteral("Informe o valor.");
        return {};
    };
    Tela t(d);
    t.vaiPara(t.linhaNova(), Fonte);
    t.digita(QStringLiteral("102"));
    t.tecla(Qt::Key_Tab);
    t.digita(QStringLiteral("Outra"));
    t.tecla(Qt::Key_Tab);
    t.digita(QStringLiteral("5"));
    t.tecla(Qt::Key_Return);
    t.vaiPara(1, Descricao);
    EXPECT_EQ(t.p.ui.ultimo(), QStringLiteral("A fonte já existe"));
    QApplication::processEvents();
    EXPECT_EQ(t.v()->currentIndex().row(), 3);

    t.vaiPara(3, Valor);
    t.digita(QStringLiteral("0"));
    t.tecla(Qt::Key_Return);
    t.vaiPara(3, Fonte);
    t.digita(QStringLiteral("103"));
    t.tecla(Qt::Key_Return);
    EXPECT_TRUE(t.w->grade().pendente(3));
    EXPECT_FALSE(t.w->gravaPendente());
    EXPECT_EQ(t.p.ui.ultimo(), QStringLiteral("Informe o valor."));
    EXPECT_EQ(t.celula(3, Fonte), QStringLiteral("103"));
    EXPECT_EQ(t.celula(3, Descricao), QStringLiteral("Outra"));
    EXPECT_EQ(t.conta(QStringLiteral("Fonte = '103'")), 0);
}

TEST(GradeRegistro, EscCancelaALinha)
{
    Tela t;
    // A changed row gets its stored values back.
    t.vaiPara(2, Descricao);
    t.digita(QStringLiteral("Mudou"));
    t.tecla(Qt::Key_Return); // the cell is taken, the row is still in edit
    EXPECT_EQ(t.celula(2, Descricao), QStringLiteral("Mudou"));
    t.vaiPara(2, Descricao);
    t.tecla(Qt::Key_Escape);
    EXPECT_EQ(t.celula(2, Descricao), QStringLiteral("Convênios"));
    EXPECT_FALSE(t.w->grade().pendente(2));

    // A new row disappears: the first Esc leaves the cell, the second the row.
    t.vaiPara(t.linhaNova(), Fonte);
    t.digita(QStringLiteral("300"));
    t.tecla(Qt::Key_Tab);
    t.digita(QStringLiteral("Nova"));
    EXPECT_EQ(t.m()->rowCount(), 5);
    t.tecla(Qt::Key_Escape);
    t.tecla(Qt::Key_Escape);
    EXPECT_EQ(t.m()->rowCount(), 4);
    t.vaiPara(1, Descricao);
    EXPECT_TRUE(t.p.ui.mensagens.isEmpty());
    EXPECT_EQ(t.conta(QStringLiteral("Fonte = '300'")), 0);
}

TEST(GradeRegistro, DeleteConfirmaAntesDeExcluir)
{
    Tela t;
    t.vaiPara(2, Descricao);
    t.tecla(Qt::Key_Delete);
    ASSERT_EQ(t.p.ui.perguntas.size(), 1);
    EXPECT_EQ(t.p.ui.perguntas[0].titulo, QStringLiteral("Atenção"));
    EXPECT_EQ(t.p.ui.perguntas[0].texto, QStringLiteral("Confirma a Exclusão da Linha ?"));
    EXPECT_EQ(t.m()->rowCount(), 4);
    EXPECT_EQ(t.conta(QStringLiteral("Fonte = '102'")), 1);

    t.p.ui.respostas = {true};
    t.tecla(Qt::Key_Delete);
    EXPECT_EQ(t.m()->rowCount(), 3);
    EXPECT_EQ(t.conta(QStringLiteral("Fonte = '102'")), 0);
    EXPECT_EQ(t.conta(QStringLiteral("1=1")), 2);
}

TEST(GradeRegistro, CopiaDoBimestreAnteriorPeloBotao)
{
    Tela t(definicao(), QStringLiteral("201107"));
    // Only the earlier rows are listed in 201107 (none of its own yet), grey.
    ASSERT_NE(t.w->botaoCopia(), nullptr);
    EXPECT_EQ(t.w->botaoCopia()->text(), QStringLiteral("Importar Bimestre Anterior"));
    t.p.ctx.BancoOrgao.executa(
        QStringLiteral("INSERT INTO tabTesteFonte VALUES ('201107', '999', 'Será substituída', 0, NULL)"));
    t.w->PreencheGrid();

    QTest::mouseClick(t.w->botaoCopia(), Qt::LeftButton);
    ASSERT_EQ(t.p.ui.perguntas.size(), 1);
    EXPECT_EQ(t.p.ui.perguntas[0].titulo, QStringLiteral("Atenção"));
    EXPECT_EQ(t.p.ui.perguntas[0].texto,
              QStringLiteral("Todos os atuais Cadastros serão substituidas pelos do Bimestre Anterior.\nDeseja Continuar ?"));
    EXPECT_EQ(t.conta(QStringLiteral("BimReferencia = '201107'")), 1);

    t.p.ui.respostas = {true};
    QTest::mouseClick(t.w->botaoCopia(), Qt::LeftButton);
    EXPECT_EQ(t.conta(QStringLiteral("BimReferencia = '201107' AND Fonte = '001' AND Valor = 50000000")), 1);
    EXPECT_EQ(t.conta(QStringLiteral("BimReferencia = '201107'")), 1);
    // 201106 and its copy in 201107, then the new-row line (201201 lies after the open period).
    ASSERT_EQ(t.m()->rowCount(), 3);
    EXPECT_EQ(t.celula(1, Bim), QStringLiteral("201107"));
    EXPECT_EQ(t.celula(1, Descricao), QStringLiteral("Recursos ordinários (2011)"));
    EXPECT_TRUE(t.m()->flags(t.m()->index(1, Descricao)) & Qt::ItemIsEditable);
}

TEST(GradeRegistro, SemPeriodoAbertoGradeVazia)
{
    Tela t(definicao(), QString());
    EXPECT_EQ(t.m()->rowCount(), 0);
    EXPECT_FALSE(t.w->botaoCopia()->isEnabled());
    EXPECT_TRUE(t.p.ui.mensagens.isEmpty());
}

// Saves a picture of the grid when LUMO_CAPTURAS names a folder.
TEST(GradeRegistro, Captura)
{
    const QString pasta = qEnvironmentVariable("LUMO_CAPTURAS");
    if (pasta.isEmpty())
        GTEST_SKIP();
    Tela t;
    t.vaiPara(t.linhaNova(), Fonte);
    t.digita(QStringLiteral("205"));
    t.tecla(Qt::Key_Tab);
    t.digita(QStringLiteral("Em edicao"));
    t.tecla(Qt::Key_Return);
    QApplication::processEvents();
    QDir().mkpath(pasta);
    EXPECT_TRUE(t.w->grab().save(QDir(pasta).filePath(QStringLiteral("grade.png"))));
}
