-- Saved orders of the demo company for the order list and the order information: three of this
-- month and three of last month (counted from the day the installation is written), for the demo
-- representative (chart position 7) and its customers Cliente Exemplo (SP, chart 2) and Maria da
-- Silva (RJ, chart 3), and for the regional representative (9001) and its customers (20, 21).
-- An order's position is its number: the month index ((year - 1848) x 12 + month) in bits 0-11
-- and the sequence above; days are 16-bit day numbers (the OLE date plus 18993); amounts are
-- CURRENCY units of 1/10,000. Their record bytes are left empty: the server reads them from the
-- columns.
WITH meses (m, inicio) AS (
    SELECT 0, date('now', 'start of month') UNION ALL SELECT 1, date('now', 'start of month', '-1 month')
), linhas (m, seq, dia, representante, cliente, total, atendido, cancelado, faturado, bloqueado, em_analise) AS (
    VALUES (0, 1, 0, 7, 2, 15000000, 0, 0, 0, 0, 0),
           (0, 2, 0, 7, 3, 8305000, 1, 0, 0, 0, 0),
           (0, 3, 0, 9001, 20, 4200000, 0, 0, 0, 0, 1),
           (1, 1, 4, 7, 2, 27500000, 0, 0, 1, 0, 0),
           (1, 2, 9, 7, 3, 999000, 0, 1, 1, 0, 0),
           (1, 3, 14, 9001, 21, 12000000, 0, 0, 0, 1, 0)
)
INSERT INTO pedido (empresa, posicao, mes, sequencia, representante, cliente, filial, data_emissao, data_entrega, total,
                    atendido, cancelado, faturado, bloqueado, em_analise)
SELECT 'DEMO',
       ((CAST(strftime('%Y', meses.inicio) AS INTEGER) - 1848) * 12 + CAST(strftime('%m', meses.inicio) AS INTEGER))
           + (linhas.seq << 12),
       (CAST(strftime('%Y', meses.inicio) AS INTEGER) - 1848) * 12 + CAST(strftime('%m', meses.inicio) AS INTEGER),
       linhas.seq, linhas.representante, linhas.cliente, 1,
       CAST(julianday(meses.inicio, '+' || linhas.dia || ' days') - julianday('1899-12-30') AS INTEGER) + 18993,
       CAST(julianday(meses.inicio, '+' || (linhas.dia + 10) || ' days') - julianday('1899-12-30') AS INTEGER) + 18993,
       linhas.total, linhas.atendido, linhas.cancelado, linhas.faturado, linhas.bloqueado, linhas.em_analise
FROM linhas JOIN meses ON meses.m = linhas.m;

-- One item (product position 2, the T-shirt) and one instalment 30 days after the issue day for each of them.
INSERT INTO pedido_item (empresa, pedido, indice, produto, quantidade, valor_unitario, valor)
SELECT empresa, posicao, 0, 2, 10000 * 10, total * 10000 / 10, total FROM pedido WHERE empresa = 'DEMO';
INSERT INTO pedido_parcela (empresa, pedido, indice, valor, vencimento)
SELECT empresa, posicao, 0, total, data_emissao + 30 FROM pedido WHERE empresa = 'DEMO';
