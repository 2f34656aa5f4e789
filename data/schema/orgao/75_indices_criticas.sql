-- What the pre-submission checks read of Anexo XIV, so that the commitment balance of every
-- commitment of the period is found in the indexes alone: the committed amount of a number,
-- and the sums of its payments, annulments and payment annulments up to a period.
CREATE INDEX tabAnexo14Movimento_Valor ON tabAnexo14Movimento (NumeroEmpenho, idEmpenho, ValorEmpenhado);
CREATE INDEX tabAnexo14Pagamentos_Saldo ON tabAnexo14Pagamentos (NumeroEmpenho, BimReferencia, ValorPago);
CREATE INDEX tabAnexo14Anulacoes_Saldo ON tabAnexo14Anulacoes (NumeroEmpenho, BimReferencia, ValorAnulado);
CREATE INDEX tabAnexo14AnulacaoPagamento_Saldo ON tabAnexo14AnulacaoPagamento (idPagamento, BimReferencia, ValorAnulacao);
