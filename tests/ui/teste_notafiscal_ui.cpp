// "Validar código autenticador da nota fiscal" as a user meets it: opened from its menu entry,
// typed field by field, the messages as fields are left and as Validar refuses, the result.
#include "Capturas.h"
#include "registers/NotaFiscal.h"

#include <QLabel>

namespace {
struct TelaNota : TelasDoOrgao {
    TelaNota() { abre("utilitarios.notafiscal", {}, QSize()); }
    QLineEdit* campo(const char* nome) { return Filho(*tela, nome); }
    bool visivel(const char* rotulo) { return Filho<QLabel>(*tela, rotulo)->isVisible(); }
    QString foco() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    // Enters a field as a click would: its text selected, so typing replaces it.
    void entra(const char* nome)
    {
        campo(nome)->setFocus();
        QApplication::processEvents();
    }
    // Types into the field that has the focus and leaves it with Enter.
    void digita(const QString& texto) { DigitaTeclas(texto + u'\r'); }
};

const char* const Campos[] = {"txtnumeronf", "txtserienf", "txtdataemissaonf", "txtvalornf", "txtcnpjemitentenf", "txtcodigovalidacaonf"};
} // namespace

TEST(TelaNotaFiscal, DigitadaCampoACampoEValidada)
{
    TelaNota t;
    QWidget& tela = *t.tela;
    EXPECT_EQ(t.campo("txtdataemissaonf")->displayText(), QStringLiteral("__/__/____"));
    EXPECT_EQ(t.campo("txtvalornf")->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(t.visivel("lblCerto") || t.visivel("lblErrado"));

    // Validar with nothing typed, then each field in its turn: the first one missing is told.
    const char* const faltas[] = {"Informe o número da Nota Fiscal", "Informe a série da Nota Fiscal",
                                  "Informe a data de emissão da Nota Fiscal", "Informe o valor da Nota Fiscal",
                                  "Informe o CNPJ do emitente da Nota Fiscal", "Informe o código de validação da Nota Fiscal"};
    // Keys as typed: the date's mask takes digits only, money keys make 1.500,00, the CNPJ keeps its digits.
    const QString digitado[] = {"12345", "1", "15032012", "1500,00", "11.222.333/0001-81",
                                "35120311222333000181550010000123451876543210"};
    const QString mostrado[] = {"12345", "1", "15/03/2012", "1.500,00", "11222333000181",
                                "35120311222333000181550010000123451876543210"};
    t.entra(Campos[0]);
    for (int i = 0; i < 6; ++i) {
        t.p.ui.limpa();
        Clica(tela, "cmdValidar");
        EXPECT_EQ(t.p.ui.textos(), QStringList{QString::fromUtf8(faltas[i])}) << i;
        EXPECT_EQ(t.p.ui.mensagens.value(0).titulo, TituloPrograma);
        t.entra(Campos[i]);
        EXPECT_EQ(t.foco(), QString::fromLatin1(Campos[i]));
        t.digita(digitado[i]);
        // Enter moves on in field order.
        EXPECT_EQ(t.foco(), i < 5 ? QString::fromLatin1(Campos[i + 1]) : QStringLiteral("cmdValidar")) << i;
        EXPECT_EQ(t.campo(Campos[i])->displayText(), mostrado[i]) << i;
    }
    // Typing told nothing more than the last refusal.
    EXPECT_EQ(t.p.ui.textos(), QStringList{QString::fromUtf8(faltas[5])});
    t.p.ui.limpa();
    Clica(tela, "cmdValidar");
    EXPECT_TRUE(t.p.ui.mensagens.isEmpty());
    EXPECT_TRUE(t.visivel("lblCerto"));
    EXPECT_FALSE(t.visivel("lblErrado"));
    EXPECT_EQ(Filho<QLabel>(tela, "lblDetalhe")->text(),
              QStringLiteral("O valor não consta da chave e só pode ser conferido pela Secretaria da Fazenda."));
    Captura(&tela, "nota_fiscal_validada");

    // Entering a field hides the result; another month makes the code invalid.
    t.entra("txtdataemissaonf");
    EXPECT_FALSE(t.visivel("lblCerto") || t.visivel("lblErrado") || t.visivel("lblDetalhe"));
    t.digita("15042012");
    Clica(tela, "cmdValidar");
    EXPECT_TRUE(t.visivel("lblErrado"));
    EXPECT_FALSE(t.visivel("lblCerto"));
    EXPECT_TRUE(Filho<QLabel>(tela, "lblDetalhe")->text().startsWith("O ano e o mês da chave não são os da data de emissão."));
    Captura(&tela, "nota_fiscal_invalida");

    // Limpar: everything back as it opened.
    Clica(tela, "cmdlimpar");
    for (const char* c : Campos)
        EXPECT_EQ(t.campo(c)->displayText(), QString::fromLatin1(c) == "txtdataemissaonf" ? "__/__/____"
                                             : QString::fromLatin1(c) == "txtvalornf"     ? "0,00"
                                                                                          : "") << c;
    EXPECT_FALSE(t.visivel("lblCerto") || t.visivel("lblErrado"));
    EXPECT_EQ(t.foco(), QStringLiteral("txtnumeronf"));

    // Sair closes the screen.
    Clica(tela, "cmdSair");
    EXPECT_FALSE(tela.isVisible());
}

TEST(TelaNotaFiscal, MensagensAoSairDosCampos)
{
    TelaNota t;
    const struct { const char* campo; QString teclas; QString mensagem; QString fica; } casos[] = {
        {"txtserienf", "(Ver Serie)", "Apenas a série  TAL pode ser validade", "(Ver Serie)"},
        {"txtdataemissaonf", "31022012", "Data inválida", "31/02/2012"},
        {"txtdataemissaonf", "1503", "Data inválida", "15/03/____"},
        // Money keys: letters are refused, an empty value is 0,00.
        {"txtvalornf", "abc", "", "0,00"},
        {"txtvalornf", "12,345", "", "12,34"},
        // Enter leaves the value for the CNPJ, and the CNPJ for the code.
        {"txtcnpjemitentenf", "11222333000182", "O número 11222333000182 não é um CNPJ válido", "11222333000182"},
        {"txtcnpjemitentenf", "123", "O número 123 não é um CNPJ válido", "123"},
    };
    for (const auto& c : casos) {
        t.p.ui.limpa();
        t.entra(c.campo);
        t.digita(c.teclas);
        EXPECT_EQ(t.p.ui.textos(), c.mensagem.isEmpty() ? QStringList() : QStringList{c.mensagem}) << c.campo;
        EXPECT_EQ(t.campo(c.campo)->displayText(), c.fica) << c.campo;
    }
    Captura(t.tela.get(), "nota_fiscal");
}
