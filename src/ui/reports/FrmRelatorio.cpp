#include "ui/reports/FrmRelatorio.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "reports/Relatorios.h"
#include "ui/core/Campos.h"
#include "ui/reports/Relatorio.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString PrefixoTitulo = QStringLiteral("Relatório - ");

QRadioButton* opcao(QWidget* pai, const char* nome, const QString& texto)
{
    auto* b = new QRadioButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

// A file name out of the entry: "Anexo 14 (Pagamentos)" -> "Anexo_14_Pagamentos_032012".
QString nomeSugerido(const QString& entrada, const QString& periodoTela)
{
    QString n = entrada;
    n.replace(QRegularExpression(QStringLiteral("[^\\w]+")), QStringLiteral("_"));
    while (n.endsWith(u'_'))
        n.chop(1);
    return n + u'_' + periodoTela;
}

} // namespace

FrmRelatorio::FrmRelatorio(Contexto& ctx, const EntradaRelatorio& entrada, QWidget* pai)
    : QWidget(pai), ctx_(ctx), entrada_(entrada)
{
    setObjectName(QStringLiteral("frmRelatorio"));
    setWindowTitle(PrefixoTitulo + entrada.nome);

    periodo_ = new QLineEdit(this);
    periodo_->setObjectName(QStringLiteral("txtBimReferencia"));
    periodo_->setInputMask(QStringLiteral("99/9999;_"));
    if (ctx.BimReferencia.size() == 6)
        periodo_->setText(PeriodoFormatado(ctx.BimReferencia));
    periodo_->setMaximumWidth(QFontMetrics(periodo_->font()).horizontalAdvance(QStringLiteral("000/00000")) + 16);

    auto* destino = new QGroupBox(QStringLiteral("Destino"), this);
    tela_ = opcao(destino, "opttela", QStringLiteral("&Tela"));
    impressora_ = opcao(destino, "optimpressora", QStringLiteral("&Impressora"));
    pdf_ = opcao(destino, "optpdf", QStringLiteral("Arquivo &PDF"));
    planilha_ = opcao(destino, "optplanilha", QStringLiteral("P&lanilha (XLSX ou CSV)"));
    tela_->setChecked(true);
    auto* grupoDestino = new QButtonGroup(this);
    auto* ld = new QVBoxLayout(destino);
    for (QRadioButton* b : {tela_, impressora_, pdf_, planilha_}) {
        grupoDestino->addButton(b);
        ld->addWidget(b);
    }

    copias_ = new QSpinBox(this);
    copias_->setObjectName(QStringLiteral("txtCopias"));
    copias_->setRange(1, 99);
    copias_->setValue(1);
    copias_->setEnabled(false);
    connect(impressora_, &QRadioButton::toggled, copias_, &QWidget::setEnabled);

    auto* form = new QFormLayout;
    auto* rotulo = new QLabel(QStringLiteral("&Bimestre Referência (bimestre/ano):"), this);
    rotulo->setBuddy(periodo_);
    form->addRow(rotulo, periodo_);
    auto* rotuloCopias = new QLabel(QStringLiteral("&Cópias:"), this);
    rotuloCopias->setBuddy(copias_);

    auto* opcoes = new QHBoxLayout;
    opcoes->addWidget(destino);
    if (entrada.escolha == EscolhaArquivo::Sintetico) {
        auto* modelo = new QGroupBox(QStringLiteral("Modelo do Relatório"), this);
        auto* analitico = opcao(modelo, "OptAnalitico", QStringLiteral("&Analítico"));
        sintetico_ = opcao(modelo, "OptSintetico", QStringLiteral("&Sintético"));
        analitico->setChecked(true);
        auto* lm = new QVBoxLayout(modelo);
        lm->addWidget(analitico);
        lm->addWidget(sintetico_);
        lm->addStretch();
        opcoes->addWidget(modelo);
    }

    auto* linhaCopias = new QHBoxLayout;
    linhaCopias->addWidget(rotuloCopias);
    linhaCopias->addWidget(copias_);
    linhaCopias->addStretch();

    QPushButton* okB = NovoBotao(this, QStringLiteral("cmdOk"), QStringLiteral("&Ok"));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    QPushButton* ajuda = NovoBotao(this, QStringLiteral("cmdAjuda"), QStringLiteral("A&juda"));
    connect(okB, &QPushButton::clicked, this, &FrmRelatorio::ok);
    connect(fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    connect(ajuda, &QPushButton::clicked, this, [this] {
        MostraAviso(ctx_.interacao(),
                    QStringLiteral("Informe o bimestre e o ano do relatório (por exemplo 03/2012) e escolha o destino: "
                                   "Tela mostra o relatório para conferir e imprimir; Impressora imprime o número de "
                                   "cópias informado; Arquivo PDF e Planilha gravam o relatório no arquivo que você "
                                   "escolher. Clique em Ok para emitir."));
    });
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(okB);
    botoes->addWidget(fechar);
    botoes->addWidget(ajuda);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(opcoes);
    layout->addLayout(linhaCopias);
    layout->addStretch();
    layout->addLayout(botoes);
    setTabOrder(periodo_, tela_);
    periodo_->setFocus();
}

QString FrmRelatorio::entrada() const { return windowTitle().mid(PrefixoTitulo.size()); }

void FrmRelatorio::ok()
{
    Interacao& ui = ctx_.interacao();
    const QString digitos = SomenteDigitos(periodo_->text());
    if (digitos.isEmpty()) {
        MostraAviso(ui, QStringLiteral("Informe o Bimestre Referência!"));
        periodo_->setFocus();
        return;
    }
    const QString periodo = PeriodoDeTela(digitos);
    DestinoRelatorio destino = DestinoRelatorio::Tela;
    QString arquivo;
    if (impressora_->isChecked())
        destino = DestinoRelatorio::Impressora;
    if (pdf_->isChecked() || planilha_->isChecked()) {
        const QString inicio = QDir(ctx_.pastaPrograma).filePath(nomeSugerido(entrada(), digitos)
                                                                 + (pdf_->isChecked() ? QStringLiteral(".pdf") : QStringLiteral(".xlsx")));
        arquivo = pdf_->isChecked()
            ? ui.escolheArquivo(QStringLiteral("Salvar Relatório em PDF"), QStringLiteral("Arquivos PDF (*.pdf)"), inicio, true)
            : ui.escolheArquivo(QStringLiteral("Salvar Relatório em Planilha"),
                                QStringLiteral("Planilha do Excel (*.xlsx);;Arquivo CSV (*.csv)"), inicio, true);
        if (arquivo.isEmpty())
            return;
        const QString sufixo = QFileInfo(arquivo).suffix().toLower();
        if (pdf_->isChecked()) {
            destino = DestinoRelatorio::Pdf;
            if (sufixo != QStringLiteral("pdf"))
                arquivo += QStringLiteral(".pdf");
        } else if (sufixo == QStringLiteral("csv")) {
            destino = DestinoRelatorio::Csv;
        } else {
            destino = DestinoRelatorio::Xlsx;
            if (sufixo != QStringLiteral("xlsx"))
                arquivo += QStringLiteral(".xlsx");
        }
    }
    PedidoRelatorio pedido;
    try {
        ui.cursorOcupado();
        pedido = PedidoDaEntrada(ctx_, entrada_, periodo, sintetico_ && sintetico_->isChecked());
        ui.cursorNormal();
    } catch (const ErroRelatorio& e) {
        ui.cursorNormal();
        MostraAviso(ui, e.texto());
        periodo_->setFocus();
        return;
    } catch (const ErroBanco& e) {
        ui.cursorNormal();
        MostraErro(ui, QStringLiteral("Erro ao preparar o relatório."), e.falha());
        return;
    }
    if (MostraRelatorio(ctx_, pedido, destino, this, copias_->value(), arquivo) && !arquivo.isEmpty())
        MostraAviso(ui, QStringLiteral("Relatório gravado em ") + QDir::toNativeSeparators(arquivo) + u'.');
}
