#include "core/Documentos.h"

#include <gtest/gtest.h>

TEST(Documentos, DigitosVerificadoresEPontuacao)
{
    const struct { const char* numero; bool valido; } cpfs[] = {
        {"52998224725", true},  {"11144477735", true}, {"12345678909", true},
        {"52998224726", false}, {"52998224715", false},   // second, first digit wrong
        {"5299822472", false},  {"00000000000", false}, {"529.982.247-25", false}, {"", false},
    };
    for (const auto& c : cpfs)
        EXPECT_EQ(ValidaCPF(c.numero), c.valido) << c.numero;
    const struct { const char* numero; bool valido; } cnpjs[] = {
        {"11222333000181", true},  {"11444777000161", true},  {"11222333000182", false}, {"11222333000191", false},
        {"1122233300018", false},  {"00000000000000", false}, {"11.222.333/0001-81", false},
    };
    for (const auto& c : cnpjs)
        EXPECT_EQ(ValidaCNPJ(c.numero), c.valido) << c.numero;
    // (text, punctuate?) -> result; only the eleven or fourteen digits of a document pass.
    const struct { const char* texto; bool pontua; const char* resultado; } formatos[] = {
        {"52998224725", true, "529.982.247-25"},      {"11222333000181", true, "11.222.333/0001-81"},
        {"529.982.247-25", false, "52998224725"},     {"11.222.333/0001-81", false, "11222333000181"},
        {"1122233300018", true, ""}, {"1122233300018", false, ""}, {"52998224725", false, ""}, {"", true, ""},
    };
    for (const auto& f : formatos)
        EXPECT_EQ(FormataDocumento(f.texto, f.pontua), f.resultado) << f.texto << ' ' << f.pontua;
}
