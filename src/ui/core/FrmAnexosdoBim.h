#pragma once
#include "core/Menu.h"
#include <QDialog>

class QLabel;
class QTableWidget;
struct Contexto;

// The annexes due in the open bimester: title, obligation, filled or blank, and this year's
// changes. Opening it loads the open period and computes the due flags.
class FrmAnexosdoBim : public QDialog {
    Q_OBJECT
public:
    FrmAnexosdoBim(Contexto& ctx, QWidget* pai = nullptr);
    QTableWidget* grade() const { return grade_; }
    QString textoOrgao() const;
    QString textoBimestre() const;
    const std::vector<AnexoDevido>& linhas() const { return linhas_; }

private:
    void mostraAlteracoes(int linha);
    Contexto& ctx_;
    QLabel* orgao_;
    QLabel* bimestre_;
    QTableWidget* grade_;
    std::vector<AnexoDevido> linhas_;
};
