-- The demo company's stock: two storage places in each branch (a warehouse and the shop floor)
-- and a third party's consignment place, and balances of some products per grid item, branch
-- and place. Kinds: 1 own stock (EP), 2 own stock held by third parties (EPT), 3 third parties'
-- stock held here (ETPE). Some balances are negative (sold before the entry was posted) and some
-- are zero (counted and found empty).
INSERT INTO local_armazenagem (empresa, posicao, codigo, nome, tipo, filial) VALUES
    ('DEMO', 1, 'DEP-SP', 'Depósito São Paulo', 'D', 1),
    ('DEMO', 2, 'LOJA-SP', 'Loja São Paulo', 'L', 1),
    ('DEMO', 3, 'DEP-RJ', 'Depósito Rio de Janeiro', 'D', 2),
    ('DEMO', 4, 'LOJA-RJ', 'Loja Rio de Janeiro', 'L', 2),
    ('DEMO', 5, 'CONSIG', 'Consignação de terceiros', 'C', 0);

INSERT INTO estoque_saldo (empresa, produto, item1, item2, item3, filial, local, tipo, quantidade, reservado, indisponivel, custo_medio) VALUES
    -- Camiseta de algodão (101): size x colour.
    ('DEMO', 2, 1, 1, 0, 1, 1, 1, '40', '5', '0', '18.5'),
    ('DEMO', 2, 1, 1, 0, 1, 2, 1, '6', '0', '1', '18.5'),
    ('DEMO', 2, 2, 1, 0, 1, 1, 1, '25', '0', '0', '19.25'),
    ('DEMO', 2, 2, 2, 0, 1, 2, 1, '-2', '0', '0', '19.25'),
    ('DEMO', 2, 3, 3, 0, 1, 1, 1, '0', '0', '0', '0'),
    ('DEMO', 2, 2, 1, 0, 2, 3, 1, '12', '2', '0', '18.9'),
    ('DEMO', 2, 2, 1, 0, 2, 4, 1, '3', '0', '0', '18.9'),
    ('DEMO', 2, 2, 1, 0, 1, 1, 2, '10', '0', '0', '0'),
    -- Calça jeans masculina (103): sizes only.
    ('DEMO', 4, 2, 0, 0, 1, 1, 1, '8', '0', '0', '72'),
    ('DEMO', 4, 3, 0, 0, 1, 2, 1, '0', '0', '0', '72'),
    ('DEMO', 4, 4, 0, 0, 2, 4, 1, '-1', '0', '0', '72'),
    -- Meia esportiva (104), no grid.
    ('DEMO', 5, 0, 0, 0, 1, 1, 1, '120', '10', '0', '4.2'),
    ('DEMO', 5, 0, 0, 0, 1, 2, 1, '-3', '0', '0', '4.2'),
    ('DEMO', 5, 0, 0, 0, 2, 3, 1, '0', '0', '0', '0'),
    ('DEMO', 5, 0, 0, 0, 2, 4, 1, '15', '0', '0', '4.35'),
    ('DEMO', 5, 0, 0, 0, 1, 5, 3, '30', '0', '0', '0'),
    -- Café torrado em grãos (201), by the kilo.
    ('DEMO', 8, 0, 0, 0, 1, 1, 1, '35.250', '0', '0', '28.5'),
    ('DEMO', 8, 0, 0, 0, 1, 2, 1, '4.75', '0', '0.5', '28.5'),
    ('DEMO', 8, 0, 0, 0, 2, 3, 1, '-0.5', '0', '0', '29.1'),
    ('DEMO', 8, 0, 0, 0, 2, 4, 1, '0', '0', '0', '0'),
    -- Lâmpada LED 9 W (303).
    ('DEMO', 17, 0, 0, 0, 1, 1, 1, '1500', '200', '0', '7.35'),
    ('DEMO', 17, 0, 0, 0, 1, 2, 1, '0', '0', '0', '0'),
    ('DEMO', 17, 0, 0, 0, 2, 3, 1, '300', '0', '0', '7.4'),
    ('DEMO', 17, 0, 0, 0, 2, 4, 1, '-4', '0', '0', '7.4'),
    ('DEMO', 17, 0, 0, 0, 1, 1, 2, '50', '0', '0', '0');

-- The web shop's articles (092_catalogo.sql).
INSERT INTO estoque_saldo (empresa, produto, item1, item2, item3, filial, local, tipo, quantidade, reservado, indisponivel, custo_medio) VALUES
    ('DEMO', 47, 0, 0, 0, 1, 1, 1, '1250', '0', '0', '11.2'),
    ('DEMO', 47, 0, 0, 0, 1, 2, 1, '-5', '0', '0', '11.2'),
    ('DEMO', 47, 0, 0, 0, 2, 3, 1, '0', '0', '0', '0'),
    ('DEMO', 48, 1, 1, 0, 1, 1, 1, '7', '0', '0', '21'),
    ('DEMO', 48, 2, 2, 0, 1, 1, 1, '0', '0', '0', '21'),
    ('DEMO', 48, 3, 3, 0, 1, 2, 1, '-2', '0', '0', '21'),
    ('DEMO', 48, 2, 3, 0, 1, 5, 3, '4', '0', '0', '0'),
    ('DEMO', 49, 0, 0, 0, 1, 1, 1, '12.3456', '0', '0', '38.75'),
    ('DEMO', 49, 0, 0, 0, 1, 2, 2, '1.5', '0', '0', '0');

-- Default storage places: most products leave from the branch's warehouse; the coffee is kept on
-- the São Paulo shop floor, the web shop's mug in the warehouse.
INSERT INTO produto_local_padrao (empresa, produto, filial, local) VALUES
    ('DEMO', 2, 1, 1), ('DEMO', 2, 2, 3),
    ('DEMO', 5, 1, 1), ('DEMO', 5, 2, 3),
    ('DEMO', 8, 1, 2), ('DEMO', 8, 2, 3),
    ('DEMO', 17, 1, 1),
    ('DEMO', 47, 1, 1), ('DEMO', 48, 1, 1);
