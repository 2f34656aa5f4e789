-- Tables the report screen prepares before printing; emptied on every run.

-- Anexo 03 over the twelve months that end with the bimester's last month, one column per
-- month ("1m" the oldest, "12m" the last) and the previous exercise's figure of the bimester.
CREATE TABLE tabAnexo03Temp (
    Campo     TEXT COLLATE NOCASE,
    Descricao TEXT,
    "1m"      INTEGER,
    "2m"      INTEGER,
    "3m"      INTEGER,
    "4m"      INTEGER,
    "5m"      INTEGER,
    "6m"      INTEGER,
    "7m"      INTEGER,
    "8m"      INTEGER,
    "9m"      INTEGER,
    "10m"     INTEGER,
    "11m"     INTEGER,
    "12m"     INTEGER,
    PA        INTEGER
);

-- The revenue of the period by the standard groups (a group row carries the sums of the
-- period's lines whose code begins with the group's digits), followed by those lines with their
-- description indented. `Codigo` and `Tipo` ('G' group, 'L' line) put each line under its group.
CREATE TABLE tabReceitaTemp (
    BimReferencia      TEXT,
    Grupo              TEXT COLLATE NOCASE,
    Descricao          TEXT,
    PrevisaoInicial    INTEGER,
    PrevisaoAtualizada INTEGER,
    RecRel_NoBimestre  INTEGER,
    RecRel_AteoBim     INTEGER,
    Codigo             TEXT COLLATE NOCASE,
    Tipo               TEXT
);
