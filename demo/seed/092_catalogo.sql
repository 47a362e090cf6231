-- The web shop's catalogue: a price table of its own (CATALOGO) with three articles whose codes
-- have the four digits the stock pages expect, one of them named with quotes and "<" (the pages
-- must show such a name as text), one with size and colour grids and one sold by the kilo. They
-- are priced only in CATALOGO, so the other tables' lists do not change.
INSERT INTO tabela_preco (empresa, servicos, posicao, tipo, codigo, nome, validade, bloqueada) VALUES
    ('DEMO', 0, 5, 'V', 'CATALOGO', 'Catálogo da loja virtual', '', 0);

INSERT INTO produto (empresa, posicao, codigo, nome, classificacao, tipo, unidade, grade1, grade2, casas_preco, ativo) VALUES
    ('DEMO', 47, '1001', 'Caneca "Café" <grande>', '6912.00.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 48, '1002', 'Camiseta estampada', '6109.10.00', 'A', 1, 1, 2, 2, 1),
    ('DEMO', 49, '1003', 'Café especial moído', '0901.21.00', 'A', 2, 0, 0, 2, 1);

INSERT INTO produto_preco (empresa, tabela, produto, preco) VALUES
    ('DEMO', 5, 47, '29.9'), ('DEMO', 5, 48, '49.9'), ('DEMO', 5, 49, '1234.5678'),
    ('DEMO', 5, 2, '37.9'), ('DEMO', 5, 5, '11.9');

-- The catalogue's price items: the grid article costs more in size GG and in white.
INSERT INTO produto_item_preco (empresa, tabela, produto, item1, item2, item3, preco, desconto, desconto_percentual) VALUES
    ('DEMO', 5, 47, 0, 0, 0, '29.90', '2', 0),
    ('DEMO', 5, 48, 0, 0, 0, '49.90', '5', 1),
    ('DEMO', 5, 48, 4, 0, 0, '54.90', '5', 1),
    ('DEMO', 5, 48, 0, 3, 0, '51.90', '5', 1),
    ('DEMO', 5, 49, 0, 0, 0, '1234.5678', '0', 0);
