-- The regional representative's (chart position 9001) visits of the week of 14/12/2026 to the
-- demo customers (chart positions 2 and 3): appointment numbers are month index 2148 (12/2026)
-- with the sequence from bit 12 up. One visit is already rescheduled to the 18th.
INSERT INTO agendamento_visita (empresa, posicao, representante, cliente, numero, tipo_periodo, data, data_reagendada,
                                atendido_por, obs_agendamento, obs_visita, situacao, dia_util, recalcular, venda,
                                valor_venda) VALUES
    ('DEMO', 1, 9001, 2, 6244, 1, '2026-12-14', '', '', 'Apresentar a nova tabela de preços', '', 0, 1, 0, 0, 0),
    ('DEMO', 2, 9001, 3, 10340, 2, '2026-12-15', '2026-12-18', 'Maria', 'Visita mensal', 'Cliente em viagem', 3, 0, 0, 0,
     0),
    ('DEMO', 3, 9001, 2, 14436, 1, '2026-12-16', '', 'João Pereira', 'Levar amostras', 'Pedido fechado', 1, 1, 0, 1,
     12345000),
    ('DEMO', 4, 7, 2, 18532, 1, '2026-12-14', '', '', 'Visita de outro representante', '', 0, 0, 0, 0, 0);
