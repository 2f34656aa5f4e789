// The submission package of a body of realistic size (bench/dados/orgao_grande.sql: a full
// Anexo I, Anexo 03 of two years, 100 000 commitments and 300 000 payments in the open
// bimester and half as many in the closed one): GeraPacote from the empty package database to
// the file copied out and the summary written, against the floor of the same data, the
// sqlite3 tool compacting the filled package database (VACUUM INTO) plus the zip tool
// compressing it.
#include "comum/Medida.h"
#include "core/Esquema.h"
#include "core/Inicio.h"
#include "core/Menu.h"
#include "submission/Pacote.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <exception>
#include <map>

namespace {

double processo(const QString& programa, const QStringList& args)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    const double ms = bench::Ms([&] {
        p.start(programa, args);
        p.waitForFinished(-1);
    });
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error((programa + QStringLiteral(" falhou: ")).toStdString() + p.readAllStandardError().toStdString());
    return ms;
}

int executa()
{
    QTemporaryDir dir;
    const QString pasta = dir.filePath(QStringLiteral("P001"));
    QDir().mkpath(pasta);
    const QString dados = QStringLiteral(LUMO_DIR_DADOS);
    esquema::CriaBanco(esquema::Tipo::Orgao, dados, QDir(pasta).filePath(QStringLiteral("Lumo.mdb")));
    esquema::CriaBanco(esquema::Tipo::Exportacao, dados, QDir(pasta).filePath(QStringLiteral("export.mdb")));
    QFile sql(QDir(dados).filePath(QStringLiteral("../bench/dados/orgao_grande.sql")));
    if (!sql.open(QIODevice::ReadOnly))
        throw std::runtime_error("bench/dados/orgao_grande.sql não encontrado");
    bench::InteracaoSilenciosa ui;
    Contexto ctx;
    ctx.ui = &ui;
    ctx.pastaPrograma = dir.path();
    ctx.PastaDados = QStringLiteral("\\P001\\");
    ctx.CodigoOrgao = QStringLiteral("P001");
    ctx.UsuarioAtual = QStringLiteral("ADMIN");
    ctx.BancoOrgao = Banco::abre(ctx.caminhoBancoOrgao());
    processo(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), ctx.caminhoBancoOrgao(), QStringLiteral(".read ") + sql.fileName()});
    CarregaPeriodoAberto(ctx);
    CalculaAnexosDoBimestre(ctx);
    const QString destino = dir.filePath(QStringLiteral("destino"));
    QDir().mkpath(destino);

    // Time of each step, from the status texts the generation shows.
    std::map<QString, std::vector<double>> passos;
    QStringList ordem;
    ResultadoPacote r;
    const double programa = bench::MedianaDe(bench::Vezes(3), [&] {
        QElapsedTimer relogio;
        QString atual;
        double inicio = 0;
        OuvintePacote ouvinte;
        ouvinte.situacao = [&](const QString& t) {
            const double agora = double(relogio.nsecsElapsed()) / 1e6;
            if (!atual.isEmpty()) {
                passos[atual].push_back(agora - inicio);
                if (!ordem.contains(atual))
                    ordem << atual;
            }
            atual = t;
            inicio = agora;
        };
        relogio.start();
        r = GeraPacote(ctx, destino, ouvinte);
        const double total = double(relogio.nsecsElapsed()) / 1e6;
        if (!r.gerado)
            throw std::runtime_error("a geração falhou");
        return total;
    });

    // The floor: the same filled package database compacted by sqlite3 and compressed by zip.
    const QString exportacao = QDir(pasta).filePath(QStringLiteral("export.mdb"));
    const QString piso = dir.filePath(QStringLiteral("piso.mdb"));
    const QString pisoZip = dir.filePath(QStringLiteral("piso.zip"));
    double vacuum = 0, zip = 0;
    const double chao = bench::MedianaDe(bench::Vezes(3), [&] {
        QFile::remove(piso);
        QFile::remove(pisoZip);
        const double v = processo(QStringLiteral("sqlite3"), {exportacao, QStringLiteral("VACUUM INTO '%1'").arg(piso)});
        const double z = processo(QStringLiteral("zip"), {QStringLiteral("-q"), QStringLiteral("-j"), pisoZip, piso});
        vacuum = v;
        zip = z;
        return v + z;
    });

    std::vector<bench::Linha> detalhes;
    for (const QString& p : ordem)
        detalhes.push_back({p, bench::Mediana(passos[p])});
    detalhes.push_back({QStringLiteral("piso: sqlite3 VACUUM INTO"), vacuum});
    detalhes.push_back({QStringLiteral("piso: zip"), zip});
    detalhes.push_back({QStringLiteral("tamanhos: Lumo.mdb %1 MB, export.mdb %2 MB, .lrf %3 MB, zip do piso %4 MB")
                            .arg(QFileInfo(ctx.caminhoBancoOrgao()).size() / 1048576.0, 0, 'f', 1)
                            .arg(QFileInfo(exportacao).size() / 1048576.0, 0, 'f', 1)
                            .arg(r.tamanho / 1048576.0, 0, 'f', 1)
                            .arg(QFileInfo(pisoZip).size() / 1048576.0, 0, 'f', 1),
                        0});
    bench::Relata(QStringLiteral("Pacote do bimestre (GeraPacote, %1 anexos devidos)").arg(r.registrosPorSlot.size()),
                  {QStringLiteral("GeraPacote: preencher, compactar, comprimir, copiar, resumo"), programa},
                  {QStringLiteral("sqlite3 VACUUM INTO + zip do mesmo banco"), chao}, 1.5 * chao, detalhes);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        return executa();
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
