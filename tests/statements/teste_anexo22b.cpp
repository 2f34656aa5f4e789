// Anexo 22B without a screen: the limits by kind of body, the sub-period column, the lines read
// from known rows of the source statements, and the save.
#include "comum/BancoTeste.h"
#include "statements/Anexo22B.h"

#include <gtest/gtest.h>

namespace {
struct Orgao22B : OrgaoAberto {
    explicit Orgao22B(const QString& sigla = "P001", const QString& periodo = "201204") : OrgaoAberto(sigla, periodo) {}
    // Line n as "valor|limite".
    static QString linha(const std::vector<LinhaAnexo22B>& l, int n) { return l[size_t(n - 1)].valor + '|' + l[size_t(n - 1)].limite; }
};
} // namespace

TEST(Anexo22B, LimitesPorTipoDeOrgao)
{
    const struct {
        QString codigo, tipoMenu, maximo, prudencial, divida;
    } casos[] = {
        {"P001", "A", "54,00", "51,30", "120,00"},
        {"P003", "G", "54,00", "51,30", "120,00"}, // the municipal executive whatever its kind
        {"P009", "L", "54,00", "51,30", "120,00"},
        {"C001", "C", "6,00", "5,70", ""},
        {"D001", "J", "6,00", "5,70", ""},
        {"G001", "G", "49,00", "46,55", "200,00"},
        {"L001", "L", "2,38", "2,26", ""},
        {"L002", "L", "0,62", "0,59", ""},
        {"D005", "D", "2,00", "1,90", ""},
        {"D006", "d", "2,00", "1,90", ""},
        {"D007", "D", "", "", ""},
        {"C002", "B", "", "", ""},
        {"E001", "E", "", "", ""},
    };
    for (const auto& k : casos) {
        const TipoOrgao22B o{k.codigo, k.tipoMenu};
        const LimitesPessoal22B l = LimitesPessoal(o);
        EXPECT_EQ(l.maximo, k.maximo) << k.codigo.toStdString();
        EXPECT_EQ(l.prudencial, k.prudencial) << k.codigo.toStdString();
        EXPECT_EQ(LimiteDivida22B(o), k.divida) << k.codigo.toStdString();
    }
}

TEST(Anexo22B, IndiceDoSubperiodo)
{
    const struct {
        QString tipoMenu, periodo;
        int q;
    } casos[] = {
        {"A", "201206", 1}, {"F", "201203", 1}, {"B", "201205", 1},
        {"C", "201103", 1}, {"C", "201106", 2}, {"G", "201201", 1}, {"G", "201203", 1}, {"G", "201204", 2}, {"L", "201206", 2},
    };
    for (const auto& k : casos)
        EXPECT_EQ(IndiceQuadrimestre22B(k.tipoMenu, k.periodo), k.q) << k.tipoMenu.toStdString() << k.periodo.toStdString();
}

TEST(Anexo22B, LinhasDosDemonstrativosDoBimestre)
{
    Orgao22B c("G001", "201204"); // kind G: the second half-year's column
    // Rows of other periods and other columns must not be read.
    c.sql("INSERT INTO tabAnexo15Movimento (BimReferencia, Campo, Ult12Mes) VALUES "
          "('201204', 12, 12345670000), ('201204', 15, 4321000), ('201204', 16, 100), ('201204', 17, 0),"
          "('201203', 12, 99990000)");
    c.sql("INSERT INTO tabAnexo16Movimento (BimReferencia, Campo, SaldoAte1Quad, SaldoAte2Quad) VALUES "
          "('201204', 21, 10000, 25000000), ('201204', 24, 10000, 123456789), ('201204', 25, 10000, 30000000)");
    c.sql("INSERT INTO tabAnexo17Movimento (BimReferencia, Campo, AteQuadri1, AteQuadri2) VALUES "
          "('201204', 7, 10000, 70000), ('201204', 9, 10000, 5000), ('201204', 10, 10000, 100000)");
    c.sql("INSERT INTO tabAnexo18Movimento (BimReferencia, Campo, AteQuadrimestre) VALUES "
          "('201204', 1, 10000000), ('201204', 4, 20000), ('201204', 7, 156700), ('201204', 8, 0),"
          "('201204', 9, 30000), ('201204', 10, -40000)");
    c.sql("INSERT INTO tabAnexo20Movimento (BimReferencia, tipo, Exercicio_Anterior_NP, disponibilidade) VALUES "
          "('201204', '1', 15000, 20000), ('201204', '2', 5000, 1000), ('201203', '1', 99990000, 0)");

    // Without Anexo 03 line 1 stays empty, the others are filled.
    auto l = PreencheAnexo22B(c.p.ctx);
    ASSERT_EQ(l.size(), 13u);
    EXPECT_EQ(Orgao22B::linha(l, 1), "|");
    EXPECT_EQ(l[0].descricao, "RECEITA CORRENTE LÍQUIDA");
    const QStringList esperado = {
        "1.234.567,00|432,10", "0,01|49,00", "0,00|46,55", "2.500,00|12345,68", "3.000,00|200,00", "7,00|0,50",
        "10,00|22,00", "1.000,00|15,67", "2,00|0,00", "3,00|16,00", "-4,00|7,00", "2,00|2,10",
    };
    for (int n = 2; n <= 13; ++n)
        EXPECT_EQ(Orgao22B::linha(l, n), esperado[n - 2]) << n;

    // The RCL is the bimester's twelve-month total of line 3.
    c.sql("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('3', 'TOT04', 98765432100), ('3', 'TOT03', 1),"
          " ('1', 'TOT04', 2)");
    l = PreencheAnexo22B(c.p.ctx);
    EXPECT_EQ(Orgao22B::linha(l, 1), "9.876.543,21|");
    EXPECT_EQ(TabelaAnexo22B(c.p.ctx).linhas.value(0), (QStringList{"RECEITA CORRENTE LÍQUIDA", "9.876.543,21", ""}));
}

TEST(Anexo22B, LinhasSemDemonstrativosFicamVaziasEComLimitesFixos)
{
    Orgao22B c("L002", "201201");
    const auto l = PreencheAnexo22B(c.p.ctx);
    const QStringList esperado = {"|", "|", "|0,62", "|0,59", "|", "|", "|", "|22,00", "|", "|", "|16,00", "|7,00", "|"};
    for (int n = 1; n <= 13; ++n)
        EXPECT_EQ(Orgao22B::linha(l, n), esperado[n - 1]) << n;
}

TEST(Anexo22B, GravarDuasVezesDaAsMesmasLinhas)
{
    Orgao22B c("P001", "201202");
    c.sql("INSERT INTO tabAnexo15Movimento (BimReferencia, Campo, Ult12Mes) VALUES ('201202', 12, 5000000)");
    c.sql("INSERT INTO tabAnexo22bMovimento VALUES ('201202', 14, 'velha', ''), ('201201', 1, 'outro', '')");
    const auto consulta = "SELECT group_concat(Campo || '=' || quote(Valor) || '/' || quote(Limite), ';') FROM "
                          "(SELECT * FROM tabAnexo22bMovimento WHERE BimReferencia = '201202' ORDER BY Campo)";
    ASSERT_TRUE(GravaAnexo22B(c.p.ctx, PreencheAnexo22B(c.p.ctx)));
    EXPECT_EQ(c.p.ui.ultimo(), "Valores gravados com sucesso!");
    const QString primeira = c.texto(consulta);
    ASSERT_TRUE(GravaAnexo22B(c.p.ctx, PreencheAnexo22B(c.p.ctx)));
    EXPECT_EQ(c.texto(consulta), primeira);
    EXPECT_TRUE(primeira.startsWith("1=''/'';2='500,00'/'';3=''/'54,00';4=''/'51,30';")) << primeira.toStdString();
    EXPECT_TRUE(primeira.endsWith(";13=''/''")) << primeira.toStdString();
    EXPECT_EQ(c.texto("SELECT count(*) FROM tabAnexo22bMovimento WHERE BimReferencia = '201202'"), "13");
    EXPECT_EQ(c.texto("SELECT Valor FROM tabAnexo22bMovimento WHERE BimReferencia = '201201'"), "outro");
}
