#include "ui/core/TelaGrade.h"
#include "ui/core/GradeRegistro.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TelaGrade::TelaGrade(Contexto& ctx, DefinicaoGrade definicao, const QString& titulo, QWidget* pai) : QWidget(pai)
{
    setWindowTitle(titulo);
    grade_ = new GradeRegistro(ctx, std::move(definicao), this);
    botoes_ = NovosBotoesEditor(this);
    const DefinicaoGrade& def = grade_->grade().definicao();
    if (QPushButton* copia = grade_->botaoCopia())
        botoes_.linha->insertWidget(3, copia);
    if (QPushButton* seletor = grade_->botaoSeletor())
        botoes_.linha->insertWidget(0, seletor);
    botoes_.novo->setEnabled(def.permiteIncluir && !def.gravaPeriodoInteiro);
    botoes_.excluir->setEnabled(def.permiteExcluir);
    // A listing that nothing can be typed into has nothing to store.
    const Grade& g = grade_->grade();
    bool digitavel = false;
    for (int c = 0; c < g.colunas() && !digitavel; ++c)
        digitavel = g.colunaDigitavel(c);
    botoes_.gravar->setEnabled(digitavel);
    connect(botoes_.novo, &QPushButton::clicked, grade_, &GradeRegistro::vaiParaLinhaNova);
    connect(botoes_.gravar, &QPushButton::clicked, this, &TelaGrade::grava);
    connect(botoes_.excluir, &QPushButton::clicked, grade_, &GradeRegistro::excluiLinhaAtual);
    connect(botoes_.fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_);
    layout->addLayout(botoes_.linha);
    grade_->vista()->setFocus();
}

bool TelaGrade::grava()
{
    // A statement is saved whole even when nothing changed: saving twice gives the same rows.
    if (grade_->grade().definicao().gravaPeriodoInteiro)
        return grade_->gravaPeriodo();
    return grade_->gravaPendente();
}

void TelaGrade::closeEvent(QCloseEvent* evento)
{
    if (!grade_->gravaPendente()) {
        evento->ignore();
        return;
    }
    if (const auto& aoFechar = grade_->grade().definicao().aoFechar)
        aoFechar(grade_->grade().contexto());
    evento->accept();
}

FabricaTela FabricaTelaGrade(FabricaDefinicaoGrade definicao, const QString& titulo)
{
    return [definicao = std::move(definicao), titulo](Contexto& ctx, Navegacao&) -> QWidget* {
        return new TelaGrade(ctx, definicao(ctx), titulo);
    };
}

FabricaTela FabricaTelaGrade(FabricaDefinicaoFixa definicao, const QString& titulo)
{
    return FabricaTelaGrade(FabricaDefinicaoGrade([definicao = std::move(definicao)](const Contexto&) { return definicao(); }),
                            titulo);
}

void RegistraTelaGrade(const QString& idMenu, FabricaDefinicaoGrade definicao, const QString& titulo)
{
    RegistraTela(idMenu, FabricaTelaGrade(std::move(definicao), titulo));
}

void RegistraTelaGrade(const QString& idMenu, FabricaDefinicaoFixa definicao, const QString& titulo)
{
    RegistraTela(idMenu, FabricaTelaGrade(std::move(definicao), titulo));
}
