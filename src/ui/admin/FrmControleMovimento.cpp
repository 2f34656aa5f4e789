#include "ui/admin/FrmControleMovimento.h"
#include "admin/Periodos.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "ui/core/Campos.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

FrmControleMovimento::FrmControleMovimento(Contexto& ctx, QWidget* pai) : QWidget(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmControleMovimento"));
    setWindowTitle(QStringLiteral("Controle de Movimento"));
    grade_ = new QTableWidget(this);
    grade_->setObjectName(QStringLiteral("Grid"));
    grade_->setColumnCount(5);
    grade_->setHorizontalHeaderLabels({QStringLiteral("Bimestre"), QStringLiteral("Data Abertura"), QStringLiteral("Situação"),
                                       QStringLiteral("Data Fechamento"), QStringLiteral("Data Reabertura")});
    grade_->verticalHeader()->hide();
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Columns as wide as their headings and dates; the last one takes what is left.
    grade_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    // Room for the six bimesters of the exercise.
    grade_->setMinimumHeight(grade_->horizontalHeader()->sizeHint().height() + 2 * grade_->frameWidth()
                             + 6 * grade_->verticalHeader()->defaultSectionSize());
    motivo_ = NovoCampoTexto(this, QStringLiteral("txtMotivo"), 255);
    connect(grade_, &QTableWidget::currentCellChanged, this, [this](int linha) {
        const QTableWidgetItem* item = linha >= 0 ? grade_->item(linha, 0) : nullptr;
        motivo_->setText(item ? item->data(Qt::UserRole + 1).toString() : QString());
    });

    auto botao = [this](const QString& texto, const QString& nome) { return NovoBotao(this, nome, texto); };
    QPushButton* novo = botao(QStringLiteral("&Novo Bimestre"), QStringLiteral("cmdNovo"));
    QPushButton* fechar = botao(QStringLiteral("&Fechar Bimestre"), QStringLiteral("cmdFecharBimestre"));
    QPushButton* reabrir = botao(QStringLiteral("&Reabrir Bimestre"), QStringLiteral("cmdReabrir"));
    QPushButton* sair = botao(QStringLiteral("&Sair"), QStringLiteral("cmdFechar"));
    connect(novo, &QPushButton::clicked, this, &FrmControleMovimento::novo);
    connect(fechar, &QPushButton::clicked, this, &FrmControleMovimento::fecha);
    connect(reabrir, &QPushButton::clicked, this, &FrmControleMovimento::reabre);
    connect(sair, &QPushButton::clicked, this, [this] {
        if (parentWidget())
            parentWidget()->close();
        close();
    });

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(novo);
    botoes->addWidget(fechar);
    botoes->addWidget(reabrir);
    botoes->addStretch();
    botoes->addWidget(sair);
    auto* linhaMotivo = new QHBoxLayout;
    auto* rotulo = new QLabel(QStringLiteral("&Motivo da reabertura:"), this);
    rotulo->setBuddy(motivo_);
    linhaMotivo->addWidget(rotulo);
    linhaMotivo->addWidget(motivo_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_, 1);
    layout->addLayout(linhaMotivo);
    layout->addLayout(botoes);
    resize(720, 380);
    recarrega();
}

void FrmControleMovimento::recarrega()
{
    std::vector<Periodo> periodos;
    try {
        periodos = ListaPeriodos(ctx_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar os bimestres."), e.falha());
    }
    grade_->setRowCount(int(periodos.size()));
    for (int i = 0; i < int(periodos.size()); ++i) {
        const Periodo& p = periodos[size_t(i)];
        const QStringList textos = {PeriodoFormatado(p.BimReferencia), DataParaTela(p.DataAbertura), p.Situacao,
                                    DataParaTela(p.DataFechamento), DataParaTela(p.DataReabertura)};
        for (int c = 0; c < textos.size(); ++c) {
            auto* item = new QTableWidgetItem(textos[c]);
            if (p.fechado()) {
                item->setBackground(QColor(255, 228, 225));
                item->setForeground(QColor(128, 0, 0));
            }
            grade_->setItem(i, c, item);
        }
        grade_->item(i, 0)->setData(Qt::UserRole, p.BimReferencia);
        grade_->item(i, 0)->setData(Qt::UserRole + 1, p.MotivoReabertura);
    }
    if (grade_->rowCount() > 0)
        grade_->selectRow(0);
    // The grid never gets narrower than its columns (each with a little room either side):
    // no heading or date is ever cut.
    int largura = 2 * grade_->frameWidth() + grade_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < grade_->columnCount(); ++c) {
        const int coluna = qMax(grade_->horizontalHeader()->sectionSizeHint(c),
                                static_cast<QAbstractItemView*>(grade_)->sizeHintForColumn(c)) + 16;
        grade_->setColumnWidth(c, coluna);
        largura += coluna;
    }
    grade_->setMinimumWidth(largura);
}

QString FrmControleMovimento::periodoSelecionado() const
{
    const int linha = grade_->currentRow();
    return linha >= 0 && grade_->item(linha, 0) ? grade_->item(linha, 0)->data(Qt::UserRole).toString() : QString();
}

void FrmControleMovimento::novo()
{
    if (AbreNovoPeriodo(ctx_))
        recarrega();
}

void FrmControleMovimento::fecha()
{
    const QString p = periodoSelecionado();
    if (!p.isEmpty() && FechaPeriodo(ctx_, p))
        recarrega();
}

void FrmControleMovimento::reabre()
{
    const QString p = periodoSelecionado();
    if (!p.isEmpty() && ReabrePeriodo(ctx_, p, motivo_->text()))
        recarrega();
}
