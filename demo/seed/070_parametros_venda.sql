-- The demo company's sales parameters (the commercial master's 472-byte record): withholding
-- limits 10,00 (170 and 178) and 5.000,00 (186, withholdings 3 to 5 tested together, 343).
INSERT INTO parametro_venda (empresa, posicao, largura, valor) VALUES
    ('DEMO', 170, 8, 100000),
    ('DEMO', 178, 8, 100000),
    ('DEMO', 186, 8, 50000000),
    ('DEMO', 343, 1, 1);
