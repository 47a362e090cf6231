-- What the root object answers about users and the company.
-- REGIONAL is the regional representative's own user (chart position 9001 of 040_planos.sql):
-- it sees only its customers, and has a few rights instead of all of them. Password regional1,
-- kept as in 010_login.sql.
INSERT INTO usuario (empresa, numero, nome, senha_sal, senha_hash, senha_iteracoes, nome_completo, apelido, bloqueado,
                     todos_direitos, posicao_representante) VALUES
    ('DEMO', 4, 'REGIONAL', X'521E0E6FB01422AAB7C240F32185FCAB',
     X'7A5E6BED2692A1DBCE6BEE7D2E0AF1412AB47708D516EA0385671C79D54CF76C', 10000, 'Representante Regional Sul',
     'Regional Sul', 0, 0, 9001);

INSERT INTO usuario_filial (empresa, usuario, filial, ativa) VALUES ('DEMO', 4, 1, 1);

-- REGIONAL may save customers (DF 58) and enter orders (FT 1), but not save suppliers (DF 60).
INSERT INTO usuario_direito (empresa, usuario, modulo, controle) VALUES
    ('DEMO', 4, 'DF', 58), ('DEMO', 4, 'FT', 1);

-- The customer categories (size, type and region classes of the register).
INSERT INTO categoria (empresa, posicao, codigo, nome) VALUES
    ('DEMO', 1, 10, 'Pequeno porte'),
    ('DEMO', 2, 20, 'Varejista'),
    ('DEMO', 3, 30, 'Região Sul');

-- The master record's economic indices: the currency's own first, then the others.
INSERT INTO mestre (empresa, indice_moeda) VALUES ('DEMO', 'Real|');
INSERT INTO mestre_indice (empresa, numero, nome) VALUES
    ('DEMO', 1, 'Dólar comercial'),
    ('DEMO', 2, 'IGP-M'),
    ('DEMO', 4, 'IPCA');

-- The head office's home page; the company's logo, a file of the installation's images folder.
UPDATE filial SET homepage = 'https://www.demonstracao.com.br' WHERE empresa = 'DEMO' AND posicao = 1;
UPDATE empresa_sistema SET logotipo = 'logotipo_demo.bmp' WHERE empresa = 'DEMO';
