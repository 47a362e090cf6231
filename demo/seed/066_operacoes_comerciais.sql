-- The branches' states, a customer abroad and the demo company's commercial operations.
-- Branch 1 sells from São Paulo, branch 2 from Rio de Janeiro.
UPDATE filial SET uf = 'SP' WHERE empresa = 'DEMO' AND posicao = 1;
UPDATE filial SET uf = 'RJ' WHERE empresa = 'DEMO' AND posicao = 2;

-- A customer in Argentina (state 'EX', as Brazilian registers keep foreign addresses). Its address
-- part is kept as the register server hands it over (256 bytes: street at 14, city at 56,
-- country at 98, contact at 128, complement at 160, district at 182, telephone at 208, area code
-- at 220, state at 228), since the country has no column of its own.
INSERT INTO plano_conta (empresa, posicao, classificacao, codigo, nome, segundo_nome, tipo, posicao_cadastro, marcas) VALUES
    ('DEMO', 50, '1.900', 'C900', 'Importadora del Plata S.A.', '', 'A', 50, 'NNSNNNSNNNN');
INSERT INTO cfrt (empresa, posicao, posicao_plano, tipo, situacao, pessoa, codigo, nome, cnpj_cpf, contato,
                  inscricao_estadual, rua, numero, complemento, bairro, municipio, uf, cep, ddd, telefone, email,
                  condicao_pagamento, forma_pagamento, tipo_cobranca, tabela_preco_produtos, representante, endereco) VALUES
    ('DEMO', 50, 50, 'C', 'A', 'J', 'C900', 'Importadora del Plata S.A.', '', 'Diego Fernández',
     '', 'Avenida Corrientes', 1234, 'Piso 8', 'San Nicolás', 'Buenos Aires', 'EX', 0, '54 11',
     '4321-0000', 'compras@importadoradelplata.com.ar', 1, 1, 1, 1, 0,
     X'D2040000000000000000000000004176656E69646120436F727269656E7465730000000000000000000000000000000000000000000000004275656E6F73204169726573000000000000000000000000000000000000000000000000000000000000417267656E74696E61000000000000000000000000000000000000000000446965676F204665726EE16E64657A00000000000000000000000000000000005069736F20380000000000000000000000000000000053616E204E69636F6CE173000000000000000000000000000000343332312D30303030000000353420313100000045580002000000000100000000000000000000000000000000000000');

-- Commercial operations of sale notes (type 2) and one of purchase notes (type 1). The transfer
-- between branches is closed to the web. CFOP: its last three digits; ICMS in hundredths of a
-- percent point, in the branch's state and to another state.
INSERT INTO operacao_comercial (empresa, posicao, codigo, descricao, tipo_nf, indisponivel_web, entrada, cfop,
                                icms_interno, icms_interestadual) VALUES
    ('DEMO', 1, 'VENDA', 'Venda de mercadoria', 2, 0, 0, 102, 1800, 1200),
    ('DEMO', 2, 'VENDACONTRIB', 'Venda a contribuinte com substituição tributária', 2, 0, 0, 405, 1800, 1200),
    ('DEMO', 3, 'TRANSF', 'Transferência entre filiais', 2, 1, 0, 152, 0, 0),
    ('DEMO', 4, 'BONIF', 'Bonificação', 2, 0, 0, 910, 1800, 1200),
    ('DEMO', 5, 'DEVVENDA', 'Devolução de venda', 2, 0, 1, 202, 1800, 1200),
    ('DEMO', 6, 'COMPRA', 'Compra para comercialização', 1, 0, 1, 102, 1800, 1200);
