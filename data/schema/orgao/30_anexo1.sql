-- Anexo I: the body's classification registers of each period (sources of funds,
-- institutional classification, programmes and their projects/activities), the expense and
-- revenue lines of the period, and the expense by function rebuilt from the expense lines.
-- Money is INTEGER ten-thousandths; codes are text compared case-insensitively.

CREATE TABLE tabFonte (
    bimreferencia TEXT NOT NULL,
    Fonte         TEXT NOT NULL COLLATE NOCASE,
    Descricao     TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX tabFonte_Periodo ON tabFonte (bimreferencia, Fonte);
-- The expense editor shows a source's description from whichever period has it.
CREATE INDEX tabFonte_Fonte ON tabFonte (Fonte);

-- idinst is the code read as a number: the expense editor finds a row by it.
CREATE TABLE tabInstitucional (
    bimreferencia TEXT NOT NULL,
    codigo        TEXT NOT NULL COLLATE NOCASE,
    descricao     TEXT COLLATE NOCASE,
    idinst        INTEGER GENERATED ALWAYS AS (CAST(codigo AS INTEGER)) VIRTUAL
);
CREATE UNIQUE INDEX tabInstitucional_Periodo ON tabInstitucional (bimreferencia, codigo);

CREATE TABLE tabPrograma (
    Bimreferencia TEXT NOT NULL,
    Programa      TEXT NOT NULL COLLATE NOCASE,
    descricao     TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX tabPrograma_Periodo ON tabPrograma (Bimreferencia, Programa);

CREATE TABLE tabProjeto (
    Bimreferencia TEXT NOT NULL,
    Programa      TEXT NOT NULL COLLATE NOCASE,
    Projeto       TEXT NOT NULL COLLATE NOCASE,
    descricao     TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX tabProjeto_Periodo ON tabProjeto (Bimreferencia, Programa, Projeto);

-- One line per period and full classification (the ten codes).
CREATE TABLE tabDespesaMovimento (
    BimReferencia                        TEXT NOT NULL,
    Codigo_FontedeRecursos               TEXT NOT NULL COLLATE NOCASE,
    Codigo_ClassInstitucional            TEXT NOT NULL COLLATE NOCASE,
    Codigo_Funcao                        TEXT NOT NULL COLLATE NOCASE,
    Codigo_SubFuncao                     TEXT NOT NULL COLLATE NOCASE,
    Codigo_Programa                      TEXT NOT NULL COLLATE NOCASE,
    Codigo_Atividade                     TEXT NOT NULL COLLATE NOCASE,
    Codigo_tabDespesaCategoriaEconomica  TEXT NOT NULL COLLATE NOCASE,
    Codigo_tabDespesaGrupoDespesa        TEXT NOT NULL COLLATE NOCASE,
    Codigo_tabDespesaModalidadeAplicacao TEXT NOT NULL COLLATE NOCASE,
    Codigo_tabDespesaElementoDespesa     TEXT NOT NULL COLLATE NOCASE,
    ValorDotInicial                      INTEGER NOT NULL DEFAULT 0,
    ValorCredAdcionais                   INTEGER NOT NULL DEFAULT 0,
    ValorDotAtualizada                   INTEGER NOT NULL DEFAULT 0,
    ValorEmpBimestre                     INTEGER NOT NULL DEFAULT 0,
    ValorEmpExercicio                    INTEGER NOT NULL DEFAULT 0,
    ValorLiqBimestre                     INTEGER NOT NULL DEFAULT 0,
    ValorLiqExercicio                    INTEGER NOT NULL DEFAULT 0,
    ValorRPNP                            INTEGER NOT NULL DEFAULT 0
);
-- The line's identity, codes first: the year-to-date of a line sums its earlier periods.
CREATE UNIQUE INDEX tabDespesaMovimento_Linha ON tabDespesaMovimento (
    Codigo_FontedeRecursos, Codigo_ClassInstitucional, Codigo_Funcao, Codigo_SubFuncao,
    Codigo_Programa, Codigo_Atividade, Codigo_tabDespesaCategoriaEconomica, Codigo_tabDespesaGrupoDespesa,
    Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa, BimReferencia);
-- The period's lines, and the first bimester's appropriation of an expense nature.
CREATE INDEX tabDespesaMovimento_Natureza ON tabDespesaMovimento (
    BimReferencia, Codigo_tabDespesaCategoriaEconomica, Codigo_tabDespesaGrupoDespesa,
    Codigo_tabDespesaModalidadeAplicacao, Codigo_tabDespesaElementoDespesa);

CREATE TABLE tabDespFuncMovimento (
    Bimreferencia               TEXT NOT NULL,
    Codigo_FontedeRecursos      TEXT COLLATE NOCASE,
    Codigo_ClassInstitucional   TEXT COLLATE NOCASE,
    Codigo_Programa             TEXT COLLATE NOCASE,
    Codigo_Atividade            TEXT COLLATE NOCASE,
    Codigo_tabDespFuncFuncao    TEXT COLLATE NOCASE,
    Codigo_tabDespFuncSubFuncao TEXT COLLATE NOCASE,
    codigo_tipoorcamento        TEXT COLLATE NOCASE,
    ValorDotInicial             INTEGER NOT NULL DEFAULT 0,
    ValorDotAtualizada          INTEGER NOT NULL DEFAULT 0,
    valorempbimestre            INTEGER NOT NULL DEFAULT 0,
    valorempexercicio           INTEGER NOT NULL DEFAULT 0,
    valorliqbimestre            INTEGER NOT NULL DEFAULT 0,
    valorliqexercicio           INTEGER NOT NULL DEFAULT 0,
    ValorRPNP                   INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tabDespFuncMovimento_Periodo ON tabDespFuncMovimento (Bimreferencia, Codigo_tabDespFuncSubFuncao);

-- One line per period, revenue code and source of funds.
CREATE TABLE tabReceitaMovimento (
    bimreferencia           TEXT NOT NULL,
    Codigo_tabReceitaCodigo TEXT NOT NULL COLLATE NOCASE,
    FonteRecursos           TEXT NOT NULL COLLATE NOCASE,
    ValorPrevistoInicial    INTEGER NOT NULL DEFAULT 0,
    ValorPrevistoAtualizado INTEGER NOT NULL DEFAULT 0,
    ValorRealizadoBimestre  INTEGER NOT NULL DEFAULT 0,
    ValorRealizadoExercicio INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX tabReceitaMovimento_Linha ON tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos);
-- Year-to-date sums of one code and source over the earlier periods.
CREATE INDEX tabReceitaMovimento_Codigo ON tabReceitaMovimento (Codigo_tabReceitaCodigo, FonteRecursos, bimreferencia);
-- A source of funds used by revenue cannot be deleted.
CREATE INDEX tabReceitaMovimento_Fonte ON tabReceitaMovimento (FonteRecursos, bimreferencia);
