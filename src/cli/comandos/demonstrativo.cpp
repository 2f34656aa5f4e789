// demonstrativo --anexo NN [--csv]: a statement of the open period as its editor shows it.
#include "Cli.h"
#include "statements/Tabela.h"

namespace cli {
namespace {

QString campoCsv(QString t)
{
    if (t.contains(u';') || t.contains(u'"') || t.contains(u'\n')) {
        t.replace(u'"', QStringLiteral("\"\""));
        return u'"' + t + u'"';
    }
    return t;
}

int demonstrativo(Sessao& s)
{
    QString anexo;
    bool csv = false;
    const QStringList& a = s.opcoes.argumentos;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == QStringLiteral("--anexo") && i + 1 < a.size())
            anexo = a[++i];
        else if (a[i] == QStringLiteral("--csv"))
            csv = true;
        else
            return Uso(s, QStringLiteral("Opção desconhecida: ") + a[i]);
    }
    if (anexo.isEmpty())
        return Uso(s, QStringLiteral("Informe o anexo com --anexo NN (por exemplo --anexo 03)."));
    if (int r = s.entraCom({QStringLiteral("P03")}); r != Ok)
        return r;
    try {
        const auto t = TabelaDoAnexo(s.ctx, anexo);
        if (!t) {
            EscreveErro(QStringLiteral("O anexo %1 não é um demonstrativo.").arg(anexo));
            return ErroUso;
        }
        if (s.ui.houveFalha)
            return ErroUso;
        if (csv) {
            QStringList cab;
            for (const QString& c : t->cabecalho)
                cab << campoCsv(c);
            Escreve(cab.join(u';'));
            for (const QStringList& l : t->linhas) {
                QStringList campos;
                for (const QString& c : l)
                    campos << campoCsv(c);
                Escreve(campos.join(u';'));
            }
            return Ok;
        }
        Escreve(t->titulo);
        Escreve(t->cabecalho.join(u'\t'));
        for (const QStringList& l : t->linhas)
            Escreve(l.join(u'\t'));
        return Ok;
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
}

const Registro r({QStringLiteral("demonstrativo"), QStringLiteral("--orgao C --usuario U demonstrativo --anexo NN [--csv]"),
                  demonstrativo});

} // namespace
} // namespace cli
