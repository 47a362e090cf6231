-- What a sales page shows of the demo's products: weights in kilograms with their decimals codes,
-- packaging and pallet quantities, the unit discount (hundredths of a percent point) and delivery
-- days; and the VAREJO price items with the largest discount allowed on each (an amount, or a
-- percentage of the price for the groceries sold by the kilo). Size GG of the T-shirt may go 15 % down.
UPDATE produto SET peso_bruto = '0.22', peso_liquido = '0.2', embalagem = '1', pallet = 1200,
    desconto_unitario = 500, prazo_entrega = 3 WHERE empresa = 'DEMO' AND codigo = '101';
UPDATE produto SET peso_bruto = '0.3', peso_liquido = '0.27', embalagem = '1', pallet = 900,
    desconto_unitario = 500, prazo_entrega = 3 WHERE empresa = 'DEMO' AND codigo = '102';
UPDATE produto SET peso_bruto = '0.75', peso_liquido = '0.68', embalagem = '1', pallet = 400,
    desconto_unitario = 300, prazo_entrega = 5 WHERE empresa = 'DEMO' AND codigo = '103';
UPDATE produto SET peso_bruto = '0.06', peso_liquido = '0.05', embalagem = '12', pallet = 6000,
    desconto_unitario = 1000, prazo_entrega = 2 WHERE empresa = 'DEMO' AND codigo = '104';
UPDATE produto SET peso_bruto = '1.02', casas_peso_bruto = 3, peso_liquido = '1', casas_peso_liquido = 3,
    embalagem = '10', pallet = 800, desconto_unitario = 250, prazo_entrega = 4 WHERE empresa = 'DEMO' AND codigo = '201';
UPDATE produto SET peso_bruto = '5.05', casas_peso_bruto = 3, peso_liquido = '5', casas_peso_liquido = 3,
    embalagem = '6', pallet = 160, desconto_unitario = 200, prazo_entrega = 2 WHERE empresa = 'DEMO' AND codigo = '202';
UPDATE produto SET peso_bruto = '1.015', casas_peso_bruto = 4, peso_liquido = '1', casas_peso_liquido = 4,
    embalagem = '10', pallet = 1000, desconto_unitario = 200, prazo_entrega = 2 WHERE empresa = 'DEMO' AND codigo = '203';
UPDATE produto SET peso_bruto = '6.6', peso_liquido = '6', embalagem = '1', pallet = 84,
    desconto_unitario = 0, prazo_entrega = 1 WHERE empresa = 'DEMO' AND codigo = '206';
UPDATE produto SET peso_bruto = '2.1', peso_liquido = '2', embalagem = '1', pallet = 180,
    desconto_unitario = 150, prazo_entrega = 7 WHERE empresa = 'DEMO' AND codigo = '309';
UPDATE produto SET peso_bruto = '0.045', casas_peso_bruto = 3, peso_liquido = '0.038', casas_peso_liquido = 3,
    embalagem = '10', pallet = 5000, desconto_unitario = 800, prazo_entrega = 5 WHERE empresa = 'DEMO' AND codigo = '303';

INSERT INTO produto_item_preco (empresa, tabela, produto, item1, item2, item3, preco, desconto, desconto_percentual) VALUES
    ('DEMO', 1, 2, 0, 0, 0, '39.90', '3.99', 0),
    ('DEMO', 1, 2, 4, 0, 0, '39.90', '5.99', 0),
    ('DEMO', 1, 3, 0, 0, 0, '89.90', '13.48', 0),
    ('DEMO', 1, 4, 0, 0, 0, '149.90', '14.99', 0),
    ('DEMO', 1, 5, 0, 0, 0, '12.50', '1.25', 0),
    ('DEMO', 1, 8, 0, 0, 0, '42.90', '5', 1),
    ('DEMO', 1, 9, 0, 0, 0, '6.49', '3', 1),
    ('DEMO', 1, 10, 0, 0, 0, '8.99', '0.45', 0),
    ('DEMO', 1, 13, 0, 0, 0, '18.00', '0', 0),
    ('DEMO', 1, 17, 0, 0, 0, '14.90', '2.235', 0),
    ('DEMO', 1, 33, 0, 0, 0, '129.90', '6.495', 0);
