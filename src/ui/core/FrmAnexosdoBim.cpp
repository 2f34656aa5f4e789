#include "ui/core/FrmAnexosdoBim.h"
#include "core/Contexto.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// The filled/blank pictures: a green disc with a tick, an empty grey circle.
QIcon figura(bool preenchido)
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    if (preenchido) {
        g.setBrush(QColor(46, 139, 87));
        g.setPen(Qt::NoPen);
        g.drawEllipse(1, 1, 14, 14);
        g.setPen(QPen(Qt::white, 2));
        g.drawPolyline(QPolygon({QPoint(4, 8), QPoint(7, 11), QPoint(12, 5)}));
    } else {
        g.setPen(QPen(QColor(150, 150, 150), 1.5));
        g.drawEllipse(2, 2, 12, 12);
    }
    return QIcon(p);
}
} // namespace

FrmAnexosdoBim::FrmAnexosdoBim(Contexto& ctx, QWidget* pai) : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmAnexosdoBim"));
    setWindowTitle(QStringLiteral("Anexos Obrigatórios neste Bimestre"));
    orgao_ = new QLabel(this);
    orgao_->setObjectName(QStringLiteral("lblOrgao"));
    bimestre_ = new QLabel(this);
    bimestre_->setObjectName(QStringLiteral("lblBimestre"));
    QFont negrito = orgao_->font();
    negrito.setBold(true);
    negrito.setPointSizeF(negrito.pointSizeF() * 1.15);
    orgao_->setFont(negrito);

    grade_ = new QTableWidget(this);
    grade_->setObjectName(QStringLiteral("Grid"));
    grade_->setColumnCount(4);
    grade_->setHorizontalHeaderLabels({QStringLiteral("Anexo"), QStringLiteral("Obrigatoriedade"), QStringLiteral("Situação"),
                                       QStringLiteral("Modificações")});
    grade_->verticalHeader()->hide();
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setWordWrap(false);
    grade_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    try {
        linhas_ = AnexosDoBimestre(ctx_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar os anexos do bimestre."), e.falha());
    }
    orgao_->setText(ctx_.NomeOrgao);
    bimestre_->setText(ctx_.BimestreAberto.isEmpty()
                           ? QStringLiteral("Nenhum bimestre aberto no ano 2012")
                           : QString::number(ctx_.BimestreAberto.toInt()) + QStringLiteral("º bimestre do ano 2012"));

    grade_->setRowCount(int(linhas_.size()));
    for (int i = 0; i < int(linhas_.size()); ++i) {
        const AnexoDevido& d = linhas_[size_t(i)];
        auto* titulo = new QTableWidgetItem(d.titulo);
        titulo->setToolTip(d.titulo);
        grade_->setItem(i, 0, titulo);
        grade_->setItem(i, 1, new QTableWidgetItem(d.obrigatoriedade));
        auto* situacao = new QTableWidgetItem(figura(d.preenchido), d.preenchido ? QStringLiteral("Preenchido")
                                                                                 : QStringLiteral("EmBranco"));
        grade_->setItem(i, 2, situacao);
        auto* mod = new QTableWidgetItem(d.alteracoes.isEmpty() ? QStringLiteral("Sem Modificações")
                                                                : QStringLiteral("Clique Para Visualizar as Modificações"));
        if (!d.alteracoes.isEmpty()) {
            QFont f = mod->font();
            f.setUnderline(true);
            mod->setFont(f);
            mod->setForeground(QColor(0, 0, 200));
            mod->setToolTip(d.alteracoes);
        }
        grade_->setItem(i, 3, mod);
    }
    grade_->resizeColumnsToContents();
    grade_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(grade_, &QTableWidget::cellClicked, this, [this](int linha, int coluna) {
        if (coluna == 3)
            mostraAlteracoes(linha);
    });

    auto* botoes = new QDialogButtonBox(this);
    QPushButton* fechar = botoes->addButton(QStringLiteral("&Fechar"), QDialogButtonBox::AcceptRole);
    fechar->setObjectName(QStringLiteral("cmdFechar"));
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(orgao_);
    layout->addWidget(bimestre_);
    layout->addWidget(grade_, 1);
    layout->addWidget(botoes);
    resize(1080, 580);
}

QString FrmAnexosdoBim::textoOrgao() const { return orgao_->text(); }
QString FrmAnexosdoBim::textoBimestre() const { return bimestre_->text(); }

void FrmAnexosdoBim::mostraAlteracoes(int linha)
{
    if (linha < 0 || linha >= int(linhas_.size()) || linhas_[size_t(linha)].alteracoes.isEmpty())
        return;
    QDialog d(this);
    d.setWindowTitle(QStringLiteral("Alterações para 2012"));
    auto* texto = new QTextBrowser(&d);
    texto->setPlainText(linhas_[size_t(linha)].titulo + QStringLiteral("\n\n") + linhas_[size_t(linha)].alteracoes);
    auto* fechar = new QPushButton(QStringLiteral("&Fechar"), &d);
    connect(fechar, &QPushButton::clicked, &d, &QDialog::accept);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(texto);
    l->addWidget(fechar, 0, Qt::AlignRight);
    d.resize(560, 360);
    d.exec();
}
