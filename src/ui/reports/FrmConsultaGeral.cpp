#include "ui/reports/FrmConsultaGeral.h"
#include "ui/core/Campos.h"
#include "core/Banco.h"
#include "core/Contexto.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FrmConsultaGeral::FrmConsultaGeral(Contexto& ctx, const QString& tabela, const QString& filtro,
                                   const QString& titulo, QWidget* pai)
    : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmConsultaGeral"));
    setWindowTitle(titulo);
    setModal(true);

    grade_ = NovaGradeLista(this, {QStringLiteral("Código"), QStringLiteral("Descrição")}, 1);
    grade_->setWordWrap(false);
    connect(grade_, &QTableWidget::cellDoubleClicked, this, &FrmConsultaGeral::confirma);

    QDialogButtonBox* botoes = BotoesConsulta(this, [this] { confirma(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_);
    layout->addWidget(botoes);
    resize(620, 420);

    carrega(tabela, filtro);
    grade_->setFocus();
}

void FrmConsultaGeral::carrega(const QString& tabela, const QString& filtro)
{
    resultado_ = {};
    ctx_.interacao().cursorOcupado();
    try {
        itens_ = ConsultaGeral(ctx_.BancoOrgao, tabela, filtro);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao carregar a consulta."), e.falha());
        itens_.clear();
    }
    grade_->setRowCount(int(itens_.size()));
    for (int i = 0; i < itens_.size(); ++i) {
        grade_->setItem(i, 0, new QTableWidgetItem(itens_[i].codigo));
        grade_->setItem(i, 1, new QTableWidgetItem(itens_[i].descricao));
    }
    ctx_.interacao().cursorNormal();
}

void FrmConsultaGeral::confirma()
{
    const auto linhas = grade_->selectionModel()->selectedRows();
    if (linhas.isEmpty())
        return;
    resultado_ = ResultadoConsulta::de(itens_.at(linhas.first().row()));
    accept();
}

ResultadoConsulta FrmConsultaGeral::consulta(Contexto& ctx, const QString& tabela, const QString& filtro,
                                             const QString& titulo, QWidget* pai)
{
    FrmConsultaGeral dialogo(ctx, tabela, filtro, titulo, pai);
    dialogo.exec();
    return dialogo.resultado();
}
