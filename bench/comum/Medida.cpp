#include "comum/Medida.h"
#include "core/Esquema.h"

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {
void escreve(const QString& t)
{
    std::fputs(t.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString ms(double v) { return QString::number(v, 'f', 1) + QStringLiteral(" ms"); }
} // namespace

QString Maquina()
{
    QString modelo;
    int nucleos = 0;
    QFile cpu(QStringLiteral("/proc/cpuinfo"));
    if (cpu.open(QIODevice::ReadOnly))
        for (const QByteArray& l : cpu.readAll().split('\n')) {
            if (l.startsWith("processor"))
                ++nucleos;
            else if (modelo.isEmpty() && l.startsWith("model name"))
                modelo = QString::fromUtf8(l.mid(l.indexOf(':') + 1)).trimmed();
        }
    QString carga;
    QFile la(QStringLiteral("/proc/loadavg"));
    if (la.open(QIODevice::ReadOnly))
        carga = QString::fromUtf8(la.readAll()).section(u' ', 0, 2);
    return QStringLiteral("%1, %2 núcleos, carga %3").arg(modelo.isEmpty() ? QStringLiteral("?") : modelo).arg(nucleos).arg(carga);
}

int Vezes(int padrao)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("LUMO_BENCH_VEZES", &ok);
    return ok && n > 0 ? n : padrao;
}

double Mediana(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double MedianaDe(int vezes, const std::function<double()>& medida, const std::function<void()>& prepara)
{
    std::vector<double> t;
    for (int i = 0; i < vezes; ++i) {
        if (prepara)
            prepara();
        t.push_back(medida());
    }
    return Mediana(t);
}

double TempoSqlite(const QString& arquivo, const QString& sql)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    double t = Ms([&] {
        p.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), QStringLiteral("-bail"), arquivo, sql});
        p.waitForFinished(-1);
    });
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("sqlite3 failed: " + p.readAllStandardError().toStdString());
    return t;
}

void Relata(const QString& titulo, const Linha& programa, const Linha& piso, double metaMs, const std::vector<Linha>& detalhes)
{
    escreve(titulo);
    escreve(QStringLiteral("  máquina:  ") + Maquina());
    escreve(QStringLiteral("  programa: %1  (%2)").arg(ms(programa.ms), programa.rotulo));
    escreve(QStringLiteral("  piso:     %1  (%2)").arg(ms(piso.ms), piso.rotulo));
    escreve(QStringLiteral("  razão:    %1x").arg(QString::number(piso.ms > 0 ? programa.ms / piso.ms : 0, 'f', 1)));
    escreve(QStringLiteral("  meta:     < %1: %2").arg(ms(metaMs), programa.ms < metaMs ? QStringLiteral("cumprida")
                                                                                         : QStringLiteral("ACIMA DA META")));
    for (const Linha& d : detalhes)
        escreve(QStringLiteral("    %1  %2").arg(ms(d.ms), d.rotulo));
}

void InteracaoSilenciosa::mensagem(Icone, const QString&, const QString& texto)
{
    textos << texto;
    std::fputs(("  [mensagem] " + texto.toUtf8() + '\n').constData(), stderr);
}

bool InteracaoSilenciosa::pergunta(const QString&, const QString& texto, Padrao)
{
    textos << texto;
    return true;
}

Banco CriaBancoOrgao(const QString& caminho)
{
    esquema::CriaBanco(esquema::Tipo::Orgao, QStringLiteral(LUMO_DIR_DADOS), caminho);
    return Banco::abre(caminho);
}

OrgaoDeBench::OrgaoDeBench(const QString& periodo)
{
    ctx.ui = &ui;
    ctx.BancoOrgao = CriaBancoOrgao(dir.filePath(QStringLiteral("Lumo.mdb")));
    ctx.BimReferencia = periodo;
    ctx.BimestreAberto = periodo.right(2);
}

} // namespace bench
