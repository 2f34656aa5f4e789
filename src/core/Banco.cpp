#include "core/Banco.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <atomic>
#include <optional>

ErroBanco::ErroBanco(Falha f) : std::runtime_error(f.descricao.toStdString()), falha_(std::move(f)) {}

namespace {
// The database engine speaks English; the user reads what happened in Portuguese and the
// engine's own words go to the log of the program folder with Qt's other notices.
QString descricaoDoErro(int codigo)
{
    switch (codigo & 0xFF) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QStringLiteral("O banco de dados está em uso por outro programa. Tente novamente em instantes.");
    case 7: return QStringLiteral("Memória insuficiente.");
    case 8: return QStringLiteral("O banco de dados não pode ser gravado (arquivo somente leitura).");
    case 10: return QStringLiteral("Erro de leitura ou gravação no disco.");
    case 11: return QStringLiteral("O arquivo do banco de dados está danificado.");
    case 13: return QStringLiteral("O disco está cheio.");
    case 14: return QStringLiteral("Não foi possível abrir o arquivo do banco de dados.");
    case 19: return QStringLiteral("O registro viola uma regra do banco de dados (duplicado ou incompleto).");
    case 26: return QStringLiteral("O arquivo não é um banco de dados do Lumo.");
    default: return QStringLiteral("Erro no comando do banco de dados.");
    }
}

Falha falhaDe(const QSqlError& e, const QString& origem)
{
    const int codigo = e.nativeErrorCode().toInt();
    qWarning("%s", qPrintable(origem + QStringLiteral(": ") + e.text().trimmed()));
    return {origem, codigo, descricaoDoErro(codigo)};
}
} // namespace

Banco Banco::conecta(const QString& caminho, bool criar)
{
    if (!criar && !QFileInfo(caminho).isFile())
        throw ErroBanco({QStringLiteral("Banco"), 3024, QStringLiteral("Arquivo não encontrado: ") + caminho});
    static std::atomic<int> contador{0};
    Banco b;
    b.conexao_ = QStringLiteral("lumo-%1").arg(++contador);
    b.caminho_ = caminho;
    std::optional<Falha> falha;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), b.conexao_);
        db.setDatabaseName(caminho);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            falha = falhaDe(db.lastError(), QStringLiteral("Banco"));
        } else {
            // A file that is not a database fails here rather than at the first real query.
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                falha = falhaDe(q.lastError(), QStringLiteral("Banco"));
        }
    }
    // The connection is removed only once no handle of it is left, or Qt complains that it is
    // still in use.
    if (falha) {
        b.fecha();
        throw ErroBanco(*falha);
    }
    return b;
}

Banco Banco::abre(const QString& caminho) { return conecta(caminho, false); }
Banco Banco::cria(const QString& caminho) { return conecta(caminho, true); }

Banco::Banco(Banco&& o) noexcept
    : conexao_(std::move(o.conexao_)), caminho_(std::move(o.caminho_)), profundidade_(o.profundidade_)
{
    o.conexao_.clear();
    o.profundidade_ = 0;
}

Banco& Banco::operator=(Banco&& o) noexcept
{
    if (this != &o) {
        fecha();
        conexao_ = std::move(o.conexao_);
        caminho_ = std::move(o.caminho_);
        profundidade_ = o.profundidade_;
        o.conexao_.clear();
        o.profundidade_ = 0;
    }
    return *this;
}

Banco::~Banco() { fecha(); }

void Banco::fecha()
{
    if (conexao_.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(conexao_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(conexao_);
    conexao_.clear();
    profundidade_ = 0;
}

QSqlDatabase Banco::db() const { return QSqlDatabase::database(conexao_, false); }

QSqlQuery Banco::executa(const QString& sql, const QVariantList& valores) const
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw ErroBanco(falhaDe(q.lastError(), QStringLiteral("Banco")));
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (!q.exec())
        throw ErroBanco(falhaDe(q.lastError(), QStringLiteral("Banco")));
    return q;
}

QVariant Banco::valor(const QString& sql, const QVariantList& valores) const
{
    QSqlQuery q = executa(sql, valores);
    return q.next() ? q.value(0) : QVariant();
}

bool Banco::existe(const QString& sql, const QVariantList& valores) const
{
    QSqlQuery q = executa(sql, valores);
    return q.next();
}

bool Banco::tabelaExiste(const QString& tabela) const
{
    return existe(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
                  {tabela});
}

namespace {
void executaControle(const Banco& banco, const QString& sql)
{
    QSqlQuery q(banco.db());
    if (!q.exec(sql))
        throw ErroBanco(falhaDe(q.lastError(), QStringLiteral("Transação")));
}
QString pontoSalvo(int nivel) { return QStringLiteral("lumo_t%1").arg(nivel); }
} // namespace

Transacao::Transacao(const Banco& banco) : banco_(banco), nivel_(banco.profundidade_ + 1)
{
    executaControle(banco_, nivel_ == 1 ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT ") + pontoSalvo(nivel_));
    banco_.profundidade_ = nivel_;
    ativa_ = true;
}

Transacao::~Transacao()
{
    if (!ativa_)
        return;
    QSqlQuery q(banco_.db());
    if (nivel_ == 1) {
        q.exec(QStringLiteral("ROLLBACK"));
    } else {
        q.exec(QStringLiteral("ROLLBACK TO ") + pontoSalvo(nivel_));
        q.exec(QStringLiteral("RELEASE ") + pontoSalvo(nivel_));
    }
    banco_.profundidade_ = nivel_ - 1;
}

void Transacao::confirma()
{
    if (!ativa_)
        return;
    executaControle(banco_, nivel_ == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + pontoSalvo(nivel_));
    ativa_ = false;
    banco_.profundidade_ = nivel_ - 1;
}

int ProximoCodigo(const Banco& banco, const QString& tabela, const QString& coluna)
{
    // Table and column names come from the program, never from what the user typed.
    try {
        QSqlQuery q = banco.executa(QStringLiteral("select max(%1) as cod from %2").arg(coluna, tabela));
        if (!q.next())
            return 0;
        const QVariant cod = q.value(0);
        return cod.isNull() ? 1 : cod.toInt() + 1;
    } catch (const ErroBanco&) {
        return 0;
    }
}

QString ObtemMensagem(const Banco& banco, int codigo)
{
    const QVariant v = banco.valor(QStringLiteral("SELECT descricao FROM tabMensagem WHERE codigo = ?"), {codigo});
    return v.isValid() ? v.toString() : QStringLiteral("Erro não cadastrado");
}

QString ArquivoNaPasta(const QString& pasta, const QString& nome)
{
    QDir dir(pasta);
    const QString exato = dir.filePath(nome);
    if (QFileInfo::exists(exato))
        return exato;
    const QStringList achados = dir.entryList({nome}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& a : achados)
        if (a.compare(nome, Qt::CaseInsensitive) == 0)
            return dir.filePath(a);
    return exato;
}

bool ArquivoExiste(const QString& caminho) { return QFileInfo(caminho).isFile(); }
