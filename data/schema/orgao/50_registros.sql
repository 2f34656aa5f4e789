-- Registers of acts: one row per act, each with the period it was entered in.
--
-- Columns keep the physical order the inserts rely on (several of them name no columns).
-- Identifiers are INTEGER PRIMARY KEY: the next code (max + 1) is then a look-up of the
-- last key, and editors address a row by it. Money is INTEGER ten-thousandths, dates
-- "dd/mm/yyyy" text, text compared case-insensitively.
--
-- No REFERENCES: nothing cascades, the editors refuse a deletion that leaves dependants,
-- and a payment may name an account that is no longer in the register (the bank-account
-- copy replaces the open period's accounts). The links are indexed for the joins of the
-- editors, the balances and the checks.
--
-- Numbers unique in the year (NumeroEmpenho, a note within its commitment) are tested by the
-- editors with their own messages; their indexes are not UNIQUE, because the imports may
-- add the same act twice, as they always did.

-- Bank accounts of the body (Anexo XXVI), one row per account and period.
CREATE TABLE tabAnexo26Extratos (
    idConta         INTEGER NOT NULL PRIMARY KEY,
    BimReferencia   TEXT NOT NULL,
    Banco           TEXT COLLATE NOCASE,
    Agencia         TEXT COLLATE NOCASE,
    Conta_Corrente  TEXT COLLATE NOCASE,
    Descricao_Conta TEXT COLLATE NOCASE,
    Titular_Conta   TEXT COLLATE NOCASE
);
-- The account's identity within its period: updates and deletions address the row by it,
-- and the listing is by period ordered by bank.
CREATE UNIQUE INDEX tabAnexo26Extratos_Conta
    ON tabAnexo26Extratos (BimReferencia, Banco, Agencia, Conta_Corrente);

-- Commitments (Anexo XIV).
CREATE TABLE tabAnexo14Movimento (
    idEmpenho         INTEGER NOT NULL PRIMARY KEY,
    BimReferencia     TEXT NOT NULL,
    NumeroEmpenho     TEXT COLLATE NOCASE,
    NumeroProcesso    TEXT COLLATE NOCASE,
    Tipo              TEXT COLLATE NOCASE,
    ProcessoLicitacao TEXT COLLATE NOCASE,
    ElementoDespesa   TEXT COLLATE NOCASE,
    FonteRecurso      TEXT COLLATE NOCASE,
    TipoDocumento     TEXT COLLATE NOCASE,
    NumeroDocumento   TEXT COLLATE NOCASE,
    NomeCredor        TEXT COLLATE NOCASE,
    DataEmpenho       TEXT,
    ValorEmpenhado    INTEGER,
    Fundef            TEXT COLLATE NOCASE,
    Royalties         TEXT COLLATE NOCASE,
    ClassInsitucional TEXT COLLATE NOCASE,
    ClassFuncional    TEXT COLLATE NOCASE,
    ClassProgramatica TEXT COLLATE NOCASE
);
-- The listing (period, by number) and the period's checks.
CREATE INDEX tabAnexo14Movimento_Periodo ON tabAnexo14Movimento (BimReferencia, NumeroEmpenho);
-- Balance, duplicate number, the checks' joins and the imports' look-up.
CREATE INDEX tabAnexo14Movimento_Numero ON tabAnexo14Movimento (NumeroEmpenho);
-- The procurement register refuses to delete a process that a commitment names.
CREATE INDEX tabAnexo14Movimento_Licitacao ON tabAnexo14Movimento (ProcessoLicitacao);

-- Payments of a commitment.
CREATE TABLE tabAnexo14Pagamentos (
    idPagamento            INTEGER NOT NULL PRIMARY KEY,
    idEmpenho              INTEGER,
    BimReferencia          TEXT NOT NULL,
    NumeroOBCheque         TEXT COLLATE NOCASE,
    DataPagamento          TEXT,
    SerieNotaFiscal        TEXT COLLATE NOCASE,
    Modelo                 TEXT COLLATE NOCASE,
    NumeroNotaFiscal       TEXT COLLATE NOCASE,
    DataEmissaoNFiscal     TEXT,
    CodValidacaoNotaFiscal TEXT COLLATE NOCASE,
    ValorPago              INTEGER,
    idContaCorrente        INTEGER,
    NumeroEmpenho          TEXT COLLATE NOCASE,
    DocCredor              TEXT COLLATE NOCASE
);
CREATE INDEX tabAnexo14Pagamentos_Empenho ON tabAnexo14Pagamentos (idEmpenho);
-- Sums of a commitment's payments up to a period.
CREATE INDEX tabAnexo14Pagamentos_Numero ON tabAnexo14Pagamentos (NumeroEmpenho, BimReferencia);
CREATE INDEX tabAnexo14Pagamentos_Periodo ON tabAnexo14Pagamentos (BimReferencia);
-- An order or cheque pays once; the imports find a payment by it.
CREATE INDEX tabAnexo14Pagamentos_Ordem ON tabAnexo14Pagamentos (NumeroOBCheque);
CREATE INDEX tabAnexo14Pagamentos_Conta ON tabAnexo14Pagamentos (idContaCorrente);

-- Annulments of a commitment.
CREATE TABLE tabAnexo14Anulacoes (
    idAnulacao     INTEGER NOT NULL PRIMARY KEY,
    BimReferencia  TEXT NOT NULL,
    idEmpenho      INTEGER,
    NotaAnulacao   TEXT COLLATE NOCASE,
    ValorAnulado   INTEGER,
    NumeroEmpenho  TEXT COLLATE NOCASE,
    MotivoAnulacao TEXT COLLATE NOCASE,
    DataAnulacao   TEXT
);
CREATE INDEX tabAnexo14Anulacoes_Empenho ON tabAnexo14Anulacoes (idEmpenho);
-- Sums of a commitment's annulments, and a note unique within its commitment.
CREATE INDEX tabAnexo14Anulacoes_Numero ON tabAnexo14Anulacoes (NumeroEmpenho, NotaAnulacao);
CREATE INDEX tabAnexo14Anulacoes_Periodo ON tabAnexo14Anulacoes (BimReferencia);

-- Annulments of a payment; the last column is the payment's order or cheque number.
CREATE TABLE tabAnexo14AnulacaoPagamento (
    idAnulacaoPagamento INTEGER NOT NULL PRIMARY KEY,
    idPagamento         INTEGER,
    BimReferencia       TEXT NOT NULL,
    NotaAnulacao        TEXT COLLATE NOCASE,
    ValorAnulacao       INTEGER,
    DataAnulacao        TEXT,
    NumeroOBCheque      TEXT COLLATE NOCASE
);
-- Listing, open amount of a payment and the balance join.
CREATE INDEX tabAnexo14AnulacaoPagamento_Pagamento ON tabAnexo14AnulacaoPagamento (idPagamento);
CREATE INDEX tabAnexo14AnulacaoPagamento_Periodo ON tabAnexo14AnulacaoPagamento (BimReferencia);
