#include "submission/Pacote.h"
#include "core/Arquivos.h"
#include "core/Banco.h"
#include "core/Contexto.h"
#include "core/Moeda.h"
#include "core/Trava.h"
#include "submission/Criticas.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

namespace {

using L = LinhasPacote;

std::vector<SlotPacote> montaSlots()
{
    auto movimento = [](int anexo) {
        return TabelaPacote{QStringLiteral("tabAnexo%1Movimento").arg(anexo, 2, 10, QLatin1Char('0')), L::Periodo};
    };
    auto periodo = [](const char* nome) { return TabelaPacote{QString::fromLatin1(nome), L::Periodo}; };
    std::vector<SlotPacote> s;
    s.push_back({1, {periodo("tabReceitaMovimento"), periodo("tabFonte"), periodo("tabInstitucional"), periodo("tabProjeto"),
                     periodo("tabPrograma"), periodo("tabDespesaMovimento")}});
    s.push_back({2, {periodo("tabDespFuncMovimento")}});
    s.push_back({3, {{QStringLiteral("tabAnexo03Movimento"), L::AnoMes}}});
    for (int anexo = 4; anexo <= 12; ++anexo)
        s.push_back({anexo, {movimento(anexo)}});
    s.push_back({13, {periodo("tabAnexo13Aditivos"), periodo("tabAnexo13ItensMovimento"), periodo("tabAnexo13Movimento"),
                      periodo("tabAnexo13Contratos")}});
    s.push_back({14, {periodo("tabAnexo14Anulacoes"), periodo("tabAnexo14Pagamentos"), periodo("tabAnexo14Movimento"),
                      periodo("tabAnexo14AnulacaoPagamento")}});
    for (int anexo = 15; anexo <= 20; ++anexo)
        s.push_back({anexo, {movimento(anexo)}});
    // Slot 21 (agreements: tabAnexo21Aditivos, tabAnexo21Movimento, tabAnexo21Execucao) comes
    // with its register.
    s.push_back({22, {periodo("tabAnexo22aMovimento")}});
    s.push_back({23, {periodo("tabAnexo22bMovimento")}});
    // Slot 24 (works: tabAnexo23Obras and its four detail tables) comes with its register.
    s.push_back({25, {movimento(24)}});
    // Slot 26 (fund advances: tabAnexo25PrestacaoContas, tabAnexo25Movimento) likewise.
    s.push_back({27, {periodo("tabAnexo26Extratos")}});
    // Slots 28 (personnel, tabAnexo27*) and 29 (vehicles, tabAnexo28*) likewise.
    for (int anexo = 29; anexo <= 33; ++anexo)
        s.push_back({anexo + 1, {movimento(anexo)}});
    s.push_back({35, {movimento(34), periodo("tabAnexo34MovimentoProjecao")}});
    for (int anexo = 35; anexo <= 39; ++anexo)
        s.push_back({anexo + 1, {movimento(anexo)}});
    // Slots 41 (internal control, tabAnexo40*, its creating law whole) and 43 (managing units,
    // tabAnexo42*) come with their registers. Slot 42 copies nothing.
    return s;
}

const QStringList ColunasChave = {"Codigo_tabOrgaos", "VersaoAtualAplicativo", "RevisaoAtual", "CGC", "Logradouro",
                                  "Complemento", "CEP", "Bairro", "Cidade", "UF", "Email", "Telefone", "backup",
                                  "bimreferencia"};

QString doisDigitos(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// ---- the summary, as data ----------------------------------------------------------------

enum class Figura { Soma, Contagem };

struct DefinicaoResumo {
    int slot;
    QString titulo;
    QString tabela;
    QString agregado;            // what is summed (or counted) over the rows
    Figura figura = Figura::Soma;
    std::function<int(const Contexto&)> linha = {}; // Campo = n; none when empty
    QString condicao = {};       // a further condition of the rows
    QString tituloSemLinhas = {}; // the title when the annex has no row in the period
};

std::function<int(const Contexto&)> linha(int n)
{
    return [n](const Contexto&) { return n; };
}

const QString NI = QStringLiteral(" (NI)");

std::vector<DefinicaoResumo> montaResumo()
{
    const QString t13 = QStringLiteral("Anexo 13 - Rel das Licitações e Atos de Disp.Inexigibil. e Contratos/Aditivos");
    const QString t21 = QStringLiteral("Anexo 21 -Relação de Transferências Voluntárias de Recursos de Terceiros");
    const QString t23 = QStringLiteral("Anexo 23 - Rel. de Obras e Serv. de Eng. em Execução e a Executar");
    const auto C = Figura::Contagem;
    return {
        // Revenue less its deductions (codes beginning with 9).
        {1, "Anexo 01 - Balanço Orçamentário - Receitas ", "tabReceitaMovimento",
         "CASE WHEN substr(Codigo_tabReceitaCodigo, 1, 1) = '9' THEN -ValorRealizadoBimestre ELSE ValorRealizadoBimestre END"},
        {1, "Anexo 01 - Balanço Orçamentário - Despesas", "tabDespesaMovimento", "ValorLiqBimestre"},
        {2, "Anexo 02- Demonstrativo Da execução das Despesas por Função/Subfunção", "tabDespFuncMovimento", "ValorLiqBimestre"},
        {3, "Anexo 03 - Demonstr. da Receita Corrente Líquida", "tabAnexo03Movimento", "Valor"}, // line 3 of the bimester's total
        {4, "Anexo 04 - Demonstrativo das Receitas e Despesas Previdenciárias do Regime Próprio dos Servidores", "tabAnexo04Movimento", "NoBimestre", Figura::Soma, linha(1)},
        {5, "Anexo 05 - Demonstrativo do Resultado Nominal", "tabAnexo05Movimento", "BimAtual", Figura::Soma, linha(10)},
        {6, "Anexo 06 -Demonstrativo do Resultado Primário", "tabAnexo06Movimento", "ateBimAnoAtual", Figura::Soma, linha(41)},
        {7, "Anexo 07 -Demonstrativo dos Restos a Pagar por Poder e Órgão", "tabAnexo07Movimento", "RPPPagos"},
        {8, "Anexo 08 - Demonstrativo das Receitas de Oper. de Crédito e Despesa de Capital", "tabAnexo08Movimento", "NoBimestre", Figura::Soma, linha(5)},
        {9, "Anexo 09 -Demonstrativo da Proj. Atuarial do Regime Próprio de Prev. Social", "tabAnexo09Movimento", "ResultadoValor"},
        {10, "Anexo 10 -Demonstrativo da Receita de Alienação de Ativos e Aplic. de Recursos", "tabAnexo10Movimento", "Saldo", Figura::Soma, linha(8)},
        // The state's education body keeps its total on line 95.
        {11, "Anexo 11 - Demonstrativo das Despesas com Manut. e Desenv. do Ensino", "tabAnexo11Movimento", "ateoBimestre", Figura::Soma,
         [](const Contexto& c) { return c.CodigoOrgao.trimmed().compare(QStringLiteral("G001"), Qt::CaseInsensitive) == 0 ? 95 : 90; }},
        {12, "Anexo 12 - Demonstrativo. das Despesas com Saúde - Municípios", "tabAnexo12Movimento", "ateoBimestre", Figura::Soma, linha(1)},
        {13, t13, "tabAnexo13ItensMovimento", "ValorTotalItensVencidos", Figura::Soma, {}, {}, t13 + NI},
        {14, "Anexo 14 - Rel. Empenhos Executados/Anulados de Pagamento Emitidas", "tabAnexo14Pagamentos", "ValorPago"},
        // The statement's total moved from line 11 to line 12 in the third bimester of 2009.
        {15, "Anexo 15 - Demonstrativo da Despesa com Pessoal", "tabAnexo15Movimento", "Ult12mes", Figura::Soma,
         [](const Contexto& c) { return c.BimReferencia.toInt() >= 200903 ? 12 : 11; }},
        {16, "Anexo 16 - Demonstrativo da Dívida Consolidada Líquida - DCL", "tabAnexo16Movimento", "SaldoExercAnt", Figura::Soma, linha(21)},
        {17, "Anexo 17 - Demonstrativo das Garantias e Contragarantias de Valores", "tabAnexo17Movimento", "SaldoAnterior", Figura::Soma, linha(7)},
        {18, "Anexo 18 - Demonstrativo das Operações de Crédito", "tabAnexo18Movimento", "AteQuadrimestre", Figura::Soma, linha(5)},
        {19, "Anexo 19 - Demonstrativo da Disponibilidade de Caixa", "tabAnexo19Movimento", "Saldo"},
        {20, "Anexo 20 - Demonstrativo dos Restos a Pagar", "tabAnexo20Movimento", "Exercicio_AtualProc + Exercicio_Atual_NP"},
        {21, t21, "tabAnexo21Movimento", "ValorFonte01 + ValorFonte02 + ValorFonte03", Figura::Soma, {}, {}, t21 + NI},
        {22, "Anexo 22A - Demonstrativo Simplificado do RREO", "tabAnexo22aMovimento", "SaldoExercicioAnteAteBim"},
        {23, "Anexo 22B - Demonstrativo Simplificado do Relatório de Gestão Fiscal (antigo Demonstrativo dos Limites)", "tabAnexo22bMovimento", "Valor", C, linha(1)},
        {24, t23, "tabAnexo23Obras", "*", C, {}, {}, t23 + NI},
        {25, "Anexo 24 -Despesas do Poder Legislativo", "tabAnexo24Movimento", "Despesas_Legislativo"},
        {26, "Anexo 25 - Rel. de Conc. e Prest. de Contas de Suprimento de Fundos", "tabAnexo25Movimento", "ValorSuprimento"},
        {27, "Anexo 26 - Cadastro de Contas Correntes", "tabAnexo26Extratos", "*", C},
        {28, "Anexo 27- Informações do FUNDEB", "tabAnexo27Movimento", "vencimentoBase + TotalOutrasVantagens"},
        {29, "Anexo 28 - Relação de Veículos Automotores", "tabAnexo28Veiculo", "*", C},
        {30, "Anexo 29 - Metas Anuais", "tabAnexo29Movimento", "valor_corrente_2006", Figura::Soma, linha(1)},
        {31, "Anexo 30 - Avaliação do Cumprimento das Metas do Exercício Anterior", "tabAnexo30Movimento", "meta_previstas", Figura::Soma, linha(1)},
        {32, "Anexo 31 - Metas Fiscais Atuais Comparadas com as Fixadas nos Três Exercícios Anteriores", "tabAnexo31Movimento", "v2006", Figura::Soma, linha(1)},
        {33, "Anexo 32 - Evolução do Patrimônio Liquido", "tabAnexo32Movimento", "v2004", Figura::Soma, {}, "Campo <= 3"},
        {34, "Anexo 33 - Origem e Aplicação dos Recursos Obtidos com a Alienação de Ativos", "tabAnexo33Movimento", "v2005", Figura::Soma, linha(1)},
        {35, "Anexo 34 - Avaliação da Situação Financeira e Atuarial do Regime Próprio de Previdência dos Servidores Públicos", "tabAnexo34Movimento", "v2005", Figura::Soma, linha(20)},
        {36, "Anexo 35 - Estimativa e Compensação da Renúncia de Receita", "tabAnexo35Movimento", "v2008"},
        {37, "Anexo 36 - Margem de Expansão das Despesas Obrigatórias de Caráter Continuado", "tabAnexo36Movimento", "valorPrevisto", Figura::Soma, linha(10)},
        {38, "Anexo 37 - Riscos Fiscais e Providências", "tabAnexo37Movimento", "valor1"},
        // The detail rows of the budget carry their own identifier.
        {39, "Anexo 38 - Detalhamento da Despesa - QDD", "tabAnexo38Movimento", "Valor", Figura::Soma, {}, "id <> 0"},
        // What the partnerships cost up to the bimester.
        {40, "Anexo 39 - Despesas de Caráter Continuado Derivadas das Parcerias Público-Privadas Contratadas", "tabAnexo39Movimento", "ateoBimestre"},
        {41, "Anexo 40 - Situação do Controle Interno Municipal", "tabAnexo40ResponsavelCI", "*", C},
        {43, "Anexo 42- Cadastro de Unidades Gestoras", "tabAnexo42UnidadeOrcamentaria", "*", C},
    };
}

const std::vector<DefinicaoResumo>& DefinicoesResumo()
{
    static const std::vector<DefinicaoResumo> d = montaResumo();
    return d;
}

// Ten-thousandths rounded half away from zero to cents.
qint64 emCentavos(qint64 v)
{
    const qint64 r = (v >= 0 ? v + 50 : v - 50) / 100;
    return r * 100;
}

qint64 inteiroDe(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Double)
        return qint64(std::llround(v.toDouble()));
    return v.toLongLong();
}

// Whether any of the slot's tables has a row of the period.
bool slotTemLinhas(const Banco& b, int slot, const QString& periodo, const QString& tipoMenu)
{
    for (const SlotPacote& s : SlotsDoPacote()) {
        if (s.slot != slot)
            continue;
        for (const TabelaPacote& t : s.tabelas) {
            if (!b.tabelaExiste(t.nome))
                continue;
            if (t.linhas == L::AnoMes) {
                const QStringList meses = AnoMesAnexo03DoPacote(tipoMenu, periodo);
                QStringList marcas;
                for (qsizetype i = 0; i < meses.size(); ++i)
                    marcas << QStringLiteral("?");
                QVariantList v;
                for (const QString& m : meses)
                    v << m;
                if (b.existe(QStringLiteral("SELECT 1 FROM \"%1\" WHERE AnoMes IN (%2) LIMIT 1").arg(t.nome, marcas.join(u',')), v))
                    return true;
            } else if (t.linhas == L::Todas ? b.existe(QStringLiteral("SELECT 1 FROM \"%1\" LIMIT 1").arg(t.nome))
                                            : b.existe(QStringLiteral("SELECT 1 FROM \"%1\" WHERE BimReferencia = ? LIMIT 1").arg(t.nome),
                                                       {periodo})) {
                return true;
            }
        }
    }
    return false;
}

QString tipoMenuDe(const Contexto& ctx)
{
    return ctx.BancoOrgao.valor(QStringLiteral("SELECT TipoMenu FROM tabOrgaos WHERE Codigo = ?"), {ctx.CodigoOrgao.trimmed()})
        .toString()
        .trimmed();
}

bool devido(const Contexto& ctx, int slot) { return slot > 0 && slot < int(ctx.anexosDevidos.size()) && ctx.anexosDevidos[size_t(slot)] == 1; }

std::vector<LinhaResumo> resumoDe(const Contexto& ctx, const QString& tipoMenu)
{
    const Banco& b = ctx.BancoOrgao;
    const QString periodo = ctx.BimReferencia;
    std::vector<LinhaResumo> r;
    for (const DefinicaoResumo& d : DefinicoesResumo()) {
        if (!devido(ctx, d.slot))
            continue;
        LinhaResumo l{d.titulo, 0};
        // A table that this version does not keep yet counts as an annex with no row.
        if (b.tabelaExiste(d.tabela)) {
            const QString agregado = d.figura == Figura::Contagem ? QStringLiteral("count(%1)").arg(d.agregado)
                                                                  : QStringLiteral("sum(%1)").arg(d.agregado);
            QString onde;
            QVariantList valores;
            if (d.slot == 3) {
                onde = QStringLiteral("Campo = '3' AND AnoMes = ?");
                valores << QStringLiteral("TOT") + periodo.mid(4, 2);
            } else {
                onde = QStringLiteral("BimReferencia = ?");
                valores << periodo;
            }
            if (d.linha) {
                onde += QStringLiteral(" AND Campo = ?");
                valores << d.linha(ctx);
            }
            if (!d.condicao.isEmpty())
                onde += QStringLiteral(" AND ") + d.condicao;
            const qint64 v = inteiroDe(b.valor(QStringLiteral("SELECT %1 FROM \"%2\" WHERE %3").arg(agregado, d.tabela, onde), valores));
            l.valor = d.figura == Figura::Contagem ? v * Moeda::Escala : emCentavos(v);
        }
        if (!d.tituloSemLinhas.isEmpty() && !slotTemLinhas(b, d.slot, periodo, tipoMenu)) {
            l.anexo = d.tituloSemLinhas;
            l.valor = 0;
        }
        r.push_back(l);
    }
    return r;
}

// ---- the package database ----------------------------------------------------------------

QString aspas(const QString& nome) { return u'"' + QString(nome).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

QStringList colunas(const Banco& b, const QString& tabela, const QString& esquema)
{
    QStringList r;
    QSqlQuery q = b.executa(QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"), {tabela, esquema});
    while (q.next())
        r << q.value(0).toString();
    return r;
}

// The columns of the package table that the body's table has too, as the body names them.
QStringList colunasComuns(const Banco& b, const QString& tabela)
{
    const QStringList pacote = colunas(b, tabela, QStringLiteral("pacote"));
    QSet<QString> doPacote;
    for (const QString& c : pacote)
        doPacote.insert(c.toLower());
    QStringList r;
    for (const QString& c : colunas(b, tabela, QStringLiteral("main")))
        if (doPacote.contains(c.toLower()))
            r << aspas(c);
    return r;
}

// The structure of a database: its tables' statements. The package carries no index: whoever
// reads it reads whole tables, and without them it is half the size and half the time.
struct Estrutura {
    QStringList tabelas;
    QSet<QString> nomes; // tables, lower case
};

void leEstrutura(const Banco& b, Estrutura& e, const QStringList& soTabelas = {})
{
    QSqlQuery q = b.executa(QStringLiteral("SELECT tbl_name, sql FROM sqlite_master WHERE type = 'table' "
                                           "AND sql IS NOT NULL AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"));
    while (q.next()) {
        const QString tabela = q.value(0).toString();
        if ((!soTabelas.isEmpty() && !soTabelas.contains(tabela, Qt::CaseInsensitive)) || e.nomes.contains(tabela.toLower()))
            continue;
        e.nomes.insert(tabela.toLower());
        e.tabelas << q.value(1).toString();
    }
}

// Every generation fills a new, empty package database of the structure of "export.mdb" (of
// the installation's template when that cannot be read); a table the package can receive
// that neither has comes from the body database.
void criaBancoPacote(const Contexto& ctx, const QString& exportacao, const QString& novo)
{
    Estrutura e;
    const QString modelo = ArquivoNaPasta(ArquivoNaPasta(ctx.pastaPrograma, QStringLiteral("data")), QStringLiteral("export.mdb"));
    for (const QString& origem : {exportacao, modelo}) {
        if (!QFileInfo(origem).isFile())
            continue;
        try {
            leEstrutura(Banco::abre(origem), e);
            break;
        } catch (const ErroBanco&) {
            e = {};
        }
    }
    QStringList faltam;
    for (const QString& t : TabelasDoPacote())
        if (!e.nomes.contains(t.toLower()))
            faltam << t;
    if (!faltam.isEmpty())
        leEstrutura(ctx.BancoOrgao, e, faltam);
    QFile::remove(novo);
    Banco pacote = Banco::cria(novo);
    Transacao t(pacote);
    for (const QString& sql : e.tabelas)
        pacote.executa(sql);
    t.confirma();
}

// The package database attached to the body's connection for the guard's lifetime.
class Anexado {
public:
    Anexado(const Banco& b, const QString& caminho) : b_(b)
    {
        b_.executa(QStringLiteral("ATTACH DATABASE ? AS pacote"), {caminho});
        ativo_ = true;
        // Room to sort the indexes of the biggest registers in memory. The new package file is
        // not forced to the disk: it is a working file, compacted into another before use.
        b_.executa(QStringLiteral("PRAGMA pacote.cache_size = -131072"));
        b_.executa(QStringLiteral("PRAGMA pacote.synchronous = OFF"));
    }
    ~Anexado() { solta(); }
    void solta()
    {
        if (!ativo_)
            return;
        ativo_ = false;
        try {
            b_.executa(QStringLiteral("DETACH DATABASE pacote"));
        } catch (const ErroBanco&) {
        }
    }

private:
    const Banco& b_;
    bool ativo_ = false;
};

void informa(const OuvintePacote& o, const QString& texto)
{
    if (o.situacao)
        o.situacao(texto);
}

const QString TextoErroGeracao = QStringLiteral("Erro ao tentar gerar o arquivo para o Vantor.");

// Steps 2 to 6 in one transaction over both files: the package's tables emptied, the key row
// stamped and copied, every due slot's rows and the responsible persons copied. Returns the
// rows per due slot.
std::map<int, int> preencheBancoPacote(Contexto& ctx, const QString& tipoMenu,
                                       const OuvintePacote& ouvinte)
{
    const Banco& b = ctx.BancoOrgao;
    const QString periodo = ctx.BimReferencia;
    std::map<int, int> porSlot;
    Transacao t(b);
    for (const QString& tabela : TabelasDoPacote())
        if (b.tabelaExiste(tabela))
            b.executa(QStringLiteral("DELETE FROM pacote.%1").arg(aspas(tabela)));
    informa(ouvinte, QStringLiteral("Copiando dados para o banco..."));
    b.executa(QStringLiteral("UPDATE tabChave SET backup = 0"));
    b.executa(QStringLiteral("UPDATE tabChave SET RevisaoAtual = ?"),
              {QStringLiteral(" %1.%2.%3").arg(LUMO_VERSAO_MAIOR).arg(LUMO_VERSAO_MENOR).arg(LUMO_VERSAO_REVISAO)});
    b.executa(QStringLiteral("UPDATE tabChave SET bimreferencia = ?"), {periodo});
    {
        const QStringList noPacote = colunasComuns(b, QStringLiteral("tabChave"));
        QStringList c;
        for (const QString& nome : ColunasChave)
            if (noPacote.contains(aspas(nome), Qt::CaseInsensitive))
                c << aspas(nome);
        b.executa(QStringLiteral("INSERT INTO pacote.tabChave (%1) SELECT %1 FROM main.tabChave").arg(c.join(u',')));
    }
    auto copia = [&](const TabelaPacote& tabela) -> int {
        if (!b.tabelaExiste(tabela.nome))
            return 0;
        const QString c = colunasComuns(b, tabela.nome).join(u',');
        QString sql = QStringLiteral("INSERT INTO pacote.%1 (%2) SELECT %2 FROM main.%1").arg(aspas(tabela.nome), c);
        QVariantList valores;
        switch (tabela.linhas) {
        case L::Periodo:
            sql += QStringLiteral(" WHERE BimReferencia = ?");
            valores << periodo;
            break;
        case L::AnoMes: {
            const QStringList meses = AnoMesAnexo03DoPacote(tipoMenu, periodo);
            QStringList marcas;
            for (const QString& m : meses) {
                marcas << QStringLiteral("?");
                valores << m;
            }
            sql += QStringLiteral(" WHERE AnoMes IN (%1)").arg(marcas.join(u','));
            break;
        }
        case L::Todas:
            break;
        }
        return b.executa(sql, valores).numRowsAffected();
    };
    for (int slot = 1; slot <= 43; ++slot) {
        if (!devido(ctx, slot))
            continue;
        int ultimo = 0;
        for (const SlotPacote& s : SlotsDoPacote())
            if (s.slot == slot)
                for (const TabelaPacote& tabela : s.tabelas)
                    ultimo = copia(tabela);
        porSlot[slot] = ultimo;
        if (ouvinte.slotGravado)
            ouvinte.slotGravado(slot, ultimo);
    }
    for (const QString& tabela : TabelasResponsaveis())
        copia({tabela, L::Periodo});
    t.confirma();
    return porSlot;
}

void gravaResumoEHistorico(Contexto& ctx, const ResultadoPacote& r)
{
    const Banco& b = ctx.BancoOrgao;
    Transacao t(b);
    b.executa(QStringLiteral("DELETE FROM tabResumo"));
    QJsonArray resumo;
    for (const LinhaResumo& l : r.resumo) {
        b.executa(QStringLiteral("INSERT INTO tabResumo (BimReferencia, Anexo, Valor1) VALUES (?, ?, ?)"),
                  {ctx.BimReferencia, l.anexo, l.valor});
        resumo.append(QJsonObject{{"anexo", l.anexo}, {"valor", TextoSimplesResumo(l.valor)}});
    }
    // A body database of an earlier version may not have the history yet.
    b.executa(QStringLiteral("CREATE TABLE IF NOT EXISTS tabEnvios (idEnvio INTEGER NOT NULL PRIMARY KEY, DataHora TEXT NOT NULL, "
                             "BimReferencia TEXT NOT NULL, Usuario TEXT COLLATE NOCASE, Destino TEXT NOT NULL, "
                             "Tamanho INTEGER NOT NULL, Sha256 TEXT NOT NULL, Resumo TEXT NOT NULL)"));
    b.executa(QStringLiteral("INSERT INTO tabEnvios (DataHora, BimReferencia, Usuario, Destino, Tamanho, Sha256, Resumo) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), ctx.BimReferencia,
               ctx.UsuarioAtual, QDir::toNativeSeparators(r.arquivo), r.tamanho, r.sha256,
               QString::fromUtf8(QJsonDocument(resumo).toJson(QJsonDocument::Compact))});
    t.confirma();
}

} // namespace

const std::vector<SlotPacote>& SlotsDoPacote()
{
    static const std::vector<SlotPacote> s = montaSlots();
    return s;
}

const QStringList& TabelasResponsaveis()
{
    static const QStringList t = {"tabResponsavelInformacao", "tabResponsavelPreenchimento", "tabResponsavelContabilidade"};
    return t;
}

QStringList TabelasDoPacote()
{
    QStringList r{QStringLiteral("tabChave")};
    for (const SlotPacote& s : SlotsDoPacote())
        for (const TabelaPacote& t : s.tabelas)
            r << t.nome;
    return r + TabelasResponsaveis();
}

QString NomeArquivoPacote(const QString& periodo)
{
    return QStringLiteral("data") + periodo.mid(4, 2) + periodo.mid(2, 2) + QStringLiteral(".lrf");
}

QStringList AnoMesAnexo03DoPacote(const QString& tipoMenu, const QString& periodo)
{
    const QString bb = periodo.mid(4, 2);
    const int ano = periodo.left(4).toInt();
    const int ultimo = 2 * bb.toInt();
    const QString tipo = tipoMenu.trimmed().toUpper();
    // Bodies that report their twelve months at once in these bimesters.
    const bool dozeMeses = (bb == QStringLiteral("01") && (tipo == QStringLiteral("A") || tipo == QStringLiteral("F")))
        || (bb == QStringLiteral("03") && tipo == QStringLiteral("C"));
    QStringList r;
    if (dozeMeses) {
        for (int i = 0; i < 12; ++i) {
            const int mes = ultimo - i;
            r << (mes >= 1 ? doisDigitos(mes) + QString::number(ano) : doisDigitos(mes + 12) + QString::number(ano - 1));
        }
        return r << QStringLiteral("TOT03") << QStringLiteral("PA03");
    }
    const QString a = periodo.left(4);
    return {doisDigitos(ultimo - 1) + a, doisDigitos(ultimo) + a, QStringLiteral("TOT") + bb, QStringLiteral("PA") + bb};
}

std::vector<LinhaResumo> CalculaResumo(const Contexto& ctx) { return resumoDe(ctx, tipoMenuDe(ctx)); }

QString TextoValorResumo(qint64 valor) { return Moeda::deDecimos(valor).formata(); }

QString TextoSimplesResumo(qint64 valor)
{
    const QString t = Moeda::deDecimos(valor).paraTextoSimples();
    return t.left(t.size() - 2); // the figure has cents only
}

QString Sha256DoArquivo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!h.addData(&f))
        return {};
    return QString::fromLatin1(h.result().toHex());
}

ResultadoPacote GeraPacote(Contexto& ctx, const QString& pastaDestino, const OuvintePacote& ouvinte)
{
    ResultadoPacote r;
    Interacao& ui = ctx.interacao();
    const QString periodo = ctx.BimReferencia.trimmed();
    if (periodo.size() != 6) {
        MostraAviso(ui, QStringLiteral("Não há bimestre aberto para gerar o arquivo."));
        return r;
    }
    if (pastaDestino.trimmed().isEmpty()) {
        MostraAviso(ui, QStringLiteral("Informe a pasta de destino do arquivo."));
        return r;
    }
    const TravaExclusiva trava(ctx.pastaDoOrgao()); // no backup or restore meanwhile
    if (!trava.tomada(ui))
        return r;
    const QDir pasta(ctx.pastaDoOrgao());
    const QString exportacao = pasta.filePath(QStringLiteral("export.mdb"));
    const QString novo = pasta.filePath(QStringLiteral("exportNovo.mdb"));
    const QString compactado = pasta.filePath(QStringLiteral("export2.mdb"));
    const QString nome = NomeArquivoPacote(periodo);
    r.arquivoLocal = pasta.filePath(nome);
    r.arquivo = QDir(QDir(pastaDestino).absolutePath()).filePath(nome);
    ui.cursorOcupado();
    try {
        const QString tipoMenu = tipoMenuDe(ctx);
        informa(ouvinte, QStringLiteral("Gerando banco de dados..."));
        criaBancoPacote(ctx, exportacao, novo);
        {
            Anexado anexado(ctx.BancoOrgao, novo);
            r.registrosPorSlot = preencheBancoPacote(ctx, tipoMenu, ouvinte);
            // Compaction: the package file is rebuilt without free pages, then takes the
            // working name with one rename.
            QFile::remove(compactado);
            ctx.BancoOrgao.executa(QStringLiteral("VACUUM pacote INTO ?"), {compactado});
        }
        QFile::remove(novo);
        if (!SubstituiArquivo(compactado, exportacao)) {
            QFile::remove(compactado);
            throw ErroBanco({QStringLiteral("Pacote"), 0, QStringLiteral("Não foi possível substituir ") + exportacao});
        }
        informa(ouvinte, QStringLiteral("Compactando banco de dados..."));
        QFile::remove(r.arquivoLocal);
        if (const QString falha = CompactaArquivo(exportacao, r.arquivoLocal, QStringLiteral("export.mdb")); !falha.isEmpty())
            throw ErroBanco({QStringLiteral("Pacote"), 0, falha});
    } catch (const ErroBanco& e) {
        QFile::remove(novo);
        QFile::remove(compactado);
        ui.cursorNormal();
        MostraErro(ui, TextoErroGeracao, e.falha());
        return r;
    }
    ui.cursorNormal();
    MostraAviso(ui, QStringLiteral("O sistema agora vai fazer a cópia do banco de dados de exportação. Clique em OK"));
    informa(ouvinte, QStringLiteral("Copiando para ") + QDir::toNativeSeparators(pastaDestino) + QStringLiteral("..."));
    if (!CopiaArquivo(ui, r.arquivoLocal, r.arquivo)) {
        r.copiaFalhou = true;
        informa(ouvinte, QStringLiteral("Problemas na Geração de Disquete. Tente novamente, de preferência com outro Disquete"));
        return r;
    }
    r.tamanho = QFileInfo(r.arquivo).size();
    r.sha256 = Sha256DoArquivo(r.arquivo);
    r.gerado = true;
    informa(ouvinte, QStringLiteral("Gerando relatório das informações..."));
    try {
        r.resumo = resumoDe(ctx, tipoMenuDe(ctx));
        gravaResumoEHistorico(ctx, r);
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Erro ao tentar gravar o resumo das informações."), e.falha());
        return r;
    }
    informa(ouvinte, QStringLiteral("Informações gravadas com sucesso."));
    return r;
}

ResultadoPacote CriticaEGera(Contexto& ctx, const QString& pastaDestino, Problemas& problemas, const OuvintePacote& ouvinte,
                             const FuncaoCriticas& criticas)
{
    informa(ouvinte, QStringLiteral("Verificando críticas à geração de arquivos..."));
    ctx.interacao().cursorOcupado();
    problemas = criticas ? criticas(ctx) : ExecutaCriticas(ctx);
    ctx.interacao().cursorNormal();
    if (!problemas.empty())
        return {};
    return GeraPacote(ctx, pastaDestino, ouvinte);
}

std::vector<Envio> ListaEnvios(const Banco& banco)
{
    std::vector<Envio> r;
    if (!banco.tabelaExiste(QStringLiteral("tabEnvios")))
        return r;
    QSqlQuery q = banco.executa(QStringLiteral("SELECT idEnvio, DataHora, BimReferencia, Usuario, Destino, Tamanho, Sha256, Resumo "
                                               "FROM tabEnvios ORDER BY DataHora DESC, idEnvio DESC"));
    while (q.next()) {
        Envio e{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                q.value(4).toString(), q.value(5).toLongLong(), q.value(6).toString(), {}};
        for (const QJsonValue& v : QJsonDocument::fromJson(q.value(7).toString().toUtf8()).array()) {
            const QJsonObject o = v.toObject();
            const auto valor = Moeda::deTexto(o.value(QStringLiteral("valor")).toString().replace(u'.', u','));
            e.resumo.push_back({o.value(QStringLiteral("anexo")).toString(), valor ? valor->decimos() : 0});
        }
        r.push_back(std::move(e));
    }
    return r;
}
