// Anexo 03 without a screen: the twelve-month window, the months that can be typed, a typed
// cell stored with its groups, the RCL and the totals, the totals rewritten on opening, the
// spheres, and database failures that leave nothing half-written.
#include "comum/BancoTeste.h"
#include "statements/Anexo03.h"

#include <gtest/gtest.h>

namespace {
struct Corpo {
    ProgramaTeste p;
    explicit Corpo(const QString& sigla = "P001", const QString& periodo = "201203")
    {
        p.configuraOrgao(sigla);
        abrePeriodo(periodo);
    }
    void abrePeriodo(const QString& periodo)
    {
        p.ctx.BimReferencia = periodo;
        p.ctx.BimestreAberto = periodo.right(2);
    }
    const Banco& banco() { return p.ctx.BancoOrgao; }
    void sql(const QString& s, const QVariantList& v = {}) { banco().executa(s, v); }
    // The stored value of a line for a key, in ten-thousandths; -1 when there is no row.
    qlonglong valor(const QString& campo, const QString& anomes)
    {
        const QVariant v = banco().valor("SELECT valor FROM tabAnexo03Movimento WHERE campo = ? AND anomes = ?", {campo, anomes});
        return v.isValid() ? v.toLongLong() : -1;
    }
    void grava(const QString& campo, const QString& anomes, qlonglong valor)
    {
        sql("INSERT OR REPLACE INTO tabAnexo03Movimento (campo, anomes, valor) VALUES (?, ?, ?)", {campo, anomes, valor});
    }
};

Moeda reais(qlonglong r) { return Moeda::deReais(r); }

const LinhaAnexo03& linha(const Anexo03& a, const QString& campo)
{
    const int l = a.linhaDoCampo(campo);
    EXPECT_GE(l, 0) << campo.toStdString();
    static const LinhaAnexo03 nenhuma;
    return l < 0 ? nenhuma : a.linhas()[size_t(l)];
}
} // namespace

TEST(Anexo03, JanelaDozeMesesTerminaNoUltimoMesDoBimestre)
{
    const struct {
        const char* periodo;
        const char* primeira;
        const char* ultima;
        const char* tituloUltima;
    } casos[] = {
        {"201201", "032011", "022012", "02/2012"},
        {"201202", "052011", "042012", "04/2012"},
        {"201203", "072011", "062012", "06/2012"},
        {"201206", "012012", "122012", "12/2012"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.periodo);
        const std::vector<MesAnexo03> meses = JanelaAnexo03(c.periodo);
        ASSERT_EQ(meses.size(), 12u);
        EXPECT_EQ(meses.front().chave, c.primeira);
        EXPECT_EQ(meses.back().chave, c.ultima);
        EXPECT_EQ(meses.back().titulo, c.tituloUltima);
        // Consecutive months, each caption its key with the slash.
        for (size_t i = 0; i < meses.size(); ++i) {
            EXPECT_EQ(meses[i].titulo, meses[i].chave.left(2) + "/" + meses[i].chave.mid(2));
            if (i > 0) {
                const QDate antes(meses[i - 1].chave.mid(2).toInt(), meses[i - 1].chave.left(2).toInt(), 1);
                EXPECT_EQ(antes.addMonths(1), QDate(meses[i].chave.mid(2).toInt(), meses[i].chave.left(2).toInt(), 1));
            }
        }
    }
    EXPECT_TRUE(JanelaAnexo03("").empty());
    EXPECT_TRUE(JanelaAnexo03("201207").empty());
    EXPECT_TRUE(JanelaAnexo03("2012ab").empty());
}

TEST(Anexo03, SoOsMesesDoBimestreAbertoSaoDigitadosDepoisDoPrimeiro)
{
    Corpo c("P001", "201201");
    for (const QString periodo : {"201201", "201202", "201204", "201206"}) {
        SCOPED_TRACE(periodo.toStdString());
        c.abrePeriodo(periodo);
        Anexo03 a(c.p.ctx);
        ASSERT_TRUE(a.abre());
        const int l = a.linhaDoCampo("1101");
        for (int m = 0; m < 12; ++m) {
            const bool digitavel = periodo == "201201" || m >= 10;
            EXPECT_EQ(a.mesDigitavel(m), digitavel) << m;
            // A read-only month refuses the value and writes nothing.
            c.p.ui.limpa();
            EXPECT_EQ(a.gravaMes(l, m, reais(7)), digitavel) << m;
            EXPECT_EQ(c.valor("1101", a.meses()[size_t(m)].chave) == 70000, digitavel) << m;
            c.sql("DELETE FROM tabAnexo03Movimento");
        }
        EXPECT_TRUE(c.p.ui.mensagens.isEmpty());
        // Group lines and line 3 are never typed.
        for (const QString campo : {"1", "11", "17", "2", "3"}) {
            EXPECT_FALSE(a.linhaDigitavel(a.linhaDoCampo(campo))) << campo.toStdString();
            EXPECT_FALSE(a.gravaMes(a.linhaDoCampo(campo), 11, reais(1)));
            EXPECT_FALSE(a.gravaPA(a.linhaDoCampo(campo), reais(1)));
        }
        EXPECT_TRUE(a.linhaDigitavel(a.linhaDoCampo("12")));
    }
}

TEST(Anexo03, MesDigitadoNoSegundoBimestreApareceNoTerceiroDuasColunasAntes)
{
    Corpo c("P001", "201202");
    Anexo03 a(c.p.ctx);
    ASSERT_TRUE(a.abre());
    ASSERT_EQ(a.meses()[11].chave, "042012");
    ASSERT_TRUE(a.gravaMes(a.linhaDoCampo("1102"), 11, Moeda::deTexto("1.234,5678").value()));
    EXPECT_EQ(c.valor("1102", "042012"), 12345678); // exact to the ten-thousandth

    c.abrePeriodo("201203");
    Anexo03 b(c.p.ctx);
    ASSERT_TRUE(b.abre());
    EXPECT_EQ(b.meses()[9].chave, "042012");
    EXPECT_EQ(linha(b, "1102").meses[9], Moeda::deDecimos(12345678));
    EXPECT_EQ(linha(b, "11").meses[9], Moeda::deDecimos(12345678));
    EXPECT_FALSE(b.mesDigitavel(9));
    EXPECT_FALSE(b.gravaMes(b.linhaDoCampo("1102"), 9, reais(1)));
    EXPECT_EQ(c.valor("1102", "042012"), 12345678);
}

TEST(Anexo03, GruposSomamAsLinhasDigitadasDoPrefixoERclEhUmMenosDois)
{
    Corpo c;
    Anexo03 a(c.p.ctx);
    ASSERT_TRUE(a.abre());
    const int junho = 11;
    const struct {
        const char* campo;
        qlonglong reais;
    } digitados[] = {{"1101", 100}, {"1102", 250}, {"12", 40}, {"1701", 1000}, {"1708", 5},
                     {"22", 30},    {"222", 2},    {"24", 200}};
    for (const auto& d : digitados)
        ASSERT_TRUE(a.gravaMes(a.linhaDoCampo(d.campo), junho, reais(d.reais))) << d.campo;
    const struct {
        const char* campo;
        qlonglong reais;
    } esperados[] = {{"11", 350}, {"17", 1005}, {"1", 1395}, {"2", 232}, {"3", 1163}};
    for (const auto& e : esperados) {
        SCOPED_TRACE(e.campo);
        EXPECT_EQ(linha(a, e.campo).meses[junho], reais(e.reais));
        EXPECT_EQ(c.valor(e.campo, "062012"), e.reais * 10000);
        // Every line changed has its total stored with it.
        EXPECT_EQ(c.valor(e.campo, "TOT03"), e.reais * 10000);
    }
    EXPECT_EQ(c.valor("1101", "TOT03"), 100 * 10000);
    // A changed value replaces the old one in the groups, not adds to it.
    ASSERT_TRUE(a.gravaMes(a.linhaDoCampo("1101"), junho, reais(10)));
    EXPECT_EQ(c.valor("11", "062012"), 260 * 10000);
    EXPECT_EQ(c.valor("1", "062012"), 1305 * 10000);
    EXPECT_EQ(c.valor("3", "062012"), 1073 * 10000);
    // The other month of the bimester is a column of its own.
    EXPECT_EQ(linha(a, "1").meses[10], Moeda());
    EXPECT_EQ(c.valor("1", "052012"), -1);
}

TEST(Anexo03, RclNegativaGuardadaComoEh)
{
    Corpo c;
    Anexo03 a(c.p.ctx);
    ASSERT_TRUE(a.abre());
    ASSERT_TRUE(a.gravaMes(a.linhaDoCampo("1101"), 10, Moeda::deTexto("100,25").value()));
    ASSERT_TRUE(a.gravaMes(a.linhaDoCampo("22"), 10, Moeda::deTexto("300,50").value()));
    EXPECT_EQ(linha(a, "3").meses[10], -Moeda::deTexto("200,25").value());
    EXPECT_EQ(c.valor("3", "052012"), -2002500);
    EXPECT_EQ(c.valor("3", "TOT03"), -2002500);
}

TEST(Anexo03, AberturaReescreveOsTotaisPelaJanela)
{
    Corpo c;
    // Months inside the window of bimester 03 (07/2011 to 06/2012), one just outside on each
    // side, and a stale total.
    const QStringList dentro{"072011", "122011", "012012", "062012"};
    qlonglong soma = 0;
    qlonglong k = 1;
    for (const QString& m : dentro) {
        c.grava("1", m, 1000000 * k + 1);
        c.grava("2", m, 300000 * k);
        c.grava("3", m, 700000 * k + 1);
        soma += 700000 * k + 1;
        ++k;
    }
    c.grava("3", "062011", 99990000);
    c.grava("3", "072012", 88880000);
    c.grava("3", "TOT03", 123);
    c.grava("3", "TOT02", 456);

    Anexo03 a(c.p.ctx);
    ASSERT_TRUE(a.abre());
    EXPECT_EQ(c.valor("3", "TOT03"), soma);
    EXPECT_EQ(linha(a, "3").total, Moeda::deDecimos(soma));
    EXPECT_EQ(c.valor("3", "TOT02"), 456); // another bimester's total is left alone
    EXPECT_EQ(c.valor("1", "TOT03"), 10000000 + 4);
    // Every line of the body gets its total, 0 when it has nothing.
    EXPECT_EQ(c.valor("1101", "TOT03"), 0);
    const int linhas = int(a.linhas().size());
    EXPECT_EQ(c.banco().valor("SELECT count(*) FROM tabAnexo03Movimento WHERE anomes = 'TOT03'").toInt(), linhas);

    // The same months seen from bimester 06 (01/2012 to 12/2012).
    c.abrePeriodo("201206");
    Anexo03 b(c.p.ctx);
    ASSERT_TRUE(b.abre());
    EXPECT_EQ(c.valor("3", "TOT06"), 2100001 + 2800001 + 88880000);
}

TEST(Anexo03, PeriodoNuncaPreenchidoMostraZeros)
{
    Corpo c;
    c.grava("1101", "062013", 50000); // another exercise's month
    Anexo03 a(c.p.ctx);
    ASSERT_TRUE(a.abre());
    ASSERT_FALSE(a.linhas().empty());
    for (const LinhaAnexo03& l : a.linhas()) {
        for (const Moeda& m : l.meses)
            EXPECT_TRUE(m.ehZero()) << l.campo.toStdString();
        EXPECT_TRUE(l.total.ehZero());
        EXPECT_TRUE(l.pa.ehZero());
    }
    const TabelaDemonstrativo t = TabelaAnexo03(c.p.ctx);
    EXPECT_EQ(t.titulo, "Anexo 03 - Demonstr. da Receita Corrente Líquida");
    ASSERT_EQ(t.cabecalho.size(), 15);
    EXPECT_EQ(t.cabecalho.front(), "Especificação");
    EXPECT_EQ(t.cabecalho[1], "07/2011");
    EXPECT_EQ(t.cabecalho[12], "06/2012");
    EXPECT_EQ(t.cabecalho[13], "Total (Últ. 12 meses)");
    EXPECT_EQ(t.cabecalho[14], "PA");
    ASSERT_EQ(t.linhas.size(), qsizetype(a.linhas().size()));
    for (const QStringList& l : t.linhas)
        EXPECT_EQ(l.mid(1), QStringList(14, "0,00")) << l.front().toStdString();
    // Without an open period there is nothing to show.
    c.abrePeriodo("");
    Anexo03 sem(c.p.ctx);
    EXPECT_TRUE(sem.abre());
    EXPECT_TRUE(sem.linhas().empty());
}

TEST(Anexo03, CadaEsferaVeAsSuasLinhasEAsComuns)
{
    for (const QString sigla : {"P001", "G001"}) {
        SCOPED_TRACE(sigla.toStdString());
        Corpo c(sigla);
        const QString esfera = sigla.startsWith('P') ? "M" : "E";
        Anexo03 a(c.p.ctx);
        ASSERT_TRUE(a.abre());
        QStringList vistas;
        for (const LinhaAnexo03& l : a.linhas())
            vistas.append(l.campo);
        const QStringList esperadas = c.banco()
                                          .valor("SELECT group_concat(campo) FROM (SELECT campo FROM tabAnexo03Campos "
                                                 "WHERE esfera IN ('EM', ?) ORDER BY campo)",
                                                 {esfera})
                                          .toString()
                                          .split(',');
        EXPECT_EQ(vistas, esperadas);
        EXPECT_GT(c.banco().valor("SELECT count(*) FROM tabAnexo03Campos WHERE esfera NOT IN ('EM', ?)", {esfera}).toInt(), 0);
        // A value of the other sphere's line stays out of the groups.
        const QString outra = c.banco().valor("SELECT min(campo) FROM tabAnexo03Campos WHERE campo LIKE '11%' AND esfera NOT IN "
                                              "('EM', ?)", {esfera}).toString();
        c.grava(outra, "062012", 9990000);
        const QString minha = c.banco().valor("SELECT min(campo) FROM tabAnexo03Campos WHERE campo LIKE '11%' AND grupo = 0 "
                                              "AND esfera = ?", {esfera}).toString();
        Anexo03 b(c.p.ctx);
        ASSERT_TRUE(b.abre());
        ASSERT_TRUE(b.gravaMes(b.linhaDoCampo(minha), 11, reais(5)));
        EXPECT_EQ(c.valor("11", "062012"), 50000);
    }
}

TEST(Anexo03, PaDigitadoPorLinhaComGruposERcl)
{
    Corpo c;
    Anexo03 a(c.p.ctx);
    ASSERT_TRUE(a.abre());
    ASSERT_TRUE(a.gravaPA(a.linhaDoCampo("1103"), reais(900)));
    ASSERT_TRUE(a.gravaPA(a.linhaDoCampo("23"), reais(100)));
    EXPECT_EQ(c.valor("1103", "PA03"), 9000000);
    EXPECT_EQ(c.valor("11", "PA03"), 9000000);
    EXPECT_EQ(c.valor("2", "PA03"), 1000000);
    EXPECT_EQ(c.valor("3", "PA03"), 8000000);
    // PA has no month: the totals are not touched by it.
    EXPECT_EQ(c.valor("1103", "TOT03"), 0);
    // It is kept by bimester and read back with the lines.
    c.abrePeriodo("201204");
    Anexo03 b(c.p.ctx);
    ASSERT_TRUE(b.abre());
    EXPECT_TRUE(linha(b, "1103").pa.ehZero());
    c.abrePeriodo("201203");
    Anexo03 d(c.p.ctx);
    ASSERT_TRUE(d.abre());
    EXPECT_EQ(linha(d, "3").pa, reais(800));
}

TEST(Anexo03, FalhaDoBancoNaoDeixaNadaPelaMetade)
{
    Corpo c;
    c.grava("1101", "062012", 10000);
    c.grava("1101", "TOT03", 555);
    c.grava("3", "TOT03", 777);
    // The database refuses any write of line 3: the totals of the lines before it were already
    // rewritten when it fails.
    c.sql("CREATE TRIGGER recusa3 BEFORE INSERT ON tabAnexo03Movimento WHEN NEW.campo = '3' "
          "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
    Anexo03 a(c.p.ctx);
    EXPECT_FALSE(a.abre());
    EXPECT_TRUE(c.p.ui.ultimo().startsWith("Não foi possível abrir o Anexo 03."));
    EXPECT_EQ(c.valor("1101", "TOT03"), 555);
    EXPECT_EQ(c.valor("3", "TOT03"), 777);
    EXPECT_EQ(c.banco().valor("SELECT count(*) FROM tabAnexo03Movimento").toInt(), 3);

    // A typed cell whose RCL cannot be stored: nothing of the cell is written, the lines stay.
    c.sql("DROP TRIGGER recusa3");
    ASSERT_TRUE(a.abre());
    c.sql("CREATE TRIGGER recusa3 BEFORE INSERT ON tabAnexo03Movimento WHEN NEW.campo = '3' "
          "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
    c.p.ui.limpa();
    EXPECT_FALSE(a.gravaMes(a.linhaDoCampo("1101"), 11, reais(50)));
    EXPECT_TRUE(c.p.ui.ultimo().startsWith("Não foi possível gravar o valor do Anexo 03."));
    EXPECT_EQ(c.valor("1101", "062012"), 10000);
    EXPECT_EQ(c.valor("11", "062012"), -1);
    EXPECT_EQ(linha(a, "1101").meses[11], reais(1));
    EXPECT_TRUE(linha(a, "11").meses[11].ehZero());
}
