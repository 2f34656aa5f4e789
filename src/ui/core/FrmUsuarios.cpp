#include "ui/core/FrmUsuarios.h"
#include "core/Contexto.h"
#include "ui/core/FrmAlteraSenha.h"

#include "ui/core/Campos.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FrmUsuarios::FrmUsuarios(Contexto& ctx, QWidget* pai) : QWidget(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmUsuarios"));
    setWindowTitle(QStringLiteral("Cadastro de Usuários"));

    grade_ = NovaGradeLista(this, {QStringLiteral("Código"), QStringLiteral("Nome"), QStringLiteral("Usuário")}, 1);
    grade_->setMinimumWidth(330);

    codigo_ = NovoCampoTexto(this, QStringLiteral("txtCodigo"), 3);
    codigo_->setReadOnly(true);
    codigo_->setFocusPolicy(Qt::NoFocus);
    codigo_->setMaximumWidth(60);
    nome_ = NovoCampoTexto(this, QStringLiteral("txtNome"), 50);
    username_ = NovoCampoTexto(this, QStringLiteral("txtUsername"), 20);
    // Every typed character of the user name is shown in upper case.
    connect(username_, &QLineEdit::textEdited, this, [this](const QString& t) {
        const int pos = username_->cursorPosition();
        username_->setText(t.toUpper());
        username_->setCursorPosition(pos);
    });
    senha_ = NovoCampoTexto(this, QStringLiteral("txtSenha"), 20);
    senha_->setEchoMode(QLineEdit::Password);
    grupo_ = new QComboBox(this);
    grupo_->setObjectName(QStringLiteral("cmbGrupo"));
    grupo_->setMinimumContentsLength(24);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Código:"), codigo_);
    campos->addRow(QStringLiteral("&Nome:"), nome_);
    campos->addRow(QStringLiteral("&Identificação do Usuário:"), username_);
    campos->addRow(QStringLiteral("&Senha:"), senha_);
    campos->addRow(QStringLiteral("&Grupo:"), grupo_);

    const BotoesEditor botoes = NovosBotoesEditor(this);
    alteraSenha_ = NovoBotao(this, QStringLiteral("cmdAlterarSenha"), QStringLiteral("&Alterar Senha"));
    botoes.linha->insertWidget(3, alteraSenha_);
    excluir_ = botoes.excluir;
    connect(botoes.novo, &QPushButton::clicked, this, &FrmUsuarios::novo);
    connect(botoes.gravar, &QPushButton::clicked, this, &FrmUsuarios::grava);
    connect(excluir_, &QPushButton::clicked, this, &FrmUsuarios::exclui);
    connect(alteraSenha_, &QPushButton::clicked, this, &FrmUsuarios::alteraSenha);
    connect(botoes.fechar, &QPushButton::clicked, this, &FrmUsuarios::fecha);

    auto* direita = new QVBoxLayout;
    direita->addLayout(campos);
    direita->addStretch();
    auto* meio = new QHBoxLayout;
    meio->addWidget(grade_, 1);
    meio->addLayout(direita, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(meio);
    layout->addLayout(botoes.linha);
    resize(760, 320);

    connect(grade_, &QTableWidget::currentCellChanged, this, [this](int linha) { mostraUsuario(linha); });

    carregaGrupos();
    carregaUsuarios();
    novo();
}

void FrmUsuarios::carregaGrupos(bool avisaFalha)
{
    const QVariant escolhido = grupo_->currentData();
    QList<Grupo> grupos;
    try {
        grupos = ListaGrupos(ctx_.BancoOrgao);
    } catch (const ErroBanco& e) {
        if (!avisaFalha)
            return;
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao carregar os grupos de usuários."), e.falha());
    }
    grupo_->clear();
    for (const Grupo& g : grupos)
        grupo_->addItem(g.descricao, g.codigo);
    grupo_->setCurrentIndex(escolhido.isValid() ? grupo_->findData(escolhido) : -1);
}

// Groups may have been created or renamed in the groups editor meanwhile: the list is read
// again whenever this editor comes to the front. A failure then keeps the list as it is,
// untold: the box would bring the editor to the front again, and the failure with it.
void FrmUsuarios::releGrupos() { carregaGrupos(false); }

bool FrmUsuarios::event(QEvent* evento)
{
    // In front as a window of its own, or as a child window of the main window.
    if (evento->type() == QEvent::WindowActivate) {
        releGrupos();
    } else if (evento->type() == QEvent::ParentChange) {
        if (auto* janela = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(janela, &QMdiSubWindow::aboutToActivate, this, &FrmUsuarios::releGrupos, Qt::UniqueConnection);
    }
    return QWidget::event(evento);
}

void FrmUsuarios::carregaUsuarios(const QString& selecionar)
{
    try {
        usuarios_ = ListaUsuarios(ctx_.BancoOrgao);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao carregar os usuários."), e.falha());
        usuarios_.clear();
    }
    QList<QStringList> linhas;
    for (const Usuario& u : usuarios_)
        linhas.push_back({u.codigo, u.nome, u.username});
    const int escolhida = PreencheGradeLista(grade_, linhas, selecionar);
    if (escolhida >= 0)
        mostraUsuario(escolhida);
}

void FrmUsuarios::mostraUsuario(int linha)
{
    if (linha < 0 || linha >= usuarios_.size())
        return;
    const Usuario& u = usuarios_[linha];
    codigo_->setText(u.codigo);
    nome_->setText(u.nome);
    username_->setText(u.username);
    senha_->setText(SenhaOculta);
    senha_->setReadOnly(true);
    grupo_->setCurrentIndex(grupo_->findData(u.codigoGrupo));
    excluir_->setEnabled(true);
    alteraSenha_->setEnabled(true);
}

void FrmUsuarios::novo()
{
    {
        const QSignalBlocker bloqueio(grade_);
        grade_->clearSelection();
        grade_->setCurrentCell(-1, 0);
    }
    for (QLineEdit* c : {codigo_, nome_, username_, senha_})
        c->clear();
    senha_->setReadOnly(false);
    grupo_->setCurrentIndex(-1);
    excluir_->setEnabled(false);
    alteraSenha_->setEnabled(false);
    nome_->setFocus();
}

void FrmUsuarios::grava()
{
    const GravacaoUsuario r = GravaUsuario(
        ctx_, {codigo_->text(), nome_->text(), username_->text(), senha_->text(), grupo_->currentData().toString()});
    if (r.gravado)
        carregaUsuarios(r.codigo);
    else
        focaCampo(r.campo);
}

void FrmUsuarios::focaCampo(CampoUsuario campo)
{
    switch (campo) {
    case CampoUsuario::Nome: nome_->setFocus(); break;
    case CampoUsuario::Username: username_->setFocus(); break;
    case CampoUsuario::Senha: (senha_->isReadOnly() ? static_cast<QWidget*>(alteraSenha_) : senha_)->setFocus(); break;
    case CampoUsuario::Grupo: grupo_->setFocus(); break;
    case CampoUsuario::Nenhum: break;
    }
}

void FrmUsuarios::exclui()
{
    if (ExcluiUsuario(ctx_, codigo_->text(), nome_->text())) {
        carregaUsuarios();
        novo();
    }
}

void FrmUsuarios::alteraSenha()
{
    if (codigo_->text().isEmpty())
        return;
    auto* dialogo = new FrmAlteraSenha(ctx_, codigo_->text(), username_->text(), this);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialogo, &QDialog::accepted, this, [this, dialogo] { senha_->setText(dialogo->novaSenha()); });
    dialogo->open();
}

void FrmUsuarios::fecha()
{
    FechaTela(this);
}

void FrmUsuarios::keyPressEvent(QKeyEvent* evento)
{
    if (!EnterAvancaCampo(this, evento))
        QWidget::keyPressEvent(evento);
}
