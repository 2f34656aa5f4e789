#include "comum/Anexo1.h"

namespace bench {

void PreencheDespesa(const Banco& b, const QString& periodo, int linhas)
{
    b.executa(QStringLiteral(
                  "INSERT INTO tabDespesaMovimento WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < ? - 1) "
                  "SELECT ?, printf('%03d', 1 + i % 40), printf('%04d', 100 + (i / 40) % 50), "
                  "substr('0408101215', 1 + 2 * (i % 5), 2), substr('122361301243451', 1 + 3 * ((i / 7) % 5), 3), "
                  "printf('%04d', (i / 2000) % 10), printf('%04d', 2000 + (i / 20000)), "
                  "CASE WHEN i % 11 = 0 THEN '4' ELSE '3' END, CASE WHEN i % 11 = 0 THEN '4' ELSE '3' END, "
                  "CASE WHEN i % 13 = 0 THEN '91' ELSE '90' END, printf('%02d', 30 + (i / 10) % 10), "
                  "100000000 + i, 5000000, 105000000 + i, 2000000 + i, 4000000 + i, 1000000, 2000000, 0 FROM n"),
              {linhas, periodo});
}

void PreencheReceita(const Banco& b, const QString& periodo, int linhas)
{
    b.executa(QStringLiteral("INSERT INTO tabReceitaMovimento WITH c AS (SELECT codigo, row_number() OVER (ORDER BY codigo) - 1 "
                             "AS k FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 AND competencia IN ('EM', 'M')), "
                             "n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < ? - 1) "
                             "SELECT ?, c.codigo, printf('%03d', 1 + i / (SELECT count(*) FROM c)), 10000000, 12000000, 1000000, "
                             "3000000 FROM n JOIN c ON c.k = i % (SELECT count(*) FROM c)"),
              {linhas, periodo});
}

} // namespace bench
