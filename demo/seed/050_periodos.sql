-- The demo company's accounting periods: entries may be made from the start of 2025 to the end of
-- 2026 (the movement period), and the books of 2026 are open (the accounting period).
INSERT INTO periodo_contabil (empresa, movimentacao_inicial, movimentacao_final, periodo_inicial, periodo_final) VALUES
    ('DEMO', '2025-01-01', '2026-12-31', '2026-01-01', '2026-12-31');
