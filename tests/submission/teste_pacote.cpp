#include "comum/BancoTeste.h"
#include "core/Arquivos.h"
#include "submission/Pacote.h"
#include "submission/Criticas.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <zip.h>

namespace {

const QString Periodo = QStringLiteral("201203");
const QString Anterior = QStringLiteral("201202");

// One row of a table: every required column without a default gets a value of its kind
// (distinct on every call, so keys never collide); `valores` gives the columns that matter.
void insere(const Banco& b, const QString& tabela, const QVariantMap& valores)
{
    static int contador = 1000;
    QStringList nomes, marcas;
    QVariantList dados;
    QSqlQuery q = b.executa(QStringLiteral("SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?)"), {tabela});
    while (q.next()) {
        const QString nome = q.value(0).toString();
        QVariant v;
        for (auto it = valores.begin(); it != valores.end(); ++it)
            if (it.key().compare(nome, Qt::CaseInsensitive) == 0)
                v = it.value();
        const bool exigida = (q.value(2).toInt() == 1 && q.value(3).isNull()) || q.value(4).toInt() > 0;
        if (!v.isValid() && !exigida)
            continue;
        if (!v.isValid()) {
            ++contador;
            v = q.value(1).toString().contains(QStringLiteral("INT"), Qt::CaseInsensitive) ? QVariant(contador)
                                                                                         : QVariant(QString::number(contador));
        }
        nomes << u'"' + nome + u'"';
        marcas << QStringLiteral("?");
        dados << v;
    }
    q = QSqlQuery();
    b.executa(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tabela, nomes.join(u','), marcas.join(u',')), dados);
}

bool temColuna(const Banco& b, const QString& tabela, const QString& coluna)
{
    return b.existe(QStringLiteral("SELECT 1 FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"), {tabela, coluna});
}

// Every table of the package gets rows of the open period and of the one before.
void preencheTudo(const Banco& b)
{
    Transacao t(b);
    for (const QString& tabela : TabelasDoPacote()) {
        if (!b.tabelaExiste(tabela) || tabela == QStringLiteral("tabChave") || tabela == QStringLiteral("tabAnexo03Movimento"))
            continue;
        // Two rows of the period where the table allows (Anexo 24 keeps one per period).
        const bool umPorPeriodo = b.existe(QStringLiteral("SELECT 1 FROM pragma_table_info(?) WHERE pk > 0 GROUP BY 1 "
                                                          "HAVING count(*) = 1 AND max(name) = 'BimReferencia'"), {tabela});
        for (const QString& p : umPorPeriodo ? QStringList{Periodo, Anterior} : QStringList{Periodo, Periodo, Anterior})
            insere(b, tabela, {{QStringLiteral("BimReferencia"), p}});
    }
    for (const char* mes : {"052012", "062012", "TOT03", "PA03", "042012", "TOT02", "PA02", "062011"})
        insere(b, QStringLiteral("tabAnexo03Movimento"), {{QStringLiteral("AnoMes"), QString::fromLatin1(mes)}});
    t.confirma();
}

// Every row of every table, except the key row's stamped columns and what the generation
// writes by design (the summary and the history).
QStringList despejo(const Banco& b)
{
    QStringList r;
    QStringList tabelas;
    QSqlQuery q = b.executa(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name"));
    while (q.next())
        tabelas << q.value(0).toString();
    q = QSqlQuery();
    for (const QString& t : tabelas) {
        if (t == QStringLiteral("tabResumo") || t == QStringLiteral("tabEnvios"))
            continue;
        QSqlQuery linhas = b.executa(QStringLiteral("SELECT * FROM \"%1\" ORDER BY 1, 2").arg(t));
        while (linhas.next()) {
            QStringList campos{t};
            const QSqlRecord reg = linhas.record();
            for (int i = 0; i < reg.count(); ++i) {
                const QString c = reg.fieldName(i).toLower();
                if (t == QStringLiteral("tabChave") && (c == "backup" || c == "revisaoatual" || c == "bimreferencia"))
                    continue;
                campos << reg.fieldName(i) + u'=' + linhas.value(i).toString();
            }
            r << campos.join(u'|');
        }
    }
    return r;
}

// The single entry of a zip archive: its name, or what is wrong.
QString entradaUnica(const QString& arquivo)
{
    int erro = 0;
    zip_t* z = zip_open(QFile::encodeName(arquivo).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &erro);
    if (!z)
        return QStringLiteral("não é zip");
    QString r;
    if (zip_get_num_entries(z, 0) != 1)
        r = QStringLiteral("%1 entradas").arg(zip_get_num_entries(z, 0));
    else
        r = QString::fromUtf8(zip_get_name(z, 0, 0));
    zip_discard(z);
    return r;
}

QString sha256(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
}

struct Pacote : ::testing::Test {
    OrgaoAberto o{QStringLiteral("P001"), Periodo};
    QTemporaryDir destino;
    QTemporaryDir leitura;
    QStringList situacoes;
    std::vector<std::pair<int, int>> gravados;

    Contexto& ctx() { return o.p.ctx; }
    void devidos(std::initializer_list<int> lista)
    {
        ctx().anexosDevidos.fill(0);
        for (int s : lista)
            ctx().anexosDevidos[size_t(s)] = 1;
    }
    ResultadoPacote gera(const QString& pasta)
    {
        situacoes.clear();
        gravados.clear();
        OuvintePacote ouvinte;
        ouvinte.situacao = [this](const QString& t) { situacoes << t; };
        ouvinte.slotGravado = [this](int s, int n) { gravados.emplace_back(s, n); };
        return GeraPacote(ctx(), pasta, ouvinte);
    }
    ResultadoPacote gera() { return gera(destino.path()); }
    // The package decompressed as its receiver would.
    Banco abrePacote(const QString& arquivo)
    {
        const QString banco = leitura.filePath(QStringLiteral("lido%1.mdb").arg(++lidos_));
        EXPECT_EQ(DescompactaArquivo(arquivo, QStringLiteral("export.mdb"), banco), QString());
        return Banco::abre(banco);
    }
    std::vector<std::tuple<QString, QString, qint64>> resumo()
    {
        std::vector<std::tuple<QString, QString, qint64>> r;
        QSqlQuery q = o.banco().executa(QStringLiteral("SELECT BimReferencia, Anexo, Valor1 FROM tabResumo ORDER BY rowid"));
        while (q.next())
            r.emplace_back(q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong());
        return r;
    }

private:
    int lidos_ = 0;
};

} // namespace

TEST(NomePacote, BimestreEAnoDoPeriodo)
{
    const std::pair<const char*, const char*> casos[] = {
        {"201106", "data0611.lrf"}, {"201201", "data0112.lrf"}, {"200903", "data0309.lrf"}};
    for (const auto& [periodo, nome] : casos)
        EXPECT_EQ(NomeArquivoPacote(periodo), nome) << periodo;
}

TEST(NomePacote, MesesDoAnexo03)
{
    const struct {
        const char* tipo;
        const char* periodo;
        const char* meses;
    } casos[] = {
        {"A", "201103", "052011,062011,TOT03,PA03"},
        {"P", "201201", "012012,022012,TOT01,PA01"},
        {"A", "201206", "112012,122012,TOT06,PA06"},
        // Twelve months ending with the bimester's last, newest first.
        {"C", "201103", "062011,052011,042011,032011,022011,012011,122010,112010,102010,092010,082010,072010,TOT03,PA03"},
        {"A", "201201", "022012,012012,122011,112011,102011,092011,082011,072011,062011,052011,042011,032011,TOT03,PA03"},
        {"f", "201201", "022012,012012,122011,112011,102011,092011,082011,072011,062011,052011,042011,032011,TOT03,PA03"},
        {"C", "201201", "012012,022012,TOT01,PA01"},
        {"A", "201203", "052012,062012,TOT03,PA03"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(AnoMesAnexo03DoPacote(c.tipo, c.periodo).join(u','), c.meses) << c.tipo << " " << c.periodo;
}

// The package holds the due slots' rows of the open period and nothing else; the texts the
// user sees on the way come in order.
TEST_F(Pacote, SoOsAnexosDevidosDoPeriodo)
{
    preencheTudo(o.banco());
    devidos({1, 2, 3, 4, 14, 27});
    const ResultadoPacote r = gera();
    ASSERT_TRUE(r.gerado);
    EXPECT_EQ(QFileInfo(r.arquivo).fileName(), QStringLiteral("data0312.lrf"));
    EXPECT_EQ(situacoes, (QStringList{"Gerando banco de dados...", "Copiando dados para o banco...", "Compactando banco de dados...",
                                      "Copiando para " + QDir::toNativeSeparators(destino.path()) + "...",
                                      "Gerando relatório das informações...", "Informações gravadas com sucesso."}));
    EXPECT_TRUE(o.p.ui.textos().contains("O sistema agora vai fazer a cópia do banco de dados de exportação. Clique em OK"));
    EXPECT_EQ(entradaUnica(r.arquivo), QStringLiteral("export.mdb"));

    Banco pacote = abrePacote(r.arquivo);
    const std::set<QString> devidas = {"tabReceitaMovimento", "tabFonte", "tabInstitucional", "tabProjeto", "tabPrograma",
                                       "tabDespesaMovimento", "tabDespFuncMovimento", "tabAnexo03Movimento", "tabAnexo04Movimento",
                                       "tabAnexo14Anulacoes", "tabAnexo14Pagamentos", "tabAnexo14Movimento",
                                       "tabAnexo14AnulacaoPagamento", "tabAnexo26Extratos", "tabResponsavelInformacao",
                                       "tabResponsavelPreenchimento", "tabResponsavelContabilidade"};
    o.banco().executa("ATTACH DATABASE ? AS lido", {pacote.caminho()});
    for (const QString& tabela : TabelasDoPacote()) {
        if (!o.banco().tabelaExiste(tabela) || tabela == "tabChave")
            continue;
        SCOPED_TRACE(tabela.toStdString());
        const int noPacote = pacote.valor("SELECT count(*) FROM " + tabela).toInt();
        if (!devidas.count(tabela)) {
            EXPECT_EQ(noPacote, 0) << "anexo não devido";
            continue;
        }
        if (tabela == "tabAnexo03Movimento") {
            EXPECT_EQ(pacote.valor("SELECT group_concat(anomes) FROM (SELECT anomes FROM tabAnexo03Movimento ORDER BY anomes)").toString(),
                      "052012,062012,PA03,TOT03");
            continue;
        }
        EXPECT_EQ(noPacote, 2);
        EXPECT_EQ(pacote.valor("SELECT count(*) FROM " + tabela + " WHERE BimReferencia <> ?", {Periodo}).toInt(), 0);
        // Row for row what the body holds for the period.
        EXPECT_EQ(o.banco().valor("SELECT count(*) FROM (SELECT * FROM main." + tabela + " WHERE BimReferencia = ? EXCEPT SELECT * FROM lido." + tabela + ")",
                                  {Periodo}).toInt(), 0);
    }
    o.banco().executa("DETACH DATABASE lido");
    // The key row, stamped for the package.
    QSqlQuery chave = pacote.executa("SELECT Codigo_tabOrgaos, backup, RevisaoAtual, bimreferencia, count(*) FROM tabChave");
    ASSERT_TRUE(chave.next());
    EXPECT_EQ(chave.value(0).toString(), "P001");
    EXPECT_EQ(chave.value(1).toInt(), 0);
    EXPECT_EQ(chave.value(2).toString(), " " + VersaoPrograma());
    EXPECT_EQ(chave.value(3).toString(), Periodo);
    EXPECT_EQ(chave.value(4).toInt(), 1);
    // "N registros gravados": what the slot's last insertion wrote.
    EXPECT_EQ(gravados, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {3, 4}, {4, 2}, {14, 2}, {27, 2}}));
    // The package also stays in the body folder, and the compacted copy is gone.
    EXPECT_EQ(sha256(r.arquivoLocal), sha256(r.arquivo));
    EXPECT_FALSE(QFile::exists(QDir(ctx().pastaDoOrgao()).filePath("export2.mdb")));
    EXPECT_FALSE(QFile::exists(QDir(ctx().pastaDoOrgao()).filePath("exportNovo.mdb")));
}

// Every table of the slot table exists in the body database, with the period column the
// copy selects by.
TEST_F(Pacote, TabelasDosSlotsExistem)
{
    for (const QString& t : TabelasDoPacote()) {
        SCOPED_TRACE(t.toStdString());
        EXPECT_TRUE(o.banco().tabelaExiste(t));
    }
    for (const SlotPacote& s : SlotsDoPacote())
        for (const TabelaPacote& t : s.tabelas)
            if (t.linhas == LinhasPacote::Periodo)
                EXPECT_TRUE(temColuna(o.banco(), t.nome, "BimReferencia")) << t.nome.toStdString();
}

TEST_F(Pacote, DozeMesesDoAnexo03NoPrimeiroBimestre)
{
    // A prefeitura (menu type A) sends the last twelve months in the first bimester.
    ctx().BimReferencia = "201201";
    ctx().BimestreAberto = "01";
    for (const char* mes : {"012012", "022012", "122011", "032011", "022011", "TOT03", "PA03", "TOT01", "PA01"})
        insere(o.banco(), "tabAnexo03Movimento", {{"AnoMes", QString::fromLatin1(mes)}});
    devidos({3});
    const ResultadoPacote r = gera();
    ASSERT_TRUE(r.gerado);
    EXPECT_EQ(QFileInfo(r.arquivo).fileName(), "data0112.lrf");
    Banco pacote = abrePacote(r.arquivo);
    EXPECT_EQ(pacote.valor("SELECT group_concat(anomes) FROM (SELECT anomes FROM tabAnexo03Movimento ORDER BY anomes)").toString(),
              "012012,022012,032011,122011,PA03,TOT03");
}

// Generating again gives the same contents (the tables are emptied first), also when the
// package database has to be made again.
TEST_F(Pacote, DuasVezesOMesmoConteudo)
{
    preencheTudo(o.banco());
    devidos({1, 3, 13, 14, 15});
    QFile::remove(QDir(ctx().pastaDoOrgao()).filePath("export.mdb"));
    const ResultadoPacote a = gera();
    ASSERT_TRUE(a.gerado);
    const QStringList primeiro = despejo(abrePacote(a.arquivo));
    const ResultadoPacote b = gera();
    ASSERT_TRUE(b.gerado);
    const QStringList segundo = despejo(abrePacote(b.arquivo));
    EXPECT_EQ(primeiro, segundo);
    EXPECT_GT(primeiro.size(), 10);
    EXPECT_EQ(ListaEnvios(o.banco()).size(), 2u);
}

TEST_F(Pacote, PeriodoNoNomeDoArquivo)
{
    ctx().BimReferencia = "201106";
    ctx().BimestreAberto = "06";
    devidos({1});
    const ResultadoPacote r = gera();
    ASSERT_TRUE(r.gerado);
    EXPECT_TRUE(QFile::exists(destino.filePath("data0611.lrf")));
    EXPECT_TRUE(QFile::exists(QDir(ctx().pastaDoOrgao()).filePath("data0611.lrf")));
    EXPECT_EQ(entradaUnica(destino.filePath("data0611.lrf")), "export.mdb");
}

// The body database changes only by the key row's stamps, the summary and the history.
TEST_F(Pacote, BancoDoOrgaoSoGanhaOsCarimbos)
{
    preencheTudo(o.banco());
    devidos({1, 2, 3, 4, 5, 13, 14, 27});
    const QStringList antes = despejo(o.banco());
    ASSERT_TRUE(gera().gerado);
    EXPECT_EQ(despejo(o.banco()), antes);
    QSqlQuery chave = o.banco().executa("SELECT backup, RevisaoAtual, bimreferencia FROM tabChave");
    ASSERT_TRUE(chave.next());
    EXPECT_EQ(chave.value(0).toInt(), 0);
    EXPECT_EQ(chave.value(1).toString(), " " + VersaoPrograma());
    EXPECT_EQ(chave.value(2).toString(), Periodo);
}

TEST_F(Pacote, FigurasETitulosDoResumo)
{
    const Banco& b = o.banco();
    insere(b, "tabReceitaMovimento", {{"BimReferencia", Periodo}, {"Codigo_tabReceitaCodigo", "1112"}, {"ValorRealizadoBimestre", 10000000}});
    insere(b, "tabReceitaMovimento", {{"BimReferencia", Periodo}, {"Codigo_tabReceitaCodigo", "9111"}, {"ValorRealizadoBimestre", 1000000}});
    insere(b, "tabReceitaMovimento", {{"BimReferencia", Anterior}, {"Codigo_tabReceitaCodigo", "1112"}, {"ValorRealizadoBimestre", 777}});
    insere(b, "tabDespesaMovimento", {{"BimReferencia", Periodo}, {"ValorLiqBimestre", 12345678}});   // 1.234,5678
    insere(b, "tabAnexo03Movimento", {{"AnoMes", "TOT03"}, {"Campo", "3"}, {"Valor", 55555549}});   // 5.555,5549
    insere(b, "tabAnexo03Movimento", {{"AnoMes", "TOT02"}, {"Campo", "3"}, {"Valor", 1}});
    insere(b, "tabAnexo11Movimento", {{"BimReferencia", Periodo}, {"Campo", 90}, {"ateoBimestre", 100000}});
    insere(b, "tabAnexo11Movimento", {{"BimReferencia", Periodo}, {"Campo", 95}, {"ateoBimestre", 200000}});
    for (int v : {10000, 25050})
        insere(b, "tabAnexo14Pagamentos", {{"BimReferencia", Periodo}, {"ValorPago", v}});
    insere(b, "tabAnexo15Movimento", {{"BimReferencia", Periodo}, {"Campo", 12}, {"Ult12Mes", 70000}});
    insere(b, "tabAnexo15Movimento", {{"BimReferencia", Periodo}, {"Campo", 11}, {"Ult12Mes", 80000}});
    insere(b, "tabAnexo22bMovimento", {{"BimReferencia", Periodo}, {"Campo", 1}, {"Valor", "12"}});
    insere(b, "tabAnexo22bMovimento", {{"BimReferencia", Periodo}, {"Campo", 2}, {"Valor", "13"}});
    for (int i = 0; i < 3; ++i)
        insere(b, "tabAnexo26Extratos", {{"BimReferencia", Periodo}});
    devidos({1, 3, 4, 11, 13, 14, 15, 21, 23, 27});
    b.executa("INSERT INTO tabResumo VALUES ('201201', 'de antes', 1)");
    ASSERT_TRUE(gera().gerado);
    using R = std::tuple<QString, QString, qint64>;
    const std::vector<R> esperado = {
        {Periodo, "Anexo 01 - Balanço Orçamentário - Receitas ", 9000000},
        {Periodo, "Anexo 01 - Balanço Orçamentário - Despesas", 12345700},
        {Periodo, "Anexo 03 - Demonstr. da Receita Corrente Líquida", 55555500},
        {Periodo, "Anexo 04 - Demonstrativo das Receitas e Despesas Previdenciárias do Regime Próprio dos Servidores", 0},
        {Periodo, "Anexo 11 - Demonstrativo das Despesas com Manut. e Desenv. do Ensino", 100000},
        {Periodo, "Anexo 13 - Rel das Licitações e Atos de Disp.Inexigibil. e Contratos/Aditivos (NI)", 0},
        {Periodo, "Anexo 14 - Rel. Empenhos Executados/Anulados de Pagamento Emitidas", 35100},
        {Periodo, "Anexo 15 - Demonstrativo da Despesa com Pessoal", 70000},
        {Periodo, "Anexo 21 -Relação de Transferências Voluntárias de Recursos de Terceiros (NI)", 0},
        {Periodo, "Anexo 22B - Demonstrativo Simplificado do Relatório de Gestão Fiscal (antigo Demonstrativo dos Limites)", 10000},
        {Periodo, "Anexo 26 - Cadastro de Contas Correntes", 30000},
    };
    EXPECT_EQ(resumo(), esperado);
    EXPECT_EQ(TextoValorResumo(12345700), "1.234,57");
    EXPECT_EQ(TextoSimplesResumo(-12345700), "-1234.57");

    // A procurement in the period drops the "(NI)"; an Anexo 15 before 2009's third bimester
    // reads line 11.
    insere(b, "tabAnexo13Movimento", {{"BimReferencia", Periodo}});
    ctx().BimReferencia = "200902";
    insere(b, "tabAnexo15Movimento", {{"BimReferencia", "200902"}, {"Campo", 11}, {"Ult12Mes", 80000}});
    insere(b, "tabAnexo13Movimento", {{"BimReferencia", "200902"}});
    devidos({13, 15});
    const auto r = CalculaResumo(ctx());
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].anexo, "Anexo 13 - Rel das Licitações e Atos de Disp.Inexigibil. e Contratos/Aditivos");
    EXPECT_EQ(r[1].valor, 80000);
}

TEST(Resumo, Anexo11DoEstadoNaLinha95)
{
    for (const char* sigla : {"G001", "P001"}) {
        OrgaoAberto o(QString::fromLatin1(sigla), Periodo);
        insere(o.banco(), "tabAnexo11Movimento", {{"BimReferencia", Periodo}, {"Campo", 90}, {"ateoBimestre", 100000}});
        insere(o.banco(), "tabAnexo11Movimento", {{"BimReferencia", Periodo}, {"Campo", 95}, {"ateoBimestre", 200000}});
        o.p.ctx.anexosDevidos.fill(0);
        o.p.ctx.anexosDevidos[11] = 1;
        const auto r = CalculaResumo(o.p.ctx);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].valor, QString(sigla) == "G001" ? 200000 : 100000) << sigla;
    }
}

TEST_F(Pacote, HistoricoComOSha256DoArquivo)
{
    preencheTudo(o.banco());
    devidos({1, 14});
    const ResultadoPacote r = gera();
    ASSERT_TRUE(r.gerado);
    const auto envios = ListaEnvios(o.banco());
    ASSERT_EQ(envios.size(), 1u);
    const Envio& e = envios[0];
    EXPECT_EQ(e.sha256, sha256(destino.filePath("data0312.lrf")));
    EXPECT_EQ(e.sha256.size(), 64);
    EXPECT_EQ(e.tamanho, QFileInfo(destino.filePath("data0312.lrf")).size());
    EXPECT_EQ(e.destino, QDir::toNativeSeparators(destino.filePath("data0312.lrf")));
    EXPECT_EQ(e.periodo, Periodo);
    EXPECT_EQ(e.usuario, "ADMIN");
    EXPECT_EQ(e.dataHora.size(), 19);
    ASSERT_EQ(e.resumo.size(), r.resumo.size());
    for (size_t i = 0; i < e.resumo.size(); ++i) {
        EXPECT_EQ(e.resumo[i].anexo, r.resumo[i].anexo);
        EXPECT_EQ(e.resumo[i].valor, r.resumo[i].valor);
    }
}

// A copy that fails leaves no package under its final name in the destination, writes no
// summary and no history, and the body database keeps all but the stamps.
TEST_F(Pacote, CopiaQueFalha)
{
    preencheTudo(o.banco());
    devidos({1, 14});
    o.banco().executa("INSERT INTO tabResumo VALUES ('201201', 'de antes', 1)");
    QFile arquivo(destino.filePath("arquivo"));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.close();
    const QString casos[] = {destino.filePath("arquivo"), destino.filePath("nao/existe")};
    for (const QString& pasta : casos) {
        SCOPED_TRACE(pasta.toStdString());
        o.p.ui.limpa();
        const QStringList antes = despejo(o.banco());
        const ResultadoPacote r = gera(pasta);
        EXPECT_FALSE(r.gerado);
        EXPECT_TRUE(r.copiaFalhou);
        EXPECT_TRUE(o.p.ui.textos().contains("Operação de cópia falhou."));
        EXPECT_EQ(situacoes.back(), "Problemas na Geração de Disquete. Tente novamente, de preferência com outro Disquete");
        EXPECT_FALSE(QFileInfo::exists(QDir(pasta).filePath("data0312.lrf")));
        EXPECT_TRUE(QFileInfo::exists(r.arquivoLocal));
        EXPECT_EQ(despejo(o.banco()), antes);
        EXPECT_EQ(o.conta("tabResumo"), 1);
        EXPECT_TRUE(ListaEnvios(o.banco()).empty());
    }
    EXPECT_EQ(QDir(destino.path()).entryList(QDir::Files), QStringList{"arquivo"});
}

// A database error while the package is filled undoes the whole fill, stamps included: the
// previous package stays as it was and nothing is compressed.
TEST_F(Pacote, ErroNoPreenchimentoDesfazTudo)
{
    preencheTudo(o.banco());
    devidos({1, 4});
    ASSERT_TRUE(gera().gerado);
    const QString exportacao = QDir(ctx().pastaDoOrgao()).filePath("export.mdb");
    {
        Banco e = Banco::abre(exportacao);
        e.executa("DROP TABLE tabAnexo04Movimento");
        e.executa("CREATE TABLE tabAnexo04Movimento (BimReferencia TEXT, Campo INTEGER, Exigida TEXT NOT NULL)");
    }
    o.banco().executa("UPDATE tabChave SET backup = 1, bimreferencia = NULL");
    QFile::remove(QDir(ctx().pastaDoOrgao()).filePath("data0312.lrf"));
    const QStringList antes = despejo(o.banco());
    o.p.ui.limpa();
    const ResultadoPacote r = gera(QDir(destino.path()).filePath("outra"));
    EXPECT_FALSE(r.gerado);
    ASSERT_FALSE(o.p.ui.mensagens.isEmpty());
    EXPECT_EQ(o.p.ui.mensagens.back().icone, Interacao::Icone::Critico);
    EXPECT_TRUE(o.p.ui.ultimo().startsWith("Erro ao tentar gerar o arquivo para o Vantor."));
    EXPECT_EQ(despejo(o.banco()), antes);
    EXPECT_EQ(o.texto("SELECT backup || '/' || coalesce(bimreferencia, 'nulo') FROM tabChave"), "1/nulo");
    EXPECT_FALSE(QFile::exists(QDir(ctx().pastaDoOrgao()).filePath("data0312.lrf")));
    EXPECT_EQ(Banco::abre(exportacao).valor("SELECT count(*) FROM tabReceitaMovimento").toInt(), 2);
}

TEST_F(Pacote, ProblemaImpedeAGeracao)
{
    devidos({1});
    Problemas problemas;
    QStringList vistos;
    OuvintePacote ouvinte;
    ouvinte.situacao = [&](const QString& t) { vistos << t; };
    const QStringList antes = despejo(o.banco());
    const QString chave = o.texto("SELECT coalesce(backup, '') || coalesce(bimreferencia, '') FROM tabChave");
    auto umProblema = [](Contexto&) { return Problemas{{"I - Receita", "", "Movimento de Receita não informado.", "Digitar", "1.receita", "tabReceitaMovimento", {}}}; };
    ResultadoPacote r = CriticaEGera(ctx(), destino.path(), problemas, ouvinte, umProblema);
    EXPECT_FALSE(r.gerado);
    EXPECT_EQ(problemas.size(), 1u);
    EXPECT_EQ(vistos, QStringList{"Verificando críticas à geração de arquivos..."});
    EXPECT_EQ(despejo(o.banco()), antes);
    EXPECT_EQ(o.texto("SELECT coalesce(backup, '') || coalesce(bimreferencia, '') FROM tabChave"), chave);
    EXPECT_TRUE(QDir(destino.path()).isEmpty());

    r = CriticaEGera(ctx(), destino.path(), problemas, ouvinte, [](Contexto&) { return Problemas{}; });
    EXPECT_TRUE(r.gerado);
    EXPECT_TRUE(problemas.empty());
}
