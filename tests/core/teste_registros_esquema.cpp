#include "comum/BancoTeste.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The register tables as the editors and checks read them.
namespace {

class RegistrosEsquema : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Banco b = ProgramaTeste::bancoOrgao(dir.filePath(QStringLiteral("Lumo.mdb")));

    QString plano(const QString& sql) const
    {
        QStringList r;
        QSqlQuery q = b.executa(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, {});
        while (q.next())
            r << q.value(3).toString();
        return r.join(u'\n');
    }
};

// Listings, balances, duplicate tests and the package's period read go through an index:
// a full scan of 100 000 rows per typed cell is what the indexes are there to avoid.
TEST_F(RegistrosEsquema, ConsultasDosEditoresEDasCriticasUsamIndice)
{
    const char* consultas[] = {
        "SELECT * FROM tabAnexo14Movimento WHERE BimReferencia = '201201' ORDER BY NumeroEmpenho",
        "SELECT ValorEmpenhado FROM tabAnexo14Movimento WHERE NumeroEmpenho = 'a'",
        "SELECT sum(ValorPago) FROM tabAnexo14Pagamentos WHERE NumeroEmpenho = 'a' AND BimReferencia <= '201201'",
        "SELECT sum(ValorAnulado) FROM tabAnexo14Anulacoes WHERE NumeroEmpenho = 'a' AND NotaAnulacao = 'n'",
        "SELECT sum(ValorAnulacao) FROM tabAnexo14AnulacaoPagamento INNER JOIN tabAnexo14Pagamentos ON "
        "tabAnexo14AnulacaoPagamento.idPagamento = tabAnexo14Pagamentos.idPagamento WHERE tabAnexo14Pagamentos.NumeroEmpenho = 'a'",
        "SELECT p.ValorPago FROM tabAnexo26Extratos INNER JOIN tabAnexo14Pagamentos p ON "
        "tabAnexo26Extratos.idConta = p.idContaCorrente WHERE p.idEmpenho = 1",
        "SELECT * FROM tabAnexo14Anulacoes WHERE idEmpenho = 1",
        "SELECT * FROM tabAnexo14AnulacaoPagamento WHERE idPagamento = 1",
        "SELECT NumeroEmpenho FROM tabAnexo14Pagamentos WHERE NumeroOBCheque = 'a'",
        "SELECT 1 FROM tabAnexo14Pagamentos WHERE idContaCorrente = 1",
        "SELECT * FROM tabAnexo14Pagamentos WHERE BimReferencia = '201201'",
        "SELECT * FROM tabAnexo14Anulacoes WHERE BimReferencia = '201201'",
        "SELECT * FROM tabAnexo14AnulacaoPagamento WHERE BimReferencia = '201201'",
        "SELECT a.idConta, a.Banco || '-' || b.Banco FROM tabAnexo26Extratos a LEFT JOIN Bancos b ON a.Banco = b.CodFebraban "
        "WHERE a.BimReferencia = '201201' ORDER BY a.Banco",
        "SELECT max(idEmpenho) FROM tabAnexo14Movimento",
    };
    for (const char* sql : consultas) {
        const QString p = plano(QString::fromLatin1(sql));
        EXPECT_FALSE(p.contains(QStringLiteral("SCAN"))) << sql << "\n" << p.toStdString();
        EXPECT_FALSE(p.contains(QStringLiteral("TEMP B-TREE"))) << sql << "\n" << p.toStdString();
    }
}

TEST_F(RegistrosEsquema, ContaUnicaNoPeriodoSemDistinguirMaiusculas)
{
    const QString insere = QStringLiteral("INSERT INTO tabAnexo26Extratos VALUES (?, ?, '001', ?, '123-x', 'D', 'T')");
    b.executa(insere, {1, QStringLiteral("201201"), QStringLiteral("0001")});
    b.executa(insere, {2, QStringLiteral("201202"), QStringLiteral("0001")}); // the same account in another period
    EXPECT_THROW(b.executa(insere, {3, QStringLiteral("201201"), QStringLiteral("0001")}), ErroBanco);
    EXPECT_THROW(b.executa(QStringLiteral("INSERT INTO tabAnexo26Extratos VALUES (4, '201201', '001', '0001', '123-X', 'D', 'T')")),
                 ErroBanco);
    // Commitment numbers are the editor's to check: an import may bring one twice.
    const QString empenho = QStringLiteral("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho) VALUES (?, ?, ?)");
    b.executa(empenho, {1, QStringLiteral("201201"), QStringLiteral("10/2012")});
    EXPECT_NO_THROW(b.executa(empenho, {2, QStringLiteral("201202"), QStringLiteral("10/2012")}));
    EXPECT_EQ(b.valor(QStringLiteral("SELECT count(*) FROM tabAnexo14Movimento WHERE NumeroEmpenho = '10/2012'")).toInt(), 2);
    EXPECT_EQ(ProximoCodigo(b, QStringLiteral("tabAnexo14Movimento"), QStringLiteral("idEmpenho")), 3);
}

} // namespace
