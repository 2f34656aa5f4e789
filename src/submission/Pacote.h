#pragma once
#include "core/Problema.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

struct Contexto;
class Banco;

// The submission package of the open bimester: the rows of every due annex copied into
// "export.mdb", compacted, compressed into "data" + bimester + year + ".lrf", copied to the
// folder the user chose; then the one-line-per-annex summary (tabResumo) and the record of
// the package in the history (tabEnvios).

// Which rows of a table go into the package.
enum class LinhasPacote {
    Periodo, // the open period's (BimReferencia)
    AnoMes,  // Anexo 03: the months of the bimester, its total and its further value
    Todas,   // every row, whatever its period
};

struct TabelaPacote {
    QString nome;
    LinhasPacote linhas = LinhasPacote::Periodo;
};

// The tables an annex slot copies, in the order they are filled.
struct SlotPacote {
    int slot = 0;
    std::vector<TabelaPacote> tabelas;
};

// Every slot that copies something, in ascending order (slot 42 copies nothing).
const std::vector<SlotPacote>& SlotsDoPacote();
// Copied for every package after the slots, whatever is due.
const QStringList& TabelasResponsaveis();
// Every table a package can receive: all are emptied before a generation.
QStringList TabelasDoPacote();

// "data" + bimester + two-digit year + ".lrf": "201106" -> "data0611.lrf".
QString NomeArquivoPacote(const QString& periodo);
// The Anexo 03 rows of the package by AnoMes: the bimester's two months (the twelve months
// ending with its last, newest first, for a body of menu type "A" or "F" in bimester 01 and
// of type "C" in bimester 03), then the total and the further value of the bimester ("TOT03"
// and "PA03" in the twelve-month cases).
QStringList AnoMesAnexo03DoPacote(const QString& tipoMenu, const QString& periodo);

// One line of the summary: the annex title and its figure in ten-thousandths, rounded to
// cents (a count of rows n is n * 10000, so every figure reads as an amount).
struct LinhaResumo {
    QString anexo;
    qint64 valor = 0;
};
// The figures of every due slot of the open period, in slot order. Reads only.
std::vector<LinhaResumo> CalculaResumo(const Contexto& ctx);
// "1.234,56"
QString TextoValorResumo(qint64 valor);
// "1234.56": the plain form of the CLI and of the history's JSON.
QString TextoSimplesResumo(qint64 valor);

// What the generation tells the screen while it works.
struct OuvintePacote {
    std::function<void(const QString& texto)> situacao;           // the status line
    std::function<void(int slot, int registros)> slotGravado;     // after each due slot
};

struct ResultadoPacote {
    bool gerado = false;     // the package landed in the destination folder
    bool copiaFalhou = false;
    QString arquivoLocal;    // the package in the body folder
    QString arquivo;         // the package in the destination folder
    qint64 tamanho = 0;
    QString sha256;          // lower-case hex
    // Rows written per due slot, as the slot's last insertion reports them (the screen's
    // "N registros gravados").
    std::map<int, int> registrosPorSlot;
    std::vector<LinhaResumo> resumo;
};

// Builds the package of the open period for the due slots and copies it into `pastaDestino`.
// The body database changes only by the key row's stamps (backup, RevisaoAtual,
// bimreferencia), and, once the package landed, by tabResumo and the history. A database or
// file error is shown with MostraErro and stops the generation; a failed copy shows the
// copy's own message and leaves the package in the body folder only.
ResultadoPacote GeraPacote(Contexto& ctx, const QString& pastaDestino, const OuvintePacote& ouvinte = {});

using FuncaoCriticas = std::function<Problemas(Contexto&)>;
// The generate command: the status "Verificando críticas à geração de arquivos...", the checks,
// and the package only when they found no problem. `problemas` receives what blocked it.
ResultadoPacote CriticaEGera(Contexto& ctx, const QString& pastaDestino, Problemas& problemas,
                             const OuvintePacote& ouvinte = {}, const FuncaoCriticas& criticas = {});

// One package of the history.
struct Envio {
    qint64 id = 0;
    QString dataHora;  // "yyyy-mm-dd hh:mm:ss"
    QString periodo;   // BimReferencia
    QString usuario;
    QString destino;
    qint64 tamanho = 0;
    QString sha256;
    std::vector<LinhaResumo> resumo;
};
// Newest first.
std::vector<Envio> ListaEnvios(const Banco& banco);
// The SHA-256 of a file in lower-case hex; empty when it cannot be read.
QString Sha256DoArquivo(const QString& caminho);
