// backup --destino PASTA, restaurar ARQUIVO
#include "Cli.h"
#include "admin/Backup.h"

#include <QDir>
#include <QFileInfo>

namespace cli {
namespace {

int backup(Sessao& s)
{
    const QString pasta = PastaDeDestino(s);
    if (pasta.isEmpty())
        return ErroUso;
    if (int r = s.entra(); r != Ok)
        return r;
    return FazBackup(s.ctx, QDir(pasta).filePath(NomeArquivoBackup), [](const QString& t) { EscreveErro(t); }) ? Ok : Recusado;
}

int restaurar(Sessao& s)
{
    if (s.opcoes.argumentos.size() != 1)
        return Uso(s, QStringLiteral("Informe o arquivo BackupLumo.lrf a restaurar."));
    if (int r = s.entra(); r != Ok)
        return r;
    const QString arquivo = QFileInfo(s.opcoes.argumentos[0]).absoluteFilePath();
    return RestauraBackup(s.ctx, arquivo, [](const QString& t) { EscreveErro(t); }) ? Ok : Recusado;
}

const Registro r1({QStringLiteral("backup"), QStringLiteral("--orgao C --usuario U backup --destino PASTA"), backup});
const Registro r2({QStringLiteral("restaurar"), QStringLiteral("--orgao C --usuario U restaurar ARQUIVO"), restaurar});

} // namespace
} // namespace cli
