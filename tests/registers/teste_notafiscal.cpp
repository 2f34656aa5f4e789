// The invoice check without the network: electronic-invoice keys built here field by field, the
// checks made as each field of the screen is left and the order of the missing fields.
#include "comum/InteracaoRoteiro.h"
#include "registers/NotaFiscal.h"

#include <gtest/gtest.h>

namespace {

// An electronic-invoice key from its fields; the check digit is DigitoChaveNFe's unless given.
QString Chave(const QString& uf, const QString& aamm, const QString& cnpj, const QString& modelo, const QString& serie,
              const QString& numero, int digito = -1)
{
    const QString k = uf + aamm + cnpj + modelo + serie + numero + QStringLiteral("1") + QStringLiteral("87654321");
    return k + QString::number(digito < 0 ? DigitoChaveNFe(k) : digito);
}

const QString Emitente = QStringLiteral("11222333000181");
const QString Outro = QStringLiteral("45678901000175");

NotaFiscal Nota(const QString& codigo)
{
    return {QStringLiteral("12345"), QStringLiteral("1"), QStringLiteral("15/03/2012"), Moeda::deReais(1500), Emitente, codigo};
}

const QString ChaveBoa = Chave("35", "1203", Emitente, "55", "001", "000012345");
const QString SoSefaz = QStringLiteral("O código autenticador só pode ser conferido pela Secretaria da Fazenda.");
const QString ValorForaDaChave = QStringLiteral("O valor não consta da chave e só pode ser conferido pela Secretaria da Fazenda.");

} // namespace

TEST(NotaFiscal, DigitoDaChave)
{
    // Modulo 11 with weights 2 to 9 from the right: remainders 0 and 1 give 0, 10 gives 1.
    const struct { const char* chave43; int digito; } casos[] = {
        {"3512031122233300018155001000012345187654321", 0}, // remainder 0
        {"3512031122233300018155001000012349187654321", 0}, // remainder 1
        {"3112020734561200016555000000100200100000001", 1}, // remainder 10
        {"4311114567890100017555002000000777112345678", 2},
        {"3512031122233300018155001000012347187654321", 5},
        {"3512031122233300018155001000012346187654321", 8},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DigitoChaveNFe(QString::fromLatin1(c.chave43)), c.digito) << c.chave43;
    EXPECT_EQ(ChaveBoa, QStringLiteral("35120311222333000181550010000123451876543210"));
}

TEST(NotaFiscal, ChaveEletronicaConferidaComANota)
{
    const auto com = [](NotaFiscal n, auto muda) { muda(n); return n; };
    const QString digitoErrado = ChaveBoa.left(43) + QStringLiteral("7");
    const struct {
        const char* caso;
        NotaFiscal nota;
        QStringList motivos;
    } casos[] = {
        {"valid", Nota(ChaveBoa), {}},
        {"series 55 names the model", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.serie = "55"; }), {}},
        {"leading zeros in the number", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.numero = "000012345"; }), {}},
        {"wrong digit", Nota(digitoErrado), {"Dígito verificador da chave inválido."}},
        {"wrong CNPJ", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.emitente = Outro; }),
         {"O CNPJ da chave não é o do emitente informado."}},
        {"punctuated CNPJ is the same", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.emitente = "11.222.333/0001-81"; }), {}},
        {"wrong month", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.emissao = "15/04/2012"; }),
         {"O ano e o mês da chave não são os da data de emissão."}},
        {"wrong year", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.emissao = "15/03/2011"; }),
         {"O ano e o mês da chave não são os da data de emissão."}},
        {"wrong number", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.numero = "12346"; }),
         {"O número da chave não é o da nota fiscal informada."}},
        {"wrong series", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.serie = "2"; }),
         {"A série da chave não é a da nota fiscal informada."}},
        {"a series of letters is not the key's 000",
         com(Nota(Chave("35", "1203", Emitente, "55", "000", "000012345")), [](NotaFiscal& n) { n.serie = "A"; }),
         {"A série da chave não é a da nota fiscal informada."}},
        {"no such state", Nota(Chave("99", "1203", Emitente, "55", "001", "000012345")), {"O código da UF da chave não existe."}},
        {"another model", Nota(Chave("35", "1203", Emitente, "57", "001", "000012345")),
         {"O modelo da chave não é o da nota fiscal eletrônica (55)."}},
        {"43 characters", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.serie = "55"; n.codigo.chop(1); }),
         {"A chave da nota fiscal eletrônica deve ter 44 algarismos, sem espaços nem pontuação."}},
        {"spaces between the groups", com(Nota(ChaveBoa), [](NotaFiscal& n) { n.serie = "55"; n.codigo = n.codigo.left(4) + " " + n.codigo.mid(4); }),
         {"A chave da nota fiscal eletrônica deve ter 44 algarismos, sem espaços nem pontuação."}},
        {"everything wrong at once, in order",
         NotaFiscal{"99", "7", "31/02/2012", Moeda(), "11222333000182", digitoErrado},
         {"Data de emissão inválida.", "CNPJ/CPF do emitente inválido.", "Valor da nota fiscal deve ser maior que zero.",
          "Dígito verificador da chave inválido.", "O CNPJ da chave não é o do emitente informado.",
          "A série da chave não é a da nota fiscal informada.", "O número da chave não é o da nota fiscal informada."}},
    };
    const ValidadorNotaFiscal validador;
    for (const auto& c : casos) {
        const ResultadoNotaFiscal r = validador.valida(c.nota);
        EXPECT_EQ(r.valida, c.motivos.isEmpty()) << c.caso;
        EXPECT_EQ(r.motivos, c.motivos) << c.caso;
        // The value is never in the key; a key that is no key has nothing else to say.
        const bool semChave = c.nota.codigo.size() != 44;
        EXPECT_EQ(r.naoVerificados, semChave ? QStringList() : QStringList{ValorForaDaChave}) << c.caso;
    }
}

TEST(NotaFiscal, NotaNaoEletronicaSoConfereOsCampos)
{
    const ValidadorNotaFiscal validador;
    NotaFiscal n = Nota(QStringLiteral("A1B2-C3D4"));
    ResultadoNotaFiscal r = validador.valida(n);
    EXPECT_TRUE(r.valida);
    EXPECT_TRUE(r.motivos.isEmpty());
    EXPECT_EQ(r.naoVerificados, QStringList{SoSefaz});
    // An issuer known by its CPF is checked as a CPF.
    n.emitente = QStringLiteral("52998224725");
    EXPECT_TRUE(validador.valida(n).valida);
    n.emitente = QStringLiteral("52998224724");
    n.valor = Moeda::deDecimos(-1);
    r = validador.valida(n);
    EXPECT_FALSE(r.valida);
    EXPECT_EQ(r.motivos, QStringList({"CNPJ/CPF do emitente inválido.", "Valor da nota fiscal deve ser maior que zero."}));
    EXPECT_EQ(r.naoVerificados, QStringList{SoSefaz});
    // A 44-digit code with another series is still read as a key.
    r = validador.valida(Nota(ChaveBoa.left(43) + QStringLiteral("9")));
    EXPECT_EQ(r.motivos, QStringList{"Dígito verificador da chave inválido."});
}

TEST(NotaFiscal, ConferenciasAoSairDosCampos)
{
    InteracaoRoteiro ui;
    const struct {
        bool (*confere)(Interacao&, const QString&);
        QString texto;
        QString mensagem; // empty: passes
    } casos[] = {
        {ConfereCnpjEmitente, Emitente, {}},
        {ConfereCnpjEmitente, {}, {}},
        {ConfereCnpjEmitente, "11222333000182", "O número 11222333000182 não é um CNPJ válido"},
        {ConfereCnpjEmitente, "1122233300018", "O número 1122233300018 não é um CNPJ válido"},
        {ConfereCnpjEmitente, "00000000000000", "O número 00000000000000 não é um CNPJ válido"},
        {ConfereDataEmissao, "29/02/2012", {}},
        {ConfereDataEmissao, "__/__/____", {}},
        {ConfereDataEmissao, "29/02/2011", "Data inválida"},
        {ConfereDataEmissao, "12/__/____", "Data inválida"},
        {ConfereSerieNotaFiscal, "1", {}},
        {ConfereSerieNotaFiscal, "(ver serie)", {}},
        {ConfereSerieNotaFiscal, "(Ver Serie)", "Apenas a série  TAL pode ser validade"},
    };
    for (const auto& c : casos) {
        ui.limpa();
        EXPECT_EQ(c.confere(ui, c.texto), c.mensagem.isEmpty()) << c.texto.toStdString();
        EXPECT_EQ(ui.textos(), c.mensagem.isEmpty() ? QStringList() : QStringList{c.mensagem}) << c.texto.toStdString();
        if (!ui.mensagens.isEmpty()) {
            EXPECT_EQ(ui.mensagens[0].titulo, TituloPrograma);
            EXPECT_EQ(ui.mensagens[0].icone, Interacao::Icone::Informacao);
        }
    }
}

TEST(NotaFiscal, CamposQueFaltamNaOrdemDaTela)
{
    // Filling the fields one by one: each step names the next one missing.
    NotaFiscal n{"", "", "__/__/____", Moeda(), "", ""};
    const std::pair<void (*)(NotaFiscal&), const char*> passos[] = {
        {[](NotaFiscal&) {}, "Informe o número da Nota Fiscal"},
        {[](NotaFiscal& x) { x.numero = " "; }, "Informe o número da Nota Fiscal"},
        {[](NotaFiscal& x) { x.numero = "12345"; }, "Informe a série da Nota Fiscal"},
        {[](NotaFiscal& x) { x.serie = "1"; }, "Informe a data de emissão da Nota Fiscal"},
        {[](NotaFiscal& x) { x.emissao = ""; }, "Informe a data de emissão da Nota Fiscal"},
        {[](NotaFiscal& x) { x.emissao = "15/03/2012"; }, "Informe o valor da Nota Fiscal"},
        {[](NotaFiscal& x) { x.valor = Moeda::deDecimos(100); }, "Informe o CNPJ do emitente da Nota Fiscal"},
        {[](NotaFiscal& x) { x.emitente = Emitente; }, "Informe o código de validação da Nota Fiscal"},
        {[](NotaFiscal& x) { x.codigo = ChaveBoa; }, ""},
    };
    InteracaoRoteiro ui;
    const ValidadorNotaFiscal validador;
    for (const auto& [muda, falta] : passos) {
        muda(n);
        ui.limpa();
        EXPECT_EQ(FaltaNaNotaFiscal(n), QString::fromUtf8(falta));
        const auto r = ValidaNotaFiscal(ui, validador, n);
        EXPECT_EQ(r.has_value(), !*falta) << falta;
        EXPECT_EQ(ui.textos(), *falta ? QStringList{QString::fromUtf8(falta)} : QStringList()) << falta;
    }
    // A partly typed date is no missing date: the validator tells it.
    n.emissao = QStringLiteral("15/__/____");
    EXPECT_EQ(FaltaNaNotaFiscal(n), QString());
    EXPECT_EQ(validador.valida(n).motivos.value(0), QStringLiteral("Data de emissão inválida."));
}
