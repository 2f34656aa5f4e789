#include "ui/core/JanelaPrincipal.h"
#include "admin/Configuracao.h"
#include "core/Contexto.h"
#include "core/Inicio.h"
#include "core/Seguranca.h"
#include "ui/Telas.h"
#include "ui/admin/FrmBackup.h"
#include "ui/core/FrmAnexosdoBim.h"
#include "ui/core/FrmIdentify.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QUrl>

JanelaPrincipal::JanelaPrincipal(Contexto& ctx, QWidget* pai) : QMainWindow(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    area_ = new QMdiArea(this);
    area_->setBackground(QColor(96, 120, 144));
    setCentralWidget(area_);
    painelPasta_ = new QLabel(this);
    painelUsuario_ = new QLabel(this);
    statusBar()->addWidget(painelPasta_, 3);
    statusBar()->addWidget(painelUsuario_, 1);
    RegistraTodasAsTelas();
    montaMenus();
    atualizaTitulo();
    resize(1100, 720);
}

JanelaPrincipal::~JanelaPrincipal()
{
    // Child screens go first, while the menus they re-apply on closing still exist.
    encerrando_ = true;
    qDeleteAll(area_->subWindowList());
}

void JanelaPrincipal::montaMenus()
{
    for (const ItemMenu& item : ArvoreMenus()) {
        if (item.separadorAntes) {
            if (QMenu* pai = menus_.value(item.pai))
                pai->addSeparator();
        }
        if (item.submenu) {
            QMenu* m = item.pai.isEmpty() ? menuBar()->addMenu(item.legenda) : menus_.value(item.pai)->addMenu(item.legenda);
            m->setObjectName(item.id);
            menus_.insert(item.id, m);
            acoes_.insert(item.id, m->menuAction());
            continue;
        }
        QAction* a = menus_.value(item.pai)->addAction(item.legenda);
        a->setObjectName(item.id);
        const QString id = item.id;
        connect(a, &QAction::triggered, this, [this, id] { executa(id); });
        acoes_.insert(item.id, a);
    }
}

void JanelaPrincipal::executa(const QString& id)
{
    const ItemMenu* item = ItemDoMenu(id);
    if (!item)
        return;
    try {
        for (const QString& p : item->permissoes)
            if (!VerificaPermissao(ctx_, p))
                return;
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao verificar a permissão."), e.falha());
        return;
    }
    if (id == QStringLiteral("arquivo.sair")) {
        close();
    } else if (id == QStringLiteral("arquivo.logoff")) {
        efetuaLogoff();
    } else if (id == QStringLiteral("ajuda.anexos")) {
        mostraAnexosDoBimestre();
        reaplicaMenus();
    } else if (id == QStringLiteral("ajuda.manual")) {
        abreManual();
    } else if (id == QStringLiteral("ajuda.sobre")) {
        sobre();
    } else if (const FabricaTela* fabrica = TelaDoMenu(id)) {
        if (QWidget* tela = (*fabrica)(ctx_, *this))
            abreJanela(tela);
        else if (isVisible() && ctx_.BancoOrgao.aberto())
            reaplicaMenus(); // a modal screen has already closed (and may have ended the program)
    } else {
        MostraAviso(ctx_.interacao(), MensagemTelaIndisponivel(*item));
    }
}

void JanelaPrincipal::abreJanela(QWidget* tela)
{
    tela->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = area_->addSubWindow(tela);
    // A screen may change the open period or the body's kind: the menus follow when it closes.
    connect(sub, &QObject::destroyed, this, [this] {
        if (!encerrando_)
            reaplicaMenus();
    });
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    tela->setFocus();
}

void JanelaPrincipal::encerra()
{
    confirmaSaida_ = false;
    close();
    QCoreApplication::quit();
}

bool JanelaPrincipal::fechaJanelasFilhas()
{
    // A screen refuses to close while it holds a row it cannot store; the others close.
    for (QMdiSubWindow* sub : area_->subWindowList())
        sub->close();
    return area_->subWindowList().isEmpty();
}

void JanelaPrincipal::efetuaLogoff()
{
    // The screens of the user who leaves close first; one that keeps a pending row keeps the user.
    if (!fechaJanelasFilhas())
        return;
    // Cancelling the sign-in ends the program, as it does at start-up.
    if (!identifica())
        encerra();
}

bool JanelaPrincipal::identifica()
{
    FrmIdentify login(ctx_, this);
    if (login.exec() != QDialog::Accepted)
        return false;
    painelUsuario_->setText(QStringLiteral("Usuário: ") + ctx_.UsuarioAtual);
    painelPasta_->setText(QDir::toNativeSeparators(ctx_.pastaPrograma));
    mostraAnexosDoBimestre();
    reaplicaMenus(true);
    return true;
}

bool JanelaPrincipal::inicia()
{
    if (!identifica())
        return false;
    // A body whose configuration was never saved starts on the configuration screen.
    if (ConfiguracaoPendente(ctx_)) {
        executa(QStringLiteral("arquivo.configuracao"));
        // Removing the body there closed the window: the program ends before its loop starts.
        if (!isVisible())
            return false;
    }
    // The tutorial topics (help screens) are opened from the tools menu; nothing else here.
    return true;
}

void JanelaPrincipal::mostraAnexosDoBimestre()
{
    FrmAnexosdoBim anexos(ctx_, this);
    anexos.exec();
    atualizaTitulo();
}

void JanelaPrincipal::reaplicaMenus(bool aposLogin)
{
    try {
        CalculaAnexosDoBimestre(ctx_);
        AplicaMenuAnexos(ctx_, estado_, aposLogin);
        SincronizaMenus(estado_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar habilitar os menus."), e.falha());
    }
    for (const ItemMenu& item : ArvoreMenus())
        if (QAction* a = acoes_.value(item.id))
            a->setEnabled(ItemHabilitado(item, estado_));
    atualizaTitulo();
}

QString JanelaPrincipal::textoStatus(int painel) const
{
    return painel == 1 ? painelPasta_->text() : painelUsuario_->text();
}

void JanelaPrincipal::atualizaTitulo() { setWindowTitle(TituloJanela(ctx_)); }

void JanelaPrincipal::changeEvent(QEvent* evento)
{
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        atualizaTitulo();
    QMainWindow::changeEvent(evento);
}

void JanelaPrincipal::closeEvent(QCloseEvent* evento)
{
    if (confirmaSaida_ && !ctx_.interacao().pergunta(QStringLiteral("Sair"), QStringLiteral("Deseja realmente sair do programa ?"))) {
        evento->ignore();
        return;
    }
    if (!fechaJanelasFilhas() && confirmaSaida_) {
        evento->ignore();
        return;
    }
    // The backup offer: on Yes the backup screen runs in exit mode and ends the program when
    // done; leaving it without a backup keeps the program open.
    bool querBackup = false;
    try {
        querBackup = confirmaSaida_ && QuerBackup(ctx_);
    } catch (const ErroBanco&) {
        querBackup = false;
    }
    if (querBackup) {
        FrmDlgBackup pergunta(ctx_, this);
        if (pergunta.exec() == QDialog::Accepted) {
            evento->ignore();
            FrmBackup backup(ctx_, true, this);
            backup.exec();
            return;
        }
    }
    evento->accept();
}

void JanelaPrincipal::abreManual()
{
    const QString manual = QDir(ctx_.pastaPrograma).filePath(QStringLiteral("Manuais/Manual Lumo 2012.doc"));
    if (ArquivoExiste(manual))
        QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}

void JanelaPrincipal::sobre()
{
    QMessageBox::about(this, QStringLiteral("Sobre o Lumo Coleta 2012"),
                       QStringLiteral("<b>Lumo Coleta 2012</b><br>Versão ") + VersaoPrograma()
                           + QStringLiteral("<br><br>Coleta dos dados da execução orçamentária e dos atos de gestão "
                                            "enviados bimestralmente ao Vantor."));
}
