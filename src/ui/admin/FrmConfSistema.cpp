#include "ui/admin/FrmConfSistema.h"
#include "core/Contexto.h"
#include "ui/admin/FrmComprovante.h"
#include "ui/core/Campos.h"
#include "ui/core/Formulario.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

FrmConfSistema::FrmConfSistema(Contexto& ctx, QWidget* pai) : QDialog(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmConfSistema"));
    try {
        cfg_ = LeConfiguracao(ctx);
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar carregar formulário."), e.falha());
        cfg_.codigoOrgao = ctx.CodigoOrgao;
    }
    setWindowTitle(TituloConfiguracao(cfg_.periodo));

    abas_ = new QTabWidget(this);
    abas_->setObjectName(QStringLiteral("tabConfiguracao"));
    abas_->addTab(montaAba(0, FichaOrgao()), FichaOrgao().aba);
    for (size_t i = 0; i < FichasResponsaveis().size(); ++i)
        abas_->addTab(montaAba(int(i) + 1, FichasResponsaveis()[i]), FichasResponsaveis()[i].aba);
    abas_->addTab(montaAbaComprovantes(), QStringLiteral("Comprovantes RREO e RGF"));

    backup_ = new QCheckBox(QStringLiteral("Ao sair do Lumo perguntar se Backup deve ser feito"), this);
    backup_->setObjectName(QStringLiteral("chkBackup"));
    integrado_ = new QCheckBox(QStringLiteral("Órgão integrado à validação de notas fiscais da Secretaria de Fazenda"), this);
    integrado_->setObjectName(QStringLiteral("chkIntegradoSet"));

    QPushButton* importar = NovoBotao(this, QStringLiteral("cmdImportar"), QStringLiteral("&Importar dados de configuração do Lumo 2010"));
    QPushButton* aplicar = NovoBotao(this, QStringLiteral("cmdAplicar"), QStringLiteral("&Aplicar"));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    connect(importar, &QPushButton::clicked, this, &FrmConfSistema::importaConfiguracao);
    connect(aplicar, &QPushButton::clicked, this, &FrmConfSistema::grava);
    connect(fechar, &QPushButton::clicked, this, &QDialog::close);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(importar);
    botoes->addStretch();
    botoes->addWidget(aplicar);
    botoes->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(abas_);
    layout->addWidget(backup_);
    layout->addWidget(integrado_);
    layout->addLayout(botoes);
    // Every tab caption in view.
    setMinimumWidth(abas_->tabBar()->sizeHint().width() + 40);
    mostra();
}

QWidget* FrmConfSistema::montaAba(int aba, const Ficha& ficha)
{
    auto* pagina = new Formulario(&ctx_.interacao(), ficha.campos, this);
    fichas_[size_t(aba)] = pagina;
    if (aba == 0) {
        codigo_ = new QLabel(pagina);
        codigo_->setObjectName(QStringLiteral("lblCodigo"));
        descricao_ = new QLabel(pagina);
        descricao_->setObjectName(QStringLiteral("lblDescricao"));
        pagina->grade()->insertRow(0, QStringLiteral("Código:"), codigo_);
        pagina->grade()->insertRow(1, QStringLiteral("Órgão:"), descricao_);
    }
    return pagina;
}

QLineEdit* FrmConfSistema::campo(int aba, const QString& coluna) const { return fichas_[size_t(aba)]->campoTexto(coluna); }

QWidget* FrmConfSistema::montaAbaComprovantes()
{
    auto* pagina = new QWidget(this);
    auto* layout = new QVBoxLayout(pagina);
    avisoComprovantes_ = new QLabel(AvisoComprovanteSemPreenchimento, pagina);
    avisoComprovantes_->setObjectName(QStringLiteral("lblAvisoComprovantes"));
    avisoComprovantes_->setWordWrap(true);
    rreo_ = new SeletorComprovante(ctx_, QStringLiteral("RREO"), ExtensoesComprovante, pagina);
    rgf_ = new SeletorComprovante(ctx_, QStringLiteral("RGF"), ExtensoesComprovante, pagina);
    auto* formulario = new QFormLayout;
    formulario->addRow(QStringLiteral("Comprovante de publicação do RREO:"), rreo_);
    formulario->addRow(QStringLiteral("Comprovante de publicação do RGF:"), rgf_);
    layout->addWidget(avisoComprovantes_);
    layout->addLayout(formulario);
    layout->addStretch();
    return pagina;
}

void FrmConfSistema::mostra()
{
    codigo_->setText(cfg_.codigoOrgao);
    descricao_->setText(cfg_.descricao);
    fichas_[0]->preenche(cfg_.orgao);
    for (size_t i = 0; i < cfg_.responsaveis.size(); ++i)
        fichas_[i + 1]->preenche(cfg_.responsaveis[i]);
    backup_->setChecked(cfg_.backup);
    integrado_->setChecked(cfg_.integradoSet);
    // The proofs hang on the saved row of the person responsible for filling in.
    avisoComprovantes_->setVisible(!cfg_.temPreenchimento);
    rreo_->setEnabled(cfg_.temPreenchimento);
    rgf_->setEnabled(cfg_.temPreenchimento);
    rreo_->define(cfg_.rreo);
    rgf_->define(cfg_.rgf);
}

void FrmConfSistema::recolhe()
{
    cfg_.orgao.insert(fichas_[0]->le());
    for (size_t i = 0; i < cfg_.responsaveis.size(); ++i)
        cfg_.responsaveis[i].insert(fichas_[i + 1]->le());
    cfg_.backup = backup_->isChecked();
    cfg_.integradoSet = integrado_->isChecked();
    cfg_.rreo = rreo_->comprovante();
    cfg_.rgf = rgf_->comprovante();
}

void FrmConfSistema::grava()
{
    recolhe();
    switch (GravaConfiguracao(ctx_, cfg_, &importar_)) {
    case Gravacao::Recusada:
        if (const auto recusa = ValidaConfiguracao(cfg_)) {
            abas_->setCurrentIndex(recusa->aba);
            fichas_[size_t(recusa->aba)]->foca(recusa->coluna);
        }
        break;
    case Gravacao::Gravada:
        mostra();
        if (importar_)
            accept();
        break;
    case Gravacao::Falhou:
        break;
    }
}

void FrmConfSistema::importaConfiguracao()
{
    if (!ImportaConfiguracaoAnterior(ctx_, codigo_->text()))
        return;
    try {
        cfg_ = LeConfiguracao(ctx_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar formulário."), e.falha());
    }
    mostra();
}

void FrmConfSistema::closeEvent(QCloseEvent* evento)
{
    recolhe();
    switch (FechaConfiguracao(ctx_, cfg_)) {
    case Fechamento::Continua:
        evento->ignore();
        return;
    case Fechamento::OrgaoExcluido:
        excluido_ = true;
        break;
    case Fechamento::Fecha:
        break;
    }
    evento->accept();
    QDialog::reject();
}

// Escape goes through the same closing questions as the close button.
void FrmConfSistema::reject() { close(); }
