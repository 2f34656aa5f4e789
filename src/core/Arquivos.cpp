#include "core/Arquivos.h"
#include "core/Interacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <zip.h>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The bytes of a file reach the disk before it is renamed into place.
void sincroniza(QFile& f)
{
    f.flush();
#ifdef Q_OS_UNIX
    ::fsync(f.handle());
#endif
}

void sincronizaPasta([[maybe_unused]] const QString& pasta)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(pasta).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

// A file written under `destino` + ".tmp" and renamed over `destino` only when complete.
// QSaveFile is not used because it writes through a symbolic link at the destination; the
// temporary is created exclusively (a link there makes the opening fail).
class Gravacao {
public:
    explicit Gravacao(const QString& destino) : destino_(destino), arquivo_(destino + QStringLiteral(".tmp")) {}
    ~Gravacao() { cancela(); }
    bool abre()
    {
        QFile::remove(arquivo_.fileName());
        aberto_ = arquivo_.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        return aberto_;
    }
    bool escreve(const char* dados, qint64 tamanho) { return arquivo_.write(dados, tamanho) == tamanho; }
    bool confirma()
    {
        sincroniza(arquivo_);
        const bool ok = arquivo_.error() == QFileDevice::NoError;
        arquivo_.close();
        if (!ok || !SubstituiArquivo(arquivo_.fileName(), destino_))
            return false;
        aberto_ = false;
        return true;
    }
    void cancela()
    {
        if (!aberto_)
            return;
        arquivo_.close();
        QFile::remove(arquivo_.fileName());
        aberto_ = false;
    }

private:
    QString destino_;
    QFile arquivo_;
    bool aberto_ = false;
};

} // namespace

bool SubstituiArquivo(const QString& origem, const QString& destino)
{
    std::error_code erro;
    std::filesystem::rename(QFile::encodeName(origem).constData(), QFile::encodeName(destino).constData(), erro);
    if (erro)
        return false;
    sincronizaPasta(QFileInfo(destino).absolutePath());
    return true;
}

bool CopiaArquivo(Interacao& ui, const QString& origem, const QString& destino)
{
    auto falhou = [&ui] {
        Avisa(ui, Interacao::Icone::Critico, QStringLiteral("Erro"), QStringLiteral("Operação de cópia falhou."));
        return false;
    };
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return falhou();
    Gravacao saida(destino);
    if (!saida.abre())
        return falhou();
    const qint64 total = entrada.size();
    qint64 feito = 0;
    Progresso progresso(ui, QStringLiteral("Copiando o arquivo..."), total);
    QByteArray bloco;
    while (!(bloco = entrada.read(1 << 20)).isEmpty()) {
        if (!saida.escreve(bloco.constData(), bloco.size()))
            return falhou();
        feito += bloco.size();
        if (!progresso.avanca(feito))
            return falhou();
    }
    if (entrada.error() != QFile::NoError || feito != total || !saida.confirma())
        return falhou();
    return true;
}

QString CompactaArquivo(const QString& origem, const QString& destino, const QString& nomeEntrada)
{
    const QString temporario = destino + QStringLiteral(".tmp");
    QFile::remove(temporario);
    int erro = 0;
    zip_t* z = zip_open(QFile::encodeName(temporario).constData(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
    if (!z)
        return QStringLiteral("não foi possível criar ") + destino;
    zip_source_t* fonte = zip_source_file(z, QFile::encodeName(origem).constData(), 0, 0);
    zip_int64_t indice = -1;
    // Deflate at zlib's usual level: libzip's default compresses at its slowest, eight times
    // the time for a file 2% smaller.
    if (!fonte || (indice = zip_file_add(z, nomeEntrada.toUtf8().constData(), fonte, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)) < 0
        || zip_set_file_compression(z, zip_uint64_t(indice), ZIP_CM_DEFLATE, 6) < 0) {
        const QString motivo = QString::fromUtf8(zip_strerror(z));
        if (fonte && indice < 0)
            zip_source_free(fonte);
        zip_discard(z);
        QFile::remove(temporario);
        return motivo;
    }
    if (zip_close(z) < 0) {
        const QString motivo = QString::fromUtf8(zip_strerror(z));
        zip_discard(z);
        QFile::remove(temporario);
        return motivo;
    }
    if (!SubstituiArquivo(temporario, destino)) {
        QFile::remove(temporario);
        return QStringLiteral("não foi possível gravar ") + destino;
    }
    return {};
}

QString DescompactaArquivo(const QString& arquivo, const QString& nomeEntrada, const QString& destino, qint64 limite)
{
    int erro = 0;
    zip_t* z = zip_open(QFile::encodeName(arquivo).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &erro);
    if (!z)
        return QStringLiteral("o arquivo não é um arquivo compactado válido");
    auto fecha = [z](const QString& motivo) {
        zip_discard(z);
        return motivo;
    };
    if (zip_get_num_entries(z, 0) != 1)
        return fecha(QStringLiteral("o arquivo compactado deve conter apenas ") + nomeEntrada);
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(z, 0, 0, &st) < 0 || !(st.valid & ZIP_STAT_NAME))
        return fecha(QStringLiteral("o arquivo compactado está danificado"));
    if (QString::fromUtf8(st.name).compare(nomeEntrada, Qt::CaseInsensitive) != 0)
        return fecha(QStringLiteral("o arquivo compactado não contém ") + nomeEntrada);
    if ((st.valid & ZIP_STAT_SIZE) && qint64(st.size) > limite)
        return fecha(QStringLiteral("o conteúdo do arquivo compactado é grande demais"));
    zip_file_t* f = zip_fopen_index(z, 0, 0);
    if (!f)
        return fecha(QStringLiteral("o arquivo compactado está danificado"));
    Gravacao saida(destino);
    if (!saida.abre()) {
        zip_fclose(f);
        return fecha(QStringLiteral("não foi possível gravar ") + destino);
    }
    QByteArray bloco(1 << 20, Qt::Uninitialized);
    qint64 total = 0;
    QString motivo;
    for (;;) {
        const zip_int64_t lidos = zip_fread(f, bloco.data(), zip_uint64_t(bloco.size()));
        if (lidos < 0) {
            motivo = QStringLiteral("o arquivo compactado está danificado");
            break;
        }
        if (lidos == 0)
            break;
        total += lidos;
        // The size in the header is not trusted: the bound holds on what is really written.
        if (total > limite) {
            motivo = QStringLiteral("o conteúdo do arquivo compactado é grande demais");
            break;
        }
        if (!saida.escreve(bloco.constData(), lidos)) {
            motivo = QStringLiteral("não foi possível gravar ") + destino;
            break;
        }
    }
    zip_fclose(f);
    zip_discard(z);
    if (!motivo.isEmpty())
        return motivo;
    if (!saida.confirma())
        return QStringLiteral("não foi possível gravar ") + destino;
    // The bound holds on the file that results as well.
    if (QFileInfo(destino).size() > limite) {
        QFile::remove(destino);
        return QStringLiteral("o conteúdo do arquivo compactado é grande demais");
    }
    return {};
}
