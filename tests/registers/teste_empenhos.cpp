// Anexo XIV without a screen: the commitment balance, the value, date, number and invoice rules
// of the four grids typed as the user types them, the required-field tests of the checks and
// the conversion of the old commitment types.
#include "comum/BancoTeste.h"
#include "registers/Empenhos.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {
const QString Cnpj = QStringLiteral("11.222.333/0001-81");
const QString Cpf = QStringLiteral("529.982.247-25");
constexpr qlonglong R = 10000; // ten-thousandths in one real

// Answers as told and counts how often it was asked.
class ValidadorFalso : public ValidadorNotaFiscal {
public:
    bool resposta = false;
    mutable int chamadas = 0;
    mutable NotaFiscal ultima;
    ResultadoNotaFiscal valida(const NotaFiscal& n) const override
    {
        ++chamadas;
        ultima = n;
        ResultadoNotaFiscal r;
        r.valida = resposta;
        return r;
    }
};

struct Corpo : OrgaoAberto {
    ValidadorFalso validador;
    std::shared_ptr<ServicosAnexo14> servicos = std::make_shared<ServicosAnexo14>(ServicosAnexo14{validador, {}});

    Corpo()
    {
        sql("INSERT INTO tabAnexo26Extratos VALUES (1, '201203', '001', '1234', '5678-9', 'Movimento', 'Prefeitura')");
    }
    // A stored commitment of the period; its key.
    int empenho(const QString& numero, qlonglong reais, const QString& elemento = "339030", const QString& periodo = "201203")
    {
        const int id = banco().valor("SELECT COALESCE(max(idEmpenho), 0) + 1 FROM tabAnexo14Movimento").toInt();
        sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, NumeroProcesso, Tipo, ElementoDespesa,"
            " FonteRecurso, TipoDocumento, NumeroDocumento, NomeCredor, DataEmpenho, ValorEmpenhado)"
            " VALUES (?, ?, ?, '10/2012', 'O', ?, '001', '0', ?, 'Construtora Alfa', '10/05/2012', ?)",
            {id, periodo, numero, elemento, Cnpj, reais * R});
        return id;
    }
    int pagamento(int idEmpenho, const QString& numero, const QString& ordem, qlonglong reais)
    {
        const int id = banco().valor("SELECT COALESCE(max(idPagamento), 0) + 1 FROM tabAnexo14Pagamentos").toInt();
        sql("INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento, ValorPago,"
            " idContaCorrente, NumeroEmpenho, DocCredor) VALUES (?, ?, '201203', ?, '20/05/2012', ?, 1, ?, ?)",
            {id, idEmpenho, ordem, reais * R, numero, Cnpj});
        return id;
    }
    Moeda saldo(const QString& numero) { return SaldoEmpenho(banco(), numero); }
    int digita(Grade& g, const std::vector<std::pair<QString, QString>>& celulas)
    {
        const int l = g.novaLinha();
        for (const auto& [campo, texto] : celulas)
            g.defineTexto(l, g.indice(campo), texto);
        return l;
    }
    QString ultimo() const { return p.ui.ultimo(); }
};

Moeda reais(qlonglong r, qlonglong centavos = 0) { return Moeda::deDecimos(r * R + centavos * 100); }
} // namespace

TEST(Empenhos, SaldoSomaPagamentosAnulacoesEAnulacoesDePagamento)
{
    Corpo c;
    EXPECT_EQ(c.saldo("999"), Moeda());
    const int e = c.empenho("001", 1000);
    EXPECT_EQ(c.saldo("001"), reais(1000));
    const int pg = c.pagamento(e, "001", "OB-1", 600);
    c.sql("INSERT INTO tabAnexo14Anulacoes VALUES (1, '201203', ?, 'A1', ?, '001', ' ', '21/05/2012')", {e, 100 * R});
    c.sql("INSERT INTO tabAnexo14AnulacaoPagamento VALUES (1, ?, '201203', 'AP1', ?, '22/05/2012', 'OB-1')", {pg, 50 * R});
    // A payment of another commitment counts for that one only.
    const int outro = c.empenho("002", 80);
    c.pagamento(outro, "002", "OB-2", 80);
    EXPECT_EQ(c.saldo("001"), reais(350));
    EXPECT_EQ(c.saldo("002"), Moeda());
    EXPECT_EQ(VerificaSaldoPagt(c.banco(), pg), reais(550));
    EXPECT_EQ(VerificaSaldoPagt(c.banco(), 999), Moeda());
}

TEST(Empenhos, PagamentoNaoPassaDoSaldoEAlteracaoDevolveOValorGravado)
{
    Corpo c;
    const int e = c.empenho("001", 350);
    Grade g(c.p.ctx, DefinicaoPagamentos(c.servicos));
    g.defineMestre({e, "001"});
    // Exactly the balance goes; one cent more does not.
    int l = c.digita(g, {{"NumeroOBCheque", "OB-1"}, {"DocCredor", Cpf}, {"idContaCorrente", "1"}, {"DataPagamento", "20/05/2012"},
                         {"ValorPago", "350,01"}});
    EXPECT_EQ(c.ultimo(), "Saldo insuficiente para o Valor Informado.");
    // A new payment's value starts at 0,00 and keeps it when the typed value is refused.
    EXPECT_EQ(g.valor(l, "ValorPago"), QVariant(qlonglong(0)));
    g.defineTexto(l, g.indice("ValorPago"), "350,00");
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.saldo("001"), Moeda());
    EXPECT_EQ(g.valor(l, "DomBancario").toString(), "1234 / 5678-9 - 001");
    EXPECT_EQ(c.texto("SELECT NumeroEmpenho || '|' || idEmpenho || '|' || BimReferencia FROM tabAnexo14Pagamentos"),
              QString("001|%1|201203").arg(e));

    // A stored payment of 600 on a commitment whose balance is 350: 900 goes, 1 000 does not.
    c.sql("UPDATE tabAnexo14Movimento SET ValorEmpenhado = ?", {950 * R});
    c.sql("UPDATE tabAnexo14Pagamentos SET ValorPago = ?", {600 * R});
    g.PreencheGrid();
    ASSERT_EQ(g.linhas(), 1);
    ASSERT_EQ(c.saldo("001"), reais(350));
    c.p.ui.limpa();
    g.defineTexto(0, g.indice("ValorPago"), "1.000,00");
    EXPECT_EQ(c.ultimo(), "Saldo insuficiente para o Valor Informado.");
    EXPECT_EQ(g.moeda(0, "ValorPago"), reais(600));
    g.defineTexto(0, g.indice("ValorPago"), "900,00");
    ASSERT_TRUE(g.gravaLinha(0));
    EXPECT_EQ(c.saldo("001"), reais(50));
    // Zero or less is put back without a word.
    c.p.ui.limpa();
    g.defineTexto(0, g.indice("ValorPago"), "0");
    EXPECT_TRUE(c.p.ui.mensagens.isEmpty());
    EXPECT_EQ(g.moeda(0, "ValorPago"), reais(900));
}

TEST(Empenhos, ValorDoEmpenhoNaoFicaAbaixoDoPagoEAnulado)
{
    Corpo c;
    const int e = c.empenho("001", 600);
    const int pg = c.pagamento(e, "001", "OB-1", 500);
    c.sql("INSERT INTO tabAnexo14AnulacaoPagamento VALUES (1, ?, '201203', 'AP1', ?, NULL, 'OB-1')", {pg, 100 * R});
    c.sql("INSERT INTO tabAnexo14Anulacoes VALUES (1, '201203', ?, 'A1', ?, '001', ' ', NULL)", {e, 50 * R});
    Grade g(c.p.ctx, DefinicaoEmpenhos());
    g.PreencheGrid();
    ASSERT_EQ(g.linhas(), 1);
    const int v = g.indice("ValorEmpenhado");
    g.defineTexto(0, v, "900,00");
    ASSERT_TRUE(g.gravaLinha(0));
    EXPECT_EQ(c.saldo("001"), reais(450));
    // Paid 500, annulled 50, 100 of the payment annulled: 450 is the least.
    g.defineTexto(0, v, "449,99");
    EXPECT_EQ(c.ultimo(), "Novo Valor Insuficiente para os Valores de Anulações e Pagamentos");
    EXPECT_EQ(g.moeda(0, "ValorEmpenhado"), reais(900));
    g.defineTexto(0, v, "450,00");
    EXPECT_EQ(g.moeda(0, "ValorEmpenhado"), reais(450));
    c.p.ui.limpa();
    g.defineTexto(0, v, "-5");
    EXPECT_TRUE(c.p.ui.mensagens.isEmpty());
    EXPECT_EQ(g.moeda(0, "ValorEmpenhado"), reais(450));
}

TEST(Empenhos, NovoEmpenhoComSuasRegrasDeDigitacaoEGravacao)
{
    Corpo c;
    c.empenho("2012/001", 100, "339030", "201202");
    Grade g(c.p.ctx, DefinicaoEmpenhos());
    g.PreencheGrid();
    EXPECT_EQ(g.linhas(), 0); // the earlier period is not listed
    // A number of an earlier period of the year is told and emptied.
    int l = c.digita(g, {{"NumeroEmpenho", "2012/001"}});
    EXPECT_EQ(c.ultimo(), "Número de Empenho Existente no Ano.");
    EXPECT_TRUE(g.valor(l, "NumeroEmpenho").isNull());
    // The row's checks come in order.
    c.digita(g, {});
    g.defineTexto(l, g.indice("NumeroEmpenho"), "2012/002");
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(c.ultimo(), "Informe o Número do Processo.");
    g.defineTexto(l, g.indice("NumeroProcesso"), "55/2012");
    g.defineTexto(l, g.indice("Tipo"), "O");
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(c.ultimo(), "Informe a Data do Empenho.");
    // A date without a four-digit year from 1900 on.
    g.defineTexto(l, g.indice("DataEmpenho"), "10/05/1899");
    EXPECT_EQ(c.ultimo(), "Informe uma Data Válida ");
    EXPECT_TRUE(g.valor(l, "DataEmpenho").isNull());
    g.defineTexto(l, g.indice("DataEmpenho"), "10/5/2012"); // no year in its place
    EXPECT_EQ(c.ultimo(), "Informe uma Data Válida ");
    g.defineTexto(l, g.indice("DataEmpenho"), "10/05/2012");
    EXPECT_EQ(g.valor(l, "DataEmpenho").toString(), "10/05/2012");
    g.defineTexto(l, g.indice("ValorEmpenhado"), "1.500,00");
    g.defineTexto(l, g.indice("TipoDocumento"), "0");
    // The document follows its type.
    g.defineTexto(l, g.indice("NumeroDocumento"), "11222333000182");
    EXPECT_EQ(c.ultimo(), "Informe o CNPJ Correto.");
    EXPECT_TRUE(g.valor(l, "NumeroDocumento").isNull());
    g.defineTexto(l, g.indice("NumeroDocumento"), "11222333000181");
    EXPECT_EQ(g.valor(l, "NumeroDocumento").toString(), Cnpj);
    g.defineTexto(l, g.indice("NomeCredor"), "Construtora Alfa");
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(c.ultimo(), "Informe a Natureza da Despesa.");
    g.defineTexto(l, g.indice("ElementoDespesa"), "449051");
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT Tipo || '|' || Fundef || '|' || Royalties || '|' || ValorEmpenhado FROM tabAnexo14Movimento"
                      " WHERE NumeroEmpenho = '2012/002'"),
              "O|0|00|15000000");
    // The number of a stored row is not rewritten.
    EXPECT_FALSE(g.editavel(l, g.indice("NumeroEmpenho")));
    // A CPF creditor.
    l = c.digita(g, {{"TipoDocumento", "1"}, {"NumeroDocumento", "52998224724"}});
    EXPECT_EQ(c.ultimo(), "Informe o CPF Correto.");
    g.defineTexto(l, g.indice("NumeroDocumento"), "52998224725");
    EXPECT_EQ(g.valor(l, "NumeroDocumento").toString(), Cpf);

    // The database refuses the insert: the error box names where, and the row stays as typed.
    c.sql("CREATE TRIGGER recusa BEFORE INSERT ON tabAnexo14Movimento BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    for (const auto& [campo, texto] : std::vector<std::pair<QString, QString>>{
             {"NumeroEmpenho", "2012/003"}, {"NumeroProcesso", "56/2012"}, {"Tipo", "O"}, {"DataEmpenho", "11/05/2012"},
             {"ValorEmpenhado", "10,00"}, {"NomeCredor", "Maria"}, {"ElementoDespesa", "339030"}})
        g.defineTexto(l, g.indice(campo), texto);
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_TRUE(c.ultimo().contains("Origem.: Erro na Inclusão dados no Anexo")) << c.ultimo().toStdString();
    EXPECT_EQ(g.valor(l, "NumeroEmpenho").toString(), "2012/003");
}

TEST(Empenhos, ExclusaoRecusadaComAnulacoesOuPagamentos)
{
    Corpo c;
    const int e = c.empenho("001", 1000);
    const int pg = c.pagamento(e, "001", "OB-1", 100);
    c.sql("INSERT INTO tabAnexo14Anulacoes VALUES (1, '201203', ?, 'A1', ?, '001', ' ', NULL)", {e, 10 * R});
    c.sql("INSERT INTO tabAnexo14AnulacaoPagamento VALUES (1, ?, '201203', 'AP1', ?, NULL, 'OB-1')", {pg, 10 * R});
    Grade g(c.p.ctx, DefinicaoEmpenhos());
    g.PreencheGrid();
    EXPECT_FALSE(g.excluiLinha(0));
    EXPECT_EQ(c.ultimo(), "Existem Anulações referentes ao Empenho : 001");
    c.sql("DELETE FROM tabAnexo14Anulacoes");
    EXPECT_FALSE(g.excluiLinha(0));
    EXPECT_EQ(c.ultimo(), "Existem Pagamentos referentes ao Empenho :  001");
    Grade pagamentos(c.p.ctx, DefinicaoPagamentos(c.servicos));
    pagamentos.defineMestre({e, "001"});
    ASSERT_EQ(pagamentos.linhas(), 1);
    EXPECT_FALSE(pagamentos.excluiLinha(0));
    EXPECT_EQ(c.ultimo(), "Existem anulações referentes ao pagamento : OB-1");
    EXPECT_EQ(c.conta("tabAnexo14Movimento"), 1);
}

TEST(Empenhos, NotaFiscalConsultadaSoDe300EmDianteNosElementosDaNota)
{
    Corpo c;
    const int e = c.empenho("001", 5000, "339030");
    Grade g(c.p.ctx, DefinicaoPagamentos(c.servicos));
    g.defineMestre({e, "001"});
    const auto novo = [&](const QString& ordem, const QString& doc, const QString& emissao) {
        return c.digita(g, {{"NumeroNotaFiscal", "123"}, {"SerieNotaFiscal", "1"}, {"DataEmissaoNFiscal", emissao},
                            {"CodValidacaoNotaFiscal", "ABC"}, {"NumeroOBCheque", ordem}, {"DocCredor", doc},
                            {"idContaCorrente", "1"}, {"DataPagamento", "20/05/2012"}});
    };
    int l = novo("OB-1", Cnpj, "10/03/2011");
    g.defineTexto(l, g.indice("ValorPago"), "299,99");
    EXPECT_EQ(c.validador.chamadas, 0);
    EXPECT_EQ(g.moeda(l, "ValorPago"), reais(299, 99));
    g.cancelaLinha(l);
    // From 300,00 the validator is asked; its doubt only warns, the value and the row go in.
    l = novo("OB-1", Cnpj, "10/03/2011");
    c.p.ui.limpa();
    g.defineTexto(l, g.indice("ValorPago"), "300,00");
    EXPECT_EQ(c.validador.chamadas, 1);
    EXPECT_EQ(c.validador.ultima.valor, reais(300));
    EXPECT_EQ(c.validador.ultima.emitente, Cnpj);
    EXPECT_EQ(c.ultimo(), "Chave validadora invalida, o sistema gravará normalmente.");
    EXPECT_EQ(g.moeda(l, "ValorPago"), reais(300));
    // On insertion it is asked again (issued from 01/09/2009 on).
    c.p.ui.limpa();
    EXPECT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.validador.chamadas, 2);
    EXPECT_EQ(c.ultimo(), "Chave validadora inválida, o sistema gravará normalmente.");
    // Another payment with the same order is refused.
    l = novo("OB-1", Cnpj, "10/03/2012");
    g.defineTexto(l, g.indice("ValorPago"), "10,00");
    EXPECT_EQ(c.ultimo(), "Ordem Bancária: OB-1 Já Associada a Outro Pagamento");
    EXPECT_EQ(g.moeda(l, "ValorPago"), Moeda());
    g.cancelaLinha(l);
    // After April 2011 nothing is asked while typing; an element outside the list never is.
    const int antes = c.validador.chamadas;
    l = novo("OB-2", Cnpj, "10/05/2011");
    g.defineTexto(l, g.indice("ValorPago"), "400,00");
    EXPECT_EQ(c.validador.chamadas, antes);
    g.cancelaLinha(l);
    EXPECT_TRUE(ElementoComNotaFiscal("339052 "));
    EXPECT_FALSE(ElementoComNotaFiscal("339014"));
    EXPECT_FALSE(AutenticaAoIncluir("31/08/2009", reais(500), "339030"));
    EXPECT_TRUE(AutenticaAoIncluir("01/09/2009", reais(300), "339062"));
    EXPECT_TRUE(AutenticaAoDigitar("01/04/2011", reais(300), "339032"));
    EXPECT_FALSE(AutenticaAoDigitar("02/04/2011", reais(300), "339032"));
}

TEST(Empenhos, ChaveDaNotaEletronicaTem44CaracteresParaPessoaJuridica)
{
    Corpo c;
    c.validador.resposta = true;
    const int e = c.empenho("001", 5000, "339039");
    Grade g(c.p.ctx, DefinicaoPagamentos(c.servicos));
    g.defineMestre({e, "001"});
    const QString chave43(43, u'1');
    const auto novo = [&](const QString& ordem, const QString& doc, const QString& chave) {
        return c.digita(g, {{"SerieNotaFiscal", "55"}, {"CodValidacaoNotaFiscal", chave}, {"NumeroOBCheque", ordem},
                            {"DocCredor", doc}, {"idContaCorrente", "1"}, {"DataPagamento", "20/05/2012"}});
    };
    int l = novo("OB-1", Cnpj, chave43);
    g.defineTexto(l, g.indice("ValorPago"), "100,00");
    EXPECT_EQ(c.ultimo(), "Tamanho da Chave da Nota Fiscal Eletrônica Invalida");
    EXPECT_EQ(g.moeda(l, "ValorPago"), Moeda());
    g.cancelaLinha(l);
    // A CPF payee is not tested.
    c.p.ui.limpa();
    l = novo("OB-2", Cpf, chave43);
    g.defineTexto(l, g.indice("ValorPago"), "100,00");
    EXPECT_TRUE(c.p.ui.mensagens.isEmpty());
    EXPECT_TRUE(g.gravaLinha(l));
    l = novo("OB-3", Cnpj, chave43 + u'1');
    g.defineTexto(l, g.indice("ValorPago"), "100,00");
    EXPECT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.conta("tabAnexo14Pagamentos"), 2);
}

TEST(Empenhos, OrgaoIntegradoPedeAChaveAoServico)
{
    Corpo c;
    c.sql("UPDATE tabChave SET IntegradoSet = 1, CGC = '11222333000181'");
    QString cnpjPedido;
    c.servicos->chaveAutenticadora = [&](const NotaFiscal& n, const QString& cnpj) {
        cnpjPedido = cnpj;
        return "CHAVE-" + n.numero;
    };
    const int e = c.empenho("001", 5000, "339030");
    Grade g(c.p.ctx, DefinicaoPagamentos(c.servicos));
    g.defineMestre({e, "001"});
    const int l = c.digita(g, {{"NumeroNotaFiscal", "77"}, {"SerieNotaFiscal", "1"}, {"DataEmissaoNFiscal", "10/01/2011"},
                               {"CodValidacaoNotaFiscal", "X"}, {"NumeroOBCheque", "OB-9"}, {"DocCredor", Cnpj},
                               {"ValorPago", "1.000,00"}});
    EXPECT_EQ(g.valor(l, "CodValidacaoNotaFiscal").toString(), "CHAVE-77");
    EXPECT_EQ(cnpjPedido, "11222333000181");
    EXPECT_EQ(c.validador.chamadas, 0);
    // The account is required, and must be one of the register.
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(c.ultimo(), "Informe a Conta Corrente");
    g.defineTexto(l, g.indice("idContaCorrente"), "7");
    EXPECT_FALSE(g.gravaLinha(l));
    EXPECT_EQ(c.ultimo(), "Informe a Conta Corrente");
}

TEST(Empenhos, AnulacoesDeEmpenhoEDePagamento)
{
    Corpo c;
    const int e = c.empenho("001", 1000);
    const int pg = c.pagamento(e, "001", "OB-1", 600);
    Grade a(c.p.ctx, DefinicaoAnulacoesEmpenho());
    a.defineMestre({e, "001"});
    int l = c.digita(a, {{"NotaAnulacao", "N1"}, {"ValorAnulado", "400,01"}});
    EXPECT_EQ(c.ultimo(), "Saldo insuficiente para o Valor Informado.");
    a.defineTexto(l, a.indice("ValorAnulado"), "400,00");
    ASSERT_TRUE(a.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT '[' || COALESCE(MotivoAnulacao, '') || ']' || NumeroEmpenho || '|' || idEmpenho"
                      " FROM tabAnexo14Anulacoes"),
              QString("[]001|%1").arg(e));
    l = c.digita(a, {{"NotaAnulacao", "N1"}});
    EXPECT_EQ(c.ultimo(), "Nota da Anulação Existente no Empenho.");
    EXPECT_TRUE(a.valor(l, "NotaAnulacao").isNull());
    a.cancelaLinha(l);

    Grade ap(c.p.ctx, DefinicaoAnulacoesPagamento());
    ap.defineMestre({pg, "OB-1"});
    l = c.digita(ap, {{"NotaAnulacao", "P1"}, {"ValorAnulacao", "600,01"}});
    EXPECT_EQ(c.ultimo(), "Saldo Insuficiente No Pagamento Para Esta Anulação");
    ap.defineTexto(l, ap.indice("ValorAnulacao"), "600,00");
    ASSERT_TRUE(ap.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT NumeroOBCheque FROM tabAnexo14AnulacaoPagamento"), "OB-1");
    EXPECT_EQ(c.saldo("001"), reais(600));
    // Lowering a stored annulment counts its stored value back.
    ap.defineTexto(l, ap.indice("ValorAnulacao"), "500,00");
    EXPECT_TRUE(ap.gravaLinha(l));
    l = c.digita(ap, {{"NotaAnulacao", "P1"}});
    EXPECT_EQ(c.ultimo(), "Nota de Anulação já cadastrada para o empenho");

    // The payment is not lowered below what of it was annulled, typed or stored.
    Grade pagamentos(c.p.ctx, DefinicaoPagamentos(c.servicos));
    pagamentos.defineMestre({e, "001"});
    ASSERT_EQ(pagamentos.linhas(), 1);
    pagamentos.defineTexto(0, pagamentos.indice("ValorPago"), "499,99");
    EXPECT_EQ(c.ultimo(), MensagemPagamentoAbaixoDasAnulacoes);
    EXPECT_EQ(pagamentos.moeda(0, "ValorPago"), reais(600));
    pagamentos.defineValor(0, pagamentos.indice("ValorPago"), 499 * R);
    EXPECT_FALSE(pagamentos.gravaLinha(0));
    pagamentos.defineTexto(0, pagamentos.indice("ValorPago"), "500,00");
    EXPECT_TRUE(pagamentos.gravaLinha(0));
}

TEST(Empenhos, TiposAntigosConvertidosAoAbrir)
{
    Corpo c;
    for (const char* tipo : {"0", "1", "2", "O"})
        c.sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, Tipo) VALUES"
              " ((SELECT COALESCE(max(idEmpenho), 0) + 1 FROM tabAnexo14Movimento), '201203', ?, ?)",
              {QString("N") + tipo, tipo});
    DefinicaoGrade d = DefinicaoEmpenhos();
    d.aoAbrir(c.p.ctx);
    EXPECT_EQ(c.texto("SELECT group_concat(NumeroEmpenho || '=' || Tipo, ';') FROM"
                      " (SELECT * FROM tabAnexo14Movimento ORDER BY NumeroEmpenho)"),
              "N0=G;N1=O;N2=E;NO=O");
    EXPECT_EQ(ConverteTiposEmpenho(c.banco()), 0);
    EXPECT_EQ(TipoEmpenhoDeDigito("1"), "O");
    EXPECT_EQ(TipoEmpenhoDeDigito("E"), "E");
}

TEST(Empenhos, CamposObrigatoriosDosQuatroRegistros)
{
    const QString cr = "\r";
    struct Caso {
        CamposEmpenho e;
        QString rotulos;
    };
    const CamposEmpenho completo{"1", "2", "O", "339030", "001", "0", Cnpj, "Alfa", "10/05/2012", "1500000"};
    std::vector<Caso> casos{{completo, ""}};
    CamposEmpenho e = completo;
    e.numeroEmpenho = " ";
    e.fonteRecurso = "";
    casos.push_back({e, "*Número do Empenho." + cr + "*Fonte dos Recursos." + cr});
    e = completo;
    e.nomeCredor = "";
    e.dataEmpenho = "31/02/2012";
    e.valorEmpenhado = "abc";
    casos.push_back({e, "*Nomer do Credor*Data do Empenho*Valor do Empenho"});
    e = CamposEmpenho{};
    casos.push_back({e, "*Número do Empenho." + cr + "*Número do Processo." + cr + "*Tipo do Empenho." + cr
                            + "*Elemento de Despesa." + cr + "*Fonte dos Recursos." + cr
                            + "*Tipo do Documento*Número do Documento*Nomer do Credor*Data do Empenho*Valor do Empenho"});
    for (const Caso& k : casos)
        EXPECT_EQ(ValidaAnexo14Empenho(k.e), k.rotulos);

    EXPECT_EQ(ValidaAnexo14Pagamento({}),
              "*Número do Empenho.*Número da Ordem Bancária.*Data de Pagamento.*Valor do Pagamento.*Conta Corrente");
    EXPECT_EQ(ValidaAnexo14Pagamento({"1", "OB", "20/05/2012", "", "", "", "", "1.234,50", "", "1"}), "");
    EXPECT_EQ(ValidaAnexo14Anulacao({"1", "N", "x", "1/1/2012"}), "*Valor Anulado.");
    EXPECT_EQ(ValidaAnexo14Anulacao({}), "*Número do Empenho.*Nota da Anulação.*Valor Anulado.*Data de Anulações.");
    EXPECT_EQ(ValidaAnexo14AnulacaoPagamento({}), "*Número da Ordem Bancária.*Nota da Anulação.*Valor Anulado.*Data de Anulação");

    // Read from the table as the checks read it: null values are empty texts.
    OrgaoAberto o;
    o.sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, NumeroProcesso, Tipo, ElementoDespesa,"
          " FonteRecurso, TipoDocumento, NumeroDocumento, NomeCredor, DataEmpenho, ValorEmpenhado)"
          " VALUES (1, '201203', '9', 'P', 'O', '339030', '001', '0', 'x', 'Alfa', NULL, 100)");
    QSqlQuery q = o.banco().executa("SELECT * FROM tabAnexo14Movimento");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(ValidaAnexo14Empenho(CamposEmpenho::de(q.record())), "*Data do Empenho");
}
