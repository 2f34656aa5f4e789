#include "comum/BancoTeste.h"
#include "core/Menu.h"
#include "reports/Layout.h"
#include "reports/Motor.h"
#include "reports/Relatorios.h"
#include "reports/Selecao.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zip.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString textoDoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000)) << "pdftotext (poppler-utils) is installed by scripts/setup";
    EXPECT_EQ(p.exitCode(), 0);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray entradaDoZip(const QString& arquivo, const char* nome)
{
    int erro = 0;
    zip_t* z = zip_open(QFile::encodeName(arquivo).constData(), ZIP_RDONLY, &erro);
    if (!z)
        return {};
    QByteArray r;
    if (zip_file_t* f = zip_fopen(z, nome, 0)) {
        char buf[65536];
        zip_int64_t n;
        while ((n = zip_fread(f, buf, sizeof buf)) > 0)
            r.append(buf, qsizetype(n));
        zip_fclose(f);
    }
    zip_close(z);
    return r;
}

QString grava(const QTemporaryDir& dir, const QString& nome, const QString& texto)
{
    const QString caminho = dir.filePath(nome);
    QFile f(caminho);
    f.open(QIODevice::WriteOnly);
    f.write(texto.toUtf8());
    return caminho;
}

} // namespace

TEST(Selecao, ComparacoesUnidasPorEOuComValoresLigados)
{
    const struct {
        const char* formula;
        const char* sql;
        QVariantList valores;
        QStringList tabelas;
    } casos[] = {
        {"", "", {}, {}},
        {"{tabDespesaMovimento.BimReferencia} = '201203'", "(tabDespesaMovimento.BimReferencia = ?)", {"201203"}, {"tabDespesaMovimento"}},
        {"{tabAnexo04Movimento.BimReferencia} = '201203' and {tabAnexo04Movimento.campo}=1",
         "((tabAnexo04Movimento.BimReferencia = ?) AND (tabAnexo04Movimento.campo = ?))", {"201203", 1LL}, {"tabAnexo04Movimento"}},
        {"{tabAnexo13Contratos.BimReferencia} = '201203' or {tabAnexo13Aditivos.BimReferencia}='201203'",
         "((tabAnexo13Contratos.BimReferencia = ?) OR (tabAnexo13Aditivos.BimReferencia = ?))", {"201203", "201203"},
         {"tabAnexo13Contratos", "tabAnexo13Aditivos"}},
        // and binds tighter than or; parentheses and not change it.
        {"{t.a}='1' OR {t.b}='2' AND {t.c}='3'", "((t.a = ?) OR ((t.b = ?) AND (t.c = ?)))", {"1", "2", "3"}, {"t"}},
        {"({t.a}='1' or {t.b}='2') and not {t.c} <> 3.5", "(((t.a = ?) OR (t.b = ?)) AND (NOT (t.c <> ?)))", {"1", "2", 3.5}, {"t"}},
        // A quote inside a value is doubled, and stays a value: nothing reaches the SQL text.
        {"{t.nome} = 'D''Ávila; DROP TABLE t'", "(t.nome = ?)", {QString::fromUtf8("D'Ávila; DROP TABLE t")}, {"t"}},
        {"{t.nome} = \"sem 'aspas'\"", "(t.nome = ?)", {"sem 'aspas'"}, {"t"}},
        {"{t.v} >= -10 and {t.v}<=20", "((t.v >= ?) AND (t.v <= ?))", {-10LL, 20LL}, {"t"}},
        {"{t.andar} = 'x' and {t.orla} = 'y'", "((t.andar = ?) AND (t.orla = ?))", {"x", "y"}, {"t"}},
    };
    for (const auto& c : casos) {
        const Selecao s = SelecaoDeFormula(QString::fromUtf8(c.formula));
        EXPECT_EQ(s.sql, QString::fromUtf8(c.sql)) << c.formula;
        EXPECT_EQ(s.valores, c.valores) << c.formula;
        EXPECT_EQ(s.tabelas, c.tabelas) << c.formula;
    }
}

TEST(Selecao, FormulaMalFormadaDizOndeEOQue)
{
    const struct {
        const char* formula;
        const char* trecho;
    } casos[] = {
        {"{t.a} = '201203", "faltou fechar as aspas"},
        {"{t.a = '1'", "faltou fechar a chave"},
        {"{t} = '1'", "campo inválido"},
        {"{t.a; DROP TABLE x} = '1'", "campo inválido"},
        {"{t.a} '1'", "operador de comparação"},
        {"{t.a} = '1' and", "terminou antes"},
        {"({t.a} = '1'", "parêntese"},
        {"{t.a} = '1' {t.b} = '2'", "texto a mais"},
        {"{t.a} = 1.2.3", "número inválido"},
        {"tabela.a = '1'", "esperava um campo"},
    };
    for (const auto& c : casos) {
        try {
            SelecaoDeFormula(QString::fromUtf8(c.formula));
            ADD_FAILURE() << "accepted: " << c.formula;
        } catch (const ErroRelatorio& e) {
            EXPECT_TRUE(e.texto().startsWith(QStringLiteral("Fórmula de seleção inválida (posição "))) << e.texto().toStdString();
            EXPECT_TRUE(e.texto().contains(QString::fromUtf8(c.trecho))) << c.formula << " -> " << e.texto().toStdString();
        }
    }
}

TEST(Layout, ArquivoMalFormadoDizArquivoELinha)
{
    const QString inicio = QStringLiteral("[relatorio]\ntabela = t\n");
    const struct {
        QString texto;
        const char* esperado;
    } casos[] = {
        {QStringLiteral("tabela = t\n"), "teste.rpt, linha 1: o arquivo deve começar pela seção [relatorio]."},
        {QStringLiteral("# comentário\n[relatorio]\n[coluna\n"), "teste.rpt, linha 3: seção sem \"]\"."},
        {inicio + QStringLiteral("[tabelas]\n"), "teste.rpt, linha 3: seção desconhecida \"tabelas\"."},
        {inicio + QStringLiteral("orientacao = deitado\n"), "teste.rpt, linha 3: orientação deve ser \"retrato\" ou \"paisagem\"."},
        {inicio + QStringLiteral("[coluna]\ncampo = a\nlargura = larga\n"), "teste.rpt, linha 5: a largura deve ser um número maior que zero."},
        {inicio + QStringLiteral("[coluna]\ncampo = a\nformato = #.##0,00\n"), "teste.rpt, linha 5: formato desconhecido \"#.##0,00\"."},
        {inicio + QStringLiteral("[coluna]\ncampo = a; DELETE FROM t\n"), "teste.rpt, linha 4: o trecho SQL não pode conter \";\" nem \"--\"."},
        {inicio + QStringLiteral("[coluna]\nlegenda = A\n"), "teste.rpt, linha 4: chave desconhecida \"legenda\"."},
        {inicio + QStringLiteral("[coluna]\ntitulo A\n"), "teste.rpt, linha 4: esperava \"chave = valor\"."},
        {inicio + QStringLiteral("[coluna]\ntitulo = A\n"), "teste.rpt, linha 3: a coluna \"A\" não tem campo."},
        {inicio, "teste.rpt: o relatório não tem nenhuma coluna."},
        {QStringLiteral("[relatorio]\n[coluna]\ncampo = a\n"), "teste.rpt: falta a tabela do relatório (tabela = ...)."},
        {inicio + QStringLiteral("tabela = t x\n"), "teste.rpt, linha 3: nome de tabela inválido \"t x\"."},
        {inicio + QStringLiteral("juncao = t2 ON a = b\n"), "teste.rpt, linha 3: a junção deve ter a forma \"LEFT JOIN tabela ON condição\"."},
    };
    for (const auto& c : casos) {
        try {
            LayoutDeTexto(c.texto, QStringLiteral("teste.rpt"));
            ADD_FAILURE() << "accepted: " << c.texto.toStdString();
        } catch (const ErroRelatorio& e) {
            EXPECT_EQ(e.texto(), QStringLiteral("Arquivo de relatório inválido: ") + QString::fromUtf8(c.esperado));
        }
    }
    QTemporaryDir dir;
    try {
        LeLayout(dir.filePath("falta.rpt"));
        ADD_FAILURE();
    } catch (const ErroRelatorio& e) {
        EXPECT_TRUE(e.texto().startsWith("Arquivo de relatório não encontrado: ")) << e.texto().toStdString();
    }
}

TEST(Relatorios, ArquivoPorTipoDeOrgao)
{
    const struct {
        const char* entrada;
        const char* codigo;
        const char* tipoMenu;
        const char* arquivo;
    } casos[] = {
        {"Anexo 11", "G001", "E", "Anexo11est.rpt"}, {"Anexo 11", "P001", "B", "Anexo11.rpt"},
        {"Anexo 11", "g002", "E", "Anexo11est.rpt"}, {"Anexo 11", "C001", "C", "Anexo11.rpt"},
        {"Anexo 12", "P001", "B", "Anexo12Mun.rpt"}, {"Anexo 12", "G001", "E", "Anexo12.rpt"},
        {"Anexo 12", "C001", "C", "Anexo12.rpt"},    {"Anexo 16", "P001", "B", "Anexo16mn.rpt"},
        {"Anexo 16", "A001", "A", "Anexo16.rpt"},    {"Anexo 16", "F001", "F", "Anexo16.rpt"},
        {"Anexo 16", "G001", "E", "Anexo16mn.rpt"},  {"Anexo 17", "A001", "a", "Anexo17.rpt"},
        {"Anexo 17", "C001", "C", "Anexo17mn.rpt"},  {"Anexo 14 (Pagamentos)", "G001", "A", "Anexo14P.rpt"},
    };
    for (const auto& c : casos) {
        const EntradaRelatorio* e = EntradaDeNome(QString::fromUtf8(c.entrada));
        ASSERT_NE(e, nullptr) << c.entrada;
        EXPECT_EQ(ArquivoDaEntrada(*e, c.codigo, c.tipoMenu), c.arquivo) << c.entrada << " " << c.codigo << " " << c.tipoMenu;
    }
    const EntradaRelatorio* receita = EntradaDeNome("Anexo 01 (Receita)");
    ASSERT_NE(receita, nullptr);
    EXPECT_EQ(ArquivoDaEntrada(*receita, "P001", "B", false), "Anexo1R.rpt");
    EXPECT_EQ(ArquivoDaEntrada(*receita, "P001", "B", true), "Anexo1R_PadraoSTN.rpt");
}

// The menu offers every entry under its own name, and a screen opens each one.
TEST(Relatorios, MenuOfereceCadaEntradaPeloNome)
{
    QSet<QString> ids;
    for (const EntradaRelatorio& e : EntradasRelatorio()) {
        const ItemMenu* item = ItemDoMenu(e.idMenu);
        ASSERT_NE(item, nullptr) << e.nome.toStdString();
        EXPECT_FALSE(item->submenu) << e.idMenu.toStdString();
        EXPECT_EQ(item->permissoes, QStringList{"P05"}) << e.idMenu.toStdString();
        // An annex with one report keeps its title, which begins with the entry.
        EXPECT_TRUE(item->legenda.startsWith(e.nome)) << item->legenda.toStdString();
        EXPECT_FALSE(ids.contains(e.idMenu));
        ids.insert(e.idMenu);
    }
    for (const char* nome : {"Anexo 14 (Pagamentos)", "Anexo 14 (Anulações de Pagamentos)", "Anexo 13 (Contratos e Termos Aditivos)",
                             "Anexo 28(Cessão)", "Anexo 23(Geral)", "Anexo 21 (Execução)", "Anexo 01 (Despesa)"})
        EXPECT_EQ(ItemDoMenu(EntradaDeNome(QString::fromUtf8(nome))->idMenu)->legenda, QString::fromUtf8(nome));
    EXPECT_EQ(EntradasRelatorio().size(), 53u);
}

// Every delivered layout reads, and runs on an empty body database with its entry's
// selection: a column the layout names wrongly is found here, not by the user.
TEST(Relatorios, LayoutsEntreguesLeemERodam)
{
    OrgaoAberto o;
    const QDir dir(DirDados() + "/relatorios");
    const QStringList arquivos = dir.entryList({"*.rpt"}, QDir::Files);
    ASSERT_GE(arquivos.size(), 40);
    QStringList vistos;
    for (const EntradaRelatorio& e : EntradasRelatorio()) {
        for (const QString& arquivo : {e.arquivo, e.alternativo}) {
            if (arquivo.isEmpty() || !dir.exists(arquivo))
                continue;
            vistos << arquivo;
            PedidoRelatorio p = PedidoDaEntrada(o.p.ctx, e, "201203", arquivo == e.alternativo && e.escolha == EscolhaArquivo::Sintetico);
            p.arquivo = dir.filePath(arquivo);
            try {
                const DadosRelatorio d = CarregaRelatorio(o.banco(), p);
                EXPECT_FALSE(d.titulo().isEmpty()) << arquivo.toStdString();
            } catch (const ErroRelatorio& x) {
                ADD_FAILURE() << x.texto().toStdString();
            }
        }
    }
    for (const char* extra : {"problemas.rpt", "resumo.rpt"}) {
        vistos << extra;
        PedidoRelatorio p = QString(extra) == "resumo.rpt" ? PedidoResumo(o.p.ctx, "201203") : PedidoProblemas(o.p.ctx);
        p.arquivo = dir.filePath(extra);
        EXPECT_NO_THROW(CarregaRelatorio(o.banco(), p)) << extra;
    }
    for (const QString& a : arquivos)
        EXPECT_TRUE(vistos.contains(a)) << "layout of no entry: " << a.toStdString();
    // The body folder got them from the template.
    EXPECT_TRUE(QFile::exists(CaminhoRelatorio(o.p.ctx, "Anexo14P.rpt")));
}

TEST(Relatorios, Anexo03JanelaDoPrimeiroBimestre)
{
    OrgaoAberto o("P001", "201201");
    o.sql("DELETE FROM tabAnexo03Campos");
    o.sql("INSERT INTO tabAnexo03Campos (campo, descricao, esfera) VALUES ('1', 'Receitas Correntes', 'EM'), "
          "('101', 'IPTU', 'M'), ('102', 'ICMS do Estado', 'E')");
    // Months just outside the window, both ends, and each end of it.
    const struct {
        const char* campo;
        const char* anomes;
        qint64 valor;
    } valores[] = {{"1", "022011", 1}, {"1", "032011", 30000}, {"1", "042011", 40000}, {"1", "022012", 220000},
                   {"1", "032012", 9}, {"1", "PA01", 770000}, {"101", "012012", 5000}, {"102", "012012", 6}};
    for (const auto& v : valores)
        o.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES (?, ?, ?)", {v.campo, v.anomes, v.valor});
    const QStringList formulas = PreparaAnexo03Temp(o.banco(), "M", "201201");
    ASSERT_EQ(formulas.size(), 12);
    EXPECT_EQ(formulas.front(), "for_m1 = '03/2011'");
    EXPECT_EQ(formulas[1], "for_m2 = '04/2011'");
    EXPECT_EQ(formulas.back(), "for_m12 = '02/2012'");
    EXPECT_EQ(o.conta("tabAnexo03Temp"), 2); // the "EM" line and the municipal one
    EXPECT_EQ(o.texto("SELECT \"1m\" FROM tabAnexo03Temp WHERE Campo = '1'"), "30000");
    EXPECT_EQ(o.texto("SELECT \"2m\" FROM tabAnexo03Temp WHERE Campo = '1'"), "40000");
    EXPECT_EQ(o.texto("SELECT \"12m\" FROM tabAnexo03Temp WHERE Campo = '1'"), "220000");
    EXPECT_EQ(o.texto("SELECT PA FROM tabAnexo03Temp WHERE Campo = '1'"), "770000");
    EXPECT_EQ(o.texto("SELECT \"11m\" FROM tabAnexo03Temp WHERE Campo = '101'"), "5000");
    EXPECT_EQ(o.texto("SELECT sum(coalesce(\"1m\",0)+coalesce(\"2m\",0)+coalesce(\"3m\",0)+coalesce(\"4m\",0)+coalesce(\"5m\",0)+"
                      "coalesce(\"6m\",0)+coalesce(\"7m\",0)+coalesce(\"8m\",0)+coalesce(\"9m\",0)+coalesce(\"10m\",0)+"
                      "coalesce(\"11m\",0)+coalesce(\"12m\",0)) FROM tabAnexo03Temp"),
              "295000");
    // Run again for another bimester: the table holds that run alone.
    PreparaAnexo03Temp(o.banco(), "M", "201202");
    EXPECT_EQ(o.conta("tabAnexo03Temp"), 2);
    EXPECT_EQ(o.texto("SELECT \"10m\" FROM tabAnexo03Temp WHERE Campo = '1'"), "220000");
    EXPECT_EQ(o.texto("SELECT \"11m\" FROM tabAnexo03Temp WHERE Campo = '1'"), "9");
}

TEST(Relatorios, ReceitaComGruposESubtotais)
{
    OrgaoAberto o;
    const struct {
        const char* codigo;
        const char* fonte;
        qint64 inicial, atualizada, bimestre, exercicio;
    } linhas[] = {{"11120200", "001", 1000000, 1200000, 300000, 500000},
                  {"11120431", "001", 200000, 200000, 50000, 60000},
                  {"13250100", "002", 100000, 100000, 10000, 20000},
                  {"97000000", "001", -150000, -150000, -40000, -50000}};
    for (const auto& l : linhas)
        o.sql("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos, ValorPrevistoInicial, "
              "ValorPrevistoAtualizado, ValorRealizadoBimestre, ValorRealizadoExercicio) VALUES ('201203', ?, ?, ?, ?, ?, ?)",
              {l.codigo, l.fonte, l.inicial, l.atualizada, l.bimestre, l.exercicio});
    o.sql("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos, ValorRealizadoBimestre) "
          "VALUES ('201202', '11120200', '001', 777)");
    const QStringList f = PreparaReceitaTemp(o.banco(), "201203");
    EXPECT_EQ(f, QStringList({"for_SubTotal_ValorPrevistoInicial = ('115,00')", "for_SubTotal_ValorPrevistoAtualizado = ('135,00')",
                              "for_SubTotal_ValorRealizadoBimestre = ('32,00')", "for_SubTotal_ValorRealizadoExercicio = ('53,00')",
                              "for_SubTotal_SaldoaRealizar = ('82,00')", "for_totalarealizar=('82,00')"}));
    // Group 1112 (11120000) holds both lines under it; group 111 as well; 13 holds the third.
    EXPECT_EQ(o.texto("SELECT RecRel_NoBimestre FROM tabReceitaTemp WHERE Tipo = 'G' AND Grupo = '1112'"), "350000");
    EXPECT_EQ(o.texto("SELECT RecRel_AteoBim FROM tabReceitaTemp WHERE Tipo = 'G' AND Grupo = '111204'"), "60000");
    EXPECT_EQ(o.texto("SELECT RecRel_NoBimestre FROM tabReceitaTemp WHERE Tipo = 'G' AND Grupo = '13'"), "10000");
    EXPECT_EQ(o.conta("tabReceitaTemp", "Tipo = 'L'"), 4);
    EXPECT_TRUE(o.texto("SELECT Descricao FROM tabReceitaTemp WHERE Tipo = 'L' AND Grupo = '11120200'").startsWith(QString(18, ' ') + "Imposto"));
    // A line sits right under its group when the rows are read by code.
    EXPECT_EQ(o.texto("SELECT group_concat(Tipo || Codigo, ' ') FROM (SELECT Tipo, Codigo FROM tabReceitaTemp "
                      "WHERE Codigo LIKE '1112%' ORDER BY Codigo, Tipo)"),
              "G11120000 L11120200 G11120400 L11120431");
}

// The engine over a layout of the test's own: groups with their totals, the grand total,
// numbers as the report shows them and as the spreadsheet keeps them.
class Motor : public ::testing::Test {
protected:
    void SetUp() override
    {
        banco = ProgramaTeste::bancoOrgao(dir.filePath("Lumo.mdb"));
        banco.executa("CREATE TABLE tabVenda (BimReferencia TEXT, Fonte TEXT, Nome TEXT, Valor INTEGER, Qtd INTEGER)");
        const struct {
            const char* periodo;
            const char* fonte;
            const char* nome;
            qint64 valor;
            int qtd;
        } linhas[] = {{"201203", "001", "Alfa; Beta", 12345000, 1500}, {"201203", "001", "Gama", 5000, 2},
                      {"201203", "002", "Delta \"D\"", -2500, 3},      {"201202", "001", "Fora", 99990000, 9}};
        for (const auto& l : linhas)
            banco.executa("INSERT INTO tabVenda VALUES (?, ?, ?, ?, ?)", {l.periodo, l.fonte, l.nome, l.valor, l.qtd});
        layout = grava(dir, "vendas.rpt",
                       "[relatorio]\ntitulo = Vendas de {for_orgao}\ntabela = tabVenda\nordem = tabVenda.Nome\n"
                       "[cabecalho]\nlinha = Período: {for_periodo} - {pBim}\n"
                       "[grupo]\ncampo = tabVenda.Fonte\ntitulo = Fonte {valor}\nsubtotal = Total da Fonte {valor}\n"
                       "[coluna]\ntitulo = Nome\ncampo = tabVenda.Nome\nlargura = 30\n"
                       "[coluna]\ntitulo = Quantidade\ncampo = tabVenda.Qtd\nformato = #,##0\ntotal = soma\n"
                       "[coluna]\ntitulo = Valor\ncampo = tabVenda.Valor\nformato = #,##0.00\ntotal = soma\n");
        pedido.arquivo = layout;
        pedido.selecao = "{tabVenda.BimReferencia} = '201203'";
        pedido.formulas = {"for_orgao = 'Câmara D''Oeste'", "for_periodo = '03/2012'"};
        pedido.parametros = {"pBim;03/2012;True"};
    }
    QTemporaryDir dir;
    Banco banco;
    QString layout;
    PedidoRelatorio pedido;
};

TEST_F(Motor, GruposTotaisECsv)
{
    const DadosRelatorio d = CarregaRelatorio(banco, pedido);
    EXPECT_EQ(d.titulo(), "Vendas de Câmara D'Oeste");
    EXPECT_EQ(d.expande(d.layout.cabecalho.front()), "Período: 03/2012 - 03/2012");
    EXPECT_EQ(d.linhas, 3);
    QStringList resumo;
    for (const ItemRelatorio& it : d.itens) {
        QStringList v;
        for (size_t c = 0; c < it.valores.size(); ++c)
            v << d.textoDe(c, it.valores[c]);
        resumo << QString::number(int(it.tipo)) + ":" + (it.tipo == ItemRelatorio::Linha ? v.join('|') : it.texto + "|" + v.mid(1).join('|'));
    }
    EXPECT_EQ(resumo, QStringList({"0:Fonte 001|", "1:Alfa; Beta|1.500|1.234,50", "1:Gama|2|0,50", "2:Total da Fonte 001|1.502|1.235,00",
                                   "0:Fonte 002|", "1:Delta \"D\"|3|-0,25", "2:Total da Fonte 002|3|-0,25",
                                   "3:Total Geral|1.505|1.234,75"}));
    GravaCsv(d, dir.filePath("v.csv"));
    QFile f(dir.filePath("v.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              "Nome;Quantidade;Valor\n\"Alfa; Beta\";1500;1234,50\nGama;2;0,50\nTotal da Fonte 001;1502;1235,00\n"
              "\"Delta \"\"D\"\"\";3;-0,25\nTotal da Fonte 002;3;-0,25\nTotal Geral;1505;1234,75\n");
}

TEST_F(Motor, PlanilhaGuardaNumerosComoNumeros)
{
    const DadosRelatorio d = CarregaRelatorio(banco, pedido);
    const QString xlsx = dir.filePath("v.xlsx");
    GravaXlsx(d, xlsx);
    const QString folha = QString::fromUtf8(entradaDoZip(xlsx, "xl/worksheets/sheet1.xml"));
    ASSERT_FALSE(folha.isEmpty());
    // Each figure is a numeric cell (no t="..." attribute) holding the plain number.
    for (const char* numero : {"1234.5", "0.5", "-0.25", "1500", "1502", "1234.75"}) {
        const QRegularExpression celula(QStringLiteral("<c r=\"[A-Z]+\\d+\"( s=\"\\d+\")?><v>%1</v></c>").arg(QRegularExpression::escape(numero)));
        EXPECT_TRUE(celula.match(folha).hasMatch()) << numero;
    }
    // The texts are there too, as texts.
    const QString textos = folha + QString::fromUtf8(entradaDoZip(xlsx, "xl/sharedStrings.xml"));
    for (const char* t : {"Vendas de Câmara D&apos;Oeste", "Total Geral", "Alfa; Beta", "Período: 03/2012 - 03/2012"})
        EXPECT_TRUE(textos.contains(QString::fromUtf8(t)) || textos.contains(QString::fromUtf8(t).replace("&apos;", "'"))) << t;
    EXPECT_FALSE(QFile::exists(xlsx + ".gravando"));
}

TEST_F(Motor, SelecaoDeTabelaQueORelatorioNaoLeERecusada)
{
    pedido.selecao = "{tabOutra.BimReferencia} = '201203'";
    try {
        CarregaRelatorio(banco, pedido);
        ADD_FAILURE();
    } catch (const ErroRelatorio& e) {
        EXPECT_EQ(e.texto(), "A fórmula de seleção usa a tabela tabOutra, que o relatório vendas.rpt não lê.");
    }
    pedido.selecao.clear();
    pedido.formulas = {"for_orgao sem igual"};
    EXPECT_THROW(CarregaRelatorio(banco, pedido), ErroRelatorio);
    // A column the layout names wrongly says so, with the file.
    pedido.formulas.clear();
    pedido.arquivo = grava(dir, "errado.rpt", "[relatorio]\ntabela = tabVenda\n[coluna]\ncampo = tabVenda.NaoExiste\n");
    try {
        CarregaRelatorio(banco, pedido);
        ADD_FAILURE();
    } catch (const ErroRelatorio& e) {
        EXPECT_TRUE(e.texto().startsWith("O relatório errado.rpt não pôde ser montado: ")) << e.texto().toStdString();
    }
}

TEST(Relatorios, PdfDoAnexo14TemPeriodoOrgaoTitulosELinhas)
{
    OrgaoAberto o;
    CalculaAnexosDoBimestre(o.p.ctx);
    o.sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, NomeCredor, ValorEmpenhado) VALUES "
          "(1, '201203', '77/2012', 'CONSTRUTORA ÁGUA CLARA LTDA', 50000000)");
    o.sql("INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento, ValorPago, "
          "NumeroEmpenho, DocCredor) VALUES (1, 1, '201203', 'OB 501', '15/05/2012', 12345000, '77/2012', '12978037000178'), "
          "(2, 1, '201203', 'OB 502', '20/06/2012', 2000000, '77/2012', '12978037000178'), "
          "(3, 1, '201202', 'OB 499', '20/03/2012', 99990000, '77/2012', '12978037000178')");
    const PedidoRelatorio p = PedidoDaEntrada(o.p.ctx, *EntradaDeNome("Anexo 14 (Pagamentos)"), "201203");
    EXPECT_EQ(p.selecao, "{tabAnexo14Pagamentos.BimReferencia} = '201203'");
    EXPECT_TRUE(p.formulas.contains("for_periodo = '03/2012'"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("a14.pdf");
    EXPECT_EQ(GravaRelatorio(o.banco(), p, DestinoRelatorio::Pdf, pdf), 2);
    const QString texto = textoDoPdf(pdf);
    for (const QString& t : {QStringLiteral("03/2012"), o.p.ctx.NomeOrgao, QStringLiteral("Valor Pago"), QStringLiteral("Credor"),
                             QStringLiteral("OB 501"), QStringLiteral("1.234,50"), QStringLiteral("200,00"),
                             QStringLiteral("1.434,50"), QStringLiteral("CONSTRUTORA ÁGUA CLARA LTDA"), QStringLiteral("Página 1 de 1")})
        EXPECT_TRUE(texto.contains(t)) << t.toStdString() << "\n" << texto.toStdString();
    EXPECT_FALSE(o.p.ctx.NomeOrgao.isEmpty());
    EXPECT_FALSE(texto.contains("OB 499")); // another period
}

TEST(Relatorios, ResumoEProblemasDoPacote)
{
    OrgaoAberto o;
    CalculaAnexosDoBimestre(o.p.ctx);
    o.sql("INSERT INTO tabResumo (BimReferencia, Anexo, Valor1) VALUES ('201203', 'Anexo 14 - Rel. Empenhos', 12345000), "
          "('201203', 'Anexo 26 - Cadastro de Contas Correntes', 30000), ('201202', 'Anexo antigo', 70000)");
    o.sql("INSERT INTO tabProblemas (Anexo, Descricao, Solucao) VALUES ('I - Receita', 'Movimento de Receita não informado.', "
          "'Digitar informações de Receita do Anexo I.')");
    QTemporaryDir dir;
    const PedidoRelatorio r = PedidoResumo(o.p.ctx, "201203");
    EXPECT_EQ(r.parametros, QStringList({"pOrgao;" + o.p.ctx.NomeOrgao + ";True", "pBim;03/2012;True", "pVersion;000;True"}));
    EXPECT_EQ(GravaRelatorio(o.banco(), r, DestinoRelatorio::Pdf, dir.filePath("r.pdf")), 2);
    const QString resumo = textoDoPdf(dir.filePath("r.pdf"));
    for (const char* t : {"Anexo 14 - Rel. Empenhos", "1.234,50", "03/2012", "Anexo 26 - Cadastro de Contas Correntes"})
        EXPECT_TRUE(resumo.contains(QString::fromUtf8(t))) << t << "\n" << resumo.toStdString();
    EXPECT_TRUE(resumo.contains(o.p.ctx.NomeOrgao));
    EXPECT_FALSE(resumo.contains("Anexo antigo"));
    EXPECT_EQ(GravaRelatorio(o.banco(), PedidoProblemas(o.p.ctx), DestinoRelatorio::Pdf, dir.filePath("p.pdf")), 1);
    const QString problemas = textoDoPdf(dir.filePath("p.pdf"));
    for (const char* t : {"I - Receita", "Movimento de Receita não informado.", "Digitar informações de Receita do Anexo I.", "03/2012"})
        EXPECT_TRUE(problemas.contains(QString::fromUtf8(t))) << t << "\n" << problemas.toStdString();
}

TEST(Relatorios, PeriodoInvalidoERecusado)
{
    OrgaoAberto o;
    const EntradaRelatorio& e = *EntradaDeNome("Anexo 02");
    for (const char* periodo : {"", "201207", "2012", "20120a", "201200"}) {
        try {
            PedidoDaEntrada(o.p.ctx, e, periodo);
            ADD_FAILURE() << periodo;
        } catch (const ErroRelatorio& x) {
            EXPECT_EQ(x.texto(), QString(periodo).isEmpty() ? QStringLiteral("Informe o Bimestre Referência!")
                                                            : QStringLiteral("Bimestre Referência inválido: informe o bimestre (01 a 06) e o ano, como 03/2012."));
        }
    }
}
