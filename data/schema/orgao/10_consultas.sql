-- Code tables the look-up dialogs list: the first column is the code, the second its
-- description.

-- Municipalities that existed in the exercise, keyed by their IBGE code. NomeAtual is the
-- name the municipality bears today when it was renamed later.
CREATE TABLE Cidades (
    IdCidade  INTEGER NOT NULL PRIMARY KEY,
    Nome      TEXT NOT NULL COLLATE NOCASE,
    UF        TEXT NOT NULL COLLATE NOCASE,
    NomeAtual TEXT COLLATE NOCASE
);
CREATE INDEX Cidades_Nome ON Cidades (Nome);

-- Banks by their three-digit compensation code. Observacao tells codes kept only so that
-- old accounts are accepted, or institutions that started after the exercise.
CREATE TABLE Bancos (
    CodFebraban TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Banco       TEXT NOT NULL COLLATE NOCASE,
    Observacao  TEXT
);

CREATE TABLE tabAnexo13Modalidade (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Descricao TEXT
);

-- Codes up to "55" and "76" ground bidding processes and direct contracting; codes from
-- "56" to "75" ground contract amendments.
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

CREATE TABLE tabAnexo27FormaIngresso (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Descricao TEXT
);

CREATE TABLE tabAnexo27FormaAfastamento (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Descricao TEXT
);

-- Vehicle classification (Código de Trânsito Brasileiro, art. 96, and the fuels and
-- makes of public fleets). Integer keys: 0 means "not informed" in the register.
CREATE TABLE tabAnexo28Especie (
    idEspecie INTEGER NOT NULL PRIMARY KEY CHECK (idEspecie > 0),
    especie   TEXT NOT NULL COLLATE NOCASE
);

CREATE TABLE tabAnexo28TipoVeiculo (
    idTipoVeiculo INTEGER NOT NULL PRIMARY KEY CHECK (idTipoVeiculo > 0),
    tipoVeiculo   TEXT NOT NULL COLLATE NOCASE
);

CREATE TABLE tabAnexo28MarcaModelo (
    idMarcaModelo INTEGER NOT NULL PRIMARY KEY CHECK (idMarcaModelo > 0),
    marcaModelo   TEXT NOT NULL COLLATE NOCASE
);

CREATE TABLE tabAnexo28Combustivel (
    idCombustivel INTEGER NOT NULL PRIMARY KEY CHECK (idCombustivel > 0),
    combustivel   TEXT NOT NULL COLLATE NOCASE
);

CREATE TABLE tabAnexo28Categoria (
    idCategoria INTEGER NOT NULL PRIMARY KEY CHECK (idCategoria > 0),
    categoria   TEXT NOT NULL COLLATE NOCASE
);

-- Legal nature of a managing unit (IBGE/CONCLA table of legal natures, public
-- administration), keyed by its four-digit code with the check digit.
CREATE TABLE tabAnexo42Natureza (
    IdNatureza INTEGER NOT NULL PRIMARY KEY,
    Natureza   TEXT NOT NULL COLLATE NOCASE
);
