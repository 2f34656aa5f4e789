#include "ui/statements/FrmAnexo03.h"
#include "core/Conversoes.h"
#include "statements/Demonstrativos.h"
#include "ui/Telas.h"
#include "ui/core/DelegadoCampo.h"

#include <QAbstractTableModel>
#include <algorithm>
#include <QCloseEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor CorSomenteLeitura(0xEC, 0xEC, 0xEC);
}

// The lines of Anexo03 as a table model; typing a cell stores it through the rules.
class FrmAnexo03::Modelo : public QAbstractTableModel {
public:
    Modelo(Anexo03& a, const QFont& fonte, QObject* pai) : QAbstractTableModel(pai), a_(a), negrito_(fonte)
    {
        negrito_.setBold(true);
    }

    int rowCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : int(a_.linhas().size()); }
    int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : ColunaPA + 1; }

    bool editavel(int linha, int coluna) const
    {
        if (!a_.linhaDigitavel(linha))
            return false;
        return coluna == ColunaPA || (coluna >= PrimeiroMes && coluna < ColunaTotal && a_.mesDigitavel(coluna - PrimeiroMes));
    }

    QVariant data(const QModelIndex& i, int papel) const override
    {
        const LinhaAnexo03& l = a_.linhas()[size_t(i.row())];
        const int c = i.column();
        switch (papel) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (c == ColunaCampo)
                return l.campo;
            if (c == ColunaDescricao)
                return l.descricao;
            if (c == ColunaTotal)
                return l.total.formata();
            if (c == ColunaPA)
                return l.pa.formata();
            return l.meses[size_t(c - PrimeiroMes)].formata();
        case Qt::ToolTipRole:
            return c == ColunaDescricao ? QVariant(l.descricao) : QVariant();
        case Qt::TextAlignmentRole:
            return c <= ColunaDescricao ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return editavel(i.row(), c) ? QVariant() : QVariant(CorSomenteLeitura);
        case Qt::FontRole:
            return l.calculada() ? QVariant(negrito_) : QVariant();
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        const Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return editavel(i.row(), i.column()) ? f | Qt::ItemIsEditable : f;
    }

    bool setData(const QModelIndex& i, const QVariant& valor, int papel) override
    {
        if (papel != Qt::EditRole || !editavel(i.row(), i.column()))
            return false;
        // An emptied cell is 0,00.
        const Moeda v = ValorDeTexto(valor.toString());
        const bool ok = i.column() == ColunaPA ? a_.gravaPA(i.row(), v) : a_.gravaMes(i.row(), i.column() - PrimeiroMes, v);
        // The groups, line "3" and the totals change with the cell.
        Q_EMIT dataChanged(index(0, PrimeiroMes), index(rowCount() - 1, ColunaPA));
        return ok;
    }

    QVariant headerData(int secao, Qt::Orientation o, int papel) const override
    {
        if (o != Qt::Horizontal)
            return QAbstractTableModel::headerData(secao, o, papel);
        if (papel == Qt::ToolTipRole && secao == ColunaPA)
            return QStringLiteral("Os mesmos 12 meses no exercício anterior");
        if (papel != Qt::DisplayRole)
            return {};
        if (secao == ColunaCampo)
            return QStringLiteral("Campo");
        if (secao == ColunaDescricao)
            return TituloColunaLinhasAnexo03;
        if (secao == ColunaTotal)
            return TituloTotalAnexo03;
        if (secao == ColunaPA)
            return TituloPAAnexo03;
        const int mes = secao - PrimeiroMes;
        return mes < int(a_.meses().size()) ? a_.meses()[size_t(mes)].titulo : QString();
    }

private:
    Anexo03& a_;
    QFont negrito_; // the computed lines
};

class FrmAnexo03::Vista : public QTableView {
public:
    using QTableView::QTableView;

    void encerraEdicao()
    {
        QWidget* editor = static_cast<DelegadoCampo*>(itemDelegate())->editorAberto();
        if (state() != EditingState || !editor)
            return;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (state() != EditingState && e->modifiers() == Qt::NoModifier
            && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            setCurrentIndex(moveCursor(MoveNext, Qt::NoModifier));
            return;
        }
        QTableView::keyPressEvent(e);
    }
};

// The view and the model go before the months they show: closing the window still asks the
// header for its captions.
FrmAnexo03::~FrmAnexo03()
{
    delete grade_;
    delete modelo_;
}

FrmAnexo03::FrmAnexo03(Contexto& ctx, QWidget* pai) : QWidget(pai), ctx_(ctx), anexo_(ctx)
{
    setWindowTitle(TituloAnexo03);
    anexo_.abre();
    grade_ = new Vista(this);
    grade_->setObjectName(QStringLiteral("Grid"));
    PadraoGrade(grade_);
    modelo_ = new Modelo(anexo_, grade_->font(), this);
    grade_->setModel(modelo_);
    // A cell is typed in the money field of the forms.
    grade_->setItemDelegate(new DelegadoCampo(
        [](const QModelIndex&) { return DefinicaoCampo{.coluna = QStringLiteral("Valor"), .tipo = TipoCampo::Valor}; }, ctx.ui,
        grade_));
    grade_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                            | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    grade_->setTabKeyNavigation(true);
    grade_->verticalHeader()->setVisible(false);
    // A column is never narrower than its caption.
    const QFontMetrics cabecalho(grade_->horizontalHeader()->font());
    const QFontMetrics corpo(grade_->font());
    const auto largura = [&](int coluna, int minima) {
        const QString titulo = modelo_->headerData(coluna, Qt::Horizontal, Qt::DisplayRole).toString();
        grade_->setColumnWidth(coluna, std::max(minima, cabecalho.horizontalAdvance(titulo) + 18));
    };
    largura(ColunaCampo, corpo.horizontalAdvance(QStringLiteral("0000")) + 18);
    // Wide enough for every caption (the computed lines are bold), within reason.
    QFont negrito = grade_->font();
    negrito.setBold(true);
    const QFontMetrics corpoNegrito(negrito);
    int descricao = 0;
    for (const LinhaAnexo03& l : anexo_.linhas())
        descricao = std::max(descricao, (l.calculada() ? corpoNegrito : corpo).horizontalAdvance(l.descricao));
    largura(ColunaDescricao, std::min(descricao + 18, 420));
    const int valor = corpo.horizontalAdvance(QStringLiteral("99.999.999,99")) + 12;
    for (int c = PrimeiroMes; c <= ColunaPA; ++c)
        largura(c, valor);

    botoes_ = NovosBotoesEditor(this);
    // Values are stored cell by cell: nothing to add or remove.
    for (QPushButton* b : {botoes_.novo, botoes_.excluir}) {
        botoes_.linha->removeWidget(b);
        delete b;
    }
    botoes_.novo = botoes_.excluir = nullptr;
    botoes_.gravar->setEnabled(!anexo_.linhas().empty());
    connect(botoes_.gravar, &QPushButton::clicked, this, &FrmAnexo03::grava);
    connect(botoes_.fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_);
    layout->addLayout(botoes_.linha);
    grade_->setFocus();
    // The cursor starts on the first cell that can be typed, the captions still in view.
    [&] {
        for (int l = 0; l < modelo_->rowCount(); ++l)
            for (int c = PrimeiroMes; c <= ColunaPA; ++c)
                if (modelo_->editavel(l, c)) {
                    grade_->setCurrentIndex(modelo_->index(l, c));
                    return;
                }
    }();
    QTimer::singleShot(0, grade_, [this] { grade_->horizontalScrollBar()->setValue(0); });
}

void FrmAnexo03::encerraEdicao() { static_cast<Vista*>(grade_)->encerraEdicao(); }

void FrmAnexo03::grava()
{
    encerraEdicao();
    // Every typed cell was stored as it was left.
    MostraAviso(ctx_.interacao(), MensagemValoresGravados);
}

void FrmAnexo03::closeEvent(QCloseEvent* evento)
{
    encerraEdicao();
    evento->accept();
}

void RegistraTelaAnexo03()
{
    RegistraTela(QStringLiteral("registrar.03"), [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmAnexo03(ctx); });
}
