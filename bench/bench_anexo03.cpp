// Anexo 03 of a big body: a whole year of Anexo I (20 000 expense and 5 000 revenue lines in
// each of the six bimesters) and every month of 2011 and 2012 filled for every line of the
// statement, with the totals and PA of every bimester. Times the opening in the third bimester
// (the lines and their values read, every line's total rewritten in one transaction), and the
// screen built and shown, beside the sqlite3 tool doing the same reads and the same rewrite.
#include "comum/Anexo1.h"
#include "comum/Medida.h"
#include "statements/Anexo03.h"
#include "ui/statements/FrmAnexo03.h"

#include <QApplication>

namespace {

const QString Aberto = QStringLiteral("201203");

// Every line, every month of both years, and the totals and PA of every bimester.
void preencheAnexo03(const Banco& b)
{
    b.executa(QStringLiteral(
        "INSERT INTO tabAnexo03Movimento WITH RECURSIVE k(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM k WHERE i < 35), "
        "chave(anomes) AS (SELECT CASE WHEN i < 24 THEN printf('%02d%d', 1 + i % 12, 2011 + i / 12) "
        "WHEN i < 30 THEN printf('TOT%02d', i - 23) ELSE printf('PA%02d', i - 29) END FROM k) "
        "SELECT c.campo, chave.anomes, 1000000 + 137 * length(c.campo) + unicode(substr(chave.anomes, 2, 1)) "
        "FROM tabAnexo03Campos c, chave"));
}

int executa(int despesas, int receitas)
{
    bench::OrgaoDeBench orgao(Aberto);
    Contexto& ctx = orgao.ctx;
    ctx.CodigoOrgao = QStringLiteral("P001");
    const Banco& b = ctx.BancoOrgao;
    {
        Transacao t(b);
        for (int bim = 1; bim <= 6; ++bim) {
            const QString periodo = QStringLiteral("20120%1").arg(bim);
            bench::PreencheDespesa(b, periodo, despesas);
            bench::PreencheReceita(b, periodo, receitas);
        }
        preencheAnexo03(b);
        t.confirma();
    }
    const int linhasMovimento = b.valor(QStringLiteral("SELECT count(*) FROM tabAnexo03Movimento")).toInt();
    const int vezes = bench::Vezes(7);
    const QString arquivo = b.caminho();

    int linhas = 0;
    const double abertura = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] {
            Anexo03 a(ctx);
            a.carrega();
            linhas = int(a.linhas().size());
        });
    });
    const double tela = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] {
            auto* w = new FrmAnexo03(ctx);
            w->resize(1500, 700);
            w->show();
            QApplication::processEvents();
            delete w;
            QApplication::processEvents();
        });
    });

    QStringList chaves;
    for (const MesAnexo03& m : JanelaAnexo03(Aberto))
        chaves.append(QLatin1Char('\'') + m.chave + QLatin1Char('\''));
    const QString meses = chaves.join(u',');
    const QString sql = QStringLiteral(
        "SELECT campo, descricao, grupo FROM tabAnexo03Campos WHERE esfera IN ('EM', 'M') ORDER BY campo;"
        "SELECT campo, anomes, valor FROM tabAnexo03Movimento WHERE anomes IN (%1, 'TOT03', 'PA03');"
        "BEGIN IMMEDIATE;"
        "DELETE FROM tabAnexo03Movimento WHERE anomes = 'TOT03' AND campo IN "
        "(SELECT campo FROM tabAnexo03Campos WHERE esfera IN ('EM', 'M'));"
        "INSERT INTO tabAnexo03Movimento SELECT c.campo, 'TOT03', COALESCE((SELECT sum(m.valor) FROM tabAnexo03Movimento m "
        "WHERE m.campo = c.campo AND m.anomes IN (%1)), 0) FROM tabAnexo03Campos c WHERE c.esfera IN ('EM', 'M');"
        "COMMIT;").arg(meses);
    const double piso = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(arquivo, sql); });

    const qlonglong esperado = b.valor(QStringLiteral("SELECT sum(valor) FROM tabAnexo03Movimento WHERE campo = '3' AND anomes IN (%1)")
                                           .arg(meses)).toLongLong();
    const qlonglong total = b.valor(QStringLiteral("SELECT valor FROM tabAnexo03Movimento WHERE campo = '3' AND anomes = 'TOT03'"))
                                .toLongLong();
    if (linhas == 0 || total != esperado)
        throw std::runtime_error("unexpected result: " + std::to_string(linhas) + " lines, total " + std::to_string(total));

    bench::Relata(QStringLiteral("bench_anexo03: %1 linhas do Anexo 03 (%2 valores), Anexo I de %3 linhas de despesa e %4 de "
                                 "receita em cada um dos seis bimestres (mediana de %5)")
                      .arg(linhas).arg(linhasMovimento).arg(despesas).arg(receitas).arg(vezes),
                  {QStringLiteral("Anexo03::carrega: linhas, meses da janela e os totais regravados"), abertura},
                  {QStringLiteral("sqlite3: as mesmas leituras e a mesma regravação dos totais"), piso}, 500,
                  {{QStringLiteral("FrmAnexo03 construída, aberta e mostrada"), tela}});
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::PrincipalAnexo1(argc, argv, executa); }
