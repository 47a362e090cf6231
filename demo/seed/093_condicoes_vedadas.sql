-- Payment conditions some price tables do not allow: the summer promotion is sold only for cash
-- or with the cash discount, the web shop's catalogue not with the interest-bearing instalments.
INSERT INTO tabela_preco_condicao_vedada (empresa, servicos, tabela, condicao) VALUES
    ('DEMO', 0, 3, 2), ('DEMO', 0, 3, 3), ('DEMO', 0, 3, 4),
    ('DEMO', 0, 5, 4);
