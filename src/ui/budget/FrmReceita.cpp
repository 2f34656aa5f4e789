#include "ui/budget/FrmReceita.h"
#include "budget/Receita.h"
#include "ui/core/GradeRegistro.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

FrmReceita::FrmReceita(Contexto& ctx, QWidget* pai) : QWidget(pai), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("Anexo 01 - Receita"));
    abas_ = new QTabWidget(this);
    detalhe_ = new GradeRegistro(ctx, DefinicaoReceita(ctx), this);
    abas_->addTab(detalhe_, QStringLiteral("Receitas do Bimestre"));
    resumo_ = new QTableWidget(0, 7, this);
    resumo_->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descrição"), QStringLiteral("Inicial"),
                                        QStringLiteral("Atualizada"), QStringLiteral("No Bimestre"),
                                        QStringLiteral("Até o Bimestre"), QStringLiteral("grupo")});
    resumo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resumo_->setSelectionBehavior(QAbstractItemView::SelectRows);
    PadraoGrade(resumo_);
    resumo_->setColumnHidden(6, true);
    resumo_->setColumnWidth(0, 100);
    resumo_->setColumnWidth(1, 420);
    for (int c = 2; c < 6; ++c)
        resumo_->setColumnWidth(c, 120);
    abas_->addTab(resumo_, QStringLiteral("Resumo"));
    connect(abas_, &QTabWidget::currentChanged, this, [this](int aba) {
        if (aba == 1 && detalhe_->gravaPendente())
            PreencheResumo();
        else if (aba == 1)
            abas_->setCurrentIndex(0); // a refused line keeps the user on it
    });

    botoes_ = NovosBotoesEditor(this);
    auto* plano = new QPushButton(QStringLiteral("&Plano de Contas..."), this);
    botoes_.linha->insertWidget(3, plano);
    if (QPushButton* seletor = detalhe_->botaoSeletor())
        botoes_.linha->insertWidget(0, seletor);
    connect(plano, &QPushButton::clicked, this, &FrmReceita::escolhePlano);
    connect(botoes_.novo, &QPushButton::clicked, this, [this] {
        abas_->setCurrentIndex(0);
        detalhe_->vaiParaLinhaNova();
    });
    connect(botoes_.gravar, &QPushButton::clicked, this, &FrmReceita::grava);
    connect(botoes_.excluir, &QPushButton::clicked, detalhe_, &GradeRegistro::excluiLinhaAtual);
    connect(botoes_.fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(abas_);
    layout->addLayout(botoes_.linha);
    detalhe_->vista()->setFocus();
}

bool FrmReceita::grava()
{
    if (!detalhe_->gravaPendente())
        return false;
    if (abas_->currentIndex() == 1)
        PreencheResumo();
    return true;
}

void FrmReceita::PreencheResumo()
{
    QList<LinhaResumoReceita> linhas;
    ctx_.interacao().cursorOcupado();
    try {
        linhas = ResumoReceita(ctx_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar soma valores."), e.falha());
    }
    resumo_->setUpdatesEnabled(false);
    resumo_->setRowCount(int(linhas.size()));
    QFont negrito = resumo_->font();
    negrito.setBold(true);
    for (int i = 0; i < linhas.size(); ++i) {
        const LinhaResumoReceita& l = linhas[i];
        const QStringList textos{l.codigo,          l.descricao,          l.inicial.formata(), l.atualizada.formata(),
                                 l.bimestre.formata(), l.exercicio.formata(), l.grupo};
        for (int c = 0; c < textos.size(); ++c) {
            auto* item = new QTableWidgetItem(textos[c]);
            if (c >= 2 && c <= 5)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!l.analitica)
                item->setFont(negrito); // the synthetic codes group the others
            resumo_->setItem(i, c, item);
        }
    }
    resumo_->setUpdatesEnabled(true);
    ctx_.interacao().cursorNormal();
}

void FrmReceita::escolhePlano()
{
    QDialog d(this);
    d.setWindowTitle(QStringLiteral("Plano de Contas"));
    auto* anterior = new QRadioButton(QStringLiteral("Plano de contas &anterior"), &d);
    auto* novo = new QRadioButton(QStringLiteral("Plano de contas &novo"), &d);
    anterior->setObjectName(QStringLiteral("optAnterior"));
    novo->setObjectName(QStringLiteral("optNovo"));
    try {
        (PlanoContas(ctx_.BancoOrgao) == u'A' ? anterior : novo)->setChecked(true);
    } catch (const ErroBanco&) {
        novo->setChecked(true);
    }
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    connect(botoes, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(anterior);
    layout->addWidget(novo);
    layout->addWidget(botoes);
    if (d.exec() != QDialog::Accepted)
        return;
    try {
        GravaPlanoContas(ctx_.BancoOrgao, anterior->isChecked() ? QStringLiteral("A") : QStringLiteral("N"));
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível gravar o plano de contas."), e.falha());
    }
}

void FrmReceita::closeEvent(QCloseEvent* evento)
{
    if (!detalhe_->gravaPendente()) {
        evento->ignore();
        return;
    }
    if (const auto& aoFechar = detalhe_->grade().definicao().aoFechar)
        aoFechar(ctx_);
    evento->accept();
}
