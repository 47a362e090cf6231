-- The demo company's products and services: a small shop's catalogue of 40 articles in five
-- classifications with real NCM codes (clothing with size and colour grids, groceries, electrical
-- goods, and fruit, vegetables and cold cuts sold by the kilo), its units of measure, two product
-- grids (sizes and colours), the product price tables (VAREJO without an end date, PROMO ending in
-- 60 days, ATACADO that ended yesterday and CUSTO for purchases) and a service price table. Product
-- 399 is inactive and is never offered; 105 has no price in VAREJO, so that table leaves it out.
-- Service position 4 was deleted.
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
    ('DEMO', 21, '399', 'Produto descontinuado', '8536.90.90', 'A', 1, 0, 0, 2, 0),
    ('DEMO', 22, '106', 'Bermuda de sarja', '6203.42.00', 'A', 1, 1, 2, 2, 1),
    ('DEMO', 23, '107', 'Vestido de malha', '6104.42.00', 'A', 1, 1, 2, 2, 1),
    ('DEMO', 24, '108', 'Jaqueta jeans', '6201.30.00', 'A', 1, 1, 0, 2, 1),
    ('DEMO', 25, '109', 'Moletom com capuz', '6110.20.00', 'A', 1, 1, 2, 2, 1),
    ('DEMO', 26, '110', 'Tênis de corrida', '6404.11.00', 'A', 1, 0, 2, 2, 1),
    ('DEMO', 27, '207', 'Macarrão espaguete 500 g', '1902.19.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 28, '208', 'Óleo de soja 900 ml', '1507.90.11', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 29, '209', 'Leite UHT integral 1 l', '0401.20.10', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 30, '210', 'Farinha de trigo 1 kg', '1101.00.10', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 31, '307', 'Interruptor simples 10 A', '8536.50.90', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 32, '308', 'Extensão 3 tomadas 5 m', '8544.42.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 33, '309', 'Chuveiro elétrico 220 V', '8516.10.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 34, '310', 'Lâmpada LED tubular 18 W', '8539.52.00', 'A', 1, 0, 0, 2, 1),
    ('DEMO', 35, '4', 'Hortifrúti', '0803', 'T', 0, 0, 0, 2, 1),
    ('DEMO', 36, '401', 'Banana prata', '0803.90.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 37, '402', 'Tomate italiano', '0702.00.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 38, '403', 'Batata inglesa', '0701.90.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 39, '404', 'Cebola', '0703.10.19', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 40, '405', 'Maçã gala', '0808.10.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 41, '5', 'Frios e carnes', '0406', 'T', 0, 0, 0, 2, 1),
    ('DEMO', 42, '501', 'Queijo muçarela', '0406.10.10', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 43, '502', 'Presunto cozido', '1602.41.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 44, '503', 'Mortadela', '1601.00.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 45, '504', 'Alcatra bovina', '0201.30.00', 'A', 2, 0, 0, 2, 1),
    ('DEMO', 46, '505', 'Peito de frango', '0207.14.00', 'A', 2, 0, 0, 2, 1);
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
    ('DEMO', 1, 22, '79.9'), ('DEMO', 1, 23, '119.9'), ('DEMO', 1, 24, '199.9'), ('DEMO', 1, 25, '159.9'),
    ('DEMO', 1, 26, '299.9'), ('DEMO', 1, 27, '5.49'), ('DEMO', 1, 28, '7.89'), ('DEMO', 1, 29, '5.29'),
    ('DEMO', 1, 30, '6.19'), ('DEMO', 1, 31, '9.9'), ('DEMO', 1, 32, '45.9'), ('DEMO', 1, 33, '129.9'),
    ('DEMO', 1, 34, '21.9'), ('DEMO', 1, 36, '6.98'), ('DEMO', 1, 37, '9.98'), ('DEMO', 1, 38, '5.98'),
    ('DEMO', 1, 39, '4.98'), ('DEMO', 1, 40, '12.98'), ('DEMO', 1, 42, '49.9'), ('DEMO', 1, 43, '38.9'),
    ('DEMO', 1, 44, '19.9'), ('DEMO', 1, 45, '64.9'), ('DEMO', 1, 46, '22.9'),
    ('DEMO', 2, 2, '29.9'), ('DEMO', 2, 3, '69.9'), ('DEMO', 2, 8, '36'),
    ('DEMO', 3, 2, '34.9'), ('DEMO', 3, 5, '9.9'), ('DEMO', 3, 6, '24.9');

INSERT INTO servico (empresa, posicao, codigo, nome, classificacao, unidade, preco, casas) VALUES
    ('DEMO', 1, '10', 'Instalação elétrica residencial', '01.01', 5, '120.00', 2),
    ('DEMO', 2, '11', 'Visita técnica', '01.02', 6, '80', 0),
    ('DEMO', 3, '20', 'Ajuste de roupas', '02.01', 1, '25.5', 0),
    ('DEMO', 5, '3', 'Entrega expressa', '03.01', 1, '15.75', 0);
