-- The demo company. Texts are UTF-8 here; the stand-ins hand them to the server as CP1252.
INSERT INTO empresa (chave, razao_social) VALUES ('DEMO', 'Demonstração Comércio Ltda');
