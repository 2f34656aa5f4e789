#include "ui/registers/FrmValidaNotaFiscal.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "registers/NotaFiscal.h"
#include "ui/core/Campos.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString ValorVazio = QStringLiteral("0,00");

// The invoice's value: money keys, shown "#,##0.00", and never empty: nothing typed is 0,00.
class CampoValorNota : public CampoValor {
public:
    using CampoValor::CampoValor;
    void normaliza() override
    {
        CampoValor::normaliza();
        if (text().isEmpty())
            setText(ValorVazio);
    }
};

// The issuer's CNPJ: the integer keys but the minus sign (digits only), at most 14.
class CampoCnpj : public CampoTexto {
public:
    explicit CampoCnpj(QWidget* pai) : CampoTexto(pai) { setMaxLength(14); }

protected:
    ResultadoTecla filtra(QChar tecla) override
    {
        const QChar k = FiltraTeclaInteiro(tecla);
        return {k == u'-' ? QChar() : k};
    }
};

QLabel* NovoResultado(QWidget* pai, const char* nome, const QString& texto, const char* cor)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; }").arg(QString::fromLatin1(cor)));
    l->hide();
    return l;
}

} // namespace

FrmValidaNotaFiscal::FrmValidaNotaFiscal(Contexto& ctx, QWidget* pai)
    : QWidget(pai), ctx_(ctx), validador_(std::make_unique<ValidadorNotaFiscal>())
{
    setObjectName(QStringLiteral("frmValidaNotaFiscal"));
    setWindowTitle(QStringLiteral("Validar código autenticador da nota fiscal"));

    numero_ = NovoCampoTexto(this, QStringLiteral("txtnumeronf"), 20);
    serie_ = NovoCampoTexto(this, QStringLiteral("txtserienf"), 20);
    emissao_ = new QLineEdit(this);
    emissao_->setObjectName(QStringLiteral("txtdataemissaonf"));
    emissao_->setInputMask(QStringLiteral("00/00/0000;_"));
    valor_ = new CampoValorNota(this);
    valor_->setObjectName(QStringLiteral("txtvalornf"));
    valor_->setText(ValorVazio);
    cnpj_ = new CampoCnpj(this);
    cnpj_->setObjectName(QStringLiteral("txtcnpjemitentenf"));
    codigo_ = NovoCampoTexto(this, QStringLiteral("txtcodigovalidacaonf"), 100);
    for (QLineEdit* c : {static_cast<QLineEdit*>(numero_), static_cast<QLineEdit*>(serie_), emissao_,
                         static_cast<QLineEdit*>(valor_), static_cast<QLineEdit*>(cnpj_), static_cast<QLineEdit*>(codigo_)})
        c->installEventFilter(this);
    for (QLineEdit* c : {static_cast<QLineEdit*>(numero_), static_cast<QLineEdit*>(serie_), emissao_,
                         static_cast<QLineEdit*>(valor_), static_cast<QLineEdit*>(cnpj_)})
        c->setMaximumWidth(180);
    cnpj_->setMinimumWidth(QFontMetrics(cnpj_->font()).horizontalAdvance(QString(17, u'0')));
    codigo_->setMinimumWidth(QFontMetrics(codigo_->font()).horizontalAdvance(QString(48, u'0')));

    auto* linhaCnpj = new QHBoxLayout;
    linhaCnpj->addWidget(cnpj_);
    auto* dica = new QLabel(QStringLiteral("(Apenas Números. Ex:12978037000178)"), this);
    dica->setObjectName(QStringLiteral("lblDicaCnpj"));
    linhaCnpj->addWidget(dica);
    linhaCnpj->addStretch();

    // Alt + the underlined letter of a caption goes to its field.
    auto* rotuloCnpj = new QLabel(QStringLiteral("&CNPJ do Emitente:"), this);
    rotuloCnpj->setBuddy(cnpj_);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Número da Nota Fiscal:"), numero_);
    form->addRow(QStringLiteral("&Série:"), serie_);
    form->addRow(QStringLiteral("&Data de Emissão:"), emissao_);
    form->addRow(QStringLiteral("Valor &Total:"), valor_);
    form->addRow(rotuloCnpj, linhaCnpj);
    form->addRow(QStringLiteral("Código &Autenticador:"), codigo_);

    certo_ = NovoResultado(this, "lblCerto", QStringLiteral("Código validado com sucesso"), "#006400");
    errado_ = NovoResultado(this, "lblErrado", QStringLiteral("Código não é válido"), "#b00000");
    // Why the code is not valid, or what could not be checked.
    detalhe_ = new QLabel(this);
    detalhe_->setObjectName(QStringLiteral("lblDetalhe"));
    detalhe_->setWordWrap(true);
    detalhe_->hide();

    QPushButton* validar = NovoBotao(this, QStringLiteral("cmdValidar"), QStringLiteral("&Validar"));
    QPushButton* limpar = NovoBotao(this, QStringLiteral("cmdlimpar"), QStringLiteral("&Limpar"));
    QPushButton* sair = NovoBotao(this, QStringLiteral("cmdSair"), QStringLiteral("Sai&r"));
    connect(validar, &QPushButton::clicked, this, &FrmValidaNotaFiscal::valida);
    connect(limpar, &QPushButton::clicked, this, &FrmValidaNotaFiscal::limpa);
    connect(sair, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(validar);
    botoes->addWidget(limpar);
    botoes->addStretch();
    botoes->addWidget(sair);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(certo_);
    layout->addWidget(errado_);
    layout->addWidget(detalhe_);
    layout->addStretch();
    layout->addLayout(botoes);

    const QList<QWidget*> ordem{numero_, serie_, emissao_, valor_, cnpj_, codigo_, validar, limpar, sair};
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
    numero_->setFocus();
}

FrmValidaNotaFiscal::~FrmValidaNotaFiscal() = default;

void FrmValidaNotaFiscal::escondeResultado()
{
    certo_->hide();
    errado_->hide();
    detalhe_->hide();
}

bool FrmValidaNotaFiscal::eventFilter(QObject* alvo, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::FocusIn:
        escondeResultado();
        if (alvo == emissao_)
            QTimer::singleShot(0, emissao_, [this] {
                if (emissao_->hasFocus())
                    emissao_->selectAll();
            });
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(evento)->reason() == Qt::PopupFocusReason)
            break;
        if (alvo == cnpj_)
            ConfereCnpjEmitente(ctx_.interacao(), cnpj_->text());
        else if (alvo == emissao_)
            ConfereDataEmissao(ctx_.interacao(), emissao_->displayText());
        else if (alvo == serie_)
            ConfereSerieNotaFiscal(ctx_.interacao(), serie_->text());
        break;
    case QEvent::KeyPress:
        // The masked date is no field of ours: Enter moves on there as in the others.
        if (alvo == emissao_ && EnterAvancaCampo(this, static_cast<QKeyEvent*>(evento)))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(alvo, evento);
}

void FrmValidaNotaFiscal::valida()
{
    escondeResultado();
    const NotaFiscal nota{numero_->text(), serie_->text(), emissao_->displayText(),
                          ValorDeTexto(valor_->text()), cnpj_->text(), codigo_->text()};
    const std::optional<ResultadoNotaFiscal> r = ValidaNotaFiscal(ctx_.interacao(), *validador_, nota);
    if (!r)
        return;
    (r->valida ? certo_ : errado_)->show();
    const QStringList detalhe = r->motivos + r->naoVerificados;
    detalhe_->setText(detalhe.join(u'\n'));
    detalhe_->setVisible(!detalhe.isEmpty());
}

void FrmValidaNotaFiscal::limpa()
{
    for (QLineEdit* c : {static_cast<QLineEdit*>(numero_), static_cast<QLineEdit*>(serie_), emissao_,
                         static_cast<QLineEdit*>(cnpj_), static_cast<QLineEdit*>(codigo_)})
        c->clear();
    valor_->setText(ValorVazio);
    escondeResultado();
    numero_->setFocus();
}
