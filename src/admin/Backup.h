#pragma once
#include "core/Arquivos.h"

#include <QString>
#include <functional>

struct Contexto;

// Backup and restore of the body's database. The database is closed while they work and is
// always open again when they return.
using Situacao = std::function<void(const QString& texto)>;

inline const QString NomeArquivoBackup = QStringLiteral("BackupLumo.lrf");
inline const QString TextoPerguntaBackup =
    QStringLiteral("É recomendável, fazer periodicamente cópias de segurança dos Dados do Lumo.\r"
                   "Deseja fazer uma Cópia de Segurança agora?");

// The chosen file must end with exactly "BackupLumo.lrf"; otherwise the user is told and
// nothing happens.
bool NomeBackupValido(Interacao& ui, const QString& caminho);

// Compacts the body database, compresses it into "BackupLumo.lrf" and copies that to the
// folder of `destino`. True when the copy was made.
bool FazBackup(Contexto& ctx, const QString& destino, const Situacao& situacao = {});

// Puts a backup in place of the body database. The previous database is kept as
// "lumoOri.mdb" until the restored one proves to be a database of this program and of this
// exercise; otherwise it is put back untouched. True when restored.
bool RestauraBackup(Contexto& ctx, const QString& arquivo, const Situacao& situacao = {});

// Where the backup and restore file dialogs start: the folder last chosen in one of them when
// it still exists; otherwise the body's folder for a restore, and the user's documents folder
// (or home, when there is none) for a backup. The backup's start proposes "BackupLumo.lrf".
QString InicioDialogoBackup(const Contexto& ctx, bool restauracao);
// Remembers the folder of a file chosen in the backup or restore dialog, for the next one.
void GuardaPastaBackup(const Contexto& ctx, const QString& arquivo);

// The question dialog's "Não fazer esta pergunta novamente.": the exit question is switched off.
bool DesligaPerguntaBackup(Contexto& ctx);
