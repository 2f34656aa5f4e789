#pragma once
#include "core/Banco.h"

#include <QString>
#include <functional>

struct Contexto;
class Interacao;

// Start-up of the program: date format, databases, revision, open period.

// The machine's short date of today must read day/month/four-digit year.
bool FormatoDataValido(const QString& dataCurta);
QString MensagemFormatoData(const QString& dataCurta);

enum class Abertura { Aberta, Falhou, Abandonada };
// Opens data.mdb and the chosen body's database. With one configured body it is taken;
// otherwise `escolheOrgao` is called (the body-choice screen, or its stand-in when no body is
// configured), which fills CodigoOrgao/PastaDados/PastaOrgao or leaves PastaDados empty.
Abertura AbreBancos(Contexto& ctx, const std::function<void(Contexto&)>& escolheOrgao);

// Puts right what an interrupted backup or restore left in a body's folder, before its
// database is opened: "lumoOri.mdb" becomes the working database again when that is missing,
// and the working copies ("lumo2.mdb", the restore's "lumoRestauracao.mdb", the compressor's
// "BackupLumo.lrf.tmp*") are removed. A finished "BackupLumo.lrf" is kept.
void RecuperaPastaDoOrgao(const QString& pastaDoOrgao, const QString& nomeBanco);
// Opens the active body's database after putting its folder right. Throws ErroBanco.
Banco AbreBancoOrgao(Contexto& ctx);

enum class Atualizador { Ausente, Iniciado, Falhou };
// Starts "update.exe" of the program folder through `inicia` (true when it started). A missing
// updater shows nothing; one that does not start shows the error box. Iniciado and Falhou end
// the program at start-up.
Atualizador IniciaAtualizador(const QString& pastaPrograma, Interacao& ui,
                              const std::function<bool(const QString&)>& inicia);
// Starts a program on its own, in its folder, without waiting for it.
bool IniciaProgramaSeparado(const QString& programa);

enum class Revisao { Continua, AtualizadorIniciado, Encerra };
// Stamps the running revision into the body databases; when it changed, hands over to
// "update.exe" in the program folder (absent: start-up goes on).
// `iniciaAtualizador` starts the given program and tells whether it started.
Revisao VerificaRevisao(Contexto& ctx, const std::function<bool(const QString&)>& iniciaAtualizador);

// The earliest period that is not "FECHADO" becomes the open period (empty when none).
void CarregaPeriodoAberto(Contexto& ctx);
// Whether the exit should offer a backup: a missing row or a Null flag count as yes.
bool QuerBackup(Contexto& ctx);
