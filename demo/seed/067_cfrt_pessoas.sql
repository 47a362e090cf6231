-- What the customer and supplier objects read beyond the register rows of 020_cadastros.sql and
-- 040_planos.sql: the municipality (register position of 060_localidades.sql), the size, type
-- and region categories (codes of the categoria table), the customer-since and status days as
-- 16-bit day numbers (the OLE date plus 18993), the sales block, the carrier (chart position of
-- the carrier T001) and the freight letter; and a customer from abroad, a supplier who is a
-- natural person and one more supplier company. Every CPF and CNPJ has valid check digits; the
-- customer from abroad has none (all zeros).
INSERT INTO categoria (empresa, posicao, codigo, nome) VALUES
    ('DEMO', 4, 11, 'Grande porte'),
    ('DEMO', 5, 21, 'Atacadista'),
    ('DEMO', 6, 31, 'Região Sudeste');

UPDATE cfrt SET posicao_municipio = 21, categoria_porte = 11, categoria_tipo = 21, categoria_regiao = 31,
                cliente_desde = CAST(julianday('2001-01-05') - julianday('1899-12-30') AS INTEGER) + 18993,
                data_situacao = CAST(julianday('2019-03-01') - julianday('1899-12-30') AS INTEGER) + 18993,
                posicao_transportadora = 9, frete = 'D'
    WHERE empresa = 'DEMO' AND posicao = 1;
UPDATE cfrt SET posicao_municipio = 19, categoria_porte = 10, categoria_tipo = 20, categoria_regiao = 31,
                cliente_desde = CAST(julianday('2015-08-20') - julianday('1899-12-30') AS INTEGER) + 18993,
                frete = 'E', venda_bloqueada = 1
    WHERE empresa = 'DEMO' AND posicao = 2;
UPDATE cfrt SET posicao_municipio = 22, categoria_porte = 11, categoria_tipo = 21, categoria_regiao = 31
    WHERE empresa = 'DEMO' AND posicao = 3;
UPDATE cfrt SET posicao_municipio = 21 WHERE empresa = 'DEMO' AND posicao IN (4, 9);
UPDATE cfrt SET posicao_municipio = 28 WHERE empresa = 'DEMO' AND posicao IN (6, 7);
UPDATE cfrt SET posicao_municipio = 26 WHERE empresa = 'DEMO' AND posicao = 8;
UPDATE cfrt SET categoria_porte = 10, categoria_tipo = 20, categoria_regiao = 30, posicao_transportadora = 9, frete = 'T'
    WHERE empresa = 'DEMO' AND posicao = 7;

INSERT INTO plano_conta (empresa, posicao, classificacao, codigo, nome, segundo_nome, tipo, posicao_cadastro, marcas) VALUES
    ('DEMO', 26, '1.103', 'C103', 'Importadora Lisboa Lda', '00.000.000/0000-00', 'A', 10, 'NNSNNNSNNNN'),
    ('DEMO', 27, '2.102', 'F102', 'Antônio Ferreira', '390.533.447-05', 'A', 11, 'NNNSNNNSNNN'),
    ('DEMO', 28, '2.103', 'F103', 'Metalúrgica Vale do Paraíba Ltda', '33.700.557/0001-94', 'A', 12, 'NNNSNNNSNNN');

INSERT INTO cfrt (empresa, posicao, posicao_plano, tipo, situacao, pessoa, codigo, nome, cnpj_cpf, contato,
                  inscricao_estadual, rua, numero, complemento, bairro, municipio, uf, cep, ddd, telefone, email,
                  condicao_pagamento, forma_pagamento, tipo_cobranca, tabela_preco_produtos, representante,
                  posicao_municipio, categoria_porte, categoria_tipo, categoria_regiao, cliente_desde) VALUES
    ('DEMO', 10, 26, 'C', 'A', 'J', 'C103', 'Importadora Lisboa Lda', '00.000.000/0000-00', 'Rui Carvalho',
     'ISENTO', 'Rua Augusta', 100, '2º andar', 'Baixa', 'Lisboa', 'EX', 0, '', '213 456 789',
     'compras@importadoralisboa.pt', 1, 1, 1, 0, 0, 33, 11, 21, 0,
     CAST(julianday('2022-06-10') - julianday('1899-12-30') AS INTEGER) + 18993),
    ('DEMO', 11, 27, 'F', 'A', 'F', 'F102', 'Antônio Ferreira', '390.533.447-05', '',
     'ISENTO', 'Rua São Bento', 45, '', 'Centro', 'São Paulo', 'SP', 1011000, '11',
     '3105-4400', 'antonio.ferreira@exemplo.com.br', 0, 0, 0, 0, 0, 21, 10, 0, 31, 0),
    ('DEMO', 12, 28, 'F', 'A', 'J', 'F103', 'Metalúrgica Vale do Paraíba Ltda', '33.700.557/0001-94', 'Sérgio Nunes',
     '645.123.987.110', 'Avenida Industrial', 2500, 'Galpão A', 'Distrito Industrial', 'Campinas', 'SP', 13069000, '19',
     '3268-9000', 'comercial@metalvale.com.br', 2, 1, 1, 0, 0, 22, 11, 21, 31, 0);
