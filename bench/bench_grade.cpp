// A register grid of the open period: the commitments' editor grid over 100 000 rows (or the
// count given as the first argument), built and shown until its rows are there, against the
// sqlite3 tool selecting the same columns of the same rows.
#include "comum/Medida.h"
#include "core/Contexto.h"
#include "core/Grade.h"
#include "ui/core/GradeRegistro.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>

namespace {

const QString Periodo = QStringLiteral("201201");

ColunaGrade coluna(const char* campo, const char* titulo, TipoColuna tipo = TipoColuna::Entrada,
                   FormatoColuna formato = FormatoColuna::Texto)
{
    ColunaGrade c;
    c.campo = QString::fromLatin1(campo);
    c.titulo = QString::fromUtf8(titulo);
    c.tipo = tipo;
    c.formato = formato;
    return c;
}

// The commitments' list as the editor shows it.
DefinicaoGrade Empenhos()
{
    DefinicaoGrade d;
    d.tabela = QStringLiteral("tabAnexo14Movimento");
    d.identificador = QStringLiteral("idEmpenho");
    d.chave = {QStringLiteral("idEmpenho")};
    d.ordem = QStringLiteral("t.NumeroEmpenho");
    d.colunas = {
        coluna("BimReferencia", "Bim.", TipoColuna::Calculada),
        coluna("idEmpenho", "Código Empenho", TipoColuna::Calculada, FormatoColuna::Inteiro),
        coluna("NumeroProcesso", "Número Processo", TipoColuna::Obrigatoria),
        coluna("NumeroEmpenho", "Número Empenho", TipoColuna::Obrigatoria),
        coluna("ProcessoLicitacao", "Processo Licitatório"),
        coluna("Tipo", "Tipo Empenho", TipoColuna::Obrigatoria),
        coluna("DataEmpenho", "Data Empenho", TipoColuna::Obrigatoria, FormatoColuna::Data),
        coluna("ValorEmpenhado", "Valor Empenhado", TipoColuna::Obrigatoria, FormatoColuna::Valor),
        coluna("TipoDocumento", "Tipo Documento Credor", TipoColuna::Obrigatoria),
        coluna("NumeroDocumento", "Número Documento Credor", TipoColuna::Obrigatoria),
        coluna("NomeCredor", "Nome Credor", TipoColuna::Obrigatoria),
        coluna("ClassInsitucional", "Classificação Institucional"),
        coluna("ClassFuncional", "Classificação Funcional"),
        coluna("ClassProgramatica", "Classificação Programática"),
        coluna("ElementoDespesa", "Natureza Despesa", TipoColuna::Obrigatoria),
        coluna("FonteRecurso", "Fonte Recursos"),
        coluna("Fundef", "FUNDEF"),
        coluna("Royalties", "Royalties/FEP"),
    };
    return d;
}

void preenche(const Banco& b, int linhas)
{
    Transacao t(b);
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Movimento "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                  "SELECT i, ?, printf('%06d/2012', i), printf('%05d/2012', i / 3), substr('OEG', 1 + i % 3, 1), "
                  "printf('%03d/2012', i % 400), printf('3390%02d', 30 + i % 10), '0100000', '0', "
                  "printf('%02d.%03d.%03d/0001-%02d', i % 90, i % 1000, (i * 7) % 1000, i % 100), "
                  "'FORNECEDOR DE MATERIAIS E SERVIÇOS ' || (i % 700), printf('%02d/01/2012', 1 + i % 28), "
                  "(1 + i % 5000) * 12345, '0', '00', '02.001', '04.122', '0001.2001' FROM n"),
              {linhas, Periodo});
    t.confirma();
}

int executa(int linhas)
{
    bench::OrgaoDeBench orgao(Periodo);
    Contexto& ctx = orgao.ctx;
    preenche(ctx.BancoOrgao, linhas);
    const DefinicaoGrade def = Empenhos();
    const int vezes = bench::Vezes(5);

    // The rows alone, without the widget.
    const double soLinhas = bench::MedianaDe(vezes, [&] {
        Grade g(ctx, def);
        return bench::Ms([&] { g.PreencheGrid(); });
    });
    // The widget built (it loads its rows), shown and painted once.
    int linhasVistas = 0;
    double construcao = 0;
    std::vector<double> construcoes;
    const double programa = bench::MedianaDe(vezes, [&] {
        double ms = 0;
        {
            std::unique_ptr<GradeRegistro> w;
            ms = bench::Ms([&] {
                construcoes.push_back(bench::Ms([&] { w = std::make_unique<GradeRegistro>(ctx, def); }));
                w->resize(1200, 700);
                w->show();
                QApplication::processEvents();
            });
            linhasVistas = w->modelo()->rowCount();
        }
        QApplication::processEvents();
        return ms;
    });
    construcao = bench::Mediana(construcoes);

    QStringList campos;
    for (const ColunaGrade& c : def.colunas)
        campos << c.campo;
    const QString sql = QStringLiteral("SELECT %1 FROM tabAnexo14Movimento WHERE BimReferencia = '%2' ORDER BY NumeroEmpenho;")
                            .arg(campos.join(QStringLiteral(", ")), Periodo);
    const double piso = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(ctx.BancoOrgao.caminho(), sql); });
    // What Qt's SQLite driver alone takes to hand over the same values: the floor inside the
    // process for a grid that keeps every row as QVariants.
    const double driver = bench::MedianaDe(vezes, [&] {
        return bench::Ms([&] {
            QSqlQuery q = ctx.BancoOrgao.executa(sql.chopped(1));
            QVariant v;
            while (q.next())
                for (int c = 0; c < campos.size(); ++c)
                    v = q.value(c);
        });
    });

    bench::Relata(QStringLiteral("bench_grade: grade de %1 empenhos do período aberto (mediana de %2)").arg(linhas).arg(vezes),
                  {QStringLiteral("GradeRegistro construída, mostrada e pintada; %1 linhas no modelo").arg(linhasVistas), programa},
                  {QStringLiteral("sqlite3: as mesmas colunas das mesmas linhas, na mesma ordem"), piso}, 500,
                  {{QStringLiteral("construção do GradeRegistro (carrega as linhas)"), construcao},
                   {QStringLiteral("Grade::PreencheGrid sem widget"), soLinhas},
                   {QStringLiteral("QSqlQuery sozinho: next() e value() de cada coluna das mesmas linhas"), driver}});
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int linhas = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    try {
        return executa(linhas > 0 ? linhas : 100000);
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
