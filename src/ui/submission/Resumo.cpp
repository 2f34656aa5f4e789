#include "ui/submission/Resumo.h"
#include "core/Contexto.h"
#include "reports/Relatorios.h"
#include "ui/reports/Relatorio.h"

// The summary of the package through "resumo.rpt" of the body folder, in the print preview.
void MostraResumo(Contexto& ctx, QWidget* pai, const QString& periodo)
{
    MostraRelatorio(ctx, PedidoResumo(ctx, periodo), DestinoRelatorio::Tela, pai);
}
