#pragma once
#include "comum/Tela.h"
#include "ui/Telas.h"
#include "ui/core/GradeRegistro.h"

#include <QAbstractItemModel>
#include <QTableView>

// A frame that opens nothing: for screens opened on their own by a test.
class SemNavegacao : public Navegacao {
public:
    void abreMenu(const QString&) override {}
    void abreJanela(QWidget*) override {}
    void encerra() override {}
    QWidget* janela() override { return nullptr; }
};

// Puts the cursor on a cell of a grid, as a click would (back from a modal dialog too).
inline void VaiPara(GradeRegistro* g, int linha, int coluna)
{
    QApplication::setActiveWindow(g->window());
    g->vista()->setFocus();
    g->vista()->setCurrentIndex(g->modelo()->index(linha, coluna));
    QApplication::processEvents();
}

// The text a grid's cell shows.
inline QString Celula(GradeRegistro* g, int linha, int coluna) { return g->modelo()->index(linha, coluna).data().toString(); }
