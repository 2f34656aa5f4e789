#include "ui/submission/FrmProblemas.h"
#include "reports/Relatorios.h"
#include "ui/reports/Relatorio.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "submission/Criticas.h"
#include "ui/core/Campos.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The columns of the list: caption and width in twips (1440 to the inch).
const struct {
    const char* legenda;
    int twips;
} Colunas[] = {{"Problema no(s) Anexo(s)", 2200}, {"Descrição do Problema", 5000}, {"Como resolvê-lo", 4000}};

int pixels(const QWidget* w, int twips) { return twips * w->logicalDpiX() / 1440; }

// Shows the list copied into tabProblemas through "problemas.rpt" of the body folder in the
// print preview, from where it goes to the printer.
void ImprimeProblemas(Contexto& ctx, QWidget* pai)
{
    MostraRelatorio(ctx, PedidoProblemas(ctx), DestinoRelatorio::Tela, pai);
}

} // namespace

FrmProblemas::FrmProblemas(Contexto& ctx, const Problemas& problemas, QWidget* pai)
    : QDialog(pai), ctx_(ctx), problemas_(problemas)
{
    setObjectName(QStringLiteral("frmProblemas"));
    setWindowTitle(QStringLiteral("Inconsistências na geração de disquete"));

    grade_ = new QTableWidget(int(problemas_.size()), 3, this);
    grade_->setObjectName(QStringLiteral("grdProblemas"));
    QStringList legendas;
    for (const auto& c : Colunas)
        legendas << QString::fromUtf8(c.legenda);
    grade_->setHorizontalHeaderLabels(legendas);
    grade_->verticalHeader()->hide();
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setWordWrap(true);
    // The caption row in light yellow.
    grade_->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(255, 255, 128); border: 1px solid #a0a0a0; padding: 2px; }"));
    grade_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    int largura = 0;
    for (int c = 0; c < 3; ++c) {
        // Never narrower than its caption.
        grade_->setColumnWidth(c, qMax(pixels(this, Colunas[c].twips), grade_->horizontalHeader()->sectionSizeHint(c)));
        largura += grade_->columnWidth(c);
    }
    grade_->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < int(problemas_.size()); ++r) {
        const Problema& p = problemas_[size_t(r)];
        const QString textos[] = {p.anexo, DescricaoProblema(p), p.solucao};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(textos[c]);
            item->setToolTip(textos[c]);
            grade_->setItem(r, c, item);
        }
    }
    grade_->resizeRowsToContents();

    QPushButton* imprimir = NovoBotao(this, QStringLiteral("cmdImprimir"), QStringLiteral("&Imprimir"));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    connect(imprimir, &QPushButton::clicked, this, &FrmProblemas::imprime);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(imprimir);
    botoes->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_, 1);
    layout->addLayout(botoes);
    resize(largura + 40, 420);
}

void FrmProblemas::imprime()
{
    try {
        GravaProblemas(ctx_.BancoOrgao, problemas_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao gravar a lista de problemas."), e.falha());
        return;
    }
    ImprimeProblemas(ctx_, this);
}

void MostraProblemas(Contexto& ctx, QWidget* pai, const Problemas& problemas)
{
    FrmProblemas janela(ctx, problemas, pai);
    janela.exec();
}
