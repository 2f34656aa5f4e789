#include "ui/core/FrmAlteraSenha.h"
#include "core/Contexto.h"
#include "core/Usuarios.h"

#include "ui/core/Campos.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Free-text fields of this screen; the single quote is refused there.
} // namespace

FrmAlteraSenha::FrmAlteraSenha(Contexto& ctx, const QString& codigoUsuario, const QString& username, QWidget* pai)
    : QDialog(pai), ctx_(ctx), codigoUsuario_(codigoUsuario)
{
    setObjectName(QStringLiteral("frmAlteraSenha"));
    setWindowTitle(QStringLiteral("Alteração de Senha"));
    setModal(true);

    atual_ = NovoCampoTexto(this, QStringLiteral("txtSenhaAtual"), 20);
    nova_ = NovoCampoTexto(this, QStringLiteral("txtSenhaNova"), 20);
    confirmacao_ = NovoCampoTexto(this, QStringLiteral("txtConfirmacao"), 20);
    for (QLineEdit* c : {atual_, nova_, confirmacao_}) {
        c->setEchoMode(QLineEdit::Password);
        c->installEventFilter(this);
    }

    auto* form = new QFormLayout;
    if (!username.isEmpty())
        form->addRow(QStringLiteral("Usuário:"), new QLabel(QStringLiteral("<b>%1</b>").arg(username.toHtmlEscaped()), this));
    form->addRow(QStringLiteral("Senha &atual:"), atual_);
    form->addRow(QStringLiteral("&Nova senha:"), nova_);
    form->addRow(QStringLiteral("&Confirmação:"), confirmacao_);

    auto* botoes = new QDialogButtonBox(this);
    QPushButton* ok = botoes->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    QPushButton* cancela = botoes->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
    cancela->setObjectName(QStringLiteral("cmdCancelar"));
    connect(ok, &QPushButton::clicked, this, &FrmAlteraSenha::confirma);
    connect(cancela, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(botoes);
    setMinimumWidth(340);
    atual_->setFocus();
}

QString FrmAlteraSenha::novaSenha() const { return nova_->text(); }

bool FrmAlteraSenha::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, static_cast<QLineEdit*>(alvo), &QLineEdit::selectAll);
    } else if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        // Enter moves to the next box; in the confirmation it confirms.
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (alvo == atual_)
                nova_->setFocus();
            else if (alvo == nova_)
                confirmacao_->setFocus();
            else
                confirma();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

void FrmAlteraSenha::confirma()
{
    switch (ConfereAlteracaoSenha(ctx_, codigoUsuario_, atual_->text(), nova_->text(), confirmacao_->text())) {
    case CampoSenha::Nenhum:
        accept();
        return;
    case CampoSenha::Atual:
        atual_->setFocus();
        return;
    case CampoSenha::Nova:
        nova_->setFocus();
        return;
    }
}
