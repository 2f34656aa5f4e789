#include "Capturas.h"
#include "comum/BancoTeste.h"
#include "ui/core/Formulario.h"
#include "ui/core/GradeRegistro.h"
#include "ui/core/TelaGrade.h"
#include "ui/core/TelaMestreDetalhe.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A register like the sources of funds, also listing earlier periods, with a description
// looked up by code.
DefinicaoGrade definicao()
{
    return {.tabela = "tabTesteFonte", .chave = {"Fonte"}, .ordem = "BimReferencia, Fonte",
            .colunas = {{.campo = "BimReferencia", .titulo = "Bim.", .tipo = TipoColuna::Calculada},
                        {.campo = "Fonte", .titulo = "Fonte", .tipo = TipoColuna::Obrigatoria, .tamanhoMaximo = 6},
                        {.campo = "Descricao", .titulo = "Descrição", .tipo = TipoColuna::Obrigatoria, .largura = 220},
                        {.campo = "Valor", .titulo = "Valor", .formato = FormatoColuna::Valor},
                        {.campo = "Data", .titulo = "Data", .formato = FormatoColuna::Data},
                        {.campo = "Grupo", .titulo = "Grupo", .tipo = TipoColuna::Descricao,
                         .expressao = "'Grupo ' || substr(t.Fonte, 1, 1)", .gravada = false}},
            .listaAnteriores = true, .mensagemDuplicada = "A fonte já existe", .ofereceCopia = true};
}
enum Col { Bim, Fonte, Descricao, Valor, Data, Grupo };

struct Tela {
    ProgramaTeste p;
    SemNavegacao nav;
    std::unique_ptr<QWidget> tela;
    GradeRegistro* w = nullptr;

    explicit Tela(const QString& periodo = "201201")
    {
        p.configuraOrgao("P001");
        p.ctx.BimReferencia = periodo;
        banco().executa("CREATE TABLE tabTesteFonte (BimReferencia TEXT, Fonte TEXT COLLATE NOCASE, Descricao TEXT, "
                        "Valor INTEGER, Data TEXT)");
        banco().executa("INSERT INTO tabTesteFonte VALUES ('201106', '001', 'Recursos ordinários (2011)', 50000000, NULL), "
                        "('201201', '001', 'Recursos ordinários', 123456700, NULL), ('201201', '102', 'Convênios', 0, NULL)");
    }
    const Banco& banco() { return p.ctx.BancoOrgao; }
    template <class T> T* abre(T* t)
    {
        tela.reset(t);
        tela->resize(760, 300);
        tela->show();
        QApplication::setActiveWindow(tela.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(tela.get()));
        return t;
    }
    TelaGrade* abreGrade(DefinicaoGrade d = definicao())
    {
        auto* t = abre(static_cast<TelaGrade*>(FabricaTelaGrade([d] { return d; }, "Fontes")(p.ctx, nav)));
        w = t->grade();
        w->vista()->setFocus();
        return t;
    }
    QAbstractItemModel* m() const { return w->modelo(); }
    QString celula(int l, int c) const { return m()->index(l, c).data().toString(); }
    int linhaNova() const { return m()->rowCount() - 1; }
    int linhaAtual() const { return w->vista()->currentIndex().row(); }
    bool editavel(int l, int c) const { return m()->flags(m()->index(l, c)) & Qt::ItemIsEditable; }
    void vaiPara(int l, int c)
    {
        w->vista()->setFocus();
        w->vista()->setCurrentIndex(m()->index(l, c));
        QApplication::processEvents();
    }
    void digita(const QString& texto) { DigitaTeclas(texto); }
    int conta(const QString& onde) { return banco().valor("SELECT count(*) FROM tabTesteFonte WHERE " + onde).toInt(); }
};
} // namespace

TEST(GradeRegistro, MostraOPeriodoEOsAnterioresEmCinza)
{
    Tela t;
    t.abreGrade();
    ASSERT_EQ(t.m()->rowCount(), 4); // three rows and the new-row line
    EXPECT_EQ(t.m()->headerData(3, Qt::Vertical).toString(), "*");
    EXPECT_EQ(t.celula(1, Valor) + ' ' + t.celula(2, Valor) + ' ' + t.celula(1, Grupo), "12.345,67 0,00 Grupo 0");
    EXPECT_LT(t.m()->index(0, Descricao).data(Qt::BackgroundRole).value<QColor>().lightness(), 230);
    const QColor amarelo = t.m()->index(1, Fonte).data(Qt::BackgroundRole).value<QColor>();
    EXPECT_TRUE(amarelo.red() > 240 && amarelo.green() > 240 && amarelo.blue() < 220);
    // Earlier period, description, stored key, period: not editable; a new row's key is.
    for (auto [l, c] : {std::pair{0, Descricao}, {1, Grupo}, {1, Fonte}, {3, Bim}})
        EXPECT_FALSE(t.editavel(l, c)) << l << c;
    EXPECT_TRUE(t.editavel(1, Descricao) && t.editavel(3, Fonte));
    t.vaiPara(0, Descricao);
    t.digita("x\x7f");
    EXPECT_EQ(t.celula(0, Descricao), QStringLiteral("Recursos ordinários (2011)"));
    EXPECT_TRUE(t.p.ui.perguntas.isEmpty());
}

TEST(GradeRegistro, LinhaRecusadaFicaEmEdicaoComODigitado)
{
    Tela t;
    DefinicaoGrade d = definicao();
    d.antesGravar = [](Grade& g, int l) -> Recusa {
        return g.valor(l, "Valor").toLongLong() == 0 ? Recusa(QString("Informe o valor.")) : Recusa();
    };
    t.abreGrade(d);
    t.vaiPara(t.linhaNova(), Fonte);
    t.digita("200\t\t1.234,567\r"); // the point and the third decimal are discarded
    EXPECT_EQ(t.celula(3, Valor) + ' ' + t.celula(3, Bim), "1.234,56 201201");
    EXPECT_EQ(t.m()->headerData(3, Qt::Vertical).toString(), "\u270E");
    // Each step types into the pending row and leaves it: refused, the row keeps the focus and the typing.
    const struct { std::vector<std::pair<int, QString>> teclas; QString mensagem; } passos[] = {
        {{}, "Preencha Todos os Campos."},
        {{{Valor, "0\r"}, {Descricao, "Saude\r"}}, "Informe o valor."},
        {{{Fonte, "102\r"}, {Valor, "5\r"}}, "A fonte já existe"},
    };
    for (const auto& passo : passos) {
        for (const auto& [coluna, teclas] : passo.teclas) {
            t.vaiPara(3, coluna);
            t.digita(teclas);
        }
        t.vaiPara(1, Descricao);
        EXPECT_EQ(t.p.ui.ultimo(), passo.mensagem);
        QApplication::processEvents();
        EXPECT_EQ(t.linhaAtual(), 3);
        EXPECT_EQ(t.conta("Descricao = 'Saude'"), 0);
    }
    EXPECT_EQ(t.celula(3, Descricao), "Saude");
    t.vaiPara(3, Fonte);
    t.digita("200\r");
    EXPECT_TRUE(t.w->gravaPendente());
    EXPECT_EQ(t.conta("Fonte = '200' AND BimReferencia = '201201' AND Descricao = 'Saude' AND Valor = 50000"), 1);
    EXPECT_EQ(t.m()->headerData(3, Qt::Vertical).toString(), QString());
}

TEST(GradeRegistro, EscEDelete)
{
    Tela t;
    t.abreGrade();
    t.vaiPara(2, Descricao);
    t.digita("Mudou\r"); // the cell is taken, the row is still in edit
    EXPECT_EQ(t.celula(2, Descricao), "Mudou");
    t.vaiPara(2, Descricao);
    t.digita("\x1b");
    EXPECT_EQ(t.celula(2, Descricao), "Convênios");
    // A new row goes: the first Esc leaves the cell, the second the row.
    t.vaiPara(t.linhaNova(), Fonte);
    t.digita("300\tNova");
    EXPECT_EQ(t.m()->rowCount(), 5);
    t.digita("\x1b\x1b");
    EXPECT_EQ(t.m()->rowCount(), 4);

    t.vaiPara(2, Descricao);
    t.digita("\x7f");
    ASSERT_EQ(t.p.ui.perguntas.size(), 1);
    EXPECT_EQ(t.p.ui.perguntas[0].titulo + ' ' + t.p.ui.perguntas[0].texto, QStringLiteral("Atenção Confirma a Exclusão da Linha ?"));
    EXPECT_EQ(t.conta("Fonte = '102'"), 1);
    t.p.ui.respostas = {true};
    t.digita("\x7f");
    EXPECT_EQ(t.m()->rowCount(), 3);
    EXPECT_EQ(t.conta("1=1"), 2);
}

TEST(GradeRegistro, CopiaPeloBotaoESemPeriodo)
{
    Tela t("201107");
    t.banco().executa("INSERT INTO tabTesteFonte VALUES ('201107', '999', 'Será substituída', 0, NULL)");
    TelaGrade* tela = t.abreGrade();
    QPushButton* copia = t.w->botaoCopia();
    ASSERT_NE(copia, nullptr);
    EXPECT_EQ(copia->text(), "Importar Bimestre Anterior");
    EXPECT_EQ(tela->botoes().linha->indexOf(copia), 3);
    copia->click();
    ASSERT_EQ(t.p.ui.perguntas.size(), 1);
    EXPECT_EQ(t.p.ui.perguntas[0].texto, "Todos os atuais Cadastros serão substituidas pelos do Bimestre Anterior.\nDeseja Continuar ?");
    EXPECT_EQ(t.conta("BimReferencia = '201107' AND Fonte = '999'"), 1);
    t.p.ui.respostas = {true};
    copia->click();
    EXPECT_EQ(t.conta("BimReferencia = '201107' AND Fonte = '001' AND Valor = 50000000") + t.conta("BimReferencia = '201107'"), 2);
    ASSERT_EQ(t.m()->rowCount(), 3); // 201106, its copy, the new-row line
    EXPECT_TRUE(t.editavel(1, Descricao));

    Tela s{QString()};
    s.abreGrade();
    EXPECT_EQ(s.m()->rowCount(), 0);
    EXPECT_FALSE(s.w->botaoCopia()->isEnabled());
}

TEST(TelaGrade, FecharGuardaALinhaPendenteOuFicaAberta)
{
    Tela t;
    // As a child window of the main window.
    QMdiArea* area = t.abre(new QMdiArea);
    auto* tela = static_cast<TelaGrade*>(FabricaTelaGrade(definicao, "Fontes")(t.p.ctx, t.nav));
    QMdiSubWindow* janela = area->addSubWindow(tela);
    janela->show();
    t.w = tela->grade();
    EXPECT_EQ(janela->windowTitle(), "Fontes");
    tela->botoes().novo->click();
    EXPECT_EQ(t.linhaAtual(), t.linhaNova());
    EXPECT_EQ(t.w->vista()->currentIndex().column(), Fonte);
    t.digita("400\r");
    Captura(area, "grade");
    tela->botoes().fechar->click();
    EXPECT_TRUE(janela->isVisible());
    EXPECT_EQ(t.p.ui.ultimo(), "Preencha Todos os Campos.");
    t.vaiPara(3, Descricao);
    t.digita("Fecha\r");
    EXPECT_TRUE(janela->close());
    EXPECT_EQ(t.conta("Fonte = '400' AND Descricao = 'Fecha'"), 1);
}

TEST(TelaGrade, DemonstrativoGravaOPeriodoInteiro)
{
    Tela t;
    for (const char* sql : {"CREATE TABLE tabCat (campo INTEGER, descricao TEXT, grupo INTEGER, esfera TEXT)",
                            "INSERT INTO tabCat VALUES (1, 'Receitas', 1, 'EM'), (2, 'Impostos', 0, 'M'), (3, 'Taxas', 0, 'EM'), (4, 'Estadual', 0, 'E')",
                            "CREATE TABLE tabMov (BimReferencia TEXT, Campo INTEGER, Valor INTEGER)", "INSERT INTO tabMov VALUES ('201106', 2, 1)"})
        t.banco().executa(sql);
    DefinicaoGrade d{.tabela = "tabMov", .chave = {"Campo"}, .ordem = "Campo",
                     .colunas = {{.campo = "Campo", .titulo = "Linha", .tipo = TipoColuna::Calculada},
                                 {.campo = "Descricao", .titulo = "Descrição", .tipo = TipoColuna::Descricao, .gravada = false},
                                 {.campo = "Valor", .titulo = "Valor", .formato = FormatoColuna::Valor},
                                 {.campo = "Grupo", .titulo = "", .oculta = true,
                                  .expressao = "SELECT grupo FROM tabCat WHERE campo = t.Campo", .gravada = false}},
                     .colunaSomenteLeitura = "Grupo", .permiteIncluir = false, .permiteExcluir = false,
                     .gravaPeriodoInteiro = true, .mensagemGravado = "Valores Incluidos Com Sucesso",
                     .consultaCatalogo = "SELECT campo AS Campo, descricao AS Descricao, grupo AS Grupo FROM tabCat "
                                         "WHERE esfera IN ('EM', ?) ORDER BY campo"};
    d.colunas[0].consulta = {"tabCat", "campo", "descricao", {}, "Descricao", {}};
    // The lines of the body's sphere: a municipal body's code begins with "P".
    const auto porEsfera = [d](const Contexto& ctx) {
        DefinicaoGrade e = d;
        e.valoresCatalogo = {ctx.CodigoOrgao.startsWith(u'P') ? "M" : "E"};
        return e;
    };
    auto* tela = t.abre(static_cast<TelaGrade*>(FabricaTelaGrade(porEsfera, "Anexo")(t.p.ctx, t.nav)));
    t.w = tela->grade();
    EXPECT_FALSE(tela->botoes().novo->isEnabled());
    // A period never saved shows the catalogue's lines with zeros; group lines are read-only.
    ASSERT_EQ(t.m()->rowCount(), 3);
    EXPECT_EQ(t.celula(1, 2), "0,00");
    EXPECT_FALSE(t.editavel(0, 2));
    t.vaiPara(1, 2);
    t.digita("7,5\r");
    t.vaiPara(2, 2); // leaving a row stores nothing
    EXPECT_EQ(t.banco().valor("SELECT count(*) FROM tabMov").toInt(), 1);
    for (int vez = 0; vez < 2; ++vez) { // saving twice gives the same rows
        tela->botoes().gravar->click();
        EXPECT_EQ(t.p.ui.ultimo(), "Valores Incluidos Com Sucesso");
        EXPECT_EQ(t.banco().valor("SELECT group_concat(Campo || '=' || Valor) FROM tabMov WHERE BimReferencia = '201201'")
                      .toString(),
                  "1=0,2=75000,3=0");
    }
    EXPECT_EQ(t.celula(2, 1), "Taxas"); // read back with its caption
    EXPECT_EQ(t.banco().valor("SELECT count(*) FROM tabMov").toInt(), 4);
}

TEST(TelaMestreDetalhe, DetalheSegueOMestreSelecionado)
{
    Tela t;
    for (const char* sql : {"CREATE TABLE tabEmp (idEmpenho INTEGER, BimReferencia TEXT, Numero TEXT, Valor INTEGER)",
                            "INSERT INTO tabEmp VALUES (1, '201201', '1/2012', 10000), (2, '201201', '2/2012', 20000)",
                            "CREATE TABLE tabPag (idPagamento INTEGER, idEmpenho INTEGER, BimReferencia TEXT, Numero TEXT, Ordem TEXT, Pago INTEGER)",
                            "INSERT INTO tabPag VALUES (1, 2, '201201', '2/2012', 'OB1', 5000)"})
        t.banco().executa(sql);
    DefinicaoMestreDetalhe md{"Anexo XIV", "Empenhos", {}, {}, true};
    md.mestre = {.tabela = "tabEmp", .ordem = "idEmpenho",
                 .colunas = {{.campo = "idEmpenho", .titulo = "Id", .oculta = true},
                             {.campo = "Numero", .titulo = "Número", .tipo = TipoColuna::Obrigatoria},
                             {.campo = "Valor", .titulo = "Valor", .formato = FormatoColuna::Valor}},
                 .identificador = "idEmpenho"};
    DefinicaoGrade pag{.tabela = "tabPag", .chave = {"idPagamento", "Ordem"},
                       .colunas = {{.campo = "Ordem", .titulo = "OB/Cheque", .tipo = TipoColuna::Obrigatoria},
                                   {.campo = "Pago", .titulo = "Valor Pago", .formato = FormatoColuna::Valor},
                                   {.campo = "idPagamento", .titulo = "Id", .oculta = true}},
                       .identificador = "idPagamento", .mensagemDuplicada = "Ordem já paga.",
                       .mestre = {{"idEmpenho", "idEmpenho"}, {"Numero", "Numero", false}}};
    md.detalhes.push_back({"Pagamentos", pag});
    auto* tela = t.abre(static_cast<TelaMestreDetalhe*>(FabricaTelaMestreDetalhe([md](const Contexto&) { return md; })(t.p.ctx, t.nav)));
    GradeRegistro* detalhe = tela->detalhe(1);
    t.w = tela->mestre();
    EXPECT_EQ(detalhe->grade().linhas(), 0); // the first commitment has no payment
    t.vaiPara(2, 1);
    EXPECT_EQ(detalhe->modelo()->rowCount(), 0); // nor a new one: no master row, no detail row
    t.vaiPara(1, 1);
    EXPECT_EQ(detalhe->modelo()->index(0, 0).data().toString(), "OB1");
    EXPECT_EQ(tela->ficha()->campoTexto("Numero")->text(), "2/2012");

    // A payment typed on the detail tab takes the commitment's key and number.
    tela->abas()->setCurrentIndex(1);
    t.w = detalhe;
    t.vaiPara(1, 0);
    t.digita("OB2\t3\r");
    tela->abas()->setCurrentIndex(0);
    EXPECT_EQ(t.banco().valor("SELECT idEmpenho || Numero || Pago FROM tabPag WHERE Ordem = 'OB2'").toString(), "22/201230000");
    EXPECT_EQ(t.banco().valor("SELECT max(idPagamento) FROM tabPag").toInt(), 2);
    // A refused row keeps its tab (the order is repeated within the commitment).
    tela->abas()->setCurrentIndex(1);
    t.vaiPara(2, 0);
    t.digita("OB1\t4\r");
    tela->abas()->setCurrentIndex(0);
    EXPECT_EQ(tela->abas()->currentIndex(), 1);
    EXPECT_EQ(t.p.ui.ultimo(), "Ordem já paga.");
    t.digita("\x1b\x1b");
    tela->abas()->setCurrentIndex(0);
    EXPECT_EQ(tela->abas()->currentIndex(), 0);

    // The form types the master row; Gravar stores it.
    t.w = tela->mestre();
    t.vaiPara(1, 1);
    tela->ficha()->campoTexto("Valor")->setText("9,00");
    Q_EMIT tela->ficha()->campoAlterado("Valor");
    EXPECT_EQ(t.celula(1, 2), "9,00");
    EXPECT_TRUE(tela->grava());
    EXPECT_EQ(t.banco().valor("SELECT Valor FROM tabEmp WHERE idEmpenho = 2").toLongLong(), 90000);
    Captura(tela, "mestre_detalhe");
}
