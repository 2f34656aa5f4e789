#include "core/Teclas.h"

#include <gtest/gtest.h>

namespace {
// Types the keys into a field as the money field does: the filter may first rewrite the field,
// then the kept key replaces the selection at the caret.
QString digitaValor(const QString& teclas, EstadoCampo campo = {})
{
    for (const QChar c : teclas) {
        const ResultadoTecla r = FiltraTeclaValor(c, campo, 2);
        if (r.trocaTexto)
            campo = {r.novoTexto, r.novoCursor, r.novoCursor, 0};
        if (!r.aceita())
            continue;
        const int ini = campo.tamanhoSelecao > 0 ? campo.inicioSelecao : campo.cursor;
        campo.texto.replace(ini, campo.tamanhoSelecao, QString(r.tecla));
        campo.cursor = campo.inicioSelecao = ini + 1;
        campo.tamanhoSelecao = 0;
    }
    return campo.texto;
}

EstadoCampo cursorEm(const QString& texto, int cursor) { return {texto, cursor, cursor, 0}; }
EstadoCampo selecao(const QString& texto, int inicio, int tamanho) { return {texto, inicio + tamanho, inicio, tamanho}; }
} // namespace

TEST(FiltraTeclaValor, DigitosEVirgulaComDuasCasas)
{
    EXPECT_EQ(digitaValor(QStringLiteral("123,456")), QStringLiteral("123,45"));
    EXPECT_EQ(digitaValor(QStringLiteral(",")), QStringLiteral("0,"));
    EXPECT_EQ(digitaValor(QStringLiteral(",5")), QStringLiteral("0,5"));
    EXPECT_EQ(digitaValor(QStringLiteral("12,3,4")), QStringLiteral("12,34")); // second comma discarded
    EXPECT_EQ(digitaValor(QStringLiteral("1a-.2 ")), QStringLiteral("12"));    // anything else discarded
    const QChar retrocesso(tecla::Retrocesso);
    EXPECT_EQ(FiltraTeclaValor(retrocesso, EstadoCampo::noFim(QStringLiteral("1,23"))).tecla, retrocesso);
}

TEST(FiltraTeclaValor, VirgulaTransformaCampoVazioOuZeroEmZero)
{
    for (const QString& t : {QString(), QStringLiteral("0"), QStringLiteral("0,"), QStringLiteral(",")}) {
        const ResultadoTecla r = FiltraTeclaValor(u',', EstadoCampo::noFim(t));
        EXPECT_TRUE(r.aceita()) << t.toStdString();
        EXPECT_TRUE(r.trocaTexto);
        EXPECT_EQ(r.novoTexto, QStringLiteral("0"));
        EXPECT_EQ(r.novoCursor, 1);
    }
    // A wholly selected field is replaced, even when it holds a comma.
    EXPECT_EQ(digitaValor(QStringLiteral(","), selecao(QStringLiteral("12,50"), 0, 5)), QStringLiteral("0,"));
}

TEST(FiltraTeclaValor, VirgulaNumCampoSemVirgula)
{
    // At the first position a "0" goes in front.
    EXPECT_EQ(digitaValor(QStringLiteral(","), cursorEm(QStringLiteral("25"), 0)), QStringLiteral("0,25"));
    // Elsewhere only with at most two digits to the right of the caret.
    EXPECT_EQ(digitaValor(QStringLiteral(","), cursorEm(QStringLiteral("1234"), 2)), QStringLiteral("12,34"));
    EXPECT_EQ(digitaValor(QStringLiteral(","), cursorEm(QStringLiteral("1234"), 1)), QStringLiteral("1234"));
    EXPECT_EQ(digitaValor(QStringLiteral(","), cursorEm(QStringLiteral("1234"), 4)), QStringLiteral("1234,"));
    // Digits that a selection will replace do not count.
    EXPECT_EQ(digitaValor(QStringLiteral(","), selecao(QStringLiteral("12345"), 2, 3)), QStringLiteral("12,"));
}

TEST(FiltraTeclaValor, VirgulaNumCampoComVirgula)
{
    // Only a selection holding the comma lets another one in.
    EXPECT_EQ(digitaValor(QStringLiteral(","), cursorEm(QStringLiteral("12,3"), 1)), QStringLiteral("12,3"));
    EXPECT_EQ(digitaValor(QStringLiteral(","), selecao(QStringLiteral("12,34"), 0, 1)), QStringLiteral("12,34"));
    EXPECT_EQ(digitaValor(QStringLiteral(","), selecao(QStringLiteral("123,4"), 1, 3)), QStringLiteral("1,4"));
    // At the first position the "0" goes in first.
    EXPECT_EQ(digitaValor(QStringLiteral(","), selecao(QStringLiteral("12,34"), 0, 3)), QStringLiteral("0,34"));
}

TEST(FiltraTeclaValor, DigitosDepoisDaVirgula)
{
    const auto passa = [](const EstadoCampo& c) { return FiltraTeclaValor(u'7', c).aceita(); };
    EXPECT_TRUE(passa(EstadoCampo::noFim(QStringLiteral("1,2"))));
    EXPECT_FALSE(passa(EstadoCampo::noFim(QStringLiteral("1,23"))));
    EXPECT_TRUE(passa(cursorEm(QStringLiteral("1,23"), 1)));  // caret before the comma
    EXPECT_TRUE(passa(cursorEm(QStringLiteral("1,23"), 0)));
    EXPECT_TRUE(passa(selecao(QStringLiteral("1,23"), 3, 1))); // a selection will be replaced
    EXPECT_FALSE(passa(cursorEm(QStringLiteral("1,23"), 3)));
    // Three decimals when the field asks for them.
    EXPECT_TRUE(FiltraTeclaValor(u'7', EstadoCampo::noFim(QStringLiteral("1,23")), 3).aceita());
    EXPECT_FALSE(FiltraTeclaValor(u'7', EstadoCampo::noFim(QStringLiteral("1,234")), 3).aceita());
}

TEST(FiltrosSimples, AceitamSoOQueCadaCampoPrecisa)
{
    const QChar controles[] = {QChar(tecla::Retrocesso), QChar(tecla::Enter), QChar(tecla::Delete)};
    for (const QChar c : controles) {
        EXPECT_EQ(FiltraTeclaDecimal(c), c);
        EXPECT_EQ(FiltraTeclaInteiro(c), c);
        EXPECT_EQ(FiltraTeclaDataCodigo(c), c);
    }
    EXPECT_EQ(FiltraTeclaDecimal(u'.'), QChar(u','));
    EXPECT_EQ(FiltraTeclaDecimal(u','), QChar(u','));
    EXPECT_EQ(FiltraTeclaDecimal(u'-'), QChar(u'-'));
    EXPECT_EQ(FiltraTeclaDecimal(u'9'), QChar(u'9'));
    EXPECT_TRUE(FiltraTeclaDecimal(u'a').isNull());

    EXPECT_EQ(FiltraTeclaInteiro(u'-'), QChar(u'-'));
    EXPECT_EQ(FiltraTeclaInteiro(u'0'), QChar(u'0'));
    EXPECT_TRUE(FiltraTeclaInteiro(u',').isNull());
    EXPECT_TRUE(FiltraTeclaInteiro(u'.').isNull());

    for (const QChar c : {u'/', u'.', u'-', u'5'})
        EXPECT_EQ(FiltraTeclaDataCodigo(c), c);
    EXPECT_TRUE(FiltraTeclaDataCodigo(u',').isNull());
    EXPECT_TRUE(FiltraTeclaDataCodigo(u'x').isNull());

    EXPECT_TRUE(BloqueiaAspas(u'\'').isNull());
    for (const QChar c : {QChar(u'a'), QChar(u'"'), QChar(0x00B4), QChar(u' ')})
        EXPECT_EQ(BloqueiaAspas(c), c);
}

TEST(CompletaBarraData, BarraDepoisDoDiaEDoMes)
{
    EXPECT_EQ(CompletaBarraData(QStringLiteral("1")), QString());
    EXPECT_EQ(CompletaBarraData(QStringLiteral("12")), QStringLiteral("/"));
    EXPECT_EQ(CompletaBarraData(QStringLiteral("12/0")), QString());
    EXPECT_EQ(CompletaBarraData(QStringLiteral("12/03")), QStringLiteral("/"));
    EXPECT_EQ(CompletaBarraData(QStringLiteral("12/03/2")), QString());
}
