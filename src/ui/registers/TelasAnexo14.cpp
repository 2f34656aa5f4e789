// Anexo XIV: commitments, their payments and annulments, and the annulments of payments.
#include "core/Anexos.h"
#include "core/Conversoes.h"
#include "registers/Empenhos.h"
#include "ui/budget/FrmSeletores.h"
#include "ui/core/GradeRegistro.h"
#include "ui/registers/TelasAnexo14.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

// The state tax authority's service is not connected: the body counts as not integrated.
std::shared_ptr<const ServicosAnexo14> ServicosAnexo14Padrao()
{
    static const ValidadorNotaFiscal validador;
    static const auto servicos = std::make_shared<const ServicosAnexo14>(ServicosAnexo14{validador, {}});
    return servicos;
}

DefinicaoMestreDetalhe DefinicaoAnexo14(std::shared_ptr<const ServicosAnexo14> servicos)
{
    const DefinicaoAnexo* a = AnexoDoSlot(14);
    return {.titulo = a ? a->titulo : QStringLiteral("Anexo 14"),
            .tituloMestre = QStringLiteral("Empenhos"),
            .mestre = DefinicaoEmpenhos(),
            .detalhes = {{QStringLiteral("Pagamentos"), DefinicaoPagamentos(std::move(servicos)), 0},
                         {QStringLiteral("Anulações de Empenho"), DefinicaoAnulacoesEmpenho(), 0},
                         {QStringLiteral("Anulações de Pagamento"), DefinicaoAnulacoesPagamento(), 1, MensagemSelecioneEmpenho}}};
}

namespace {

QString selecionado(GradeRegistro* g, const QString& campo)
{
    const int l = g->vista()->currentIndex().row();
    return l >= 0 && l < g->grade().linhas() && g->grade().linha(l).estado != Grade::Estado::Nova
        ? g->grade().valor(l, campo).toString()
        : QString();
}

} // namespace

TelaMestreDetalhe* AbreAnexo14(Contexto& ctx, std::shared_ptr<const ServicosAnexo14> servicos)
{
    auto* tela = new TelaMestreDetalhe(ctx, DefinicaoAnexo14(std::move(servicos)));
    auto* anteriores = new QCheckBox(QStringLiteral("Selecionar Empenhos de Bimestres Anteriores"), tela);
    anteriores->setObjectName(QStringLiteral("chkBimAnteriores"));
    auto* legenda = new QLabel(tela);
    legenda->setObjectName(QStringLiteral("lblEmpenho"));
    auto* layout = static_cast<QVBoxLayout*>(tela->layout());
    layout->insertWidget(0, anteriores);
    layout->insertWidget(1, legenda);

    const auto atualiza = [tela, legenda, &ctx] {
        const QString id = selecionado(tela->mestre(), QStringLiteral("idEmpenho"));
        if (id.isEmpty() || tela->abas()->currentIndex() == 0) {
            legenda->clear();
            return;
        }
        try {
            QString t = LegendaEmpenho(ctx.BancoOrgao, id);
            if (tela->abas()->currentIndex() == 3)
                t += QStringLiteral(" - Ordem Bancária : ") + selecionado(tela->detalhe(1), QStringLiteral("NumeroOBCheque"));
            t += QStringLiteral("    Saldo do Empenho : ")
                + SaldoEmpenho(ctx.BancoOrgao, selecionado(tela->mestre(), QStringLiteral("NumeroEmpenho"))).formata();
            legenda->setText(t);
        } catch (const ErroBanco& e) {
            MostraErro(ctx.interacao(), QStringLiteral("Não foi possível calcular o saldo do empenho."), e.falha());
        }
    };
    QObject::connect(anteriores, &QCheckBox::toggled, tela, [tela](bool sim) {
        GradeRegistro* m = tela->mestre();
        if (!m->gravaPendente())
            return;
        m->grade().defineListaAnteriores(sim);
        m->PreencheGrid();
    });
    QObject::connect(tela->abas(), &QTabWidget::currentChanged, tela, atualiza);
    for (GradeRegistro* g : {tela->mestre(), tela->detalhe(1), tela->detalhe(2), tela->detalhe(3)}) {
        QObject::connect(g, &GradeRegistro::registrosAlterados, tela, atualiza);
        QObject::connect(g, &GradeRegistro::linhaAtualMudou, tela, atualiza);
    }
    atualiza();
    return tela;
}

void RegistraTelasAnexo14()
{
    RegistraSeletor(QStringLiteral("empenho"), SeletorDaLista([](const Contexto&) { return ListaEmpenhos(); }));
    RegistraSeletor(QStringLiteral("conta.pagamento"), SeletorDaLista([](const Contexto&) { return ListaContasPagamento(); }));
    RegistraSeletor(QStringLiteral("natureza.empenho"), ComOutrosCampos(QStringLiteral("natureza"), {{QStringLiteral("Natureza"), QStringLiteral("ElementoDespesa")}}));
    RegistraSeletor(QStringLiteral("fonte.empenho"),
                    ComOutrosCampos(QStringLiteral("fonte.despesa"), {{QStringLiteral("Codigo_FontedeRecursos"), QStringLiteral("FonteRecurso")},
                                                                     {QStringLiteral("descricaoFonte"), QString()}}));
    RegistraTela(QStringLiteral("registrar.14"), [](Contexto& ctx, Navegacao&) -> QWidget* { return AbreAnexo14(ctx, ServicosAnexo14Padrao()); });
}
