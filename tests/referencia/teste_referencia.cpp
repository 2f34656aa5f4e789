// Consistency of the reference rows delivered with the template databases: the tables agree
// with each other and with the rules of the program that read them.
#include "comum/BancoTeste.h"
#include "core/Anexos.h"
#include "core/Banco.h"
#include "core/Esquema.h"
#include "core/Menu.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One body database and one data.mdb built from data/ for the whole program.
class Referencia : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        esquema::CriaBanco(esquema::Tipo::Orgao, DirDados(), dir_->filePath(QStringLiteral("Lumo.mdb")));
        esquema::CriaBanco(esquema::Tipo::Config, DirDados(), dir_->filePath(QStringLiteral("data.mdb")));
        orgao_ = new Banco(Banco::abre(dir_->filePath(QStringLiteral("Lumo.mdb"))));
        config_ = new Banco(Banco::abre(dir_->filePath(QStringLiteral("data.mdb"))));
    }
    static void TearDownTestSuite()
    {
        delete orgao_;
        delete config_;
        delete dir_;
    }
    static const Banco& orgao() { return *orgao_; }
    static const Banco& config() { return *config_; }

    // Rows of a query as lists of texts.
    static std::vector<QStringList> linhas(const Banco& b, const QString& sql)
    {
        std::vector<QStringList> r;
        QSqlQuery q = b.executa(sql);
        const int n = q.record().count();
        while (q.next()) {
            QStringList l;
            for (int i = 0; i < n; ++i)
                l << q.value(i).toString();
            r.push_back(l);
        }
        return r;
    }
    static QStringList coluna(const Banco& b, const QString& sql)
    {
        QStringList r;
        for (const auto& l : linhas(b, sql))
            r << l.front();
        return r;
    }

private:
    static inline QTemporaryDir* dir_ = nullptr;
    static inline Banco* orgao_ = nullptr;
    static inline Banco* config_ = nullptr;
};

bool soDigitos(const QString& s, int largura)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]+$"));
    return s.size() == largura && digitos.match(s).hasMatch();
}

// ---------------------------------------------------------------- files and keys

TEST_F(Referencia, CadaArquivoCarregaTodasAsLinhasESemDuplicatas)
{
    const QDir ref(QDir(DirDados()).filePath(QStringLiteral("ref/orgao")));
    for (const QFileInfo& csv : ref.entryInfoList({QStringLiteral("*.csv")}, QDir::Files)) {
        SCOPED_TRACE(csv.fileName().toStdString());
        EXPECT_LT(csv.size(), 1024 * 1024) << "arquivo grande demais para o modelo";
        QFile f(csv.filePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const auto registros = esquema::LeCsv(QString::fromUtf8(f.readAll()));
        ASSERT_FALSE(registros.empty());
        const QString tabela = csv.completeBaseName();
        EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COUNT(*) FROM ") + tabela).toInt(), int(registros.size() - 1));
        // The first column is the key the editors and look-ups search by: no blank, no
        // repetition even when compared without case or surrounding blanks.
        QSet<QString> chaves;
        for (size_t i = 1; i < registros.size(); ++i) {
            const QString chave = registros[i].front().trimmed().toUpper();
            EXPECT_FALSE(chave.isEmpty());
            EXPECT_FALSE(chaves.contains(chave) && tabela != QLatin1String("tabMenu")) << chave.toStdString();
            chaves.insert(chave);
        }
    }
}

// ---------------------------------------------------------------- bodies and menus

TEST_F(Referencia, OrgaosDoConfiguracaoEDoBancoDoOrgaoSaoOsMesmos)
{
    const auto cfg = linhas(config(), QStringLiteral("SELECT sigla_lrf, nome, TipoMenu, esfera, Codigo FROM Orgaos ORDER BY sigla_lrf"));
    const auto org = linhas(orgao(), QStringLiteral("SELECT Codigo, descricao, TipoMenu, esfera FROM tabOrgaos ORDER BY Codigo"));
    ASSERT_EQ(cfg.size(), org.size());
    for (size_t i = 0; i < cfg.size(); ++i) {
        EXPECT_EQ(cfg[i].mid(0, 4), org[i]);
        // The folder of a configured body is its code: four characters, no separators, the
        // width of the body code in the layout headers.
        EXPECT_EQ(cfg[i][4], cfg[i][0]);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z][0-9]{3}$")).match(cfg[i][0]).hasMatch()) << cfg[i][0].toStdString();
        EXPECT_TRUE(cfg[i][3] == QLatin1String("M") || cfg[i][3] == QLatin1String("E"));
    }
}

TEST_F(Referencia, HaUmOrgaoDeCadaEspecieQueOProgramaDistingue)
{
    const QStringList codigos = coluna(orgao(), QStringLiteral("SELECT Codigo FROM tabOrgaos"));
    for (const char* c : {"G001", "L001", "D005", "D006", "P001"})
        EXPECT_TRUE(codigos.contains(QLatin1String(c))) << c;
    QSet<QChar> letras;
    for (const QString& c : codigos)
        letras.insert(c.front());
    for (QChar l : QStringLiteral("PCIGLD"))
        EXPECT_TRUE(letras.contains(l)) << QString(l).toStdString();
    // Every menu letter the program tests is given to some body and has its menu rows.
    const QStringList tipos = coluna(orgao(), QStringLiteral("SELECT DISTINCT TipoMenu FROM tabOrgaos"));
    for (QChar t : QStringLiteral("ABCDEFGHIJL")) {
        EXPECT_TRUE(tipos.contains(QString(t))) << QString(t).toStdString();
        EXPECT_TRUE(orgao().existe(QStringLiteral("SELECT 1 FROM tabMenu WHERE TipoMenu = ?"), {QString(t)}));
    }
    // Municipal executives are municipal, with the municipal revenue codes.
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COUNT(*) FROM tabOrgaos WHERE Codigo LIKE 'P%' AND esfera <> 'M'")).toInt(), 0);
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COUNT(*) FROM tabOrgaos WHERE Codigo LIKE 'G%' AND esfera <> 'E'")).toInt(), 0);
}

TEST_F(Referencia, OrgaoDeDemonstracaoTemOMenuMaisCompleto)
{
    const QString tipo = orgao().valor(QStringLiteral("SELECT TipoMenu FROM tabOrgaos WHERE Codigo = 'P001'")).toString();
    const int doP001 = orgao().valor(QStringLiteral("SELECT COUNT(*) FROM tabMenu WHERE TipoMenu = ?"), {tipo}).toInt();
    const int maior = orgao().valor(QStringLiteral("SELECT MAX(n) FROM (SELECT COUNT(*) AS n FROM tabMenu GROUP BY TipoMenu)")).toInt();
    EXPECT_EQ(doP001, maior);
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT esfera FROM tabOrgaos WHERE Codigo = 'P001'")).toString(), QStringLiteral("M"));
}

TEST_F(Referencia, ChavesDoMenuNomeiamOMesmoAnexoNasDuasLeituras)
{
    for (const auto& l : linhas(orgao(), QStringLiteral("SELECT TipoMenu, Anexo, bimestre FROM tabMenu"))) {
        SCOPED_TRACE((l[0] + u' ' + l[1]).toStdString());
        const QString& chave = l[1];
        // The menus take the slot from the first two characters ...
        bool ok = false;
        const int slot = chave.left(2).toInt(&ok);
        ASSERT_TRUE(ok);
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 43) << "o pacote e as críticas só vão até o slot 43";
        EXPECT_NE(slot, 42) << "o slot 42 (Anexo 41) não tem anexo";
        // ... and the due screen, checks and package look the slot up by its own key, so the
        // row must carry exactly that key (never "22B", which would land on slot 22).
        EXPECT_EQ(chave, ChaveDoSlot(slot));
        const DefinicaoAnexo* anexo = AnexoDoSlot(slot);
        ASSERT_NE(anexo, nullptr);
        const QString titulo = orgao().valor(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = ?"), {chave}).toString();
        EXPECT_TRUE(titulo.startsWith(QStringLiteral("Anexo ") + anexo->numero)) << titulo.toStdString();
        // Bimesters: digits 1 to 6, each once.
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[1-6]+$")).match(l[2]).hasMatch()) << l[2].toStdString();
        EXPECT_EQ(QSet<QChar>(l[2].begin(), l[2].end()).size(), l[2].size());
    }
}

TEST_F(Referencia, IndiceTemUmTituloPorSlotEOsApelidosNomeiamOMesmoAnexo)
{
    for (int slot = 1; slot <= 44; ++slot) {
        const QString t = orgao().valor(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = ?"), {ChaveDoSlot(slot)}).toString();
        EXPECT_FALSE(t.isEmpty()) << slot;
        if (slot != 42 && slot != 44)
            EXPECT_TRUE(t.startsWith(QStringLiteral("Anexo ") + AnexoDoSlot(slot)->numero)) << t.toStdString();
    }
    // The generation list forms "22" for slot 22; readers that name the annex ask "22B".
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = '22'")),
              orgao().valor(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = '22A'")));
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = '22B'")),
              orgao().valor(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = '23'")));
    // Slot 44 repeats the register of managing units.
    EXPECT_TRUE(orgao().valor(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = '44'")).toString()
                    .startsWith(AnexoDoSlot(43)->titulo.left(8)));
}

// The annex menu enables entry s - 1 from slot s up to slot 32: the fiscal-targets group
// follows slot 30 and the Anexo 39 entry follows slot 31. A due annex must never sit behind
// a disabled entry.
TEST_F(Referencia, MenuDeAnexosNaoEscondeAnexoDevido)
{
    const auto menu = linhas(orgao(), QStringLiteral("SELECT TipoMenu, Anexo, bimestre FROM tabMenu"));
    QMap<QString, QMap<int, QString>> porTipo;
    for (const auto& l : menu)
        porTipo[l[0]][l[1].left(2).toInt()] = l[2];
    for (auto t = porTipo.cbegin(); t != porTipo.cend(); ++t) {
        for (QChar b : QStringLiteral("123456")) {
            auto devido = [&](int slot) { return t.value().value(slot).contains(b); };
            SCOPED_TRACE((t.key() + QStringLiteral(" bimestre ") + b).toStdString());
            for (int s = 31; s <= 38; ++s)
                if (devido(s))
                    EXPECT_TRUE(devido(30)) << "metas fiscais: slot " << s;
            if (devido(40))
                EXPECT_TRUE(devido(31)) << "Anexo 39";
        }
        // Menu types E and G never have the Anexo 42 entry enabled.
        if (t.key() == QLatin1String("E") || t.key() == QLatin1String("G"))
            EXPECT_FALSE(t.value().contains(43)) << t.key().toStdString();
    }
}

TEST_F(Referencia, TelaDeAnexosDevidosMostraTituloDeCadaAnexo)
{
    for (const QString& sigla : {QStringLiteral("P001"), QStringLiteral("C003"), QStringLiteral("G001")}) {
        ProgramaTeste p;
        p.configuraOrgao(sigla);
        for (int bim = 1; bim <= 6; ++bim) {
            const QString periodo = QStringLiteral("20120%1").arg(bim);
            p.ctx.BancoOrgao.executa(QStringLiteral("DELETE FROM tabControleMovimento"));
            p.ctx.BancoOrgao.executa(QStringLiteral("INSERT INTO tabControleMovimento (BimReferencia, Situacao) VALUES (?, 'ABERTO')"),
                                     {periodo});
            p.ctx.anexosDevidos.fill(0);
            const auto devidos = AnexosDoBimestre(p.ctx);
            EXPECT_FALSE(devidos.empty()) << sigla.toStdString() << ' ' << bim;
            for (const auto& d : devidos)
                EXPECT_FALSE(d.titulo.isEmpty()) << sigla.toStdString() << " slot " << d.slot;
        }
        EXPECT_TRUE(p.ui.mensagens.empty());
    }
}

TEST_F(Referencia, GrupoPredefinidoTemTodasAsPermissoes)
{
    const QStringList codigos = coluna(orgao(), QStringLiteral("SELECT Codigo FROM tabPermissoes ORDER BY Codigo"));
    ASSERT_EQ(codigos.size(), 7);
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(codigos[i], QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COUNT(*) FROM tabPermissoes WHERE TRIM(COALESCE(descricao, '')) = ''")).toInt(), 0);
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT Permissoes FROM tabGrupos INNER JOIN tabUsuarios ON tabGrupos.Codigo = "
                                           "tabUsuarios.Codigo_tabGrupos WHERE tabUsuarios.Username = 'ADMIN'")).toString(),
              QStringLiteral("P00;"));
}

// ---------------------------------------------------------------- budget classification

TEST_F(Referencia, ClassificacaoDaDespesaTemAsLargurasDosEditores)
{
    const struct { const char* tabela; int largura; } tabelas[] = {
        {"tabDespesaCategoriaEconomica", 1}, {"tabDespesaGrupoDespesa", 1}, {"tabDespesaModalidadeAplicacao", 2},
        {"tabDespesaElementoDespesa", 2},    {"tabDespFuncFuncao", 2},      {"tabDespFuncSubFuncao", 3},
    };
    for (const auto& t : tabelas) {
        const auto rows = linhas(orgao(), QStringLiteral("SELECT Codigo, descricao FROM ") + QLatin1String(t.tabela));
        EXPECT_FALSE(rows.empty()) << t.tabela;
        for (const auto& l : rows) {
            EXPECT_TRUE(soDigitos(l[0], t.largura)) << t.tabela << ' ' << l[0].toStdString();
            EXPECT_FALSE(l[1].trimmed().isEmpty()) << t.tabela << ' ' << l[0].toStdString();
        }
    }
    // Every group belongs to an existing category; every category has groups.
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COUNT(*) FROM tabDespesaGrupoDespesa g WHERE NOT EXISTS (SELECT 1 FROM "
                                           "tabDespesaCategoriaEconomica c WHERE c.Codigo = g.Codigo_tabDespesaCategoriaEconomica)")).toInt(), 0);
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COUNT(*) FROM tabDespesaCategoriaEconomica c WHERE NOT EXISTS (SELECT 1 FROM "
                                           "tabDespesaGrupoDespesa g WHERE c.Codigo = g.Codigo_tabDespesaCategoriaEconomica)")).toInt(), 0);
    // Codes the program itself names: the reserves take modality and element "99", the
    // expense-by-function rebuild splits on modality "91".
    for (const char* c : {"9", "7"})
        EXPECT_TRUE(orgao().existe(QStringLiteral("SELECT 1 FROM tabDespesaCategoriaEconomica WHERE Codigo = ?"), {QString::fromLatin1(c)}));
    for (const char* c : {"91", "99"})
        EXPECT_TRUE(orgao().existe(QStringLiteral("SELECT 1 FROM tabDespesaModalidadeAplicacao WHERE Codigo = ?"), {QString::fromLatin1(c)}));
    EXPECT_TRUE(orgao().existe(QStringLiteral("SELECT 1 FROM tabDespesaElementoDespesa WHERE Codigo = '99'")));
    // The contingency reserve has its function and sub-functions; the typical function of
    // every sub-function exists.
    EXPECT_TRUE(orgao().existe(QStringLiteral("SELECT 1 FROM tabDespFuncFuncao WHERE Codigo = '99'")));
    EXPECT_EQ(orgao().valor(QStringLiteral("SELECT COUNT(*) FROM tabDespFuncSubFuncao s WHERE NOT EXISTS (SELECT 1 FROM "
                                           "tabDespFuncFuncao f WHERE f.Codigo = s.FuncaoTipica)")).toInt(), 0);
}

struct CodigoReceita {
    QString codigo, grupo, competencia;
    bool analitico = false;
};

std::vector<CodigoReceita> planoDeReceita(const Banco& b)
{
    std::vector<CodigoReceita> r;
    QSqlQuery q = b.executa(QStringLiteral("SELECT codigo, grupo_stn, competencia, IndRecebeMovimento FROM tabReceitaCodigoNovo ORDER BY codigo"));
    while (q.next())
        r.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt() == 1});
    return r;
}

TEST_F(Referencia, PlanoDeReceitaTemCodigosSinteticosCoerentes)
{
    const auto plano = planoDeReceita(orgao());
    ASSERT_FALSE(plano.empty());
    for (const auto& c : plano) {
        SCOPED_TRACE(c.codigo.toStdString());
        // Eight digits; deductions are "9" followed by the eight digits of the revenue.
        EXPECT_TRUE(soDigitos(c.codigo, c.codigo.startsWith(u'9') ? 9 : 8));
        EXPECT_TRUE(c.competencia == QLatin1String("EM") || c.competencia == QLatin1String("M") || c.competencia == QLatin1String("E"));
        if (c.analitico) {
            EXPECT_TRUE(c.grupo.isEmpty());
            continue;
        }
        // A synthetic code is its group followed by zeros, and groups some analytic code.
        ASSERT_FALSE(c.grupo.isEmpty());
        EXPECT_TRUE(c.codigo.startsWith(c.grupo));
        EXPECT_TRUE(c.codigo.mid(c.grupo.size()).count(u'0') == c.codigo.size() - c.grupo.size());
        bool agrupa = false;
        for (const auto& a : plano)
            agrupa = agrupa || (a.analitico && a.codigo.startsWith(c.grupo));
        EXPECT_TRUE(agrupa);
    }
}

// The revenue summary adds to each synthetic code every analytic code beginning with its
// group: each total must then be the sum of the totals of the codes directly under it, and
// the categories together must hold every analytic code once.
TEST_F(Referencia, SomasDoResumoDaReceitaFecham)
{
    const auto plano = planoDeReceita(orgao());
    QHash<QString, qint64> valor;
    qint64 total = 0, n = 1;
    for (const auto& c : plano)
        if (c.analitico) {
            valor[c.codigo] = n;   // distinct amounts, so that a code counted twice shows
            total += n;
            n *= 3;
            n %= 1000003;
        }
    auto soma = [&](const CodigoReceita& s) {
        qint64 r = 0;
        for (const auto& a : plano)
            if (a.analitico && a.codigo.startsWith(s.grupo))
                r += valor[a.codigo];
        return r;
    };
    // The synthetic code directly above a code: the one with the longest group it begins with.
    auto pai = [&](const CodigoReceita& c) -> const CodigoReceita* {
        const CodigoReceita* p = nullptr;
        for (const auto& s : plano)
            if (!s.analitico && s.codigo != c.codigo && c.codigo.startsWith(s.grupo) && (!p || s.grupo.size() > p->grupo.size()))
                p = &s;
        return p;
    };
    QHash<QString, qint64> somaDosFilhos;
    qint64 categorias = 0;
    for (const auto& c : plano) {
        const CodigoReceita* p = pai(c);
        if (!p) {
            EXPECT_FALSE(c.analitico) << "código analítico fora de qualquer código sintético: " << c.codigo.toStdString();
            EXPECT_EQ(c.grupo.size(), 1) << c.codigo.toStdString();
            categorias += soma(c);
            continue;
        }
        somaDosFilhos[p->codigo] += c.analitico ? valor[c.codigo] : soma(c);
        // A code reserved to one sphere is never grouped under the other sphere's code.
        if (c.competencia != QLatin1String("EM"))
            EXPECT_TRUE(p->competencia == QLatin1String("EM") || p->competencia == c.competencia) << c.codigo.toStdString();
    }
    EXPECT_EQ(categorias, total);
    for (const auto& s : plano)
        if (!s.analitico)
            EXPECT_EQ(soma(s), somaDosFilhos.value(s.codigo)) << s.codigo.toStdString();
}

TEST_F(Referencia, PlanoDeReceitaTemOsCodigosQueOsDemonstrativosSelecionam)
{
    const auto plano = planoDeReceita(orgao());
    QHash<QString, CodigoReceita> porCodigo;
    for (const auto& c : plano)
        porCodigo.insert(c.codigo, c);
    for (const char* prefixo : {"111", "1911", "1913", "1931", "17", "1721", "1722", "1724", "21", "22", "221", "222", "24"}) {
        bool temM = false, temE = false;
        for (const auto& c : plano)
            if (c.analitico && c.codigo.startsWith(QLatin1String(prefixo))) {
                temM = temM || c.competencia != QLatin1String("E");
                temE = temE || c.competencia != QLatin1String("M");
            }
        EXPECT_TRUE(temM || temE) << prefixo;
        EXPECT_TRUE(temM) << "nenhum código municipal sob " << prefixo;
    }
    // Every deduction deducts an analytic revenue of the same sphere.
    int deducoes = 0;
    for (const auto& c : plano)
        if (c.analitico && c.codigo.startsWith(u'9')) {
            ++deducoes;
            const auto r = porCodigo.value(c.codigo.mid(1));
            EXPECT_TRUE(r.analitico) << c.codigo.toStdString();
            EXPECT_EQ(r.competencia, c.competencia) << c.codigo.toStdString();
        }
    EXPECT_GT(deducoes, 0);
}

// ---------------------------------------------------------------- registers' code tables

TEST_F(Referencia, MunicipiosTemCodigoIbgeDaSuaUf)
{
    static const QHash<QString, QString> prefixo = {
        {"RO", "11"}, {"AC", "12"}, {"AM", "13"}, {"RR", "14"}, {"PA", "15"}, {"AP", "16"}, {"TO", "17"},
        {"MA", "21"}, {"PI", "22"}, {"CE", "23"}, {"RN", "24"}, {"PB", "25"}, {"PE", "26"}, {"AL", "27"},
        {"SE", "28"}, {"BA", "29"}, {"MG", "31"}, {"ES", "32"}, {"RJ", "33"}, {"SP", "35"}, {"PR", "41"},
        {"SC", "42"}, {"RS", "43"}, {"MS", "50"}, {"MT", "51"}, {"GO", "52"}, {"DF", "53"}};
    const auto cidades = linhas(orgao(), QStringLiteral("SELECT IdCidade, Nome, UF, NomeAtual FROM Cidades"));
    EXPECT_GT(cidades.size(), 5000u);
    QSet<QString> nomes;
    for (const auto& c : cidades) {
        EXPECT_TRUE(soDigitos(c[0], 7)) << c[0].toStdString();
        EXPECT_EQ(c[0].left(2), prefixo.value(c[2])) << c[0].toStdString();
        EXPECT_FALSE(c[1].trimmed().isEmpty());
        EXPECT_NE(c[1], c[3]) << "nome atual igual ao de 2012: " << c[0].toStdString();
        const QString chave = c[2] + u'/' + c[1].toUpper();
        EXPECT_FALSE(nomes.contains(chave)) << chave.toStdString();
        nomes.insert(chave);
    }
    // The works editor picks a city by name: the look-up's search finds it.
    const QString nome = cidades.front()[1];
    EXPECT_TRUE(orgao().existe(QStringLiteral("select idCidade,nome from cidades where nome like ? order by nome"),
                               {u'%' + nome.mid(1, 4) + u'%'}));
}

TEST_F(Referencia, TabelasDosCadastrosTemCodigosDasLargurasEsperadas)
{
    for (const auto& b : linhas(orgao(), QStringLiteral("SELECT CodFebraban, Banco FROM Bancos"))) {
        EXPECT_TRUE(soDigitos(b[0], 3)) << b[0].toStdString();
        EXPECT_FALSE(b[1].trimmed().isEmpty());
    }
    for (const char* t : {"tabAnexo13Modalidade", "tabAnexo13BaseLegal", "tabAnexo25BaseLegal", "tabAnexo27TipoCargo",
                          "tabAnexo27GrauInstrucao", "tabAnexo27FormaIngresso", "tabAnexo27FormaAfastamento"})
        for (const auto& l : linhas(orgao(), QStringLiteral("SELECT * FROM ") + QLatin1String(t))) {
            EXPECT_TRUE(soDigitos(l[0], 2)) << t << ' ' << l[0].toStdString();
            EXPECT_FALSE(l[1].trimmed().isEmpty()) << t << ' ' << l[0].toStdString();
        }
    // Vehicle keys are numbers written unquoted; 0 means "not informed".
    for (const char* t : {"tabAnexo28Especie", "tabAnexo28TipoVeiculo", "tabAnexo28MarcaModelo", "tabAnexo28Combustivel",
                          "tabAnexo28Categoria", "tabAnexo42Natureza"}) {
        const auto rows = linhas(orgao(), QStringLiteral("SELECT * FROM ") + QLatin1String(t));
        EXPECT_FALSE(rows.empty()) << t;
        for (const auto& l : rows) {
            bool ok = false;
            EXPECT_GT(l[0].toInt(&ok), 0) << t;
            EXPECT_TRUE(ok) << t;
        }
    }
    // The modality that requires a receipt number exists.
    EXPECT_TRUE(orgao().existe(QStringLiteral("SELECT 1 FROM tabAnexo13Modalidade WHERE Codigo = '13'")));
}

// The legal-basis look-up of a bidding process lists codes up to "55" and "76"; that of an
// amendment lists codes from "56". Together they cover every code; only "76" is in both.
TEST_F(Referencia, FundamentosLegaisSeRepartemEntreLicitacaoEAditivo)
{
    const QString base = QStringLiteral("SELECT * FROM tabAnexo13BaseLegal");
    const QSet<QString> todos = [&] { const auto c = coluna(orgao(), base); return QSet<QString>(c.begin(), c.end()); }();
    const QStringList a = coluna(orgao(), base + QStringLiteral(" where codigo<='55' or codigo='76'"));
    const QStringList b = coluna(orgao(), base + QStringLiteral(" where codigo>='56'"));
    QSet<QString> licitacao(a.begin(), a.end()), aditivo(b.begin(), b.end());
    EXPECT_FALSE(licitacao.isEmpty());
    EXPECT_FALSE(aditivo.isEmpty());
    EXPECT_EQ(licitacao + aditivo, todos);
    EXPECT_EQ(licitacao & aditivo, QSet<QString>{QStringLiteral("76")});
}

TEST_F(Referencia, MensagensDosImportadoresTemTexto)
{
    const auto msgs = linhas(orgao(), QStringLiteral("SELECT codigo, descricao FROM tabMensagem"));
    EXPECT_GT(msgs.size(), 50u);
    QSet<QString> textos;
    for (const auto& m : msgs) {
        EXPECT_EQ(ObtemMensagem(orgao(), m[0].toInt()), m[1]);
        EXPECT_TRUE(m[1].endsWith(u'.')) << m[0].toStdString();
        EXPECT_FALSE(textos.contains(m[1])) << "mensagem repetida: " << m[0].toStdString();
        textos.insert(m[1]);
    }
}

} // namespace
