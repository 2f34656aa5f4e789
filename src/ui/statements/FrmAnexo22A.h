#pragma once
#include "statements/Anexo22A.h"
#include "ui/core/Campos.h"

#include <QWidget>

class QTableWidget;

// Anexo 22A: the simplified RREO worked out on opening from Anexo I and the statements; nothing
// is typed, Gravar stores the period's lines.
class FrmAnexo22A : public QWidget {
    Q_OBJECT
public:
    FrmAnexo22A(Contexto& ctx, QWidget* pai = nullptr);
    QTableWidget* grade() const { return grade_; }

public Q_SLOTS:
    bool grava();

private:
    Contexto& ctx_;
    std::vector<LinhaSimplificado> linhas_;
    QTableWidget* grade_;
    BotoesEditor botoes_;
};
