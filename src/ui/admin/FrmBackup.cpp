#include "ui/admin/FrmBackup.h"
#include "admin/Backup.h"
#include "core/Contexto.h"
#include "ui/core/Campos.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString FiltroBackup = QStringLiteral("Backup do Lumo (*.lrf)|*.lrf|");
} // namespace

FrmBackup::FrmBackup(Contexto& ctx, bool modoSaida, QWidget* pai) : QDialog(pai), ctx_(ctx), modoSaida_(modoSaida)
{
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(QStringLiteral("Cópia de Segurança (Backup)"));
    destino_ = new QLineEdit(this);
    destino_->setObjectName(QStringLiteral("txtDestino"));
    destino_->setReadOnly(true);
    situacao_ = new QLabel(QStringLiteral("Escolha onde gravar a cópia de segurança."), this);
    situacao_->setObjectName(QStringLiteral("lblStatus"));
    situacao_->setWordWrap(true);
    QPushButton* escolher = NovoBotao(this, QStringLiteral("cmdDestino"), QStringLiteral("&Gravar Backup em..."));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    connect(escolher, &QPushButton::clicked, this, &FrmBackup::escolhe);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    auto* linha = new QHBoxLayout;
    linha->addWidget(new QLabel(QStringLiteral("Destino:"), this));
    linha->addWidget(destino_, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(escolher);
    botoes->addStretch();
    botoes->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(linha);
    layout->addWidget(situacao_);
    layout->addStretch();
    layout->addLayout(botoes);
    resize(560, 170);
}

QString FrmBackup::situacao() const { return situacao_->text(); }

void FrmBackup::escolhe()
{
    const QString arquivo = ctx_.interacao().escolheArquivo(QStringLiteral("Salvar Backup"), FiltroBackup,
                                                            InicioDialogoBackup(ctx_, false), true);
    if (arquivo.isEmpty())
        return;
    GuardaPastaBackup(ctx_, arquivo);
    executa(arquivo);
}

bool FrmBackup::executa(const QString& arquivo)
{
    if (!NomeBackupValido(ctx_.interacao(), arquivo))
        return false;
    destino_->setText(QDir::toNativeSeparators(QFileInfo(arquivo).absolutePath()));
    const bool ok = FazBackup(ctx_, arquivo, [this](const QString& t) {
        situacao_->setText(t);
        QApplication::processEvents();
    });
    if (ok) {
        accept();
        if (modoSaida_)
            QApplication::exit(0);
    }
    return ok;
}

FrmDlgBackup::FrmDlgBackup(Contexto& ctx, QWidget* pai) : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmDlgBackup"));
    setWindowTitle(TituloPrograma);
    auto* texto = new QLabel(QString(TextoPerguntaBackup).replace(u'\r', u'\n'), this);
    texto->setWordWrap(true);
    naoPerguntar_ = new QCheckBox(QStringLiteral("Não fazer esta pergunta novamente."), this);
    naoPerguntar_->setObjectName(QStringLiteral("chkNaoPerguntar"));
    QPushButton* sim = NovoBotao(this, QStringLiteral("cmdSim"), QStringLiteral("&Sim"));
    QPushButton* nao = NovoBotao(this, QStringLiteral("cmdNao"), QStringLiteral("&Não"));
    sim->setDefault(true);
    connect(sim, &QPushButton::clicked, this, [this] { responde(true); });
    connect(nao, &QPushButton::clicked, this, [this] { responde(false); });
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(sim);
    botoes->addWidget(nao);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texto);
    layout->addWidget(naoPerguntar_);
    layout->addLayout(botoes);
    setMinimumWidth(460);
}

void FrmDlgBackup::responde(bool sim)
{
    if (naoPerguntar_->isChecked())
        DesligaPerguntaBackup(ctx_);
    done(sim ? QDialog::Accepted : QDialog::Rejected);
}

FrmRestauracao::FrmRestauracao(Contexto& ctx, QWidget* pai) : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmRestauracao"));
    setWindowTitle(QStringLiteral("Restauração de Backup"));
    situacao_ = new QLabel(QStringLiteral("Escolha o arquivo BackupLumo.lrf a restaurar. O banco de dados atual será substituído."), this);
    situacao_->setObjectName(QStringLiteral("lblStatus"));
    situacao_->setWordWrap(true);
    QPushButton* escolher = NovoBotao(this, QStringLiteral("cmdArquivo"), QStringLiteral("&Restaurar de..."));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    connect(escolher, &QPushButton::clicked, this, &FrmRestauracao::escolhe);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(escolher);
    botoes->addStretch();
    botoes->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(situacao_);
    layout->addStretch();
    layout->addLayout(botoes);
    resize(520, 150);
}

void FrmRestauracao::escolhe()
{
    const QString arquivo = ctx_.interacao().escolheArquivo(QStringLiteral("Restaurar Backup"), FiltroBackup,
                                                            InicioDialogoBackup(ctx_, true), false);
    if (arquivo.isEmpty())
        return;
    GuardaPastaBackup(ctx_, arquivo);
    executa(arquivo);
}

bool FrmRestauracao::executa(const QString& arquivo)
{
    const bool ok = RestauraBackup(ctx_, arquivo, [this](const QString& t) {
        situacao_->setText(t);
        QApplication::processEvents();
    });
    if (ok)
        accept();
    return ok;
}
