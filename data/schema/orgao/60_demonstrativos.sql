-- The fiscal statements' values. A fixed-line statement keeps one row per period and line of
-- its catalogue (`Campo` = the catalogue's `campo`) with its value columns; saving rewrites the
-- period's rows. The list-shaped statements keep free rows with an identifier of their own.
-- Money and percentages are INTEGER ten-thousandths (a percentage of 54,00 is 540000).

-- Anexo 03: by month ("MMYYYY"), by the bimester's twelve-month total ("TOT" + bimester) and
-- its further value ("PA" + bimester); no period column.
CREATE TABLE tabAnexo03Movimento (
    campo  TEXT NOT NULL COLLATE NOCASE,
    anomes TEXT NOT NULL COLLATE NOCASE,
    valor  INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (campo, anomes)
);
CREATE INDEX tabAnexo03Movimento_Mes ON tabAnexo03Movimento (anomes);

CREATE TABLE tabAnexo04Movimento (
    BimReferencia         TEXT NOT NULL,
    Campo                 INTEGER NOT NULL,
    inicial               INTEGER NOT NULL DEFAULT 0,
    atualizada            INTEGER NOT NULL DEFAULT 0,
    nobimestre            INTEGER NOT NULL DEFAULT 0,
    ateobimestre          INTEGER NOT NULL DEFAULT 0,
    ateobimestreanterior  INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo05Movimento (
    BimReferencia      TEXT NOT NULL,
    Campo              INTEGER NOT NULL,
    Em31DezAnoAnterior INTEGER NOT NULL DEFAULT 0,
    BimAnterior        INTEGER NOT NULL DEFAULT 0,
    BimAtual           INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo06Movimento (
    BimReferencia         TEXT NOT NULL,
    Campo                 INTEGER NOT NULL,
    Atualizada            INTEGER NOT NULL DEFAULT 0,
    nobimestre            INTEGER NOT NULL DEFAULT 0,
    ateBimAnoAtual        INTEGER NOT NULL DEFAULT 0,
    ateBimAnoAtualRPNP    INTEGER NOT NULL DEFAULT 0,
    ateBimAnoAnterior     INTEGER NOT NULL DEFAULT 0,
    ateBimAnoAnteriorRPNP INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

-- Payables by power (`tabAnexo07Poderes`) and body.
CREATE TABLE tabAnexo07Movimento (
    idLinha               INTEGER NOT NULL PRIMARY KEY,
    BimReferencia         TEXT NOT NULL,
    Poder                 INTEGER,
    Orgao                 TEXT COLLATE NOCASE,
    RPPInscritosExercAnt  INTEGER NOT NULL DEFAULT 0,
    RPPInscritosExercRef  INTEGER NOT NULL DEFAULT 0,
    RPPCancelados         INTEGER NOT NULL DEFAULT 0,
    RPPPagos              INTEGER NOT NULL DEFAULT 0,
    RPPAPagar             INTEGER NOT NULL DEFAULT 0,
    RPNPInscritosExercAnt INTEGER NOT NULL DEFAULT 0,
    RPNPInscritos         INTEGER NOT NULL DEFAULT 0,
    RPNPCancelados        INTEGER NOT NULL DEFAULT 0,
    RPNPPagos             INTEGER NOT NULL DEFAULT 0,
    RPNPAPagar            INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabAnexo07Movimento_Periodo ON tabAnexo07Movimento (BimReferencia);

CREATE TABLE tabAnexo08Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    atualizada    INTEGER NOT NULL DEFAULT 0,
    nobimestre    INTEGER NOT NULL DEFAULT 0,
    ateBimAtual   INTEGER NOT NULL DEFAULT 0,
    Saldo         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

-- The RPPS actuarial projection, one row per year.
CREATE TABLE tabAnexo09Movimento (
    BimReferencia            TEXT NOT NULL,
    Seq                      INTEGER NOT NULL,
    Exercicio                INTEGER,
    RecValor                 INTEGER NOT NULL DEFAULT 0,
    DespValor                INTEGER NOT NULL DEFAULT 0,
    ResultadoValor           INTEGER NOT NULL DEFAULT 0,
    SaldoFinanceiroExercicio INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Seq)
);

CREATE TABLE tabAnexo10Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    ACE           INTEGER NOT NULL DEFAULT 0,
    BDF           INTEGER NOT NULL DEFAULT 0,
    efg           INTEGER NOT NULL DEFAULT 0,
    Saldo         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo11Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    Inicial       INTEGER NOT NULL DEFAULT 0,
    Atualizada    INTEGER NOT NULL DEFAULT 0,
    NoBimestre    INTEGER NOT NULL DEFAULT 0,
    ateoBimestre  INTEGER NOT NULL DEFAULT 0,
    RPNP          INTEGER NOT NULL DEFAULT 0,
    Percentual    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo12Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    Inicial       INTEGER NOT NULL DEFAULT 0,
    previsao      INTEGER NOT NULL DEFAULT 0,
    ateoBimestre  INTEGER NOT NULL DEFAULT 0,
    RPNP          INTEGER NOT NULL DEFAULT 0,
    porcentagem   INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

-- The yearly evolution of the health minimum, sent with the sixth bimester.
CREATE TABLE tabAnexo12EvolucaoMovimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    Exercicio     INTEGER,
    Percentual    INTEGER NOT NULL DEFAULT 0,
    Valor         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo15Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    Ult12Mes      INTEGER NOT NULL DEFAULT 0,
    RestosAPAgar  INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo16Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    SaldoExercAnt INTEGER NOT NULL DEFAULT 0,
    SaldoAte1Quad INTEGER NOT NULL DEFAULT 0,
    SaldoAte2Quad INTEGER NOT NULL DEFAULT 0,
    SaldoAte3Quad INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo17Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    SaldoAnterior INTEGER NOT NULL DEFAULT 0,
    AteQuadri1    INTEGER NOT NULL DEFAULT 0,
    AteQuadri2    INTEGER NOT NULL DEFAULT 0,
    AteQuadri3    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo18Movimento (
    BimReferencia   TEXT NOT NULL,
    Campo           INTEGER NOT NULL,
    NoQuadrimestre  INTEGER NOT NULL DEFAULT 0,
    AteQuadrimestre INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

-- Cash availability by kind of resource (tipo).
CREATE TABLE tabAnexo19Movimento (
    idLinha               INTEGER NOT NULL PRIMARY KEY,
    BimReferencia         TEXT NOT NULL,
    tipo                  TEXT COLLATE NOCASE,
    Descricao             TEXT COLLATE NOCASE,
    ValorDisponibilidade  INTEGER NOT NULL DEFAULT 0,
    ObrigacoesFinanceiras INTEGER NOT NULL DEFAULT 0,
    Saldo                 INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabAnexo19Movimento_Periodo ON tabAnexo19Movimento (BimReferencia);

-- Payables by kind of resource (tipo), with the cash that covers the unprocessed ones.
CREATE TABLE tabAnexo20Movimento (
    idLinha                  INTEGER NOT NULL PRIMARY KEY,
    BimReferencia            TEXT NOT NULL,
    tipo                     TEXT COLLATE NOCASE,
    Descricao                TEXT COLLATE NOCASE,
    Exercicios_AnterioresProc INTEGER NOT NULL DEFAULT 0,
    Exercicio_AtualProc      INTEGER NOT NULL DEFAULT 0,
    Exercicio_Anterior_NP    INTEGER NOT NULL DEFAULT 0,
    Exercicio_Atual_NP       INTEGER NOT NULL DEFAULT 0,
    disponibilidade          INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabAnexo20Movimento_Periodo ON tabAnexo20Movimento (BimReferencia);

-- The simplified RREO: the lines worked out for the period, and those stored.
CREATE TABLE tabAnexo22aTemp (
    BimReferencia            TEXT NOT NULL,
    Campo                    INTEGER NOT NULL,
    Descricao                TEXT,
    PrevisaoAtualizada       INTEGER NOT NULL DEFAULT 0,
    NoBimestre               INTEGER NOT NULL DEFAULT 0,
    AteBimestre              INTEGER NOT NULL DEFAULT 0,
    SaldoExercicioAnteAteBim INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);
CREATE TABLE tabAnexo22aMovimento (
    BimReferencia            TEXT NOT NULL,
    Campo                    INTEGER NOT NULL,
    PrevisaoAtualizada       INTEGER NOT NULL DEFAULT 0,
    NoBimestre               INTEGER NOT NULL DEFAULT 0,
    AteBimestre              INTEGER NOT NULL DEFAULT 0,
    SaldoExercicioAnteAteBim INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

-- The simplified RGF: thirteen lines of two texts, as shown.
CREATE TABLE tabAnexo22bMovimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    Valor         TEXT,
    Limite        TEXT,
    PRIMARY KEY (BimReferencia, Campo)
);

-- Legislative expense (CF, art. 29-A): one record per period. The percentage follows the
-- population band; the payroll limit is 70 % of the transfers the legislative received.
CREATE TABLE tabAnexo24Movimento (
    BimReferencia        TEXT NOT NULL PRIMARY KEY,
    Populacao            INTEGER NOT NULL DEFAULT 0,
    ReceitaBase          INTEGER NOT NULL DEFAULT 0,
    PercentualLimite     INTEGER NOT NULL DEFAULT 0,
    LimiteDespesa        INTEGER NOT NULL DEFAULT 0,
    Despesas_Legislativo INTEGER NOT NULL DEFAULT 0,
    ReceitaLegislativo   INTEGER NOT NULL DEFAULT 0,
    FolhaPagamento       INTEGER NOT NULL DEFAULT 0,
    LimiteFolha          INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tabAnexo29Movimento (
    BimReferencia        TEXT NOT NULL,
    Campo                INTEGER NOT NULL,
    Valor_corrente_2006  INTEGER NOT NULL DEFAULT 0,
    Valor_constante_2006 INTEGER NOT NULL DEFAULT 0,
    Porc_a               INTEGER NOT NULL DEFAULT 0,
    Valor_corrente_2007  INTEGER NOT NULL DEFAULT 0,
    Valor_constante_2007 INTEGER NOT NULL DEFAULT 0,
    Porc_b               INTEGER NOT NULL DEFAULT 0,
    Valor_corrente_2008  INTEGER NOT NULL DEFAULT 0,
    Valor_constante_2008 INTEGER NOT NULL DEFAULT 0,
    Porc_c               INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo30Movimento (
    BimReferencia  TEXT NOT NULL,
    Campo          INTEGER NOT NULL,
    Meta_previstas INTEGER NOT NULL DEFAULT 0,
    Porc_a         INTEGER NOT NULL DEFAULT 0,
    Meta_Realizada INTEGER NOT NULL DEFAULT 0,
    Porc_b         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo31Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    v2004         INTEGER NOT NULL DEFAULT 0,
    v2005         INTEGER NOT NULL DEFAULT 0,
    v2006         INTEGER NOT NULL DEFAULT 0,
    v2007         INTEGER NOT NULL DEFAULT 0,
    v2008         INTEGER NOT NULL DEFAULT 0,
    v2009         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo32Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    v2003         INTEGER NOT NULL DEFAULT 0,
    v2004         INTEGER NOT NULL DEFAULT 0,
    v2005         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo33Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    v2003         INTEGER NOT NULL DEFAULT 0,
    v2004         INTEGER NOT NULL DEFAULT 0,
    v2005         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo34Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    V2003         INTEGER NOT NULL DEFAULT 0,
    V2004         INTEGER NOT NULL DEFAULT 0,
    V2005         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);
-- The RPPS projection of the fiscal-targets annex, one row per year.
CREATE TABLE tabAnexo34MovimentoProjecao (
    BimReferencia TEXT NOT NULL,
    Exercicio     INTEGER NOT NULL,
    Receitas      INTEGER NOT NULL DEFAULT 0,
    Despesas      INTEGER NOT NULL DEFAULT 0,
    Resultado     INTEGER NOT NULL DEFAULT 0,
    Saldo         INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Exercicio)
);

CREATE TABLE tabAnexo35Movimento (
    ID            INTEGER NOT NULL PRIMARY KEY,
    BimReferencia TEXT NOT NULL,
    SETOR         TEXT COLLATE NOCASE,
    TRIBUTO       TEXT COLLATE NOCASE,
    MODALIDADE    TEXT COLLATE NOCASE,
    V2007         INTEGER NOT NULL DEFAULT 0,
    V2008         INTEGER NOT NULL DEFAULT 0,
    V2009         INTEGER NOT NULL DEFAULT 0,
    Compensacao   TEXT COLLATE NOCASE
);
CREATE INDEX tabAnexo35Movimento_Periodo ON tabAnexo35Movimento (BimReferencia);

CREATE TABLE tabAnexo36Movimento (
    BimReferencia TEXT NOT NULL,
    Campo         INTEGER NOT NULL,
    valorprevisto INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (BimReferencia, Campo)
);

CREATE TABLE tabAnexo37Movimento (
    ID            INTEGER NOT NULL PRIMARY KEY,
    BimReferencia TEXT NOT NULL,
    riscos        TEXT COLLATE NOCASE,
    valor1        INTEGER NOT NULL DEFAULT 0,
    Providencias  TEXT COLLATE NOCASE,
    valor2        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabAnexo37Movimento_Periodo ON tabAnexo37Movimento (BimReferencia);

-- The expense detail of the budget (QDD).
CREATE TABLE tabAnexo38Movimento (
    id            INTEGER NOT NULL PRIMARY KEY,
    BimReferencia TEXT NOT NULL,
    Orgao         TEXT COLLATE NOCASE,
    Unidade       TEXT COLLATE NOCASE,
    Funcao        TEXT COLLATE NOCASE,
    SubFuncao     TEXT COLLATE NOCASE,
    Programa      TEXT COLLATE NOCASE,
    Natureza      TEXT COLLATE NOCASE,
    Fonte         TEXT COLLATE NOCASE,
    Valor         INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabAnexo38Movimento_Periodo ON tabAnexo38Movimento (BimReferencia);

-- Continuing expense of the public-private partnerships: the contracts' rows and the assets.
CREATE TABLE tabAnexo39Movimento (
    id               INTEGER NOT NULL PRIMARY KEY,
    BimReferencia    TEXT NOT NULL,
    Descricao        TEXT COLLATE NOCASE,
    NoBimestre       INTEGER NOT NULL DEFAULT 0,
    ateoBimestre     INTEGER NOT NULL DEFAULT 0,
    SaldoAnoAnterior INTEGER NOT NULL DEFAULT 0,
    SaldoTotal       INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabAnexo39Movimento_Periodo ON tabAnexo39Movimento (BimReferencia);
CREATE TABLE tabAnexo39MovimentoAtivo (
    id            INTEGER NOT NULL PRIMARY KEY,
    BimReferencia TEXT NOT NULL,
    Descricao     TEXT COLLATE NOCASE,
    Valor         INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabAnexo39MovimentoAtivo_Periodo ON tabAnexo39MovimentoAtivo (BimReferencia);
