#include "ui/core/FrmIdentify.h"
#include "core/Contexto.h"
#include "core/Seguranca.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

FrmIdentify::FrmIdentify(Contexto& ctx, QWidget* pai) : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("Identify"));
    setWindowTitle(QStringLiteral("Identificação do Usuário - Lumo Coleta 2012"));
    setModal(true);

    usuario_ = new QLineEdit(this);
    usuario_->setObjectName(QStringLiteral("txtUsuario"));
    usuario_->setMaxLength(20);
    senha_ = new QLineEdit(this);
    senha_->setObjectName(QStringLiteral("txtSenha"));
    senha_->setEchoMode(QLineEdit::Password);
    senha_->setMaxLength(20);
    // Every typed character of the user name is shown in upper case.
    connect(usuario_, &QLineEdit::textEdited, this, [this](const QString& t) {
        const int pos = usuario_->cursorPosition();
        usuario_->setText(t.toUpper());
        usuario_->setCursorPosition(pos);
    });
    usuario_->installEventFilter(this);
    senha_->installEventFilter(this);

    auto* titulo = new QLabel(QStringLiteral("<b>Lumo Coleta 2012</b><br>Informe sua identificação e senha."), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Usuário:"), usuario_);
    form->addRow(QStringLiteral("&Senha:"), senha_);
    auto* botoes = new QDialogButtonBox(this);
    QPushButton* ok = botoes->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setAutoDefault(false);
    QPushButton* cancela = botoes->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
    cancela->setObjectName(QStringLiteral("cmdCancelar"));
    cancela->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &FrmIdentify::confirma);
    connect(cancela, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titulo);
    layout->addLayout(form);
    layout->addWidget(botoes);
    setMinimumWidth(360);
    usuario_->setFocus();
}

bool FrmIdentify::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() == QEvent::FocusIn) {
        // Both boxes select their whole text when they take the focus.
        auto* campo = static_cast<QLineEdit*>(alvo);
        QTimer::singleShot(0, campo, &QLineEdit::selectAll);
    } else if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (alvo == usuario_)
                senha_->setFocus();
            else
                confirma();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

void FrmIdentify::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void FrmIdentify::confirma()
{
    try {
        switch (Identifica(ctx_, usuario_->text(), senha_->text())) {
        case ResultadoLogin::Aceito:
            accept();
            return;
        case ResultadoLogin::FaltaSenha:
            senha_->setFocus();
            return;
        default:
            usuario_->setFocus();
            return;
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar identificar o usuário."), e.falha());
    }
}
