// The checks of the registers of acts: procurement (XIII), commitments (XIV), bank accounts (XXVI).
#include "core/Banco.h"
#include "core/Moeda.h"
#include "registers/Empenhos.h"
#include "submission/Procedimento.h"

#include <QSqlRecord>

namespace criticas {

void CriticaAnexo13(Procedimento& p)
{
    // Children of the period whose parent is missing (the parent in any period).
    static const struct {
        const char* id;
        const char* tabela;
        const char* colunas;  // rowid, the item's column, the remedy's column
        const char* pai;      // the parent of row c
        const char* titulo;
        const char* item;
        const char* mensagem;
        const char* solucao;
    } orfaos[] = {
        {"participante-sem-licitacao", "tabAnexo13ItensMovimento", "c.NumeroDocumento, c.NumeroProcesso",
         "SELECT 1 FROM tabAnexo13Movimento l WHERE l.idLicitacao = c.idLicitacao", "XIII - Participantes",
         "Documento do Participante: ", " - Licitação não cadastrada", "Cadastrar a Licitação : Processo = "},
        {"contrato-sem-participante", "tabAnexo13Contratos", "c.NumeroContrato, c.NumeroDocumento",
         "SELECT 1 FROM tabAnexo13ItensMovimento i WHERE i.idParticipante = c.idParticipante", "XIII - Contratos",
         "Número do Contrato: ", " - Participante Não Cadastrado", "Cadastrar o Participante : Numero do Documento = "},
        {"aditivo-sem-contrato", "tabAnexo13Aditivos", "c.NumeroAditivo, c.NumeroContrato",
         "SELECT 1 FROM tabAnexo13Contratos t WHERE t.idContrato = c.idContrato", "XIII - Aditivos",
         "Número do Aditivo: ", " - Contrato Não Cadastrado", "Cadastrar o Contrato : Número do Contrato = "},
    };
    for (const auto& o : orfaos) {
        const QString tabela = QString::fromLatin1(o.tabela);
        p.paraCada(QStringLiteral("SELECT c.rowid, %1 FROM %2 c WHERE c.BimReferencia = ? AND NOT EXISTS (%3) ORDER BY c.rowid")
                       .arg(QLatin1String(o.colunas), tabela, QLatin1String(o.pai)),
                   {p.periodo()}, [&](const QSqlQuery& q) {
                       p.adiciona(QString::fromUtf8(o.titulo), QString::fromUtf8(o.item) + Texto(q, 1), QString::fromUtf8(o.mensagem),
                                  QString::fromUtf8(o.solucao) + Texto(q, 2), QString::fromLatin1(o.id), tabela, q.value(0));
                   });
    }
}

namespace {

// What a required-field test asks of a value. The query hands the validators only the rows that
// SQL cannot prove complete, with plain comparisons (no function per row where one will do);
// the validators decide.
enum class Exige { Texto, Chave, Data, Numero };
struct Exigido {
    const char* coluna;
    Exige exige;
};

// A text whose first character lies between "!" and U+0080 holds something trimming keeps.
const QString AlemDoAscii = QString(QChar(0x80));
const QString QualquerInteiro = QStringLiteral("BETWEEN -9223372036854775808 AND 9223372036854775807");

// "Some required value of the row may be missing or malformed", with its bound values.
QString talvezIncompleto(const std::vector<Exigido>& campos, QVariantList& valores)
{
    QStringList partes;
    for (const Exigido& e : campos) {
        const QString c = QLatin1String(e.coluna);
        switch (e.exige) {
        case Exige::Texto:
            partes << QStringLiteral("NOT coalesce(%1 >= '!' AND %1 < ?, 0)").arg(c);
            valores << AlemDoAscii;
            break;
        case Exige::Chave: // a number, or a text as above
            partes << QStringLiteral("NOT coalesce(%1 %2 OR (%1 >= '!' AND %1 < ?), 0)").arg(c, QualquerInteiro);
            valores << AlemDoAscii;
            break;
        case Exige::Data: { // "dd/mm/yyyy" with a day its month has
            const QString dia = QStringLiteral("substr(%1, 1, 2)").arg(c), mes = QStringLiteral("substr(%1, 4, 2)").arg(c);
            const QString ano = QStringLiteral("CAST(substr(%1, 7, 4) AS INTEGER)").arg(c);
            partes << QStringLiteral("NOT coalesce(%1 GLOB '[0-3][0-9]/[01][0-9]/[12][0-9][0-9][0-9]' AND %2 BETWEEN '01' AND '12'"
                                     " AND %3 BETWEEN '01' AND CASE %2 WHEN '02' THEN CASE WHEN %4 % 4 = 0 AND (%4 % 100 <> 0 OR %4 % 400 = 0)"
                                     " THEN '29' ELSE '28' END WHEN '04' THEN '30' WHEN '06' THEN '30' WHEN '09' THEN '30' WHEN '11' THEN '30'"
                                     " ELSE '31' END, 0)")
                          .arg(c, mes, dia, ano);
            break;
        }
        case Exige::Numero:
            partes << QStringLiteral("NOT coalesce(%1 %2, 0)").arg(c, QualquerInteiro);
            break;
        }
    }
    return partes.join(QStringLiteral(" OR "));
}

struct Registro14 {
    const char* id;
    const char* tabela;
    std::vector<Exigido> campos;  // what the validator tests
    const char* titulo;
    const char* item;             // followed by the column below
    const char* colunaItem;
    const char* solucao;
    std::function<QString(const QSqlRecord&)> valida;
};

const std::vector<Registro14>& registros14()
{
    using E = Exige;
    static const std::vector<Registro14> r = {
        {"empenho-incompleto", "tabAnexo14Movimento",
         {{"NumeroEmpenho", E::Texto}, {"NumeroProcesso", E::Texto}, {"Tipo", E::Texto}, {"ElementoDespesa", E::Texto},
          {"FonteRecurso", E::Texto}, {"TipoDocumento", E::Texto}, {"NumeroDocumento", E::Texto}, {"NomeCredor", E::Texto},
          {"DataEmpenho", E::Data}, {"ValorEmpenhado", E::Numero}},
         "XIV - Empenhos", "Empenho: ", "NumeroEmpenho", "Preencha os Dados do Empenho Corretamente ",
         [](const QSqlRecord& x) { return ValidaAnexo14Empenho(CamposEmpenho::de(x)); }},
        {"pagamento-incompleto", "tabAnexo14Pagamentos",
         {{"NumeroEmpenho", E::Texto}, {"NumeroOBCheque", E::Texto}, {"DataPagamento", E::Data}, {"ValorPago", E::Numero},
          {"idContaCorrente", E::Chave}},
         "XIV - Pagamentos", "Pagamento: ", "NumeroOBCheque", "Preencha os Dados do Pagamento Corretamente ",
         [](const QSqlRecord& x) { return ValidaAnexo14Pagamento(CamposPagamento::de(x)); }},
        {"anulacao-incompleta", "tabAnexo14Anulacoes",
         {{"NumeroEmpenho", E::Texto}, {"NotaAnulacao", E::Texto}, {"ValorAnulado", E::Numero}, {"DataAnulacao", E::Data}},
         "XIV - Anulação de Empenhos", "Anulação: ", "NotaAnulacao", "Preencha os Dados da Anulação Corretamente ",
         [](const QSqlRecord& x) { return ValidaAnexo14Anulacao(CamposAnulacao::de(x)); }},
        {"anulacao-pagamento-incompleta", "tabAnexo14AnulacaoPagamento",
         {{"NumeroOBCheque", E::Texto}, {"NotaAnulacao", E::Texto}, {"ValorAnulacao", E::Numero}, {"DataAnulacao", E::Data}},
         "XIV - Anulação de Pagamentos", "Anulação: ", "NotaAnulacao", "Preencha os Dados da Anulação Corretamente ",
         [](const QSqlRecord& x) { return ValidaAnexo14AnulacaoPagamento(CamposAnulacaoPagamento::de(x)); }},
    };
    return r;
}

QString comDuasCasas(const QVariant& decimos) { return Moeda::deDecimos(decimos.toLongLong()).formata(); }

} // namespace

void CriticaAnexo14(Procedimento& p)
{
    // 1. Every record of the period as the editor would accept it.
    for (const Registro14& r : registros14()) {
        const QString tabela = QString::fromLatin1(r.tabela);
        QVariantList valores{p.periodo()};
        const QString talvez = talvezIncompleto(r.campos, valores);
        p.paraCada(QStringLiteral("SELECT rowid AS chaveCritica, * FROM %1 WHERE BimReferencia = ? AND (%2) ORDER BY rowid").arg(tabela, talvez),
                   valores, [&](const QSqlQuery& q) {
                       const QSqlRecord registro = q.record();
                       const QString mensagem = r.valida(registro);
                       if (mensagem.isEmpty())
                           return;
                       const QVariant item = registro.value(QLatin1String(r.colunaItem));
                       p.adiciona(QString::fromUtf8(r.titulo), QString::fromUtf8(r.item) + (item.isNull() ? QString() : item.toString()),
                                  mensagem, QString::fromUtf8(r.solucao), QString::fromLatin1(r.id), tabela, q.value(0));
                   });
    }

    // 2. No commitment paid and annulled beyond what was committed, up to the open period.
    const QString periodo = p.periodo();
    p.paraCada(QStringLiteral(
                   "SELECT e.idEmpenho, e.NumeroEmpenho FROM tabAnexo14Movimento e WHERE e.BimReferencia = ?"
                   " AND coalesce((SELECT m.ValorEmpenhado FROM tabAnexo14Movimento m WHERE m.NumeroEmpenho = e.NumeroEmpenho"
                   "               ORDER BY m.idEmpenho LIMIT 1), 0)"
                   "   + coalesce((SELECT sum(ap.ValorAnulacao) FROM tabAnexo14Pagamentos pg"
                   "               JOIN tabAnexo14AnulacaoPagamento ap ON ap.idPagamento = pg.idPagamento"
                   "               WHERE pg.NumeroEmpenho = e.NumeroEmpenho AND ap.BimReferencia <= ?), 0)"
                   " < coalesce((SELECT sum(pg.ValorPago) FROM tabAnexo14Pagamentos pg"
                   "             WHERE pg.NumeroEmpenho = e.NumeroEmpenho AND pg.BimReferencia <= ?), 0)"
                   "   + coalesce((SELECT sum(a.ValorAnulado) FROM tabAnexo14Anulacoes a"
                   "               WHERE a.NumeroEmpenho = e.NumeroEmpenho AND a.BimReferencia <= ?), 0)"
                   " ORDER BY e.idEmpenho"),
               {periodo, periodo, periodo, periodo}, [&](const QSqlQuery& q) {
                   p.adiciona(QStringLiteral("XIV - Empenhos/Pagamentos/Anulações"), QStringLiteral("Empenho: ") + Texto(q, 1),
                              QStringLiteral(" - Soma de pagamentos e anulações maior que o valor empenhado."),
                              QStringLiteral("Corriga o valor pago ou o valor anulado no bimestre."), QStringLiteral("saldo-empenho"),
                              QStringLiteral("tabAnexo14Movimento"), q.value(0));
               });

    // 3. Commitments above the procurement limit, outside personnel, debt and the listed
    // elements, whose process occurs in no procurement's number. An equal number is looked up
    // first, so only the others are compared with every procurement.
    const bool outroOrgao = p.ctx.CodigoOrgao.trimmed().startsWith(u'I', Qt::CaseInsensitive);
    const qint64 limite = outroOrgao ? 16000 : 8000;
    const QString limiteTexto = QString::number(limite) + QStringLiteral(",00");
    p.paraCada(QStringLiteral(
                   "SELECT t1.idEmpenho, t1.NumeroEmpenho, t1.ValorEmpenhado FROM tabAnexo14Movimento t1"
                   " WHERE t1.BimReferencia = ? AND t1.ValorEmpenhado > ?"
                   " AND substr(t1.ElementoDespesa, 1, 2) NOT IN ('31', '32', '33', '36', '37', '38', '39')"
                   " AND substr(t1.ElementoDespesa, 5, 2) NOT IN ('14', '51', '71', '77', '91')"
                   " AND NOT EXISTS (SELECT 1 FROM tabAnexo13Movimento t2 WHERE t2.NumeroProcesso = trim(t1.ProcessoLicitacao))"
                   " AND NOT EXISTS (SELECT 1 FROM tabAnexo13Movimento t2"
                   "                 WHERE instr(upper(t2.NumeroProcesso), upper(coalesce(trim(t1.ProcessoLicitacao), 'XYZ'))) > 0)"
                   " ORDER BY t1.idEmpenho"),
               {periodo, limite * Moeda::Escala}, [&](const QSqlQuery& q) {
                   p.adiciona(QStringLiteral("XIII - Licitações / XIV - Empenhos"), QStringLiteral("Empenho: ") + Texto(q, 1),
                              QStringLiteral(" - Valor do empenho (") + comDuasCasas(q.value(2)) + QStringLiteral(") maior que R$")
                                  + limiteTexto + QStringLiteral(" s/ processo de licitação"),
                              QStringLiteral("Verif. empenhos e cadastrar licitação destes."), QStringLiteral("empenho-sem-licitacao"),
                              QStringLiteral("tabAnexo14Movimento"), q.value(0));
               });

    // 4. Payments of the period on elements that carry an invoice, without its number.
    p.paraCada(QStringLiteral(
                   "SELECT pg.idPagamento, m.NumeroEmpenho FROM tabAnexo14Pagamentos pg"
                   " JOIN tabAnexo14Movimento m ON m.NumeroEmpenho = pg.NumeroEmpenho"
                   " WHERE pg.BimReferencia = ? AND (pg.NumeroNotaFiscal IS NULL OR pg.NumeroNotaFiscal = '')"
                   " AND substr(m.ElementoDespesa, 2, 1) <> '5' AND substr(m.ElementoDespesa, 2, 1) <> '6'"
                   " AND substr(m.ElementoDespesa, 1, 2) NOT IN ('31', '32', '99')"
                   " AND substr(m.ElementoDespesa, 5, 2) IN ('30', '32', '37', '39', '51', '52', '62')"
                   " ORDER BY pg.idPagamento, m.idEmpenho"),
               {periodo}, [&](const QSqlQuery& q) {
                   p.adiciona(QStringLiteral("XIV - Empenhos"), QStringLiteral("Empenho: ") + Texto(q, 1),
                              QStringLiteral(" - Pagamento sem número de nota fiscal"),
                              QStringLiteral("Verif. pagamentos e registrar o nº da nota fiscal."), QStringLiteral("pagamento-sem-nota"),
                              QStringLiteral("tabAnexo14Pagamentos"), q.value(0));
               });

    // 5. Nothing found: is there any commitment at all?
    if (p.contador() == 0)
        p.movimentoConfirmado(QStringLiteral("XIV - Licitações"), QStringLiteral("tabAnexo14Movimento"), QStringLiteral("14"),
                              QStringLiteral("Movimento do Anexo 14 não informado."), QStringLiteral("Digitar informações do Anexo XIV."));
}

void CriticaAnexo26(Procedimento& p)
{
    const QString titulo = QStringLiteral("XXVI - Cadastro de Contas Correntes");
    const QString tabela = QStringLiteral("tabAnexo26Extratos");
    if (!p.temMovimento(tabela)) {
        p.adiciona(titulo, {}, QStringLiteral("Movimento do Anexo 26 não informado."), QStringLiteral("Digitar informações do Anexo XXVI."),
                   QStringLiteral("sem-movimento"), tabela);
        return;
    }
    // Every column of the register: the rows with an empty one, then each empty field.
    const QSqlRecord colunas = p.ctx.BancoOrgao.db().record(tabela);
    QStringList vazio;
    for (int i = 0; i < colunas.count(); ++i)
        vazio << QStringLiteral("%1 IS NULL OR %1 = ''").arg(colunas.fieldName(i));
    p.paraCada(QStringLiteral("SELECT rowid AS chaveCritica, * FROM tabAnexo26Extratos WHERE BimReferencia = ? AND (%1) ORDER BY rowid")
                   .arg(vazio.join(QStringLiteral(" OR "))),
               {p.periodo()}, [&](const QSqlQuery& q) {
                   const QSqlRecord r = q.record();
                   const QString conta = r.value(QStringLiteral("Conta_Corrente")).toString();
                   for (int i = 0; i < colunas.count(); ++i) {
                       const QVariant v = r.value(colunas.fieldName(i));
                       if (v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
                           p.adiciona(titulo, QStringLiteral("Conta Corrente: ") + conta, QStringLiteral(" - Registro com Campo vazio"),
                                      QStringLiteral("Preencher todos os Campos"), QStringLiteral("campo-vazio"), tabela, q.value(0));
                   }
               });
}

} // namespace criticas
