// The password digest, the code page it is written in and the permission strings.
#include "core/Seguranca.h"
#include "core/Usuarios.h"

#include <gtest/gtest.h>

TEST(CodificaSenha, DigestosConhecidos)
{
    const struct { QString senha, digesto; } casos[] = {
        // "admin": weighted sum 3095, sqrt(3)*sqrt(3095) = 096.358704848 -> pairs 58 70 48.
        {"admin", QString::fromUtf8("Ÿ«•")},
        // Ten characters: the last weighs -1 (sum 1755 -> 072.560319735), and the fifth pair
        // falls past the eight digits kept, giving code 101.
        {"0123456789", QString::fromUtf8("¡„Æˆe")},
        // Accents weigh their Windows-1252 codes (ç 231, ã 227), never their UTF-8 bytes.
        {QString::fromUtf8("Ação"), QString::fromUtf8("¶’")},
        {"", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CodificaSenha(c.senha).value_or("sem digesto"), c.digesto) << c.senha.toStdString();
    // From the tenth character on the weight is negative; a negative sum has no digest.
    EXPECT_FALSE(CodificaSenha(QString(20, u'a')).has_value());
}

TEST(CodificaSenha, Windows1252)
{
    EXPECT_EQ(CodigoCp1252(QChar(0x20AC)), 0x80);
    EXPECT_EQ(CodigoCp1252(QChar(0x0081)), 0x81);   // undefined byte: its C1 control
    EXPECT_EQ(CodigoCp1252(QChar(0x4E2D)), '?');
    EXPECT_EQ(CaractereCp1252(0x8A), QChar(0x0160));
    for (int c = 32; c < 256; ++c)
        EXPECT_EQ(CodigoCp1252(CaractereCp1252(c)), c);
}

TEST(Permissoes, CadeiasDePermissao)
{
    const struct { const char* codigo; const char* permissoes; bool tem; } casos[] = {
        {"P03", "P03;", true},         {"P05", "P03;", false},  {"P05", "P01;P00;", true},  // P00: everything
        {"P00", "", false},            {"P03", "P03", false},   // every code is followed by ";"
        {"P03", "p03;", false},        {"P01", "P01;P03;P05;", true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TemPermissao(c.codigo, c.permissoes), c.tem) << c.codigo << " em " << c.permissoes;
    EXPECT_EQ(MontaPermissoes({1, 3, 5}), "P01;P03;P05;");
    EXPECT_EQ(CodigosDePermissao(MontaPermissoes({1, 3, 5})), QStringList({"P01", "P03", "P05"}));
    EXPECT_TRUE(MontaPermissoes({}).isEmpty() && CodigosDePermissao("").isEmpty());
    // A string without its last separator still gives its last code.
    EXPECT_EQ(CodigosDePermissao("P02;P04"), QStringList({"P02", "P04"}));
    // Only the predefined group "01" is closed to editing.
    EXPECT_TRUE(!GrupoEditavel("01") && GrupoEditavel("002") && GrupoEditavel(""));
}
