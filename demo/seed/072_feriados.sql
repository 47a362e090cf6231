-- The demo company's own holidays, beside the national ones the calendar computes: the city of
-- São Paulo's anniversary and the state's Constitutionalist Revolution day, every year.
INSERT INTO feriado_empresa (empresa, dia, mes, ano, descricao) VALUES
    ('DEMO', 25, 1, 0, 'Aniversário da cidade de São Paulo'),
    ('DEMO', 9, 7, 0, 'Revolução Constitucionalista');
