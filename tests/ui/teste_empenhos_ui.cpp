// The Anexo XIV editor as a user meets it: opened from its menu entry over a few dozen acts,
// a commitment typed, its payment typed on the next tab with the balance shown, the earlier
// periods asked for.
#include "Capturas.h"
#include "ui/core/GradeRegistro.h"
#include "ui/core/TelaMestreDetalhe.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>

namespace {
// Thirty commitments of this bimester and six of the previous one, two payments each.
struct Anexo14 : TelasDoOrgao {
    Anexo14()
    {
        sql("INSERT INTO tabAnexo26Extratos VALUES (1, '201203', '001', '1234', '5678-9', 'Movimento', 'Prefeitura')");
        sql("INSERT INTO tabAnexo14Movimento WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 36)"
            " SELECT i, CASE WHEN i > 30 THEN '201202' ELSE '201203' END, printf('%03d/2012', i), printf('%02d/2012', i),"
            " 'O', '', '339030', '001', '0', '11.222.333/0001-81', 'FORNECEDOR ' || i, '10/05/2012', (1000 + i) * 10000,"
            " '0', '00', '02.001', '04.122', '0001.2001' FROM n");
        sql("INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento, ValorPago,"
            " idContaCorrente, NumeroEmpenho, DocCredor) SELECT idEmpenho * 2 - k, idEmpenho, BimReferencia,"
            " 'OB' || (idEmpenho * 2 - k), '20/05/2012', 1000000, 1, NumeroEmpenho, NumeroDocumento FROM tabAnexo14Movimento,"
            " (SELECT 0 AS k UNION ALL SELECT 1)");
    }
};
} // namespace

TEST(TelasAnexo14, EmpenhoEPagamentoDigitadosComSaldo)
{
    Anexo14 a;
    auto* tela = a.abre<TelaMestreDetalhe>("registrar.14", "anexo14");
    GradeRegistro* m = tela->mestre();
    ASSERT_EQ(m->grade().linhas(), 30);

    // A new commitment typed with the keyboard, the lists set as the picker of a cell does.
    const int nova = m->grade().linhas();
    VaiPara(m, nova, 2);
    DigitaTeclas("77/2012\r900/2012\r\r");
    Grade& g = m->grade();
    g.defineTexto(nova, g.indice("Tipo"), "E");
    VaiPara(m, nova, 6);
    DigitaTeclas("15/05/2012\r2.500,00\r");
    g.defineTexto(nova, g.indice("TipoDocumento"), "1");
    VaiPara(m, nova, 9);
    DigitaTeclas("52998224725\rMaria da Silva\r\r\r\r339039\r001\r");
    a.p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_TRUE(a.p.ui.mensagens.isEmpty()) << a.p.ui.ultimo().toStdString();
    EXPECT_EQ(a.texto("SELECT Tipo || '|' || NumeroDocumento || '|' || ValorEmpenhado FROM tabAnexo14Movimento"
                      " WHERE NumeroEmpenho = '900/2012'"),
              "E|529.982.247-25|25000000");
    Captura(tela, "anexo14-empenho");

    // Its payment on the next tab.
    int linha = -1;
    for (int l = 0; l < g.linhas(); ++l)
        if (g.valor(l, "NumeroEmpenho").toString() == "900/2012")
            linha = l;
    ASSERT_GE(linha, 0);
    VaiPara(m, linha, 3);
    tela->abas()->setCurrentIndex(1);
    QApplication::processEvents();
    GradeRegistro* pg = tela->detalhe(1);
    EXPECT_EQ(pg->grade().linhas(), 0);
    auto* legenda = tela->findChild<QLabel*>("lblEmpenho");
    ASSERT_NE(legenda, nullptr);
    EXPECT_EQ(legenda->text(), QStringLiteral("Empenho : 900/2012 - Credor : Maria da Silva    Saldo do Empenho : 2.500,00"));
    VaiPara(pg, 0, 8);
    DigitaTeclas("OB-900\r");
    VaiPara(pg, 0, 10);
    DigitaTeclas("52998224725\r20/05/2012\r3.000,00\r");
    EXPECT_EQ(a.p.ui.ultimo(), "Saldo insuficiente para o Valor Informado.");
    VaiPara(pg, 0, 12);
    DigitaTeclas("2.000,00\r1\r");
    EXPECT_EQ(Celula(pg, 0, 9), "1234 / 5678-9 - 001");
    EXPECT_EQ(Celula(pg, 0, 1), "900/2012");
    a.p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_TRUE(a.p.ui.mensagens.isEmpty()) << a.p.ui.ultimo().toStdString();
    EXPECT_EQ(a.conta("tabAnexo14Pagamentos", "NumeroEmpenho = '900/2012'"), 1);
    EXPECT_TRUE(legenda->text().endsWith("Saldo do Empenho : 500,00")) << legenda->text().toStdString();
    Captura(tela, "anexo14-pagamentos");

    // The earlier periods, grey and read-only.
    tela->abas()->setCurrentIndex(0);
    auto* anteriores = tela->findChild<QCheckBox*>("chkBimAnteriores");
    ASSERT_NE(anteriores, nullptr);
    anteriores->setChecked(true);
    EXPECT_EQ(m->grade().linhas(), 37);
    int cinza = 0;
    for (int l = 0; l < m->grade().linhas(); ++l)
        cinza += m->grade().outroPeriodo(l) ? 1 : 0;
    EXPECT_EQ(cinza, 6);
    Captura(tela, "anexo14-anteriores");
    anteriores->setChecked(false);
    EXPECT_EQ(m->grade().linhas(), 31);
}
