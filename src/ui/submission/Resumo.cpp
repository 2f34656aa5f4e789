#include "ui/submission/Resumo.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "submission/Pacote.h"
#include "ui/core/Campos.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

// Until the summary is printed through its report, its lines are listed in a window of their own.
void MostraResumo(Contexto& ctx, QWidget* pai, const QString& periodo)
{
    auto* janela = new QDialog(pai);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->setObjectName(QStringLiteral("frmResumo"));
    janela->setWindowTitle(QStringLiteral("Resumo das Informações Geradas"));
    auto* titulo = new QLabel(ctx.NomeOrgao + QStringLiteral(" - Bimestre ") + PeriodoFormatado(periodo), janela);
    auto* grade = new QTableWidget(janela);
    grade->setObjectName(QStringLiteral("grdResumo"));
    grade->setColumnCount(2);
    grade->setHorizontalHeaderLabels({QStringLiteral("Anexo"), QStringLiteral("Valor")});
    grade->verticalHeader()->hide();
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    try {
        QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT Anexo, Valor1 FROM tabResumo WHERE BimReferencia = ? ORDER BY rowid"),
                                             {periodo});
        while (q.next()) {
            const int i = grade->rowCount();
            grade->insertRow(i);
            grade->setItem(i, 0, new QTableWidgetItem(q.value(0).toString()));
            auto* valor = new QTableWidgetItem(TextoValorResumo(q.value(1).toLongLong()));
            valor->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grade->setItem(i, 1, valor);
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar mostrar o resumo das informações."), e.falha());
    }
    grade->resizeColumnToContents(0);
    grade->setColumnWidth(1, 140);
    grade->horizontalHeader()->setStretchLastSection(true);
    QPushButton* fechar = NovoBotao(janela, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    QObject::connect(fechar, &QPushButton::clicked, janela, &QDialog::close);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(fechar);
    auto* layout = new QVBoxLayout(janela);
    layout->addWidget(titulo);
    layout->addWidget(grade, 1);
    layout->addLayout(botoes);
    janela->resize(qMin(grade->columnWidth(0) + 200, 1000), 480);
    janela->show();
}
