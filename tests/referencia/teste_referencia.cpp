// Consistency of the reference rows delivered with the template databases: the tables agree
// with each other and with the rules that read them, and the line catalogues of the fiscal
// statements hold every line the program reads, with the code widths of the layout files.
#include "comum/BancoTeste.h"
#include "core/Anexos.h"
#include "core/Banco.h"
#include "core/Esquema.h"
#include "core/Menu.h"
#include "statements/Formulas.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

namespace {

using Linhas = std::vector<QStringList>;

// One body database and one data.mdb built from data/ for the whole program.
class Referencia : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        esquema::CriaBanco(esquema::Tipo::Orgao, DirDados(), dir_->filePath("Lumo.mdb"));
        esquema::CriaBanco(esquema::Tipo::Config, DirDados(), dir_->filePath("data.mdb"));
        orgao_ = new Banco(Banco::abre(dir_->filePath("Lumo.mdb")));
        config_ = new Banco(Banco::abre(dir_->filePath("data.mdb")));
    }
    static void TearDownTestSuite() { delete orgao_; delete config_; delete dir_; }
    static const Banco& orgao() { return *orgao_; }
    static int conta(const QString& sql) { return orgao().valor(sql).toInt(); }
    static bool existe(const QString& sql, const QVariantList& v = {}) { return orgao().existe(sql, v); }
    // Rows of a query as lists of texts.
    static Linhas linhas(const QString& sql, const Banco& b = *orgao_)
    {
        Linhas r;
        QSqlQuery q = b.executa(sql);
        while (q.next()) {
            QStringList l;
            for (int i = 0; i < q.record().count(); ++i)
                l << q.value(i).toString();
            r.push_back(l);
        }
        return r;
    }
    static inline QTemporaryDir* dir_ = nullptr;
    static inline Banco *orgao_ = nullptr, *config_ = nullptr;
};

bool soDigitos(const QString& s, int largura)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]+$"));
    return s.size() == largura && digitos.match(s).hasMatch();
}
bool temColuna(const Banco& b, const QString& tabela, const QString& coluna)
{
    return b.executa("SELECT * FROM " + tabela + " LIMIT 0").record().indexOf(coluna) >= 0;
}
QString titulo(const Banco& b, const QString& chave)
{
    return b.valor("SELECT descricao FROM tabIndice WHERE Anexo = ?", {chave}).toString();
}

// ---------------------------------------------------------------- generic checks

// Every CSV of ref/orgao (body database) and ref/config (data.mdb).
std::vector<std::pair<QFileInfo, const Banco*>> arquivosDeReferencia(const Banco& orgao, const Banco& config)
{
    std::vector<std::pair<QFileInfo, const Banco*>> r;
    for (auto [pasta, banco] : {std::pair{"ref/orgao", &orgao}, {"ref/config", &config}})
        for (const QFileInfo& csv : QDir(QDir(DirDados()).filePath(pasta)).entryInfoList({"*.csv"}, QDir::Files))
            r.emplace_back(csv, banco);
    return r;
}

TEST_F(Referencia, CadaArquivoCarregaTodasAsLinhasESemDuplicatas)
{
    for (const auto& [csv, banco] : arquivosDeReferencia(orgao(), *config_)) {
        SCOPED_TRACE(csv.fileName().toStdString());
        QFile f(csv.filePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const auto registros = esquema::LeCsv(QString::fromUtf8(f.readAll()));
        const QString tabela = csv.completeBaseName();
        EXPECT_EQ(banco->valor("SELECT COUNT(*) FROM " + tabela).toInt(), int(registros.size() - 1));
        // The first column is the key the editors and look-ups search by: never blank, never
        // repeated, even without case or surrounding blanks.
        QSet<QString> chaves;
        for (size_t i = 1; i < registros.size(); ++i) {
            const QString chave = registros[i].front().trimmed().toUpper();
            EXPECT_FALSE(chave.isEmpty() || (chaves.contains(chave) && tabela != "tabMenu")) << chave.toStdString();
            chaves.insert(chave);
        }
    }
}

// Row counts within the bounds of each table: a truncated or doubled transcription shows here.
// Every reference table has bounds; the line catalogues have their own checks below.
TEST_F(Referencia, CadaTabelaTemONumeroDeLinhasEsperado)
{
    const std::map<QString, std::pair<int, int>> limites = {
        {"Cidades", {5565, 5565}}, {"Bancos", {300, 1000}}, {"tabDespesaCategoriaEconomica", {4, 4}},
        {"tabDespesaGrupoDespesa", {8, 8}}, {"tabDespesaModalidadeAplicacao", {15, 40}},
        {"tabDespesaElementoDespesa", {70, 99}}, {"tabDespFuncFuncao", {29, 29}}, {"tabDespFuncSubFuncao", {100, 130}},
        {"tabReceitaCodigoNovo", {100, 5000}}, {"tabOrgaos", {11, 100}}, {"Orgaos", {11, 100}},
        {"tabMenu", {100, 11 * 44}}, {"tabIndice", {46, 46}}, {"tabMensagem", {50, 1000}}, {"tabPermissoes", {7, 7}},
        {"tabGrupos", {1, 1}}, {"tabUsuarios", {1, 1}}, {"tabAnexo07Poderes", {3, 10}},
        {"tabAnexo13Modalidade", {5, 30}}, {"tabAnexo13BaseLegal", {76, 76}}, {"tabAnexo25BaseLegal", {1, 20}},
        {"tabAnexo27TipoCargo", {2, 30}}, {"tabAnexo27FormaIngresso", {2, 30}}, {"tabAnexo27FormaAfastamento", {2, 30}},
        {"tabAnexo27GrauInstrucao", {11, 12}}, {"tabAnexo28Especie", {2, 20}}, {"tabAnexo28TipoVeiculo", {5, 40}},
        {"tabAnexo28Categoria", {2, 20}}, {"tabAnexo28Combustivel", {3, 30}}, {"tabAnexo28MarcaModelo", {10, 300}},
        {"tabAnexo42Natureza", {5, 100}},
    };
    const QRegularExpression catalogo(QStringLiteral("^tabanexo[0-9]+[a-z]*campos"), QRegularExpression::CaseInsensitiveOption);
    for (const auto& [csv, banco] : arquivosDeReferencia(orgao(), *config_)) {
        const QString tabela = csv.completeBaseName();
        const auto l = limites.find(tabela);
        if (l == limites.end()) {
            EXPECT_TRUE(catalogo.match(tabela).hasMatch()) << "sem limites: " << tabela.toStdString();
            continue;
        }
        const int n = banco->valor("SELECT COUNT(*) FROM " + tabela).toInt();
        EXPECT_TRUE(n >= l->second.first && n <= l->second.second) << tabela.toStdString() << ' ' << n;
    }
}

// Code tables: the code has the width of its editor (digits) or is a number written unquoted
// (> 0; 0 means "not informed"), and the description is never blank.
TEST_F(Referencia, TabelasDeCodigosTemALarguraDosEditores)
{
    const struct { const char* tabela; const char* colunas; int largura; } tabelas[] = {
        {"tabDespesaCategoriaEconomica", "Codigo, descricao", 1}, {"tabDespesaGrupoDespesa", "Codigo, descricao", 1},
        {"tabDespesaModalidadeAplicacao", "Codigo, descricao", 2}, {"tabDespesaElementoDespesa", "Codigo, descricao", 2},
        {"tabDespFuncFuncao", "Codigo, descricao", 2}, {"tabDespFuncSubFuncao", "Codigo, descricao", 3},
        {"Bancos", "CodFebraban, Banco", 3}, {"Cidades", "IdCidade, Nome", 7}, {"tabAnexo13Modalidade", "*", 2},
        {"tabAnexo13BaseLegal", "*", 2}, {"tabAnexo25BaseLegal", "*", 2}, {"tabAnexo27TipoCargo", "*", 2},
        {"tabAnexo27GrauInstrucao", "*", 2}, {"tabAnexo27FormaIngresso", "*", 2}, {"tabAnexo27FormaAfastamento", "*", 2},
        {"tabAnexo28Especie", "*", 0}, {"tabAnexo28TipoVeiculo", "*", 0}, {"tabAnexo28MarcaModelo", "*", 0},
        {"tabAnexo28Combustivel", "*", 0}, {"tabAnexo28Categoria", "*", 0}, {"tabAnexo42Natureza", "*", 0},
        {"tabAnexo07Poderes", "Codigo, Descricao", 1},   // the layout gives the power code one column
    };
    for (const auto& t : tabelas) {
        const Linhas rows = linhas(QStringLiteral("SELECT %1 FROM %2").arg(t.colunas, t.tabela));
        EXPECT_FALSE(rows.empty()) << t.tabela;
        for (const auto& l : rows) {
            bool numero = false;
            EXPECT_TRUE(t.largura ? soDigitos(l[0], t.largura) : l[0].toInt(&numero) > 0 && numero) << t.tabela << ' ' << l[0].toStdString();
            EXPECT_FALSE(l[1].trimmed().isEmpty()) << t.tabela << ' ' << l[0].toStdString();
        }
    }
}

// Rows that must not exist: orphans, bodies in the wrong sphere, blank permissions.
TEST_F(Referencia, NenhumaLinhaOrfaOuIncoerente)
{
    const char* consultas[] = {
        "SELECT COUNT(*) FROM tabDespesaGrupoDespesa g WHERE NOT EXISTS (SELECT 1 FROM tabDespesaCategoriaEconomica c "
        "WHERE c.Codigo = g.Codigo_tabDespesaCategoriaEconomica)",
        "SELECT COUNT(*) FROM tabDespesaCategoriaEconomica c WHERE NOT EXISTS (SELECT 1 FROM tabDespesaGrupoDespesa g "
        "WHERE c.Codigo = g.Codigo_tabDespesaCategoriaEconomica)",
        "SELECT COUNT(*) FROM tabDespFuncSubFuncao s WHERE NOT EXISTS (SELECT 1 FROM tabDespFuncFuncao f WHERE f.Codigo = "
        "s.FuncaoTipica)",
        "SELECT COUNT(*) FROM tabOrgaos WHERE Codigo LIKE 'P%' AND esfera <> 'M'",
        "SELECT COUNT(*) FROM tabOrgaos WHERE Codigo LIKE 'G%' AND esfera <> 'E'",
        "SELECT COUNT(*) FROM tabOrgaos WHERE Codigo LIKE 'C%' AND esfera <> 'M'",
        "SELECT COUNT(*) FROM tabOrgaos WHERE (Codigo LIKE 'L%' OR Codigo LIKE 'D%') AND esfera <> 'E'",
        // codes one table takes from another: a body's menu, a menu row's annex, a user's group
        "SELECT COUNT(*) FROM tabOrgaos o WHERE NOT EXISTS (SELECT 1 FROM tabMenu m WHERE m.TipoMenu = o.TipoMenu)",
        "SELECT COUNT(*) FROM tabMenu m WHERE NOT EXISTS (SELECT 1 FROM tabIndice i WHERE i.Anexo = m.Anexo)",
        "SELECT COUNT(*) FROM tabUsuarios u WHERE NOT EXISTS (SELECT 1 FROM tabGrupos g WHERE g.Codigo = u.Codigo_tabGrupos)",
        "SELECT COUNT(*) FROM tabPermissoes WHERE TRIM(COALESCE(descricao, '')) = ''",
        "SELECT COUNT(*) FROM Cidades WHERE Nome = NomeAtual",   // NomeAtual only for renamed cities
        "SELECT COUNT(*) FROM tabAnexo07Poderes WHERE esfera NOT IN ('EM', 'M', 'E')",
        "SELECT COUNT(*) FROM tabMensagem WHERE descricao IS NULL OR descricao NOT LIKE '%.'",
        "SELECT COUNT(*) FROM (SELECT descricao FROM tabMensagem GROUP BY descricao HAVING COUNT(*) > 1)",
        // a municipality reports its executive and its legislative power
        "SELECT COUNT(*) - 2 FROM tabAnexo07Poderes WHERE esfera <> 'E'",
    };
    for (const char* sql : consultas)
        EXPECT_EQ(conta(sql), 0) << sql;
    EXPECT_GT(conta("SELECT COUNT(*) FROM tabMensagem"), 50);
    // A group's permissions are codes of tabPermissoes, each followed by ";".
    for (const auto& g : linhas("SELECT Codigo, Permissoes FROM tabGrupos")) {
        EXPECT_TRUE(g[1].endsWith(u';')) << g[0].toStdString();
        for (const QString& p : g[1].split(u';', Qt::SkipEmptyParts))
            EXPECT_TRUE(existe("SELECT 1 FROM tabPermissoes WHERE Codigo = ?", {p})) << g[0].toStdString() << ' ' << p.toStdString();
    }
}

// Codes the program itself names.
TEST_F(Referencia, CodigosQueOProgramaCitaExistem)
{
    const struct { const char* tabela; QStringList codigos; } exigidos[] = {
        {"tabOrgaos", {"G001", "L001", "D005", "D006", "P001"}},   // the kinds of body the program tells apart
        // the reserves take category 9, modality and element "99"; the expense-by-function
        // rebuild splits on modality "91"; the contingency reserve has function "99"
        {"tabDespesaCategoriaEconomica", {"9", "7"}}, {"tabDespesaModalidadeAplicacao", {"91", "99"}},
        {"tabDespesaElementoDespesa", {"99"}}, {"tabDespFuncFuncao", {"99"}},
        {"tabAnexo13Modalidade", {"13"}},   // requires a receipt number
        // a bidding process lists legal bases up to "55" and "76", an amendment from "56"
        {"tabAnexo13BaseLegal", {"01", "55", "56", "76"}},
        {"tabPermissoes", {"P00", "P01", "P02", "P03", "P04", "P05", "P06"}},
        {"tabAnexo07Poderes", {"1"}},   // looked up by number by the importer
    };
    for (const auto& e : exigidos)
        for (const QString& c : e.codigos)
            EXPECT_TRUE(existe(QStringLiteral("SELECT 1 FROM %1 WHERE Codigo = ?").arg(e.tabela), {c})) << e.tabela << ' ' << c.toStdString();
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabPermissoes"), 7);
    EXPECT_EQ(orgao().valor("SELECT Permissoes FROM tabGrupos INNER JOIN tabUsuarios ON tabGrupos.Codigo = "
                            "tabUsuarios.Codigo_tabGrupos WHERE tabUsuarios.Username = 'ADMIN'").toString(), "P00;");
}

// ---------------------------------------------------------------- bodies and menus

TEST_F(Referencia, OrgaosDoConfiguracaoEDoBancoDoOrgaoSaoOsMesmos)
{
    const auto cfg = linhas("SELECT sigla_lrf, nome, TipoMenu, esfera, Codigo FROM Orgaos ORDER BY sigla_lrf", *config_);
    const auto org = linhas("SELECT Codigo, descricao, TipoMenu, esfera FROM tabOrgaos ORDER BY Codigo");
    ASSERT_EQ(cfg.size(), org.size());
    // The folder of a configured body is its code: the width of the body code in the layout headers.
    const QRegularExpression codigo(QStringLiteral("^[PCIGLD][0-9]{3}$"));
    for (size_t i = 0; i < cfg.size(); ++i) {
        EXPECT_EQ(cfg[i].mid(0, 4), org[i]);
        EXPECT_EQ(cfg[i][4], cfg[i][0]);
        EXPECT_TRUE(codigo.match(cfg[i][0]).hasMatch() && (cfg[i][3] == "M" || cfg[i][3] == "E")) << cfg[i][0].toStdString();
    }
    // Every menu letter the program tests is given to some body and has its menu rows.
    for (QChar t : QStringLiteral("ABCDEFGHIJL"))
        EXPECT_TRUE(existe("SELECT 1 FROM tabOrgaos WHERE TipoMenu = ?", {QString(t)})
                    && existe("SELECT 1 FROM tabMenu WHERE TipoMenu = ?", {QString(t)})) << t.toLatin1();
    // The demonstration body has the fullest menu.
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabMenu WHERE TipoMenu = (SELECT TipoMenu FROM tabOrgaos WHERE Codigo = 'P001')"),
              conta("SELECT MAX(n) FROM (SELECT COUNT(*) AS n FROM tabMenu GROUP BY TipoMenu)"));
}

// Upper case without accents, every other character a blank, between blanks: " SAO JOSE D OESTE ".
QString palavras(const QString& s)
{
    QString r = QStringLiteral(" ");
    for (const QChar c : s.toUpper().normalized(QString::NormalizationForm_D))
        if (!c.isMark())
            r += c.isLetterOrNumber() ? c : QChar(u' ');
    return r.simplified().prepend(u' ').append(u' ');
}

// The delivered bodies are invented: no real UF, no real state, no municipality of Cidades in
// a body's name or city, and no audit court (that of this system is Vantor).
TEST_F(Referencia, OrgaosEntreguesSaoFicticios)
{
    QSet<QString> ufs, municipios;
    for (const auto& c : linhas("SELECT UF, Nome, COALESCE(NomeAtual, '') FROM Cidades")) {
        ufs.insert(c[0]);
        municipios << palavras(c[1]) << palavras(c[2]);
    }
    municipios.remove(palavras(QString()));
    QStringList proibidos = {palavras("TRIBUNAL DE CONTAS"), palavras("VANTOR")};
    for (const QString& e : QStringLiteral("ACRE|ALAGOAS|AMAPÁ|AMAZONAS|BAHIA|CEARÁ|DISTRITO FEDERAL|ESPÍRITO SANTO|GOIÁS|MARANHÃO|"
                                           "MATO GROSSO|MINAS GERAIS|PARÁ|PARAÍBA|PARANÁ|PERNAMBUCO|PIAUÍ|RIO DE JANEIRO|"
                                           "RIO GRANDE DO NORTE|RIO GRANDE DO SUL|RONDÔNIA|RORAIMA|SANTA CATARINA|SÃO PAULO|"
                                           "SERGIPE|TOCANTINS").split(u'|'))
        proibidos << palavras(e);
    proibidos += municipios.values();
    ASSERT_EQ(ufs.size(), 27);
    const auto orgaos = linhas("SELECT Codigo, descricao, COALESCE(Cidade, ''), COALESCE(UF, '') FROM tabOrgaos");
    ASSERT_FALSE(orgaos.empty());
    for (const auto& o : orgaos) {
        SCOPED_TRACE(o[0].toStdString());
        EXPECT_TRUE(o[1] == o[1].toUpper() && !ufs.contains(o[3].toUpper()) && !municipios.contains(palavras(o[2])));
        const QString nome = palavras(o[1]);
        for (const QString& p : proibidos)
            EXPECT_FALSE(nome.contains(p)) << o[1].toStdString() << " contém" << p.toStdString();
    }
}

TEST_F(Referencia, ChavesDoMenuEDoIndiceNomeiamOMesmoAnexo)
{
    const QRegularExpression bimestres(QStringLiteral("^[1-6]+$"));
    for (const auto& l : linhas("SELECT TipoMenu, Anexo, bimestre FROM tabMenu")) {
        SCOPED_TRACE((l[0] + u' ' + l[1]).toStdString());
        // The menus take the slot from the first two characters; the due screen, checks and
        // package look it up by its own key, so the row must carry exactly that key (never
        // "22B", which would land on slot 22). Slot 42 (Anexo 41) has no annex.
        bool ok = false;
        const int slot = l[1].left(2).toInt(&ok);
        ASSERT_TRUE(ok && slot >= 1 && slot <= 43 && slot != 42);
        EXPECT_EQ(l[1], ChaveDoSlot(slot));
        // Bimesters: digits 1 to 6, each once.
        EXPECT_TRUE(bimestres.match(l[2]).hasMatch() && QSet<QChar>(l[2].begin(), l[2].end()).size() == l[2].size());
    }
    for (int slot = 1; slot <= 44; ++slot) {
        const QString t = titulo(orgao(), ChaveDoSlot(slot));
        EXPECT_TRUE(slot == 42 || slot == 44 ? !t.isEmpty() : t.startsWith("Anexo " + AnexoDoSlot(slot)->numero)) << slot;
    }
    // The generation list forms "22" for slot 22; readers that name the annex ask "22B".
    EXPECT_EQ(titulo(orgao(), "22"), titulo(orgao(), "22A"));
    EXPECT_EQ(titulo(orgao(), "22B"), titulo(orgao(), "23"));
    // Slot 44 repeats the register of managing units.
    EXPECT_TRUE(titulo(orgao(), "44").startsWith(AnexoDoSlot(43)->titulo.left(8)));
}

// The annex menu enables entry s - 1 from slot s up to slot 32: the fiscal-targets group
// follows slot 30 and the Anexo 39 entry follows slot 31. A due annex must never sit behind
// a disabled entry.
TEST_F(Referencia, MenuDeAnexosNaoEscondeAnexoDevido)
{
    // Rows of slots %1 to %2 due in a bimester in which the entry they sit behind (slot %3) is not.
    const QString escondidos = QStringLiteral(
        "SELECT COUNT(*) FROM tabMenu m, (SELECT '1' AS b UNION SELECT '2' UNION SELECT '3' UNION SELECT '4' UNION SELECT '5' "
        "UNION SELECT '6') x WHERE CAST(substr(m.Anexo, 1, 2) AS INTEGER) BETWEEN %1 AND %2 AND instr(m.bimestre, x.b) > 0 "
        "AND NOT EXISTS (SELECT 1 FROM tabMenu c WHERE c.TipoMenu = m.TipoMenu AND CAST(substr(c.Anexo, 1, 2) AS INTEGER) = %3 "
        "AND instr(c.bimestre, x.b) > 0)");
    EXPECT_EQ(conta(escondidos.arg(31).arg(38).arg(30)), 0) << "metas fiscais";
    EXPECT_EQ(conta(escondidos.arg(40).arg(40).arg(31)), 0) << "Anexo 39";
    // Menu types E and G never have the Anexo 42 entry enabled.
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabMenu WHERE TipoMenu IN ('E', 'G') AND Anexo LIKE '43%'"), 0);
}

// ---------------------------------------------------------------- revenue plan

struct CodigoReceita {
    QString codigo, grupo, competencia;
    bool analitico = false;
};

// The revenue summary adds to each synthetic code every analytic code beginning with its group.
TEST_F(Referencia, PlanoDeReceitaCoerenteESomasDoResumoFecham)
{
    // Analytic codes (IndRecebeMovimento = 1) have eight digits, no group, and deductions are "9"
    // followed by the analytic revenue of the same sphere they deduct; a synthetic code is its
    // group followed by zeros and groups some analytic code.
    const QString t = QStringLiteral("tabReceitaCodigoNovo"), sintetico = QStringLiteral("COALESCE(IndRecebeMovimento, 0) <> 1");
    const QString consultas[] = {
        "SELECT COUNT(*) FROM " + t + " WHERE codigo GLOB '*[^0-9]*' OR length(codigo) <> CASE WHEN codigo LIKE '9%' THEN 9 ELSE 8 END "
        "OR competencia IS NULL OR competencia NOT IN ('EM', 'M', 'E')",
        "SELECT COUNT(*) FROM " + t + " WHERE IndRecebeMovimento = 1 AND COALESCE(grupo_stn, '') <> ''",
        "SELECT COUNT(*) FROM " + t + " d WHERE d.IndRecebeMovimento = 1 AND d.codigo LIKE '9%' AND NOT EXISTS (SELECT 1 FROM " + t
            + " r WHERE r.codigo = substr(d.codigo, 2) AND r.IndRecebeMovimento = 1 AND r.competencia = d.competencia)",
        "SELECT COUNT(*) FROM " + t + " WHERE " + sintetico + " AND (COALESCE(grupo_stn, '') = '' OR "
        "substr(codigo, 1, length(grupo_stn)) <> grupo_stn OR substr(codigo, length(grupo_stn) + 1) GLOB '*[^0]*')",
        "SELECT COUNT(*) FROM " + t + " s WHERE " + sintetico + " AND NOT EXISTS (SELECT 1 FROM " + t
            + " a WHERE a.IndRecebeMovimento = 1 AND a.codigo LIKE s.grupo_stn || '%')",
    };
    for (const QString& sql : consultas)
        EXPECT_EQ(conta(sql), 0) << sql.toStdString();
    EXPECT_TRUE(existe("SELECT 1 FROM " + t + " WHERE IndRecebeMovimento = 1 AND codigo LIKE '9%'")) << "sem deduções";
    // The codes the statements select have municipal revenues under them.
    for (const char* prefixo : {"111", "1911", "1913", "1931", "17", "1721", "1722", "1724", "21", "22", "221", "222", "24"})
        EXPECT_TRUE(existe("SELECT 1 FROM " + t + " WHERE IndRecebeMovimento = 1 AND competencia <> 'E' AND substr(codigo, 1, length(?)) = ?",
                           {prefixo, prefixo})) << "nenhum código municipal sob " << prefixo;

    std::vector<CodigoReceita> plano;
    for (const auto& l : linhas("SELECT codigo, grupo_stn, competencia, IndRecebeMovimento FROM " + t + " ORDER BY codigo"))
        plano.push_back({l[0], l[1], l[2], l[3].toInt() == 1});
    QHash<QString, qint64> valor;   // distinct amounts, so that a code counted twice shows
    qint64 total = 0, n = 1;
    for (const auto& c : plano)
        if (c.analitico) {
            valor[c.codigo] = n;
            total += n;
            n = n * 3 % 1000003;
        }
    // Each total must be the sum of the totals of the codes directly under it, and the
    // categories together must hold every analytic code once.
    auto soma = [&](const CodigoReceita& s) {
        qint64 r = 0;
        for (const auto& a : plano)
            if (a.analitico && a.codigo.startsWith(s.grupo))
                r += valor[a.codigo];
        return r;
    };
    QHash<QString, qint64> somaDosFilhos;
    qint64 categorias = 0;
    for (const auto& c : plano) {
        // The synthetic code directly above: the one with the longest group it begins with.
        const CodigoReceita* p = nullptr;
        for (const auto& s : plano)
            if (!s.analitico && s.codigo != c.codigo && c.codigo.startsWith(s.grupo) && (!p || s.grupo.size() > p->grupo.size()))
                p = &s;
        if (!p) {
            EXPECT_TRUE(!c.analitico && c.grupo.size() == 1) << "fora de qualquer código sintético: " << c.codigo.toStdString();
            categorias += soma(c);
            continue;
        }
        somaDosFilhos[p->codigo] += c.analitico ? valor[c.codigo] : soma(c);
        // A code reserved to one sphere is never grouped under the other sphere's code.
        EXPECT_TRUE(c.competencia == "EM" || p->competencia == "EM" || p->competencia == c.competencia) << c.codigo.toStdString();
    }
    EXPECT_EQ(categorias, total);
    for (const auto& s : plano)
        if (!s.analitico)
            EXPECT_EQ(soma(s), somaDosFilhos.value(s.codigo)) << s.codigo.toStdString();
}

// The levels of a revenue code C.O.E.R.AA.SS end after these many digits.
constexpr int kFimDoNivel[] = {1, 2, 3, 4, 6, 8};

// The revenue classification of an eight-digit code: its level (0 category .. 5 detail),
// the code of the level above ("" for a category) and its group (the digits up to its level).
struct NivelReceita {
    int nivel = 0;
    QString pai, grupo;
};
NivelReceita NivelDe(const QString& oito)
{
    NivelReceita r;
    for (int n = 5; n > 0; --n)
        if (oito.mid(kFimDoNivel[n - 1], kFimDoNivel[n] - kFimDoNivel[n - 1]).contains(QRegularExpression("[1-9]"))) {
            r.nivel = n;
            break;
        }
    r.grupo = oito.left(kFimDoNivel[r.nivel]);
    if (r.nivel > 0)
        r.pai = oito.left(kFimDoNivel[r.nivel - 1]).leftJustified(8, QLatin1Char('0'));
    return r;
}

struct LinhaReceita {
    QString codigo, descricao, grupo, competencia;
    bool analitico = false;
};
std::map<QString, LinhaReceita> PlanoDeReceita(const Banco& b)
{
    std::map<QString, LinhaReceita> r;
    QSqlQuery q = b.executa("SELECT codigo, descricao, COALESCE(grupo_stn, ''), competencia, IndRecebeMovimento FROM tabReceitaCodigoNovo");
    while (q.next())
        r[q.value(0).toString()] = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                                    q.value(4).toInt() == 1};
    return r;
}

// Every code lies under its parent level (a deduction under the deduction of its revenue's
// parent, a category's deduction under "900000000"); a code groups others exactly when it is
// synthetic, with the group of its level; a synthetic code is reserved to a sphere exactly when
// all the codes under it are; a deduction mirrors a revenue code of the same kind and sphere.
TEST_F(Referencia, PlanoDeReceitaHierarquiaCompleta)
{
    const auto plano = PlanoDeReceita(orgao());
    ASSERT_GT(plano.size(), 500u);
    std::map<QString, std::set<QString>> esferasDosFilhos;
    for (const auto& [codigo, l] : plano) {
        SCOPED_TRACE(codigo.toStdString());
        const bool deducao = codigo.size() == 9;
        ASSERT_TRUE(soDigitos(codigo, 8) || soDigitos(codigo, 9));
        EXPECT_EQ(codigo.startsWith('9'), deducao) << "só as deduções, de nove dígitos, começam com 9";
        EXPECT_FALSE(l.descricao.trimmed().isEmpty());
        EXPECT_EQ(l.descricao, l.descricao.trimmed());
        if (codigo == "900000000") {
            EXPECT_FALSE(l.analitico);
            EXPECT_EQ(l.grupo, "9");
            continue;
        }
        const NivelReceita n = NivelDe(deducao ? codigo.mid(1) : codigo);
        const QString pai = deducao ? (n.pai.isEmpty() ? QStringLiteral("900000000") : "9" + n.pai) : n.pai;
        if (!pai.isEmpty()) {
            EXPECT_TRUE(plano.count(pai)) << "sem o nível acima " << pai.toStdString();
            esferasDosFilhos[pai].insert(l.competencia);
        }
        EXPECT_EQ(l.grupo, l.analitico ? QString() : (deducao ? "9" : "") + n.grupo);
        if (deducao) {
            const auto receita = plano.find(codigo.mid(1));
            ASSERT_NE(receita, plano.end()) << "dedução de receita inexistente";
            EXPECT_EQ(receita->second.analitico, l.analitico);
            if (l.analitico)
                EXPECT_EQ(receita->second.competencia, l.competencia);
        }
    }
    for (const auto& [codigo, l] : plano) {
        SCOPED_TRACE(codigo.toStdString());
        const auto filhos = esferasDosFilhos.find(codigo);
        EXPECT_EQ(filhos == esferasDosFilhos.end(), l.analitico) << "sintético sem filhos ou analítico com filhos";
        if (filhos != esferasDosFilhos.end()) {
            const std::set<QString>& s = filhos->second;
            EXPECT_EQ(l.competencia, s.size() == 1 ? *s.begin() : QStringLiteral("EM"));
        }
    }
}

// Codes whose meaning, kind and sphere the statements depend on.
TEST_F(Referencia, PlanoDeReceitaCodigosConhecidos)
{
    const auto plano = PlanoDeReceita(orgao());
    const struct { const char* codigo; bool analitico; const char* competencia; const char* palavras; } casos[] = {
        {"72102901", true, "EM", "Patronal|Ativo Civil"},
        {"72102902", true, "E", "Patronal|Ativo Militar"},
        {"72102903", true, "EM", "Patronal|Inativo Civil"},
        {"72102904", true, "E", "Patronal|Inativo Militar"},
        {"72102905", true, "EM", "Patronal|Pensionista Civil"},
        {"72102906", true, "E", "Patronal|Pensionista Militar"},
        {"12102907", true, "EM", "Servidor Ativo Civil"},
        {"12102910", true, "E", "Inativo Militar"},
        {"12102912", true, "E", "Pensionista Militar"},
        {"11120100", true, "M", "Territorial Rural"},
        {"911120100", true, "M", "FUNDEB|Territorial Rural"},
        {"11120200", true, "M", "Predial e Territorial Urbana"},
        {"11130200", true, "E", "Circulação de Mercadorias"},
        {"911130200", true, "E", "FUNDEB|Circulação de Mercadorias"},
        {"11130500", true, "M", "Serviços de Qualquer Natureza"},
        {"17210101", true, "E", "Participação dos Estados"},
        {"17210102", true, "M", "Participação dos Municípios"},
        {"17210103", true, "M", "Participação dos Municípios|dezembro"},
        {"917210102", true, "M", "FUNDEB|Participação dos Municípios"},
        {"17213600", true, "EM", "Desoneração"},
        {"17220101", true, "M", "ICMS"},
        {"917220101", true, "M", "FUNDEB|ICMS"},
        {"17240100", true, "EM", "FUNDEB"},
        {"17240200", true, "EM", "Complementação da União"},
        {"13400000", true, "EM", "Compensações Financeiras"},
        // state fines, interest and overdue debt of ICMS and IPVA, and the FUNDEB share formed out of them
        {"19114200", true, "E", "Multas e Juros de Mora|Circulação de Mercadorias"},
        {"19131400", true, "E", "Dívida Ativa|Veículos Automotores"},
        {"19311500", true, "E", "Receita da Dívida Ativa|Circulação de Mercadorias"},
        {"919114100", true, "E", "FUNDEB|Multas e Juros de Mora|Veículos Automotores"},
        {"919311500", true, "E", "FUNDEB|Dívida Ativa|Circulação de Mercadorias"},
        {"19110000", false, "EM", "Multas e Juros de Mora dos Tributos"},
        {"11120433", true, "EM", "Retido nas Fontes|Remessas ao Exterior"},
        {"24600000", true, "EM", "Outras Instituições Públicas"},
        {"12102900", false, "EM", "Regime Próprio"},
        {"17210100", false, "EM", "Participação na Receita da União"},
        {"73000000", false, "EM", "Patrimonial|Intra-Orçamentária"},
        {"83000000", true, "EM", "Amortização de Empréstimos|Intra-Orçamentária"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.codigo);
        const auto l = plano.find(QString::fromLatin1(c.codigo));
        ASSERT_NE(l, plano.end());
        EXPECT_EQ(l->second.analitico, c.analitico);
        EXPECT_EQ(l->second.competencia, QString::fromLatin1(c.competencia));
        for (const QString& p : QString::fromUtf8(c.palavras).split('|'))
            EXPECT_TRUE(l->second.descricao.contains(p, Qt::CaseInsensitive)) << l->second.descricao.toStdString();
    }
    // Descriptions are the wording of the classification, with no notes of this program.
    for (const auto& [codigo, l] : plano)
        EXPECT_FALSE(l.descricao.contains(QRegularExpression("CF,? art\\.|conv[eê]nio,")))
            << codigo.toStdString() << ' ' << l.descricao.toStdString();
}

// The education statement's lines and the other readers of Anexo I name these revenues.
TEST_F(Referencia, PlanoDeReceitaTemOsCodigosQueOsDemonstrativosLeem)
{
    const char* analiticos[] = {
        // taxes, fines and active debt of the municipal taxes
        "11120100", "11120200", "11120431", "11120434", "11120800", "11130500", "19113800", "19113900", "19114000",
        "19131100", "19131200", "19131300", "19311100", "19311200", "19311300",
        // state taxes
        "11120500", "11120700", "11130200",
        // constitutional transfers of the education statement and their FUNDEB deductions
        "17210101", "17210102", "17210103", "17210105", "17210112", "17210132", "17213600", "17220101", "17220102", "17220104",
        "911120100", "911120500", "911120700", "911130200", "917210101", "917210102", "917210105", "917210112", "917213600",
        "917220101", "917220102", "917220104",
        // FNDE, FUNDEB and the pension scheme
        "17213501", "17213599", "17240100", "17240200", "13250102", "12102907", "72102901",
    };
    for (const char* c : analiticos)
        EXPECT_TRUE(existe("SELECT 1 FROM tabReceitaCodigoNovo WHERE codigo = ? AND IndRecebeMovimento = 1", {QString::fromLatin1(c)})) << c;
    for (const char* prefixo : {"7", "71", "72", "73", "76", "79", "8", "82", "83", "97"})
        EXPECT_TRUE(existe("SELECT 1 FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 AND substr(codigo, 1, length(?)) = ?",
                           {QString::fromLatin1(prefixo), QString::fromLatin1(prefixo)})) << prefixo;
}

TEST_F(Referencia, MunicipiosTemCodigoIbgeDaSuaUf)
{
    QHash<QString, QString> prefixo;
    for (const QString& u : QStringLiteral("RO11 AC12 AM13 RR14 PA15 AP16 TO17 MA21 PI22 CE23 RN24 PB25 PE26 AL27 SE28 BA29 "
                                           "MG31 ES32 RJ33 SP35 PR41 SC42 RS43 MS50 MT51 GO52 DF53").split(u' '))
        prefixo.insert(u.left(2), u.mid(2));
    const auto cidades = linhas("SELECT IdCidade, Nome, UF FROM Cidades");
    EXPECT_GT(cidades.size(), 5000u);
    for (const auto& c : cidades)
        EXPECT_EQ(c[0].left(2), prefixo.value(c[2])) << c[0].toStdString();
    EXPECT_EQ(conta("SELECT COUNT(*) FROM (SELECT 1 FROM Cidades GROUP BY UF, upper(Nome) HAVING COUNT(*) > 1)"), 0);
}

// ---------------------------------------------------------------- line catalogues

// Every catalogue, with the width its layout gives to the line code (Anexo 03: characters).
// The sixth-bimester lines of Anexo 11 share the width of their movement table.
const std::map<QString, int> kCatalogos = {
    {"tabAnexo03Campos", 4}, {"tabAnexo04Campos", 2}, {"tabAnexo05Campos", 2}, {"tabAnexo06campos", 2},
    {"tabAnexo08Campos", 2}, {"tabAnexo10Campos", 2}, {"tabAnexo11Campos", 3}, {"tabAnexo11MunCampos", 3},
    {"tabAnexo11Campos_06", 3}, {"tabAnexo12Campos", 3}, {"tabAnexo12CamposMun", 3}, {"tabAnexo15Campos", 2},
    {"tabAnexo16Campos", 2}, {"tabAnexo17Campos", 2}, {"tabAnexo18Campos", 2}, {"tabAnexo22bCampos", 2},
    {"tabanexo29Campos", 2}, {"tabanexo30Campos", 2}, {"tabanexo31Campos", 2}, {"tabAnexo32Campos", 2},
    {"tabAnexo33Campos", 2}, {"TabAnexo34Campos", 2}, {"tabAnexo36Campos", 2},
};

// grupo and tipomovimento (0 when the catalogue has none) of the line a body of the sphere sees
// (its own and those of both spheres); nothing when it does not see it.
std::optional<std::pair<int, int>> linhaVista(const Banco& b, const QString& t, const QString& campo, const QString& esfera)
{
    const bool comEsfera = temColuna(b, t, "esfera");
    QSqlQuery q = b.executa(QStringLiteral("SELECT grupo, %1 FROM %2 WHERE CAST(campo AS TEXT) = ?%3")
                                .arg(temColuna(b, t, "tipomovimento") ? "tipomovimento" : "0", t, comEsfera ? " AND esfera IN ('EM', ?)" : ""),
                            comEsfera ? QVariantList{campo, esfera} : QVariantList{campo});
    if (!q.next())
        return std::nullopt;
    return std::pair{q.value(0).toInt(), q.value(1).toInt()};
}

QStringList faixa(int de, int ate)
{
    QStringList r;
    for (int i = de; i <= ate; ++i)
        r << QString::number(i);
    return r;
}

TEST_F(Referencia, CadaCatalogoEBemFormadoETemAsLargurasDoLayout)
{
    QTemporaryDir dir;
    esquema::CriaBanco(esquema::Tipo::Exportacao, DirDados(), dir.filePath("export.mdb"));
    const Banco exportacao = Banco::abre(dir.filePath("export.mdb"));
    EXPECT_TRUE(exportacao.tabelaExiste("tabAnexo07Poderes"));
    for (const auto& [t, largura] : kCatalogos) {
        SCOPED_TRACE(t.toStdString());
        EXPECT_TRUE(exportacao.tabelaExiste(t)) << "o pacote leva o catálogo vazio";
        EXPECT_GT(conta("SELECT COUNT(*) FROM " + t), 0);
        EXPECT_EQ(conta("SELECT COUNT(*) - COUNT(DISTINCT campo) FROM " + t), 0);
        // Codes are positive numbers that fit the fixed-width field of the importer; a description,
        // a group flag, a known sphere and a movement type where the catalogue has them.
        const QString ruins = QStringLiteral("SELECT group_concat(campo) FROM %1 WHERE NOT COALESCE(CAST(campo AS INTEGER) > 0 "
                                             "AND NOT CAST(campo AS TEXT) GLOB '*[^0-9]*' AND length(campo) <= %2 AND "
                                             "trim(COALESCE(descricao, '')) <> '' AND COALESCE(grupo, 0) IN (0, 1)%3%4, 0)")
                                  .arg(t).arg(largura)
                                  .arg(temColuna(orgao(), t, "esfera") ? " AND esfera IN ('EM', 'M', 'E')" : "",
                                       temColuna(orgao(), t, "tipomovimento") ? " AND tipomovimento >= 1" : "");
        EXPECT_EQ(orgao().valor(ruins).toString(), "");
        // Integer line numbers everywhere but in Anexo 03, whose codes are text prefixes.
        EXPECT_EQ(orgao().valor("SELECT group_concat(DISTINCT typeof(campo)) FROM " + t).toString(),
                  t == "tabAnexo03Campos" ? "text" : "integer");
    }
}

// The lines the summary of the package, the checks, the simplified statements and the Anexo I
// imports read, in the spheres that read them; grupo/tipo -1 when any will do.
TEST_F(Referencia, LinhasQueOProgramaLe)
{
    const struct Exige { const char* tabela; QStringList esferas; QStringList campos; int grupo = -1, tipo = -1; } exigidas[] = {
        {"tabAnexo03Campos", {"M", "E"}, {"1", "2"}, 1},
        {"tabAnexo03Campos", {"M", "E"}, {"3"}, 0},          // line 1 minus line 2, no sum by prefix
        {"tabAnexo03Campos", {"M"}, {"222"}, 0},              // removed by the pre-submission check
        {"tabAnexo04Campos", {""}, {"1"}}, {"tabAnexo05Campos", {""}, {"10"}}, {"tabAnexo06campos", {"M", "E"}, {"41"}},
        {"tabAnexo08Campos", {""}, {"5"}}, {"tabAnexo10Campos", {""}, {"8"}},
        {"tabAnexo08Campos", {""}, {"1", "2"}, 0},            // credit-operation revenue and expense
        {"tabAnexo10Campos", {""}, {"2", "3"}, 0, 1},         // movable and immovable assets
        {"tabAnexo10Campos", {""}, {"6", "7"}, 0, 2},
        {"tabAnexo11MunCampos", {""}, {"90"}}, {"tabAnexo11Campos", {""}, {"95"}},
        {"tabAnexo11Campos", {""}, faixa(1, 26) + faixa(52, 59)},   // revenue lines; sub-functions
        {"tabAnexo11MunCampos", {""}, faixa(1, 26) + faixa(52, 59)},
        {"tabAnexo12Campos", {""}, {"1"}}, {"tabAnexo12CamposMun", {""}, {"1"}}, {"tabanexo29Campos", {""}, {"1"}},
        {"tabanexo30Campos", {""}, {"1"}}, {"tabanexo31Campos", {""}, {"1"}}, {"tabAnexo33Campos", {""}, {"1"}},
        {"TabAnexo34Campos", {""}, {"20"}}, {"tabAnexo36Campos", {""}, {"10"}},
        {"tabAnexo32Campos", {""}, {"1", "2", "3"}, 0},       // summed up to 3: no total among them
        // personnel expense: the summary's line, the current net revenue the check compares,
        // the percentages and limits of the simplified statement
        {"tabAnexo15Campos", {""}, {"12", "14", "15", "16", "17"}},
        {"tabAnexo16Campos", {""}, {"21", "24"}, 1, 1},   // computed, in the table of the consolidated debt
        {"tabAnexo16Campos", {""}, {"25"}, 0, 1},         // typed: the Senate limit differs by sphere
        {"tabAnexo17Campos", {""}, {"7", "9", "10"}}, {"tabAnexo18Campos", {""}, {"1", "4", "5", "7", "8", "9", "10"}},
        {"tabAnexo22bCampos", {""}, faixa(1, 13)},
    };
    for (const Exige& e : exigidas)
        for (const QString& esfera : e.esferas)
            for (const QString& c : e.campos) {
                SCOPED_TRACE(std::string(e.tabela) + " linha " + c.toStdString() + " esfera " + esfera.toStdString());
                const auto l = linhaVista(orgao(), e.tabela, c, esfera);
                ASSERT_TRUE(l);
                EXPECT_TRUE((e.grupo < 0 || l->first == e.grupo) && (e.tipo < 0 || l->second == e.tipo));
            }
    // Exactly: the simplified statement writes lines 1 to 13 and nothing else, Anexo 32 has no
    // fourth line up to 3, Anexo 10's balance is not in block 2, Anexo 11's revenue lines are block 1.
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabAnexo22bCampos"), 13);
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabAnexo32Campos WHERE campo <= 3"), 3);
    EXPECT_NE(linhaVista(orgao(), "tabAnexo10Campos", "8", "")->second, 2);
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabAnexo11Campos WHERE campo <= 26 AND tipomovimento <> 1"), 0);
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabAnexo11MunCampos WHERE campo <= 26 AND tipomovimento <> 1"), 0);
}

// Captions of the 2012 models (4th edition of the fiscal-statements manual) where earlier or later
// models word the line differently: a sample per catalogue, each pinning the 2012 wording.
TEST_F(Referencia, LegendasSaoAsDosModelosDe2012)
{
    const struct Legenda { const char* tabela; const char* campo; const char* texto; } legendas[] = {
        {"tabAnexo03Campos", "1706", "Transferências da LC nº 61/1989"},
        {"tabAnexo04Campos", "6", "Outras Receitas de Contribuições"},   // employer contributions are intra-budget
        {"tabAnexo04Campos", "17", "Patronal"},
        {"tabAnexo05Campos", "3", "Disponibilidade de Caixa Bruta"},
        {"tabAnexo06campos", "2", "Receitas Tributárias"},
        {"tabAnexo08Campos", "6", "RESULTADO PARA APURAÇÃO DA REGRA DE OURO (III) = (I - II)"},
        {"tabAnexo10Campos", "8", "SALDO FINANCEIRO A APLICAR (III)"},
        {"tabAnexo11MunCampos", "5", "Multas, Juros de Mora, Atualização Monetária e Outros Encargos da Dívida Ativa dos Impostos"},
        {"tabAnexo11MunCampos", "221", "FUNDEB 60%"},
        {"tabAnexo11MunCampos", "229", "Máximo de 40% em Despesa com MDE, que não Remuneração do Magistério (%)"},
        {"tabAnexo11Campos", "214", "Com Ensino Fundamental"},
        {"tabAnexo11Campos_06", "110", "FUNDEB 60%"},
        {"tabAnexo12CamposMun", "5", "Multas, Juros de Mora, Atualização Monetária e Outros Encargos da Dívida Ativa dos Impostos"},
        {"tabAnexo12CamposMun", "9", "TRANSFERÊNCIA DE RECURSOS DO SISTEMA ÚNICO DE SAÚDE-SUS (II)"},
        {"tabAnexo12CamposMun", "34", "RESTOS A PAGAR INSCRITOS NO EXERCÍCIO SEM DISPONIBILIDADE FINANCEIRA DE RECURSOS PRÓPRIOS VINCULADOS"},
        {"tabAnexo12Campos", "5", "Multas, Juros de Mora, Atualização Monetária e Outros Encargos da Dívida Ativa dos Impostos"},
        {"tabAnexo12Campos", "42", "RESTOS A PAGAR INSCRITOS NO EXERCÍCIO SEM DISPONIBILIDADE FINANCEIRA DE RECURSOS PRÓPRIOS VINCULADOS"},
        {"tabAnexo15Campos", "7", "Decorrentes de Decisão Judicial"},
        {"tabAnexo15Campos", "8", "Despesas de Exercícios Anteriores"},
        {"tabAnexo15Campos", "15", "% da DESPESA TOTAL COM PESSOAL - DTP sobre a RCL (VI) = (IV/V) * 100"},
        {"tabAnexo16Campos", "9", "Disponibilidade de Caixa Bruta"},
        {"tabAnexo16Campos", "10", "Demais Haveres Financeiros"},
        {"tabAnexo16Campos", "21", "DÍVIDA CONSOLIDADA LÍQUIDA (DCL) (III) = (I - II)"},
        {"tabAnexo16Campos", "30", "DÍVIDA DE PPP"},
        {"tabAnexo16Campos", "36", "Do FGTS"},
        {"tabAnexo16Campos", "54", "Disponibilidade de Caixa Bruta"},
        {"tabAnexo17Campos", "7", "TOTAL GARANTIAS CONCEDIDAS (III) = (I + II)"},
        {"tabAnexo18Campos", "9", "LIMITE GERAL DEFINIDO POR RESOLUÇÃO DO SENADO FEDERAL PARA AS OPERAÇÕES DE CRÉDITO INTERNAS E EXTERNAS"},
        {"tabAnexo22bCampos", "13", "VALOR TOTAL DE RESTOS A PAGAR NÃO PROCESSADOS / DISPONIBILIDADE DE CAIXA LÍQUIDA (ANTES DA INSCRIÇÃO EM RP 2012)"},
        {"tabanexo29Campos", "11", "Impacto do saldo das PPP (VI) = (IV - V)"},
        {"tabanexo31Campos", "15", "Resultado Primário (III) = (I - II)"},
        {"tabAnexo32Campos", "7", "Lucros ou Prejuízos Acumulados"},
        {"tabAnexo33Campos", "12", "SALDO FINANCEIRO (III)"},
        {"TabAnexo34Campos", "20", "RESULTADO PREVIDENCIÁRIO (III) = (I - II)"},
        {"tabAnexo36Campos", "10", "Margem Líquida de Expansão de DOCC (V) = (III - IV)"},
    };
    for (const Legenda& l : legendas)
        EXPECT_EQ(orgao().valor(QStringLiteral("SELECT descricao FROM %1 WHERE CAST(campo AS TEXT) = ?").arg(l.tabela), {l.campo}).toString(),
                  QString::fromUtf8(l.texto)) << l.tabela << " linha " << l.campo;

    // Wording of the 2009 debt model and of the models from 2013 on (health under LC 141, the alert
    // limit, the suffix of the personnel exclusions), which no 2012 line carries.
    const char* alheios[] = {"OBRIGAÇÕES NÃO INTEGRANTES", "Ativo Disponível", "de período anterior ao da apuração",
                             "INSCRITOS INDEVIDAMENTE", "PERCENTUAL MÍNIMO QUE NÃO FOI APLICADA", "LIMITE DE ALERTA",
                             "DÍVIDA COM INSTITUIÇÃO FINANCEIRA"};
    for (const auto& [t, largura] : kCatalogos)
        for (const QStringList& l : linhas("SELECT campo, descricao FROM " + t))
            for (const char* a : alheios)
                EXPECT_FALSE(l[1].contains(QString::fromUtf8(a), Qt::CaseInsensitive)) << t.toStdString() << " linha " << l[0].toStdString();
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabAnexo16Campos WHERE descricao = 'Haveres Financeiros'"), 0);

    // The net consolidated debt follows the deductions directly; the 2012 blocks of the debt statement
    // come in the model's order (debt, contractual detail, other values, social security), one table each.
    EXPECT_EQ(orgao().valor("SELECT group_concat(campo) FROM (SELECT campo FROM tabAnexo16Campos WHERE campo > 8 AND campo <= 21 ORDER BY campo)").toString(),
              "9,10,11,21");
    EXPECT_EQ(conta("SELECT COUNT(*) FROM tabAnexo16Campos a, tabAnexo16Campos b WHERE a.campo < b.campo AND a.tipomovimento > b.tipomovimento"), 0);
    // Each of the two FUNDEB deductions is split into the 60% and the 40% parts, in both spheres.
    for (const char* t : {"tabAnexo11Campos", "tabAnexo11MunCampos"}) {
        EXPECT_EQ(conta(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE tipomovimento = 2 AND grupo = 0 AND descricao IN ('FUNDEB 60%', 'FUNDEB 40%')").arg(t)), 4) << t;
        EXPECT_EQ(conta(QStringLiteral("SELECT COUNT(*) FROM %1 a, %1 b WHERE a.campo < b.campo AND a.tipomovimento = 2 AND b.tipomovimento = 2 "
                                       "AND a.descricao LIKE 'Máximo de 5%' AND b.descricao LIKE 'Mínimo de 60%'").arg(t)), 0) << t;
    }
}

// Catalogue rows that must not exist.
TEST_F(Referencia, CatalogosSemLinhaOrfaOuColidente)
{
    const QString esferas = QStringLiteral("(SELECT 'M' AS s UNION SELECT 'E') e");
    const QString consultas[] = {
        // Anexo 03 sums by prefix: nothing but line 3 begins with 3; a group without typed lines
        // under it in a sphere would always be zero there; a group above a typed line must be
        // seen by the same bodies, or the typed value would be summed into a line they cannot see.
        "SELECT COUNT(*) FROM tabAnexo03Campos WHERE campo <> '3' AND substr(campo, 1, 1) NOT IN ('1', '2')",
        "SELECT COUNT(*) FROM tabAnexo03Campos g, " + esferas + " WHERE g.grupo = 1 AND g.esfera IN ('EM', e.s) AND NOT EXISTS "
        "(SELECT 1 FROM tabAnexo03Campos t WHERE t.grupo = 0 AND t.campo LIKE g.campo || '%' AND t.esfera IN ('EM', e.s))",
        "SELECT COUNT(*) FROM tabAnexo03Campos t, tabAnexo03Campos g, " + esferas + " WHERE t.grupo = 0 AND t.campo <> '3' "
        "AND t.esfera IN ('EM', e.s) AND g.grupo = 1 AND t.campo LIKE g.campo || '%' AND g.esfera NOT IN ('EM', e.s)",
        // Both kinds of body keep Anexo 11's sixth-bimester lines in the movement table of the year's.
        "SELECT COUNT(*) FROM tabAnexo11Campos_06 WHERE campo IN (SELECT campo FROM tabAnexo11Campos UNION "
        "SELECT campo FROM tabAnexo11MunCampos)",
        // The imports fill sub-functions on typed lines, Anexo 11's in lines 52 to 59.
        "SELECT COUNT(*) FROM tabAnexo11Campos WHERE subfuncao <> '' AND (grupo <> 0 OR campo NOT BETWEEN 52 AND 59)",
        "SELECT COUNT(*) FROM tabAnexo11MunCampos WHERE subfuncao <> '' AND (grupo <> 0 OR campo NOT BETWEEN 52 AND 59)",
        "SELECT COUNT(*) FROM tabAnexo12Campos WHERE subfuncao <> '' AND grupo <> 0",
        "SELECT COUNT(*) FROM tabAnexo12CamposMun WHERE subfuncao <> '' AND grupo <> 0",
    };
    for (const QString& sql : consultas)
        EXPECT_EQ(conta(sql), 0) << sql.toStdString();
    // Each sub-function the imports fill, once: education in Anexo 11, health in Anexo 12.
    const char* educacao = "361,362,363,364,365,366,367";
    const char* saude = "301,302,303,304,305,306";
    for (auto [t, esperadas] : {std::pair{"tabAnexo11Campos", educacao}, {"tabAnexo11MunCampos", educacao},
                                {"tabAnexo12Campos", saude}, {"tabAnexo12CamposMun", saude}})
        EXPECT_EQ(orgao().valor(QStringLiteral("SELECT group_concat(subfuncao) FROM (SELECT subfuncao FROM %1 WHERE subfuncao <> '' "
                                               "ORDER BY subfuncao)").arg(t)).toString(), esperadas) << t;
}


// ---------------------------------------------------------------- formulas and Anexo I origins

// The catalogues of the generic editor: every one but Anexo 03 and 22B, which have their own.
bool temFormula(const QString& t) { return t != "tabAnexo03Campos" && t != "tabAnexo22bCampos"; }

struct LinhaCatalogo {
    int campo;
    bool calculada;
    QString descricao, formula, origem, subfuncao;
};

std::map<int, LinhaCatalogo> catalogo(const Banco& b, const QString& t)
{
    std::map<int, LinhaCatalogo> r;
    QSqlQuery q = b.executa(QStringLiteral("SELECT campo, grupo, descricao, formula, origem, %1 FROM %2")
                                .arg(temColuna(b, t, "subfuncao") ? "subfuncao" : "NULL", t));
    while (q.next())
        r[q.value(0).toInt()] = {q.value(0).toInt(), q.value(1).toInt() == 1, q.value(2).toString(), q.value(3).toString(),
                                 q.value(4).toString(), q.value(5).toString()};
    return r;
}

// A computed line has a formula that reads, names lines of its own catalogue and never comes back
// to itself through the lines it names; a typed line has none. A line captioned "(-)" is
// subtracted, and one captioned "(+)" added, by every sum that names it.
TEST_F(Referencia, FormulasDasLinhasCalculadas)
{
    int formulas = 0;
    for (const auto& [t, largura] : kCatalogos) {
        SCOPED_TRACE(t.toStdString());
        EXPECT_EQ(temColuna(orgao(), t, "formula"), temFormula(t));
        EXPECT_EQ(temColuna(orgao(), t, "origem"), temFormula(t));
        if (!temFormula(t))
            continue;
        const auto linhas = catalogo(orgao(), t);
        std::map<int, QList<int>> le;
        for (const auto& [campo, l] : linhas) {
            SCOPED_TRACE("linha " + std::to_string(campo));
            if (!l.calculada) {
                EXPECT_EQ(l.formula.toStdString(), "");
                continue;
            }
            QString erro;
            const auto f = Formula::le(l.formula, &erro);
            if (!f) {
                ADD_FAILURE() << l.formula.toStdString() << ": " << erro.toStdString();
                continue;
            }
            ++formulas;
            le[campo] = f->linhas();
            for (int n : f->linhas())
                EXPECT_TRUE(linhas.count(n)) << l.formula.toStdString() << " nomeia a linha " << n;
            if (l.formula.contains(u'*') || l.formula.contains(u'/'))
                continue;
            for (int n : f->linhas()) {
                const QString legenda = linhas.count(n) ? linhas.at(n).descricao : QString();
                const int sinal = legenda.startsWith("(-)") ? -1 : legenda.startsWith("(+)") ? 1 : 0;
                if (sinal)
                    EXPECT_EQ(f->calcula([n](int i) { return Moeda::deReais(i == n ? 1 : 0); }).decimos(), sinal * Moeda::Escala)
                        << l.formula.toStdString() << " e a linha " << n;
            }
        }
        // No cycle: every line's value can be worked out after those it reads.
        std::map<int, int> estado; // 1 being visited, 2 done
        std::function<bool(int)> semCiclo = [&](int n) {
            if (estado[n] == 2)
                return true;
            if (estado[n] == 1)
                return false;
            estado[n] = 1;
            for (int m : le[n])
                if (!semCiclo(m))
                    return false;
            estado[n] = 2;
            return true;
        };
        for (const auto& [campo, lidas] : le)
            EXPECT_TRUE(semCiclo(campo)) << "ciclo pela linha " << campo;
    }
    EXPECT_GT(formulas, 200);

    // The model's formulas where the caption or the limit states them.
    const struct Fixa { const char* tabela; int campo; const char* formula; } fixas[] = {
        {"tabAnexo04Campos", 43, "[27]-[42]"},
        {"tabAnexo05Campos", 10, "[7]+[8]-[9]"},
        {"tabAnexo06campos", 34, "[26]-[27]-[28]-[29]"},
        {"tabAnexo06campos", 41, "[35]-[68]"},
        {"tabAnexo08Campos", 6, "[1]-[5]"},
        {"tabAnexo10Campos", 8, "[1]-[4]"},
        {"tabAnexo11MunCampos", 16, "[1]+[7]"},
        {"tabAnexo11MunCampos", 90, "[80]/[16]*100"},
        {"tabAnexo11MunCampos", 212, "[209]-[201]"},
        {"tabAnexo11MunCampos", 228, "([213]-([221]+[224]))/[208]*100"},
        {"tabAnexo11Campos", 17, "[1]+[7]-[12]"},
        {"tabAnexo11Campos", 95, "[79]/[17]*100"},
        {"tabAnexo12CamposMun", 39, "[38]/[1]*100"},
        {"tabAnexo12Campos", 16, "[1]+[7]-[12]"},
        {"tabAnexo12Campos", 47, "[46]/[16]*100"},
        {"tabAnexo15Campos", 10, "[1]-[5]"},
        {"tabAnexo15Campos", 15, "[12]/[14]*100"},
        {"tabAnexo16Campos", 21, "[1]-[8]"},
        {"tabAnexo16Campos", 24, "[21]/[22]*100"},
        {"tabAnexo17Campos", 10, "22"},   // Resolução do Senado Federal nº 43/2001, art. 9º
        {"tabAnexo18Campos", 9, "16"},    // same, art. 7º, I
        {"tabAnexo18Campos", 10, "7"},    // same, art. 10
        {"tabanexo29Campos", 11, "[9]-[10]"},
        {"TabAnexo34Campos", 20, "[1]-[14]"},
        {"tabAnexo36Campos", 10, "[6]-[7]"},
    };
    for (const Fixa& f : fixas)
        EXPECT_EQ(orgao().valor(QStringLiteral("SELECT formula FROM %1 WHERE campo = ?").arg(f.tabela), {f.campo}).toString().toStdString(),
                  f.formula) << f.tabela << " linha " << f.campo;
    // Lines whose value comes from outside the statement are typed: the nominal result (two
    // balances of the net fiscal debt), the personnel limits (by power and body), the Senate
    // debt limit (120 % for municipalities, 200 % for states) and every current net revenue.
    for (auto [t, campo] : {std::pair{"tabAnexo05Campos", 11}, {"tabAnexo15Campos", 14}, {"tabAnexo15Campos", 16},
                            {"tabAnexo15Campos", 17}, {"tabAnexo16Campos", 22}, {"tabAnexo16Campos", 25},
                            {"tabAnexo17Campos", 8}, {"tabAnexo18Campos", 6}})
        EXPECT_EQ(orgao().valor(QStringLiteral("SELECT grupo FROM %1 WHERE campo = ?").arg(t), {campo}).toInt(), 0) << t << ' ' << campo;
}

// Where "Importar Anexo I" takes each line from: "R:" revenue prefixes of the plan (a deduction
// when it begins with 9), "D:f/s" expense by function and sub-function ("*" the others of the
// function), "E:c" an economic category (Anexo 08), "G:g" an expense group (Anexo 10).
TEST_F(Referencia, OrigensDoAnexoI)
{
    const std::map<QString, QString> esferaDe = {{"tabAnexo08Campos", ""}, {"tabAnexo10Campos", ""},
                                                 {"tabAnexo11Campos", "E"}, {"tabAnexo11MunCampos", "M"}};
    static const QRegularExpression receita(QStringLiteral("^R:[0-9]+(,[0-9]+)*$"));
    static const QRegularExpression despesa(QStringLiteral("^D:[0-9]{2}/([0-9]{3}|\\*)$"));
    int origens = 0;
    for (const auto& [t, largura] : kCatalogos) {
        if (!temFormula(t))
            continue;
        SCOPED_TRACE(t.toStdString());
        const auto linhas = catalogo(orgao(), t);
        const bool importa = esferaDe.count(t);
        std::map<QString, int> selecionadoPor; // analytic revenue code -> line
        std::set<QString> funcoes;
        for (const auto& [campo, l] : linhas) {
            if (l.origem.isEmpty())
                continue;
            SCOPED_TRACE("linha " + std::to_string(campo) + " " + l.origem.toStdString());
            ++origens;
            EXPECT_TRUE(importa) << "só os Anexos 08, 10 e 11 importam do Anexo I";
            EXPECT_FALSE(l.calculada);
            if (l.origem.startsWith("R:")) {
                EXPECT_TRUE(receita.match(l.origem).hasMatch());
                for (const QString& p : l.origem.mid(2).split(u',')) {
                    // The prefix is a level of the plan: with the zeros of the levels below it, a code.
                    const int digitos = p.startsWith(u'9') ? 9 : 8;
                    EXPECT_LE(p.size(), digitos) << p.toStdString();
                    EXPECT_TRUE(existe("SELECT 1 FROM tabReceitaCodigoNovo WHERE codigo = ?", {p.leftJustified(digitos, u'0')}))
                        << p.toStdString();
                    // It selects revenues of the statement's sphere, and no revenue twice.
                    const auto codigos = Referencia::linhas(QStringLiteral(
                        "SELECT codigo, competencia FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 AND length(codigo) = %1 "
                        "AND substr(codigo, 1, %2) = '%3'").arg(digitos).arg(p.size()).arg(p));
                    bool daEsfera = false;
                    for (const QStringList& c : codigos) {
                        daEsfera = daEsfera || esferaDe.at(t).isEmpty() || c[1] == "EM" || c[1] == esferaDe.at(t);
                        const auto [it, novo] = selecionadoPor.emplace(c[0], campo);
                        EXPECT_TRUE(novo || it->second == campo) << c[0].toStdString() << " também na linha " << it->second;
                    }
                    EXPECT_TRUE(daEsfera) << p.toStdString();
                }
            } else if (l.origem.startsWith("D:")) {
                EXPECT_TRUE(despesa.match(l.origem).hasMatch());
                const QString f = l.origem.mid(2, 2), s = l.origem.mid(5);
                EXPECT_TRUE(existe("SELECT 1 FROM tabDespFuncFuncao WHERE Codigo = ?", {f}));
                EXPECT_TRUE(s == "*" || existe("SELECT 1 FROM tabDespFuncSubFuncao WHERE Codigo = ?", {s}));
                EXPECT_TRUE(funcoes.insert(l.origem.mid(2)).second) << "duas linhas com a mesma função e subfunção";
                if (!l.subfuncao.isEmpty())
                    EXPECT_EQ(s.toStdString(), l.subfuncao.toStdString());
            } else if (l.origem.startsWith("E:")) {
                EXPECT_EQ(t.toStdString(), "tabAnexo08Campos");
                EXPECT_TRUE(existe("SELECT 1 FROM tabDespesaCategoriaEconomica WHERE Codigo = ?", {l.origem.mid(2)}));
            } else if (l.origem.startsWith("G:")) {
                EXPECT_EQ(t.toStdString(), "tabAnexo10Campos");
                EXPECT_TRUE(existe("SELECT 1 FROM tabDespesaGrupoDespesa WHERE Codigo = ?", {l.origem.mid(2)}));
            } else {
                ADD_FAILURE() << "origem desconhecida";
            }
        }
        // A line of the education statement named after a sub-function is filled from it.
        for (const auto& [campo, l] : linhas)
            if (importa && !l.subfuncao.isEmpty())
                EXPECT_TRUE(l.origem.startsWith("D:")) << campo;
    }
    EXPECT_GT(origens, 75);

    // The selections the import has always made.
    const struct Fixa { const char* tabela; int campo; const char* origem; } fixas[] = {
        {"tabAnexo08Campos", 1, "R:21"}, {"tabAnexo08Campos", 2, "E:3"},
        {"tabAnexo10Campos", 2, "R:221"}, {"tabAnexo10Campos", 3, "R:222"},
        {"tabAnexo10Campos", 6, "G:6"}, {"tabAnexo10Campos", 7, "G:6"},
        {"tabAnexo11MunCampos", 2, "R:111"}, {"tabAnexo11Campos", 2, "R:111"},
        {"tabAnexo11MunCampos", 8, "R:17210102"}, {"tabAnexo11Campos", 8, "R:17210101"},
        {"tabAnexo11MunCampos", 209, "R:17240100"}, {"tabAnexo11Campos", 210, "R:17240200"},
        {"tabAnexo11MunCampos", 53, "D:12/361"}, {"tabAnexo11Campos", 59, "D:12/367"},
        {"tabAnexo11MunCampos", 60, "D:12/*"}, {"tabAnexo11Campos", 60, "D:12/*"},
    };
    for (const Fixa& f : fixas)
        EXPECT_EQ(orgao().valor(QStringLiteral("SELECT origem FROM %1 WHERE campo = ?").arg(f.tabela), {f.campo}).toString().toStdString(),
                  f.origem) << f.tabela << " linha " << f.campo;
    // Every typed revenue line of Anexo 11 comes from Anexo I, but the state's shares passed on to
    // its municipalities, which its revenue plan does not hold.
    for (auto [t, semOrigem] : {std::pair{"tabAnexo11Campos", "13,14,15,16"}, {"tabAnexo11MunCampos", ""}})
        EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COALESCE(group_concat(campo), '') FROM (SELECT campo FROM %1 WHERE campo <= 26 "
                                               "AND grupo = 0 AND COALESCE(origem, '') = '' ORDER BY campo)").arg(t)).toString().toStdString(),
                  semOrigem) << t;
}

} // namespace
