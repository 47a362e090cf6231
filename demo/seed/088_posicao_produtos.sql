-- What the product position of the demo shows: sales invoices of the demo products to the demo
-- customers, the purchase history of coffee (product 201, position 8) and of the cotton T-shirt
-- (101, position 2, size and colour grids) from two suppliers (Distribuidora Paulista, chart 22,
-- and Fornecedor Exemplo, chart 5), a cancelled purchase, an open purchase order of each kind
-- (one received in part through a purchase) and two quotations, one cancelled. Quantities and
-- amounts are CURRENCY ticks (4 implied decimals).
INSERT INTO nota_fiscal (empresa, chave, numero, filial, cliente, emissao, condicao, frete) VALUES
    ('DEMO', 1, 1201, 1, 2, '2026-10-05', 1, 0),
    ('DEMO', 2, 1234, 1, 3, '2026-11-20', 2, 1);
INSERT INTO nota_fiscal_item (empresa, nota, ordem, produto, item1, item2, item3, quantidade, valor_unitario,
                              valor_icms, valor_ipi, cfop, casas_quantidade, casas_valor) VALUES
    ('DEMO', 1, 1, 8, 0, 0, 0, 50000, 389000, 350100, 0, '5.102', 1, 2),
    ('DEMO', 2, 1, 2, 2, 1, 0, 30000, 499000, 269500, 74900, '5.102', 0, 2),
    ('DEMO', 2, 2, 8, 0, 0, 0, 20000, 392000, 141100, 0, '5.102', 1, 2);

INSERT INTO compra (empresa, chave, filial, fornecedor, emissao, entrada, cancelada) VALUES
    ('DEMO', 1, 1, 22, '2026-03-10', '2026-03-12', 0),
    ('DEMO', 2, 1, 5, '2026-06-15', '2026-06-16', 0),
    ('DEMO', 3, 1, 22, '2026-09-01', '2026-09-02', 0),
    ('DEMO', 4, 2, 5, '2026-10-20', '2026-10-21', 0),
    ('DEMO', 5, 1, 5, '2026-11-02', '2026-11-03', 1);
INSERT INTO compra_item (empresa, compra, ordem, produto, item1, item2, item3, quantidade, valor_unitario,
                         ordem_compra, item_ordem) VALUES
    ('DEMO', 1, 1, 8, 0, 0, 0, 200000, 245000, 0, 0),
    ('DEMO', 2, 1, 2, 1, 1, 0, 100000, 180000, 0, 0),
    ('DEMO', 2, 2, 2, 2, 1, 0, 120000, 180000, 0, 0),
    ('DEMO', 2, 3, 8, 0, 0, 0, 100000, 251000, 0, 0),
    ('DEMO', 3, 1, 8, 0, 0, 0, 150000, 260000, 2, 0),
    ('DEMO', 4, 1, 8, 0, 0, 0, 50000, 264000, 0, 0),
    ('DEMO', 5, 1, 8, 0, 0, 0, 990000, 270000, 0, 0);

INSERT INTO ordem_compra (empresa, chave, filial, emissao, tipo, cancelada) VALUES
    ('DEMO', 1, 1, '2026-11-25', 0, 0),
    ('DEMO', 2, 1, '2026-08-20', 1, 0);
INSERT INTO ordem_compra_item (empresa, ordem_compra, ordem, produto, item1, item2, item3, quantidade, cancelado, encerrado) VALUES
    ('DEMO', 1, 1, 8, 0, 0, 0, 300000, 0, 0),
    ('DEMO', 1, 2, 2, 2, 1, 0, 60000, 0, 0),
    ('DEMO', 2, 1, 8, 0, 0, 0, 400000, 0, 0);

INSERT INTO cotacao (empresa, chave, filial, emissao, cancelada) VALUES
    ('DEMO', 1, 1, '2026-12-01', 0),
    ('DEMO', 2, 1, '2026-12-05', 1);
INSERT INTO cotacao_item (empresa, cotacao, ordem, tipo, produto, item1, item2, item3, quantidade) VALUES
    ('DEMO', 1, 1, 'P', 8, 0, 0, 0, 500000),
    ('DEMO', 1, 2, 'P', 2, 2, 1, 0, 80000),
    ('DEMO', 2, 1, 'P', 8, 0, 0, 0, 700000);

-- The demo company also has the purchasing module (byte 21 of its installed systems), which the
-- product position shows the purchase side of.
UPDATE empresa_sistema SET tipos_vevureze = X'00000000000000000000000001000000000001000101010000010000000000000000000100000000000000000000000000000000000000000000000000000000'
    WHERE empresa = 'DEMO';
