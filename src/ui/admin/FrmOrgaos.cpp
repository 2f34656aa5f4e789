#include "ui/admin/FrmOrgaos.h"
#include "core/Contexto.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* botao(QDialogButtonBox* caixa, const QString& texto, const QString& nome, QDialogButtonBox::ButtonRole papel)
{
    QPushButton* b = caixa->addButton(texto, papel);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}
} // namespace

FrmOrgaos::FrmOrgaos(Contexto& ctx, QWidget* pai) : QDialog(pai), escolha_(ctx)
{
    setObjectName(QStringLiteral("frmOrgaos"));
    setWindowTitle(QStringLiteral("Órgãos Cadastrados no Lumo Coleta 2012"));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("lstOrgaos"));
    connect(lista_, &QListWidget::itemDoubleClicked, this, &FrmOrgaos::seleciona);

    auto* botoes = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = botao(botoes, QStringLiteral("&Selecionar"), QStringLiteral("cmdOk"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FrmOrgaos::seleciona);
    connect(botao(botoes, QStringLiteral("&Adicionar..."), QStringLiteral("cmdAdicionar"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &FrmOrgaos::adiciona);
    connect(botao(botoes, QStringLiteral("&Remover"), QStringLiteral("cmdRemover"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &FrmOrgaos::remove);
    connect(botao(botoes, QStringLiteral("&Cancelar"), QStringLiteral("cmdCancelar"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(new QLabel(QStringLiteral("Selecione o órgão com que deseja trabalhar:"), this));
    esquerda->addWidget(lista_);
    layout->addLayout(esquerda, 1);
    layout->addWidget(botoes);
    resize(560, 320);
    recarrega(0);
}

void FrmOrgaos::recarrega(int selecionar)
{
    lista_->clear();
    for (const auto& o : escolha_.lista())
        lista_->addItem(o.nome);
    if (selecionar >= 0 && selecionar < lista_->count())
        lista_->setCurrentRow(selecionar);
}

void FrmOrgaos::seleciona()
{
    const int linha = lista_->currentItem() && lista_->currentItem()->isSelected() ? lista_->currentRow() : -1;
    if (escolha_.escolhe(linha))
        accept();
}

void FrmOrgaos::adiciona()
{
    FrmBuscaOrgao busca(escolha_, this);
    if (busca.exec() != QDialog::Accepted || busca.siglaEscolhida().isEmpty())
        return;
    const int indice = escolha_.adiciona(busca.siglaEscolhida());
    if (indice >= 0)
        recarrega(indice);
}

void FrmOrgaos::remove()
{
    if (escolha_.remove(lista_->currentRow()))
        recarrega(0);
}

FrmBuscaOrgao::FrmBuscaOrgao(const EscolhaOrgao& escolha, QWidget* pai) : QDialog(pai), escolha_(escolha)
{
    setObjectName(QStringLiteral("frmBuscaOrgao"));
    setWindowTitle(QStringLiteral("Localizar Órgão"));
    filtro_ = new QLineEdit(this);
    filtro_->setObjectName(QStringLiteral("txtNome"));
    filtro_->setPlaceholderText(QStringLiteral("parte do nome ou do código"));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("lstOrgaos"));
    connect(filtro_, &QLineEdit::textChanged, this, &FrmBuscaOrgao::pesquisa);
    auto escolhe = [this] {
        if (QListWidgetItem* i = lista_->currentItem()) {
            sigla_ = i->data(Qt::UserRole).toString();
            accept();
        }
    };
    connect(lista_, &QListWidget::itemDoubleClicked, this, escolhe);
    auto* botoes = new QDialogButtonBox(this);
    connect(botao(botoes, QStringLiteral("&OK"), QStringLiteral("cmdOk"), QDialogButtonBox::AcceptRole), &QPushButton::clicked,
            this, escolhe);
    connect(botao(botoes, QStringLiteral("&Fechar"), QStringLiteral("cmdFechar"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* linha = new QHBoxLayout;
    // With its buddy the label shows "Nome:" and Alt+N goes to the filter.
    auto* rotulo = new QLabel(QStringLiteral("&Nome:"), this);
    rotulo->setBuddy(filtro_);
    linha->addWidget(rotulo);
    linha->addWidget(filtro_, 1);
    layout->addLayout(linha);
    layout->addWidget(lista_, 1);
    layout->addWidget(botoes);
    resize(560, 420);
    pesquisa();
}

void FrmBuscaOrgao::pesquisa()
{
    lista_->clear();
    for (const auto& o : escolha_.disponiveis(filtro_->text())) {
        auto* item = new QListWidgetItem(o.siglaLrf + QStringLiteral(" - ") + o.nome, lista_);
        item->setData(Qt::UserRole, o.siglaLrf);
    }
    if (lista_->count() > 0)
        lista_->setCurrentRow(0);
}
