// Money, dates and texts. Every case here also runs under pt_BR.UTF-8: a conversion that
// followed the process locale would fail one of the two runs.
#include "comum/InteracaoRoteiro.h"
#include "core/Conversoes.h"
#include "core/Esquema.h"
#include "core/Log.h"
#include "core/Moeda.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Moeda, LeTextoBrasileiroExato)
{
    const struct { const char* texto; qint64 decimos; } casos[] = {
        {"1.234,50", 12345000}, {"0,0001", 1},   {"-10", -100000}, {"10-", -100000}, {",5", 5000},
        {"1,23455", 12346},   // the fifth decimal rounds half away from zero
        {"92233720368547,5807", 922337203685475807LL},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Moeda::deTexto(c.texto).value_or(Moeda::deDecimos(-7)).decimos(), c.decimos) << c.texto;
    for (const char* ruim : {"", "abc", "1,2,3", "1.234,5x", "-", ",", "99999999999999999999"})
        EXPECT_FALSE(Moeda::deTexto(ruim).has_value()) << ruim;
    // Sums stay exact where doubles would not.
    Moeda soma;
    for (int i = 0; i < 10; ++i)
        soma += *Moeda::deTexto("0,1");
    EXPECT_EQ(soma, Moeda::deReais(1));
}

TEST(Moeda, FormataComCentavosArredondados)
{
    const struct { qint64 decimos; const char* texto; } casos[] = {
        {12345000, "1.234,50"}, {-12345000, "-1.234,50"}, {0, "0,00"},
        {50, "0,01"}, {49, "0,00"}, {-49, "0,00"},   // 0,005 -> 0,01; never "-0,00"
        {12345678900000, "1.234.567.890,00"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Moeda::deDecimos(c.decimos).formata(), c.texto) << c.decimos;
    EXPECT_EQ(Moeda::deDecimos(-5).paraTextoSimples(), "-0.0005");
    // The text a user types, as the money fields show and read it.
    for (auto [digitado, mostrado] : {std::pair{"1234,5", "1.234,50"}, {"1.000.000", "1.000.000,00"}, {"-0,339", "-0,34"}, {"abc", ""}, {"   ", ""}})
        EXPECT_EQ(FormataValor(digitado), mostrado) << digitado;
    const struct { const char* texto; const char* valor; } lidos[] = {
        {"R$ -1.234,50", "-1234,50"}, {"1.234,50-", "-1234,50"}, {"R$ 7,25", "7,25"}, {"", "0"}, {"x", "0"}};
    for (const auto& l : lidos)
        EXPECT_EQ(ValorDeTexto(l.texto), *Moeda::deTexto(l.valor)) << l.texto;
}

// The refusal texts are asserted on the screen (teste_campos); here, what the date becomes.
TEST(Conversoes, FormataData)
{
    InteracaoRoteiro ui;
    const QDate hoje(2012, 3, 9);
    const struct { const char* digitado; const char* fica; } casos[] = {
        {"", ""}, {"1/2/2012", "01/02/2012"}, {"01/01/1900", "01/01/1900"}, {"29/02/12", "29/02/2012"},
        {"31/12/1899", "09/03/2012"}, {"30/02/2012", "09/03/2012"}, {"abc", "09/03/2012"},   // refused: today
    };
    for (const auto& c : casos)
        EXPECT_EQ(FormataData(ui, c.digitado, hoje), c.fica) << c.digitado;
    EXPECT_EQ(ui.mensagens.size(), 3);
}

TEST(Conversoes, PeriodosTextosEDigitos)
{
    EXPECT_EQ(PeriodoParaTela("201203"), "032012");
    EXPECT_EQ(PeriodoDeTela("032012"), "201203");
    EXPECT_EQ(PeriodoFormatado("201106"), "06/2011");
    EXPECT_EQ(TrocaAspas(QStringLiteral("D'Ávila")), QStringLiteral("D´Ávila"));
    EXPECT_EQ(SomenteDigitos("123.456.789-09"), "12345678909");
    EXPECT_EQ(TextoOuPadrao(QVariant(), "x") + TextoOuPadrao(QString(""), "x") + TextoOuPadrao(QString("a"), "x"), "xxa");
}

TEST(Log, LinhaNoFormatoDoProgramaAcrescentada)
{
    QTemporaryDir dir;
    const QString arq = dir.filePath("IMP.LOG");
    const QDateTime quando(QDate(2012, 3, 9), QTime(14, 5, 33));
    ASSERT_TRUE(GravaLog(arq, "despesa.txt", "Registro inválido", quando));
    ASSERT_TRUE(GravaLog(arq, "despesa.txt", "Outro", quando));
    QFile f(arq);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              "[09/03/2012 14:05] - Arquivo : despesa.txt - Erro : Registro inválido\n"
              "[09/03/2012 14:05] - Arquivo : despesa.txt - Erro : Outro\n");
    EXPECT_EQ(NomeArquivoLog("DESP", quando), "DESP090312140533.LOG");
}

TEST(Esquema, CsvComAspasNulosEComandos)
{
    std::vector<std::vector<bool>> vazios;
    const auto linhas = esquema::LeCsv("a,b,c\r\n1,\"x, \"\"y\"\"\",\n2,\"\",z\n", &vazios);
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[1][1], "x, \"y\"");
    EXPECT_TRUE(vazios[1][2]);   // empty unquoted: NULL
    EXPECT_FALSE(vazios[2][1]);  // "": empty text
    const QStringList cmds = esquema::DivideComandos("CREATE TABLE t (a TEXT DEFAULT ';'); -- x; y\nINSERT INTO t VALUES ('a;b');");
    ASSERT_EQ(cmds.size(), 2);
    EXPECT_TRUE(cmds[1].contains("'a;b'"));
}
