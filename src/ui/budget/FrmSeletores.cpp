#include "ui/budget/FrmSeletores.h"
#include "budget/Despesa.h"
#include "core/Banco.h"
#include "core/Contexto.h"
#include "ui/core/Campos.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FrmLista::FrmLista(Contexto& ctx, DefinicaoLista lista, QWidget* pai) : QDialog(pai), ctx_(ctx), lista_(std::move(lista))
{
    setWindowTitle(lista_.titulo);
    setModal(true);
    auto* campos = new QFormLayout;
    for (const FiltroLista& f : lista_.filtros) {
        auto* campo = NovoCampoTexto(this, QStringLiteral("txtFiltro") + QString::number(filtros_.size()), 100);
        campos->addRow(f.rotulo + u':', campo);
        filtros_.push_back(campo);
        connect(campo, &QLineEdit::returnPressed, this, &FrmLista::pesquisa);
    }
    auto* pesquisar = new QPushButton(QStringLiteral("&Pesquisar"), this);
    pesquisar->setAutoDefault(false);
    connect(pesquisar, &QPushButton::clicked, this, &FrmLista::pesquisa);
    auto* topo = new QHBoxLayout;
    topo->addLayout(campos, 1);
    topo->addWidget(pesquisar, 0, Qt::AlignBottom);

    grade_ = NovaGradeLista(this, lista_.titulos, int(lista_.titulos.size()) - 1);
    connect(grade_, &QTableWidget::cellDoubleClicked, this, &FrmLista::confirma);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(grade_);
    layout->addWidget(BotoesConsulta(this, [this] { confirma(); }));
    resize(680, 460);
    pesquisa();
    grade_->setFocus();
}

void FrmLista::pesquisa()
{
    QStringList textos;
    for (const QLineEdit* f : filtros_)
        textos << f->text();
    ctx_.interacao().cursorOcupado();
    try {
        linhas_ = LinhasDaLista(ctx_, lista_, textos);
    } catch (const ErroBanco& e) {
        linhas_.clear();
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao carregar a consulta."), e.falha());
    }
    PreencheGradeLista(grade_, linhas_);
    ctx_.interacao().cursorNormal();
}

void FrmLista::confirma()
{
    const auto linhas = grade_->selectionModel()->selectedRows();
    if (linhas.isEmpty())
        return;
    escolha_ = linhas_.value(linhas.first().row());
    accept();
}

namespace {
// The chosen line into the caller's cells, as the list names them.
std::optional<ResultadoSeletor> escolheDaLista(Contexto& ctx, const DefinicaoLista& lista, QWidget* pai)
{
    FrmLista dialogo(ctx, lista, pai);
    if (dialogo.exec() != QDialog::Accepted || dialogo.escolha().isEmpty())
        return std::nullopt;
    ResultadoSeletor r;
    for (qsizetype i = 0; i < lista.campos.size(); ++i)
        if (!lista.campos[i].isEmpty())
            r.emplace_back(lista.campos[i], dialogo.escolha().value(i));
    return r;
}

FabricaSeletor daLista(std::function<DefinicaoLista(const Contexto&)> lista)
{
    return [lista = std::move(lista)](Contexto& ctx, const Grade&, int, QWidget* pai) {
        return escolheDaLista(ctx, lista(ctx), pai);
    };
}

QComboBox* listaDeCodigos(QWidget* pai, const QList<ItemConsulta>& itens)
{
    auto* c = new QComboBox(pai);
    for (const ItemConsulta& i : itens)
        c->addItem(i.codigo + QStringLiteral(" - ") + i.descricao, i.codigo);
    c->setCurrentIndex(-1);
    c->setMinimumContentsLength(40);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

QString codigoDe(const QComboBox* c) { return c->currentIndex() < 0 ? QString() : c->currentData().toString(); }

// A dialog of code lists: OK refuses an incomplete choice with the rule's text (box "Alerta").
class FrmCodigos : public QDialog {
public:
    FrmCodigos(Contexto& ctx, const QString& titulo, QWidget* pai) : QDialog(pai), ctx_(ctx)
    {
        setWindowTitle(titulo);
        setModal(true);
        campos_ = new QFormLayout;
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(campos_);
        layout->addWidget(BotoesConsulta(this, [this] {
            if (const Recusa r = valida(); r) {
                ctx_.interacao().mensagem(Interacao::Icone::Critico, TituloAlerta, *r);
                return;
            }
            accept();
        }));
    }
    QComboBox* adiciona(const QString& rotulo, const QString& nome, const QList<ItemConsulta>& itens)
    {
        QComboBox* c = listaDeCodigos(this, itens);
        c->setObjectName(nome);
        campos_->addRow(rotulo + u':', c);
        return c;
    }
    std::function<Recusa()> valida;

private:
    Contexto& ctx_;
    QFormLayout* campos_;
};

std::optional<ResultadoSeletor> escolheFuncional(Contexto& ctx, const Grade&, int, QWidget* pai)
{
    FrmCodigos d(ctx, QStringLiteral("Função e Sub-Função"), pai);
    QComboBox* funcao = nullptr;
    QComboBox* subfuncao = nullptr;
    try {
        funcao = d.adiciona(QStringLiteral("Função"), QStringLiteral("cmbFuncao"),
                            ConsultaGeral(ctx.BancoOrgao, QStringLiteral("tabDespFuncFuncao")));
        subfuncao = d.adiciona(QStringLiteral("Sub-Função"), QStringLiteral("cmbSubFuncao"),
                               ConsultaGeral(ctx.BancoOrgao, QStringLiteral("tabDespFuncSubFuncao")));
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao carregar a consulta."), e.falha());
        return std::nullopt;
    }
    d.valida = [&] { return ValidaEscolhaFuncional(codigoDe(funcao), codigoDe(subfuncao)); };
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return ResultadoSeletor{{QStringLiteral("Funcional"), codigoDe(funcao) + codigoDe(subfuncao)}};
}

std::optional<ResultadoSeletor> escolheNatureza(Contexto& ctx, const Grade&, int, QWidget* pai)
{
    FrmCodigos d(ctx, QStringLiteral("Código da Despesa"), pai);
    const Banco& banco = ctx.BancoOrgao;
    QComboBox *categoria = nullptr, *grupo = nullptr, *modalidade = nullptr, *elemento = nullptr;
    try {
        categoria = d.adiciona(QStringLiteral("Categoria Econômica"), QStringLiteral("cmbCatEconom"),
                               ConsultaGeral(banco, QStringLiteral("tabDespesaCategoriaEconomica")));
        grupo = d.adiciona(QStringLiteral("Grupo de Despesa"), QStringLiteral("cmbGrupoDesp"), {});
        modalidade = d.adiciona(QStringLiteral("Modalidade Aplicação"), QStringLiteral("cmbModalAplic"), {});
        elemento = d.adiciona(QStringLiteral("Elemento de Despesa"), QStringLiteral("cmbElemDesp"), {});
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao carregar a consulta."), e.falha());
        return std::nullopt;
    }
    // Choosing a category loads its groups; the reserves take only modality and element "99".
    const auto recarrega = [&](QComboBox* c, const QList<ItemConsulta>& itens) {
        c->clear();
        for (const ItemConsulta& i : itens)
            c->addItem(i.codigo + QStringLiteral(" - ") + i.descricao, i.codigo);
        c->setCurrentIndex(-1);
    };
    QObject::connect(categoria, &QComboBox::currentIndexChanged, &d, [&] {
        const QString cat = codigoDe(categoria);
        try {
            recarrega(grupo, GruposDaCategoria(banco, cat));
            recarrega(modalidade, ModalidadesDaCategoria(banco, cat));
            recarrega(elemento, ElementosDaCategoria(banco, cat));
        } catch (const ErroBanco& e) {
            MostraErro(ctx.interacao(), QStringLiteral("Erro ao carregar a consulta."), e.falha());
        }
    });
    d.valida = [&] {
        return ValidaEscolhaNatureza(codigoDe(categoria), codigoDe(grupo), codigoDe(modalidade), codigoDe(elemento));
    };
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return ResultadoSeletor{
        {QStringLiteral("Natureza"), codigoDe(categoria) + codigoDe(grupo) + codigoDe(modalidade) + codigoDe(elemento)}};
}
} // namespace

FabricaSeletor SeletorDaLista(std::function<DefinicaoLista(const Contexto&)> lista) { return daLista(std::move(lista)); }

void RegistraSeletoresAnexo1()
{
    RegistraSeletor(QStringLiteral("fonte.despesa"), daLista([](const Contexto&) { return ListaFontes(MarcaDespesa); }));
    RegistraSeletor(QStringLiteral("fonte.receita"), daLista([](const Contexto&) { return ListaFontes(MarcaReceita); }));
    RegistraSeletor(QStringLiteral("institucional"), daLista([](const Contexto&) { return ListaInstitucional(); }));
    RegistraSeletor(QStringLiteral("projeto"), daLista([](const Contexto&) { return ListaProjetos(); }));
    RegistraSeletor(QStringLiteral("banco"), daLista([](const Contexto&) { return ListaBancos(); }));
    RegistraSeletor(QStringLiteral("receita"), daLista([](const Contexto& ctx) { return ListaCodigosReceita(ctx); }));
    RegistraSeletor(QStringLiteral("funcao"), escolheFuncional);
    RegistraSeletor(QStringLiteral("natureza"), escolheNatureza);
}
