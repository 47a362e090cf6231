-- The demo company's payment forms (kind '3') and billing types (kind '2'), and two more payment
-- conditions: one no longer valid and one that only purchases use.
INSERT INTO documento_pagamento (empresa, tipo, posicao, codigo, nome) VALUES
    ('DEMO', '3', 1, 'DIN', 'Dinheiro'),
    ('DEMO', '3', 2, 'BOL', 'Boleto bancário'),
    ('DEMO', '3', 3, 'CC', 'Cartão de crédito'),
    ('DEMO', '3', 4, 'CHQ', 'Cheque'),
    ('DEMO', '3', 5, 'DEP', 'Depósito bancário'),
    ('DEMO', '2', 1, 'CAR', 'Carteira'),
    ('DEMO', '2', 2, 'CS', 'Cobrança simples'),
    ('DEMO', '2', 3, 'DD', 'Desconto de duplicatas');
INSERT INTO condicao_pagamento (empresa, codigo, descricao, validade, compras, modulo) VALUES
    ('DEMO', 6, '30/60 dias (tabela 2025)', '2025-12-31', 0, ''),
    ('DEMO', 7, '28 dias (compras)', NULL, 1, 'CP');
INSERT INTO condicao_pagamento_parcela (empresa, condicao, ordem, percentual, dias, tipo) VALUES
    ('DEMO', 6, 0, 5000, 30, 0), ('DEMO', 6, 1, 5000, 60, 0),
    ('DEMO', 7, 0, 10000, 28, 0);
-- A condition's name field holds 32 characters.
UPDATE condicao_pagamento SET descricao = '30/60/90 dias, juros 2% ao mês' WHERE empresa = 'DEMO' AND codigo = 4;
