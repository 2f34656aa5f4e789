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
// folder of `destino`, which may not be the body's own folder. True when the copy was made.
bool FazBackup(Contexto& ctx, const QString& destino, const Situacao& situacao = {});

// Puts a backup in place of the body database. The backup (at most `limite` bytes once
// decompressed) is decompressed beside the database and must prove to be a complete, sound
// database of this program (every table and column of the template, the key row) and of this
// exercise; a backup of another body is taken only when the user says so. Only then does it
// replace the database, with one rename; otherwise the database is left as it was. True when
// restored.
bool RestauraBackup(Contexto& ctx, const QString& arquivo, const Situacao& situacao = {},
                    qint64 limite = LimiteDescompactacao);

// Where the backup and restore file dialogs start: the folder last chosen in one of them when
// it still exists; otherwise the body's folder for a restore, and the user's documents folder
// (or home, when there is none) for a backup. The backup's start proposes "BackupLumo.lrf".
QString InicioDialogoBackup(const Contexto& ctx, bool restauracao);
// Remembers the folder of a file chosen in the backup or restore dialog, for the next one.
void GuardaPastaBackup(const Contexto& ctx, const QString& arquivo);

// The question dialog's "Não fazer esta pergunta novamente.": the exit question is switched off.
bool DesligaPerguntaBackup(Contexto& ctx);
