-- A body of realistic size for the package bench and the kill -9 trials: the first bimester
-- of 2012 closed and the second open, each with a full Anexo I (20 000 expense and 5 000
-- revenue lines), Anexo 03 for every month of 2011 and 2012, a few statements, bank accounts,
-- responsible persons, and Anexo XIV: 100 000 commitments and 300 000 payments in the open
-- bimester, 50 000 and 150 000 in the closed one. Run on a body database with its reference
-- rows (lumo-cli orgao adicionar, or the bench's own).
BEGIN;
UPDATE tabControleMovimento SET Situacao = 'FECHADO', DataFechamento = '2012-03-05' WHERE BimReferencia = '201201';
INSERT OR IGNORE INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) VALUES ('201201', '2012-01-02', 'FECHADO');
INSERT OR REPLACE INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) VALUES ('201202', '2012-03-05', 'ABERTO');

CREATE TEMP TABLE periodos (p TEXT, empenhos INTEGER, pagamentos INTEGER, base INTEGER);
INSERT INTO periodos VALUES ('201201', 50000, 150000, 0), ('201202', 100000, 300000, 1000000);

INSERT INTO tabDespesaMovimento
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 19999)
SELECT p, printf('%03d', 1 + i % 40), printf('%04d', 100 + (i / 40) % 50),
       substr('0408101215', 1 + 2 * (i % 5), 2), substr('122361301243451', 1 + 3 * ((i / 7) % 5), 3),
       printf('%04d', (i / 2000) % 10), printf('%04d', 2000 + (i / 20000) + i % 7),
       CASE WHEN i % 11 = 0 THEN '4' ELSE '3' END, CASE WHEN i % 11 = 0 THEN '4' ELSE '3' END,
       CASE WHEN i % 13 = 0 THEN '91' ELSE '90' END, printf('%02d', 30 + (i / 10) % 10),
       100000000 + i, 5000000, 105000000 + i, 2000000 + i, 4000000 + i, 1000000 + i, 2000000, 0
FROM n, periodos;

INSERT INTO tabReceitaMovimento
WITH c AS (SELECT codigo, row_number() OVER (ORDER BY codigo) - 1 AS k FROM tabReceitaCodigoNovo
           WHERE IndRecebeMovimento = 1 AND competencia IN ('EM', 'M')),
     n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 4999)
SELECT p, c.codigo, printf('%03d', 1 + i / (SELECT count(*) FROM c)), 10000000, 12000000, 1000000 + i, 3000000
FROM n JOIN c ON c.k = i % (SELECT count(*) FROM c), periodos;

INSERT INTO tabFonte SELECT p, printf('%03d', i), 'FONTE ' || i
FROM periodos, (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) SELECT i FROM n);
INSERT INTO tabInstitucional SELECT p, printf('%04d', 100 + i), 'UNIDADE ' || i
FROM periodos, (WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 49) SELECT i FROM n);
INSERT INTO tabPrograma SELECT p, printf('%04d', i), 'PROGRAMA ' || i
FROM periodos, (WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9) SELECT i FROM n);
INSERT INTO tabProjeto SELECT p, printf('%04d', i / 20), printf('%04d', 2000 + i % 20), 'AÇÃO ' || i
FROM periodos, (WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 199) SELECT i FROM n);

INSERT INTO tabDespFuncMovimento
SELECT BimReferencia, Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Programa, Codigo_Atividade, Codigo_Funcao,
       Codigo_SubFuncao, '1', sum(ValorDotInicial), sum(ValorDotAtualizada), sum(ValorEmpBimestre), sum(ValorEmpExercicio),
       sum(ValorLiqBimestre), sum(ValorLiqExercicio), sum(ValorRPNP)
FROM tabDespesaMovimento GROUP BY 1, 2, 3, 4, 5, 6, 7;

-- Anexo 03: every line in every month of 2011 and 2012, and the totals of the six bimesters.
INSERT INTO tabAnexo03Movimento (campo, anomes, valor)
SELECT c.campo, m.anomes, 1000000 + length(c.campo) * 1000
FROM (SELECT campo FROM tabAnexo03Campos WHERE campo <> '222') c,
     (WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 23)
      SELECT printf('%02d%d', 1 + i % 12, 2011 + i / 12) AS anomes FROM n
      UNION ALL SELECT 'TOT0' || b FROM (SELECT 1 AS b UNION SELECT 2 UNION SELECT 3 UNION SELECT 4 UNION SELECT 5 UNION SELECT 6)
      UNION ALL SELECT 'PA0' || b FROM (SELECT 1 AS b UNION SELECT 2 UNION SELECT 3 UNION SELECT 4 UNION SELECT 5 UNION SELECT 6)) m;

INSERT INTO tabAnexo04Movimento (BimReferencia, Campo, inicial, nobimestre)
SELECT p, campo, 1000000, 200000 FROM periodos, tabAnexo04Campos;
INSERT INTO tabAnexo05Movimento (BimReferencia, Campo, BimAtual)
SELECT p, campo, 300000 FROM periodos, tabAnexo05Campos;
INSERT INTO tabAnexo06Movimento (BimReferencia, Campo, ateBimAnoAtual)
SELECT p, campo, 400000 FROM periodos, tabAnexo06campos;
INSERT INTO tabAnexo11Movimento (BimReferencia, Campo, ateoBimestre)
SELECT p, campo, 500000 FROM periodos, tabAnexo11Campos;
INSERT INTO tabAnexo12Movimento (BimReferencia, Campo, ateoBimestre)
SELECT p, campo, 600000 FROM periodos, tabAnexo12Campos;

-- The statements the checks ask for; the net current revenue of Anexos 15 and 22B is Anexo 03's.
INSERT INTO tabAnexo15Movimento (BimReferencia, Campo, Ult12Mes) SELECT p, campo, 1001000 FROM periodos, tabAnexo15Campos;
INSERT INTO tabAnexo16Movimento (BimReferencia, Campo, SaldoExercAnt) SELECT p, campo, 700000 FROM periodos, tabAnexo16Campos;
INSERT INTO tabAnexo17Movimento (BimReferencia, Campo, SaldoAnterior) SELECT p, campo, 800000 FROM periodos, tabAnexo17Campos;
INSERT INTO tabAnexo18Movimento (BimReferencia, Campo, AteQuadrimestre) SELECT p, campo, 900000 FROM periodos, tabAnexo18Campos;
INSERT INTO tabAnexo22aMovimento (BimReferencia, Campo, SaldoExercicioAnteAteBim) SELECT p, 1, 100000 FROM periodos;
INSERT INTO tabAnexo22bMovimento (BimReferencia, Campo, Valor) SELECT p, campo, '100,10' FROM periodos, tabAnexo22bCampos;

INSERT INTO tabAnexo26Extratos
SELECT base + i, p, printf('%03d', 1 + i % 20), printf('%04d', i), printf('%05d-%d', i, i % 10), 'CONTA ' || i, 'PREFEITURA'
FROM periodos, (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) SELECT i FROM n);

INSERT INTO tabAnexo14Movimento
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
SELECT base + i, p, printf('%06d/2012', i), printf('%05d/2012', i / 3), substr('OEG', 1 + i % 3, 1),
       printf('%03d/2012', i % 400), printf('3390%02d', 30 + i % 10), '001', '0',
       '11.222.333/0001-81', 'FORNECEDOR ' || (i % 700), printf('%02d/04/2012', 1 + i % 28),
       (1000 + i % 5000) * 10000, '0', '00', '02.001', '04.122', '0001.2001'
FROM n JOIN periodos ON i <= empenhos;

INSERT INTO tabAnexo14Pagamentos (idPagamento, idEmpenho, BimReferencia, NumeroOBCheque, DataPagamento, SerieNotaFiscal, Modelo,
                                  NumeroNotaFiscal, DataEmissaoNFiscal, CodValidacaoNotaFiscal, ValorPago, idContaCorrente,
                                  NumeroEmpenho, DocCredor)
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300000)
SELECT base + i, base + 1 + i % empenhos, p, printf('OB%07d', i), '20/04/2012', '1', '1', i, '10/04/2012', 'ABC', 100000,
       base + 1 + i % 200, printf('%06d/2012', 1 + i % empenhos), '11.222.333/0001-81'
FROM n JOIN periodos ON i <= pagamentos;

INSERT INTO tabAnexo14Anulacoes (idAnulacao, BimReferencia, idEmpenho, NotaAnulacao, ValorAnulado, NumeroEmpenho, MotivoAnulacao, DataAnulacao)
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)
SELECT base + i, p, base + i * 7, printf('AN%05d', i), 50000, printf('%06d/2012', i * 7), 'ANULAÇÃO PARCIAL', '25/04/2012'
FROM n, periodos;

INSERT INTO tabResponsavelInformacao (bimreferencia, cpf, nome, funcao) SELECT p, '11144477735', 'PREFEITO DA CIDADE', 'PREFEITO' FROM periodos;
INSERT INTO tabResponsavelPreenchimento (bimreferencia, cpf, nome, funcao) SELECT p, '52998224725', 'QUEM PREENCHE', 'CONTADOR' FROM periodos;
INSERT INTO tabResponsavelContabilidade (bimreferencia, cpf, nome, profissao) SELECT p, '39053344705', 'CONTADORA', 'CONTADORA' FROM periodos;

INSERT INTO tabChave (Codigo_tabOrgaos, VersaoAtualAplicativo, RevisaoAtual, CGC, backup)
SELECT 'P001', '7.0', '2.0', '11.222.333/0001-81', 1 WHERE NOT EXISTS (SELECT 1 FROM tabChave);
UPDATE tabChave SET CGC = '11.222.333/0001-81';
DROP TABLE periodos;
COMMIT;
