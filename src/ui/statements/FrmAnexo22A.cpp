#include "ui/statements/FrmAnexo22A.h"
#include "core/Anexos.h"
#include "ui/Telas.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FrmAnexo22A::FrmAnexo22A(Contexto& ctx, QWidget* pai) : QWidget(pai), ctx_(ctx)
{
    setWindowTitle(AnexoDoSlot(22)->titulo);
    TabelaDemonstrativo t;
    try {
        t = TabelaAnexo22A(ctx);
        linhas_ = CalculaAnexo22A(ctx);
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Não foi possível montar o demonstrativo."), e.falha());
    }
    grade_ = new QTableWidget(int(t.linhas.size()), int(t.cabecalho.size()), this);
    grade_->setObjectName(QStringLiteral("Grid"));
    grade_->setHorizontalHeaderLabels(t.cabecalho);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PadraoGrade(grade_);
    QFont negrito = grade_->font();
    negrito.setBold(true);
    for (int l = 0; l < t.linhas.size(); ++l)
        for (int c = 0; c < t.linhas[l].size(); ++c) {
            auto* item = new QTableWidgetItem(t.linhas[l][c]);
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (size_t(l) < linhas_.size() && linhas_[size_t(l)].titulo) {
                item->setFont(negrito);
                item->setBackground(QColor(0xE0, 0xE0, 0xE0));
            }
            grade_->setItem(l, c, item);
        }
    grade_->setColumnWidth(0, 640);
    const QFontMetrics cabecalho(grade_->horizontalHeader()->font());
    for (int c = 1; c < grade_->columnCount(); ++c)
        grade_->setColumnWidth(c, std::max(150, cabecalho.horizontalAdvance(t.cabecalho.value(c)) + 20));
    botoes_ = NovosBotoesEditor(this);
    botoes_.novo->hide();
    botoes_.excluir->hide();
    connect(botoes_.gravar, &QPushButton::clicked, this, &FrmAnexo22A::grava);
    connect(botoes_.fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_);
    layout->addLayout(botoes_.linha);
}

bool FrmAnexo22A::grava() { return GravaAnexo22A(ctx_, linhas_); }

void RegistraTelaAnexo22A()
{
    RegistraTela(QStringLiteral("registrar.22A"), [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmAnexo22A(ctx); });
}
