#pragma once
#include "core/Menu.h"
#include "ui/Telas.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
struct Contexto;

// The frame every screen opens in: menus built from the menu tree, the annex entries enabled
// from the due flags, title and status bar, and the exit question.
class JanelaPrincipal : public QMainWindow, public Navegacao {
    Q_OBJECT
public:
    explicit JanelaPrincipal(Contexto& ctx, QWidget* pai = nullptr);
    ~JanelaPrincipal() override;

    // Login, then the due annexes, then the menus. False when the login was cancelled.
    bool inicia();
    // Re-applies the flag-driven menus (after a period or the body's kind changed).
    void reaplicaMenus(bool aposLogin = false);
    QAction* acao(const QString& idMenu) const { return acoes_.value(idMenu); }
    QMdiArea* area() const { return area_; }
    const EstadoMenus& estadoMenus() const { return estado_; }
    // Runs a menu entry as the user choosing it would (permission first).
    void executa(const QString& idMenu);

    // Navegacao, for the screens.
    void abreMenu(const QString& idMenu) override { executa(idMenu); }
    void abreJanela(QWidget* tela) override;
    void encerra() override;
    QWidget* janela() override { return this; }
    QString textoStatus(int painel) const;
    // When false, closing asks nothing (used by the tests and after a cancelled login).
    void defineConfirmaSaida(bool confirma) { confirmaSaida_ = confirma; }

protected:
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void montaMenus();
    bool identifica();
    void efetuaLogoff();
    // Closes every child window; false when one of them refused (a row it could not store).
    bool fechaJanelasFilhas();
    void mostraAnexosDoBimestre();
    void abreManual();
    void sobre();
    void atualizaTitulo();

    Contexto& ctx_;
    QMdiArea* area_;
    QLabel* painelPasta_;
    QLabel* painelUsuario_;
    QHash<QString, QAction*> acoes_;
    QHash<QString, QMenu*> menus_;
    EstadoMenus estado_;
    bool confirmaSaida_ = true;
    bool encerrando_ = false;
};
