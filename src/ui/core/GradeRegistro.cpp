#include "ui/core/GradeRegistro.h"
#include "ui/core/Campos.h"
#include "ui/core/DelegadoCampo.h"
#include "ui/core/Seletores.h"

#include <QAbstractTableModel>
#include <algorithm>
#include <utility>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor CorOutroPeriodo(0xD8, 0xD8, 0xD8);
const QColor TextoOutroPeriodo(0x60, 0x60, 0x60);
const QColor CorDescricao(0xEC, 0xEC, 0xEC);
const QColor CorObrigatoria(0xFF, 0xFF, 0xC0);
} // namespace

// The rows of Grade as a Qt model, plus one empty row at the end that takes a new record.
class GradeRegistro::Modelo : public QAbstractTableModel, public ObservadorGrade {
public:
    Modelo(Grade& g, QObject* pai) : QAbstractTableModel(pai), g_(g)
    {
        g_.defineObservador(this);
        // What depends only on the column is worked out once, not per cell drawn.
        for (int c = 0; c < g_.colunas(); ++c) {
            const ColunaGrade& col = g_.coluna(c);
            alinhamento_.push_back(NumericoAhDireita(col.formato) ? int(Qt::AlignRight | Qt::AlignVCenter)
                                   : col.formato == TipoCampo::Data ? int(Qt::AlignCenter)
                                                                    : int(Qt::AlignLeft | Qt::AlignVCenter));
            fundo_.push_back(col.tipo == TipoColuna::Descricao     ? QVariant(CorDescricao)
                             : col.tipo == TipoColuna::Obrigatoria ? QVariant(CorObrigatoria)
                                                                   : QVariant());
        }
    }

    bool ehLinhaNova(int linha) const { return linha >= g_.linhas(); }

    int rowCount(const QModelIndex& pai = {}) const override
    {
        return pai.isValid() ? 0 : g_.linhas() + (g_.podeIncluir() ? 1 : 0);
    }
    int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : g_.colunas(); }

    QVariant data(const QModelIndex& i, int papel) const override
    {
        const int c = i.column();
        const bool nova = ehLinhaNova(i.row());
        switch (papel) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return nova ? QString() : g_.texto(i.row(), c);
        case Qt::TextAlignmentRole:
            return alinhamento_[size_t(c)];
        case Qt::BackgroundRole:
            if (!nova && g_.somenteLeitura(i.row()))
                return CorOutroPeriodo;
            return fundo_[size_t(c)];
        case Qt::ForegroundRole:
            if (!nova && g_.somenteLeitura(i.row()))
                return TextoOutroPeriodo;
            return {};
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        const bool editavel = ehLinhaNova(i.row()) ? g_.colunaDigitavel(i.column()) : g_.editavel(i.row(), i.column());
        return editavel ? f | Qt::ItemIsEditable : f;
    }

    bool setData(const QModelIndex& i, const QVariant& valor, int papel) override
    {
        if (papel != Qt::EditRole || !i.isValid())
            return false;
        int linha = i.row();
        if (ehLinhaNova(linha)) {
            if (valor.toString().trimmed().isEmpty())
                return false; // nothing typed: no new row yet
            linha = g_.novaLinha();
            if (linha < 0)
                return false;
        }
        const bool ok = g_.defineTexto(linha, i.column(), valor.toString());
        // A typed code the rules refused (and emptied): the cursor stays on it.
        recusada_ = ok && !valor.toString().trimmed().isEmpty() && g_.valor(linha, i.column()).toString().trimmed().isEmpty();
        return ok;
    }

    // Whether the last cell typed was refused; asking clears it.
    bool tomaRecusada() { return std::exchange(recusada_, false); }

    QVariant headerData(int secao, Qt::Orientation o, int papel) const override
    {
        if (papel != Qt::DisplayRole)
            return QAbstractTableModel::headerData(secao, o, papel);
        if (o == Qt::Horizontal)
            return g_.coluna(secao).titulo;
        if (ehLinhaNova(secao))
            return QStringLiteral("*");
        return g_.pendente(secao) ? QStringLiteral("\u270E") : QString();
    }

    // While rows go away the view moves its current cell; that is no leaving of a row.
    bool mudandoLinhas() const { return mudando_; }

    void inicioRecarga() override
    {
        mudando_ = true;
        beginResetModel();
    }
    void fimRecarga() override
    {
        endResetModel();
        mudando_ = false;
    }
    // A new row takes the place of the empty last row, and a new empty row follows it.
    void inicioInclusao(int linha) override { beginInsertRows({}, linha + 1, linha + 1); }
    void fimInclusao() override { endInsertRows(); }
    void inicioRemocao(int linha) override
    {
        mudando_ = true;
        beginRemoveRows({}, linha, linha);
    }
    void fimRemocao() override
    {
        endRemoveRows();
        mudando_ = false;
    }
    void linhaMudou(int linha) override
    {
        Q_EMIT dataChanged(index(linha, 0), index(linha, columnCount() - 1));
        Q_EMIT headerDataChanged(Qt::Vertical, linha, linha);
    }

private:
    Grade& g_;
    bool mudando_ = false;
    bool recusada_ = false;
    std::vector<QVariant> alinhamento_;
    std::vector<QVariant> fundo_;
};

// Row commit: leaving a changed row stores it; a refusal brings the user back to it.
class GradeRegistro::Vista : public QTableView {
public:
    explicit Vista(GradeRegistro& dono) : QTableView(&dono), dono_(dono) {}

    void encerraEdicao(bool guarda)
    {
        auto* d = static_cast<DelegadoCampo*>(itemDelegate());
        QWidget* editor = d->editorAberto();
        if (state() != EditingState || !editor)
            return;
        if (guarda)
            commitData(editor);
        closeEditor(editor, guarda ? QAbstractItemDelegate::NoHint : QAbstractItemDelegate::RevertModelCache);
    }

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint dica) override
    {
        if (dono_.modelo_->tomaRecusada())
            dica = QAbstractItemDelegate::NoHint;
        QTableView::closeEditor(editor, dica);
    }

    void currentChanged(const QModelIndex& atual, const QModelIndex& anterior) override
    {
        QTableView::currentChanged(atual, anterior);
        if (voltando_ || dono_.modelo_->mudandoLinhas() || (atual.isValid() && anterior.isValid() && atual.row() == anterior.row()))
            return;
        const int linha = anterior.row();
        Grade& g = dono_.grade();
        if (!anterior.isValid() || linha >= g.linhas() || !g.pendente(linha) || dono_.gravaLinha(linha)) {
            Q_EMIT dono_.linhaAtualMudou(currentIndex().row());
            return;
        }
        const QPersistentModelIndex volta(model()->index(linha, anterior.column()));
        QTimer::singleShot(0, this, [this, volta] {
            if (!volta.isValid())
                return;
            voltando_ = true;
            setCurrentIndex(volta);
            voltando_ = false;
        });
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        if (state() != EditingState && e->modifiers() == Qt::NoModifier) {
            switch (e->key()) {
            case Qt::Key_Escape:
                dono_.cancelaLinhaAtual();
                return;
            case Qt::Key_Delete:
                dono_.excluiLinhaAtual();
                return;
            case Qt::Key_F4:
                dono_.abreSeletor();
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                setCurrentIndex(moveCursor(MoveNext, Qt::NoModifier));
                return;
            default:
                break;
            }
        }
        QTableView::keyPressEvent(e);
    }

private:
    GradeRegistro& dono_;
    bool voltando_ = false;
};

GradeRegistro::GradeRegistro(Contexto& ctx, DefinicaoGrade definicao, QWidget* pai)
    : QWidget(pai), grade_(std::make_unique<Grade>(ctx, std::move(definicao)))
{
    modelo_ = new Modelo(*grade_, this);
    vista_ = new Vista(*this);
    vista_->setModel(modelo_);
    Grade* g = grade_.get();
    vista_->setItemDelegate(new DelegadoCampo([g](const QModelIndex& i) { return g->campoDaColuna(i.column()); }, ctx.ui, vista_));
    PadraoGrade(vista_); // fixed, uniform row heights: nothing measures the rows
    vista_->setSelectionBehavior(QAbstractItemView::SelectItems);
    vista_->setSelectionMode(QAbstractItemView::SingleSelection);
    vista_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                            | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    vista_->setTabKeyNavigation(true);
    vista_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    vista_->verticalHeader()->setFixedWidth(vista_->fontMetrics().horizontalAdvance(u'W') * 2);

    const DefinicaoGrade& def = grade_->definicao();
    // A column is never narrower than its caption.
    const QFontMetrics cabecalho(vista_->horizontalHeader()->font());
    for (int c = 0; c < grade_->colunas(); ++c) {
        vista_->setColumnWidth(c, std::max(def.colunas[c].largura, cabecalho.horizontalAdvance(def.colunas[c].titulo) + 18));
        vista_->setColumnHidden(c, def.colunas[c].oculta);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vista_);
    const bool temSeletor = std::any_of(def.colunas.begin(), def.colunas.end(),
                                        [](const ColunaGrade& c) { return !c.seletor.isEmpty(); });
    if (def.ofereceCopia || temSeletor) {
        auto* botoes = new QHBoxLayout;
        if (temSeletor) {
            botaoSeletor_ = new QPushButton(QStringLiteral("&Localizar... (F4)"), this);
            connect(botaoSeletor_, &QPushButton::clicked, this, &GradeRegistro::abreSeletor);
            botoes->addWidget(botaoSeletor_);
        }
        botoes->addStretch();
        if (def.ofereceCopia) {
            botaoCopia_ = new QPushButton(QStringLiteral("Importar Bimestre Anterior"), this);
            connect(botaoCopia_, &QPushButton::clicked, this, &GradeRegistro::copiaBimestreAnterior);
            botoes->addWidget(botaoCopia_);
        }
        layout->addLayout(botoes);
    }
    if (def.aoAbrir)
        def.aoAbrir(ctx);
    PreencheGrid();
}

GradeRegistro::~GradeRegistro()
{
    // The view and the model go before the rows they show.
    delete vista_;
    delete modelo_;
}

QAbstractItemModel* GradeRegistro::modelo() const { return modelo_; }
QTableView* GradeRegistro::vista() const { return vista_; }

void GradeRegistro::PreencheGrid()
{
    vista_->encerraEdicao(false);
    grade_->PreencheGrid();
    if (botaoCopia_)
        botaoCopia_->setEnabled(grade_->podeIncluir() && grade_->podeCopiar());
}

void GradeRegistro::defineMestre(const QVariantList& valores)
{
    vista_->encerraEdicao(false);
    grade_->defineMestre(valores);
    if (botaoCopia_)
        botaoCopia_->setEnabled(grade_->podeIncluir() && grade_->podeCopiar());
}

bool GradeRegistro::gravaPeriodo()
{
    vista_->encerraEdicao(true);
    if (!grade_->gravaPeriodo())
        return false;
    Q_EMIT registrosAlterados();
    return true;
}

void GradeRegistro::vaiParaLinhaNova()
{
    if (!grade_->podeIncluir()) {
        const DefinicaoGrade& def = grade_->definicao();
        if (!def.mestre.empty() && grade_->valoresMestre().isEmpty() && !def.mensagemSemMestre.isEmpty())
            MostraAviso(grade_->contexto().interacao(), def.mensagemSemMestre);
        return;
    }
    int coluna = 0;
    while (coluna < grade_->colunas() && (!grade_->colunaDigitavel(coluna) || grade_->coluna(coluna).oculta))
        ++coluna;
    vista_->setFocus();
    vista_->setCurrentIndex(modelo_->index(modelo_->rowCount() - 1, coluna < grade_->colunas() ? coluna : 0));
}

bool GradeRegistro::gravaLinha(int linha)
{
    if (!grade_->pendente(linha))
        return true;
    if (grade_->definicao().gravaPeriodoInteiro)
        return grade_->gravaLinha(linha);
    const int antes = grade_->linhas();
    if (!grade_->gravaLinha(linha))
        return false;
    if (grade_->linhas() == antes) // an untouched new row just went away
        Q_EMIT registrosAlterados();
    return true;
}

bool GradeRegistro::gravaPendente()
{
    vista_->encerraEdicao(true);
    if (grade_->definicao().gravaPeriodoInteiro)
        return !grade_->alterada() || gravaPeriodo();
    const int linha = grade_->linhaPendente();
    return linha < 0 || gravaLinha(linha);
}

void GradeRegistro::cancelaLinhaAtual()
{
    vista_->encerraEdicao(false);
    const int linha = vista_->currentIndex().row();
    if (linha >= 0 && linha < grade_->linhas())
        grade_->cancelaLinha(linha);
}

void GradeRegistro::excluiLinhaAtual()
{
    vista_->encerraEdicao(false);
    const int linha = vista_->currentIndex().row();
    if (linha < 0 || linha >= grade_->linhas())
        return;
    const bool gravada = grade_->linha(linha).estado != Grade::Estado::Nova && !grade_->definicao().gravaPeriodoInteiro;
    if (grade_->excluiLinha(linha) && gravada)
        Q_EMIT registrosAlterados();
}

void GradeRegistro::copiaBimestreAnterior()
{
    vista_->encerraEdicao(false);
    if (grade_->copiaBimestreAnterior())
        Q_EMIT registrosAlterados();
}

void GradeRegistro::abreSeletor()
{
    vista_->encerraEdicao(true);
    const QModelIndex atual = vista_->currentIndex();
    int coluna = atual.isValid() ? atual.column() : -1;
    if (coluna < 0 || grade_->coluna(coluna).seletor.isEmpty()) {
        coluna = -1;
        for (int c = 0; c < grade_->colunas() && coluna < 0; ++c)
            if (!grade_->coluna(c).seletor.isEmpty())
                coluna = c;
    }
    if (coluna < 0)
        return;
    int linha = atual.isValid() ? atual.row() : grade_->linhas();
    const bool nova = linha >= grade_->linhas();
    if (!nova && !grade_->editavel(linha, coluna))
        return;
    if (nova && !grade_->podeIncluir()) {
        vaiParaLinhaNova(); // tells why, when the register says so
        return;
    }
    const FabricaSeletor* seletor = SeletorDeId(grade_->coluna(coluna).seletor);
    if (!seletor)
        return;
    const std::optional<ResultadoSeletor> escolha = (*seletor)(grade_->contexto(), *grade_, nova ? -1 : linha, this);
    if (!escolha || escolha->empty())
        return;
    if (nova && (linha = grade_->novaLinha()) < 0)
        return;
    // Code cells are typed, so that their look-ups and the register's rules run; the rest is set.
    for (const auto& [campo, texto] : *escolha) {
        const int c = grade_->indice(campo);
        if (c < 0)
            continue;
        if (grade_->colunaDigitavel(c))
            grade_->defineTexto(linha, c, texto);
        else
            grade_->defineValor(linha, c, ValorDoTexto(grade_->campoDaColuna(c), texto));
    }
    vista_->setFocus();
    vista_->setCurrentIndex(modelo_->index(linha, coluna));
}
