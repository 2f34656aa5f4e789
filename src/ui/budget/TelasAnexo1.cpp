#include "budget/Classificacao.h"
#include "budget/Despesa.h"
#include "core/Anexos.h"
#include "registers/ContasBancarias.h"
#include "ui/budget/FrmReceita.h"
#include "ui/budget/FrmSeletores.h"
#include "ui/core/TelaGrade.h"
#include "ui/core/TelaMestreDetalhe.h"

void RegistraTelasAnexo1()
{
    RegistraSeletoresAnexo1();
    RegistraTelaGrade(QStringLiteral("registrar.01.fontes"), FabricaDefinicaoFixa(DefinicaoFontes),
                      QStringLiteral("Cadastro de Fontes de Recursos"));
    RegistraTelaGrade(QStringLiteral("registrar.01.institucional"), FabricaDefinicaoFixa(DefinicaoInstitucional),
                      QStringLiteral("Cadastro Classificação Institucional"));
    RegistraTelaMestreDetalhe(QStringLiteral("registrar.01.programa"), [](const Contexto&) {
        return DefinicaoMestreDetalhe{.titulo = QStringLiteral("Cadastro de Programas e Projetos/Atividades"),
                                      .tituloMestre = QStringLiteral("Programas"),
                                      .mestre = DefinicaoProgramas(),
                                      .detalhes = {{QStringLiteral("Projetos/Atividades"), DefinicaoProjetos()}}};
    });
    RegistraTelaGrade(QStringLiteral("registrar.01.despesa"), FabricaDefinicaoGrade(DefinicaoDespesa),
                      QStringLiteral("Anexo 01 - Despesa"));
    RegistraTela(QStringLiteral("registrar.01.receita"),
                 [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmReceita(ctx); });
    RegistraTelaGrade(QStringLiteral("registrar.02"), FabricaDefinicaoGrade(DefinicaoDespesaPorFuncao),
                      AnexoDoSlot(2)->titulo);
    RegistraTelaGrade(QStringLiteral("registrar.26"), FabricaDefinicaoFixa(DefinicaoContasBancarias), AnexoDoSlot(27)->titulo);
}
