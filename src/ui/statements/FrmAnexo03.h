#pragma once
#include "statements/Anexo03.h"
#include "ui/core/Campos.h"

#include <QWidget>

class QTableView;

// Anexo 03 on screen: the grid "Grid" with the line, its caption, the twelve months of the
// window, the twelve-month total and PA. Group lines, line "3", the total and (after bimester
// 01) the months before the open bimester are grey and read-only. A typed cell is stored as soon
// as it is left; the rules are Anexo03's.
class FrmAnexo03 : public QWidget {
    Q_OBJECT
public:
    explicit FrmAnexo03(Contexto& ctx, QWidget* pai = nullptr);
    ~FrmAnexo03() override;

    QTableView* grade() const { return grade_; }
    const Anexo03& anexo() const { return anexo_; }
    const BotoesEditor& botoes() const { return botoes_; }

    // Grid columns: the line, its caption, then the months.
    static constexpr int ColunaCampo = 0;
    static constexpr int ColunaDescricao = 1;
    static constexpr int PrimeiroMes = 2;
    static constexpr int ColunaTotal = PrimeiroMes + MesesAnexo03;
    static constexpr int ColunaPA = ColunaTotal + 1;

public Q_SLOTS:
    // Stores the cell being typed, then confirms.
    void grava();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    class Modelo;
    class Vista;
    // Ends the cell editor, storing what was typed.
    void encerraEdicao();

    Contexto& ctx_;
    Anexo03 anexo_;
    Modelo* modelo_;
    QTableView* grade_;
    BotoesEditor botoes_;
};
