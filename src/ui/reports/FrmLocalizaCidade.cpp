#include "ui/reports/FrmLocalizaCidade.h"
#include "core/Banco.h"
#include "core/Contexto.h"

#include "ui/core/Campos.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Free-text fields of this screen; the single quote is refused there.
} // namespace

FrmLocalizaCidade::FrmLocalizaCidade(Contexto& ctx, QWidget* pai) : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmLocalizaCidade"));
    setWindowTitle(QStringLiteral("Localizar Cidade"));
    setModal(true);

    nome_ = NovoCampoTexto(this, QStringLiteral("txtNome"), 60);
    nome_->installEventFilter(this);
    auto* rotulo = new QLabel(QStringLiteral("&Nome da Cidade:"), this);
    rotulo->setBuddy(nome_);
    auto* pesquisar = new QPushButton(QStringLiteral("&Pesquisar"), this);
    pesquisar->setObjectName(QStringLiteral("cmdPesquisar"));
    pesquisar->setAutoDefault(false);
    auto* novo = new QPushButton(QStringLiteral("No&vo"), this);
    novo->setObjectName(QStringLiteral("cmdNovo"));
    novo->setAutoDefault(false);
    connect(pesquisar, &QPushButton::clicked, this, &FrmLocalizaCidade::pesquisa);
    connect(novo, &QPushButton::clicked, this, &FrmLocalizaCidade::novaPesquisa);

    grade_ = NovaGradeLista(this, {QStringLiteral("Código da Cidade"), QStringLiteral("Cidade")}, 1);
    connect(grade_, &QTableWidget::cellDoubleClicked, this, &FrmLocalizaCidade::confirma);

    QDialogButtonBox* botoes = BotoesConsulta(this, [this] { confirma(); });

    auto* busca = new QHBoxLayout;
    busca->addWidget(rotulo);
    busca->addWidget(nome_, 1);
    busca->addWidget(pesquisar);
    busca->addWidget(novo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(busca);
    layout->addWidget(grade_);
    layout->addWidget(botoes);
    resize(560, 440);

    pesquisa();
    nome_->setFocus();
}

bool FrmLocalizaCidade::eventFilter(QObject* alvo, QEvent* evento)
{
    // Enter in the name box searches.
    if (alvo == nome_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            pesquisa();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

void FrmLocalizaCidade::pesquisa()
{
    ctx_.interacao().cursorOcupado();
    try {
        cidades_ = LocalizaCidades(ctx_.BancoOrgao, nome_->text().trimmed());
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao pesquisar as cidades."), e.falha());
        cidades_.clear();
    }
    grade_->clearContents();
    grade_->setRowCount(int(cidades_.size()));
    for (int i = 0; i < cidades_.size(); ++i) {
        auto* id = new QTableWidgetItem(QString::number(cidades_[i].id));
        id->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grade_->setItem(i, 0, id);
        grade_->setItem(i, 1, new QTableWidgetItem(cidades_[i].nome));
    }
    ctx_.interacao().cursorNormal();
}

void FrmLocalizaCidade::novaPesquisa()
{
    nome_->clear();
    pesquisa();
    nome_->setFocus();
}

void FrmLocalizaCidade::confirma()
{
    const auto linhas = grade_->selectionModel()->selectedRows();
    if (linhas.isEmpty())
        return;
    cidade_ = cidades_.at(linhas.first().row());
    accept();
}

std::optional<Cidade> FrmLocalizaCidade::localiza(Contexto& ctx, QWidget* pai)
{
    FrmLocalizaCidade dialogo(ctx, pai);
    dialogo.exec();
    return dialogo.cidade();
}
