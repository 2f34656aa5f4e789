// The Anexo I screens as a user meets them: opened from their menu entries, typed into with the
// keyboard (Brazilian money), the pickers answered, and closed.
#include "Capturas.h"
#include "budget/Despesa.h"
#include "ui/budget/FrmReceita.h"
#include "ui/budget/FrmSeletores.h"
#include "ui/core/GradeRegistro.h"
#include "ui/core/TelaGrade.h"
#include "ui/core/TelaMestreDetalhe.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace {
struct Anexo1 : TelasDoOrgao {
    explicit Anexo1(const QString& periodo = "201202") : TelasDoOrgao("P001", periodo)
    {
        sql("INSERT INTO tabFonte VALUES (?, '001', 'Recursos Ordinários'), (?, '102', 'Saúde - 15%')", {periodo, periodo});
        sql("INSERT INTO tabInstitucional (bimreferencia, codigo, descricao) VALUES (?, '0201', 'Gabinete do Prefeito'),"
            " (?, '0801', 'Fundo Municipal de Saúde')",
            {periodo, periodo});
        sql("INSERT INTO tabPrograma VALUES (?, '0010', 'Gestão Administrativa')", {periodo});
        sql("INSERT INTO tabProjeto VALUES (?, '0010', '2001', 'Manutenção do Gabinete')", {periodo});
    }
    template <typename T = QWidget> T* abre(const QString& idMenu) { return TelasDoOrgao::abre<T>(idMenu, idMenu, {1280, 520}); }
};
} // namespace

TEST(TelasAnexo1, DespesaDigitadaComSeletoresEFechadaRecompoePorFuncao)
{
    Anexo1 a;
    auto* tela = a.abre<TelaGrade>("registrar.01.despesa");
    GradeRegistro* g = tela->grade();
    ASSERT_EQ(g->modelo()->columnCount(), 19);
    EXPECT_TRUE(g->vista()->isColumnHidden(18)); // the unprocessed payables only in "201106"

    // The source through its picker (F4), the rest typed; Enter goes from cell to cell.
    VaiPara(g, 0, 0);
    bool viu = false;
    NoModal<FrmLista>(
        [](FrmLista* f) {
            EXPECT_EQ(f->grade()->rowCount(), 2);
            Captura(f, "seletor-fontes");
            f->grade()->selectRow(1);
            Clica(*f, "cmdOk");
        },
        &viu);
    QTest::keyClick(g->vista(), Qt::Key_F4);
    ASSERT_TRUE(viu);
    EXPECT_EQ(Celula(g, 0, 0), "102");
    EXPECT_EQ(Celula(g, 0, 1), QStringLiteral("Saúde - 15%"));
    VaiPara(g, 0, 2);
    DigitaTeclas("0801\r\r04122\r\r0010\r2001\r\r319011\r\r");
    EXPECT_EQ(Celula(g, 0, 3), QStringLiteral("Fundo Municipal de Saúde"));
    EXPECT_EQ(Celula(g, 0, 8), QStringLiteral("Manutenção do Gabinete"));
    EXPECT_FALSE(Celula(g, 0, 10).isEmpty());
    // The initial appropriation is typed in the first bimester only: here the cursor skips it.
    VaiPara(g, 0, 12);
    DigitaTeclas("1.500,00\r\r2.000,50\r\r1.234,56\r\r");
    EXPECT_EQ(Celula(g, 0, 13), "1.500,00");
    EXPECT_EQ(Celula(g, 0, 15), "2.000,50");
    EXPECT_EQ(Celula(g, 0, 17), "1.234,56");
    // Committed above the appropriation: refused with the rule's text, the row stays.
    a.p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_EQ(a.p.ui.ultimo(), QStringLiteral("Valor Empenhado no Exercício não pode ser maior que Valor Atualizado.\n"
                                              " Pressione 'Esc' para cancelar!"));
    VaiPara(g, 0, 12);
    DigitaTeclas("3.000\r");
    a.p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_TRUE(a.p.ui.mensagens.isEmpty()) << a.p.ui.ultimo().toStdString();
    EXPECT_EQ(a.texto("SELECT ValorDotAtualizada || '|' || ValorEmpExercicio FROM tabDespesaMovimento"), "30000000|20005000");
    Captura(tela, "despesa");

    tela->close();
    EXPECT_EQ(a.texto("SELECT Codigo_tabDespFuncFuncao || Codigo_tabDespFuncSubFuncao || '|' || valorempexercicio "
                      "FROM tabDespFuncMovimento WHERE Bimreferencia = '201202'"),
              "04122|20005000");
    auto* funcao = a.abre<TelaGrade>("registrar.02")->grade();
    EXPECT_EQ(Celula(funcao, 0, 8), "04122");
    EXPECT_EQ(Celula(funcao, 0, 14), "2.000,50");
    Captura(a.tela.get(), "anexo02");
}

TEST(TelasAnexo1, ReceitaDetalheResumoENaturezaDaDespesa)
{
    Anexo1 a;
    const QString codigo = a.texto("SELECT codigo FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 AND competencia = 'M' "
                                   "ORDER BY codigo LIMIT 1");
    // The first bimester's line is carried into the second when the editor opens.
    a.sql("INSERT INTO tabReceitaMovimento VALUES ('201201', ?, '001', 1000000, 1000000, 250000, 250000)", {codigo});
    auto* tela = a.abre<FrmReceita>("registrar.01.receita");
    GradeRegistro* g = tela->detalhe();
    ASSERT_EQ(g->grade().linhas(), 1);
    EXPECT_EQ(Celula(g, 0, 7), "25,00");
    VaiPara(g, 0, 6);
    DigitaTeclas("10,5\r");
    EXPECT_EQ(Celula(g, 0, 7), "35,50");
    tela->abas()->setCurrentIndex(1); // stores the line, then sums
    EXPECT_EQ(a.texto("SELECT ValorRealizadoExercicio FROM tabReceitaMovimento WHERE bimreferencia = '201202'"), "355000");
    QTableWidget* r = tela->resumo();
    int linha = -1;
    for (int i = 0; i < r->rowCount() && linha < 0; ++i)
        if (r->item(i, 0)->text() == codigo.left(1) + "0000000")
            linha = i;
    ASSERT_GE(linha, 0);
    EXPECT_EQ(r->item(linha, 4)->text(), "10,50");
    Captura(tela, "receita-resumo");

    // A synthetic code typed on the detail page is refused and emptied.
    tela->abas()->setCurrentIndex(0);
    VaiPara(g, 1, 0);
    DigitaTeclas(codigo.left(1) + "0000000\r");
    EXPECT_EQ(a.p.ui.ultimo(), "Codigo de Receita Sintetico digite o valor em um codigo Analitico");
    EXPECT_TRUE(Celula(g, 1, 0).isEmpty());
    DigitaTeclas("\x1b\x1b");
    tela->close();

    // The expense-nature picker refuses an incomplete choice, then joins the four codes.
    auto* despesa = a.abre<TelaGrade>("registrar.01.despesa");
    VaiPara(despesa->grade(), 0, 9);
    NoModal<QDialog>([&a](QDialog* d) {
        Clica(*d, "cmdOk");
        auto* categoria = d->findChild<QComboBox*>("cmbCatEconom");
        categoria->setCurrentIndex(categoria->findData("3"));
        for (const char* nome : {"cmbGrupoDesp", "cmbModalAplic", "cmbElemDesp"}) {
            auto* c = d->findChild<QComboBox*>(nome);
            c->setCurrentIndex(c->findData(QString(nome) == "cmbGrupoDesp" ? "3" : QString(nome) == "cmbModalAplic" ? "90" : "30"));
        }
        Captura(d, "natureza");
        d->accept();
        EXPECT_EQ(a.p.ui.ultimo(), QStringLiteral("Por selecione um código no campo Categoria Econômica."));
    });
    despesa->grade()->abreSeletor();
    EXPECT_EQ(Celula(despesa->grade(), 0, 9), "339030");
    VaiPara(despesa->grade(), 0, 9);
    DigitaTeclas("\x1b\x1b");
}

TEST(TelasAnexo1, RegistrosDeClassificacaoEContas)
{
    Anexo1 a;
    auto* fontes = a.abre<TelaGrade>("registrar.01.fontes");
    VaiPara(fontes->grade(), 2, 0);
    DigitaTeclas("001\r");
    EXPECT_EQ(a.p.ui.ultimo(), "A fonte já existe");
    EXPECT_EQ(fontes->grade()->vista()->currentIndex().column(), 0); // back on the refused code
    DigitaTeclas("103\rConvênios com o Estado\r");
    EXPECT_EQ(a.texto("SELECT Descricao FROM tabFonte WHERE Fonte = '103'"), QStringLiteral("Convênios com o Estado"));

    // Projects need their programme chosen first.
    auto* programas = a.abre<TelaMestreDetalhe>("registrar.01.programa");
    programas->abas()->setCurrentIndex(1);
    EXPECT_EQ(programas->detalhe(1)->grade().linhas(), 1); // the programme of the first row
    Captura(programas, "programas");

    auto* contas = a.abre<TelaGrade>("registrar.26");
    GradeRegistro* g = contas->grade();
    VaiPara(g, 0, 1);
    DigitaTeclas("001\r1234-5\r98765-0\rMovimento\rPrefeitura\r");
    VaiPara(g, 1, 1);
    EXPECT_TRUE(Celula(g, 0, 1).startsWith("001-"));
    EXPECT_EQ(Celula(g, 0, 0), "02/2012");
    EXPECT_EQ(a.texto("SELECT Banco || '|' || Agencia || '|' || Titular_Conta FROM tabAnexo26Extratos"), "001|1234-5|Prefeitura");
    Captura(contas, "contas");
}

// A body with a few dozen realistic lines: every Anexo I screen lists them (and, with
// LUMO_CAPTURAS, leaves its picture to look at).
TEST(TelasAnexo1, CadaTelaListaOBimestre)
{
    Anexo1 a("201203");
    const QString p = "201203";
    a.sql("INSERT INTO tabFonte VALUES (?, '100', 'Recursos Ordinários - Livres'), (?, '101', 'Educação - 25%'),"
          " (?, '118', 'FUNDEB - 60%'), (?, '119', 'FUNDEB - 40%'),"
          " (?, '122', 'Transferências do FNDE'), (?, '150', 'SUS - Atenção Básica'), (?, '190', 'Convênios com o Estado')",
          {p, p, p, p, p, p, p});
    a.sql("INSERT INTO tabInstitucional (bimreferencia, codigo, descricao) VALUES (?, '0101', 'Câmara Municipal'),"
          " (?, '0301', 'Secretaria Municipal de Administração'), (?, '0401', 'Secretaria Municipal de Finanças'),"
          " (?, '0601', 'Secretaria Municipal de Educação'), (?, '0901', 'Secretaria Municipal de Obras')",
          {p, p, p, p, p});
    a.sql("INSERT INTO tabPrograma VALUES (?, '0020', 'Educação de Qualidade'), (?, '0030', 'Saúde para Todos'),"
          " (?, '0040', 'Cidade Limpa')",
          {p, p, p});
    a.sql("INSERT INTO tabProjeto VALUES (?, '0020', '2010', 'Manutenção do Ensino Fundamental'),"
          " (?, '0020', '2011', 'Transporte Escolar'), (?, '0030', '2020', 'Manutenção da Atenção Básica'),"
          " (?, '0040', '1005', 'Pavimentação de Vias Urbanas')",
          {p, p, p, p});
    const QStringList projetos{"0010|2001|04122", "0020|2010|12361", "0020|2011|12361", "0030|2020|10301", "0040|1005|15451"};
    const QStringList fontes{"100", "101", "102", "118", "150", "001"};
    const QStringList naturezas{"319011", "319013", "339030", "339036", "339039", "449051"};
    int n = 0;
    for (const QString& pr : projetos)
        for (int k = 0; k < 6; ++k, ++n) {
            const QStringList x = pr.split('|');
            a.sql("INSERT INTO tabDespesaMovimento VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)",
                  {p, fontes[k], n % 2 ? "0601" : "0301", x[2].left(2), x[2].right(3), x[0], x[1], naturezas[k].left(1),
                   naturezas[k].mid(1, 1), naturezas[k].mid(2, 2), naturezas[k].mid(4, 2), (n + 1) * 125000'0000LL,
                   n * 1000'0000LL, (n + 1) * 125000'0000LL + n * 1000'0000LL, (n + 3) * 2345'6700LL, (n + 3) * 7345'6700LL,
                   (n + 2) * 2000'0000LL, (n + 2) * 6000'0000LL});
        }
    a.sql("INSERT INTO tabReceitaMovimento SELECT ?, codigo, '100', 100000000 + rowid * 1000000, 110000000 + rowid * 1000000, "
          "rowid * 345678, rowid * 1234567 FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 AND competencia IN "
          "('EM', 'M') AND codigo LIKE '1%' ORDER BY codigo LIMIT 30",
          {p});
    a.sql("INSERT INTO tabAnexo26Extratos VALUES (1, ?, '001', '1234-5', '10.123-4', 'Movimento Geral', 'Prefeitura Municipal'),"
          " (2, ?, '104', '0567', '006.00001-2', 'FUNDEB', 'Fundo Municipal de Educação'),"
          " (3, ?, '001', '1234-5', '20.456-7', 'Fundo Municipal de Saúde - Atenção Básica', 'Fundo Municipal de Saúde')",
          {p, p, p});
    RecompoeDespesaPorFuncao(a.p.ctx.BancoOrgao, p);

    const struct {
        const char* menu;
        int linhas;
    } telas[] = {{"registrar.01.fontes", 10}, {"registrar.01.institucional", 8}, {"registrar.01.despesa", 31},
                 {"registrar.02", 0}, {"registrar.26", 4}};
    for (const auto& t : telas) {
        auto* tela = a.abre<TelaGrade>(t.menu);
        const int linhas = tela->grade()->modelo()->rowCount();
        if (t.linhas)
            EXPECT_EQ(linhas, t.linhas) << t.menu; // with the new-row line
        else
            EXPECT_GT(linhas, 10) << t.menu;
        Captura(tela, QString(t.menu) + "-exemplo");
    }
    auto* receita = a.abre<FrmReceita>("registrar.01.receita");
    EXPECT_EQ(receita->detalhe()->grade().linhas(), 30);
    Captura(receita, "receita-exemplo");
    receita->abas()->setCurrentIndex(1);
    Captura(receita, "receita-resumo-exemplo");
    auto* programas = a.abre<TelaMestreDetalhe>("registrar.01.programa");
    EXPECT_EQ(programas->mestre()->grade().linhas(), 4);
    Captura(programas, "programas-exemplo");
}
