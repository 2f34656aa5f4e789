-- Configuration database "data.mdb" of a program folder: the bodies known to the program
-- and the ones configured on this machine.

CREATE TABLE Orgaos (
    Codigo     TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, -- order of listing
    nome       TEXT NOT NULL COLLATE NOCASE,
    sigla_lrf  TEXT NOT NULL UNIQUE COLLATE NOCASE,      -- the body code
    TipoMenu   TEXT COLLATE NOCASE,
    esfera     TEXT COLLATE NOCASE
);

CREATE TABLE OrgaosCad (
    codigo_lrf  TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    pasta_dados TEXT NOT NULL COLLATE NOCASE
);
