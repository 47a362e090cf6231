-- The history of the demo customer C001 (chart position 2) in 2026: orders, sales (one product
-- each: the T-shirt, product 2, in size M and colour blue, and the polo shirt, product 3) and a
-- return, sold by branch 1 through the representative (chart position 7); its financial
-- position and the cheques it handed over (situation 6: returned). Amounts are CURRENCY ticks.
INSERT INTO venda_cliente (empresa, cliente, tipo, numero, documento, filial, data, data2, valor, valor2, vendedor, conta,
                           produto, item1, item2, item3, quantidade) VALUES
    ('DEMO', 2, 'P', 101, 'PED', 1, '2026-03-02', '', 25000000, 0, 7, 2, 2, 2, 1, 0, 1000000),
    ('DEMO', 2, 'V', 5001, 'NF-e', 1, '2026-03-10', '2026-04-09', 15000000, 15000000, 7, 2, 2, 2, 1, 0, 1000000),
    ('DEMO', 2, 'V', 5002, 'NF-e', 1, '2026-04-09', '2026-05-09', 9000000, 9000000, 7, 2, 3, 0, 0, 0, 300000),
    ('DEMO', 2, 'V', 5003, 'NF-e', 2, '2026-05-09', '2026-06-08', 4500000, 4500000, 7, 2, 2, 2, 1, 0, 300000),
    ('DEMO', 2, 'D', 7001, 'DEV', 1, '2026-05-20', '', 1500000, 0, 7, 2, 2, 2, 1, 0, 100000);

INSERT INTO posicao_financeira (empresa, cliente, a_vencer, vencido, maior_atraso, baixas_inadimplencia, comprometido,
                                limite, adiantamentos, media_atraso, quantidade_baixas, data_limite) VALUES
    ('DEMO', 2, 12000000, 3000000, 1500000, 500000, 2000000, 50000000, 1000000, 12, 1, '2027-03-31');

INSERT INTO cheque_terceiro (empresa, posicao, cliente, valor, data, situacao) VALUES
    ('DEMO', 1, 2, 5000000, '2027-01-15', 0),
    ('DEMO', 2, 2, 2500000, '2026-01-10', 0),
    ('DEMO', 3, 2, 1234500, '2025-11-30', 6),
    ('DEMO', 4, 3, 9990000, '2027-02-01', 0);
