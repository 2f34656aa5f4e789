#pragma once
#include "statements/Demonstrativos.h"
#include "ui/core/Campos.h"

#include <QWidget>

class GradeRegistro;
class QPushButton;
class QTabBar;

// The editor of every fixed-line statement: its tables as tabs over one grid of its lines
// (computed lines grey), Gravar (the whole period, in one transaction), "Importar Anexo I" for
// the statements that take lines from it, Fechar.
class FrmDemonstrativo : public QWidget {
    Q_OBJECT
public:
    FrmDemonstrativo(Contexto& ctx, DefinicaoDemonstrativo definicao, QWidget* pai = nullptr);

    GradeRegistro* grade() const { return grade_; }
    QTabBar* quadros() const { return quadros_; }
    QPushButton* botaoAnexo1() const { return anexo1_; }
    const BotoesEditor& botoes() const { return botoes_; }

public Q_SLOTS:
    bool grava();
    void importaAnexo1();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void mostraQuadro();

    DefinicaoDemonstrativo def_;
    GradeRegistro* grade_;
    QTabBar* quadros_;
    QPushButton* anexo1_ = nullptr;
    BotoesEditor botoes_;
};
