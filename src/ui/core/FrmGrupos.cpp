#include "ui/core/FrmGrupos.h"
#include "core/Contexto.h"

#include "ui/core/Campos.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

FrmGrupos::FrmGrupos(Contexto& ctx, QWidget* pai) : QWidget(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmGrupos"));
    setWindowTitle(QStringLiteral("Cadastro de Grupos de Usuários"));

    grade_ = NovaGradeLista(this, {QStringLiteral("Código"), QStringLiteral("Descrição")}, 1);
    grade_->setMinimumWidth(240);

    descricao_ = NovoCampoTexto(this, QStringLiteral("txtDescricao"), 50);
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("lstPermissoes"));
    lista_->setSelectionMode(QAbstractItemView::MultiSelection);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("&Descrição:"), descricao_);
    auto* rotulo = new QLabel(QStringLiteral("&Permissões:"), this);
    rotulo->setBuddy(lista_);

    const BotoesEditor botoes = NovosBotoesEditor(this);
    gravar_ = botoes.gravar;
    excluir_ = botoes.excluir;
    connect(botoes.novo, &QPushButton::clicked, this, &FrmGrupos::novo);
    connect(gravar_, &QPushButton::clicked, this, &FrmGrupos::grava);
    connect(excluir_, &QPushButton::clicked, this, &FrmGrupos::exclui);
    connect(botoes.fechar, &QPushButton::clicked, this, &FrmGrupos::fecha);

    auto* direita = new QVBoxLayout;
    direita->addLayout(campos);
    direita->addWidget(rotulo);
    direita->addWidget(lista_, 1);
    auto* meio = new QHBoxLayout;
    meio->addWidget(grade_, 2);
    meio->addLayout(direita, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(meio);
    layout->addLayout(botoes.linha);
    resize(760, 360);

    connect(grade_, &QTableWidget::currentCellChanged, this, [this](int linha) { mostraGrupo(linha); });

    try {
        permissoes_ = ListaPermissoes(ctx_.BancoOrgao);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao carregar as permissões."), e.falha());
    }
    carregaGrupos();
    novo();
    // The list is as wide as the longest permission description: none is ever cut.
    lista_->setMinimumWidth(lista_->sizeHintForColumn(0) + 2 * lista_->frameWidth()
                            + lista_->verticalScrollBar()->sizeHint().width());
    resize(qMax(width(), minimumSizeHint().width()), height());
}

void FrmGrupos::carregaGrupos(const QString& selecionar)
{
    try {
        grupos_ = ListaGrupos(ctx_.BancoOrgao);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao carregar os grupos de usuários."), e.falha());
        grupos_.clear();
    }
    QList<QStringList> linhas;
    for (const Grupo& g : grupos_)
        linhas.push_back({g.codigo, g.descricao});
    const int escolhida = PreencheGradeLista(grade_, linhas, selecionar);
    if (escolhida >= 0)
        mostraGrupo(escolhida);
}

void FrmGrupos::listaPermissoes(const QList<int>& selecionadas)
{
    lista_->clear();
    for (const Permissao& p : permissoes_) {
        auto* item = new QListWidgetItem(p.descricao, lista_);
        item->setData(Qt::UserRole, p.numero);
        item->setSelected(selecionadas.contains(p.numero));
    }
}

void FrmGrupos::habilita(bool editavel, bool existente)
{
    descricao_->setReadOnly(!editavel);
    lista_->setEnabled(editavel);
    gravar_->setEnabled(editavel);
    excluir_->setEnabled(editavel && existente);
}

void FrmGrupos::mostraGrupo(int linha)
{
    if (linha < 0 || linha >= grupos_.size())
        return;
    const Grupo& g = grupos_[linha];
    codigo_ = g.codigo;
    descricao_->setText(g.descricao);
    if (!GrupoEditavel(g.codigo)) {
        // The predefined group holds every permission and cannot be changed.
        lista_->clear();
        auto* item = new QListWidgetItem(TextoPermissaoTotal, lista_);
        item->setSelected(true);
        habilita(false, true);
        return;
    }
    habilita(true, true);
    listaPermissoes(PermissoesDoGrupo(ctx_, g, permissoes_));
}

void FrmGrupos::novo()
{
    {
        const QSignalBlocker bloqueio(grade_);
        grade_->clearSelection();
        grade_->setCurrentCell(-1, 0);
    }
    codigo_.clear();
    descricao_->clear();
    listaPermissoes({});
    habilita(true, false);
    descricao_->setFocus();
}

void FrmGrupos::grava()
{
    DadosGrupo d{codigo_, descricao_->text(), {}};
    for (int i = 0; i < lista_->count(); ++i)
        if (lista_->item(i)->isSelected())
            d.selecionadas << lista_->item(i)->data(Qt::UserRole).toInt();
    const GravacaoGrupo r = GravaGrupo(ctx_, d);
    if (r.gravado)
        carregaGrupos(r.codigo);
    else if (r.campo == CampoGrupo::Descricao)
        descricao_->setFocus();
    else if (r.campo == CampoGrupo::Permissoes)
        lista_->setFocus();
}

void FrmGrupos::exclui()
{
    if (ExcluiGrupo(ctx_, codigo_, descricao_->text())) {
        carregaGrupos();
        novo();
    }
}

void FrmGrupos::fecha()
{
    FechaTela(this);
}

void FrmGrupos::keyPressEvent(QKeyEvent* evento)
{
    if (!EnterAvancaCampo(this, evento))
        QWidget::keyPressEvent(evento);
}
