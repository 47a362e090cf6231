-- The demo company's branches: the head office in São Paulo and the branch in Rio de Janeiro, one
-- company (one CNPJ root) with their state registrations; the check digits of both are valid.
UPDATE filial SET cnpj = '45.723.174/0001-10', inscricao_estadual = '148.725.335.110', uf = 'SP'
    WHERE empresa = 'DEMO' AND posicao = 1;
UPDATE filial SET cnpj = '45.723.174/0002-00', inscricao_estadual = '78.007.34-6', uf = 'RJ'
    WHERE empresa = 'DEMO' AND posicao = 2;
