-- The demo company's payment forms ('F') and billing types ('C') that orders and their instalments
-- name.
INSERT INTO documento_pagamento (empresa, tipo, posicao, codigo, nome) VALUES
    ('DEMO', 'F', 1, 'BOL', 'Boleto bancário'),
    ('DEMO', 'F', 2, 'DIN', 'Dinheiro'),
    ('DEMO', 'F', 3, 'CHQ', 'Cheque'),
    ('DEMO', 'C', 1, 'CART', 'Carteira'),
    ('DEMO', 'C', 2, 'BANCO', 'Cobrança bancária');
