#include "core/Trava.h"
#include "core/Banco.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

const QString MensagemOrgaoEmUso = QStringLiteral(
    "O órgão está em uso por outro programa (backup, restauração ou geração do arquivo). Tente novamente em instantes.");
const QString MensagemOrgaoAberto = QStringLiteral(
    "O órgão está aberto em outro programa do Lumo. Feche-o antes de fazer o backup/restauração.");

namespace {

constexpr long long Nenhum = -1;

QString arquivoDaTrava(const QString& pastaOrgao)
{
    return QDir(QDir(pastaOrgao).absolutePath()).filePath(QStringLiteral("lumo.trava"));
}

QString chave(const QString& pastaOrgao)
{
    const QFileInfo f(pastaOrgao);
    const QString c = f.canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(f.absoluteFilePath()) : c;
}

#ifdef Q_OS_WIN
long long abre(const QString& caminho)
{
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(caminho.utf16()), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? Nenhum : reinterpret_cast<long long>(h);
}
void fecha(long long a) { CloseHandle(reinterpret_cast<HANDLE>(a)); }
bool tenta(long long a, bool exclusiva, bool espera)
{
    OVERLAPPED o{};
    DWORD modo = (exclusiva ? LOCKFILE_EXCLUSIVE_LOCK : 0) | (espera ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    return LockFileEx(reinterpret_cast<HANDLE>(a), modo, 0, 1, 0, &o);
}
void destrava(long long a)
{
    OVERLAPPED o{};
    UnlockFileEx(reinterpret_cast<HANDLE>(a), 0, 1, 0, &o);
}
#else
long long abre(const QString& caminho)
{
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    return fd < 0 ? Nenhum : fd;
}
void fecha(long long a) { ::close(int(a)); }
bool tenta(long long a, bool exclusiva, bool espera)
{
    const int op = (exclusiva ? LOCK_EX : LOCK_SH) | (espera ? 0 : LOCK_NB);
    int r;
    do
        r = ::flock(int(a), op);
    while (r != 0 && errno == EINTR);
    return r == 0;
}
void destrava(long long a) { ::flock(int(a), LOCK_UN); }
#endif

// Tries again every 100 ms until the time is up.
bool toma(long long a, bool exclusiva, int esperaMs)
{
    QElapsedTimer relogio;
    relogio.start();
    while (!tenta(a, exclusiva, false)) {
        if (relogio.elapsed() >= esperaMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

// The process's shared hold.
struct Posse {
    QString pasta;
    long long arquivo = Nenhum;
};
Posse& posse()
{
    static Posse p;
    return p;
}

Falha falhaAbertura(const QString& caminho)
{
    return {QStringLiteral("Trava"), 0, QStringLiteral("Não foi possível criar o arquivo ") + QDir::toNativeSeparators(caminho)};
}

} // namespace

void SeguraOrgao(const QString& pastaOrgao, int esperaMs)
{
    const QString pasta = chave(pastaOrgao);
    Posse& p = posse();
    if (p.arquivo != Nenhum && p.pasta == pasta)
        return;
    SoltaOrgao();
    const QString caminho = arquivoDaTrava(pastaOrgao);
    const long long a = abre(caminho);
    if (a == Nenhum)
        throw ErroBanco(falhaAbertura(caminho));
    if (!toma(a, false, esperaMs)) {
        fecha(a);
        throw ErroBanco({QStringLiteral("Trava"), 5, MensagemOrgaoEmUso});
    }
    p.pasta = pasta;
    p.arquivo = a;
}

void SoltaOrgao()
{
    Posse& p = posse();
    if (p.arquivo != Nenhum)
        fecha(p.arquivo);
    p = Posse();
}

QString OrgaoSeguro() { return posse().pasta; }

TravaExclusiva::TravaExclusiva(const QString& pastaOrgao, int esperaMs)
{
    const QString caminho = arquivoDaTrava(pastaOrgao);
    Posse& p = posse();
    if (p.arquivo != Nenhum && p.pasta == chave(pastaOrgao)) {
        arquivo_ = p.arquivo;
        destrava(arquivo_);
    } else {
        arquivo_ = abre(caminho);
        propria_ = true;
        if (arquivo_ == Nenhum) {
            motivo_ = falhaAbertura(caminho).descricao;
            return;
        }
    }
    tomada_ = toma(arquivo_, true, esperaMs);
    if (tomada_)
        return;
    // Someone else still holds it: shared means the body is open in another program; exclusive,
    // another backup, restore or package generation.
    const long long sonda = abre(caminho);
    const bool soAberto = sonda != Nenhum && tenta(sonda, false, false);
    if (sonda != Nenhum)
        fecha(sonda);
    motivo_ = soAberto ? MensagemOrgaoAberto : MensagemOrgaoEmUso;
}

TravaExclusiva::~TravaExclusiva()
{
    if (arquivo_ == Nenhum)
        return;
    if (propria_) {
        fecha(arquivo_);
        return;
    }
    // Back to the shared hold; another exclusive operation may be between, so this waits.
    if (tomada_)
        destrava(arquivo_);
    tenta(arquivo_, false, true);
}

bool TravaExclusiva::tomada(Interacao& ui) const
{
    if (!tomada_)
        Avisa(ui, Interacao::Icone::Aviso, TituloMensagem, motivo_);
    return tomada_;
}
