#include "admin/Backup.h"
#include "core/Contexto.h"
#include "core/Inicio.h"
#include "core/Trava.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

namespace {

void informa(const Situacao& s, const QString& texto)
{
    if (s)
        s(texto);
}

bool substitui(const QString& origem, const QString& destino)
{
    std::error_code erro;
    std::filesystem::rename(QFile::encodeName(origem).constData(), QFile::encodeName(destino).constData(), erro);
    return !erro;
}

// Reopens the body database after a backup or a restore; a failure is told, the work stays done.
void reabre(Contexto& ctx)
{
    try {
        ctx.BancoOrgao = Banco::abre(ctx.caminhoBancoOrgao());
        CarregaPeriodoAberto(ctx);
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Ocorreu um erro na abertura do banco de dados."), e.falha());
    }
}

// The folder last chosen in the backup or restore dialog, kept beside the program's databases.
QSettings preferencias(const Contexto& ctx)
{
    return QSettings(QDir(ctx.pastaPrograma).filePath(QStringLiteral("lumo.ini")), QSettings::IniFormat);
}
const QString ChavePastaBackup = QStringLiteral("Backup/UltimaPasta");

enum class Verificacao { Valido, OutroExercicio, Invalido };

// Whether a file is a readable body database of this program and of this exercise.
Verificacao verifica(const QString& caminho, QString& motivo)
{
    try {
        Banco b = Banco::abre(caminho);
        if (b.valor(QStringLiteral("PRAGMA quick_check")).toString() != QStringLiteral("ok")) {
            motivo = QStringLiteral("o banco de dados está danificado");
            return Verificacao::Invalido;
        }
        if (!b.tabelaExiste(QStringLiteral("tabChave")) || !b.tabelaExiste(QStringLiteral("tabControleMovimento"))) {
            motivo = QStringLiteral("não é um banco de dados do Lumo");
            return Verificacao::Invalido;
        }
        QSqlQuery q = b.executa(QStringLiteral("Select bimreferencia from tabControleMovimento ORDER BY bimreferencia"));
        QString ultimo;
        while (q.next())
            ultimo = q.value(0).toString();
        if (ultimo.isEmpty()) {
            motivo = QStringLiteral("o banco de dados não tem nenhum bimestre cadastrado");
            return Verificacao::Invalido;
        }
        return ultimo.left(4) == AnoExercicio ? Verificacao::Valido : Verificacao::OutroExercicio;
    } catch (const ErroBanco&) {
        motivo = QStringLiteral("o arquivo não é um banco de dados legível");
        return Verificacao::Invalido;
    }
}

} // namespace

bool NomeBackupValido(Interacao& ui, const QString& caminho)
{
    if (caminho.endsWith(NomeArquivoBackup))
        return true;
    MostraAviso(ui, QStringLiteral("Nome do Arquivo inválido.\rNão altere o nome do arquivo, deixe-o como BackupLUMO.LRF."));
    return false;
}

bool FazBackup(Contexto& ctx, const QString& destino, const Situacao& situacao)
{
    const TravaExclusiva trava(ctx.pastaDoOrgao()); // nobody else works on the body meanwhile
    if (!trava.tomada(ctx.interacao()))
        return false;
    Interacao& ui = ctx.interacao();
    if (!NomeBackupValido(ui, destino))
        return false;
    const QString pasta = ctx.pastaDoOrgao();
    const QString banco = ctx.caminhoBancoOrgao();
    const QString compactado = QDir(pasta).filePath(QStringLiteral("lumo2.mdb"));
    const QString arquivo = QDir(pasta).filePath(NomeArquivoBackup);
    informa(situacao, QStringLiteral("Início do Processo de Backup..."));
    try {
        ctx.BancoOrgao.executa(QStringLiteral("UPDATE tabChave SET backup = 1"));
        QFile::remove(compactado);
        ctx.BancoOrgao.executa(QStringLiteral("VACUUM INTO ?"), {compactado});
    } catch (const ErroBanco& e) {
        QFile::remove(compactado);
        MostraErro(ui, QStringLiteral("Erro ao tentar compactar o banco de dados."), e.falha());
        return false;
    }
    ctx.BancoOrgao.fecha();
    if (!substitui(compactado, banco)) {
        QFile::remove(compactado);
        reabre(ctx);
        MostraErro(ui, QStringLiteral("Erro ao tentar compactar o banco de dados."),
                   {QStringLiteral("Backup"), 0, QStringLiteral("Não foi possível substituir ") + banco});
        return false;
    }
    informa(situacao, QStringLiteral("Compactando banco de dados..."));
    ui.cursorOcupado();
    const QString falha = CompactaArquivo(banco, arquivo, QFileInfo(banco).fileName());
    reabre(ctx);
    ui.cursorNormal();
    if (!falha.isEmpty()) {
        MostraErro(ui, QStringLiteral("Erro ao tentar compactar o banco de dados."), {QStringLiteral("Backup"), 0, falha});
        return false;
    }
    const QString pastaDestino = QFileInfo(destino).absolutePath();
    informa(situacao, QStringLiteral("Copiando para ") + QDir::toNativeSeparators(pastaDestino));
    // Saved into the body's own folder (where the dialogs may start), the file is already there.
    const bool naPastaDoOrgao = QDir(pastaDestino).canonicalPath() == QDir(pasta).canonicalPath();
    if (!naPastaDoOrgao && !CopiaArquivo(ui, arquivo, QDir(pastaDestino).filePath(NomeArquivoBackup))) {
        informa(situacao, QStringLiteral("Problemas na Geração do Backup. Tente novamente, de preferência com outro Disquete"));
        return false;
    }
    if (!naPastaDoOrgao)
        QFile::remove(arquivo);
    informa(situacao, QStringLiteral("Backup realizado com sucesso."));
    MostraAviso(ui, QStringLiteral("Backup Realizado com Sucesso!"));
    return true;
}

bool RestauraBackup(Contexto& ctx, const QString& arquivo, const Situacao& situacao)
{
    const TravaExclusiva trava(ctx.pastaDoOrgao()); // nobody else works on the body meanwhile
    if (!trava.tomada(ctx.interacao()))
        return false;
    Interacao& ui = ctx.interacao();
    if (QFileInfo(arquivo).fileName().compare(NomeArquivoBackup, Qt::CaseInsensitive) != 0 || !QFileInfo(arquivo).isFile()) {
        MostraAviso(ui, QStringLiteral("Arquivo Inválido."));
        return false;
    }
    const QString banco = ctx.caminhoBancoOrgao();
    const QString original = QDir(ctx.pastaDoOrgao()).filePath(QStringLiteral("lumoOri.mdb"));
    ctx.BancoOrgao.fecha();
    QFile::remove(original);
    if (!QFile::rename(banco, original)) {
        reabre(ctx);
        MostraErro(ui, QStringLiteral("Erro ao tentar restaurar o banco de dados."),
                   {QStringLiteral("Restauração"), 0, QStringLiteral("Não foi possível renomear ") + banco});
        return false;
    }
    // Whatever goes wrong from here on, the previous database is put back as it was.
    auto devolve = [&](const QString& texto) {
        QFile::remove(banco);
        QFile::rename(original, banco);
        reabre(ctx);
        MostraAviso(ui, texto);
        return false;
    };
    informa(situacao, QStringLiteral("Descompactando Banco de Dados ..."));
    ui.cursorOcupado();
    const QString falha = DescompactaArquivo(arquivo, QFileInfo(banco).fileName(), banco);
    ui.cursorNormal();
    if (!falha.isEmpty())
        return devolve(QStringLiteral("A restauração não foi realizada: ") + falha + u'.');
    informa(situacao, QStringLiteral("Banco de Dados Restaurado ..."));
    QString motivo;
    switch (verifica(banco, motivo)) {
    case Verificacao::OutroExercicio:
        return devolve(QStringLiteral("A restauração não foi realizada (Backups de anos anteriores não podem ser restaurados no ano atual!!)"));
    case Verificacao::Invalido:
        return devolve(QStringLiteral("A restauração não foi realizada: ") + motivo + u'.');
    case Verificacao::Valido:
        break;
    }
    QFile::remove(original);
    reabre(ctx);
    MostraAviso(ui, QStringLiteral("Banco de Dados restaurado com Sucesso !"));
    return true;
}

QString InicioDialogoBackup(const Contexto& ctx, bool restauracao)
{
    QString pasta = preferencias(ctx).value(ChavePastaBackup).toString();
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir()) {
        pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (restauracao)
            pasta = ctx.pastaDoOrgao();
        else if (pasta.isEmpty() || !QFileInfo(pasta).isDir())
            pasta = QDir::homePath();
    }
    return restauracao ? QDir::cleanPath(pasta) : QDir(pasta).filePath(NomeArquivoBackup);
}

void GuardaPastaBackup(const Contexto& ctx, const QString& arquivo)
{
    if (!arquivo.isEmpty())
        preferencias(ctx).setValue(ChavePastaBackup, QFileInfo(arquivo).absolutePath());
}

bool DesligaPerguntaBackup(Contexto& ctx)
{
    try {
        ctx.BancoOrgao.executa(QStringLiteral("update tabChave set backup = 0"));
        return true;
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro Alterando Configuração de Backup"), e.falha());
        return false;
    }
}
