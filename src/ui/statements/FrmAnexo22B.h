#pragma once
#include "core/Contexto.h"
#include "statements/Anexo22B.h"

#include <QWidget>
#include <vector>

class QLineEdit;
class QPushButton;

// Anexo 22B: the thirteen lines filled on opening from the source statements of the period,
// read-only; Gravar stores them as shown.
class FrmAnexo22B : public QWidget {
    Q_OBJECT
public:
    FrmAnexo22B(Contexto& ctx, QWidget* pai = nullptr);

    // The fields of line 1 to 13: txta (value) and txtb (limit).
    QLineEdit* txta(int linha) const { return txta_[size_t(linha - 1)]; }
    QLineEdit* txtb(int linha) const { return txtb_[size_t(linha - 1)]; }

public Q_SLOTS:
    bool grava();

private:
    Contexto& ctx_;
    std::vector<LinhaAnexo22B> linhas_;
    std::vector<QLineEdit*> txta_, txtb_;
};
