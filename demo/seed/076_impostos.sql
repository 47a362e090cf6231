-- The demo company's tax rules. Internal ICMS rate of each state (hundredths of a percent) as the
-- states' laws set them for general goods; between states the rate follows the fiscal regions
-- (7 % from the south and south-east except Espírito Santo to the others, 12 % otherwise, 4 % for
-- imported goods).
INSERT INTO estado_icms (empresa, sigla, aliquota_interna) VALUES
    ('DEMO', 'AC', 1900), ('DEMO', 'AL', 1900), ('DEMO', 'AM', 2000), ('DEMO', 'AP', 1800),
    ('DEMO', 'BA', 2050), ('DEMO', 'CE', 2000), ('DEMO', 'DF', 2000), ('DEMO', 'ES', 1700),
    ('DEMO', 'GO', 1900), ('DEMO', 'MA', 2300), ('DEMO', 'MG', 1800), ('DEMO', 'MS', 1700),
    ('DEMO', 'MT', 1700), ('DEMO', 'PA', 1900), ('DEMO', 'PB', 2000), ('DEMO', 'PE', 2050),
    ('DEMO', 'PI', 2250), ('DEMO', 'PR', 1950), ('DEMO', 'RJ', 2000), ('DEMO', 'RN', 2000),
    ('DEMO', 'RO', 1950), ('DEMO', 'RR', 2000), ('DEMO', 'RS', 1700), ('DEMO', 'SC', 1700),
    ('DEMO', 'SE', 2000), ('DEMO', 'SP', 1800), ('DEMO', 'TO', 2000);

-- The branches' municipalities (São Paulo and Rio de Janeiro) and their PIS/COFINS tax-situation
-- adjustment.
UPDATE filial SET posicao_municipio = 21, ajusta_cst = 1 WHERE empresa = 'DEMO' AND posicao = 1;
UPDATE filial SET posicao_municipio = 19, ajusta_cst = 1 WHERE empresa = 'DEMO' AND posicao = 2;

-- Tax-situation texts: the goods' origin digit and the ICMS CST (three characters), or a CSOSN of
-- the simple national regime (four).
INSERT INTO situacao_tributaria (empresa, codigo, texto) VALUES
    ('DEMO', 1, '000'),     -- national, taxed in full
    ('DEMO', 2, '100'),     -- imported directly, taxed in full
    ('DEMO', 3, '010'),     -- taxed, with ICMS-ST charged on the following sales
    ('DEMO', 4, '040'),     -- exempt
    ('DEMO', 5, '060'),     -- ICMS-ST charged before
    ('DEMO', 6, '051'),     -- deferred
    ('DEMO', 7, '0102');    -- simple national regime without credit

-- Products with a rule of their own: the imported olive oil (4 % between states), mineral water
-- with ICMS-ST, and fruit and vegetables, which are exempt.
INSERT INTO produto_icms (empresa, produto, regra_propria, importado, situacao) VALUES
    ('DEMO', 12, 1, 1, 2),
    ('DEMO', 13, 0, 0, 3),
    ('DEMO', 36, 0, 0, 4), ('DEMO', 37, 0, 0, 4), ('DEMO', 38, 0, 0, 4), ('DEMO', 39, 0, 0, 4),
    ('DEMO', 40, 0, 0, 4);
-- Mineral water sold into São Paulo: ICMS-ST over a margin (MVA) of 80 %.
INSERT INTO produto_icms_st (empresa, produto, sigla, mva) VALUES ('DEMO', 13, 'SP', 8000);

-- IPI rates of the classifications (NCM prefixes; the longest prefix wins); clothing and food
-- are at 0 %.
INSERT INTO ipi_classificacao (empresa, prefixo, aliquota) VALUES
    ('DEMO', '3919', 975),
    ('DEMO', '8516', 650),
    ('DEMO', '8536', 975),
    ('DEMO', '8539', 975),
    ('DEMO', '8544', 325);

-- PIS/COFINS of the product server when the rates file has no line: the company's rule (product
-- 0: non-cumulative 1,65 % and 7,6 %, cumulative 0,65 % and 3 % as the second pair, CST 01) and
-- the zero rate (CST 06) of rice, beans, fruit and vegetables. Rates are CURRENCY ticks.
INSERT INTO pis_cofins_produto (empresa, produto, pis_cst1, pis_aliquota1, pis_cst2, pis_aliquota2,
                                cofins_cst1, cofins_aliquota1, cofins_cst2, cofins_aliquota2) VALUES
    ('DEMO', 0, 1, 16500, 1, 6500, 1, 76000, 1, 30000),
    ('DEMO', 9, 6, 0, 6, 0, 6, 0, 6, 0),
    ('DEMO', 10, 6, 0, 6, 0, 6, 0, 6, 0),
    ('DEMO', 36, 6, 0, 6, 0, 6, 0, 6, 0), ('DEMO', 37, 6, 0, 6, 0, 6, 0, 6, 0),
    ('DEMO', 38, 6, 0, 6, 0, 6, 0, 6, 0), ('DEMO', 39, 6, 0, 6, 0, 6, 0, 6, 0),
    ('DEMO', 40, 6, 0, 6, 0, 6, 0, 6, 0);
