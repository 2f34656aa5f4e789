#include "core/TiposCampo.h"

#include <gtest/gtest.h>

namespace {
DefinicaoCampo de(TipoCampo tipo)
{
    DefinicaoCampo c;
    c.tipo = tipo;
    return c;
}
} // namespace

// Every kind once: what a stored value shows, and what typed text stores.
TEST(TiposCampo, ValorGuardadoTextoMostradoETextoDigitado)
{
    DefinicaoCampo curto = de(TipoCampo::Texto);
    curto.tamanho = 4;
    curto.maiusculas = true;
    DefinicaoCampo iso = de(TipoCampo::Data);
    iso.dataIso = true;
    DefinicaoCampo lista = de(TipoCampo::Lista);
    lista.opcoes = {{"O", "Ordinário"}, {"E", "Por Estimativa"}};
    struct Caso {
        DefinicaoCampo campo;
        QVariant guardado;
        QString mostrado;
        QString digitado; // typed text that gives `guardado` back
    };
    const Caso casos[] = {
        {de(TipoCampo::Texto), "Recursos", "Recursos", "  Recursos "},
        {curto, "ABCD", "ABCD", "abcdef"},
        {de(TipoCampo::Inteiro), qlonglong(-12), "-12", "-12"},
        {de(TipoCampo::Valor), qlonglong(12345600), "1.234,56", "1234,56"},
        {de(TipoCampo::Valor), qlonglong(5000), "0,50", "0,5"},
        {de(TipoCampo::Percentual), qlonglong(250000), "25,00", "25%"},
        {de(TipoCampo::Decimal), 1.5, "1,5", "1,5"},
        {de(TipoCampo::Data), "01/03/2012", "01/03/2012", "1/3/12"},
        {iso, "1970-03-05", "05/03/1970", "5/3/1970"},
        {de(TipoCampo::Cpf), "52998224725", "529.982.247-25", "529.982.247-25"},
        {de(TipoCampo::Cnpj), "11222333000181", "11.222.333/0001-81", "11.222.333/0001-81"},
        {de(TipoCampo::CpfCnpj), "11222333000181", "11.222.333/0001-81", "11222333000181"},
        {de(TipoCampo::Cpf), "123", "123", "123"},
        {de(TipoCampo::Cep), "79002000", "79002-000", "79002-000"},
        {de(TipoCampo::Telefone), "(67) 3314-0000", "(67) 3314-0000", "(67) 3314-0000"},
        {lista, "E", "Por Estimativa", "por estimativa"},
        {lista, "O", "Ordinário", "o"},
        {de(TipoCampo::SimNao), 1, "Sim", "Sim"},
        {de(TipoCampo::SimNao), 0, "Não", "n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mostrado.toStdString());
        EXPECT_EQ(TextoDoValor(c.campo, c.guardado), c.mostrado);
        EXPECT_EQ(ValorDoTexto(c.campo, c.digitado).toString(), c.guardado.toString());
    }
    // Nothing, or no value of the kind, stores null.
    for (TipoCampo t : {TipoCampo::Valor, TipoCampo::Inteiro, TipoCampo::Data, TipoCampo::Lista, TipoCampo::Cpf}) {
        EXPECT_TRUE(ValorDoTexto(de(t), "  ").isNull());
        EXPECT_TRUE(ValorDoTexto(de(t), "abc").isNull()) << int(t);
        EXPECT_EQ(TextoDoValor(de(t), QVariant()), QString());
    }
    EXPECT_TRUE(ValorDoTexto(iso, "31/02/1970").isNull());
    EXPECT_EQ(MoedaDoValor(QVariant()), Moeda());
}
