-- Quotation 1 (coffee and T-shirts, issued 01/12/2026) is answered from the suppliers' web page
-- for seven weeks from the day the store is written (until 29/01/2027 on the end-to-end checks'
-- simulated 11/12/2026), so that the demo page can always answer it. Two suppliers were asked,
-- each with its own access key: Fornecedor Exemplo (position 3) and, quoting in dollars,
-- Metalúrgica Vale do Paraíba (position 12). The product module knows items by their reference.
UPDATE cotacao SET limite = date('now', 'localtime', '+49 days'), observacao = 'Preços com impostos; frete por conta do fornecedor.',
    local_entrega = 'Rua da Indústria, 500 - Campinas/SP' WHERE empresa = 'DEMO' AND chave = 1;
UPDATE cotacao_item SET unidade = 2, complemento = 'Grãos arábica, pacotes de 1 kg'
    WHERE empresa = 'DEMO' AND cotacao = 1 AND ordem = 1;
UPDATE cotacao_item SET unidade = 1, complemento = 'Logotipo bordado no peito'
    WHERE empresa = 'DEMO' AND cotacao = 1 AND ordem = 2;

INSERT INTO cotacao_fornecedor (empresa, cotacao, ordem, fornecedor, chave, moeda) VALUES
    ('DEMO', 1, 0, 3, '{6F1C2A3B-4D5E-4F60-8A7B-9C0D1E2F3A4B}', ''),
    ('DEMO', 1, 1, 12, '{0B7E5C1D-2A3F-4B6C-9D8E-7F6A5B4C3D2E}', 'US$');

INSERT INTO parametro_produto (empresa, usa_referencia) VALUES ('DEMO', 1);
