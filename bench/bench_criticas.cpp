// The whole pre-submission check run on a big body: 100 000 commitments and 300 000 payments
// (or the counts given as arguments) with their annulments and procurements, a full Anexo I
// (20 000 expense and 5 000 revenue lines with their registers), the bank accounts, every
// checked annex due; against the sqlite3 tool running the same queries written by hand.
#include "comum/Anexo1.h"
#include "comum/Medida.h"
#include "core/Anexos.h"
#include "submission/Criticas.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <exception>

namespace {

const QString Periodo = QStringLiteral("201203");

void preenche(const Banco& b, int empenhos, int pagamentos)
{
    Transacao t(b);
    bench::PreencheDespesa(b, Periodo, 20000);
    bench::PreencheReceita(b, Periodo, 5000);
    const QVariantList p{Periodo};
    // The registers the lines name, so that Anexo I is clean.
    b.executa(QStringLiteral("INSERT INTO tabFonte (bimreferencia, Fonte) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                             " SELECT ?, printf('%03d', i) FROM n"), p);
    b.executa(QStringLiteral("INSERT INTO tabInstitucional (bimreferencia, codigo) WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n WHERE i < 149)"
                             " SELECT ?, printf('%04d', i) FROM n"), p);
    b.executa(QStringLiteral("INSERT INTO tabProjeto (Bimreferencia, Programa, Projeto) WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 19)"
                             " SELECT ?, printf('%04d', i / 2), printf('%04d', 2000 + i % 2) FROM n"), p);
    b.executa(QStringLiteral("INSERT INTO tabDespFuncMovimento (Bimreferencia, Codigo_tabDespFuncSubFuncao, ValorLiqBimestre)"
                             " SELECT BimReferencia, Codigo_SubFuncao, sum(ValorLiqBimestre) FROM tabDespesaMovimento GROUP BY BimReferencia, Codigo_SubFuncao"));
    b.executa(QStringLiteral("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES ('1', '032012', 1), ('3', 'TOT03', 5)"));

    // Procurement: 2 000 processes, a participant each, a contract each.
    b.executa(QStringLiteral("INSERT INTO tabAnexo13Movimento (idLicitacao, BimReferencia, NumeroProcesso) WITH RECURSIVE n(i) AS"
                             " (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) SELECT i, ?, printf('PL-%04d/2012', i) FROM n"), p);
    b.executa(QStringLiteral("INSERT INTO tabAnexo13ItensMovimento (idParticipante, BimReferencia, idLicitacao, NumeroDocumento, NumeroProcesso)"
                             " SELECT idLicitacao, BimReferencia, idLicitacao, '11.222.333/0001-81', NumeroProcesso FROM tabAnexo13Movimento"));
    b.executa(QStringLiteral("INSERT INTO tabAnexo13Contratos (idContrato, idParticipante, BimReferencia, NumeroContrato, NumeroDocumento)"
                             " SELECT idParticipante, idParticipante, BimReferencia, 'C-' || idParticipante, NumeroDocumento FROM tabAnexo13ItensMovimento"));

    // Commitments: personnel, current and capital expense; one in a thousand names no procurement.
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, NumeroProcesso, Tipo, ProcessoLicitacao,"
                  " ElementoDespesa, FonteRecurso, TipoDocumento, NumeroDocumento, NomeCredor, DataEmpenho, ValorEmpenhado)"
                  " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?)"
                  " SELECT i, ?, printf('%06d/2012', i), printf('%05d/2012', i / 3), substr('OEG', 1 + i % 3, 1),"
                  " CASE WHEN i % 1000 = 0 THEN 'SEM PROCESSO' ELSE printf('PL-%04d/2012', 1 + i % 2000) END,"
                  " substr('319011339030449052', 1 + 6 * (i % 3), 6), '001', '0', '11.222.333/0001-81', 'FORNECEDOR ' || (i % 700),"
                  " printf('%02d/05/2012', 1 + i % 28), (1000 + i % 20000) * 10000 FROM n"),
              {empenhos, Periodo});
    // Payments of 10,00 over the commitments; one in a thousand without its invoice number.
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento, SerieNotaFiscal,"
                  " NumeroNotaFiscal, DataEmissaoNFiscal, ValorPago, idContaCorrente, NumeroEmpenho, DocCredor)"
                  " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?)"
                  " SELECT i, 1 + i % ?, ?, printf('OB%07d', i), '20/05/2012', '1', CASE WHEN i % 1000 = 0 THEN NULL ELSE i END,"
                  " '10/05/2012', 100000, 1, printf('%06d/2012', 1 + i % ?), '11.222.333/0001-81' FROM n"),
              {pagamentos, empenhos, Periodo, empenhos});
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14Anulacoes (BimReferencia, idEmpenho, NotaAnulacao, ValorAnulado, NumeroEmpenho, DataAnulacao)"
                  " SELECT BimReferencia, idEmpenho, 'AN' || idEmpenho, 50000, NumeroEmpenho, '21/05/2012' FROM tabAnexo14Movimento WHERE idEmpenho % 5 = 0"));
    b.executa(QStringLiteral(
                  "INSERT INTO tabAnexo14AnulacaoPagamento (idPagamento, BimReferencia, NotaAnulacao, ValorAnulacao, DataAnulacao, NumeroOBCheque)"
                  " SELECT idPagamento, BimReferencia, 'AP' || idPagamento, 10000, '22/05/2012', NumeroOBCheque FROM tabAnexo14Pagamentos WHERE idPagamento % 10 = 0"));

    b.executa(QStringLiteral("INSERT INTO tabAnexo26Extratos WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500)"
                             " SELECT i, ?, '001', printf('%04d', i), printf('%05d-%d', i, i % 10), 'Movimento', 'Prefeitura' FROM n"), p);
    b.executa(QStringLiteral("INSERT INTO tabResponsavelInformacao (bimreferencia, funcao) VALUES (?, 'PREFEITO')"), p);
    b.executa(QStringLiteral("INSERT INTO tabResponsavelPreenchimento (bimreferencia) VALUES (?)"), p);
    b.executa(QStringLiteral("INSERT INTO tabResponsavelContabilidade (bimreferencia) VALUES (?)"), p);
    b.executa(QStringLiteral("INSERT INTO tabChave (Codigo_tabOrgaos, CGC) VALUES ('P001', '11.222.333/0001-81')"));
    t.confirma();
    b.executa(QStringLiteral("ANALYZE"));
}

// The run's queries as one would type them into sqlite3 for this body.
QString consultasAMao()
{
    const QString p = QStringLiteral("'201203'");
    QString s;
    auto q = [&](const QString& sql) { s += QString(sql).replace(QStringLiteral(":p"), p) + QStringLiteral(";\n"); };
    q("SELECT 1 FROM tabReceitaMovimento WHERE BimReferencia = :p LIMIT 1");
    q("SELECT r.rowid, r.FonteRecursos FROM tabReceitaMovimento r WHERE r.bimreferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabFonte f WHERE f.Fonte = r.FonteRecursos AND f.bimreferencia = :p) ORDER BY r.rowid");
    q("SELECT 1 FROM tabDespesaMovimento WHERE BimReferencia = :p LIMIT 1");
    q("SELECT d.rowid, d.Codigo_FontedeRecursos FROM tabDespesaMovimento d WHERE d.BimReferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabFonte f WHERE f.Fonte = d.Codigo_FontedeRecursos AND f.bimreferencia = :p) ORDER BY d.rowid");
    q("SELECT d.rowid, d.Codigo_ClassInstitucional FROM tabDespesaMovimento d WHERE d.BimReferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabInstitucional i WHERE i.codigo = d.Codigo_ClassInstitucional AND i.bimreferencia = :p) ORDER BY d.rowid");
    q("SELECT d.rowid, d.Codigo_SubFuncao FROM tabDespesaMovimento d WHERE d.BimReferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabDespFuncSubFuncao s WHERE s.Codigo = d.Codigo_SubFuncao) ORDER BY d.rowid");
    q("SELECT d.rowid, d.Codigo_Programa, d.Codigo_Atividade FROM tabDespesaMovimento d WHERE d.BimReferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabProjeto j WHERE j.Programa = d.Codigo_Programa AND j.Projeto = d.Codigo_Atividade AND j.Bimreferencia = :p) ORDER BY d.rowid");
    q("SELECT (SELECT SUM(ValorLiqBimestre) FROM tabDespFuncMovimento WHERE Bimreferencia = :p), "
      "(SELECT SUM(ValorLiqBimestre) FROM tabDespesaMovimento WHERE BimReferencia = :p)");
    q("DELETE FROM tabAnexo03Campos WHERE campo = '222'");
    q("SELECT rowid, campo FROM tabAnexo03Movimento WHERE campo NOT IN (SELECT campo FROM tabAnexo03Campos) ORDER BY rowid");
    q("SELECT 1 FROM tabAnexo03Movimento WHERE anomes = '032012' LIMIT 1");
    for (const char* n : {"04", "05", "06", "08", "10", "16", "17", "18", "22b"})
        q(QStringLiteral("SELECT rowid, Campo FROM tabAnexo%1Movimento WHERE BimReferencia = :p AND Campo NOT IN "
                         "(SELECT campo FROM tabAnexo%1Campos) ORDER BY rowid; SELECT 1 FROM tabAnexo%1Movimento WHERE BimReferencia = :p LIMIT 1")
              .arg(QLatin1String(n)));
    for (const char* n : {"09", "12", "15", "19", "20", "22a", "24", "29", "30", "31", "32", "33", "35", "36", "37"})
        q(QStringLiteral("SELECT 1 FROM tabAnexo%1Movimento WHERE BimReferencia = :p LIMIT 1").arg(QLatin1String(n)));
    q("SELECT valor FROM tabAnexo03Movimento WHERE anomes = 'TOT03' AND campo = '3'");
    q("SELECT rowid, Ult12Mes FROM tabAnexo15Movimento WHERE BimReferencia = :p AND Campo = 14");
    q("SELECT rowid, Valor FROM tabAnexo22bMovimento WHERE BimReferencia = :p AND Campo = 1");
    q("SELECT c.rowid, c.NumeroDocumento, c.NumeroProcesso FROM tabAnexo13ItensMovimento c WHERE c.BimReferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabAnexo13Movimento l WHERE l.idLicitacao = c.idLicitacao) ORDER BY c.rowid");
    q("SELECT c.rowid, c.NumeroContrato, c.NumeroDocumento FROM tabAnexo13Contratos c WHERE c.BimReferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabAnexo13ItensMovimento i WHERE i.idParticipante = c.idParticipante) ORDER BY c.rowid");
    q("SELECT c.rowid, c.NumeroAditivo, c.NumeroContrato FROM tabAnexo13Aditivos c WHERE c.BimReferencia = :p AND NOT EXISTS "
      "(SELECT 1 FROM tabAnexo13Contratos t WHERE t.idContrato = c.idContrato) ORDER BY c.rowid");
    // The records that may lack a required value.
    auto texto = [](const char* c) { return QStringLiteral("NOT coalesce(%1 >= '!' AND %1 < char(128), 0)").arg(QLatin1String(c)); };
    auto chave = [](const char* c) {
        return QStringLiteral("NOT coalesce(%1 BETWEEN -9223372036854775808 AND 9223372036854775807 OR (%1 >= '!' AND %1 < char(128)), 0)").arg(QLatin1String(c));
    };
    auto data = [](const char* c) {
        const QString d = QLatin1String(c);
        return QStringLiteral("NOT coalesce(%1 GLOB '[0-3][0-9]/[01][0-9]/[12][0-9][0-9][0-9]' AND substr(%1, 4, 2) BETWEEN '01' AND '12'"
                              " AND substr(%1, 1, 2) BETWEEN '01' AND CASE substr(%1, 4, 2) WHEN '02' THEN CASE WHEN CAST(substr(%1, 7, 4) AS INTEGER) % 4 = 0"
                              " AND (CAST(substr(%1, 7, 4) AS INTEGER) % 100 <> 0 OR CAST(substr(%1, 7, 4) AS INTEGER) % 400 = 0) THEN '29' ELSE '28' END"
                              " WHEN '04' THEN '30' WHEN '06' THEN '30' WHEN '09' THEN '30' WHEN '11' THEN '30' ELSE '31' END, 0)").arg(d);
    };
    auto numero = [](const char* c) { return QStringLiteral("NOT coalesce(%1 BETWEEN -9223372036854775808 AND 9223372036854775807, 0)").arg(QLatin1String(c)); };
    q("SELECT rowid, * FROM tabAnexo14Movimento WHERE BimReferencia = :p AND (" + QStringList{texto("NumeroEmpenho"), texto("NumeroProcesso"), texto("Tipo"),
      texto("ElementoDespesa"), texto("FonteRecurso"), texto("TipoDocumento"), texto("NumeroDocumento"), texto("NomeCredor"), data("DataEmpenho"),
      numero("ValorEmpenhado")}.join(" OR ") + ") ORDER BY rowid");
    q("SELECT rowid, * FROM tabAnexo14Pagamentos WHERE BimReferencia = :p AND (" + QStringList{texto("NumeroEmpenho"), texto("NumeroOBCheque"),
      data("DataPagamento"), numero("ValorPago"), chave("idContaCorrente")}.join(" OR ") + ") ORDER BY rowid");
    q("SELECT rowid, * FROM tabAnexo14Anulacoes WHERE BimReferencia = :p AND (" + QStringList{texto("NumeroEmpenho"), texto("NotaAnulacao"),
      numero("ValorAnulado"), data("DataAnulacao")}.join(" OR ") + ") ORDER BY rowid");
    q("SELECT rowid, * FROM tabAnexo14AnulacaoPagamento WHERE BimReferencia = :p AND (" + QStringList{texto("NumeroOBCheque"), texto("NotaAnulacao"),
      numero("ValorAnulacao"), data("DataAnulacao")}.join(" OR ") + ") ORDER BY rowid");
    q("SELECT e.idEmpenho, e.NumeroEmpenho FROM tabAnexo14Movimento e WHERE e.BimReferencia = :p"
      " AND coalesce((SELECT m.ValorEmpenhado FROM tabAnexo14Movimento m WHERE m.NumeroEmpenho = e.NumeroEmpenho ORDER BY m.idEmpenho LIMIT 1), 0)"
      " + coalesce((SELECT sum(ap.ValorAnulacao) FROM tabAnexo14Pagamentos pg JOIN tabAnexo14AnulacaoPagamento ap ON ap.idPagamento = pg.idPagamento"
      " WHERE pg.NumeroEmpenho = e.NumeroEmpenho AND ap.BimReferencia <= :p), 0)"
      " < coalesce((SELECT sum(pg.ValorPago) FROM tabAnexo14Pagamentos pg WHERE pg.NumeroEmpenho = e.NumeroEmpenho AND pg.BimReferencia <= :p), 0)"
      " + coalesce((SELECT sum(a.ValorAnulado) FROM tabAnexo14Anulacoes a WHERE a.NumeroEmpenho = e.NumeroEmpenho AND a.BimReferencia <= :p), 0)"
      " ORDER BY e.idEmpenho");
    q("SELECT t1.idEmpenho, t1.NumeroEmpenho, t1.ValorEmpenhado FROM tabAnexo14Movimento t1 WHERE t1.BimReferencia = :p AND t1.ValorEmpenhado > 80000000"
      " AND substr(t1.ElementoDespesa, 1, 2) NOT IN ('31', '32', '33', '36', '37', '38', '39')"
      " AND substr(t1.ElementoDespesa, 5, 2) NOT IN ('14', '51', '71', '77', '91')"
      " AND NOT EXISTS (SELECT 1 FROM tabAnexo13Movimento t2 WHERE t2.NumeroProcesso = trim(t1.ProcessoLicitacao))"
      " AND NOT EXISTS (SELECT 1 FROM tabAnexo13Movimento t2 WHERE instr(upper(t2.NumeroProcesso), upper(coalesce(trim(t1.ProcessoLicitacao), 'XYZ'))) > 0)"
      " ORDER BY t1.idEmpenho");
    q("SELECT pg.idPagamento, m.NumeroEmpenho FROM tabAnexo14Pagamentos pg JOIN tabAnexo14Movimento m ON m.NumeroEmpenho = pg.NumeroEmpenho"
      " WHERE pg.BimReferencia = :p AND (pg.NumeroNotaFiscal IS NULL OR pg.NumeroNotaFiscal = '')"
      " AND substr(m.ElementoDespesa, 2, 1) <> '5' AND substr(m.ElementoDespesa, 2, 1) <> '6' AND substr(m.ElementoDespesa, 1, 2) NOT IN ('31', '32', '99')"
      " AND substr(m.ElementoDespesa, 5, 2) IN ('30', '32', '37', '39', '51', '52', '62') ORDER BY pg.idPagamento, m.idEmpenho");
    q("SELECT 1 FROM tabAnexo26Extratos WHERE BimReferencia = :p LIMIT 1");
    q("SELECT rowid, * FROM tabAnexo26Extratos WHERE BimReferencia = :p AND (idConta IS NULL OR idConta = '' OR BimReferencia IS NULL OR BimReferencia = ''"
      " OR Banco IS NULL OR Banco = '' OR Agencia IS NULL OR Agencia = '' OR Conta_Corrente IS NULL OR Conta_Corrente = ''"
      " OR Descricao_Conta IS NULL OR Descricao_Conta = '' OR Titular_Conta IS NULL OR Titular_Conta = '') ORDER BY rowid");
    q("SELECT rowid, funcao FROM tabResponsavelInformacao WHERE bimreferencia = :p ORDER BY rowid LIMIT 1");
    q("SELECT 1 FROM tabResponsavelPreenchimento LIMIT 1");
    q("SELECT 1 FROM tabResponsavelContabilidade LIMIT 1");
    q("SELECT rowid, CGC FROM tabChave LIMIT 1");
    return s;
}

int executa(int empenhos, int pagamentos)
{
    bench::OrgaoDeBench orgao(Periodo);
    Contexto& ctx = orgao.ctx;
    ctx.CodigoOrgao = QStringLiteral("P001");
    preenche(ctx.BancoOrgao, empenhos, pagamentos);
    // LUMO_BENCH_GUARDA=arquivo keeps a copy of the body to look at the query plans.
    if (const QString guarda = qEnvironmentVariable("LUMO_BENCH_GUARDA"); !guarda.isEmpty())
        ctx.BancoOrgao.executa(QStringLiteral("VACUUM INTO ?"), {guarda});
    for (int slot = 1; slot <= 43; ++slot)
        ctx.anexosDevidos[size_t(slot)] = 1;
    const int vezes = bench::Vezes(5);

    size_t problemas = 0;
    const double programa = bench::MedianaDe(vezes, [&] { return bench::Ms([&] { problemas = ExecutaCriticas(ctx).size(); }); });
    const QString sql = consultasAMao();
    if (const QString guarda = qEnvironmentVariable("LUMO_BENCH_GUARDA"); !guarda.isEmpty()) {
        QFile f(guarda + QStringLiteral(".sql"));
        if (f.open(QIODevice::WriteOnly))
            f.write(sql.toUtf8());
    }
    const double piso = bench::MedianaDe(vezes, [&] { return bench::TempoSqlite(ctx.BancoOrgao.caminho(), sql); });

    bench::Relata(QStringLiteral("bench_criticas: %1 empenhos, %2 pagamentos, Anexo I de 20 000/5 000 linhas (mediana de %3)")
                      .arg(empenhos).arg(pagamentos).arg(vezes),
                  {QStringLiteral("ExecutaCriticas, todos os anexos devidos; %1 problemas").arg(problemas), programa},
                  {QStringLiteral("sqlite3: as mesmas consultas escritas à mão"), piso}, 1000);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int empenhos = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int pagamentos = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 300000;
    try {
        return executa(empenhos > 0 ? empenhos : 100000, pagamentos > 0 ? pagamentos : 300000);
    } catch (const ErroBanco& e) {
        std::fprintf(stderr, "%s\n", e.falha().descricao.toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
