// The copy from the earlier bimester: 20 000 bank accounts (or the count given as the first
// argument) of the previous period copied into the open one by Grade::copiaBimestreAnterior(),
// each with a new identifier, against the sqlite3 tool running the same copy as one
// INSERT ... SELECT.
#include "comum/Medida.h"
#include "core/Contexto.h"
#include "core/Grade.h"
#include "registers/ContasBancarias.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>

namespace {

const QString Anterior = QStringLiteral("201201");
const QString Aberto = QStringLiteral("201202");

void preenche(const Banco& b, int linhas)
{
    Transacao t(b);
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo26Extratos "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                  "SELECT i, ?, substr('001104237341033', 1 + 3 * (i % 5), 3), printf('%04d', i % 3000), "
                  "printf('%08d-%d', i, i % 10), 'CONTA MOVIMENTO ' || i, 'PREFEITURA MUNICIPAL' FROM n"),
              {linhas, Anterior});
    t.confirma();
}

int executa(int linhas)
{
    bench::OrgaoDeBench orgao(Aberto);
    Contexto& ctx = orgao.ctx;
    preenche(ctx.BancoOrgao, linhas);
    const int vezes = bench::Vezes(5);
    const auto esvaziaAberto = [&] {
        ctx.BancoOrgao.executa(QStringLiteral("DELETE FROM tabAnexo26Extratos WHERE BimReferencia = ?"), {Aberto});
    };
    const auto copiadas = [&] {
        return ctx.BancoOrgao.valor(QStringLiteral("SELECT count(*) FROM tabAnexo26Extratos WHERE BimReferencia = ?"), {Aberto}).toInt();
    };

    Grade g(ctx, DefinicaoContasBancarias());
    int linhasCopiadas = 0;
    const double programa = bench::MedianaDe(
        vezes,
        [&] {
            const double ms = bench::Ms([&] {
                if (!g.copiaBimestreAnterior())
                    throw std::runtime_error("the copy was refused");
            });
            linhasCopiadas = copiadas();
            return ms;
        },
        esvaziaAberto);
    // The copy ends by listing the open period again; that part alone:
    const double recarga = bench::MedianaDe(vezes, [&] { return bench::Ms([&] { g.PreencheGrid(); }); });

    const QString sql = QStringLiteral(
        "BEGIN IMMEDIATE;"
        "DELETE FROM tabAnexo26Extratos WHERE BimReferencia = '%1';"
        "INSERT INTO tabAnexo26Extratos "
        "SELECT (SELECT coalesce(max(idConta), 0) FROM tabAnexo26Extratos) + row_number() OVER (ORDER BY idConta), '%1', "
        "Banco, Agencia, Conta_Corrente, Descricao_Conta, Titular_Conta FROM tabAnexo26Extratos "
        "WHERE BimReferencia = (SELECT max(BimReferencia) FROM tabAnexo26Extratos WHERE BimReferencia < '%1');"
        "COMMIT;").arg(Aberto);
    int linhasPiso = 0;
    const double piso = bench::MedianaDe(
        vezes,
        [&] {
            const double ms = bench::TempoSqlite(ctx.BancoOrgao.caminho(), sql);
            linhasPiso = copiadas();
            return ms;
        },
        esvaziaAberto);
    if (linhasCopiadas != linhas || linhasPiso != linhas)
        throw std::runtime_error("copied " + std::to_string(linhasCopiadas) + " and " + std::to_string(linhasPiso)
                                 + " rows instead of " + std::to_string(linhas));

    bench::Relata(QStringLiteral("bench_copia: cópia de %1 contas do bimestre anterior (mediana de %2)").arg(linhas).arg(vezes),
                  {QStringLiteral("Grade::copiaBimestreAnterior, novo idConta por linha, e a recarga"), programa},
                  {QStringLiteral("sqlite3: DELETE e INSERT ... SELECT numa transação"), piso}, 1000,
                  {{QStringLiteral("dos quais a recarga (Grade::PreencheGrid)"), recarga}});
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int linhas = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    try {
        return executa(linhas > 0 ? linhas : 20000);
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
