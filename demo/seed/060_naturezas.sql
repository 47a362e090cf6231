-- The demo company's operation natures: real CFOP codes (kept without dots) shown with the mask
-- 9.999. Type 1 marks entries, 2 exits; 'A' natures serve products and services, 'S' only
-- services. The natures are in force from 2001, except 5.949, which starts in 2025 and so is not
-- in force on the day the natures register asks about. Positions are not in code order, so that a
-- listing shows its sort. Branch 2 (Rio de Janeiro) has a nature of its own.
INSERT INTO natureza_mascara (empresa, mascara_cfop) VALUES ('DEMO', '9.999');

INSERT INTO natureza (empresa, posicao, codigo, nome, filial, tipo, modulo, letra, integracao_financeiro, vigente_desde) VALUES
    ('DEMO', 1, '5102', 'Venda de mercadoria adquirida de terceiros', 0, 2, 0, 'A', 1, '2001-01-01'),
    ('DEMO', 2, '6102', 'Venda interestadual de mercadoria de terceiros', 0, 2, 0, 'A', 1, '2001-01-01'),
    ('DEMO', 3, '1102', 'Compra para comercialização', 0, 1, 0, 'A', 1, '2001-01-01'),
    ('DEMO', 4, '2102', 'Compra interestadual para comercialização', 0, 1, 0, 'A', 1, '2001-01-01'),
    ('DEMO', 5, '7102', 'Venda de mercadoria de terceiros ao exterior', 0, 2, 0, 'A', 1, '2001-01-01'),
    ('DEMO', 6, '5405', 'Venda de mercadoria com ICMS por substituição tributária', 0, 2, 0, 'A', 1, '2001-01-01'),
    ('DEMO', 7, '1202', 'Devolução de venda de mercadoria de terceiros', 0, 1, 0, 'A', 0, '2001-01-01'),
    ('DEMO', 8, '5202', 'Devolução de compra para comercialização', 0, 2, 0, 'A', 0, '2001-01-01'),
    ('DEMO', 9, '5933', 'Prestação de serviço tributado pelo ISSQN', 0, 2, 0, 'S', 1, '2001-01-01'),
    ('DEMO', 10, '5949', 'Outra saída de mercadoria não especificada', 0, 2, 0, 'A', 0, '2025-01-01'),
    ('DEMO', 11, '5152', 'Transferência de mercadoria adquirida de terceiros', 2, 2, 0, 'A', 0, '2001-01-01');
