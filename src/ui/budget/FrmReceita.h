#pragma once
#include "core/Contexto.h"
#include "ui/core/Campos.h"

#include <QWidget>

class GradeRegistro;
class QTabWidget;
class QTableWidget;

// Anexo I, revenue: the period's lines on the first page, the whole plan with its totals on the
// second (read-only, worked out again each time it is shown). Opening carries the previous
// bimester's lines in (after the first bimester); closing does it again.
class FrmReceita : public QWidget {
    Q_OBJECT
public:
    FrmReceita(Contexto& ctx, QWidget* pai = nullptr);

    GradeRegistro* detalhe() const { return detalhe_; }
    QTableWidget* resumo() const { return resumo_; }
    QTabWidget* abas() const { return abas_; }
    const BotoesEditor& botoes() const { return botoes_; }

public Q_SLOTS:
    bool grava();
    void PreencheResumo();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void escolhePlano();

    Contexto& ctx_;
    QTabWidget* abas_;
    GradeRegistro* detalhe_;
    QTableWidget* resumo_;
    BotoesEditor botoes_;
};
