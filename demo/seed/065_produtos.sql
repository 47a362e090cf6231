-- The demo company's products and services: a small shop's catalogue with real NCM codes as
-- classifications, its units of measure, two product grids (sizes and colours), the product price
-- tables (VAREJO without an end date, PROMO ending in 60 days, ATACADO that ended yesterday and
-- CUSTO for purchases) and a service price table. Product 'DESC' is inactive and is never offered;
-- 'BONE' has no price in VAREJO, so that table leaves it out. Service position 4 was deleted.
INSERT INTO produto_unidade (empresa, posicao, sigla, descricao, casas, horario) VALUES
    ('DEMO', 1, 'UN', 'Unidade', 0, 0),
    ('DEMO', 2, 'KG', 'Quilograma', 3, 0),
    ('DEMO', 3, 'CX', 'Caixa', 0, 0),
    ('DEMO', 4, 'M', 'Metro', 1, 0),
    ('DEMO', 5, 'H', 'Hora', 1, 1),
    ('DEMO', 6, 'VS', 'Visita', 0, 0);

INSERT INTO produto_grade (empresa, posicao, codigo, descricao) VALUES
    ('DEMO', 1, 10, 'Tamanho'),
    ('DEMO', 2, 20, 'Cor');
INSERT INTO produto_grade_item (empresa, grade, posicao, codigo, descricao) VALUES
    ('DEMO', 1, 1, 'P', 'Pequeno'),
    ('DEMO', 1, 2, 'M', 'Médio'),
    ('DEMO', 1, 3, 'G', 'Grande'),
    ('DEMO', 1, 4, 'GG', 'Extra grande'),
    ('DEMO', 2, 1, 'AZ', 'Azul'),
    ('DEMO', 2, 2, 'PR', 'Preto'),
    ('DEMO', 2, 3, 'BR', 'Branco');

INSERT INTO produto (empresa, posicao, codigo, nome, classificacao, tipo, unidade, grade1, grade2, casas_preco, ativo) VALUES
    ('DEMO', 1, '1', 'Vestuário', '6109', 'T', 0, 0, 0, 2, 1),
    ('DEMO', 2, '101', 'Camiseta de algodão', '6109.10.00', 'A', 1, 1, 2, 2, 1),
    ('DEMO', 3, '102', 'Camisa polo piquet', '6105.10.00', 'A', 1, 1, 2, 2, 1),
    ('DEMO', 4, '103', 'Calça jeans masculina', '6203.42.00', 'A', 1, 1, 0, 2, 1),
    ('DEMO', 5, '104', 'Meia esportiva (par)', '6115.95.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 6, '105', 'Boné de brim', '6505.00.90', 'A', 1, 0, 2, 2, 1),
    ('DEMO', 7, '2', 'Mercearia', '0901', 'T', 0, 0, 0, 2, 1),
    ('DEMO', 8, '201', 'Café torrado em grãos', '0901.21.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 9, '202', 'Arroz agulhinha tipo 1', '1006.30.21', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 10, '203', 'Feijão carioca', '0713.33.29', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 11, '204', 'Açúcar cristal', '1701.99.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 12, '205', 'Azeite de oliva extravirgem 500 ml', '1509.20.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 13, '206', 'Água mineral sem gás 500 ml (cx 12)', '2201.10.00', 'A', 3, 0, 0, 2, 1),
    ('DEMO', 14, '3', 'Materiais elétricos', '8544', 'T', 0, 0, 0, 2, 1),
    ('DEMO', 15, '301', 'Fio flexível 2,5 mm²', '8544.49.00', 'A', 4, 0, 0, 4, 1),
    ('DEMO', 16, '302', 'Cabo PP 3 x 1,5 mm²', '8544.49.00', 'A', 4, 0, 0, 4, 1),
    ('DEMO', 17, '303', 'Lâmpada LED 9 W', '8539.52.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 18, '304', 'Tomada 2P+T 10 A', '8536.69.90', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 19, '305', 'Fita isolante 19 mm x 20 m', '3919.10.00', 'A', 1, 0, 0, 0, 1),
    ('DEMO', 20, '306', 'Disjuntor bipolar 32 A', '8536.20.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 21, '399', 'Produto descontinuado', '8536.90.90', 'A', 1, 0, 0, 2, 0);
-- 'BONE' (105) is not priced in VAREJO; 399 is inactive.
INSERT INTO tabela_preco (empresa, servicos, posicao, tipo, codigo, nome, validade, bloqueada) VALUES
    ('DEMO', 0, 1, 'V', 'VAREJO', 'Preços de varejo', '', 0),
    ('DEMO', 0, 2, 'V', 'ATACADO', 'Preços de atacado (encerrada)', date('now', 'localtime', '-1 day'), 0),
    ('DEMO', 0, 3, 'V', 'PROMO', 'Promoção de verão', date('now', 'localtime', '+60 days'), 0),
    ('DEMO', 0, 4, 'C', 'CUSTO', 'Preços de compra', '', 0),
    ('DEMO', 1, 1, 'V', 'SERV', 'Serviços', '', 0);
INSERT INTO produto_preco (empresa, tabela, produto, preco) VALUES
    ('DEMO', 1, 2, '39.90'), ('DEMO', 1, 3, '89.90'), ('DEMO', 1, 4, '149.9'), ('DEMO', 1, 5, '12.5'),
    ('DEMO', 1, 8, '42.9'), ('DEMO', 1, 9, '6.49'), ('DEMO', 1, 10, '8.99'), ('DEMO', 1, 11, '4.79'),
    ('DEMO', 1, 12, '36.9'), ('DEMO', 1, 13, '18'), ('DEMO', 1, 15, '3.1275'), ('DEMO', 1, 16, '7.4590'),
    ('DEMO', 1, 17, '14.9'), ('DEMO', 1, 18, '11.5'), ('DEMO', 1, 19, '6'), ('DEMO', 1, 20, '1234.5'),
    ('DEMO', 1, 21, '1'),
    ('DEMO', 2, 2, '29.9'), ('DEMO', 2, 3, '69.9'), ('DEMO', 2, 8, '36'),
    ('DEMO', 3, 2, '34.9'), ('DEMO', 3, 5, '9.9'), ('DEMO', 3, 6, '24.9');

INSERT INTO servico (empresa, posicao, codigo, nome, classificacao, unidade, preco, casas) VALUES
    ('DEMO', 1, '10', 'Instalação elétrica residencial', '01.01', 5, '120.00', 2),
    ('DEMO', 2, '11', 'Visita técnica', '01.02', 6, '80', 0),
    ('DEMO', 3, '20', 'Ajuste de roupas', '02.01', 1, '25.5', 0),
    ('DEMO', 5, '3', 'Entrega expressa', '03.01', 1, '15.75', 0);
