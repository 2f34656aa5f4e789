// periodo listar | abrir | fechar BB/AAAA | reabrir BB/AAAA --motivo TEXTO
#include "Cli.h"
#include "admin/Periodos.h"
#include "core/Conversoes.h"

#include <QRegularExpression>

namespace cli {
namespace {

// "03/2012" -> "201203"; empty when the text is not a period.
QString periodoDe(const QString& texto)
{
    static const QRegularExpression re(QStringLiteral(R"(^(\d{2})/(\d{4})$)"));
    const auto m = re.match(texto.trimmed());
    return m.hasMatch() ? m.captured(2) + m.captured(1) : QString();
}

int periodo(Sessao& s)
{
    QStringList a = s.opcoes.argumentos;
    QString motivo;
    if (const qsizetype i = a.indexOf(QStringLiteral("--motivo")); i >= 0) {
        if (i + 1 >= a.size())
            return Uso(s, QStringLiteral("A opção --motivo precisa de um texto."));
        motivo = a[i + 1];
        a.remove(i, 2);
    }
    const QString acao = a.value(0);
    const bool comPeriodo = acao == QStringLiteral("fechar") || acao == QStringLiteral("reabrir");
    if (!(acao == QStringLiteral("listar") || acao == QStringLiteral("abrir") || comPeriodo)
        || a.size() != (comPeriodo ? 2 : 1))
        return Uso(s, QStringLiteral("Informe listar, abrir, fechar BB/AAAA ou reabrir BB/AAAA --motivo TEXTO."));
    const QString bim = comPeriodo ? periodoDe(a[1]) : QString();
    if (comPeriodo && bim.isEmpty())
        return Uso(s, QStringLiteral("Período inválido: ") + a[1] + QStringLiteral(" (use BB/AAAA, por exemplo 03/2012)."));
    if (int r = s.entraCom({QStringLiteral("P02")}); r != Ok)
        return r;
    try {
        if (acao == QStringLiteral("listar")) {
            for (const Periodo& p : ListaPeriodos(s.ctx))
                Escreve(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6").arg(PeriodoFormatado(p.BimReferencia), DataParaTela(p.DataAbertura),
                                                                    p.Situacao, DataParaTela(p.DataFechamento),
                                                                    DataParaTela(p.DataReabertura), p.MotivoReabertura));
            return Ok;
        }
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
    if (comPeriodo && !s.ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabControleMovimento WHERE BimReferencia = ?"), {bim})) {
        EscreveErro(QStringLiteral("O bimestre ") + a[1] + QStringLiteral(" não está cadastrado."));
        return Recusado;
    }
    bool feito = false;
    if (acao == QStringLiteral("abrir"))
        feito = AbreNovoPeriodo(s.ctx);
    else if (acao == QStringLiteral("fechar"))
        feito = FechaPeriodo(s.ctx, bim);
    else
        feito = ReabrePeriodo(s.ctx, bim, TrocaAspas(motivo));
    return feito ? Ok : Recusado;
}

const Registro r({QStringLiteral("periodo"),
                  QStringLiteral("--orgao C --usuario U periodo listar | abrir | fechar BB/AAAA | reabrir BB/AAAA --motivo TEXTO"),
                  periodo});

} // namespace
} // namespace cli
