#include "ui/core/TelaMestreDetalhe.h"
#include "ui/core/Formulario.h"
#include "ui/core/GradeRegistro.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TelaMestreDetalhe::TelaMestreDetalhe(Contexto& ctx, DefinicaoMestreDetalhe def, QWidget* pai) : QWidget(pai), ctx_(ctx)
{
    setWindowTitle(def.titulo);
    abas_ = new QTabWidget(this);
    sempreAnteriores_.push_back(def.mestre.listaAnteriores);
    semPrimeiro_.emplace_back();
    legendas_.emplace_back();
    grades_.push_back(new GradeRegistro(ctx, std::move(def.mestre), this));
    mestres_.push_back(-1);
    QWidget* paginaMestre = grades_.front();
    if (def.fichaDoMestre) {
        const Grade& g = mestre()->grade();
        std::vector<DefinicaoCampo> campos;
        for (int c = 0; c < g.colunas(); ++c)
            if (g.colunaDigitavel(c) && !g.coluna(c).oculta)
                campos.push_back(g.campoDaColuna(c));
        ficha_ = new Formulario(&ctx.interacao(), std::move(campos));
        auto* divisao = new QSplitter(Qt::Vertical, this);
        divisao->addWidget(grades_.front());
        divisao->addWidget(ficha_);
        paginaMestre = divisao;
        connect(ficha_, &Formulario::campoAlterado, this, [this](const QString& coluna) {
            Grade& g = mestre()->grade();
            int linha = linhaFicha_;
            if (linha < 0 || linha >= g.linhas()) {
                if (TextoDoEditor(ficha_->campo(coluna)).trimmed().isEmpty() || (linha = g.novaLinha()) < 0)
                    return;
                linhaFicha_ = linha;
            }
            g.defineTexto(linha, g.indice(coluna), TextoDoEditor(ficha_->campo(coluna)));
            mostraFicha(linha);
        });
        connect(mestre(), &GradeRegistro::linhaAtualMudou, this, &TelaMestreDetalhe::mostraFicha);
        mostraFicha(-1);
    }
    abas_->addTab(paginaMestre, def.tituloMestre);
    for (AbaDetalhe& d : def.detalhes) {
        sempreAnteriores_.push_back(d.definicao.listaAnteriores);
        semPrimeiro_.push_back(d.mensagemSemPrimeiro);
        legendas_.push_back(std::move(d.legenda));
        grades_.push_back(new GradeRegistro(ctx, std::move(d.definicao), this));
        mestres_.push_back(d.mestre);
        abas_->addTab(grades_.back(), d.titulo);
    }
    for (int i = 0; i < int(grades_.size()); ++i) {
        connect(grades_[size_t(i)], &GradeRegistro::linhaAtualMudou, this, [this, i] { segue(i); });
        connect(grades_[size_t(i)], &GradeRegistro::registrosAlterados, this, [this, i] { segue(i); });
    }
    segue(0);
    connect(abas_, &QTabWidget::currentChanged, this, &TelaMestreDetalhe::trocaAba);

    botoes_ = NovosBotoesEditor(this);
    connect(botoes_.novo, &QPushButton::clicked, this, &TelaMestreDetalhe::novo);
    connect(botoes_.gravar, &QPushButton::clicked, this, &TelaMestreDetalhe::grava);
    connect(botoes_.excluir, &QPushButton::clicked, this, [this] { gradeAtual()->excluiLinhaAtual(); });
    connect(botoes_.fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* layout = new QVBoxLayout(this);
    if (!def.legendaAnteriores.isEmpty()) {
        anteriores_ = new QCheckBox(def.legendaAnteriores, this);
        anteriores_->setObjectName(QStringLiteral("chkBim"));
        connect(anteriores_, &QCheckBox::toggled, this, &TelaMestreDetalhe::listaAnteriores);
        layout->addWidget(anteriores_);
    }
    legenda_ = new QLabel(this);
    legenda_->setObjectName(QStringLiteral("lblLegenda"));
    legenda_->setVisible(false);
    layout->addWidget(legenda_);
    layout->addWidget(abas_);
    layout->addLayout(botoes_.linha);
    mestre()->vista()->setFocus();
}

// The grids that follow `fonte` take its current row (nothing when the row is not stored yet),
// and so on down.
void TelaMestreDetalhe::segue(int fonte)
{
    GradeRegistro* origem = grades_[size_t(fonte)];
    const Grade& g = origem->grade();
    const int linha = origem->vista()->currentIndex().row();
    const bool gravada = linha >= 0 && linha < g.linhas() && g.linha(linha).estado != Grade::Estado::Nova;
    for (size_t k = 1; k < grades_.size(); ++k) {
        if (mestres_[k] != fonte)
            continue;
        QVariantList valores;
        if (gravada)
            for (const VinculoMestre& v : grades_[k]->grade().definicao().mestre)
                valores << g.valor(linha, v.colunaMestre);
        if (valores == grades_[k]->grade().valoresMestre() && !valores.isEmpty())
            continue;
        grades_[k]->defineMestre(valores);
        segue(int(k));
    }
}

// Leaving a tab stores its pending row; a refusal brings the user back to it.
void TelaMestreDetalhe::trocaAba(int aba)
{
    if (voltandoAba_)
        return;
    const int anterior = abaAtual_;
    abaAtual_ = aba;
    if (anterior != aba && !grades_[size_t(anterior)]->gravaPendente()) {
        voltandoAba_ = true;
        abas_->setCurrentIndex(anterior);
        abaAtual_ = anterior;
        voltandoAba_ = false;
        return;
    }
    segue(anterior);
    mostraLegenda();
}

int TelaMestreDetalhe::linhaSelecionada(int k) const
{
    GradeRegistro* g = grades_[size_t(k)];
    const int linha = g->vista()->currentIndex().row();
    const bool gravada = linha >= 0 && linha < g->grade().linhas() && g->grade().linha(linha).estado != Grade::Estado::Nova;
    return gravada ? linha : -1;
}

QVariant TelaMestreDetalhe::valorSelecionado(int k, const QString& campo) const
{
    const int linha = linhaSelecionada(k);
    return linha < 0 ? QVariant() : grades_[size_t(k)]->grade().valor(linha, campo);
}

void TelaMestreDetalhe::mostraLegenda()
{
    const auto& legenda = legendas_[size_t(abaAtual_)];
    legenda_->setVisible(bool(legenda));
    legenda_->setText(legenda ? legenda(*this) : QString());
}

// A detail without its master row tells why; the top's message when the first tab has none.
void TelaMestreDetalhe::novo()
{
    GradeRegistro* g = gradeAtual();
    if (!g->grade().podeIncluir() && !semPrimeiro_[size_t(abaAtual_)].isEmpty() && linhaSelecionada(0) < 0
        && !g->grade().definicao().mestre.empty()) {
        MostraAviso(ctx_.interacao(), semPrimeiro_[size_t(abaAtual_)]);
        return;
    }
    g->vaiParaLinhaNova();
}

// The box ticked or not: what is pending is stored first, then the grids are read again from
// the master down.
void TelaMestreDetalhe::listaAnteriores(bool sim)
{
    if (!grava()) {
        const QSignalBlocker bloqueio(anteriores_);
        anteriores_->setChecked(!sim);
        return;
    }
    for (size_t k = 0; k < grades_.size(); ++k)
        if (!sempreAnteriores_[k])
            grades_[k]->grade().defineListaAnteriores(sim);
    mestre()->PreencheGrid(); // no row is selected now: the details empty themselves
    segue(0);
    mostraLegenda();
}

void TelaMestreDetalhe::mostraFicha(int linha)
{
    if (!ficha_)
        return;
    const Grade& g = mestre()->grade();
    linhaFicha_ = linha;
    QVariantHash valores;
    if (linha >= 0 && linha < g.linhas())
        for (int c = 0; c < g.colunas(); ++c)
            valores.insert(g.coluna(c).campo, g.valor(linha, c));
    const QSignalBlocker bloqueio(ficha_);
    ficha_->preenche(valores);
    ficha_->setEnabled(linha >= 0 && (linha < g.linhas() ? !g.somenteLeitura(linha) : g.podeIncluir()));
}

// The pending rows of every grid in one transaction: a refusal undoes what this saving stored,
// and the grids that stored something are read again.
bool TelaMestreDetalhe::grava()
{
    std::vector<GradeRegistro*> gravadas;
    {
        Transacao t(ctx_.BancoOrgao);
        bool ok = true;
        for (GradeRegistro* g : grades_) {
            const bool tinha = g->grade().alterada();
            if (!g->gravaPendente()) {
                ok = false;
                break;
            }
            if (tinha)
                gravadas.push_back(g);
        }
        if (ok) {
            t.confirma();
            return true;
        }
    }
    for (GradeRegistro* g : gravadas)
        g->PreencheGrid();
    return false;
}

void TelaMestreDetalhe::closeEvent(QCloseEvent* evento)
{
    if (!grava()) {
        evento->ignore();
        return;
    }
    evento->accept();
}

FabricaTela FabricaTelaMestreDetalhe(FabricaDefinicaoMestreDetalhe definicao)
{
    return [definicao = std::move(definicao)](Contexto& ctx, Navegacao&) -> QWidget* {
        return new TelaMestreDetalhe(ctx, definicao(ctx));
    };
}

void RegistraTelaMestreDetalhe(const QString& idMenu, FabricaDefinicaoMestreDetalhe definicao)
{
    RegistraTela(idMenu, FabricaTelaMestreDetalhe(std::move(definicao)));
}
