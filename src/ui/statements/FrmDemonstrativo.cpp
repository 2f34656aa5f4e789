#include "ui/statements/FrmDemonstrativo.h"
#include "ui/Telas.h"
#include "ui/core/GradeRegistro.h"

#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

FrmDemonstrativo::FrmDemonstrativo(Contexto& ctx, DefinicaoDemonstrativo definicao, QWidget* pai)
    : QWidget(pai), def_(std::move(definicao))
{
    setWindowTitle(def_.titulo);
    quadros_ = new QTabBar(this);
    for (const QuadroDemonstrativo& q : def_.quadros)
        quadros_->addTab(q.titulo);
    quadros_->setVisible(def_.quadros.size() > 1);
    grade_ = new GradeRegistro(ctx, GradeDoDemonstrativo(ctx, def_), this);
    CalculaLinhas(grade_->grade());
    connect(quadros_, &QTabBar::currentChanged, this, &FrmDemonstrativo::mostraQuadro);
    connect(grade_->modelo(), &QAbstractItemModel::modelReset, this, &FrmDemonstrativo::mostraQuadro);

    botoes_ = NovosBotoesEditor(this);
    botoes_.novo->hide();
    botoes_.excluir->hide();
    if (def_.anexo1) {
        anexo1_ = new QPushButton(QStringLiteral("&Importar Anexo I"), this);
        anexo1_->setObjectName(QStringLiteral("cmdImportarAnexo1"));
        botoes_.linha->insertWidget(3, anexo1_);
        connect(anexo1_, &QPushButton::clicked, this, &FrmDemonstrativo::importaAnexo1);
    }
    connect(botoes_.gravar, &QPushButton::clicked, this, &FrmDemonstrativo::grava);
    connect(botoes_.fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(quadros_);
    layout->addWidget(grade_);
    layout->addSpacing(6);
    layout->addLayout(botoes_.linha);
    mostraQuadro();
    grade_->vista()->setFocus();
}

// Only the lines of the table chosen on the tabs are shown.
void FrmDemonstrativo::mostraQuadro()
{
    if (def_.quadros.size() < 2)
        return;
    const int tipo = def_.quadros[size_t(std::max(0, quadros_->currentIndex()))].tipoMovimento;
    const Grade& g = grade_->grade();
    for (int l = 0; l < g.linhas(); ++l)
        grade_->vista()->setRowHidden(l, TipoMovimentoDaLinha(g, l) != tipo);
}

bool FrmDemonstrativo::grava() { return grade_->gravaPeriodo(); }

void FrmDemonstrativo::importaAnexo1()
{
    if (ImportaAnexo1(grade_->grade(), def_))
        grade_->vista()->viewport()->update();
}

void FrmDemonstrativo::closeEvent(QCloseEvent* evento)
{
    if (!grade_->gravaPendente()) {
        evento->ignore();
        return;
    }
    evento->accept();
}
