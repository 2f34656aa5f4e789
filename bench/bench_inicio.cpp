// Start-up on a demo body: the desktop program up to its login window, and `lumo-cli situacao`,
// against the sqlite3 tool opening the same databases and running the queries start-up runs.
//
// `lumo` prints "inicio-login-ms N" on stderr and ends when LUMO_MEDE_INICIO is set; the time
// taken is from the process start to that line.
#include "admin/Atualizacao.h"
#include "comum/Medida.h"
#include "core/Contexto.h"
#include "core/Inicio.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <unistd.h>

namespace {

const QByteArray Marca = "inicio-login-ms";
const QString Orgao = QStringLiteral("P001");


// ---- The bench.

QString executavel(const QString& nome) { return QDir(QCoreApplication::applicationDirPath()).filePath(nome); }

QProcessEnvironment ambiente()
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    e.insert(QStringLiteral("LUMO_MEDE_INICIO"), QStringLiteral("1"));
    // The program refuses a machine whose short date is not day/month/year.
    e.insert(QStringLiteral("LC_ALL"), QStringLiteral("pt_BR.UTF-8"));
    e.insert(QStringLiteral("LANG"), QStringLiteral("pt_BR.UTF-8"));
    e.insert(QStringLiteral("LUMO_SENHA"), QStringLiteral("admin"));
    return e;
}

void rodaCli(const QString& pasta, const QStringList& argumentos)
{
    QProcess p;
    p.setProcessEnvironment(ambiente());
    p.start(executavel(QStringLiteral("lumo-cli")), QStringList{QStringLiteral("--programa"), pasta} + argumentos);
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("lumo-cli " + argumentos.join(u' ').toStdString() + " failed: "
                                 + p.readAllStandardError().toStdString());
}

struct AteLogin {
    bool viu = false;
    double ms = 0;       // from the process start to the line, seen from here
    double relatado = 0; // what the program said
};

AteLogin ateLogin(const QString& programa, const QStringList& argumentos, int limiteMs)
{
    QProcess p;
    p.setProcessEnvironment(ambiente());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setReadChannel(QProcess::StandardError);
    AteLogin r;
    QElapsedTimer t;
    t.start();
    p.start(programa, argumentos);
    QByteArray erro;
    while (t.elapsed() < limiteMs) {
        if (p.waitForReadyRead(20)) {
            erro += p.readAllStandardError();
            if (const qsizetype i = erro.indexOf(Marca); i >= 0 && erro.indexOf('\n', i) > i) {
                r.ms = double(t.nsecsElapsed()) / 1e6;
                r.viu = true;
                r.relatado = erro.mid(i + Marca.size(), erro.indexOf('\n', i) - i - Marca.size()).trimmed().toDouble();
                break;
            }
        }
        if (p.state() == QProcess::NotRunning)
            break;
    }
    if (!p.waitForFinished(r.viu ? 5000 : 0)) {
        p.kill();
        p.waitForFinished(-1);
    }
    return r;
}

double tempoProcesso(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.setProcessEnvironment(ambiente());
    p.setStandardOutputFile(QProcess::nullDevice());
    const double ms = bench::Ms([&] {
        p.start(programa, argumentos);
        p.waitForFinished(-1);
    });
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error(programa.toStdString() + " failed: " + p.readAllStandardError().toStdString());
    return ms;
}

int executa(const QString& pastaDada)
{
    QTemporaryDir temporaria;
    const QString pasta = pastaDada.isEmpty() ? temporaria.path() : pastaDada;
    if (pastaDada.isEmpty()) {
        rodaCli(pasta, {QStringLiteral("instalar")});
        rodaCli(pasta, {QStringLiteral("orgao"), QStringLiteral("adicionar"), Orgao});
    }
    const QString bancoOrgao = ArquivoNaPasta(QDir(pasta).filePath(Orgao), QStringLiteral("Lumo.mdb"));
    const QString bancoConfig = QDir(pasta).filePath(QStringLiteral("data.mdb"));
    const int vezes = bench::Vezes(7);

    const QString programa = executavel(QStringLiteral("lumo"));
    const QStringList argumentos{QStringLiteral("--programa"), pasta};
    const QString rotulo = QStringLiteral("lumo até a janela de login (linha inicio-login-ms)");
    std::vector<double> relatados;
    const double desktop = bench::MedianaDe(vezes, [&] {
        const AteLogin r = ateLogin(programa, argumentos, 15000);
        if (!r.viu)
            throw std::runtime_error("the login window never showed");
        relatados.push_back(r.relatado);
        return r.ms;
    });
    const double cli = bench::MedianaDe(vezes, [&] {
        return tempoProcesso(executavel(QStringLiteral("lumo-cli")),
                             {QStringLiteral("--programa"), pasta, QStringLiteral("--orgao"), Orgao, QStringLiteral("--usuario"),
                              QStringLiteral("ADMIN"), QStringLiteral("situacao")});
    });

    // Floors: what start-up reads (bodies, key row, open period, users), and what situacao adds
    // (sign-in, body, menu and index, one look per table of the period).
    const QString inicio = QStringLiteral(
        "ATTACH '%1' AS cfg;"
        "SELECT codigo_lrf, pasta_dados FROM cfg.OrgaosCad;"
        "SELECT RevisaoAtual FROM tabChave;"
        "SELECT BimReferencia FROM tabControleMovimento WHERE Situacao <> 'FECHADO' ORDER BY BimReferencia ASC;"
        "SELECT Codigo, Nome, Username, Codigo_tabGrupos FROM tabUsuarios ORDER BY Codigo;").arg(bancoConfig);
    QString situacao = inicio
        + QStringLiteral("SELECT 1 FROM tabUsuarios WHERE Username = 'ADMIN';"
                         "SELECT Permissoes FROM tabGrupos INNER JOIN tabUsuarios ON tabGrupos.Codigo = tabUsuarios.Codigo_tabGrupos "
                         "WHERE tabUsuarios.Username = 'ADMIN';"
                         "SELECT descricao, TipoMenu, esfera FROM tabOrgaos WHERE Codigo = '%1';"
                         "SELECT Anexo, bimestre FROM tabMenu WHERE TipoMenu = (SELECT TipoMenu FROM tabOrgaos WHERE Codigo = '%1');"
                         "SELECT Anexo, descricao FROM tabIndice;").arg(Orgao);
    QString periodo;
    {
        const Banco b = Banco::abre(bancoOrgao);
        periodo = b.valor(QStringLiteral("SELECT min(BimReferencia) FROM tabControleMovimento WHERE Situacao <> 'FECHADO'")).toString();
        QSqlQuery q = b.executa(QStringLiteral("SELECT m.name FROM sqlite_master m, pragma_table_info(m.name) c "
                                               "WHERE m.type = 'table' AND c.name = 'BimReferencia' COLLATE NOCASE"));
        while (q.next())
            situacao += QStringLiteral("SELECT 1 FROM %1 WHERE BimReferencia = '%2' LIMIT 1;").arg(q.value(0).toString(), periodo);
    }
    const double pisoInicio = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(bancoOrgao, inicio); });
    const double pisoSituacao = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(bancoOrgao, situacao); });
    const double pisoVazio = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(bancoOrgao, QStringLiteral("SELECT 1;")); });

    bench::Relata(QStringLiteral("bench_inicio: partida do programa no órgão %1 (mediana de %2)").arg(Orgao).arg(vezes),
                  {rotulo, desktop}, {QStringLiteral("sqlite3: abre os bancos e lê o que a partida lê"), pisoInicio}, 500,
                  {{QStringLiteral("o que o próprio programa relatou (inicio-login-ms)"), bench::Mediana(relatados)},
                   {QStringLiteral("sqlite3 só abrindo o banco (SELECT 1)"), pisoVazio}});
    bench::Relata(QStringLiteral("bench_inicio: lumo-cli situacao no órgão %1 (mediana de %2)").arg(Orgao).arg(vezes),
                  {QStringLiteral("lumo-cli --orgao P001 --usuario ADMIN situacao, do início ao fim do processo"), cli},
                  {QStringLiteral("sqlite3: a partida, a entrada e uma consulta por tabela do período"), pisoSituacao}, 500);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        return executa(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
