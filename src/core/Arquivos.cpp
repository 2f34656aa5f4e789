#include "core/Arquivos.h"
#include "core/Interacao.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <zip.h>

bool CopiaArquivo(Interacao& ui, const QString& origem, const QString& destino)
{
    auto falhou = [&ui] {
        Avisa(ui, Interacao::Icone::Critico, QStringLiteral("Erro"), QStringLiteral("Operação de cópia falhou."));
        return false;
    };
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return falhou();
    QSaveFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly))
        return falhou();
    const qint64 total = entrada.size();
    qint64 feito = 0;
    Progresso progresso(ui, QStringLiteral("Copiando o arquivo..."), total);
    QByteArray bloco;
    while (!(bloco = entrada.read(1 << 20)).isEmpty()) {
        if (saida.write(bloco) != bloco.size()) {
            saida.cancelWriting();
            return falhou();
        }
        feito += bloco.size();
        if (!progresso.avanca(feito)) {
            saida.cancelWriting();
            return falhou();
        }
    }
    if (entrada.error() != QFile::NoError || feito != total || !saida.commit())
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
    if (!fonte || zip_file_add(z, nomeEntrada.toUtf8().constData(), fonte, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
        const QString motivo = QString::fromUtf8(zip_strerror(z));
        if (fonte)
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
    QFile::remove(destino);
    if (!QFile::rename(temporario, destino)) {
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
    QSaveFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly)) {
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
        if (saida.write(bloco.constData(), lidos) != lidos) {
            motivo = QStringLiteral("não foi possível gravar ") + destino;
            break;
        }
    }
    zip_fclose(f);
    zip_discard(z);
    if (!motivo.isEmpty()) {
        saida.cancelWriting();
        return motivo;
    }
    if (!saida.commit())
        return QStringLiteral("não foi possível gravar ") + destino;
    return {};
}
