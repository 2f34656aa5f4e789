#include "core/Anexos.h"
#include "core/Banco.h"

namespace {
std::vector<DefinicaoAnexo> monta()
{
    using S = QStringList;
    return {
        {1, "01", "Anexo 01 - Balanço Orçamentário", S{"tabDespesaMovimento", "tabReceitaMovimento"}},
        {2, "02", "Anexo 02- Demonstrativo Da execução das Despesas por Função/Subfunção", S{"tabDespFuncMovimento"}},
        {3, "03", "Anexo 03 - Demonstr. da Receita Corrente Líquida", S{"tabAnexo03Movimento"}},
        {4, "04", "Anexo 04 - Demonstrativo das Receitas e Despesas Previdenciárias do Regime Próprio dos Servidores", S{"tabAnexo04Movimento"}},
        {5, "05", "Anexo 05 - Demonstrativo do Resultado Nominal", S{"tabAnexo05Movimento"}},
        {6, "06", "Anexo 06 -Demonstrativo do Resultado Primário", S{"tabAnexo06Movimento"}},
        {7, "07", "Anexo 07 -Demonstrativo dos Restos a Pagar por Poder e Órgão", S{"tabAnexo07Movimento"}},
        {8, "08", "Anexo 08 - Demonstrativo das Receitas de Oper. de Crédito e Despesa de Capital", S{"tabAnexo08Movimento"}},
        {9, "09", "Anexo 09 -Demonstrativo da Proj. Atuarial do Regime Próprio de Prev. Social", S{"tabAnexo09Movimento"}},
        {10, "10", "Anexo 10 -Demonstrativo da Receita de Alienação de Ativos e Aplic. de Recursos", S{"tabAnexo10Movimento"}},
        {11, "11", "Anexo 11 - Demonstrativo das Despesas com Manut. e Desenv. do Ensino", S{"tabAnexo11Movimento"}},
        {12, "12", "Anexo 12 - Demonstrativo. das Despesas com Saúde - Municípios", S{"tabAnexo12Movimento", "tabAnexo12EvolucaoMovimento"}},
        {13, "13", "Anexo 13 - Rel das Licitações e Atos de Disp.Inexigibil. e Contratos/Aditivos", S{"tabAnexo13Movimento", "tabAnexo13ItensMovimento", "tabAnexo13Contratos", "tabAnexo13Aditivos"}},
        {14, "14", "Anexo 14 - Rel. Empenhos Executados/Anulados de Pagamento Emitidas", S{"tabAnexo14Movimento", "tabAnexo14Pagamentos", "tabAnexo14Anulacoes", "tabAnexo14AnulacaoPagamento"}},
        {15, "15", "Anexo 15 - Demonstrativo da Despesa com Pessoal", S{"tabAnexo15Movimento"}},
        {16, "16", "Anexo 16 - Demonstrativo da Dívida Consolidada Líquida - DCL", S{"tabAnexo16Movimento"}},
        {17, "17", "Anexo 17 - Demonstrativo das Garantias e Contragarantias de Valores", S{"tabAnexo17Movimento"}},
        {18, "18", "Anexo 18 - Demonstrativo das Operações de Crédito", S{"tabAnexo18Movimento"}},
        {19, "19", "Anexo 19 - Demonstrativo da Disponibilidade de Caixa", S{"tabAnexo19Movimento"}},
        {20, "20", "Anexo 20 - Demonstrativo dos Restos a Pagar", S{"tabAnexo20Movimento"}},
        {21, "21", "Anexo 21 -Relação de Transferências Voluntárias de Recursos de Terceiros", S{"tabAnexo21Movimento", "tabAnexo21Aditivos", "tabAnexo21Execucao"}},
        {22, "22A", "Anexo 22A - Demonstrativo Simplificado do RREO", S{"tabAnexo22aMovimento"}},
        {23, "22B", "Anexo 22B - Demonstrativo Simplificado do Relatório de Gestão Fiscal (antigo Demonstrativo dos Limites)", S{"tabAnexo22bMovimento"}},
        {24, "23", "Anexo 23 - Rel. de Obras e Serv. de Eng. em Execução e a Executar", S{"tabAnexo23Obras", "tabAnexo23Contratadas", "tabAnexo23Acompanhamentos", "tabAnexo23Aditivos", "tabAnexo23Fotos"}},
        {25, "24", "Anexo 24 -Despesas do Poder Legislativo", S{"tabAnexo24Movimento"}},
        {26, "25", "Anexo 25 - Rel. de Conc. e Prest. de Contas de Suprimento de Fundos", S{"tabAnexo25Movimento", "tabAnexo25PrestacaoContas"}},
        {27, "26", "Anexo 26 - Cadastro de Contas Correntes", S{"tabAnexo26Extratos"}},
        {28, "27", "Anexo 27- Informações do FUNDEB", S{"tabAnexo27Movimento", "tabAnexo27Cargo", "tabAnexo27Lotacao", "tabAnexo27NivelFuncional", "tabAnexo27Pessoal"}},
        {29, "28", "Anexo 28 - Relação de Veículos Automotores", S{"tabAnexo28Veiculo", "tabAnexo28Aquisicao", "tabAnexo28Locacao", "tabAnexo28Cessao"}},
        {30, "29", "Anexo 29 - Metas Anuais", S{"tabAnexo29Movimento"}},
        {31, "30", "Anexo 30 - Avaliação do Cumprimento das Metas do Exercício Anterior", S{"tabAnexo30Movimento"}},
        {32, "31", "Anexo 31 - Metas Fiscais Atuais Comparadas com as Fixadas nos Três Exercícios Anteriores", S{"tabAnexo31Movimento"}},
        {33, "32", "Anexo 32 - Evolução do Patrimônio Liquido", S{"tabAnexo32Movimento"}},
        {34, "33", "Anexo 33 - Origem e Aplicação dos Recursos Obtidos com a Alienação de Ativos", S{"tabAnexo33Movimento"}},
        {35, "34", "Anexo 34 - Avaliação da Situação Financeira e Atuarial do Regime Próprio de Previdência dos Servidores Públicos", S{"tabAnexo34Movimento", "tabAnexo34MovimentoProjecao"}},
        {36, "35", "Anexo 35 - Estimativa e Compensação da Renúncia de Receita", S{"tabAnexo35Movimento"}},
        {37, "36", "Anexo 36 - Margem de Expansão das Despesas Obrigatórias de Caráter Continuado", S{"tabAnexo36Movimento"}},
        {38, "37", "Anexo 37 - Riscos Fiscais e Providências", S{"tabAnexo37Movimento"}},
        {39, "38", "Anexo 38 - Detalhamento da Despesa - QDD", S{"tabAnexo38Movimento"}},
        {40, "39", "Anexo 39 - Despesas de Caráter Continuado Derivadas das Parcerias Público-Privadas Contratadas", S{"tabAnexo39Movimento", "tabAnexo39MovimentoAtivo"}},
        {41, "40", "Anexo 40 - Situação do Controle Interno Municipal", S{"tabAnexo40ResponsavelCI", "tabAnexo40ConsideracaoCI"}},
        {42, "41", "Anexo 41", S{}},
        {43, "42", "Anexo 42- Cadastro de Unidades Gestoras", S{"tabAnexo42UnidadeGestora", "tabAnexo42UnidadeOrcamentaria", "tabAnexo42ResponsavelGestor"}},
        {44, "42", "Anexo 42- Cadastro de Unidades Gestoras", S{"tabAnexo42UnidadeGestora"}},
    };
}
} // namespace

const std::vector<DefinicaoAnexo>& CatalogoAnexos()
{
    static const std::vector<DefinicaoAnexo> catalogo = monta();
    return catalogo;
}

const DefinicaoAnexo* AnexoDoSlot(int slot)
{
    for (const auto& a : CatalogoAnexos())
        if (a.slot == slot)
            return &a;
    return nullptr;
}

QString ChaveDoSlot(int slot)
{
    const QString chave = QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
    return slot == 22 ? chave + u'A' : chave;
}

bool AnexoPreenchido(const Banco& banco, const DefinicaoAnexo& anexo, const QString& periodo)
{
    if (anexo.tabelas.isEmpty() || periodo.size() != 6)
        return false;
    const QString tabela = anexo.tabelas.front();
    if (!banco.tabelaExiste(tabela))
        return false;
    if (anexo.slot == 3) {
        // Anexo 03 is kept by month ("MMYYYY") and by bimester total ("TOT" + bimester).
        const int bim = periodo.mid(4, 2).toInt();
        const QString ano = periodo.left(4);
        const QString m1 = QStringLiteral("%1").arg(2 * bim - 1, 2, 10, QLatin1Char('0')) + ano;
        const QString m2 = QStringLiteral("%1").arg(2 * bim, 2, 10, QLatin1Char('0')) + ano;
        return banco.existe(QStringLiteral("SELECT 1 FROM tabAnexo03Movimento WHERE AnoMes IN (?, ?, ?)"),
                            {m1, m2, QStringLiteral("TOT") + periodo.mid(4, 2)});
    }
    return banco.existe(QStringLiteral("SELECT 1 FROM %1 WHERE BimReferencia = ? LIMIT 1").arg(tabela), {periodo});
}
