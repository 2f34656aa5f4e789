// The Anexo XIV editor over 50 000 commitments and 150 000 payments (or the counts given as
// arguments): the screen opened and shown until the commitments are there, and the move from
// one commitment to another until its payments and its balance are there, against the sqlite3
// tool selecting the same rows.
#include "comum/Medida.h"
#include "registers/Empenhos.h"
#include "ui/core/GradeRegistro.h"
#include "ui/registers/TelasAnexo14.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <cstdio>
#include <exception>

namespace {

const QString Periodo = QStringLiteral("201203");

void preenche(const Banco& b, int empenhos, int pagamentos)
{
    Transacao t(b);
    b.executa(QStringLiteral("INSERT INTO tabAnexo26Extratos VALUES (1, ?, '001', '1234', '5678-9', 'Movimento', 'Prefeitura')"),
              {Periodo});
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Movimento "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                  "SELECT i, ?, printf('%06d/2012', i), printf('%05d/2012', i / 3), substr('OEG', 1 + i % 3, 1), "
                  "printf('%03d/2012', i % 400), printf('3390%02d', 30 + i % 10), '001', '0', "
                  "'11.222.333/0001-81', 'FORNECEDOR ' || (i % 700), printf('%02d/05/2012', 1 + i % 28), "
                  "(1000 + i % 5000) * 10000, '0', '00', '02.001', '04.122', '0001.2001' FROM n"),
              {empenhos, Periodo});
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento,"
                  " SerieNotaFiscal, Modelo, NumeroNotaFiscal, DataEmissaoNFiscal, CodValidacaoNotaFiscal, ValorPago,"
                  " idContaCorrente, NumeroEmpenho, DocCredor) "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                  "SELECT i, 1 + i % ?, ?, printf('OB%07d', i), '20/05/2012', '1', '1', i, '10/05/2012', 'ABC', 100000, 1,"
                  " printf('%06d/2012', 1 + i % ?), '11.222.333/0001-81' FROM n"),
              {pagamentos, empenhos, Periodo, empenhos});
    t.confirma();
}

int executa(int empenhos, int pagamentos)
{
    bench::OrgaoDeBench orgao(Periodo);
    Contexto& ctx = orgao.ctx;
    preenche(ctx.BancoOrgao, empenhos, pagamentos);
    const int vezes = bench::Vezes(5);
    const auto servicos = ServicosAnexo14Padrao();

    int linhas = 0;
    const double abertura = bench::MedianaDe(vezes, [&] {
        double ms = 0;
        {
            std::unique_ptr<TelaMestreDetalhe> tela;
            ms = bench::Ms([&] {
                tela.reset(AbreAnexo14(ctx, servicos));
                tela->resize(1280, 600);
                tela->show();
                QApplication::processEvents();
            });
            linhas = tela->mestre()->modelo()->rowCount();
        }
        QApplication::processEvents();
        return ms;
    });

    // Moving down the commitments on the payments' tab: each move reloads the payments and the
    // balance line.
    const int passos = 200;
    int pagamentosVistos = 0;
    std::unique_ptr<TelaMestreDetalhe> tela(AbreAnexo14(ctx, servicos));
    tela->resize(1280, 600);
    tela->show();
    tela->abas()->setCurrentIndex(1);
    QApplication::processEvents();
    int inicio = 0;
    const double troca = bench::MedianaDe(vezes, [&] {
        const double ms = bench::Ms([&] {
            for (int k = 0; k < passos; ++k) {
                GradeRegistro* m = tela->mestre();
                m->vista()->setCurrentIndex(m->modelo()->index(inicio + k, 3));
                QApplication::processEvents();
                pagamentosVistos = tela->detalhe(1)->modelo()->rowCount();
            }
        });
        inicio += passos;
        return ms / passos;
    });

    const QString lista = QStringLiteral("SELECT * FROM tabAnexo14Movimento WHERE BimReferencia = '%1' ORDER BY NumeroEmpenho;").arg(Periodo);
    const double piso = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(ctx.BancoOrgao.caminho(), lista); });
    QString trocas;
    for (int k = 1; k <= passos; ++k)
        trocas += QStringLiteral("SELECT p.*, c.Agencia FROM tabAnexo14Pagamentos p JOIN tabAnexo26Extratos c ON c.idConta ="
                                 " p.idContaCorrente WHERE p.idEmpenho = %1; SELECT sum(ValorPago) FROM tabAnexo14Pagamentos"
                                 " WHERE NumeroEmpenho = '%2';")
                      .arg(k)
                      .arg(QString::asprintf("%06d/2012", k));
    const double pisoTroca = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(ctx.BancoOrgao.caminho(), trocas) / passos; });
    const double saldo = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] {
                   for (int k = 1; k <= passos; ++k)
                       SaldoEmpenho(ctx.BancoOrgao, QString::asprintf("%06d/2012", k));
               })
            / passos;
    });

    bench::Relata(QStringLiteral("bench_anexo14: %1 empenhos e %2 pagamentos (mediana de %3)").arg(empenhos).arg(pagamentos).arg(vezes),
                  {QStringLiteral("editor do Anexo XIV aberto e mostrado; %1 empenhos na lista").arg(linhas), abertura},
                  {QStringLiteral("sqlite3: os empenhos do período, na mesma ordem"), piso}, 500,
                  {{QStringLiteral("troca de empenho na aba de pagamentos (por troca; %1 pagamentos vistos)").arg(pagamentosVistos), troca},
                   {QStringLiteral("sqlite3: pagamentos de um empenho e a soma do saldo (por troca, processo aberto uma vez)"), pisoTroca},
                   {QStringLiteral("SaldoEmpenho (por chamada)"), saldo}});
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int empenhos = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50000;
    const int pagamentos = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 150000;
    try {
        return executa(empenhos > 0 ? empenhos : 50000, pagamentos > 0 ? pagamentos : 150000);
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
