-- Budget classification of the exercise: expense nature (economic category, expense
-- group, application modality, expense element), functions and sub-functions, and the
-- revenue plan. Reference rows, read only by the program.

CREATE TABLE tabDespesaCategoriaEconomica (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);

CREATE TABLE tabDespesaGrupoDespesa (
    Codigo                              TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Codigo_tabDespesaCategoriaEconomica TEXT NOT NULL COLLATE NOCASE
        REFERENCES tabDespesaCategoriaEconomica (Codigo),
    descricao                           TEXT
);

CREATE TABLE tabDespesaModalidadeAplicacao (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);

CREATE TABLE tabDespesaElementoDespesa (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);

CREATE TABLE tabDespFuncFuncao (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);

-- FuncaoTipica is only a hint: any sub-function may be combined with any function.
CREATE TABLE tabDespFuncSubFuncao (
    Codigo       TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao    TEXT,
    FuncaoTipica TEXT COLLATE NOCASE
);

-- Revenue plan: synthetic codes (IndRecebeMovimento 0) group every code that begins with
-- their grupo_stn; analytic codes (IndRecebeMovimento 1) take the values. Codes beginning
-- with "9" are deductions from the revenue of the code that follows the "9".
CREATE TABLE tabReceitaCodigoNovo (
    codigo             TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao          TEXT,
    descricao_lrf      TEXT,
    IndRecebeMovimento INTEGER NOT NULL DEFAULT 1,
    grupo_stn          TEXT COLLATE NOCASE,
    competencia        TEXT NOT NULL COLLATE NOCASE CHECK (competencia IN ('EM', 'M', 'E'))
);
