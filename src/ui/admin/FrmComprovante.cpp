#include "ui/admin/FrmComprovante.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "ui/core/Campos.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

SeletorComprovante::SeletorComprovante(Contexto& ctx, const QString& nome, const QStringList& extensoes, QWidget* pai)
    : QWidget(pai), ctx_(ctx), extensoes_(extensoes)
{
    setObjectName(nome);
    caminho_ = new QLineEdit(this);
    caminho_->setObjectName(QStringLiteral("txtCaminho"));
    caminho_->setReadOnly(true);
    caminho_->setMinimumWidth(320);
    botao_ = new QToolButton(this);
    botao_->setObjectName(QStringLiteral("cmdProcurar"));
    botao_->setText(QStringLiteral("..."));
    botao_->setToolTip(QStringLiteral("Selecionar o arquivo"));
    connect(botao_, &QToolButton::clicked, this, &SeletorComprovante::escolhe);
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->addWidget(caminho_, 1);
    linha->addWidget(botao_);
}

void SeletorComprovante::define(const Comprovante& c)
{
    comprovante_ = c;
    caminho_->setText(c.caminho);
}

void SeletorComprovante::escolhe()
{
    QStringList padroes;
    for (const QString& e : extensoes_)
        padroes << QStringLiteral("*.") + e;
    const QString arquivo = ctx_.interacao().escolheArquivo(QStringLiteral("Selecionar Comprovante"),
                                                            QStringLiteral("Comprovante (%1)").arg(padroes.join(u' ')),
                                                            QDir::rootPath(), false);
    if (arquivo.isEmpty())
        return;
    if (const auto c = LeComprovante(ctx_.interacao(), arquivo, extensoes_)) {
        define(*c);
        Q_EMIT escolhido();
    }
}

FrmComprovante::FrmComprovante(Contexto& ctx, QWidget* pai) : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmComprovante"));
    setWindowTitle(QStringLiteral("Envio do comprovante do envio de RREO E RGF"));
    rreo_ = new SeletorComprovante(ctx, QStringLiteral("RREO"), ExtensoesSoPdf, this);
    rgf_ = new SeletorComprovante(ctx, QStringLiteral("RGF"), ExtensoesComprovante, this);
    try {
        comprovantes_ = LeComprovantes(ctx);
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar carregar formulário."), e.falha());
    }
    rreo_->define(comprovantes_.rreo);
    rgf_->define(comprovantes_.rgf);

    auto* formulario = new QFormLayout;
    formulario->addRow(QStringLiteral("Comprovante de publicação do RREO (PDF):"), rreo_);
    formulario->addRow(QStringLiteral("Comprovante de publicação do RGF (DOC, PDF, JPG, JPEG):"), rgf_);
    QPushButton* gravar = NovoBotao(this, QStringLiteral("cmdGravar"), QStringLiteral("&Gravar"));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    connect(gravar, &QPushButton::clicked, this, &FrmComprovante::grava);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(gravar);
    botoes->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Bimestre de referência: ") + PeriodoFormatado(comprovantes_.periodo), this));
    layout->addLayout(formulario);
    layout->addStretch();
    layout->addLayout(botoes);
}

void FrmComprovante::grava()
{
    comprovantes_.rreo = rreo_->comprovante();
    comprovantes_.rgf = rgf_->comprovante();
    if (GravaComprovantes(ctx_, comprovantes_)) {
        // What is stored is not stored again by a second click.
        comprovantes_.rreo.escolhido = comprovantes_.rgf.escolhido = false;
        rreo_->define(comprovantes_.rreo);
        rgf_->define(comprovantes_.rgf);
    }
}
