#pragma once
#include <QDialog>

class QLineEdit;
struct Contexto;

// Change-password dialog of the users editor: current password, new one and its
// confirmation. Accepted when the checks pass; the editor then takes novaSenha() into its
// password box and stores its digest when the user saves.
class FrmAlteraSenha : public QDialog {
    Q_OBJECT
public:
    FrmAlteraSenha(Contexto& ctx, const QString& codigoUsuario, const QString& username, QWidget* pai = nullptr);
    QString novaSenha() const;

public Q_SLOTS:
    void confirma();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    Contexto& ctx_;
    QString codigoUsuario_;
    QLineEdit* atual_;
    QLineEdit* nova_;
    QLineEdit* confirmacao_;
};
