-- What an order item carries of the demo's products beyond their prices: the salesperson's
-- commission (hundredths of a percent point), the stock's lower and upper limits (units), the goods'
-- origin (0 national, 1 imported directly, 2 bought imported), the product family's code and the
-- maker's reference.
UPDATE produto SET comissao = 500, estoque_minimo = 100, estoque_maximo = 2000, origem = 0, familia = 10,
    referencia = 'CAM-ALG-001' WHERE empresa = 'DEMO' AND codigo = '101';
UPDATE produto SET comissao = 500, estoque_minimo = 50, estoque_maximo = 800, origem = 0, familia = 10,
    referencia = 'POL-PIQ-014' WHERE empresa = 'DEMO' AND codigo = '102';
UPDATE produto SET comissao = 350, estoque_minimo = 40, estoque_maximo = 600, origem = 2, familia = 11,
    referencia = 'JNS-M-2031' WHERE empresa = 'DEMO' AND codigo = '103';
UPDATE produto SET comissao = 200, estoque_minimo = 20, estoque_maximo = 300, origem = 1, familia = 30,
    referencia = 'AZ-EV-500' WHERE empresa = 'DEMO' AND codigo = '205';
