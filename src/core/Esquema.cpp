#include "core/Esquema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace esquema {

namespace {
QString leTexto(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroBanco({QStringLiteral("Esquema"), 0, QStringLiteral("Não foi possível ler ") + caminho});
    return QString::fromUtf8(f.readAll());
}

QStringList arquivos(const QString& pasta, const QString& filtro)
{
    QDir dir(pasta);
    QStringList r;
    for (const QString& nome : dir.entryList({filtro}, QDir::Files, QDir::Name))
        r << dir.filePath(nome);
    return r;
}
} // namespace

QStringList DivideComandos(const QString& script)
{
    QStringList comandos;
    QString atual;
    bool emAspas = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (!emAspas && c == u'-' && i + 1 < script.size() && script[i + 1] == u'-') {
            while (i < script.size() && script[i] != u'\n')
                ++i;
            atual += u'\n';
            continue;
        }
        if (c == u'\'')
            emAspas = !emAspas;
        if (!emAspas && c == u';') {
            if (!atual.trimmed().isEmpty())
                comandos << atual.trimmed();
            atual.clear();
            continue;
        }
        atual += c;
    }
    if (!atual.trimmed().isEmpty())
        comandos << atual.trimmed();
    return comandos;
}

void ExecutaScript(const Banco& banco, const QString& script)
{
    for (const QString& comando : DivideComandos(script))
        banco.executa(comando);
}

std::vector<QStringList> LeCsv(const QString& texto, std::vector<std::vector<bool>>* vazioSemAspas)
{
    std::vector<QStringList> linhas;
    QStringList linha;
    std::vector<bool> marcas;
    QString campo;
    bool emAspas = false, citado = false, temAlgo = false;
    auto fechaCampo = [&] {
        marcas.push_back(!citado && campo.isEmpty());
        linha << campo;
        campo.clear();
        citado = false;
    };
    auto fechaLinha = [&] {
        fechaCampo();
        if (!(linha.size() == 1 && linha[0].isEmpty() && marcas[0])) {
            linhas.push_back(linha);
            if (vazioSemAspas)
                vazioSemAspas->push_back(marcas);
        }
        linha.clear();
        marcas.clear();
        temAlgo = false;
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (emAspas) {
            if (c == u'"') {
                if (i + 1 < texto.size() && texto[i + 1] == u'"') {
                    campo += u'"';
                    ++i;
                } else {
                    emAspas = false;
                }
            } else {
                campo += c;
            }
            continue;
        }
        if (c == u'"') {
            emAspas = true;
            citado = true;
            temAlgo = true;
        } else if (c == u',') {
            fechaCampo();
            temAlgo = true;
        } else if (c == u'\n') {
            fechaLinha();
        } else if (c != u'\r' && c != QChar(0xFEFF)) {
            campo += c;
            temAlgo = true;
        }
    }
    if (temAlgo || !campo.isEmpty())
        fechaLinha();
    return linhas;
}

int CarregaCsv(const Banco& banco, const QString& tabela, const QString& caminhoCsv)
{
    std::vector<std::vector<bool>> vazios;
    const auto linhas = LeCsv(leTexto(caminhoCsv), &vazios);
    if (linhas.empty())
        return 0;
    const QStringList colunas = linhas.front();
    QStringList marcas;
    for (qsizetype i = 0; i < colunas.size(); ++i)
        marcas << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(tabela, colunas.join(u','), marcas.join(u','));
    QSqlQuery q(banco.db());
    if (!q.prepare(sql))
        throw ErroBanco({caminhoCsv, 0, q.lastError().text()});
    for (size_t n = 1; n < linhas.size(); ++n) {
        const QStringList& campos = linhas[n];
        if (campos.size() != colunas.size())
            throw ErroBanco({caminhoCsv, int(n + 1),
                             QStringLiteral("A linha %1 tem %2 campos; o cabeçalho tem %3.")
                                 .arg(n + 1).arg(campos.size()).arg(colunas.size())});
        for (qsizetype i = 0; i < campos.size(); ++i)
            q.bindValue(int(i), vazios[n][size_t(i)] ? QVariant() : QVariant(campos[i]));
        if (!q.exec())
            throw ErroBanco({caminhoCsv, int(n + 1), q.lastError().text()});
    }
    return int(linhas.size() - 1);
}

void CriaBanco(Tipo tipo, const QString& dirDados, const QString& caminho)
{
    if (QFileInfo::exists(caminho))
        throw ErroBanco({QStringLiteral("Esquema"), 0, QStringLiteral("O arquivo já existe: ") + caminho});
    const QDir dados(dirDados);
    QStringList scripts;
    QString dirRef;
    if (tipo == Tipo::Config) {
        scripts << dados.filePath(QStringLiteral("schema/config.sql"));
        dirRef = dados.filePath(QStringLiteral("ref/config"));
    } else {
        scripts = arquivos(dados.filePath(QStringLiteral("schema/orgao")), QStringLiteral("*.sql"));
        if (tipo == Tipo::Orgao)
            dirRef = dados.filePath(QStringLiteral("ref/orgao"));
    }
    Banco banco = Banco::cria(caminho);
    Transacao t(banco);
    for (const QString& s : scripts)
        ExecutaScript(banco, leTexto(s));
    if (!dirRef.isEmpty())
        for (const QString& csv : arquivos(dirRef, QStringLiteral("*.csv")))
            CarregaCsv(banco, QFileInfo(csv).completeBaseName(), csv);
    t.confirma();
}

} // namespace esquema
