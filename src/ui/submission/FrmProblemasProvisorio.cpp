// Stands in for the problems window until it is merged; removed then.
#include "ui/submission/FrmProblemas.h"
#include "core/Interacao.h"

#include <QMessageBox>

void MostraProblemas(Contexto&, QWidget* pai, const Problemas& problemas)
{
    QStringList linhas;
    for (const Problema& p : problemas)
        linhas << TextoProblema(p);
    QMessageBox::warning(pai, QStringLiteral("Inconsistências na geração de disquete"), linhas.join(u'\n'));
}
