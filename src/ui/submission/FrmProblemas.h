#pragma once
#include "core/Problema.h"

#include <QDialog>

class QTableWidget;
class QWidget;
struct Contexto;

// The problems window, "Inconsistências na geração de disquete": the problem list in three
// captioned columns, modal. Its print command copies the list into tabProblemas and prints
// "problemas.rpt".
void MostraProblemas(Contexto& ctx, QWidget* pai, const Problemas& problemas);

class FrmProblemas : public QDialog {
    Q_OBJECT
public:
    FrmProblemas(Contexto& ctx, const Problemas& problemas, QWidget* pai = nullptr);
    QTableWidget* grade() const { return grade_; }

private:
    void imprime();

    Contexto& ctx_;
    Problemas problemas_;
    QTableWidget* grade_ = nullptr;
};
