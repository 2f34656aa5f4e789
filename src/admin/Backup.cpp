#include "admin/Backup.h"
#include "core/Contexto.h"
#include "core/Inicio.h"
#include "core/Trava.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <map>

namespace {

void informa(const Situacao& s, const QString& texto)
{
    if (s)
        s(texto);
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

// Closes the body database and puts `arquivo` in its place with one rename; on failure the file
// goes, the database it replaced is opened again and the error box says what failed.
bool poeNoLugar(Contexto& ctx, const QString& arquivo, const QString& banco, const QString& texto, const QString& origem)
{
    ctx.BancoOrgao.fecha();
    if (SubstituiArquivo(arquivo, banco))
        return true;
    QFile::remove(arquivo);
    reabre(ctx);
    MostraErro(ctx.interacao(), texto, {origem, 0, QStringLiteral("Não foi possível substituir ") + banco});
    return false;
}

// The folder last chosen in the backup or restore dialog, kept beside the program's databases.
QSettings preferencias(const Contexto& ctx)
{
    return QSettings(QDir(ctx.pastaPrograma).filePath(QStringLiteral("lumo.ini")), QSettings::IniFormat);
}
const QString ChavePastaBackup = QStringLiteral("Backup/UltimaPasta");

const QString ArquivoRestauracao = QStringLiteral("lumoRestauracao.mdb");

// Tables and their columns of a database, by lower-case name (names ignore case in SQL).
struct Tabela {
    QString nome;
    std::map<QString, QString> colunas;
};
struct Estrutura {
    std::map<QString, Tabela> tabelas;
};

Estrutura estruturaDe(const Banco& b)
{
    Estrutura e;
    QSqlQuery q = b.executa(QStringLiteral("SELECT m.name, c.name FROM sqlite_master m, pragma_table_info(m.name) c "
                                           "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"));
    while (q.next()) {
        auto& t = e.tabelas[q.value(0).toString().toLower()];
        t.nome = q.value(0).toString();
        t.colunas[q.value(1).toString().toLower()] = q.value(1).toString();
    }
    return e;
}

// What the restored database lacks of the structure the program gives a new body (its template
// database; the active body's own when the template is missing). A newer revision's extra
// tables and columns do not matter.
QStringList faltas(const Estrutura& modelo, const Estrutura& restaurado)
{
    QStringList r;
    for (const auto& [chave, tabela] : modelo.tabelas) {
        const auto achada = restaurado.tabelas.find(chave);
        if (achada == restaurado.tabelas.end()) {
            r << QStringLiteral("a tabela ") + tabela.nome;
            continue;
        }
        for (const auto& [coluna, nome] : tabela.colunas)
            if (!achada->second.colunas.count(coluna))
                r << QStringLiteral("a coluna ") + nome + QStringLiteral(" da tabela ") + tabela.nome;
    }
    return r;
}

Estrutura estruturaModelo(const Contexto& ctx)
{
    const QString modelo = ArquivoNaPasta(ArquivoNaPasta(ctx.pastaPrograma, QStringLiteral("data")), ctx.NomeBanco);
    if (QFileInfo(modelo).isFile()) {
        try {
            return estruturaDe(Banco::abre(modelo));
        } catch (const ErroBanco&) {
        }
    }
    return estruturaDe(ctx.BancoOrgao);
}

enum class Verificacao { Valido, OutroExercicio, Invalido };

struct Restaurado {
    QString codigo;    // tabChave.Codigo_tabOrgaos
    QString descricao; // its tabOrgaos.descricao
};

// Whether a file is a complete, sound body database of this program and of this exercise.
Verificacao verifica(const QString& caminho, const Estrutura& modelo, QString& motivo, Restaurado& orgao)
{
    Banco b;
    try {
        b = Banco::abre(caminho);
    } catch (const ErroBanco&) {
        motivo = QStringLiteral("o arquivo não é um banco de dados legível");
        return Verificacao::Invalido;
    }
    try {
        if (b.valor(QStringLiteral("PRAGMA integrity_check(1)")).toString() != QStringLiteral("ok")) {
            motivo = QStringLiteral("o banco de dados está danificado");
            return Verificacao::Invalido;
        }
        if (const QStringList f = faltas(modelo, estruturaDe(b)); !f.isEmpty()) {
            motivo = QStringLiteral("o arquivo não é um banco de dados completo do Lumo (falta ") + f.front()
                + (f.size() > 1 ? QStringLiteral(" e outros %1 itens)").arg(f.size() - 1) : QStringLiteral(")"));
            return Verificacao::Invalido;
        }
        QSqlQuery q = b.executa(QStringLiteral("Select bimreferencia from tabControleMovimento ORDER BY bimreferencia"));
        QString ultimo;
        while (q.next())
            ultimo = q.value(0).toString();
        q = QSqlQuery();
        if (ultimo.isEmpty()) {
            motivo = QStringLiteral("o banco de dados não tem nenhum bimestre cadastrado");
            return Verificacao::Invalido;
        }
        if (ultimo.left(4) != AnoExercicio)
            return Verificacao::OutroExercicio;
        q = b.executa(QStringLiteral("SELECT c.Codigo_tabOrgaos, o.descricao FROM tabChave c "
                                     "LEFT JOIN tabOrgaos o ON o.Codigo = trim(c.Codigo_tabOrgaos) LIMIT 1"));
        if (!q.next()) {
            motivo = QStringLiteral("o banco de dados não tem o registro de identificação do órgão (tabChave)");
            return Verificacao::Invalido;
        }
        orgao = {q.value(0).toString().trimmed(), q.value(1).toString().trimmed()};
        return Verificacao::Valido;
    } catch (const ErroBanco&) {
        motivo = QStringLiteral("o banco de dados está danificado");
        return Verificacao::Invalido;
    }
}

QString nomeDoOrgao(const QString& descricao, const QString& codigo)
{
    return descricao.isEmpty() ? codigo : descricao + QStringLiteral(" (") + codigo + u')';
}

// Both databases are in the same folder when it resolves to the same place.
bool mesmaPasta(const QString& a, const QString& b)
{
    const auto resolvida = [](const QString& p) {
        const QString c = QFileInfo(p).canonicalFilePath();
        return c.isEmpty() ? QDir::cleanPath(QFileInfo(p).absoluteFilePath()) : c;
    };
    return resolvida(a) == resolvida(b);
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
    const QString pastaDestino = QFileInfo(destino).absolutePath();
    // The compressed file is made in the body's folder and removed once copied out: a backup
    // kept beside the database it protects would be lost with it.
    if (mesmaPasta(pastaDestino, pasta)) {
        MostraAviso(ui, QStringLiteral("O backup não pode ser gravado na pasta de dados do órgão.\r"
                                       "Escolha outra pasta, de preferência em outro disco ou pen drive."));
        return false;
    }
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
    // One rename: the working name always holds the old database or the whole compacted one.
    if (!poeNoLugar(ctx, compactado, banco, QStringLiteral("Erro ao tentar compactar o banco de dados."), QStringLiteral("Backup")))
        return false;
    informa(situacao, QStringLiteral("Compactando banco de dados..."));
    ui.cursorOcupado();
    const QString falha = CompactaArquivo(banco, arquivo, QFileInfo(banco).fileName());
    reabre(ctx);
    ui.cursorNormal();
    if (!falha.isEmpty()) {
        MostraErro(ui, QStringLiteral("Erro ao tentar compactar o banco de dados."), {QStringLiteral("Backup"), 0, falha});
        return false;
    }
    informa(situacao, QStringLiteral("Copiando para ") + QDir::toNativeSeparators(pastaDestino));
    if (!CopiaArquivo(ui, arquivo, QDir(pastaDestino).filePath(NomeArquivoBackup))) {
        informa(situacao, QStringLiteral("Problemas na Geração do Backup. Tente novamente, de preferência com outro Disquete"));
        return false;
    }
    QFile::remove(arquivo);
    informa(situacao, QStringLiteral("Backup realizado com sucesso."));
    MostraAviso(ui, QStringLiteral("Backup Realizado com Sucesso!"));
    return true;
}

bool RestauraBackup(Contexto& ctx, const QString& arquivo, const Situacao& situacao, qint64 limite)
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
    // The backup is decompressed and checked beside the database, which stays untouched (and
    // open) until the checked file takes its place with one rename.
    const QString novo = QDir(ctx.pastaDoOrgao()).filePath(ArquivoRestauracao);
    QFile::remove(novo);
    auto recusa = [&](const QString& texto) {
        QFile::remove(novo);
        MostraAviso(ui, texto);
        return false;
    };
    informa(situacao, QStringLiteral("Descompactando Banco de Dados ..."));
    ui.cursorOcupado();
    const QString falha = DescompactaArquivo(arquivo, ctx.NomeBanco, novo, limite);
    if (!falha.isEmpty()) {
        ui.cursorNormal();
        return recusa(QStringLiteral("A restauração não foi realizada: ") + falha + u'.');
    }
    informa(situacao, QStringLiteral("Banco de Dados Restaurado ..."));
    QString motivo;
    Restaurado deles;
    const Verificacao v = verifica(novo, estruturaModelo(ctx), motivo, deles);
    ui.cursorNormal();
    switch (v) {
    case Verificacao::OutroExercicio:
        return recusa(QStringLiteral("A restauração não foi realizada (Backups de anos anteriores não podem ser restaurados no ano atual!!)"));
    case Verificacao::Invalido:
        return recusa(QStringLiteral("A restauração não foi realizada: ") + motivo + u'.');
    case Verificacao::Valido:
        break;
    }
    const QString ativo = ctx.CodigoOrgao.trimmed();
    if (!deles.codigo.isEmpty() && deles.codigo.compare(ativo, Qt::CaseInsensitive) != 0) {
        QString descricao;
        try {
            descricao = ctx.BancoOrgao.valor(QStringLiteral("SELECT descricao FROM tabOrgaos WHERE Codigo = ?"), {ativo}).toString().trimmed();
        } catch (const ErroBanco&) {
            descricao = ctx.NomeOrgao.trimmed();
        }
        if (!ui.pergunta(TituloPrograma,
                         QStringLiteral("Este backup é do órgão ") + nomeDoOrgao(deles.descricao, deles.codigo)
                             + QStringLiteral(" e não do órgão ") + nomeDoOrgao(descricao, ativo)
                             + QStringLiteral("; deseja restaurar assim mesmo?"),
                         Interacao::Padrao::Nao)) {
            QFile::remove(novo);
            return false;
        }
    }
    if (!poeNoLugar(ctx, novo, banco, QStringLiteral("Erro ao tentar restaurar o banco de dados."), QStringLiteral("Restauração")))
        return false;
    // A previous database left by an interrupted restore of an older version is no longer needed.
    QFile::remove(ArquivoNaPasta(ctx.pastaDoOrgao(), QStringLiteral("lumoOri.mdb")));
    reabre(ctx);
    MostraAviso(ui, QStringLiteral("Banco de Dados restaurado com Sucesso !"));
    return true;
}

QString InicioDialogoBackup(const Contexto& ctx, bool restauracao)
{
    QString pasta = preferencias(ctx).value(ChavePastaBackup).toString();
    // A backup may not go to the body's own folder, where a restore may have started.
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir() || (!restauracao && mesmaPasta(pasta, ctx.pastaDoOrgao()))) {
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
