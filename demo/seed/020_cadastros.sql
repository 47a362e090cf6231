-- The demo company's customers, suppliers, representative, carrier, bearers and accounts.
-- Every customer and supplier is an account of the CFRT chart (plano_conta) whose register record
-- (cfrt) holds the rest. The marks of an account are eleven 'S'/'N' characters: the third says
-- customer, the fourth supplier, the fifth carrier, the sixth representative; the seventh and
-- eighth go with them (customer; the others).
INSERT INTO plano_configuracao (empresa, codigo_proprio, regra_posicao, proxima_cliente, proxima_fornecedor,
                                proxima_representante, proxima_transportadora) VALUES
    ('DEMO', 'N', 'N', '1.003', '2.002', '3.002', '4.002');

INSERT INTO plano_conta (empresa, posicao, classificacao, codigo, nome, segundo_nome, tipo, posicao_cadastro, marcas) VALUES
    ('DEMO', 1, '1', '', 'CLIENTES', '', 'T', 0, 'NNNNNNNNNNN'),
    ('DEMO', 2, '1.001', 'C001', 'Cliente Exemplo Ltda', '11.222.333/0001-81', 'A', 1, 'NNSNNNSNNNN'),
    ('DEMO', 3, '1.002', 'C002', 'Maria da Silva', '111.444.777-35', 'A', 2, 'NNSNNNSNNNN'),
    ('DEMO', 4, '2', '', 'FORNECEDORES', '', 'T', 0, 'NNNNNNNNNNN'),
    ('DEMO', 5, '2.001', 'F001', 'Fornecedor Exemplo S.A.', '12.345.678/0001-95', 'A', 3, 'NNNSNNNSNNN'),
    ('DEMO', 6, '3', '', 'REPRESENTANTES', '', 'T', 0, 'NNNNNNNNNNN'),
    ('DEMO', 7, '3.001', 'R001', 'Representante Exemplo', '123.456.789-09', 'A', 4, 'NNNNNSNSNNN'),
    ('DEMO', 8, '4', '', 'TRANSPORTADORAS', '', 'T', 0, 'NNNNNNNNNNN'),
    ('DEMO', 9, '4.001', 'T001', 'Transportadora Exemplo Ltda', '11.444.777/0001-61', 'A', 5, 'NNNNSNNSNNN'),
    ('DEMO', 10, '5', '', 'CONTAS', '', 'T', 0, 'NNNNNNNNNNN'),
    ('DEMO', 11, '5.001', '', 'Caixa', '', 'A', 0, 'NNNNNNNNNNN'),
    ('DEMO', 12, '5.002', '', 'Banco do Brasil c/c', '', 'A', 0, 'NNNNNNNNNNN');

INSERT INTO cfrt (empresa, posicao, posicao_plano, tipo, situacao, pessoa, codigo, nome, cnpj_cpf, contato,
                  inscricao_estadual, rua, numero, complemento, bairro, municipio, uf, cep, ddd, telefone, email,
                  condicao_pagamento, forma_pagamento, tipo_cobranca, tabela_preco_produtos, representante) VALUES
    ('DEMO', 1, 2, 'C', 'A', 'J', 'C001', 'Cliente Exemplo Ltda', '11.222.333/0001-81', 'João Pereira',
     '110.042.490.114', 'Avenida Paulista', 1000, 'Conjunto 101', 'Bela Vista', 'São Paulo', 'SP', 1310100, '11',
     '3251-1000', 'compras@clienteexemplo.com.br', 1, 1, 1, 1, 7),
    ('DEMO', 2, 3, 'C', 'A', 'F', 'C002', 'Maria da Silva', '111.444.777-35', '',
     '', 'Rua das Flores', 25, '', 'Centro', 'Rio de Janeiro', 'RJ', 20010020, '21',
     '2222-3333', 'maria.silva@exemplo.com.br', 1, 1, 1, 1, 7),
    ('DEMO', 3, 5, 'F', 'A', 'J', 'F001', 'Fornecedor Exemplo S.A.', '12.345.678/0001-95', 'Carlos Souza',
     '123.456.789.110', 'Rua da Indústria', 500, 'Galpão 2', 'Distrito Industrial', 'Campinas', 'SP', 13054750, '19',
     '3777-5000', 'vendas@fornecedorexemplo.com.br', 2, 1, 1, 0, 0),
    ('DEMO', 4, 7, 'R', 'A', 'F', 'R001', 'Representante Exemplo', '123.456.789-09', '',
     '', 'Rua dos Vendedores', 12, '', 'Vila Mariana', 'São Paulo', 'SP', 4101000, '11',
     '98888-7777', 'representante@exemplo.com.br', 0, 0, 0, 0, 0),
    ('DEMO', 5, 9, 'T', 'A', 'J', 'T001', 'Transportadora Exemplo Ltda', '11.444.777/0001-61', 'Ana Lima',
     '', 'Rodovia Anhanguera', 3000, 'Km 30', 'Jardim Rodoviário', 'Jundiaí', 'SP', 13200000, '11',
     '4521-0000', 'fretes@transportadoraexemplo.com.br', 0, 0, 0, 0, 0);

-- Bearers (bank accounts and the cash); the limit in cents.
INSERT INTO portador (empresa, chave, nome, limite_centavos, inativo) VALUES
    ('DEMO', 1, 'Caixa', 0, 0),
    ('DEMO', 2, 'Banco do Brasil', 1000000, 0),
    ('DEMO', 3, 'Banco Antigo', 0, 1);
