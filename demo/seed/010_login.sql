-- The demo company's login: modules, branches, users and their rights.
INSERT INTO empresa_sistema (empresa, tipos_vevureze) VALUES ('DEMO', X'00000000000000000000000001000000000001000100010000010000000000000000000100000000000000000000000000000000000000000000000000000000');

INSERT INTO empresa_modulo (empresa, modulo) VALUES
    ('DEMO', 'DF'), ('DEMO', 'FT'), ('DEMO', 'ES'), ('DEMO', 'CN'), ('DEMO', 'FN'), ('DEMO', 'GE');

INSERT INTO filial (empresa, posicao, codigo, nome) VALUES
    ('DEMO', 1, 1, 'Matriz São Paulo'),
    ('DEMO', 2, 2, 'Filial Rio de Janeiro');

-- ADMIN may do everything in both branches; SEMFILIAL has no active branch; BLOQUEADO is blocked.
INSERT INTO usuario (empresa, numero, nome, senha, nome_completo, apelido, bloqueado, todos_direitos) VALUES
    ('DEMO', 1, 'ADMIN', 'admin123', 'Administrador', 'Admin', 0, 1),
    ('DEMO', 2, 'SEMFILIAL', 'semfilial', 'Usuário sem filial', 'Sem filial', 0, 0),
    ('DEMO', 3, 'BLOQUEADO', 'bloqueado', 'Usuário bloqueado', 'Bloqueado', 1, 0);

INSERT INTO usuario_filial (empresa, usuario, filial, ativa) VALUES
    ('DEMO', 1, 1, 1), ('DEMO', 1, 2, 1),
    ('DEMO', 2, 1, 0), ('DEMO', 2, 2, 0),
    ('DEMO', 3, 1, 1);
