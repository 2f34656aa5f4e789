#pragma once
#include "budget/Classificacao.h"
#include "ui/core/Seletores.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;

// The picker of a list (sources of funds, institutional classification, programmes and
// projects, banks, revenue codes): filter fields, "Pesquisar", the lines, OK and Fechar.
class FrmLista : public QDialog {
    Q_OBJECT
public:
    FrmLista(Contexto& ctx, DefinicaoLista lista, QWidget* pai = nullptr);
    // The chosen line's columns, empty when closed without a choice.
    const QStringList& escolha() const { return escolha_; }
    QTableWidget* grade() const { return grade_; }
    const std::vector<QLineEdit*>& filtros() const { return filtros_; }

public Q_SLOTS:
    void pesquisa();

private:
    void confirma();

    Contexto& ctx_;
    DefinicaoLista lista_;
    std::vector<QLineEdit*> filtros_;
    QTableWidget* grade_;
    QList<QStringList> linhas_;
    QStringList escolha_;
};

// A picker over a list: the chosen line's columns go into the cells the list names.
FabricaSeletor SeletorDaLista(std::function<DefinicaoLista(const Contexto&)> lista);

// Registers the pickers of Anexo I and of the bank accounts under the ids their grids name.
void RegistraSeletoresAnexo1();
