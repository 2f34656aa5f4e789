-- Every submission package generated and copied out, so a body can prove what it sent:
-- when, for which period, by whom, where it went, and the file's size and SHA-256.
CREATE TABLE tabEnvios (
    idEnvio       INTEGER NOT NULL PRIMARY KEY,
    DataHora      TEXT NOT NULL,            -- "yyyy-mm-dd hh:mm:ss", local time
    BimReferencia TEXT NOT NULL,
    Usuario       TEXT COLLATE NOCASE,
    Destino       TEXT NOT NULL,            -- full path of the package where it was copied
    Tamanho       INTEGER NOT NULL,         -- bytes of the ".lrf"
    Sha256        TEXT NOT NULL,            -- lower-case hex of the ".lrf"
    Resumo        TEXT NOT NULL             -- the summary: JSON array of {"anexo", "valor"}
);
CREATE INDEX tabEnvios_Periodo ON tabEnvios (BimReferencia, DataHora);
