-- What the last check run and the last generation left for printing.

-- The problem list of the last check run, as its report prints it.
CREATE TABLE tabProblemas (
    Anexo     TEXT,
    Descricao TEXT,
    Solucao   TEXT
);

-- The summary of the last package: one figure per due annex, in ten-thousandths like every
-- amount of the body (rounded to cents; a count of rows n is kept as n * 10000).
CREATE TABLE tabResumo (
    BimReferencia TEXT,
    Anexo         TEXT,
    Valor1        INTEGER
);
