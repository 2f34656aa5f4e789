#pragma once
#include <QString>
#include <functional>

class Interacao;

// File copy and the compressed ".lrf" files (a zip archive holding one database file).

// Tells how far a long job went; returning false aborts it.

// Copies one file, replacing the target only once the whole copy is written (under the
// target's name + ".tmp", then renamed; a symbolic link at the target is replaced, not followed). On failure or
// abort shows "Operação de cópia falhou." (title "Erro") and returns false.
bool CopiaArquivo(Interacao& ui, const QString& origem, const QString& destino);

// Compresses `origem` into the archive `destino`, as a single entry named `nomeEntrada`.
// Returns an empty text, or what went wrong.
QString CompactaArquivo(const QString& origem, const QString& destino, const QString& nomeEntrada);

// The largest database a restore or an import will decompress: the 2 GB a database file of
// the original format could hold.
inline constexpr qint64 LimiteDescompactacao = qint64(2) * 1024 * 1024 * 1024;

// Writes the archive's single entry named `nomeEntrada` (case ignored) to `destino`, and
// nothing else: an archive that is not a zip, holds other entries, or expands beyond `limite`
// is refused (decompression stops at the bound) and `destino` is not created. Returns an empty
// text, or what went wrong.
QString DescompactaArquivo(const QString& arquivo, const QString& nomeEntrada, const QString& destino,
                           qint64 limite = LimiteDescompactacao);

// Puts `origem` in place of `destino` with one rename: at every instant `destino` is the old
// file or the whole new one, and a symbolic link at `destino` is replaced, never followed.
bool SubstituiArquivo(const QString& origem, const QString& destino);
