-- The demo company's payment conditions and their instalment rows (percentage in hundredths of a
-- percent, days from the base date). Three equal thirds are written 3333/3333/3334: the library
-- takes them as an even split.
INSERT INTO condicao_pagamento (empresa, codigo, descricao, taxa, tipo_cobranca, entrada) VALUES
    ('DEMO', 1, 'À vista', 0, 0, 0),
    ('DEMO', 2, '30/60/90 dias', 0, 0, 0),
    ('DEMO', 3, 'Entrada + 2x', 0, 0, 1),
    ('DEMO', 4, '30/60/90 dias com juros de 2% ao mês', 200, 1, 0),
    ('DEMO', 5, 'À vista com 3% de desconto', 300, 2, 0);
INSERT INTO condicao_pagamento_parcela (empresa, condicao, ordem, percentual, dias, tipo) VALUES
    ('DEMO', 1, 0, 10000, 0, 0),
    ('DEMO', 2, 0, 3333, 30, 0), ('DEMO', 2, 1, 3333, 60, 0), ('DEMO', 2, 2, 3334, 90, 0),
    ('DEMO', 3, 0, 3333, 0, 0), ('DEMO', 3, 1, 3333, 30, 0), ('DEMO', 3, 2, 3334, 60, 0),
    ('DEMO', 4, 0, 3333, 30, 0), ('DEMO', 4, 1, 3333, 60, 0), ('DEMO', 4, 2, 3334, 90, 0),
    ('DEMO', 5, 0, 10000, 0, 0);
