// situacao: the body, its open period and the annexes due in it.
#include "Cli.h"
#include "core/Conversoes.h"
#include "core/Menu.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {
namespace {

int situacao(Sessao& s)
{
    if (!s.opcoes.argumentos.isEmpty())
        return Uso(s, QStringLiteral("O comando situacao não recebe argumentos."));
    if (int r = s.entra(); r != Ok)
        return r;
    try {
        const auto devidos = AnexosDoBimestre(s.ctx);
        const QString periodo = s.ctx.BimReferencia.isEmpty() ? QStringLiteral("nenhum período aberto")
                                                              : PeriodoFormatado(s.ctx.BimReferencia);
        if (s.opcoes.json) {
            QJsonArray anexos;
            for (const auto& d : devidos)
                anexos.append(QJsonObject{{"slot", d.slot}, {"titulo", d.titulo}, {"obrigatoriedade", d.obrigatoriedade},
                                          {"estado", d.preenchido ? "Preenchido" : "EmBranco"}});
            Escreve(QString::fromUtf8(QJsonDocument(QJsonObject{{"orgao", s.ctx.NomeOrgao},
                                                                {"codigo", s.ctx.CodigoOrgao},
                                                                {"periodo", s.ctx.BimReferencia.isEmpty() ? QString() : periodo},
                                                                {"anexos", anexos}})
                                          .toJson(QJsonDocument::Indented)));
            return Ok;
        }
        Escreve(QStringLiteral("Órgão: ") + s.ctx.NomeOrgao);
        Escreve(QStringLiteral("Período aberto: ") + periodo);
        for (const auto& d : devidos)
            Escreve(QStringLiteral("%1\t%2\t%3\t%4").arg(d.slot, 2, 10, QLatin1Char('0')).arg(d.titulo, d.obrigatoriedade,
                                                                                               d.preenchido ? QStringLiteral("Preenchido")
                                                                                                            : QStringLiteral("EmBranco")));
        return Ok;
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
}

const Registro r({QStringLiteral("situacao"), QStringLiteral("--orgao CODIGO --usuario NOME situacao"), situacao});

} // namespace
} // namespace cli
