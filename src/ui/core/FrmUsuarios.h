#pragma once
#include "core/Usuarios.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct Contexto;

// The users editor: the list of users on the left, the selected user's fields on the right.
// The password of an existing user is never shown: ten blanks stand in its locked box until
// Change password puts a new one there.
class FrmUsuarios : public QWidget {
    Q_OBJECT
public:
    explicit FrmUsuarios(Contexto& ctx, QWidget* pai = nullptr);

public Q_SLOTS:
    void novo();
    void grava();
    void exclui();
    void alteraSenha();
    void fecha();

protected:
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void carregaGrupos(bool avisaFalha = true);
    void releGrupos();
    void carregaUsuarios(const QString& selecionar = {});
    void mostraUsuario(int linha);
    void focaCampo(CampoUsuario campo);

    Contexto& ctx_;
    QList<Usuario> usuarios_;
    QTableWidget* grade_;
    QLineEdit* codigo_;
    QLineEdit* nome_;
    QLineEdit* username_;
    QLineEdit* senha_;
    QComboBox* grupo_;
    QPushButton* excluir_;
    QPushButton* alteraSenha_;
};
