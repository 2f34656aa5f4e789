-- Procurement and contracts (Anexo XIII): bidding processes and acts of waiver or
-- non-requirement, their participants, the contracts signed with a participant and the
-- amendments of a contract. Each row carries the period it was entered in; the columns keep
-- the order of the editor's inserts. Money is INTEGER ten-thousandths, dates "dd/mm/yyyy".
--
-- No REFERENCES: nothing cascades; the editor refuses to delete a parent with children. The
-- process number is unique in the year and the other numbers within their parent; the editor
-- tests them with its own messages, and the indexes are not UNIQUE because the imports may
-- bring the same act twice.

CREATE TABLE tabAnexo13Movimento (
    idLicitacao     INTEGER NOT NULL PRIMARY KEY,
    BimReferencia   TEXT NOT NULL,
    NumeroProcesso  TEXT COLLATE NOCASE,
    NumeroLicitacao TEXT COLLATE NOCASE,
    Objeto          TEXT COLLATE NOCASE,
    Modalidade      TEXT COLLATE NOCASE,
    FundamentoLegal TEXT COLLATE NOCASE,
    DataEmissaoAto  TEXT,
    DataPublicacao  TEXT,
    NumeroRecibo    TEXT COLLATE NOCASE,
    ValorLicitacao  INTEGER,
    RDC             TEXT
);
-- The listing (period, by number) and the look-up of Anexos XIV and XXIII.
CREATE INDEX tabAnexo13Movimento_Periodo ON tabAnexo13Movimento (BimReferencia, NumeroProcesso);
-- The process and bidding numbers are unique in the year; commitments and works name the process.
CREATE INDEX tabAnexo13Movimento_Processo ON tabAnexo13Movimento (NumeroProcesso);
CREATE INDEX tabAnexo13Movimento_Licitacao ON tabAnexo13Movimento (NumeroLicitacao);

-- Participants of a process (TipoDocumento 1 CNPJ, 2 CPF; the number stored punctuated).
CREATE TABLE tabAnexo13ItensMovimento (
    idParticipante          INTEGER NOT NULL PRIMARY KEY,
    BimReferencia           TEXT NOT NULL,
    idLicitacao             INTEGER,
    TipoDocumento           TEXT,
    NumeroDocumento         TEXT COLLATE NOCASE,
    NomeParticipante        TEXT COLLATE NOCASE,
    VenceuItens             TEXT COLLATE NOCASE,
    ValorTotalItensVencidos INTEGER,
    NumeroProcesso          TEXT COLLATE NOCASE
);
-- The participants of a process, and a document once per process and period.
CREATE INDEX tabAnexo13ItensMovimento_Licitacao ON tabAnexo13ItensMovimento (idLicitacao, BimReferencia, NumeroDocumento);
CREATE INDEX tabAnexo13ItensMovimento_Periodo ON tabAnexo13ItensMovimento (BimReferencia);

-- Contracts signed with a participant.
CREATE TABLE tabAnexo13Contratos (
    idContrato      INTEGER NOT NULL PRIMARY KEY,
    idParticipante  INTEGER,
    BimReferencia   TEXT NOT NULL,
    NumeroContrato  TEXT COLLATE NOCASE,
    ValorContrato   INTEGER,
    InicioVigencia  TEXT,
    TerminoVigencia TEXT,
    DataAssinatura  TEXT,
    DataPublicacao  TEXT,
    NumeroDocumento TEXT COLLATE NOCASE
);
-- The contracts of a participant, and a number once per participant.
CREATE INDEX tabAnexo13Contratos_Participante ON tabAnexo13Contratos (idParticipante, NumeroContrato);
CREATE INDEX tabAnexo13Contratos_Periodo ON tabAnexo13Contratos (BimReferencia);

-- Amendments of a contract.
CREATE TABLE tabAnexo13Aditivos (
    idAditivo       INTEGER NOT NULL PRIMARY KEY,
    idContrato      INTEGER,
    BimReferencia   TEXT NOT NULL,
    NumeroAditivo   TEXT COLLATE NOCASE,
    Objeto          TEXT COLLATE NOCASE,
    FundamentoLegal TEXT COLLATE NOCASE,
    Valor           INTEGER,
    DataInicio      TEXT,
    DataTermino     TEXT,
    DataAssinatura  TEXT,
    DataPublicacao  TEXT,
    NumeroContrato  TEXT COLLATE NOCASE
);
-- The amendments of a contract, and a term number once per contract.
CREATE INDEX tabAnexo13Aditivos_Contrato ON tabAnexo13Aditivos (idContrato, NumeroAditivo);
CREATE INDEX tabAnexo13Aditivos_Periodo ON tabAnexo13Aditivos (BimReferencia);
