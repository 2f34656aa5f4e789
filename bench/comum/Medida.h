#pragma once
#include "core/Banco.h"
#include "core/Contexto.h"
#include "core/Interacao.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <vector>

// What every bench shares: the machine it ran on, medians of repeated runs, the sqlite3 tool
// as the floor, and one report format.
namespace bench {

// CPU model and cores from /proc/cpuinfo, and the load average (the machine may be shared).
QString Maquina();
// Runs per figure: LUMO_BENCH_VEZES, or the bench's default.
int Vezes(int padrao);
double Mediana(std::vector<double> v);

template <class F>
double Ms(F&& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// `vezes` timed runs of `medida` (which returns its own milliseconds), `prepara` untimed before
// each one; the median.
double MedianaDe(int vezes, const std::function<double()>& medida, const std::function<void()>& prepara = {});

// Wall time of the sqlite3 tool run as a process on the file with the SQL, its output
// discarded. Throws std::runtime_error when the tool fails.
double TempoSqlite(const QString& arquivo, const QString& sql);

struct Linha {
    QString rotulo;
    double ms;
};
// Prints the title, the machine, the program's figure, the floor, their ratio and the target,
// then the breakdown lines.
void Relata(const QString& titulo, const Linha& programa, const Linha& piso, double metaMs,
            const std::vector<Linha>& detalhes = {});

// Nobody answers on a bench: messages go to stderr, questions are answered Yes.
class InteracaoSilenciosa : public Interacao {
public:
    void mensagem(Icone icone, const QString& titulo, const QString& texto) override;
    bool pergunta(const QString& titulo, const QString& texto, Padrao padrao) override;
    QString escolheArquivo(const QString&, const QString&, const QString&, bool) override { return {}; }
    QStringList textos;
};

// A body database with the program's schema and reference rows, built from data/.
Banco CriaBancoOrgao(const QString& caminho);

// A body of its own in a temporary folder, with `periodo` open and a silent interaction.
struct OrgaoDeBench {
    explicit OrgaoDeBench(const QString& periodo);
    QTemporaryDir dir;
    InteracaoSilenciosa ui;
    Contexto ctx;
};

} // namespace bench
