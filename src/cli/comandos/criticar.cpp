// criticar [--json]: the pre-submission checks of the open bimester, as the generation screen
// runs them. Exit 0 without problems, 1 with problems.
#include "Cli.h"
#include "core/Menu.h"
#include "submission/Criticas.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {
namespace {

// One line a problem: the line breaks some messages carry become blanks.
QString umaLinha(QString t)
{
    t.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ').replace(u'\t', u' ');
    return t;
}

QJsonValue registro(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QJsonValue::Null;
    bool inteiro = false;
    const qlonglong n = v.toLongLong(&inteiro);
    return inteiro ? QJsonValue(n) : QJsonValue(v.toString());
}

int criticar(Sessao& s)
{
    if (!s.opcoes.argumentos.isEmpty())
        return Uso(s, QStringLiteral("Opção desconhecida: ") + s.opcoes.argumentos.first());
    // The permissions of the generation screen's menu entry.
    const ItemMenu* gerar = ItemDoMenu(QStringLiteral("registrar.gerar"));
    if (int r = s.entraCom(gerar ? gerar->permissoes : QStringList{QStringLiteral("P03"), QStringLiteral("P04")}); r != Ok)
        return r;
    if (s.ctx.BimReferencia.trimmed().isEmpty()) {
        EscreveErro(QStringLiteral("Não há período aberto."));
        return ErroUso;
    }
    Problemas problemas;
    try {
        CalculaAnexosDoBimestre(s.ctx);
        problemas = ExecutaCriticas(s.ctx);
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
    if (s.opcoes.json) {
        QJsonArray lista;
        for (const Problema& p : problemas)
            lista.append(QJsonObject{{"id", p.verificacao}, {"anexo", p.anexo}, {"item", p.item}, {"mensagem", p.mensagem},
                                     {"solucao", p.solucao}, {"tabela", p.tabela.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(p.tabela)},
                                     {"registro", registro(p.linha)}});
        Escreve(QString::fromUtf8(QJsonDocument(lista).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const Problema& p : problemas)
            Escreve(umaLinha(p.anexo) + u'\t' + umaLinha(DescricaoProblema(p)) + u'\t' + umaLinha(p.solucao));
    }
    // A check that could not run leaves the answer unknown.
    if (s.ui.houveFalha)
        return ErroUso;
    return problemas.empty() ? Ok : Recusado;
}

const Registro r({QStringLiteral("criticar"), QStringLiteral("--orgao CODIGO --usuario NOME [--sim|--nao] [--json] criticar"), criticar});

} // namespace
} // namespace cli
