#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "core/Menu.h"
#include "reports/Relatorios.h"
#include "ui/reports/FrmRelatorio.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {
QString textoDoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

TEST(FrmRelatorio, DigitaOPeriodoEGeraOPdf)
{
    OrgaoAberto o;
    CalculaAnexosDoBimestre(o.p.ctx);
    o.sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, NomeCredor) VALUES "
          "(1, '201202', '12/2012', 'PADARIA SERENÓPOLIS LTDA')");
    o.sql("INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento, ValorPago, "
          "NumeroEmpenho) VALUES (1, 1, '201202', 'OB 77', '10/04/2012', 4567800, '12/2012')");
    FrmRelatorio tela(o.p.ctx, *EntradaDeNome("Anexo 14 (Pagamentos)"));
    EXPECT_EQ(tela.windowTitle(), QStringLiteral("Relatório - Anexo 14 (Pagamentos)"));
    EXPECT_EQ(tela.entrada(), QStringLiteral("Anexo 14 (Pagamentos)"));
    auto* periodo = Filho(tela, "txtBimReferencia");
    EXPECT_EQ(periodo->text(), QStringLiteral("03/2012")); // the open period
    EXPECT_FALSE(Filho<QSpinBox>(tela, "txtCopias")->isEnabled());
    Mostra(tela, "relatorio_anexo14p");

    // An empty period is refused and nothing is asked.
    periodo->setFocus();
    periodo->selectAll();
    QTest::keyClick(periodo, Qt::Key_Delete);
    Clica(tela, "cmdOk");
    EXPECT_EQ(o.p.ui.ultimo(), QStringLiteral("Informe o Bimestre Referência!"));

    // The second bimester to a PDF file chosen in the dialog.
    periodo->setFocus();
    periodo->home(false);
    QTest::keyClicks(periodo, "022012");
    EXPECT_EQ(periodo->text(), QStringLiteral("02/2012"));
    Filho<QRadioButton>(tela, "optpdf")->click();
    QTemporaryDir dir;
    o.p.ui.arquivos = {dir.filePath("pagamentos")};
    Clica(tela, "cmdOk");
    const QString pdf = dir.filePath("pagamentos.pdf");
    ASSERT_TRUE(QFile::exists(pdf)) << o.p.ui.ultimo().toStdString();
    EXPECT_EQ(o.p.ui.ultimo(), QStringLiteral("Relatório gravado em ") + QDir::toNativeSeparators(pdf) + u'.');
    const QString texto = textoDoPdf(pdf);
    for (const QString& t : {QStringLiteral("02/2012"), o.p.ctx.NomeOrgao, QStringLiteral("Valor Pago"), QStringLiteral("OB 77"),
                             QStringLiteral("456,78"), QStringLiteral("PADARIA SERENÓPOLIS LTDA")})
        EXPECT_TRUE(texto.contains(t)) << t.toStdString() << "\n" << texto.toStdString();

    // The printer enables the copies; the screen shows the preview window.
    Filho<QRadioButton>(tela, "optimpressora")->click();
    EXPECT_TRUE(Filho<QSpinBox>(tela, "txtCopias")->isEnabled());
    Filho<QRadioButton>(tela, "opttela")->click();
    bool viu = false;
    NoModal<QPrintPreviewDialog>(
        [](QPrintPreviewDialog* d) {
            QTest::qWait(200);
            Captura(d, "relatorio_previa");
            d->reject();
        },
        &viu);
    Clica(tela, "cmdOk");
    EXPECT_TRUE(viu);
}

TEST(FrmRelatorio, ReceitaTemModeloEUmLayoutQueFaltaDizQual)
{
    OrgaoAberto o;
    FrmRelatorio receita(o.p.ctx, *EntradaDeNome("Anexo 01 (Receita)"));
    EXPECT_NE(receita.findChild<QRadioButton*>("OptSintetico"), nullptr);
    EXPECT_TRUE(Filho<QRadioButton>(receita, "OptAnalitico")->isChecked());
    Mostra(receita, "relatorio_receita");
    FrmRelatorio anexo02(o.p.ctx, *EntradaDeNome("Anexo 02"));
    EXPECT_EQ(anexo02.findChild<QRadioButton*>("OptSintetico"), nullptr);
    // A layout file missing from the body folder is named, and nothing breaks.
    QFile::remove(CaminhoRelatorio(o.p.ctx, "Anexo02.rpt"));
    Filho<QRadioButton>(anexo02, "optpdf")->click();
    QTemporaryDir dir;
    o.p.ui.arquivos = {dir.filePath("a02.pdf")};
    anexo02.ok();
    EXPECT_TRUE(o.p.ui.ultimo().contains("Arquivo de relatório não encontrado: ")) << o.p.ui.ultimo().toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("a02.pdf")));
}
