// The report "Anexo 14 (Pagamentos)" over 10 000 payments (or the count given as argument) made
// into a PDF and into a spreadsheet, each beside the sqlite3 tool reading the same rows in the
// same order.
#include "comum/Medida.h"
#include "reports/Relatorios.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace {

const QString Periodo = QStringLiteral("201203");

void preenche(const Banco& b, int pagamentos)
{
    Transacao t(b);
    b.executa(QStringLiteral("INSERT INTO tabAnexo26Extratos VALUES (1, ?, '001', '1234', '5678-9', 'Movimento', 'Prefeitura')"),
              {Periodo});
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, NomeCredor, ValorEmpenhado) "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                  "SELECT i, ?, printf('%06d/2012', i), 'FORNECEDOR DE MATERIAIS E SERVIÇOS NÚMERO ' || (i % 700), 50000000 FROM n"),
              {pagamentos / 2, Periodo});
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento,"
                  " SerieNotaFiscal, NumeroNotaFiscal, DataEmissaoNFiscal, ValorPago, idContaCorrente, NumeroEmpenho, DocCredor) "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                  "SELECT i, 1 + i % ?, ?, printf('OB%07d', i), printf('%02d/05/2012', 1 + i % 28), '1', i, '10/05/2012',"
                  " 1000000 + i * 37, 1, printf('%06d/2012', 1 + i % ?), '11222333000181' FROM n"),
              {pagamentos, pagamentos / 2, Periodo, pagamentos / 2});
    t.confirma();
}

int executa(int pagamentos)
{
    bench::OrgaoDeBench orgao(Periodo);
    Contexto& ctx = orgao.ctx;
    ctx.NomeOrgao = QStringLiteral("PREFEITURA MUNICIPAL DE RIO CELESTE");
    preenche(ctx.BancoOrgao, pagamentos);
    const int vezes = bench::Vezes(3);
    PedidoRelatorio pedido = PedidoDaEntrada(ctx, *EntradaDeNome(QStringLiteral("Anexo 14 (Pagamentos)")), Periodo);
    pedido.arquivo = QStringLiteral(LUMO_DIR_DADOS "/relatorios/Anexo14P.rpt");
    const QString pdf = orgao.dir.filePath(QStringLiteral("a14.pdf"));
    const QString xlsx = orgao.dir.filePath(QStringLiteral("a14.xlsx"));

    int linhas = 0;
    const double tempoPdf = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] {
            const DadosRelatorio d = CarregaRelatorio(ctx.BancoOrgao, pedido);
            linhas = d.linhas;
            GravaPdf(d, pdf);
        });
    });
    const double leitura = bench::MedianaDe(vezes, [&] { return bench::Ms([&] { CarregaRelatorio(ctx.BancoOrgao, pedido); }); });
    const double tempoXlsx = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] { GravaXlsx(CarregaRelatorio(ctx.BancoOrgao, pedido), xlsx); });
    });
    const QString sql = QStringLiteral(
        "SELECT p.NumeroEmpenho, e.NomeCredor, p.DocCredor, p.NumeroOBCheque, p.DataPagamento, c.Conta_Corrente, p.NumeroNotaFiscal,"
        " p.SerieNotaFiscal, p.DataEmissaoNFiscal, p.ValorPago FROM tabAnexo14Pagamentos p"
        " LEFT JOIN tabAnexo14Movimento e ON e.idEmpenho = p.idEmpenho LEFT JOIN tabAnexo26Extratos c ON c.idConta = p.idContaCorrente"
        " WHERE p.BimReferencia = '%1' ORDER BY substr(p.DataPagamento, 7, 4), substr(p.DataPagamento, 4, 2),"
        " substr(p.DataPagamento, 1, 2), p.idPagamento;").arg(Periodo);
    const double piso = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(ctx.BancoOrgao.caminho(), sql); });

    bench::Relata(QStringLiteral("bench_relatorio: %1 pagamentos em PDF (mediana de %2)").arg(pagamentos).arg(vezes),
                  {QStringLiteral("relatório \"Anexo 14 (Pagamentos)\" em PDF, %1 linhas, %2 KiB")
                       .arg(linhas).arg(QFileInfo(pdf).size() / 1024), tempoPdf},
                  {QStringLiteral("sqlite3: as mesmas linhas, na mesma ordem"), piso}, 3000,
                  {{QStringLiteral("leitura das linhas pelo motor (sem desenho)"), leitura}});
    bench::Relata(QStringLiteral("bench_relatorio: %1 pagamentos em planilha XLSX (mediana de %2)").arg(pagamentos).arg(vezes),
                  {QStringLiteral("relatório \"Anexo 14 (Pagamentos)\" em XLSX, %1 KiB").arg(QFileInfo(xlsx).size() / 1024), tempoXlsx},
                  {QStringLiteral("sqlite3: as mesmas linhas, na mesma ordem"), piso}, 2000);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int pagamentos = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    try {
        return executa(pagamentos > 1 ? pagamentos : 10000);
    } catch (const ErroRelatorio& e) {
        std::fprintf(stderr, "%s\n", e.texto().toUtf8().constData());
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
