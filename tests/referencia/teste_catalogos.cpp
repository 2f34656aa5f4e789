// The line catalogues of the fiscal statements, as the template body database carries them:
// well formed, with the code widths of the layout files, and holding every line that the
// summary, the checks, the simplified statements and the Anexo I imports read.
#include "comum/BancoTeste.h"
#include "core/Esquema.h"

#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

struct Catalogo {
    const char* tabela;
    int largura;        // width of the line code in the layout file (Anexo 03: characters)
};

// Every catalogue, with the width its layout gives to the line code. The simplified RGF
// statement and the sixth-bimester lines of Anexo 11 share the width of their movement tables.
const std::vector<Catalogo> kCatalogos = {
    {"tabAnexo03Campos", 4},   {"tabAnexo04Campos", 2},   {"tabAnexo05Campos", 2},
    {"tabAnexo06campos", 2},   {"tabAnexo08Campos", 2},   {"tabAnexo10Campos", 2},
    {"tabAnexo11Campos", 3},   {"tabAnexo11MunCampos", 3}, {"tabAnexo11Campos_06", 3},
    {"tabAnexo12Campos", 3},   {"tabAnexo12CamposMun", 3}, {"tabAnexo15Campos", 2},
    {"tabAnexo16Campos", 2},   {"tabAnexo17Campos", 2},   {"tabAnexo18Campos", 2},
    {"tabAnexo22bCampos", 2},  {"tabanexo29Campos", 2},   {"tabanexo30Campos", 2},
    {"tabanexo31Campos", 2},   {"tabAnexo32Campos", 2},   {"tabAnexo33Campos", 2},
    {"TabAnexo34Campos", 2},   {"tabAnexo36Campos", 2},
};

struct Linha {
    QString campo;
    QString descricao;
    int grupo = 0;
    QString esfera;     // empty when the catalogue has no sphere
    int tipo = 0;       // 0 when the catalogue has no tipomovimento
    QString subfuncao;
};

class Catalogos : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        esquema::CriaBanco(esquema::Tipo::Orgao, DirDados(), dir_->filePath(QStringLiteral("Lumo.mdb")));
        banco_ = std::make_unique<Banco>(Banco::abre(dir_->filePath(QStringLiteral("Lumo.mdb"))));
    }
    static void TearDownTestSuite()
    {
        banco_.reset();
        dir_.reset();
    }

    static bool temColuna(const QString& tabela, const QString& coluna)
    {
        QSqlQuery q = banco_->executa(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(tabela));
        return q.record().indexOf(coluna) >= 0;
    }

    static std::vector<Linha> linhas(const QString& tabela)
    {
        const bool esfera = temColuna(tabela, QStringLiteral("esfera"));
        const bool tipo = temColuna(tabela, QStringLiteral("tipomovimento"));
        const bool sub = temColuna(tabela, QStringLiteral("subfuncao"));
        QSqlQuery q = banco_->executa(
            QStringLiteral("SELECT campo, descricao, grupo, %1, %2, %3 FROM %4 ORDER BY campo")
                .arg(esfera ? QStringLiteral("esfera") : QStringLiteral("''"),
                     tipo ? QStringLiteral("tipomovimento") : QStringLiteral("0"),
                     sub ? QStringLiteral("subfuncao") : QStringLiteral("NULL"), tabela));
        std::vector<Linha> r;
        while (q.next())
            r.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(),
                         q.value(3).toString(), q.value(4).toInt(), q.value(5).toString()});
        return r;
    }

    // The lines a body of the sphere ("M" or "E") sees: its own and those of both spheres.
    static std::map<QString, Linha> vista(const QString& tabela, const QString& esfera)
    {
        std::map<QString, Linha> r;
        for (const Linha& l : linhas(tabela))
            if (l.esfera.isEmpty() || l.esfera == QStringLiteral("EM") || l.esfera == esfera)
                r[l.campo] = l;
        return r;
    }

    static void exigeLinhas(const QString& tabela, const QStringList& campos, const QString& esfera = {})
    {
        const auto v = vista(tabela, esfera);
        for (const QString& c : campos)
            EXPECT_TRUE(v.count(c)) << tabela.toStdString() << " linha " << c.toStdString()
                                    << (esfera.isEmpty() ? "" : " esfera ") << esfera.toStdString();
    }

    static QStringList faixa(int de, int ate)
    {
        QStringList r;
        for (int i = de; i <= ate; ++i)
            r << QString::number(i);
        return r;
    }

    static std::unique_ptr<QTemporaryDir> dir_;
    static std::unique_ptr<Banco> banco_;
};

std::unique_ptr<QTemporaryDir> Catalogos::dir_;
std::unique_ptr<Banco> Catalogos::banco_;

TEST_F(Catalogos, CadaCatalogoEBemFormadoETemAsLargurasDoLayout)
{
    for (const Catalogo& c : kCatalogos) {
        const QString t = QString::fromLatin1(c.tabela);
        SCOPED_TRACE(c.tabela);
        ASSERT_TRUE(banco_->tabelaExiste(t));
        const auto ls = linhas(t);
        ASSERT_FALSE(ls.empty());
        QSet<QString> vistos;
        for (const Linha& l : ls) {
            SCOPED_TRACE(l.campo.toStdString());
            EXPECT_FALSE(vistos.contains(l.campo));
            vistos.insert(l.campo);
            // Codes are digits only and fit the fixed-width field of the importer.
            EXPECT_FALSE(l.campo.isEmpty());
            EXPECT_LE(l.campo.size(), c.largura);
            bool numero = false;
            const int n = l.campo.toInt(&numero);
            EXPECT_TRUE(numero && n > 0);
            EXPECT_FALSE(l.descricao.trimmed().isEmpty());
            EXPECT_EQ(l.descricao, l.descricao.trimmed());
            EXPECT_TRUE(l.grupo == 0 || l.grupo == 1);
            if (temColuna(t, QStringLiteral("esfera")))
                EXPECT_TRUE(QStringList({"EM", "M", "E"}).contains(l.esfera));
            if (temColuna(t, QStringLiteral("tipomovimento")))
                EXPECT_GE(l.tipo, 1);
        }
        // Integer line numbers everywhere but in Anexo 03, whose codes are text prefixes.
        const QString tipoCampo = banco_->valor(
            QStringLiteral("SELECT DISTINCT typeof(campo) FROM %1").arg(t)).toString();
        EXPECT_EQ(tipoCampo, t == QStringLiteral("tabAnexo03Campos") ? QStringLiteral("text")
                                                                     : QStringLiteral("integer"));
    }
}

TEST_F(Catalogos, OPacoteTemOsCatalogosVazios)
{
    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("export.mdb"));
    esquema::CriaBanco(esquema::Tipo::Exportacao, DirDados(), caminho);
    Banco exportacao = Banco::abre(caminho);
    for (const Catalogo& c : kCatalogos)
        EXPECT_TRUE(exportacao.tabelaExiste(QString::fromLatin1(c.tabela))) << c.tabela;
    EXPECT_TRUE(exportacao.tabelaExiste(QStringLiteral("tabAnexo07Poderes")));
}

TEST_F(Catalogos, Anexo03GruposPorPrefixoEmCadaEsfera)
{
    const QString t = QStringLiteral("tabAnexo03Campos");
    for (const QString& esfera : {QStringLiteral("M"), QStringLiteral("E")}) {
        SCOPED_TRACE(esfera.toStdString());
        const auto v = vista(t, esfera);
        // The lines the statement, the checks and the summary read, for both kinds of body.
        for (const char* c : {"1", "2", "3"}) {
            ASSERT_TRUE(v.count(QString::fromLatin1(c))) << c;
            EXPECT_EQ(v.at(QString::fromLatin1(c)).esfera, QStringLiteral("EM"));
        }
        EXPECT_EQ(v.at(QStringLiteral("1")).grupo, 1);
        EXPECT_EQ(v.at(QStringLiteral("2")).grupo, 1);
        // Line 3 is line 1 minus line 2, not a sum by prefix, and nothing else begins with 3.
        EXPECT_EQ(v.at(QStringLiteral("3")).grupo, 0);
        for (const auto& [campo, l] : v) {
            SCOPED_TRACE(campo.toStdString());
            if (campo == QStringLiteral("3"))
                continue;
            EXPECT_TRUE(campo.startsWith(u'1') || campo.startsWith(u'2'));
            if (l.grupo) {
                // A group without typed lines under it in this sphere would always be zero.
                int membros = 0;
                for (const auto& [outro, m] : v)
                    membros += (!m.grupo && outro != campo && outro.startsWith(campo)) ? 1 : 0;
                EXPECT_GT(membros, 0);
            } else {
                // Every group above a typed line is seen by the same bodies, or the typed
                // value would be summed into a line they cannot see.
                for (const Linha& g : linhas(t))
                    if (g.grupo && campo.startsWith(g.campo))
                        EXPECT_TRUE(v.count(g.campo)) << "grupo " << g.campo.toStdString();
            }
        }
    }
    // The line that the pre-submission check removes is in the template, under the deductions.
    const auto todas = vista(t, QStringLiteral("M"));
    ASSERT_TRUE(todas.count(QStringLiteral("222")));
    EXPECT_EQ(todas.at(QStringLiteral("222")).grupo, 0);
}

TEST_F(Catalogos, LinhasQueOsResumosEAsCriticasLeem)
{
    // Summary of the package (one figure per statement) and the printed Anexo 04.
    exigeLinhas(QStringLiteral("tabAnexo04Campos"), {"1"});
    exigeLinhas(QStringLiteral("tabAnexo05Campos"), {"10"});
    for (const QString& esfera : {QStringLiteral("M"), QStringLiteral("E")})
        exigeLinhas(QStringLiteral("tabAnexo06campos"), {"41"}, esfera);
    exigeLinhas(QStringLiteral("tabAnexo08Campos"), {"5"});
    exigeLinhas(QStringLiteral("tabAnexo10Campos"), {"8"});
    exigeLinhas(QStringLiteral("tabAnexo11MunCampos"), {"90"});
    exigeLinhas(QStringLiteral("tabAnexo11Campos"), {"95"});
    exigeLinhas(QStringLiteral("tabAnexo12Campos"), {"1"});
    exigeLinhas(QStringLiteral("tabAnexo12CamposMun"), {"1"});
    for (const char* t : {"tabanexo29Campos", "tabanexo30Campos", "tabanexo31Campos", "tabAnexo33Campos"})
        exigeLinhas(QString::fromLatin1(t), {"1"});
    exigeLinhas(QStringLiteral("TabAnexo34Campos"), {"20"});
    exigeLinhas(QStringLiteral("tabAnexo36Campos"), {"10"});
    // Anexo 32 sums its lines up to 3: three typed lines and no total among them.
    const auto a32 = vista(QStringLiteral("tabAnexo32Campos"), {});
    int ate3 = 0;
    for (const auto& [campo, l] : a32)
        if (campo.toInt() <= 3) {
            ++ate3;
            EXPECT_EQ(l.grupo, 0) << campo.toStdString();
        }
    EXPECT_EQ(ate3, 3);
    // Personnel expense: the summary's line, the current net revenue the check compares,
    // and the percentages and limits of the simplified statement.
    exigeLinhas(QStringLiteral("tabAnexo15Campos"), {"12", "14", "15", "16", "17"});
    exigeLinhas(QStringLiteral("tabAnexo16Campos"), {"21", "24", "25"});
    exigeLinhas(QStringLiteral("tabAnexo17Campos"), {"7", "9", "10"});
    exigeLinhas(QStringLiteral("tabAnexo18Campos"), {"1", "4", "5", "7", "8", "9", "10"});
    // The simplified statement writes lines 1 to 13 and nothing else.
    const auto a22b = vista(QStringLiteral("tabAnexo22bCampos"), {});
    EXPECT_EQ(a22b.size(), 13u);
    exigeLinhas(QStringLiteral("tabAnexo22bCampos"), faixa(1, 13));
}

TEST_F(Catalogos, LinhasQueAsImportacoesDoAnexoIPreenchem)
{
    // Anexo 08: line 1 gets the credit-operation revenue, line 2 the expense; both typed.
    const auto a08 = vista(QStringLiteral("tabAnexo08Campos"), {});
    for (const char* c : {"1", "2"}) {
        ASSERT_TRUE(a08.count(QString::fromLatin1(c))) << c;
        EXPECT_EQ(a08.at(QString::fromLatin1(c)).grupo, 0) << c;
    }
    // Anexo 10: block 1 lines 2 and 3 (movable and immovable assets), block 2 lines 6 and 7,
    // the balance in line 8 of its own block.
    const auto a10 = vista(QStringLiteral("tabAnexo10Campos"), {});
    for (const auto& [c, bloco] : std::vector<std::pair<const char*, int>>{{"2", 1}, {"3", 1}, {"6", 2}, {"7", 2}}) {
        ASSERT_TRUE(a10.count(QString::fromLatin1(c))) << c;
        EXPECT_EQ(a10.at(QString::fromLatin1(c)).tipo, bloco) << c;
        EXPECT_EQ(a10.at(QString::fromLatin1(c)).grupo, 0) << c;
    }
    EXPECT_NE(a10.at(QStringLiteral("8")).tipo, 2);
    // Anexo 11: revenue lines up to 26 in the revenue table, sub-functions 361 to 367 in
    // lines 52 to 59, in both catalogues.
    for (const char* t : {"tabAnexo11Campos", "tabAnexo11MunCampos"}) {
        SCOPED_TRACE(t);
        const auto v = vista(QString::fromLatin1(t), {});
        exigeLinhas(QString::fromLatin1(t), faixa(1, 26));
        exigeLinhas(QString::fromLatin1(t), faixa(52, 59));
        for (const auto& [campo, l] : v)
            if (campo.toInt() <= 26)
                EXPECT_EQ(l.tipo, 1) << campo.toStdString();
        QStringList subfuncoes;
        for (const auto& [campo, l] : v) {
            if (!l.subfuncao.isEmpty()) {
                EXPECT_GE(campo.toInt(), 52) << campo.toStdString();
                EXPECT_LE(campo.toInt(), 59) << campo.toStdString();
                EXPECT_EQ(l.grupo, 0) << campo.toStdString();
                subfuncoes << l.subfuncao;
            }
        }
        subfuncoes.sort();
        EXPECT_EQ(subfuncoes, QStringList({"361", "362", "363", "364", "365", "366", "367"}));
    }
    // Anexo 12: the health sub-functions, each once, on typed lines.
    for (const char* t : {"tabAnexo12Campos", "tabAnexo12CamposMun"}) {
        SCOPED_TRACE(t);
        QStringList subfuncoes;
        for (const auto& [campo, l] : vista(QString::fromLatin1(t), {}))
            if (!l.subfuncao.isEmpty()) {
                EXPECT_EQ(l.grupo, 0) << campo.toStdString();
                subfuncoes << l.subfuncao;
            }
        subfuncoes.sort();
        EXPECT_EQ(subfuncoes, QStringList({"301", "302", "303", "304", "305", "306"}));
    }
}

TEST_F(Catalogos, LinhasDoSextoBimestreDoAnexo11NaoColidemComAsDoAno)
{
    // Both kinds of body keep them in the same movement table as the lines of the year.
    QSet<QString> doAno;
    for (const char* t : {"tabAnexo11Campos", "tabAnexo11MunCampos"})
        for (const Linha& l : linhas(QString::fromLatin1(t)))
            doAno.insert(l.campo);
    for (const QString& esfera : {QStringLiteral("M"), QStringLiteral("E")}) {
        const auto v = vista(QStringLiteral("tabAnexo11Campos_06"), esfera);
        EXPECT_FALSE(v.empty());
        for (const auto& [campo, l] : v)
            EXPECT_FALSE(doAno.contains(campo)) << campo.toStdString();
    }
}

TEST_F(Catalogos, PoderesDoAnexo07)
{
    QSqlQuery q = banco_->executa(QStringLiteral("SELECT Codigo, Descricao, esfera FROM tabAnexo07Poderes"));
    QSet<int> codigos;
    QSet<QString> municipais;
    while (q.next()) {
        // One digit: the layout gives the power code a single column.
        const int codigo = q.value(0).toInt();
        EXPECT_GE(codigo, 1);
        EXPECT_LE(codigo, 9);
        EXPECT_FALSE(codigos.contains(codigo));
        codigos.insert(codigo);
        EXPECT_FALSE(q.value(1).toString().trimmed().isEmpty());
        const QString esfera = q.value(2).toString();
        EXPECT_TRUE(QStringList({"EM", "M", "E"}).contains(esfera));
        if (esfera != QStringLiteral("E"))
            municipais.insert(q.value(1).toString());
    }
    // The importer looks codes up by number.
    EXPECT_TRUE(banco_->existe(QStringLiteral("SELECT * FROM tabAnexo07Poderes WHERE Codigo = ?"), {1}));
    // A municipality reports its executive and its legislative power.
    EXPECT_EQ(municipais.size(), 2);
}

} // namespace
