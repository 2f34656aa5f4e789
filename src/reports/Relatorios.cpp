#include "reports/Relatorios.h"
#include "core/Banco.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "core/Moeda.h"
#include "statements/Anexo03.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlQuery>

namespace {

std::vector<EntradaRelatorio> monta()
{
    using E = EscolhaArquivo;
    using P = PreparoRelatorio;
    std::vector<EntradaRelatorio> r;
    // The period's rows of one table: the usual selection.
    auto porPeriodo = [](const QString& tabela) { return QStringLiteral("{%1.BimReferencia} = '%2'").arg(tabela, QStringLiteral("%1")); };
    auto entrada = [&r](QString nome, int slot, QString idMenu, QString arquivo, QString selecao) -> EntradaRelatorio& {
        EntradaRelatorio e;
        e.nome = std::move(nome);
        e.slot = slot;
        e.idMenu = QStringLiteral("relatorios.") + idMenu;
        e.arquivo = std::move(arquivo);
        e.selecao = std::move(selecao);
        r.push_back(std::move(e));
        return r.back();
    };
    auto numerada = [&](int anexo, int slot, const QString& tabela, const QString& idMenu = {}) -> EntradaRelatorio& {
        const QString nn = QStringLiteral("%1").arg(anexo, 2, 10, QLatin1Char('0'));
        return entrada(QStringLiteral("Anexo ") + nn, slot, idMenu.isEmpty() ? nn : idMenu,
                       QStringLiteral("Anexo%1.rpt").arg(nn), porPeriodo(tabela));
    };

    entrada("Anexo 01 (Despesa)", 1, "01.despesa", "Anexo1D.rpt", porPeriodo("tabDespesaMovimento"));
    {
        EntradaRelatorio& e = entrada("Anexo 01 (Receita)", 1, "01.receita", "Anexo1R.rpt", porPeriodo("tabReceitaMovimento"));
        e.alternativo = "Anexo1R_PadraoSTN.rpt";
        e.escolha = E::Sintetico;
        e.preparo = P::Receita;
    }
    numerada(2, 2, "tabDespFuncMovimento");
    numerada(3, 3, "tabAnexo03Movimento").selecao.clear();
    r.back().preparo = P::Anexo03;
    {
        EntradaRelatorio& e = numerada(4, 4, "tabAnexo04Movimento");
        e.selecao += " and {tabAnexo04Movimento.campo}=1";
        e.parametros << "bimestre;%1;True";
    }
    numerada(5, 5, "tabAnexo05Movimento").formulas << "for_bimreferencia = '%1'";
    for (int n = 6; n <= 10; ++n)
        numerada(n, n, QStringLiteral("tabAnexo%1Movimento").arg(n, 2, 10, QLatin1Char('0')));
    {
        EntradaRelatorio& e = numerada(11, 11, "tabAnexo11Movimento");
        e.alternativo = "Anexo11est.rpt";
        e.escolha = E::LetraG;
    }
    {
        EntradaRelatorio& e = numerada(12, 12, "tabAnexo12Movimento");
        e.alternativo = "Anexo12Mun.rpt";
        e.escolha = E::LetraP;
    }
    entrada("Anexo 13 (Licitações)", 13, "13.licitacoes", "Anexo13b.rpt", porPeriodo("tabAnexo13Movimento"));
    entrada("Anexo 13 (Contratos e Termos Aditivos)", 13, "13.contratos", "Anexo13c.rpt",
            porPeriodo("tabAnexo13Contratos") + " or {tabAnexo13Aditivos.BimReferencia}='%1'");
    entrada("Anexo 14 (Empenhos)", 14, "14.empenhos", "Anexo14.rpt", porPeriodo("tabAnexo14Movimento"));
    entrada("Anexo 14 (Pagamentos)", 14, "14.pagamentos", "Anexo14P.rpt", porPeriodo("tabAnexo14Pagamentos"));
    entrada("Anexo 14 (Anulações)", 14, "14.anulacoes", "Anexo14A.rpt", porPeriodo("tabAnexo14Anulacoes"));
    entrada("Anexo 14 (Anulações de Pagamentos)", 14, "14.anulacoespagamento", "Anexo14AP.rpt",
            porPeriodo("tabAnexo14AnulacaoPagamento"));
    numerada(15, 15, "tabAnexo15Movimento");
    for (int n : {16, 17}) {
        // The "mn" layout for every menu type but A and F.
        EntradaRelatorio& e = numerada(n, n, QStringLiteral("tabAnexo%1Movimento").arg(n));
        e.alternativo = e.arquivo;
        e.arquivo = QStringLiteral("Anexo%1mn.rpt").arg(n);
        e.escolha = E::TipoMenuAF;
    }
    for (int n = 18; n <= 20; ++n)
        numerada(n, n, QStringLiteral("tabAnexo%1Movimento").arg(n));
    entrada("Anexo 21 (Convênios Firmados)", 21, "21.convenios", "Anexo21.rpt", porPeriodo("tabAnexo21Movimento"));
    entrada("Anexo 21 (Aditivos)", 21, "21.aditivos", "Anexo21A.rpt", porPeriodo("tabAnexo21Aditivos"));
    entrada("Anexo 21 (Execução)", 21, "21.execucao", "Anexo21E.rpt", porPeriodo("tabAnexo21Movimento"));
    entrada("Anexo 22A", 22, "22A", "Anexo22A.rpt", porPeriodo("tabAnexo22aTemp"));
    entrada("Anexo 22", 23, "22B", "Anexo22.rpt", porPeriodo("tabAnexo22bMovimento"));
    entrada("Anexo 23", 24, "23.obras", "Anexo23Obras.rpt", porPeriodo("tabAnexo23Obras"));
    entrada("Anexo 23(Geral)", 24, "23.geral", "Anexo23ObraAcomp.rpt", porPeriodo("tabAnexo23Obras"));
    numerada(24, 25, "tabAnexo24Movimento");
    entrada("Anexo 25 (Suprimento de Fundos)", 26, "25.suprimento", "Anexo25.rpt", porPeriodo("tabAnexo25Movimento"));
    entrada("Anexo 25 (Prestação de Contas)", 26, "25.prestacao", "Anexo25P.rpt", porPeriodo("tabAnexo25PrestacaoContas"));
    numerada(26, 27, "tabAnexo26Extratos");
    entrada("Anexo 27", 28, "27", "Anexo27c.rpt", porPeriodo("tabAnexo27Movimento"));
    const struct {
        const char* nome;
        const char* id;
        const char* tabela;
        int situacao;
    } veiculos[] = {{"Anexo 28(Aquisição)", "28.aquisicao", "Aquisicao", 1},
                    {"Anexo 28(Cessão)", "28.cessao", "Cessao", 3},
                    {"Anexo 28(Locação)", "28.locacao", "Locacao", 2}};
    for (const auto& v : veiculos)
        entrada(QString::fromUtf8(v.nome), 29, QString::fromLatin1(v.id),
                QStringLiteral("Anexo28%1.rpt").arg(QLatin1String(v.tabela)),
                QStringLiteral("{tabAnexo28") + QLatin1String(v.tabela)
                    + QStringLiteral(".bimreferencia}='%1' and {tabAnexo28Veiculo.situacao}=") + QString::number(v.situacao));
    // Anexos 29 to 38 sit in the fiscal-targets sub-menu; Anexo 39 has an entry of its own.
    for (int n = 29; n <= 39; ++n)
        numerada(n, n + 1, QStringLiteral("tabAnexo%1Movimento").arg(n), n <= 38 ? QStringLiteral("metas.%1").arg(n) : QString());
    entrada("Anexo 40", 41, "40", "Anexo40.rpt", porPeriodo("tabAnexo40ResponsavelCI"));
    entrada("Anexo 42", 43, "42", "Anexo42.rpt", porPeriodo("tabAnexo42UnidadeGestora"));
    return r;
}

// Money as the formulas of the revenue report carry it: two decimals, Brazilian separators.
QString duasCasas(qint64 decimos) { return Moeda::deDecimos(decimos).formata(); }

const QRegularExpression& periodoValido()
{
    static const QRegularExpression re(QStringLiteral("^\\d{4}0[1-6]$"));
    return re;
}

} // namespace

const std::vector<EntradaRelatorio>& EntradasRelatorio()
{
    static const std::vector<EntradaRelatorio> entradas = monta();
    return entradas;
}

const EntradaRelatorio* EntradaDeNome(const QString& nome)
{
    for (const EntradaRelatorio& e : EntradasRelatorio())
        if (e.nome.compare(nome.trimmed(), Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

const EntradaRelatorio* EntradaDoMenu(const QString& idMenu)
{
    for (const EntradaRelatorio& e : EntradasRelatorio())
        if (e.idMenu == idMenu)
            return &e;
    return nullptr;
}

QString ArquivoDaEntrada(const EntradaRelatorio& e, const QString& codigoOrgao, const QString& tipoMenu, bool sintetico)
{
    const QString letra = codigoOrgao.trimmed().left(1).toUpper();
    const QString tipo = tipoMenu.trimmed().toUpper();
    bool alternativo = false;
    switch (e.escolha) {
    case EscolhaArquivo::Fixa:
        break;
    case EscolhaArquivo::LetraG:
        alternativo = letra == QStringLiteral("G");
        break;
    case EscolhaArquivo::LetraP:
        alternativo = letra == QStringLiteral("P");
        break;
    case EscolhaArquivo::TipoMenuAF:
        alternativo = tipo == QStringLiteral("A") || tipo == QStringLiteral("F");
        break;
    case EscolhaArquivo::Sintetico:
        alternativo = sintetico;
        break;
    }
    return alternativo ? e.alternativo : e.arquivo;
}

QString CaminhoRelatorio(const Contexto& ctx, const QString& arquivo)
{
    return ArquivoNaPasta(ctx.pastaDoOrgao(), arquivo);
}

QString Formula(const QString& nome, const QString& texto)
{
    QString t = texto;
    t.replace(QStringLiteral("'"), QStringLiteral("''"));
    return nome + QStringLiteral(" = '") + t + u'\'';
}

QStringList PreparaAnexo03Temp(const Banco& banco, const QString& esfera, const QString& periodo)
{
    const std::vector<MesAnexo03> meses = JanelaAnexo03(periodo);
    Transacao t(banco);
    banco.executa(QStringLiteral("DELETE FROM tabAnexo03Temp"));
    banco.executa(QStringLiteral("INSERT INTO tabAnexo03Temp (Campo, Descricao) SELECT campo, descricao FROM tabAnexo03Campos "
                                 "WHERE esfera = 'EM' OR esfera = ?"),
                  {esfera.trimmed()});
    QStringList formulas;
    // Month by month, each column from its own key: set-based, one statement per column.
    for (size_t i = 0; i < meses.size(); ++i) {
        banco.executa(QStringLiteral("UPDATE tabAnexo03Temp SET \"%1m\" = (SELECT valor FROM tabAnexo03Movimento "
                                     "WHERE anomes = ? AND campo = tabAnexo03Temp.Campo)")
                          .arg(i + 1),
                      {meses[i].chave});
        formulas << Formula(QStringLiteral("for_m%1").arg(i + 1), meses[i].titulo);
    }
    // The previous exercise's figure is kept under "PA" + the bimester.
    banco.executa(QStringLiteral("UPDATE tabAnexo03Temp SET PA = (SELECT valor FROM tabAnexo03Movimento "
                                 "WHERE anomes = ? AND campo = tabAnexo03Temp.Campo)"),
                  {QStringLiteral("PA") + periodo.mid(4, 2)});
    t.confirma();
    return formulas;
}

QStringList PreparaReceitaTemp(const Banco& banco, const QString& periodo)
{
    Transacao t(banco);
    banco.executa(QStringLiteral("DELETE FROM tabReceitaTemp"));
    // A group's sums are those of the period's lines whose code begins with its digits.
    banco.executa(QStringLiteral(
                      "INSERT INTO tabReceitaTemp (BimReferencia, Grupo, Descricao, PrevisaoInicial, PrevisaoAtualizada, "
                      "RecRel_NoBimestre, RecRel_AteoBim, Codigo, Tipo) "
                      "SELECT ?, c.grupo_stn, c.descricao, coalesce(sum(m.ValorPrevistoInicial), 0), "
                      "coalesce(sum(m.ValorPrevistoAtualizado), 0), coalesce(sum(m.ValorRealizadoBimestre), 0), "
                      "coalesce(sum(m.ValorRealizadoExercicio), 0), c.codigo, 'G' "
                      "FROM tabReceitaCodigoNovo c LEFT JOIN tabReceitaMovimento m ON m.bimreferencia = ? "
                      "AND substr(m.Codigo_tabReceitaCodigo, 1, length(trim(c.grupo_stn))) = trim(c.grupo_stn) "
                      "WHERE length(trim(c.grupo_stn)) >= 1 GROUP BY c.codigo"),
                  {periodo, periodo});
    banco.executa(QStringLiteral(
                      "INSERT INTO tabReceitaTemp (BimReferencia, Grupo, Descricao, PrevisaoInicial, PrevisaoAtualizada, "
                      "RecRel_NoBimestre, RecRel_AteoBim, Codigo, Tipo) "
                      "SELECT m.bimreferencia, m.Codigo_tabReceitaCodigo, '                  ' || coalesce(c.descricao, ''), "
                      "m.ValorPrevistoInicial, m.ValorPrevistoAtualizado, m.ValorRealizadoBimestre, m.ValorRealizadoExercicio, "
                      "m.Codigo_tabReceitaCodigo, 'L' "
                      "FROM tabReceitaMovimento m LEFT JOIN tabReceitaCodigoNovo c ON c.codigo = m.Codigo_tabReceitaCodigo "
                      "WHERE m.bimreferencia = ?"),
                  {periodo});
    // Revenue (codes not beginning with "9") less the deductions (those that do).
    QSqlQuery q = banco.executa(QStringLiteral(
                                    "SELECT substr(Codigo_tabReceitaCodigo, 1, 1) = '9', coalesce(sum(ValorPrevistoInicial), 0), "
                                    "coalesce(sum(ValorPrevistoAtualizado), 0), coalesce(sum(ValorRealizadoBimestre), 0), "
                                    "coalesce(sum(ValorRealizadoExercicio), 0) FROM tabReceitaMovimento WHERE bimreferencia = ? "
                                    "GROUP BY substr(Codigo_tabReceitaCodigo, 1, 1) = '9'"),
                                {periodo});
    qint64 s[4] = {0, 0, 0, 0}, dd[4] = {0, 0, 0, 0};
    while (q.next())
        for (int i = 0; i < 4; ++i)
            (q.value(0).toInt() ? dd : s)[i] += q.value(i + 1).toLongLong();
    q = QSqlQuery();
    t.confirma();
    qint64 sub[4];
    for (int i = 0; i < 4; ++i)
        sub[i] = s[i] - (dd[i] < 0 ? -dd[i] : dd[i]);
    static const char* nomes[] = {"ValorPrevistoInicial", "ValorPrevistoAtualizado", "ValorRealizadoBimestre",
                                  "ValorRealizadoExercicio"};
    QStringList formulas;
    for (int i = 0; i < 4; ++i)
        formulas << QStringLiteral("for_SubTotal_%1 = ('%2')").arg(QLatin1String(nomes[i]), duasCasas(sub[i]));
    formulas << QStringLiteral("for_SubTotal_SaldoaRealizar = ('%1')").arg(duasCasas(sub[1] - sub[3]));
    formulas << QStringLiteral("for_totalarealizar=('%1')").arg(duasCasas((s[1] + dd[1]) - (s[3] + dd[3])));
    return formulas;
}

PedidoRelatorio PedidoDaEntrada(Contexto& ctx, const EntradaRelatorio& e, const QString& periodo, bool sintetico)
{
    if (periodo.trimmed().isEmpty())
        throw ErroRelatorio(QStringLiteral("Informe o Bimestre Referência!"));
    if (!periodoValido().match(periodo).hasMatch())
        throw ErroRelatorio(QStringLiteral("Bimestre Referência inválido: informe o bimestre (01 a 06) e o ano, como 03/2012."));
    QString tipoMenu, esfera, nome = ctx.NomeOrgao;
    {
        QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT TipoMenu, esfera, descricao FROM tabOrgaos WHERE Codigo = ?"),
                                             {ctx.CodigoOrgao.trimmed()});
        if (q.next()) {
            tipoMenu = q.value(0).toString();
            esfera = q.value(1).toString();
            if (nome.isEmpty())
                nome = q.value(2).toString();
        }
    }
    PedidoRelatorio p;
    p.arquivo = CaminhoRelatorio(ctx, ArquivoDaEntrada(e, ctx.CodigoOrgao, tipoMenu, sintetico));
    // The synthetic revenue model prints the prepared table, which holds the period alone.
    if (!(e.escolha == EscolhaArquivo::Sintetico && sintetico))
        p.selecao = e.selecao.isEmpty() ? QString() : QString(e.selecao).replace(QStringLiteral("%1"), periodo);
    p.formulas << Formula(QStringLiteral("for_periodo"), PeriodoFormatado(periodo))
               << Formula(QStringLiteral("for_orgao"), nome);
    for (const QString& f : e.formulas)
        p.formulas << QString(f).replace(QStringLiteral("%1"), periodo);
    for (const QString& par : e.parametros)
        p.parametros << QString(par).replace(QStringLiteral("%1"), periodo);
    switch (e.preparo) {
    case PreparoRelatorio::Nenhum:
        break;
    case PreparoRelatorio::Anexo03:
        p.formulas << PreparaAnexo03Temp(ctx.BancoOrgao, esfera, periodo);
        break;
    case PreparoRelatorio::Receita:
        p.formulas << PreparaReceitaTemp(ctx.BancoOrgao, periodo);
        break;
    }
    return p;
}

PedidoRelatorio PedidoProblemas(const Contexto& ctx)
{
    PedidoRelatorio p;
    p.arquivo = CaminhoRelatorio(ctx, QStringLiteral("problemas.rpt"));
    p.formulas << Formula(QStringLiteral("for_periodo"), ctx.BimReferencia.size() == 6 ? PeriodoFormatado(ctx.BimReferencia) : QString())
               << Formula(QStringLiteral("for_orgao"), ctx.NomeOrgao);
    return p;
}

PedidoRelatorio PedidoResumo(const Contexto& ctx, const QString& periodo)
{
    PedidoRelatorio p;
    p.arquivo = CaminhoRelatorio(ctx, QStringLiteral("resumo.rpt"));
    QString t = periodo;
    t.replace(u'\'', QStringLiteral("''"));
    p.selecao = QStringLiteral("{tabResumo.BimReferencia} = '") + t + u'\'';
    p.parametros << QStringLiteral("pOrgao;") + ctx.NomeOrgao + QStringLiteral(";True")
                 << QStringLiteral("pBim;") + (periodo.size() == 6 ? PeriodoFormatado(periodo) : periodo) + QStringLiteral(";True")
                 << QStringLiteral("pVersion;%1;True").arg(LUMO_VERSAO_REVISAO, 3, 10, QLatin1Char('0'));
    return p;
}

int GravaRelatorio(const Banco& banco, const PedidoRelatorio& pedido, DestinoRelatorio destino, const QString& caminho)
{
    const DadosRelatorio d = CarregaRelatorio(banco, pedido);
    switch (destino) {
    case DestinoRelatorio::Pdf:
        GravaPdf(d, caminho);
        break;
    case DestinoRelatorio::Xlsx:
        GravaXlsx(d, caminho);
        break;
    case DestinoRelatorio::Csv:
        GravaCsv(d, caminho);
        break;
    case DestinoRelatorio::Tela:
    case DestinoRelatorio::Impressora:
        throw ErroRelatorio(QStringLiteral("Destino de relatório que não é arquivo."));
    }
    return d.linhas;
}
