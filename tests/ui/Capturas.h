#pragma once
#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "ui/Telas.h"
#include "ui/core/GradeRegistro.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <memory>

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

// A body with a bimester open and every screen registered: the screens are opened from their
// menu entries, sized and active as the user meets them.
struct TelasDoOrgao : OrgaoAberto {
    SemNavegacao nav;
    std::unique_ptr<QWidget> tela;

    explicit TelasDoOrgao(const QString& sigla = QStringLiteral("P001"), const QString& periodo = QStringLiteral("201203"))
        : OrgaoAberto(sigla, periodo)
    {
        RegistraTodasAsTelas();
    }
    template <typename T = QWidget>
    T* abre(const QString& idMenu, const QString& captura = {}, QSize tamanho = {1280, 560})
    {
        tela.reset();
        const FabricaTela* f = TelaDoMenu(idMenu);
        EXPECT_NE(f, nullptr) << idMenu.toStdString();
        if (!f)
            return nullptr;
        tela.reset((*f)(p.ctx, nav));
        if (tamanho.isValid()) // an invalid size keeps the screen's own
            tela->resize(tamanho);
        Mostra(*tela, captura);
        return static_cast<T*>(tela.get());
    }
};
