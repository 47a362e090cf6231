-- A user who is the regional representative (chart position 9001 of 040_planos.sql): its session
-- sees only the customers it serves. Password repsul, kept as the other users' are (010_login.sql).
INSERT INTO usuario (empresa, numero, nome, senha_sal, senha_hash, senha_iteracoes, nome_completo, apelido,
                     bloqueado, todos_direitos, posicao_representante) VALUES
    ('DEMO', 21, 'REPSUL', X'5A1C3E9F00B14D2C8E7A6B5C4D3E2F10',
     X'7817BFA938C111B3B5587B42DAA025AE898F1CAECD2F00D1784072FD392FEC65', 10000, 'Representante Regional Sul',
     'Rep. Sul', 0, 0, 9001);

INSERT INTO usuario_filial (empresa, usuario, filial, ativa) VALUES ('DEMO', 21, 1, 1);
