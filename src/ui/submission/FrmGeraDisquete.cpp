#include "ui/submission/FrmGeraDisquete.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "core/Inicio.h"
#include "core/Menu.h"
#include "submission/Criticas.h"
#include "submission/Criticas.h"
#include "ui/core/Campos.h"
#include "ui/submission/FrmProblemas.h"
#include "ui/submission/Resumo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

namespace {

// Widths given in twips, at 15 twips a pixel.
int pixels(int twips) { return twips / 15; }

const QColor Gravado(224, 224, 224);

// The screen's own interaction while it generates: the boxes and questions go where they
// always go, the copy's progress to the bar on the screen.
class InteracaoDaTela : public Interacao {
public:
    InteracaoDaTela(Interacao& base, QProgressBar* barra) : base_(base), barra_(barra) {}
    void mensagem(Icone icone, const QString& titulo, const QString& texto) override { base_.mensagem(icone, titulo, texto); }
    using Interacao::pergunta;
    bool pergunta(const QString& titulo, const QString& texto, Padrao padrao) override { return base_.pergunta(titulo, texto, padrao); }
    QString escolheArquivo(const QString& titulo, const QString& filtro, const QString& inicio, bool salvar) override
    {
        return base_.escolheArquivo(titulo, filtro, inicio, salvar);
    }
    void cursorOcupado() override { base_.cursorOcupado(); }
    void cursorNormal() override { base_.cursorNormal(); }
    void progressoInicia(const QString&, qint64 total) override
    {
        escala_ = 1;
        while (total / escala_ > std::numeric_limits<int>::max())
            escala_ *= 2;
        barra_->setRange(0, int(qMax<qint64>(total / escala_, 1)));
        barra_->setValue(0);
        barra_->setVisible(true);
        QApplication::processEvents();
    }
    bool progressoAvanca(qint64 feito) override
    {
        barra_->setValue(int(feito / escala_));
        QApplication::processEvents();
        return true;
    }
    void progressoTermina() override { barra_->setValue(barra_->maximum()); }

private:
    Interacao& base_;
    QProgressBar* barra_;
    qint64 escala_ = 1;
};

// Puts the context's interaction back however the generation ends.
class TrocaInteracao {
public:
    TrocaInteracao(Contexto& ctx, Interacao* nova) : ctx_(ctx), antiga_(ctx.ui) { ctx_.ui = nova; }
    ~TrocaInteracao() { ctx_.ui = antiga_; }

private:
    Contexto& ctx_;
    Interacao* antiga_;
};

QTableWidget* novaGrade(QWidget* pai, const QString& nome, const QStringList& titulos)
{
    auto* g = new QTableWidget(pai);
    g->setObjectName(nome);
    g->setColumnCount(int(titulos.size()));
    g->setHorizontalHeaderLabels(titulos);
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    return g;
}

QString tamanhoLegivel(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 bytes").arg(bytes);
    const qint64 kb = (bytes + 512) / 1024;
    QString t = QString::number(kb);
    for (int i = int(t.size()) - 3; i > 0; i -= 3)
        t.insert(i, u'.');
    return t + QStringLiteral(" KB");
}

// "2012-05-10 14:03:22" -> "10/05/2012 14:03".
QString dataHoraParaTela(const QString& iso)
{
    if (iso.size() < 16)
        return iso;
    return iso.mid(8, 2) + u'/' + iso.mid(5, 2) + u'/' + iso.left(4) + u' ' + iso.mid(11, 5);
}

} // namespace

FrmGeraDisquete::FrmGeraDisquete(Contexto& ctx, ServicosGeracao servicos, QWidget* pai)
    : QWidget(pai), ctx_(ctx), servicos_(std::move(servicos))
{
    setObjectName(QStringLiteral("frmGerarDisquete"));
    setWindowTitle(QStringLiteral("Gerar Disquete"));
    try {
        CarregaPeriodoAberto(ctx_);
        CalculaAnexosDoBimestre(ctx_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar o bimestre aberto."), e.falha());
    }

    auto* titulo = new QLabel(ctx_.BimReferencia.trimmed().isEmpty()
                                  ? QStringLiteral("Nenhum bimestre aberto.")
                                  : QStringLiteral("Anexos devidos no bimestre ") + PeriodoFormatado(ctx_.BimReferencia) + u':',
                              this);
    titulo->setObjectName(QStringLiteral("lblBimestre"));
    grd_ = novaGrade(this, QStringLiteral("grd"), {QStringLiteral("Anexo"), QString()});
    grd_->setWordWrap(false);
    grd_->setVisible(false);

    txtArquivo_ = new QLineEdit(this);
    txtArquivo_->setObjectName(QStringLiteral("txtArquivo"));
    auto* rotulo = new QLabel(QStringLiteral("&Pasta de destino:"), this);
    rotulo->setBuddy(txtArquivo_);
    QPushButton* procurar = NovoBotao(this, QStringLiteral("cmdProcurar"), QStringLiteral("P&rocurar..."));
    connect(procurar, &QPushButton::clicked, this, &FrmGeraDisquete::procura);

    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setWordWrap(true);
    lblStatus_->setVisible(false);
    barra_ = new QProgressBar(this);
    barra_->setObjectName(QStringLiteral("barCopia"));
    barra_->setVisible(false);

    cmdGerar_ = NovoBotao(this, QStringLiteral("cmdGerar"), QStringLiteral("&Gerar Arquivo"));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    connect(cmdGerar_, &QPushButton::clicked, this, &FrmGeraDisquete::gera);
    connect(fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });

    auto* historico = new QGroupBox(QStringLiteral("Arquivos já gerados"), this);
    envios_ = novaGrade(historico, QStringLiteral("grdEnvios"),
                        {QStringLiteral("Data"), QStringLiteral("Bimestre"), QStringLiteral("Usuário"), QStringLiteral("Destino"),
                         QStringLiteral("Tamanho"), QStringLiteral("SHA-256")});
    envios_->horizontalHeader()->setStretchLastSection(true);
    auto* layoutHistorico = new QVBoxLayout(historico);
    layoutHistorico->addWidget(envios_);

    auto* linhaDestino = new QHBoxLayout;
    linhaDestino->addWidget(txtArquivo_, 1);
    linhaDestino->addWidget(procurar);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdGerar_);
    botoes->addStretch();
    botoes->addWidget(fechar);
    // The list of annexes on the left, the destination and the generation's progress beside it.
    auto* lado = new QVBoxLayout;
    lado->addWidget(rotulo);
    lado->addLayout(linhaDestino);
    lado->addSpacing(12);
    lado->addWidget(lblStatus_);
    lado->addWidget(barra_);
    lado->addStretch();
    lado->addLayout(botoes);
    auto* anexos = new QVBoxLayout;
    anexos->addWidget(titulo);
    anexos->addWidget(grd_, 1);
    auto* topo = new QHBoxLayout;
    topo->addLayout(anexos);
    topo->addLayout(lado, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo, 3);
    layout->addWidget(historico, 2);

    preencheAnexos();
    preencheEnvios();
    if (ctx_.BimReferencia.trimmed().isEmpty())
        cmdGerar_->setEnabled(false);
    try {
        if (!VerificaOrgao(ctx_))
            cmdGerar_->setEnabled(false);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar verificar o órgão."), e.falha());
    }
    resize(1100, 640);
}

void FrmGeraDisquete::preencheAnexos()
{
    grd_->setRowCount(0);
    linhaDoSlot_.clear();
    try {
        for (int slot = 1; slot <= 43; ++slot) {
            if (ctx_.anexosDevidos[size_t(slot)] != 1)
                continue;
            QSqlQuery q = ctx_.BancoOrgao.executa(QStringLiteral("SELECT descricao FROM tabIndice WHERE Anexo = ?"),
                                                  {QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'))});
            if (!q.next())
                continue;
            const int numero = slot < 23 ? slot : slot - 1;
            const int linha = grd_->rowCount();
            grd_->insertRow(linha);
            auto* item = new QTableWidgetItem(QString::number(numero) + QStringLiteral(" - ") + q.value(0).toString());
            item->setToolTip(item->text());
            grd_->setItem(linha, 0, item);
            grd_->setItem(linha, 1, new QTableWidgetItem);
            linhaDoSlot_[slot] = linha;
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar os anexos do bimestre."), e.falha());
    }
    if (grd_->rowCount() > 0) {
        grd_->setColumnWidth(0, pixels(6500));
        grd_->setColumnWidth(1, pixels(3000));
        grd_->setVisible(true);
    }
    grd_->setFixedWidth(pixels(6500) + pixels(3000) + 2 * grd_->frameWidth() + grd_->verticalScrollBar()->sizeHint().width());
}

void FrmGeraDisquete::preencheEnvios()
{
    std::vector<Envio> lista;
    try {
        lista = ListaEnvios(ctx_.BancoOrgao);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar os arquivos gerados."), e.falha());
    }
    envios_->setRowCount(int(lista.size()));
    for (int i = 0; i < int(lista.size()); ++i) {
        const Envio& e = lista[size_t(i)];
        const QStringList textos = {dataHoraParaTela(e.dataHora), PeriodoFormatado(e.periodo), e.usuario, e.destino,
                                    tamanhoLegivel(e.tamanho), e.sha256};
        for (int c = 0; c < int(textos.size()); ++c) {
            auto* item = new QTableWidgetItem(textos[c]);
            item->setToolTip(textos[c]);
            if (c == 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            envios_->setItem(i, c, item);
        }
    }
    envios_->resizeColumnsToContents();
}

void FrmGeraDisquete::mostraSituacao(const QString& texto)
{
    lblStatus_->setVisible(true);
    lblStatus_->setText(texto);
    QApplication::processEvents();
}

void FrmGeraDisquete::slotGravado(int slot, int registros)
{
    const auto it = linhaDoSlot_.find(slot);
    if (it == linhaDoSlot_.end())
        return;
    for (int c = 0; c < 2; ++c)
        grd_->item(it->second, c)->setBackground(Gravado);
    grd_->item(it->second, 1)->setText(QString::number(registros) + QStringLiteral(" registros gravados"));
    grd_->scrollToItem(grd_->item(it->second, 0));
    QApplication::processEvents();
}

void FrmGeraDisquete::procura()
{
    const QString nome = NomeArquivoPacote(ctx_.BimReferencia);
    const QString pasta = txtArquivo_->text().trimmed().isEmpty() ? QDir::homePath() : txtArquivo_->text().trimmed();
    const QString arquivo = ctx_.interacao().escolheArquivo(QStringLiteral("Gravar arquivo para o Vantor"),
                                                            QStringLiteral("Arquivo para o Vantor (*.lrf)|*.lrf|"),
                                                            QDir(pasta).filePath(nome), true);
    if (arquivo.isEmpty())
        return;
    // The folder part of the chosen path, its separator kept.
    const QString escolhida = QDir::toNativeSeparators(arquivo);
    txtArquivo_->setText(escolhida.endsWith(nome) ? escolhida.left(escolhida.size() - nome.size())
                                                  : QDir::toNativeSeparators(QFileInfo(arquivo).absolutePath() + u'/'));
}

void FrmGeraDisquete::gera()
{
    const QString pasta = txtArquivo_->text().trimmed();
    if (pasta.isEmpty()) {
        MostraAviso(ctx_.interacao(), QStringLiteral("Informe a pasta de destino do arquivo."));
        txtArquivo_->setFocus();
        return;
    }
    Problemas problemas;
    OuvintePacote ouvinte;
    ouvinte.situacao = [this](const QString& t) { mostraSituacao(t); };
    ouvinte.slotGravado = [this](int slot, int registros) { slotGravado(slot, registros); };
    {
        InteracaoDaTela interacao(ctx_.interacao(), barra_);
        TrocaInteracao troca(ctx_, &interacao);
        resultado_ = CriticaEGera(ctx_, QDir::fromNativeSeparators(pasta), problemas, ouvinte, servicos_.criticas);
    }
    if (!problemas.empty()) {
        // The user corrects the data and presses generate again.
        if (servicos_.mostraProblemas)
            servicos_.mostraProblemas(ctx_, this, problemas);
        else
            MostraProblemas(ctx_, this, problemas);
        return;
    }
    ctx_.interacao().cursorNormal();
    cmdGerar_->setEnabled(false); // one generation per opening of the screen
    if (!resultado_.gerado)
        return;
    preencheEnvios();
    MostraResumo(ctx_, this, ctx_.BimReferencia);
}
