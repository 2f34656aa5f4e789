-- Body database "Lumo.mdb" (and the package "export.mdb"): key row, bodies, periods,
-- users and permissions, menus and messages. Money is INTEGER ten-thousandths, booleans
-- 0/1, dates of the period control ISO "yyyy-mm-dd", other dates "dd/mm/yyyy" text.

CREATE TABLE tabChave (
    Codigo_tabOrgaos      TEXT COLLATE NOCASE,
    VersaoAtualAplicativo TEXT,
    RevisaoAtual          TEXT,
    CGC                   TEXT,
    Logradouro            TEXT,
    Complemento           TEXT,
    CEP                   TEXT,
    Bairro                TEXT,
    Cidade                TEXT,
    UF                    TEXT,
    Email                 TEXT,
    Telefone              TEXT,
    backup                INTEGER,
    IntegradoSet          INTEGER NOT NULL DEFAULT 0,
    NaoMostraTutorial     INTEGER NOT NULL DEFAULT 0,
    PlanoContas_1R        TEXT,
    bimreferencia         TEXT
);

CREATE TABLE tabOrgaos (
    Codigo      TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao   TEXT COLLATE NOCASE,
    TipoMenu    TEXT COLLATE NOCASE,
    esfera      TEXT COLLATE NOCASE,
    CGC         TEXT,
    Logradouro  TEXT,
    Complemento TEXT,
    CEP         TEXT,
    Bairro      TEXT,
    Cidade      TEXT,
    UF          TEXT
);

CREATE TABLE tabControleMovimento (
    BimReferencia     TEXT NOT NULL PRIMARY KEY,
    DataAbertura      TEXT,
    Situacao          TEXT COLLATE NOCASE,
    DataFechamento    TEXT,
    DataReabertura    TEXT,
    MotivoReabertura  TEXT
);

CREATE TABLE tabMensagem (
    codigo    INTEGER NOT NULL PRIMARY KEY,
    descricao TEXT
);

CREATE TABLE tabPermissoes (
    Codigo    TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao TEXT
);

CREATE TABLE tabGrupos (
    Codigo     TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Descricao  TEXT,
    Permissoes TEXT
);

CREATE TABLE tabUsuarios (
    Codigo           TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Nome             TEXT,
    Username         TEXT COLLATE NOCASE,
    Senha            TEXT,
    Codigo_tabGrupos TEXT COLLATE NOCASE
);

CREATE TABLE tabMenu (
    TipoMenu TEXT NOT NULL COLLATE NOCASE,
    Anexo    TEXT NOT NULL COLLATE NOCASE,
    bimestre TEXT,
    PRIMARY KEY (TipoMenu, Anexo)
);

CREATE TABLE tabIndice (
    Anexo      TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    descricao  TEXT,
    alteracoes TEXT
);

-- Responsible persons, one set of rows per period.
CREATE TABLE tabResponsavelInformacao (
    bimreferencia TEXT NOT NULL, cpf TEXT, nome TEXT, funcao TEXT, id TEXT, email TEXT,
    telefone TEXT, celular TEXT, logradouro TEXT, complemento TEXT, cep TEXT, bairro TEXT,
    cidade TEXT, uf TEXT
);

CREATE TABLE tabResponsavelPreenchimento (
    bimreferencia TEXT NOT NULL, cpf TEXT, nome TEXT, funcao TEXT, id TEXT, email TEXT,
    telefone TEXT, celular TEXT, logradouro TEXT, complemento TEXT, cep TEXT, bairro TEXT,
    cidade TEXT, uf TEXT,
    CaminhoArquivoComprovacaoRel TEXT, CaminhoArquivoComprovacaoRgf TEXT,
    ArquivoComprovacaoRel BLOB, ArquivoComprovacaoRgf BLOB
);

CREATE TABLE tabResponsavelContabilidade (
    bimreferencia TEXT NOT NULL, cpf TEXT, nome TEXT, profissao TEXT, rg TEXT, email TEXT,
    telefone TEXT, celular TEXT, data_nascimento TEXT, estado_civil TEXT, logradouro TEXT,
    complemento TEXT, cep TEXT, bairro TEXT, cidade TEXT, uf TEXT
);
