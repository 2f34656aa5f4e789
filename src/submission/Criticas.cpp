#include "submission/Criticas.h"
#include "core/Anexos.h"
#include "core/Banco.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"
#include "core/Moeda.h"
#include "submission/Procedimento.h"

#include <QSqlError>

namespace criticas {

Procedimento::Procedimento(Contexto& c, Problemas& lista, QString prefixo) : ctx(c), lista_(lista), prefixo_(std::move(prefixo)) {}

void Procedimento::adiciona(const QString& anexo, const QString& item, const QString& mensagem, const QString& solucao,
                            const QString& id, const QString& tabela, const QVariant& linha)
{
    lista_.push_back({anexo, item, mensagem, solucao, prefixo_ + u'.' + id, tabela, linha});
    ++contador_;
}

void Procedimento::paraCada(const QString& sql, const QVariantList& valores,
                            const std::function<void(const QSqlQuery&)>& porLinha) const
{
    QSqlQuery q = ctx.BancoOrgao.executa(sql, valores);
    while (q.next())
        porLinha(q);
}

bool Procedimento::temMovimento(const QString& tabela) const
{
    return ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM ") + tabela + QStringLiteral(" WHERE BimReferencia = ? LIMIT 1"),
                                 {periodo()});
}

void Procedimento::movimentoPresente(const QString& titulo, const QString& tabela, const QString& mensagem, const QString& solucao)
{
    if (!temMovimento(tabela))
        adiciona(titulo, {}, mensagem, solucao, QStringLiteral("sem-movimento"), tabela);
}

void Procedimento::linhasInvalidas(const QString& titulo, const QString& movimento, const QString& campos, bool depoisMovimento)
{
    paraCada(QStringLiteral("SELECT rowid, Campo FROM ") + movimento
                 + QStringLiteral(" WHERE BimReferencia = ? AND Campo NOT IN (SELECT campo FROM ") + campos
                 + QStringLiteral(") ORDER BY rowid"),
             {periodo()}, [&](const QSqlQuery& q) {
                 adiciona(titulo, QStringLiteral("Campo: ") + Texto(q, 1),
                          QStringLiteral(" - Foi digitado um movimento para um campo inválido."),
                          QStringLiteral("Excluir o(s) registro(s) com este campo."), QStringLiteral("campo-invalido"), movimento,
                          q.value(0));
             });
    if (depoisMovimento && contador_ == 0)
        movimentoPresente(titulo, movimento);
}

void Procedimento::movimentoConfirmado(const QString& titulo, const QString& tabela, const QString& numeroAnexo,
                                       const QString& mensagem, const QString& solucao)
{
    if (temMovimento(tabela))
        return;
    if (!ctx.interacao().pergunta(TituloMensagem, PerguntaSemMovimento(numeroAnexo)))
        adiciona(titulo, {}, mensagem, solucao, QStringLiteral("sem-movimento"), tabela);
}

QString PerguntaSemMovimento(const QString& numeroAnexo)
{
    return QStringLiteral("Movimento não encontrado para o Anexo ") + numeroAnexo
        + QStringLiteral(".\nDeseja prosseguir com a geração dos dados ?");
}

QString Texto(const QSqlQuery& q, int coluna)
{
    const QVariant v = q.value(coluna);
    return v.isNull() ? QString() : v.toString();
}

namespace {

// The two bimester digits and the year of the open period ("201203" -> "03", "2012").
QString bimestre(const Contexto& ctx) { return ctx.BimReferencia.mid(4, 2); }
QString ano(const Contexto& ctx) { return ctx.BimReferencia.left(4); }
bool devido(const Contexto& ctx, int slot) { return ctx.anexosDevidos[size_t(slot)] == 1; }

// Anexo I: revenue and expense present, and every code of their lines in the period's registers.
void criticaAnexo1(Procedimento& p)
{
    const QString receita = QStringLiteral("I - Receita");
    const QString despesa = QStringLiteral("I - Despesa");
    const QString fonte = QStringLiteral("Número da Fonte: ");
    const QString semFonte = QStringLiteral(" - Fonte de Recursos Não Cadastrada");
    const QString cadastreFonte = QStringLiteral("Cadastrar a Fonte de Recursos : Fonte = ");
    const QVariantList periodo2{p.periodo(), p.periodo()};

    if (!p.temMovimento(QStringLiteral("tabReceitaMovimento")))
        p.adiciona(receita, {}, QStringLiteral("Movimento de Receita não informado."),
                   QStringLiteral("Digitar informações de Receita do Anexo I."), QStringLiteral("receita-sem-movimento"),
                   QStringLiteral("tabReceitaMovimento"));
    p.paraCada(QStringLiteral("SELECT r.rowid, r.FonteRecursos FROM tabReceitaMovimento r WHERE r.bimreferencia = ?"
                              " AND NOT EXISTS (SELECT 1 FROM tabFonte f WHERE f.Fonte = r.FonteRecursos AND f.bimreferencia = ?)"
                              " ORDER BY r.rowid"),
               periodo2, [&](const QSqlQuery& q) {
                   p.adiciona(receita, fonte + Texto(q, 1), semFonte, cadastreFonte + Texto(q, 1),
                              QStringLiteral("fonte-receita"), QStringLiteral("tabReceitaMovimento"), q.value(0));
               });

    if (!p.temMovimento(QStringLiteral("tabDespesaMovimento")))
        p.adiciona(despesa, {}, QStringLiteral("Movimento não informado."), QStringLiteral("Digitar informações de Despesa do Anexo I."),
                   QStringLiteral("despesa-sem-movimento"), QStringLiteral("tabDespesaMovimento"));

    // Each register the expense lines name: the missing entry, and the problem of each line.
    struct Registro {
        const char* id;
        const char* colunas;   // what the problem quotes, after the rowid
        const char* existe;    // the register entry of the line d
        bool doPeriodo;        // the register is kept by period: its "?" is the open one
        QString item;
        QString mensagem;
        QString solucao;       // followed by the first quoted column
        QString entre;         // between the first and the second column, when there is one
    };
    const Registro registros[] = {
        {"fonte-despesa", "d.Codigo_FontedeRecursos",
         "SELECT 1 FROM tabFonte f WHERE f.Fonte = d.Codigo_FontedeRecursos AND f.bimreferencia = ?", true, fonte, semFonte,
         cadastreFonte, {}},
        {"institucional", "d.Codigo_ClassInstitucional",
         "SELECT 1 FROM tabInstitucional i WHERE i.codigo = d.Codigo_ClassInstitucional AND i.bimreferencia = ?", true,
         QStringLiteral("Número da Classificação Institucional: "), QStringLiteral(" - Classificação Institucional Não Cadastrada"),
         QStringLiteral("Cadastrar a Classificação Institucional :  = "), {}},
        // Sub-functions are the exercise's catalogue, the same in every period.
        {"subfuncao", "d.Codigo_SubFuncao", "SELECT 1 FROM tabDespFuncSubFuncao s WHERE s.Codigo = d.Codigo_SubFuncao", false,
         QStringLiteral("Número da Sub Função: "), QStringLiteral(" - Sub Função Não Cadastrada"),
         QStringLiteral("Cadastrar a Sub Função  : Sub Função = "), {}},
        {"projeto", "d.Codigo_Programa, d.Codigo_Atividade",
         "SELECT 1 FROM tabProjeto j WHERE j.Programa = d.Codigo_Programa AND j.Projeto = d.Codigo_Atividade AND j.Bimreferencia = ?", true,
         QStringLiteral("Número do Projeto/Atividade: "), QStringLiteral(" - Projeto/Atividade Não Cadastrado"),
         QStringLiteral("Cadastrar o Projeto/Atividade  : programa = "), QStringLiteral(" e Projeto/Atividade ")},
    };
    for (const Registro& r : registros) {
        const bool dois = !r.entre.isEmpty();
        p.paraCada(QStringLiteral("SELECT d.rowid, %1 FROM tabDespesaMovimento d WHERE d.BimReferencia = ? AND NOT EXISTS (%2)"
                                  " ORDER BY d.rowid")
                       .arg(QLatin1String(r.colunas), QLatin1String(r.existe)),
                   r.doPeriodo ? periodo2 : QVariantList{p.periodo()}, [&](const QSqlQuery& q) {
                       const QString codigo = Texto(q, dois ? 2 : 1);
                       const QString solucao = dois ? r.solucao + Texto(q, 1) + r.entre + codigo : r.solucao + codigo;
                       p.adiciona(despesa, r.item + codigo, r.mensagem, solucao, QString::fromLatin1(r.id),
                                  QStringLiteral("tabDespesaMovimento"), q.value(0));
                   });
    }
}

// Anexo II: the expense by function sums what the expense lines sum (nothing on both sides too).
void criticaAnexo2(Procedimento& p)
{
    QSqlQuery q = p.ctx.BancoOrgao.executa(
        QStringLiteral("SELECT (SELECT SUM(ValorLiqBimestre) FROM tabDespFuncMovimento WHERE Bimreferencia = ?),"
                       " (SELECT SUM(ValorLiqBimestre) FROM tabDespesaMovimento WHERE BimReferencia = ?)"),
        {p.periodo(), p.periodo()});
    q.next();
    const qlonglong porFuncao = q.value(0).toLongLong(), total = q.value(1).toLongLong(); // an empty sum is 0
    q = QSqlQuery();
    if (porFuncao != total)
        p.adiciona(QStringLiteral("I - Despesa / II - Desp. por Função"), {},
                   QStringLiteral("Valor(es) do Anexo 2 não confere(m) com o(s) de Despesa."),
                   QStringLiteral("Consolidar dados de Despesa com o Anexo II."), QStringLiteral("soma-despesa"),
                   QStringLiteral("tabDespFuncMovimento"));
    if (p.contador() == 0)
        p.movimentoPresente(QStringLiteral("II - Desp. por Função"), QStringLiteral("tabDespFuncMovimento"));
}

// Anexo III: keyed by month, its lines checked over every month; line 222 is no line any more.
void criticaAnexo3(Procedimento& p)
{
    const QString titulo = QStringLiteral("III - Rec. Corrente Líquida");
    {
        Transacao t(p.ctx.BancoOrgao);
        p.ctx.BancoOrgao.executa(QStringLiteral("DELETE FROM tabAnexo03Campos WHERE campo = ?"), {QStringLiteral("222")});
        t.confirma();
    }
    p.paraCada(QStringLiteral("SELECT rowid, campo FROM tabAnexo03Movimento WHERE campo NOT IN (SELECT campo FROM tabAnexo03Campos)"
                              " ORDER BY rowid"),
               {}, [&](const QSqlQuery& q) {
                   p.adiciona(titulo, QStringLiteral("Campo: ") + Texto(q, 1),
                              QStringLiteral(" - Foi digitado um movimento para um campo inválido."),
                              QStringLiteral("Excluir o(s) registro(s) com este campo."), QStringLiteral("campo-invalido"),
                              QStringLiteral("tabAnexo03Movimento"), q.value(0));
               });
    if (p.contador() == 0
        && !p.ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabAnexo03Movimento WHERE anomes = ? LIMIT 1"),
                                    {bimestre(p.ctx) + ano(p.ctx)}))
        p.adiciona(titulo, {}, Procedimento::MensagemSemMovimento, Procedimento::SolucaoSemMovimento,
                   QStringLiteral("sem-movimento"), QStringLiteral("tabAnexo03Movimento"));
}

// The RCL of Anexo 03 as of the bimester (its twelve-month total of line 3); 0 without it.
Moeda rclDoAnexo03(const Contexto& ctx)
{
    const QVariant v = ctx.BancoOrgao.valor(QStringLiteral("SELECT valor FROM tabAnexo03Movimento WHERE anomes = ? AND campo = ?"),
                                            {QStringLiteral("TOT") + bimestre(ctx), QStringLiteral("3")});
    return Moeda::deDecimos(v.toLongLong());
}

void rclDiferente(Procedimento& p, const QString& titulo, const QString& gravada, const Moeda& rcl, const QString& solucao,
                  const QString& tabela, const QVariant& linha)
{
    p.adiciona(titulo, {},
               QStringLiteral("Valor da RCL gravada (") + gravada + QStringLiteral(") não confere com o Anexo 3 (") + rcl.formata()
                   + QStringLiteral("). "),
               solucao, QStringLiteral("rcl"), tabela, linha);
}

// Anexo XV: the RCL line (11 in the period 200902, 14 since) agrees with Anexo 03.
void criticaAnexo15(Procedimento& p)
{
    const QString tabela = QStringLiteral("tabAnexo15Movimento");
    if (devido(p.ctx, 3)) {
        const Moeda rcl = rclDoAnexo03(p.ctx);
        QSqlQuery q = p.ctx.BancoOrgao.executa(QStringLiteral("SELECT rowid, Ult12Mes FROM tabAnexo15Movimento WHERE BimReferencia = ? AND Campo = ?"),
                                               {p.periodo(), p.periodo() == QStringLiteral("200902") ? 11 : 14});
        if (q.next()) {
            const Moeda gravada = Moeda::deDecimos(q.value(1).toLongLong());
            if (gravada != rcl)
                rclDiferente(p, QStringLiteral("XV - Despesa com Pessoal / III - RCL"), gravada.formata(), rcl,
                             QStringLiteral("Atualizar valor da RCL no Anexo XV."), tabela, q.value(0));
        }
    }
    if (p.contador() == 0)
        p.movimentoPresente(QStringLiteral("XV - Despesa com Pessoal"), tabela);
}

// Anexo XXII-B: its lines, then its line 1 (kept as the text shown) against the RCL of Anexo 03.
void criticaAnexo22B(Procedimento& p)
{
    const QString titulo = QStringLiteral("XXII - Limites");
    const QString tabela = QStringLiteral("tabAnexo22bMovimento");
    p.linhasInvalidas(titulo, tabela, QStringLiteral("tabAnexo22bCampos"), false);
    if (devido(p.ctx, 3)) {
        const Moeda rcl = rclDoAnexo03(p.ctx);
        QSqlQuery q = p.ctx.BancoOrgao.executa(QStringLiteral("SELECT rowid, Valor FROM tabAnexo22bMovimento WHERE BimReferencia = ? AND Campo = 1"),
                                               {p.periodo()});
        if (q.next()) {
            const QString texto = Texto(q, 1).trimmed();
            const auto gravada = texto.isEmpty() ? std::optional<Moeda>(Moeda()) : Moeda::deTexto(texto);
            if (!gravada || *gravada != rcl)
                rclDiferente(p, QStringLiteral("XXII - Limites / III - RCL"), gravada ? gravada->formata() : texto, rcl,
                             QStringLiteral("Atualizar valor da RCL no Anexo XXII."), tabela, q.value(0));
        }
    }
    if (p.contador() == 0)
        p.movimentoPresente(titulo, tabela);
}

// The responsible persons of the period, the manager's function that the kind of body asks,
// and the body's tax number. Its problems have a title and a message.
void criticaResponsaveis(Procedimento& p)
{
    const QString semRegistro = QStringLiteral("Registro não encontrado para o cadastro de responsável.");
    const QString informacao = QStringLiteral("Resp. pela Informação");
    QSqlQuery q = p.ctx.BancoOrgao.executa(
        QStringLiteral("SELECT rowid, funcao FROM tabResponsavelInformacao WHERE bimreferencia = ? ORDER BY rowid LIMIT 1"), {p.periodo()});
    if (!q.next()) {
        p.adiciona(informacao, {}, semRegistro, {}, QStringLiteral("informacao-ausente"), QStringLiteral("tabResponsavelInformacao"));
    } else {
        static const struct {
            QChar letra;
            const char* funcao;
            const char* nome;
        } dirigentes[] = {{u'P', "PREFEITO", "Prefeito"},
                          {u'I', "PRESIDENTE DE ÓRGÃO", "Presidente de Órgão"},
                          {u'C', "PRESIDENTE DE CÂMARA", "Presidente de Câmara"}};
        const QString funcao = Texto(q, 1).trimmed();
        const QChar letra = p.ctx.CodigoOrgao.trimmed().isEmpty() ? QChar() : p.ctx.CodigoOrgao.trimmed().at(0).toUpper();
        for (const auto& d : dirigentes)
            if (d.letra == letra && funcao.compare(QString::fromUtf8(d.funcao), Qt::CaseInsensitive) != 0)
                p.adiciona(informacao, {},
                           QStringLiteral("A função no cadastro de Dirigente do Orgão deve ser ") + QString::fromUtf8(d.nome)
                               + QStringLiteral(" e os dados devem ser do mesmo."),
                           {}, QStringLiteral("informacao-funcao"), QStringLiteral("tabResponsavelInformacao"), q.value(0));
    }
    q = QSqlQuery();
    // The other two are not kept by period: any row will do.
    if (!p.ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabResponsavelPreenchimento LIMIT 1")))
        p.adiciona(QStringLiteral("Resp. pelo Preenchimento"), {}, semRegistro, {}, QStringLiteral("preenchimento-ausente"),
                   QStringLiteral("tabResponsavelPreenchimento"));
    if (!p.ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabResponsavelContabilidade LIMIT 1")))
        p.adiciona(QStringLiteral("Resp. pela Contabilidade"), {}, semRegistro, {}, QStringLiteral("contabilidade-ausente"),
                   QStringLiteral("tabResponsavelContabilidade"));

    q = p.ctx.BancoOrgao.executa(QStringLiteral("SELECT rowid, CGC FROM tabChave LIMIT 1"));
    if (q.next() && (q.value(1).isNull() || !ValidaCNPJ(SomenteDigitos(q.value(1).toString()))))
        p.adiciona(QStringLiteral("Órgão"), {}, QStringLiteral("CGC inválido para o órgão."),
                   QStringLiteral("Retornar à tela de Configuração do Sistema."), QStringLiteral("cgc-invalido"),
                   QStringLiteral("tabChave"), q.value(0));
}

// The checks in the order of the run. A statement checked by a pattern only is a line of data.
struct Passo {
    int slot;
    std::function<void(Procedimento&)> executa;
};

QString tabelaMovimento(int slot) { return QStringLiteral("tabAnexo") + AnexoDoSlot(slot)->numero.toLower() + QStringLiteral("Movimento"); }
QString tabelaCampos(int slot) { return QStringLiteral("tabAnexo") + AnexoDoSlot(slot)->numero.toLower() + QStringLiteral("Campos"); }

Passo padraoA(int slot, const char* titulo)
{
    return {slot, [slot, titulo](Procedimento& p) { p.movimentoPresente(QString::fromUtf8(titulo), tabelaMovimento(slot)); }};
}
Passo padraoB(int slot, const char* titulo)
{
    return {slot, [slot, titulo](Procedimento& p) {
                p.linhasInvalidas(QString::fromUtf8(titulo), tabelaMovimento(slot), tabelaCampos(slot));
            }};
}

const std::vector<Passo>& passos()
{
    static const std::vector<Passo> lista = {
        {1, criticaAnexo1},
        {2, criticaAnexo2},
        {3, criticaAnexo3},
        padraoB(4, "IV - Rec. e Desp. Previdenciárias"),
        padraoB(5, "V - Resultado Nominal"),
        padraoB(6, "VI - Resultado Primário"),
        padraoB(8, "VIII - Despesa de Capital"),
        {9, [](Procedimento& p) { p.movimentoConfirmado(QStringLiteral("IX - Regime de Previdência"), tabelaMovimento(9), QStringLiteral("09")); }},
        padraoB(10, "X - Alienação de Ativos"),
        padraoA(12, "XII - Receita de Impostos"),
        {13, CriticaAnexo13},
        {14, CriticaAnexo14},
        {15, criticaAnexo15},
        padraoB(16, "XVI - Dívida Cons. Líquida"),
        padraoB(17, "XVII - Garantias"),
        padraoB(18, "XVIII - Operações de Crédito"),
        padraoA(19, "XIX - Disponibilidade de Caixa"),
        {20, [](Procedimento& p) {
             p.movimentoConfirmado(QStringLiteral("XX - Dem.Restos a Pagar"), tabelaMovimento(20), QStringLiteral("20"),
                                   QStringLiteral("Movimento do Anexo 20 não informado."), QStringLiteral("Digitar informações do Anexo XX"));
         }},
        padraoA(22, "XXII - RREO"),
        {23, criticaAnexo22B},
        padraoA(25, "XXIV - Desp. Legislativo"),
        {27, CriticaAnexo26},
        padraoA(30, "XXIX - Demonstrativo das Metas Anuais"),
        padraoA(31, "XXX - Avaliação do cumprimento das metas fiscais do exerc. Anterior"),
        padraoA(32, "XXXI - Metas fiscais atuais comparadas com as fixadas nos três exerc. anteriores"),
        padraoA(33, "XXXII - Evolução do patrimônio líquido"),
        padraoA(34, "XXXIII - Origem E Aplicação Dos Recursos Obtidos Com A Alienação De Ativos"),
        padraoA(36, "XXXV - Estimativa E Compensação Da Renúncia De Receita"),
        padraoA(37, "XXXVI - Margem de expansão das despesas obrigatórias de caráter continuado"),
        padraoA(38, "XXXVII - Demonstrativo De Riscos Fiscais e Providências"),
    };
    return lista;
}

// Runs one procedure with its own counter. A database failure ends it and the run goes on;
// the check that could not finish is itself a problem, so that it still blocks the package.
void executa(Contexto& ctx, Problemas& lista, const QString& prefixo, const QString& nome,
             const std::function<void(Procedimento&)>& procedimento)
{
    Procedimento p(ctx, lista, prefixo);
    try {
        procedimento(p);
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro nas críticas de ") + nome + QStringLiteral(": as demais críticas continuam."),
                   e.falha());
        p.adiciona(nome, QString(), QStringLiteral(" - A crítica não pôde ser concluída: ") + e.falha().descricao,
                   QStringLiteral("Verificar o banco de dados do órgão (Backup/Restaurar) e gerar novamente."), QStringLiteral("falha"));
    }
}

} // namespace
} // namespace criticas

using namespace criticas;

Problemas ExecutaCriticas(Contexto& ctx)
{
    Problemas lista;
    for (const Passo& passo : passos())
        if (devido(ctx, passo.slot)) {
            const DefinicaoAnexo* anexo = AnexoDoSlot(passo.slot);
            executa(ctx, lista, anexo->numero.toLower(), QStringLiteral("Anexo ") + anexo->numero, passo.executa);
        }
    executa(ctx, lista, QStringLiteral("resp"), QStringLiteral("Responsáveis"), criticaResponsaveis);
    return lista;
}

bool VerificaOrgao(Contexto& ctx)
{
    try {
        const QVariant codigo = ctx.BancoOrgao.valor(QStringLiteral("SELECT Codigo_tabOrgaos FROM tabChave"));
        if (!codigo.isValid() || codigo.isNull() || codigo.toString().compare(ctx.CodigoOrgao, Qt::CaseInsensitive) == 0)
            return true;
        const QVariant outro = ctx.BancoOrgao.valor(QStringLiteral("SELECT descricao FROM tabOrgaos WHERE Codigo = ?"), {codigo});
        if (!outro.isValid())
            return true;
        MostraAviso(ctx.interacao(), QStringLiteral("Ha incompatibilida dos dados do orgão, pois o mesmo esta sendo gerado para ")
                                         + outro.toString()
                                         + QStringLiteral(" entre em contato com Vantor para maiores informações, pois o disquete não poderá ser gerado."));
        return false;
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao verificar o órgão."), e.falha());
        return false;
    }
}

Problemas Critica11(Contexto&) { return {}; }

QString DescricaoProblema(const Problema& p) { return p.item + p.mensagem; }

void GravaProblemas(const Banco& banco, const Problemas& problemas)
{
    Transacao t(banco);
    banco.executa(QStringLiteral("DELETE FROM tabProblemas"));
    QSqlQuery q(banco.db());
    if (!q.prepare(QStringLiteral("INSERT INTO tabProblemas (Anexo, Descricao, Solucao) VALUES (?, ?, ?)")))
        throw ErroBanco({QStringLiteral("Banco"), 0, q.lastError().text()});
    for (const Problema& p : problemas) {
        q.addBindValue(p.anexo);
        q.addBindValue(DescricaoProblema(p));
        q.addBindValue(p.solucao);
        if (!q.exec())
            throw ErroBanco({QStringLiteral("Banco"), 0, q.lastError().text()});
    }
    t.confirma();
}

QString Say(const QString& texto)
{
    constexpr int largura = 105;
    if (texto.trimmed().isEmpty())
        return QStringLiteral(" ");
    if (texto.size() <= largura)
        return texto;
    QString r;
    for (qsizetype i = 0; i < texto.size(); i += largura)
        r += texto.mid(i, largura) + QStringLiteral("\r\n");
    return r;
}
