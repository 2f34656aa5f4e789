#include "core/Teclas.h"

#include <gtest/gtest.h>

namespace {
// Types the keys into a field as the money field does: the filter may first rewrite the field,
// then the kept key replaces the selection at the caret.
QString digitaValor(const QString& teclas, EstadoCampo campo)
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
    const struct { const char* teclas; EstadoCampo campo; const char* esperado; } casos[] = {
        // (typing into an empty field is the screen test's)
        {"12,3,4", {}, "12,34"},                         // second comma discarded
        {",", EstadoCampo::noFim("0"), "0,"},            // an empty or zero field becomes "0,"
        {",", EstadoCampo::noFim(","), "0,"},
        {",", selecao("12,50", 0, 5), "0,"},             // a wholly selected field is replaced
        // A field without a comma: a "0" in front at the first position; elsewhere only
        // with at most two digits right of the caret, not counting those a selection replaces.
        {",", cursorEm("25", 0), "0,25"},
        {",", cursorEm("1234", 2), "12,34"},
        {",", cursorEm("1234", 1), "1234"},
        {",", cursorEm("1234", 4), "1234,"},
        {",", selecao("12345", 2, 3), "12,"},
        // A field with a comma: only a selection holding it lets another one in.
        {",", cursorEm("12,3", 1), "12,3"},
        {",", selecao("12,34", 0, 1), "12,34"},
        {",", selecao("123,4", 1, 3), "1,4"},
        {",", selecao("12,34", 0, 3), "0,34"},
        // Digits after the comma: two at most, unless the caret is before it or a selection
        // will be replaced.
        {"7", EstadoCampo::noFim("1,2"), "1,27"},
        {"7", EstadoCampo::noFim("1,23"), "1,23"},
        {"7", cursorEm("1,23", 1), "17,23"},
        {"7", cursorEm("1,23", 0), "71,23"},
        {"7", cursorEm("1,23", 3), "1,23"},
        {"7", selecao("1,23", 3, 1), "1,27"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(digitaValor(c.teclas, c.campo), c.esperado) << c.teclas << " em " << c.campo.texto.toStdString();
    // The rewrite of an empty field leaves the caret after the "0".
    const ResultadoTecla r = FiltraTeclaValor(u',', EstadoCampo::noFim(""));
    EXPECT_TRUE(r.aceita() && r.trocaTexto);
    EXPECT_EQ(r.novoTexto, "0");
    EXPECT_EQ(r.novoCursor, 1);
    const QChar retrocesso(tecla::Retrocesso);
    EXPECT_EQ(FiltraTeclaValor(retrocesso, EstadoCampo::noFim("1,23")).tecla, retrocesso);
    // Three decimals when the field asks for them.
    EXPECT_TRUE(FiltraTeclaValor(u'7', EstadoCampo::noFim("1,23"), 3).aceita());
    EXPECT_FALSE(FiltraTeclaValor(u'7', EstadoCampo::noFim("1,234"), 3).aceita());
}

// What each kind keeps of typed keys is the screen test's (teste_campos); editing keys pass everywhere.
TEST(FiltrosSimples, TeclasDeEdicaoPassam)
{
    for (const QChar c : {QChar(tecla::Retrocesso), QChar(tecla::Enter), QChar(tecla::Delete)})
        EXPECT_TRUE(FiltraTeclaDecimal(c) == c && FiltraTeclaInteiro(c) == c && FiltraTeclaDataCodigo(c) == c) << int(c.unicode());
    EXPECT_EQ(BloqueiaAspas(QChar(0x00B4)), QChar(0x00B4));
    // Code fields share the date filter: the point of "1.1.2" passes, a comma or a letter does not.
    EXPECT_EQ(FiltraTeclaDataCodigo(u'.'), QChar(u'.'));
    EXPECT_TRUE(FiltraTeclaDataCodigo(u',').isNull() && FiltraTeclaDataCodigo(u'a').isNull());
}
