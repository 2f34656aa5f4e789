#pragma once
#include "core/Grade.h"

#include <QWidget>
#include <memory>

class QAbstractItemModel;
class QPushButton;
class QTableView;

// The grid every register editor shows: the rows of the open period edited in place, each row
// stored when the user leaves it. Columns, keys and rules come from the register's
// DefinicaoGrade; this widget only shows the rows and passes the user's actions to Grade.
//
// Keys: typing starts editing a cell (the cell's field filters the keys); Enter and Tab go to the
// next cell; Esc leaves the cell editor, a second Esc cancels the row; Delete deletes the row.
// The last row, marked "*", takes a new record. Editors call gravaPendente() before they close.
class GradeRegistro : public QWidget {
    Q_OBJECT
public:
    GradeRegistro(Contexto& ctx, DefinicaoGrade definicao, QWidget* pai = nullptr);
    ~GradeRegistro() override;

    Grade& grade() { return *grade_; }
    QTableView* vista() const;
    QAbstractItemModel* modelo() const;
    // "Importar Bimestre Anterior", only for registers that offer the copy; a screen may move it
    // into its own button row.
    QPushButton* botaoCopia() const { return botaoCopia_; }
    // "Localizar... (F4)", for grids with pickers: opens the current cell's picker (or the row's
    // first one).
    QPushButton* botaoSeletor() const { return botaoSeletor_; }

public Q_SLOTS:
    // Reloads the open period's rows.
    void PreencheGrid();
    // A detail grid: the master row's link values (empty: none); reloads.
    void defineMestre(const QVariantList& valores);
    // Whole-period save (statements).
    bool gravaPeriodo();
    // The empty last row, at its first typed column.
    void vaiParaLinhaNova();
    // Stores the row being edited, if any; false when it was refused (it stays in edit). A
    // whole-period grid with changes saves its period.
    bool gravaPendente();
    void cancelaLinhaAtual();
    void excluiLinhaAtual();
    void copiaBimestreAnterior();
    // The picker of the current cell fills the current row (a new one on the last row).
    void abreSeletor();

Q_SIGNALS:
    // A row was inserted, updated or deleted, or the rows were copied.
    void registrosAlterados();
    // The current row changed (after the row left was stored); -1 for none.
    void linhaAtualMudou(int linha);

private:
    class Modelo;
    class Vista;
    friend class Vista;

    bool gravaLinha(int linha);

    std::unique_ptr<Grade> grade_;
    Modelo* modelo_ = nullptr;
    Vista* vista_ = nullptr;
    QPushButton* botaoCopia_ = nullptr;
    QPushButton* botaoSeletor_ = nullptr;
};
