-- The demo company's charts of accounts.
-- The company chart (plano_conta) keeps the customer/supplier accounts of 020_cadastros.sql and
-- gains the regional representative (chart position 9001, its sixth mark 'S') with the two
-- customers it serves, a supplier and a few postable accounts with their own codes. Its settings
-- ask for own codes on new accounts.
UPDATE plano_configuracao SET codigo_proprio = 'S' WHERE empresa = 'DEMO';

INSERT INTO plano_conta (empresa, posicao, classificacao, codigo, nome, segundo_nome, tipo, posicao_cadastro, marcas) VALUES
    ('DEMO', 20, '1.101', 'C101', 'Mercado Bom Preço Ltda', '45.997.418/0001-53', 'A', 7, 'NNSNNNSNNNN'),
    ('DEMO', 21, '1.102', 'C102', 'José Carlos Almeida', '529.982.247-25', 'A', 8, 'NNSNNNSNNNN'),
    ('DEMO', 22, '2.101', 'F101', 'Distribuidora Paulista de Alimentos S.A.', '60.409.075/0001-52', 'A', 9, 'NNNSNNNSNNN'),
    ('DEMO', 23, '5.003', '5003', 'Banco Itaú c/c', '', 'A', 0, 'NNNNNNNNNNN'),
    ('DEMO', 24, '5.004', '5004', 'Estoque de mercadorias', '', 'A', 0, 'NNNNNNNNNNN'),
    ('DEMO', 25, '5.005', '5005', 'Capital social', '', 'A', 0, 'NNNNNNNNNNN'),
    ('DEMO', 9001, '3.901', 'R901', 'Representante Regional Sul', '248.438.034-80', 'A', 6, 'NNNNNSNSNNN');

INSERT INTO cfrt (empresa, posicao, posicao_plano, tipo, situacao, pessoa, codigo, nome, cnpj_cpf, contato,
                  inscricao_estadual, rua, numero, complemento, bairro, municipio, uf, cep, ddd, telefone, email,
                  condicao_pagamento, forma_pagamento, tipo_cobranca, tabela_preco_produtos, representante) VALUES
    ('DEMO', 6, 9001, 'R', 'A', 'F', 'R901', 'Representante Regional Sul', '248.438.034-80', '',
     '', 'Rua Voluntários da Pátria', 410, 'Sala 3', 'Centro', 'Porto Alegre', 'RS', 90030000, '51',
     '3211-4455', 'regional.sul@exemplo.com.br', 0, 0, 0, 0, 0),
    ('DEMO', 7, 20, 'C', 'A', 'J', 'C101', 'Mercado Bom Preço Ltda', '45.997.418/0001-53', 'Paulo Becker',
     '096/3214567', 'Avenida Ipiranga', 1200, '', 'Azenha', 'Porto Alegre', 'RS', 90160090, '51',
     '3333-1200', 'compras@bompreco.com.br', 1, 1, 1, 1, 9001),
    ('DEMO', 8, 21, 'C', 'A', 'F', 'C102', 'José Carlos Almeida', '529.982.247-25', '',
     '', 'Rua XV de Novembro', 88, 'Apto 12', 'Centro', 'Curitiba', 'PR', 80020310, '41',
     '99876-5432', 'jose.almeida@exemplo.com.br', 1, 1, 1, 1, 9001),
    ('DEMO', 9, 22, 'F', 'A', 'J', 'F101', 'Distribuidora Paulista de Alimentos S.A.', '60.409.075/0001-52',
     'Renata Gomes', '149.876.543.110', 'Rua do Comércio', 77, '', 'Brás', 'São Paulo', 'SP', 3008000, '11',
     '3322-7700', 'vendas@distpaulista.com.br', 2, 1, 1, 0, 0);

-- The managerial chart: a Brazilian chart of accounts, title accounts ('T') over postable ones
-- ('A'), each with its own code.
INSERT INTO plano_gerencial_conta (empresa, posicao, classificacao, codigo, nome, tipo) VALUES
    ('DEMO', 1, '1', '1', 'ATIVO', 'T'),
    ('DEMO', 2, '1.1', '11', 'ATIVO CIRCULANTE', 'T'),
    ('DEMO', 3, '1.1.01', '1101', 'Caixa', 'A'),
    ('DEMO', 4, '1.1.02', '1102', 'Bancos', 'A'),
    ('DEMO', 5, '1.1.03', '1103', 'Clientes', 'A'),
    ('DEMO', 6, '1.1.04', '1104', 'Estoques', 'A'),
    ('DEMO', 7, '1.2', '12', 'ATIVO NÃO CIRCULANTE', 'T'),
    ('DEMO', 8, '1.2.01', '1201', 'Imobilizado', 'A'),
    ('DEMO', 9, '2', '2', 'PASSIVO', 'T'),
    ('DEMO', 10, '2.1', '21', 'PASSIVO CIRCULANTE', 'T'),
    ('DEMO', 11, '2.1.01', '2101', 'Fornecedores', 'A'),
    ('DEMO', 12, '2.1.02', '2102', 'Obrigações trabalhistas', 'A'),
    ('DEMO', 13, '2.1.03', '2103', 'Obrigações tributárias', 'A'),
    ('DEMO', 14, '2.3', '23', 'PATRIMÔNIO LÍQUIDO', 'T'),
    ('DEMO', 15, '2.3.01', '2301', 'Capital social', 'A'),
    ('DEMO', 16, '2.3.02', '2302', 'Lucros acumulados', 'A'),
    ('DEMO', 17, '3', '3', 'RECEITAS', 'T'),
    ('DEMO', 18, '3.1', '31', 'RECEITA OPERACIONAL', 'T'),
    ('DEMO', 19, '3.1.01', '3101', 'Venda de mercadorias', 'A'),
    ('DEMO', 20, '3.1.02', '3102', 'Prestação de serviços', 'A'),
    ('DEMO', 21, '4', '4', 'CUSTOS', 'T'),
    ('DEMO', 22, '4.1', '41', 'CUSTOS OPERACIONAIS', 'T'),
    ('DEMO', 23, '4.1.01', '4101', 'Custo das mercadorias vendidas', 'A'),
    ('DEMO', 24, '4.1.02', '4102', 'Custo dos serviços prestados', 'A'),
    ('DEMO', 25, '5', '5', 'DESPESAS', 'T'),
    ('DEMO', 26, '5.1', '51', 'DESPESAS OPERACIONAIS', 'T'),
    ('DEMO', 27, '5.1.01', '5101', 'Salários e encargos', 'A'),
    ('DEMO', 28, '5.1.02', '5102', 'Aluguel', 'A'),
    ('DEMO', 29, '5.1.03', '5103', 'Energia elétrica', 'A'),
    ('DEMO', 30, '5.1.04', '5104', 'Despesas bancárias', 'A');
