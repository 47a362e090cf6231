-- The demo company's standard histories: ready-made texts of accounting entries, with their code
-- and classification. The register positions are not in code order, as in a register that grew.
INSERT INTO historico (empresa, posicao, codigo, classificacao, texto) VALUES
    ('DEMO', 1, '1', '01', 'Valor ref. pagamento da nota fiscal nº'),
    ('DEMO', 2, '2', '01', 'Valor ref. recebimento da nota fiscal nº'),
    ('DEMO', 3, '10', '02', 'Depósito em conta corrente'),
    ('DEMO', 4, '9', '02', 'Saque em conta corrente'),
    ('DEMO', 5, '3', '01', 'Valor ref. compra a prazo conforme nota fiscal nº'),
    ('DEMO', 6, '4', '01', 'Valor ref. venda a prazo conforme nota fiscal nº'),
    ('DEMO', 7, '20', '03', 'Pagamento de salários do mês'),
    ('DEMO', 8, '21', '03', 'Provisão de férias do mês'),
    ('DEMO', 9, '22', '03', 'Recolhimento de FGTS do mês'),
    ('DEMO', 10, '30', '04', 'Recolhimento de ICMS do mês'),
    ('DEMO', 11, '31', '04', 'Recolhimento de PIS/COFINS do mês'),
    ('DEMO', 12, '40', '05', 'Tarifas bancárias do mês'),
    ('DEMO', 13, '41', '05', 'Juros sobre aplicação financeira'),
    ('DEMO', 14, '50', '06', 'Depreciação do mês');
