#pragma once
#include <QDialog>

class QLineEdit;
struct Contexto;

// The login screen: user name (upper case) and password; Enter moves from the name to the
// password and confirms from there. Accepted when the user is recognised.
class FrmIdentify : public QDialog {
    Q_OBJECT
public:
    FrmIdentify(Contexto& ctx, QWidget* pai = nullptr);
    QLineEdit* campoUsuario() const { return usuario_; }
    QLineEdit* campoSenha() const { return senha_; }

public Q_SLOTS:
    void confirma();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    // Centred on the display, not on the main window behind it.
    void showEvent(QShowEvent* evento) override;

private:
    Contexto& ctx_;
    QLineEdit* usuario_;
    QLineEdit* senha_;
};
