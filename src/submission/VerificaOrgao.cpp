#include "submission/VerificaOrgao.h"
#include "core/Contexto.h"

bool VerificaOrgao(Contexto& ctx)
{
    const QVariant chave = ctx.BancoOrgao.valor(QStringLiteral("SELECT Codigo_tabOrgaos FROM tabChave"));
    if (!chave.isValid() || chave.toString() == ctx.CodigoOrgao)
        return true;
    QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT descricao FROM tabOrgaos WHERE Codigo = ?"), {chave.toString()});
    if (!q.next())
        return true;
    const QString descricao = q.value(0).toString();
    q = QSqlQuery();
    MostraAviso(ctx.interacao(),
                QStringLiteral("Ha incompatibilida dos dados do orgão, pois o mesmo esta sendo gerado para ") + descricao
                    + QStringLiteral(" entre em contato com Vantor para maiores informações, pois o disquete não poderá ser gerado."));
    return false;
}
