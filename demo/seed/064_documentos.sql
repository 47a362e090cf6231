-- The demo company's document types: the fiscal documents of the head office (branch 1) and of
-- the Rio de Janeiro branch (2), and commercial documents of every branch (0).
INSERT INTO documento (empresa, posicao, filial, codigo, descricao) VALUES
    ('DEMO', 1, 1, '55', 'Nota Fiscal Eletrônica (NF-e)'),
    ('DEMO', 2, 1, '65', 'Nota Fiscal de Consumidor Eletrônica (NFC-e)'),
    ('DEMO', 3, 1, '57', 'Conhecimento de Transporte Eletrônico (CT-e)'),
    ('DEMO', 4, 2, '55', 'Nota Fiscal Eletrônica (NF-e)'),
    ('DEMO', 5, 2, 'NFS-e', 'Nota Fiscal de Serviços Eletrônica (NFS-e)'),
    ('DEMO', 6, 0, 'DUP', 'Duplicata mercantil'),
    ('DEMO', 7, 0, 'REC', 'Recibo'),
    ('DEMO', 8, 0, 'BOL', 'Boleto bancário');
