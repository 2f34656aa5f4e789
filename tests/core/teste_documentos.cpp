#include "core/Documentos.h"

#include <gtest/gtest.h>

TEST(ValidaCPF, DigitosVerificadores)
{
    EXPECT_TRUE(ValidaCPF(QStringLiteral("52998224725")));
    EXPECT_TRUE(ValidaCPF(QStringLiteral("11144477735")));
    EXPECT_TRUE(ValidaCPF(QStringLiteral("12345678909")));
    EXPECT_FALSE(ValidaCPF(QStringLiteral("52998224726"))); // second digit wrong
    EXPECT_FALSE(ValidaCPF(QStringLiteral("52998224715"))); // first digit wrong
    EXPECT_FALSE(ValidaCPF(QStringLiteral("5299822472")));  // ten digits
    EXPECT_FALSE(ValidaCPF(QStringLiteral("00000000000")));
    EXPECT_FALSE(ValidaCPF(QStringLiteral("529.982.247-25")));
    EXPECT_FALSE(ValidaCPF(QString()));
}

TEST(ValidaCNPJ, DigitosVerificadores)
{
    EXPECT_TRUE(ValidaCNPJ(QStringLiteral("11222333000181")));
    EXPECT_TRUE(ValidaCNPJ(QStringLiteral("11444777000161")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("11222333000182")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("11222333000191")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("1122233300018")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("00000000000000")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("11.222.333/0001-81")));
}

TEST(FormataDocumento, PontuaERetiraPontuacao)
{
    EXPECT_EQ(FormataDocumento(QStringLiteral("52998224725"), true), QStringLiteral("529.982.247-25"));
    EXPECT_EQ(FormataDocumento(QStringLiteral("11222333000181"), true), QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(FormataDocumento(QStringLiteral("529.982.247-25"), false), QStringLiteral("52998224725"));
    EXPECT_EQ(FormataDocumento(QStringLiteral("11.222.333/0001-81"), false), QStringLiteral("11222333000181"));
    EXPECT_EQ(FormataDocumento(QStringLiteral("1122233300018"), true), QString());
    EXPECT_EQ(FormataDocumento(QStringLiteral("1122233300018"), false), QString());
    EXPECT_EQ(FormataDocumento(QStringLiteral("52998224725"), false), QString());
    EXPECT_EQ(FormataDocumento(QString(), true), QString());
}
