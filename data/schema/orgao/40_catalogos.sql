-- Line catalogues of the fiscal statements: one table per statement, one row per line.
--   campo          line number; the movement table of the statement is keyed by it
--   descricao      caption shown in the first column of the editor and in the reports
--   grupo          1 for a line the editor computes (a total of other lines or a formula
--                  of them), grey and read-only; 0 for a typed line
--   esfera         where the lines differ by sphere: "EM" both, "M" municipal, "E" state
--   tipomovimento  where the statement has several tables: which one shows the line
--   subfuncao      sub-function whose expense by function fills the line, where one does
-- Line numbers are integers except in Anexo 03, whose codes are text: a group line there is
-- the sum of the typed lines whose code begins with its own.

CREATE TABLE tabAnexo03Campos (
    campo     TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0,
    esfera    TEXT NOT NULL DEFAULT 'EM' COLLATE NOCASE
);

CREATE TABLE tabAnexo04Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo05Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo06campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    esfera        TEXT NOT NULL DEFAULT 'EM' COLLATE NOCASE,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

-- Powers of Anexo 07 (unpaid commitments by power and body); the importer checks the
-- one-digit power code of each record against it.
CREATE TABLE tabAnexo07Poderes (
    Codigo    INTEGER NOT NULL PRIMARY KEY,
    Descricao TEXT NOT NULL,
    esfera    TEXT NOT NULL DEFAULT 'EM' COLLATE NOCASE
);

CREATE TABLE tabAnexo08Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo10Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

-- Anexo 11: state bodies, municipal bodies, and the closing lines of the sixth bimester.
CREATE TABLE tabAnexo11Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    subfuncao     TEXT COLLATE NOCASE,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo11MunCampos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    subfuncao     TEXT COLLATE NOCASE,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo11Campos_06 (
    campo     INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0,
    esfera    TEXT NOT NULL DEFAULT 'EM' COLLATE NOCASE,
    formula       TEXT,
    origem        TEXT
);

-- Anexo 12: state bodies and municipal bodies.
CREATE TABLE tabAnexo12Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    subfuncao     TEXT COLLATE NOCASE,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo12CamposMun (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    subfuncao     TEXT COLLATE NOCASE,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo15Campos (
    campo     INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo16Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo17Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo18Campos (
    campo     INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0,
    formula       TEXT,
    origem        TEXT
);

-- The thirteen lines of the simplified fiscal-management statement (Anexo 22B).
CREATE TABLE tabAnexo22bCampos (
    campo     INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0
);

-- Fiscal-targets annexes of the budget-guidelines law.
CREATE TABLE tabanexo29Campos (
    campo     INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabanexo30Campos (
    campo     INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabanexo31Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo32Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo33Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE TabAnexo34Campos (
    campo         INTEGER NOT NULL PRIMARY KEY,
    descricao     TEXT NOT NULL,
    grupo         INTEGER NOT NULL DEFAULT 0,
    tipomovimento INTEGER NOT NULL DEFAULT 1,
    formula       TEXT,
    origem        TEXT
);

CREATE TABLE tabAnexo36Campos (
    campo     INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT NOT NULL,
    grupo     INTEGER NOT NULL DEFAULT 0,
    formula       TEXT,
    origem        TEXT
);
