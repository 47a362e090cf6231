-- The demo company's login: modules, branches, users and their rights.
INSERT INTO empresa_sistema (empresa, tipos_vevureze) VALUES ('DEMO', X'00000000000000000000000001000000000001000100010000010000000000000000000100000000000000000000000000000000000000000000000000000000');

INSERT INTO empresa_modulo (empresa, modulo) VALUES
    ('DEMO', 'DF'), ('DEMO', 'FT'), ('DEMO', 'ES'), ('DEMO', 'CN'), ('DEMO', 'FN'), ('DEMO', 'GE');

INSERT INTO filial (empresa, posicao, codigo, nome) VALUES
    ('DEMO', 1, 1, 'Matriz São Paulo'),
    ('DEMO', 2, 2, 'Filial Rio de Janeiro');

-- ADMIN may do everything in both branches; SEMFILIAL has no active branch; BLOQUEADO is blocked.
-- Passwords (admin123, semfilial, bloqueado) are kept only as PBKDF2-HMAC-SHA-256 hashes of their
-- CP1252 bytes with a per-user salt: hashlib.pbkdf2_hmac('sha256', password, salt, 10000).
INSERT INTO usuario (empresa, numero, nome, senha_sal, senha_hash, senha_iteracoes, nome_completo, apelido, bloqueado, todos_direitos) VALUES
    ('DEMO', 1, 'ADMIN', X'29BBB10E5526C7AD84D566AF49571B9F',
     X'3C640CB793AB76E9EAD2D9646426BBE4294A899104334782343A0CFDB9B9EC1A', 10000, 'Administrador', 'Admin', 0, 1),
    ('DEMO', 2, 'SEMFILIAL', X'EBC200E58B23B29244A6175B407DB126',
     X'246FA2C5300CF025625DFF013BD6A40B351B47B3462764EE23B3A64596857EB8', 10000, 'Usuário sem filial', 'Sem filial', 0, 0),
    ('DEMO', 3, 'BLOQUEADO', X'6C0F8BC07EFE171D73B937ADE74DCEC3',
     X'D5D5FBA66D7DC0215920DF9FC5D4E4ECD9F6AF320CE6AB7F5D334FC8FC384A36', 10000, 'Usuário bloqueado', 'Bloqueado', 1, 0);

INSERT INTO usuario_filial (empresa, usuario, filial, ativa) VALUES
    ('DEMO', 1, 1, 1), ('DEMO', 1, 2, 1),
    ('DEMO', 2, 1, 0), ('DEMO', 2, 2, 0),
    ('DEMO', 3, 1, 1);
