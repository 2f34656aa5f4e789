-- Code tables the look-up dialogs list: two columns, the code then its description.

CREATE TABLE Cidades (
    IdCidade INTEGER NOT NULL PRIMARY KEY,
    Nome     TEXT NOT NULL COLLATE NOCASE,
    UF       TEXT COLLATE NOCASE
);

CREATE TABLE tabAnexo13Modalidade (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Descricao TEXT
);

CREATE TABLE tabAnexo13BaseLegal (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Descricao TEXT
);

CREATE TABLE tabAnexo25BaseLegal (
    codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);

CREATE TABLE tabAnexo27TipoCargo (
    codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);

CREATE TABLE tabAnexo27GrauInstrucao (
    codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);
