// Anexo XIII on screen: processes, participants, contracts and amendments on four tabs, the
// general look-up on the code cells, and the process look-up that other registers open.
#include "core/Anexos.h"
#include "registers/Licitacoes.h"
#include "reports/Consultas.h"
#include "ui/budget/FrmSeletores.h"
#include "ui/core/TelaMestreDetalhe.h"
#include "ui/reports/FrmConsultaGeral.h"

namespace {
// The general look-up of a code table; the chosen code is typed into the cell, whose rule
// writes it as code-description.
FabricaSeletor consulta(const QString& tabela, const QString& filtro, const QString& titulo, const QString& campo)
{
    return [=](Contexto& ctx, const Grade&, int, QWidget* pai) -> std::optional<ResultadoSeletor> {
        const ResultadoConsulta r = FrmConsultaGeral::consulta(ctx, tabela, filtro, titulo, pai);
        if (r.vazio())
            return std::nullopt;
        return ResultadoSeletor{{campo, r.codigo}};
    };
}

QString texto(const TelaMestreDetalhe& t, int grade, const char* campo)
{
    return t.valorSelecionado(grade, QString::fromLatin1(campo)).toString();
}

DefinicaoMestreDetalhe definicaoAnexo13()
{
    return {.titulo = AnexoDoSlot(13)->titulo,
            .tituloMestre = QStringLiteral("Licitações"),
            .mestre = DefinicaoLicitacoes(),
            .detalhes = {{.titulo = QStringLiteral("Participantes"),
                          .definicao = DefinicaoParticipantes(),
                          .legenda = [](const TelaMestreDetalhe& t) {
                              return QStringLiteral("Licitação : ") + texto(t, 0, "NumeroProcesso") + QStringLiteral("  - ")
                                  + texto(t, 0, "Objeto");
                          }},
                         {.titulo = QStringLiteral("Contratos"),
                          .definicao = DefinicaoContratos(),
                          .mestre = 1,
                          .mensagemSemPrimeiro = MensagemSemProcessoLicitacao,
                          .legenda = [](const TelaMestreDetalhe& t) {
                              return QStringLiteral("Licitação: ") + texto(t, 0, "NumeroProcesso") + QStringLiteral("   Participante: ")
                                  + texto(t, 1, "NumeroDocumento") + QStringLiteral(" - ") + texto(t, 1, "NomeParticipante");
                          }},
                         {.titulo = QStringLiteral("Aditivos"),
                          .definicao = DefinicaoAditivos(),
                          .mestre = 2,
                          .mensagemSemPrimeiro = MensagemSemProcessoLicitacao,
                          .legenda = [](const TelaMestreDetalhe& t) {
                              return QStringLiteral("Contrato: ") + texto(t, 2, "NumeroContrato");
                          }}},
            .legendaAnteriores = LegendaLicitacoesAnteriores};
}
} // namespace

void RegistraTelasLicitacoes()
{
    RegistraSeletor(SeletorProcessoLicitacao, SeletorDaLista([](const Contexto&) { return ListaProcessosLicitacao(); }));
    const QString baseLegal = QStringLiteral("tabAnexo13BaseLegal");
    const QString tituloBaseLegal = QStringLiteral("Consulta - Fundamento Legal");
    RegistraSeletor(SeletorModalidade, consulta(QStringLiteral("tabAnexo13Modalidade"), {}, QStringLiteral("Consulta - Modalidade"),
                                                QStringLiteral("Modalidade")));
    RegistraSeletor(SeletorBaseLegalProcesso,
                    consulta(baseLegal, FiltroBaseLegalProcesso, tituloBaseLegal, QStringLiteral("FundamentoLegal")));
    RegistraSeletor(SeletorBaseLegalAditivo,
                    consulta(baseLegal, FiltroBaseLegalAditivo, tituloBaseLegal, QStringLiteral("FundamentoLegal")));
    RegistraTelaMestreDetalhe(QStringLiteral("registrar.13"), [](const Contexto&) { return definicaoAnexo13(); });
}
