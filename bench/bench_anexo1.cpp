// Anexo I of a big body: 20 000 expense lines and 5 000 revenue lines in the open bimester
// (the third), the same in the second. Times the opening of each editor (built, loaded and
// shown; the revenue editor carries the previous bimester in and sums its summary), the
// close-time rebuild of the expense by function and the revenue carry-over, each beside the
// sqlite3 tool running the same statements (for the rebuild, the one grouped INSERT ... SELECT).
#include "budget/Despesa.h"
#include "budget/Receita.h"
#include "comum/Anexo1.h"
#include "comum/Medida.h"
#include "ui/budget/FrmReceita.h"
#include "ui/core/GradeRegistro.h"
#include "ui/core/TelaGrade.h"

#include <QApplication>

namespace {

const QString Anterior = QStringLiteral("201202");
const QString Aberto = QStringLiteral("201203");

const QString SqlRecomposicao = QStringLiteral(
    "BEGIN IMMEDIATE; DELETE FROM tabDespFuncMovimento WHERE Bimreferencia = '%1';"
    "INSERT INTO tabDespFuncMovimento SELECT BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, "
    "Codigo_Programa, Codigo_Atividade, Codigo_Funcao, Codigo_SubFuncao, "
    "CASE WHEN Codigo_tabDespesaModalidadeAplicacao = '91' THEN '2' ELSE '1' END AS tipo, sum(ValorDotInicial), "
    "sum(ValorDotAtualizada), sum(ValorEmpBimestre), sum(ValorEmpExercicio), sum(ValorLiqBimestre), "
    "sum(ValorLiqExercicio), sum(ValorRPNP) FROM tabDespesaMovimento WHERE BimReferencia = '%1' "
    "GROUP BY BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Programa, Codigo_Atividade, "
    "Codigo_Funcao, Codigo_SubFuncao, tipo; COMMIT;");

const QString SqlTransporte = QStringLiteral(
    "BEGIN IMMEDIATE;"
    "UPDATE tabReceitaMovimento AS m SET ValorPrevistoInicial = p.ValorPrevistoInicial, ValorRealizadoExercicio = "
    "(SELECT sum(s.ValorRealizadoBimestre) FROM tabReceitaMovimento s WHERE s.bimreferencia <= '%1' AND "
    "s.Codigo_tabReceitaCodigo = m.Codigo_tabReceitaCodigo AND s.FonteRecursos = m.FonteRecursos) "
    "FROM tabReceitaMovimento AS p WHERE p.bimreferencia = '%2' AND m.bimreferencia = '%1' AND "
    "p.Codigo_tabReceitaCodigo = m.Codigo_tabReceitaCodigo AND p.FonteRecursos = m.FonteRecursos;"
    "INSERT INTO tabReceitaMovimento SELECT '%1', p.Codigo_tabReceitaCodigo, p.FonteRecursos, p.ValorPrevistoInicial, "
    "p.ValorPrevistoAtualizado, 0, (SELECT sum(s.ValorRealizadoBimestre) FROM tabReceitaMovimento s WHERE "
    "s.bimreferencia <= '%1' AND s.Codigo_tabReceitaCodigo = p.Codigo_tabReceitaCodigo AND s.FonteRecursos = "
    "p.FonteRecursos) FROM tabReceitaMovimento p WHERE p.bimreferencia = '%2' AND NOT EXISTS (SELECT 1 FROM "
    "tabReceitaMovimento x WHERE x.bimreferencia = '%1' AND x.Codigo_tabReceitaCodigo = p.Codigo_tabReceitaCodigo "
    "AND x.FonteRecursos = p.FonteRecursos); COMMIT;");

int executa(int despesas, int receitas)
{
    bench::OrgaoDeBench orgao(Aberto);
    Contexto& ctx = orgao.ctx;
    ctx.CodigoOrgao = QStringLiteral("P001"); // a prefeitura: the municipal revenue codes
    const Banco& b = ctx.BancoOrgao;
    {
        Transacao t(b);
        bench::PreencheDespesa(b, Anterior, despesas);
        bench::PreencheDespesa(b, Aberto, despesas);
        bench::PreencheReceita(b, Anterior, receitas);
        bench::PreencheReceita(b, Aberto, receitas);
        t.confirma();
    }
    const int vezes = bench::Vezes(5);
    const QString arquivo = b.caminho();
    const auto abre = [](QWidget* w) {
        w->resize(1300, 700);
        w->show();
        QApplication::processEvents();
        delete w;
        QApplication::processEvents();
    };

    int linhasDespesa = 0;
    const double despesa = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] {
            auto* t = new TelaGrade(ctx, DefinicaoDespesa(ctx), QStringLiteral("Despesa"));
            linhasDespesa = t->grade()->grade().linhas();
            abre(t);
        });
    });
    const double pisoDespesa = bench::MedianaDe(vezes, [&] {
        return bench::TempoSqlite(arquivo, QStringLiteral(
            "SELECT t.*, (SELECT Descricao FROM tabFonte WHERE Fonte = t.Codigo_FontedeRecursos), "
            "(SELECT descricao FROM tabDespesaElementoDespesa WHERE Codigo = t.Codigo_tabDespesaElementoDespesa) "
            "FROM tabDespesaMovimento t WHERE BimReferencia = '%1' ORDER BY Codigo_tabDespesaCategoriaEconomica || "
            "Codigo_tabDespesaGrupoDespesa || Codigo_tabDespesaElementoDespesa;").arg(Aberto));
    });

    int linhasReceita = 0;
    const double receita = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] {
            auto* t = new FrmReceita(ctx);
            t->PreencheResumo();
            linhasReceita = t->detalhe()->grade().linhas();
            abre(t);
        });
    });
    const double pisoReceita = bench::MedianaDe(vezes, [&] {
        return bench::TempoSqlite(arquivo, SqlTransporte.arg(Aberto, Anterior)
                                               + QStringLiteral("SELECT m.*, c.descricao FROM tabReceitaMovimento m JOIN "
                                                                "tabReceitaCodigoNovo c ON c.codigo = m.Codigo_tabReceitaCodigo "
                                                                "WHERE m.bimreferencia = '%1' ORDER BY 2, 3;")
                                                     .arg(Aberto));
    });

    const double recomposicao = bench::MedianaDe(vezes, [&] { return bench::Ms([&] { RecompoeDespesaPorFuncao(b, Aberto); }); });
    const int grupos = b.valor(QStringLiteral("SELECT count(*) FROM tabDespFuncMovimento WHERE Bimreferencia = ?"), {Aberto}).toInt();
    const double pisoRecomposicao = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(arquivo, SqlRecomposicao.arg(Aberto)); });

    // Half the open bimester's revenue lines missing, as after the user deleted them.
    const auto metade = [&] {
        b.executa(QStringLiteral("DELETE FROM tabReceitaMovimento WHERE bimreferencia = ? AND rowid % 2 = 0"), {Aberto});
    };
    const double transporte = bench::MedianaDe(
        vezes, [&] { return bench::Ms([&] { ImportaDadosReceita(b, Aberto); }); }, metade);
    const double pisoTransporte = bench::MedianaDe(
        vezes, [&] { return bench::TempoSqlite(arquivo, SqlTransporte.arg(Aberto, Anterior)); }, metade);
    const int depois = b.valor(QStringLiteral("SELECT count(*) FROM tabReceitaMovimento WHERE bimreferencia = ?"), {Aberto}).toInt();
    if (linhasDespesa != despesas || linhasReceita != receitas || depois != receitas || grupos == 0)
        throw std::runtime_error("unexpected row counts: " + std::to_string(linhasDespesa) + " " + std::to_string(linhasReceita)
                                 + " " + std::to_string(depois) + " " + std::to_string(grupos));

    const QString titulo = QStringLiteral("bench_anexo1: %1 linhas de despesa e %2 de receita por bimestre (mediana de %3)")
                               .arg(despesas).arg(receitas).arg(vezes);
    bench::Relata(titulo + QStringLiteral(" — abrir a despesa"),
                  {QStringLiteral("TelaGrade da despesa construída, carregada e mostrada"), despesa},
                  {QStringLiteral("sqlite3: as linhas do bimestre com as descrições, na mesma ordem"), pisoDespesa}, 500);
    bench::Relata(titulo + QStringLiteral(" — abrir a receita"),
                  {QStringLiteral("FrmReceita: transporte do bimestre anterior, detalhe e resumo"), receita},
                  {QStringLiteral("sqlite3: o mesmo transporte e as linhas com as descrições"), pisoReceita}, 500);
    bench::Relata(titulo + QStringLiteral(" — despesa por função ao fechar"),
                  {QStringLiteral("RecompoeDespesaPorFuncao: %1 grupos").arg(grupos), recomposicao},
                  {QStringLiteral("sqlite3: DELETE e o mesmo INSERT ... SELECT agrupado"), pisoRecomposicao}, 500);
    bench::Relata(titulo + QStringLiteral(" — transporte da receita ao fechar"),
                  {QStringLiteral("ImportaDadosReceita com metade das linhas a criar"), transporte},
                  {QStringLiteral("sqlite3: o mesmo UPDATE ... FROM e INSERT ... SELECT"), pisoTransporte}, 500);
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::PrincipalAnexo1(argc, argv, executa); }
