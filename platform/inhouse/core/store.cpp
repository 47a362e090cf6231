#include "platform/inhouse/core/store.h"

#include <iterator>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/login/senha.h"

namespace inhouse {

namespace {

// Version 1: the bookkeeping tables and the company register.
constexpr const char* steps[] = {
    "CREATE TABLE store_info (name TEXT PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE empresa (chave TEXT PRIMARY KEY, razao_social TEXT NOT NULL);",
    // Version 2: the login. Company keys are matched without regard to case everywhere, since
    // the session keeps the key as the client typed it.
    "ALTER TABLE empresa ADD COLUMN versao_registro INTEGER NOT NULL DEFAULT 1307;"
    "ALTER TABLE empresa ADD COLUMN versao_base TEXT NOT NULL DEFAULT 'Y';"
    "ALTER TABLE empresa ADD COLUMN situacao_inicializacao INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE empresa ADD COLUMN tipos_vevureze BLOB;"
    "CREATE TABLE empresa_modulo (empresa TEXT NOT NULL COLLATE NOCASE, modulo TEXT NOT NULL COLLATE NOCASE,"
    " PRIMARY KEY (empresa, modulo));"
    "CREATE TABLE filial (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 999),"
    " codigo INTEGER NOT NULL, nome TEXT NOT NULL, PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE usuario (empresa TEXT NOT NULL COLLATE NOCASE, numero INTEGER NOT NULL CHECK (numero BETWEEN 1 AND 65535),"
    " nome TEXT NOT NULL COLLATE NOCASE, senha TEXT NOT NULL, nome_completo TEXT NOT NULL DEFAULT '',"
    " apelido TEXT NOT NULL DEFAULT '', bloqueado INTEGER NOT NULL DEFAULT 0, todos_direitos INTEGER NOT NULL DEFAULT 0,"
    " posicao_representante INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (empresa, numero), UNIQUE (empresa, nome));"
    "CREATE TABLE usuario_direito (empresa TEXT NOT NULL COLLATE NOCASE, usuario INTEGER NOT NULL,"
    " modulo TEXT NOT NULL COLLATE NOCASE, controle INTEGER NOT NULL, PRIMARY KEY (empresa, usuario, modulo, controle));"
    "CREATE TABLE usuario_filial (empresa TEXT NOT NULL COLLATE NOCASE, usuario INTEGER NOT NULL,"
    " filial INTEGER NOT NULL CHECK (filial BETWEEN 0 AND 999), ativa INTEGER NOT NULL DEFAULT 1,"
    " PRIMARY KEY (empresa, usuario, filial));"
    "CREATE TABLE sessao (numero INTEGER PRIMARY KEY AUTOINCREMENT, empresa TEXT NOT NULL, usuario INTEGER NOT NULL,"
    " inicio TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP);",
    // Version 3: the charts of accounts, the customer/supplier register and the bearers. The
    // register keeps each part as the server hands it over (so that reading gives back exactly
    // what was written) beside typed columns for the fields that look-ups and the seed use; a part
    // that was never written is built from the typed columns.
    "CREATE TABLE plano_configuracao (empresa TEXT PRIMARY KEY COLLATE NOCASE,"
    " codigo_proprio TEXT NOT NULL DEFAULT 'N', regra_posicao TEXT NOT NULL DEFAULT 'N',"
    " proxima_cliente TEXT NOT NULL DEFAULT '', proxima_fornecedor TEXT NOT NULL DEFAULT '',"
    " proxima_representante TEXT NOT NULL DEFAULT '', proxima_transportadora TEXT NOT NULL DEFAULT '');"
    "CREATE TABLE plano_conta (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " classificacao TEXT NOT NULL, codigo TEXT NOT NULL DEFAULT '', nome TEXT NOT NULL DEFAULT '',"
    " segundo_nome TEXT NOT NULL DEFAULT '', tipo TEXT NOT NULL DEFAULT 'A', caractere TEXT NOT NULL DEFAULT '',"
    " posicao_cadastro INTEGER NOT NULL DEFAULT 0, marcas TEXT NOT NULL DEFAULT 'NNNNNNNNNNN', marcas_extras BLOB,"
    " PRIMARY KEY (empresa, posicao), UNIQUE (empresa, classificacao));"
    "CREATE TABLE cfrt (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " posicao_plano INTEGER NOT NULL DEFAULT 0, tipo TEXT NOT NULL, situacao TEXT NOT NULL DEFAULT 'A',"
    " pessoa TEXT NOT NULL, codigo TEXT NOT NULL DEFAULT '', nome TEXT NOT NULL DEFAULT '',"
    " cnpj_cpf TEXT NOT NULL DEFAULT '', contato TEXT NOT NULL DEFAULT '', inscricao_estadual TEXT NOT NULL DEFAULT '',"
    " rua TEXT NOT NULL DEFAULT '', numero INTEGER NOT NULL DEFAULT 0, complemento TEXT NOT NULL DEFAULT '',"
    " bairro TEXT NOT NULL DEFAULT '', municipio TEXT NOT NULL DEFAULT '', uf TEXT NOT NULL DEFAULT '',"
    " cep INTEGER NOT NULL DEFAULT 0, ddd TEXT NOT NULL DEFAULT '', telefone TEXT NOT NULL DEFAULT '',"
    " email TEXT NOT NULL DEFAULT '', condicao_pagamento INTEGER NOT NULL DEFAULT 0,"
    " forma_pagamento INTEGER NOT NULL DEFAULT 0, tipo_cobranca INTEGER NOT NULL DEFAULT 0,"
    " tabela_preco_produtos INTEGER NOT NULL DEFAULT 0, representante INTEGER NOT NULL DEFAULT 0,"
    " principal BLOB, juridica BLOB, fisica BLOB, conjuge BLOB, complemento_parte BLOB, complemento2 BLOB,"
    " endereco BLOB, info_extras BLOB, taxas BLOB, texto1 TEXT, texto2 TEXT,"
    " PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE portador (empresa TEXT NOT NULL COLLATE NOCASE, chave INTEGER NOT NULL CHECK (chave > 0),"
    " nome TEXT NOT NULL, limite_centavos INTEGER NOT NULL DEFAULT 0, inativo INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, chave));",
    // Version 4: the company's system data leave the company register for a table of their own
    // (a company without a row has the defaults), so that the register keeps its two columns.
    "CREATE TABLE empresa_sistema (empresa TEXT PRIMARY KEY COLLATE NOCASE,"
    " versao_registro INTEGER NOT NULL DEFAULT 1307, versao_base TEXT NOT NULL DEFAULT 'Y',"
    " situacao_inicializacao INTEGER NOT NULL DEFAULT 0, tipos_vevureze BLOB);"
    "INSERT INTO empresa_sistema (empresa, versao_registro, versao_base, situacao_inicializacao, tipos_vevureze)"
    " SELECT chave, versao_registro, versao_base, situacao_inicializacao, tipos_vevureze FROM empresa;"
    "ALTER TABLE empresa DROP COLUMN versao_registro;"
    "ALTER TABLE empresa DROP COLUMN versao_base;"
    "ALTER TABLE empresa DROP COLUMN situacao_inicializacao;"
    "ALTER TABLE empresa DROP COLUMN tipos_vevureze;",
    // Version 5: passwords leave the store; each user keeps a salted PBKDF2 hash (senha.h). The
    // sessions say which server process opened them, so that the sessions of a process that
    // ended without closing them can go.
    "ALTER TABLE usuario ADD COLUMN senha_sal BLOB;"
    "ALTER TABLE usuario ADD COLUMN senha_hash BLOB;"
    "ALTER TABLE usuario ADD COLUMN senha_iteracoes INTEGER NOT NULL DEFAULT 0;"
    "UPDATE usuario SET senha_sal = sal_senha();"
    "UPDATE usuario SET senha_iteracoes = 10000, senha_hash = pbkdf2_senha(senha, senha_sal, 10000);"
    "ALTER TABLE usuario DROP COLUMN senha;"
    "ALTER TABLE sessao ADD COLUMN processo INTEGER NOT NULL DEFAULT 0;"
    "DELETE FROM sessao;",
    // Version 6: the managerial chart, an account table of its own in the company chart's shape.
    "CREATE TABLE plano_gerencial_conta (empresa TEXT NOT NULL COLLATE NOCASE,"
    " posicao INTEGER NOT NULL CHECK (posicao > 0), classificacao TEXT NOT NULL, codigo TEXT NOT NULL DEFAULT '',"
    " nome TEXT NOT NULL DEFAULT '', segundo_nome TEXT NOT NULL DEFAULT '', tipo TEXT NOT NULL DEFAULT 'A',"
    " caractere TEXT NOT NULL DEFAULT '', posicao_cadastro INTEGER NOT NULL DEFAULT 0,"
    " marcas TEXT NOT NULL DEFAULT 'NNNNNNNNNNN', marcas_extras BLOB,"
    " PRIMARY KEY (empresa, posicao), UNIQUE (empresa, classificacao));",
    // Version 7: what the root object tells of the company: the customer categories, the master
    // record's index names, each branch's home page and logo, and the company's own logo.
    "CREATE TABLE categoria (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " codigo INTEGER NOT NULL DEFAULT 0, nome TEXT NOT NULL, PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE mestre (empresa TEXT PRIMARY KEY COLLATE NOCASE, indice_moeda TEXT NOT NULL DEFAULT '');"
    "CREATE TABLE mestre_indice (empresa TEXT NOT NULL COLLATE NOCASE,"
    " numero INTEGER NOT NULL CHECK (numero BETWEEN 1 AND 14), nome TEXT NOT NULL, PRIMARY KEY (empresa, numero));"
    "ALTER TABLE filial ADD COLUMN homepage TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE filial ADD COLUMN logotipo TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE empresa_sistema ADD COLUMN logotipo TEXT NOT NULL DEFAULT '';",
    // Version 8: the accounting master's periods, dates as "yyyy-mm-dd" ('' for none): the movement
    // period (entries allowed from..to) and the accounting period.
    "CREATE TABLE periodo_contabil (empresa TEXT PRIMARY KEY COLLATE NOCASE,"
    " movimentacao_inicial TEXT NOT NULL DEFAULT '', movimentacao_final TEXT NOT NULL DEFAULT '',"
    " periodo_inicial TEXT NOT NULL DEFAULT '', periodo_final TEXT NOT NULL DEFAULT '');",
    // Version 9: tables natureza and natureza_mascara: the operation natures (CFOP code without dots, the
    // branch they belong to (0: every branch), type (0: none), module (0: every module), 'P'
    // products, 'S' services or 'A' both, the finance-integration mark and the day from which
    // they are in force, "yyyy-mm-dd" ('' for always)) and each company's CFOP mask.
    "CREATE TABLE natureza (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535),"
    " codigo TEXT NOT NULL, nome TEXT NOT NULL, filial INTEGER NOT NULL DEFAULT 0, tipo INTEGER NOT NULL DEFAULT 0,"
    " modulo INTEGER NOT NULL DEFAULT 0, letra TEXT NOT NULL DEFAULT 'A' CHECK (letra IN ('P', 'S', 'A')),"
    " integracao_financeiro INTEGER NOT NULL DEFAULT 0, vigente_desde TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE natureza_mascara (empresa TEXT PRIMARY KEY COLLATE NOCASE, mascara_cfop TEXT NOT NULL DEFAULT '');",
    // Version 10: the standard histories, each at a register position that
    // is also its main id; the document types with their branch.
    "CREATE TABLE historico (empresa TEXT NOT NULL COLLATE NOCASE,"
    " posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535), codigo TEXT NOT NULL,"
    " classificacao TEXT NOT NULL DEFAULT '', texto TEXT NOT NULL, PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE documento (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " filial INTEGER NOT NULL DEFAULT 0, codigo TEXT NOT NULL, descricao TEXT NOT NULL,"
    " PRIMARY KEY (empresa, posicao));",
    // Version 11: the states (estado) and municipalities (municipio) of the company's register.
    // Regions as the servers' codes: geographic 0 south ... 4 centre-west, fiscal 0 to 2.
    "CREATE TABLE estado (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " sigla TEXT NOT NULL, nome TEXT NOT NULL, exterior INTEGER NOT NULL DEFAULT 0,"
    " regiao_geo INTEGER NOT NULL DEFAULT 0, regiao_fiscal INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE municipio (empresa TEXT NOT NULL COLLATE NOCASE,"
    " posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535), codigo_fiscal INTEGER NOT NULL,"
    " codigo_ibge INTEGER NOT NULL, nome TEXT NOT NULL, uf TEXT NOT NULL,"
    " PRIMARY KEY (empresa, posicao), UNIQUE (empresa, codigo_fiscal));",
    // Version 12: table filial gets each branch's CNPJ, state registration and state.
    "ALTER TABLE filial ADD COLUMN cnpj TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE filial ADD COLUMN inscricao_estadual TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE filial ADD COLUMN uf TEXT NOT NULL DEFAULT '';",
    // Version 13: table cfrt gains what the register's rows give when their parts were never
    // written: the municipality's and the carrier's register positions, the three category codes
    // (size, type, region), the sales block, the customer-since and status days (16-bit day
    // numbers) and the freight letter ('D', 'E', 'T' or '').
    "ALTER TABLE cfrt ADD COLUMN posicao_municipio INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN posicao_transportadora INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN categoria_porte INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN categoria_tipo INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN categoria_regiao INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN venda_bloqueada INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN cliente_desde INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN data_situacao INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE cfrt ADD COLUMN frete TEXT NOT NULL DEFAULT '';",
    // Version 14: products, price tables and services: tables produto_unidade, produto_grade,
    // produto_grade_item, produto, tabela_preco, produto_preco and servico. Units serve products
    // and services (decimals code; the time-format mark of service units). A product has a kind
    // ('A' analytic, 'T' title), up to three grids and an active mark; its price in a table is a
    // decimal text (8 places at most). Price tables are product tables (servicos 0) or service
    // tables (servicos 1), each register with its own positions; validity "yyyy-mm-dd" ('' for
    // none) is the day from which a table is no longer offered. A service position without a row
    // below the last one is a deleted service; a service's price is a decimal text (4 places).
    "CREATE TABLE produto_unidade (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535),"
    " sigla TEXT NOT NULL, descricao TEXT NOT NULL DEFAULT '', casas INTEGER NOT NULL DEFAULT 0,"
    " horario INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE produto_grade (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535),"
    " codigo INTEGER NOT NULL DEFAULT 0, descricao TEXT NOT NULL, PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE produto_grade_item (empresa TEXT NOT NULL COLLATE NOCASE, grade INTEGER NOT NULL,"
    " posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535), codigo TEXT NOT NULL, descricao TEXT NOT NULL,"
    " PRIMARY KEY (empresa, grade, posicao));"
    "CREATE TABLE produto (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " codigo TEXT NOT NULL, nome TEXT NOT NULL, classificacao TEXT NOT NULL DEFAULT '',"
    " tipo TEXT NOT NULL DEFAULT 'A' CHECK (tipo IN ('A', 'T')), unidade INTEGER NOT NULL DEFAULT 0,"
    " grade1 INTEGER NOT NULL DEFAULT 0, grade2 INTEGER NOT NULL DEFAULT 0, grade3 INTEGER NOT NULL DEFAULT 0,"
    " casas_preco INTEGER NOT NULL DEFAULT 2, ativo INTEGER NOT NULL DEFAULT 1,"
    " PRIMARY KEY (empresa, posicao), UNIQUE (empresa, codigo));"
    "CREATE TABLE tabela_preco (empresa TEXT NOT NULL COLLATE NOCASE, servicos INTEGER NOT NULL CHECK (servicos IN (0, 1)),"
    " posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535), tipo TEXT NOT NULL DEFAULT 'V',"
    " codigo TEXT NOT NULL, nome TEXT NOT NULL, validade TEXT NOT NULL DEFAULT '', bloqueada INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, servicos, posicao));"
    "CREATE TABLE produto_preco (empresa TEXT NOT NULL COLLATE NOCASE, tabela INTEGER NOT NULL, produto INTEGER NOT NULL,"
    " preco TEXT NOT NULL, PRIMARY KEY (empresa, tabela, produto));"
    "CREATE TABLE servico (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " codigo TEXT NOT NULL, nome TEXT NOT NULL, classificacao TEXT NOT NULL DEFAULT '', unidade INTEGER NOT NULL DEFAULT 0,"
    " preco TEXT NOT NULL DEFAULT '0', casas INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (empresa, posicao));",
    // Version 15: table operacao_comercial: the commercial
    // operations of a note type (2: sale) with their web mark and what they suggest: the CFOP's
    // last three digits (the first follows where the customer is: 5 or 1 in the branch's state, 6
    // or 2 in another, 7 or 3 abroad; the second of each pair for an incoming operation) and the
    // ICMS rate in hundredths of a percent point, in the branch's state and to another state.
    "CREATE TABLE operacao_comercial (empresa TEXT NOT NULL COLLATE NOCASE,"
    " posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535), codigo TEXT NOT NULL, descricao TEXT NOT NULL,"
    " tipo_nf INTEGER NOT NULL DEFAULT 2, indisponivel_web INTEGER NOT NULL DEFAULT 0,"
    " entrada INTEGER NOT NULL DEFAULT 0 CHECK (entrada IN (0, 1)), cfop INTEGER NOT NULL DEFAULT 0 CHECK (cfop BETWEEN 0 AND 999),"
    " icms_interno INTEGER NOT NULL DEFAULT 0, icms_interestadual INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, posicao));",
    // Version 16: the sales parameter record of the commercial master: table parametro_venda. Each row is a
    // little-endian integer of `largura` bytes at `posicao` of the 472-byte record (a CURRENCY as
    // the amount times 10,000); positions without a row are zero.
    "CREATE TABLE parametro_venda (empresa TEXT NOT NULL COLLATE NOCASE,"
    " posicao INTEGER NOT NULL CHECK (posicao BETWEEN 0 AND 471), largura INTEGER NOT NULL CHECK (largura IN (1, 2, 4, 8)),"
    " valor INTEGER NOT NULL, CHECK (posicao + largura <= 472), PRIMARY KEY (empresa, posicao));"
    // ... and the product server's grid references (produto_referencia_grade: unit weights of a
    // product's grid-item combination) and tax answers (produto_imposto, by product).
    "CREATE TABLE produto_referencia_grade (empresa TEXT NOT NULL COLLATE NOCASE, produto INTEGER NOT NULL,"
    " item1 INTEGER NOT NULL DEFAULT 0, item2 INTEGER NOT NULL DEFAULT 0, item3 INTEGER NOT NULL DEFAULT 0,"
    " peso_bruto INTEGER NOT NULL DEFAULT 0, peso_liquido INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, produto, item1, item2, item3));"
    "CREATE TABLE produto_imposto (empresa TEXT NOT NULL COLLATE NOCASE, produto INTEGER NOT NULL,"
    " calcula_icms INTEGER NOT NULL DEFAULT 1, aliquota INTEGER NOT NULL DEFAULT 0, situacao INTEGER NOT NULL DEFAULT 0,"
    " cst TEXT NOT NULL DEFAULT '000', isento_ipi1 INTEGER NOT NULL DEFAULT 0, isento_ipi2 INTEGER NOT NULL DEFAULT 0,"
    " calcula_ipi INTEGER NOT NULL DEFAULT 1, PRIMARY KEY (empresa, produto));",
    // Version 17: tables feriado_empresa, condicao_pagamento and condicao_pagamento_parcela: the company's own
    // holidays beside the national ones (ano 0: every year), and the payment conditions with
    // their instalment rows (percentage in hundredths of a percent, days from the base date, the
    // row's kind). A condition's switches are the bytes of its 168-byte record.
    "CREATE TABLE feriado_empresa (empresa TEXT NOT NULL COLLATE NOCASE,"
    " dia INTEGER NOT NULL CHECK (dia BETWEEN 1 AND 31), mes INTEGER NOT NULL CHECK (mes BETWEEN 1 AND 12),"
    " ano INTEGER NOT NULL DEFAULT 0 CHECK (ano = 0 OR ano BETWEEN 1848 AND 9999), descricao TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (empresa, dia, mes, ano));"
    "CREATE TABLE condicao_pagamento (empresa TEXT NOT NULL COLLATE NOCASE,"
    " codigo INTEGER NOT NULL CHECK (codigo BETWEEN 1 AND 65535), descricao TEXT NOT NULL,"
    " taxa INTEGER NOT NULL DEFAULT 0 CHECK (taxa BETWEEN 0 AND 65535),"
    " desconto_parcela INTEGER NOT NULL DEFAULT 0 CHECK (desconto_parcela BETWEEN 0 AND 10000),"
    " dias_desconto INTEGER NOT NULL DEFAULT 0 CHECK (dias_desconto BETWEEN 0 AND 65535),"
    " tipo_cobranca INTEGER NOT NULL DEFAULT 0 CHECK (tipo_cobranca IN (0, 1, 2)),"
    " parcelas_com_desconto INTEGER NOT NULL DEFAULT 0 CHECK (parcelas_com_desconto IN (0, 1)),"
    " juros_simples INTEGER NOT NULL DEFAULT 0 CHECK (juros_simples IN (0, 1)),"
    " simples_30_dias INTEGER NOT NULL DEFAULT 0 CHECK (simples_30_dias IN (0, 1)),"
    " numera_de_zero INTEGER NOT NULL DEFAULT 0 CHECK (numera_de_zero IN (0, 1)),"
    " entrada INTEGER NOT NULL DEFAULT 0 CHECK (entrada IN (0, 1)),"
    " juros_ultimo_prazo INTEGER NOT NULL DEFAULT 0 CHECK (juros_ultimo_prazo IN (0, 1)),"
    " segunda_seguinte INTEGER NOT NULL DEFAULT 0 CHECK (segunda_seguinte IN (0, 1)),"
    " PRIMARY KEY (empresa, codigo));"
    "CREATE TABLE condicao_pagamento_parcela (empresa TEXT NOT NULL COLLATE NOCASE, condicao INTEGER NOT NULL,"
    " ordem INTEGER NOT NULL CHECK (ordem BETWEEN 0 AND 254),"
    " percentual INTEGER NOT NULL CHECK (percentual BETWEEN 0 AND 10000),"
    " dias INTEGER NOT NULL CHECK (dias BETWEEN -32768 AND 32767), tipo INTEGER NOT NULL DEFAULT 0 CHECK (tipo BETWEEN 0 AND 255),"
    " PRIMARY KEY (empresa, condicao, ordem), FOREIGN KEY (empresa, condicao) REFERENCES condicao_pagamento (empresa, codigo));",
    // Version 18: the tax rules of the invoice calculation. Tables estado_icms (each state's
    // internal ICMS rate; the interstate rate follows the states' fiscal regions),
    // produto_icms (a product's own ICMS rule: imported goods, tax-situation codes, deferral,
    // special-regime exclusion), produto_icms_st (the ICMS-ST margin of a product per destination
    // state), ipi_classificacao (the IPI rate of a classification prefix and the document model),
    // situacao_tributaria (tax-situation texts by code), filial_produto (a product's amount and
    // flag in a branch), pis_cofins_produto (the PIS/COFINS rule of a product; product 0 is the
    // company's default) and pis_cofins_codigo (the code of a rule line, by CST and code); the
    // natures' tax incidences and PIS/COFINS situations, and the branch's municipality,
    // CST-adjustment mark and tax-situation option. Rates are hundredths of a percent, amounts
    // CURRENCY ticks (4 implied decimals).
    "CREATE TABLE estado_icms (empresa TEXT NOT NULL COLLATE NOCASE, sigla TEXT NOT NULL COLLATE NOCASE,"
    " aliquota_interna INTEGER NOT NULL CHECK (aliquota_interna BETWEEN 0 AND 10000), PRIMARY KEY (empresa, sigla));"
    "CREATE TABLE produto_icms (empresa TEXT NOT NULL COLLATE NOCASE, produto INTEGER NOT NULL,"
    " regra_propria INTEGER NOT NULL DEFAULT 0, importado INTEGER NOT NULL DEFAULT 0,"
    " situacao INTEGER NOT NULL DEFAULT 0, situacao_alternativa INTEGER NOT NULL DEFAULT 0,"
    " diferimento INTEGER NOT NULL DEFAULT 0, sem_regime_especial INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, produto));"
    "CREATE TABLE produto_icms_st (empresa TEXT NOT NULL COLLATE NOCASE, produto INTEGER NOT NULL,"
    " sigla TEXT NOT NULL COLLATE NOCASE, mva INTEGER NOT NULL CHECK (mva >= 0), PRIMARY KEY (empresa, produto, sigla));"
    "CREATE TABLE ipi_classificacao (empresa TEXT NOT NULL COLLATE NOCASE, prefixo TEXT NOT NULL,"
    " aliquota INTEGER NOT NULL CHECK (aliquota BETWEEN 0 AND 30000), modelo TEXT NOT NULL DEFAULT '55',"
    " PRIMARY KEY (empresa, prefixo));"
    "CREATE TABLE situacao_tributaria (empresa TEXT NOT NULL COLLATE NOCASE,"
    " codigo INTEGER NOT NULL CHECK (codigo BETWEEN 1 AND 65535), texto TEXT NOT NULL, PRIMARY KEY (empresa, codigo));"
    "CREATE TABLE filial_produto (empresa TEXT NOT NULL COLLATE NOCASE, filial INTEGER NOT NULL, produto INTEGER NOT NULL,"
    " valor INTEGER NOT NULL DEFAULT 0, flag INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (empresa, filial, produto));"
    "CREATE TABLE pis_cofins_produto (empresa TEXT NOT NULL COLLATE NOCASE, produto INTEGER NOT NULL,"
    " pis_cst1 INTEGER NOT NULL DEFAULT 0, pis_aliquota1 INTEGER NOT NULL DEFAULT 0,"
    " pis_cst2 INTEGER NOT NULL DEFAULT 0, pis_aliquota2 INTEGER NOT NULL DEFAULT 0,"
    " cofins_cst1 INTEGER NOT NULL DEFAULT 0, cofins_aliquota1 INTEGER NOT NULL DEFAULT 0,"
    " cofins_cst2 INTEGER NOT NULL DEFAULT 0, cofins_aliquota2 INTEGER NOT NULL DEFAULT 0,"
    " codigo INTEGER NOT NULL DEFAULT 0, codigo_byte INTEGER NOT NULL DEFAULT 0, flag INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, produto));"
    "CREATE TABLE pis_cofins_codigo (empresa TEXT NOT NULL COLLATE NOCASE, cst INTEGER NOT NULL, codigo INTEGER NOT NULL,"
    " resposta INTEGER NOT NULL, PRIMARY KEY (empresa, cst, codigo));"
    "ALTER TABLE natureza ADD COLUMN incide_icms INTEGER NOT NULL DEFAULT 1;"
    "ALTER TABLE natureza ADD COLUMN incide_ipi INTEGER NOT NULL DEFAULT 1;"
    "ALTER TABLE natureza ADD COLUMN incide_pis INTEGER NOT NULL DEFAULT 1;"
    "ALTER TABLE natureza ADD COLUMN incide_cofins INTEGER NOT NULL DEFAULT 1;"
    "ALTER TABLE natureza ADD COLUMN incide_icms_st INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE natureza ADD COLUMN flag_529 INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE natureza ADD COLUMN flag_530 INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE natureza ADD COLUMN flag_650 INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE natureza ADD COLUMN cst_pis INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE natureza ADD COLUMN cst_cofins INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE natureza ADD COLUMN codigo_pis_cofins INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE filial ADD COLUMN posicao_municipio INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE filial ADD COLUMN ajusta_cst INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE filial ADD COLUMN opcao_situacao INTEGER NOT NULL DEFAULT 0;",
    // Version 19: product information for a sale: columns of produto and table produto_item_preco. A product's
    // gross and net weights in kilograms (decimal texts) with their decimals codes (2 to 6: the
    // record keeps 1 to 5 decimals more), its packaging quantity (decimal text, 4 places), units
    // on a pallet, unit discount (hundredths of a percent point) and delivery days. A price item
    // is the reference price and largest discount (decimal texts, 8 places; the discount is a
    // percentage when desconto_percentual is 1) of a product in a price table for a grid-item
    // combination; an item 0 stands for every item of that grid.
    "ALTER TABLE produto ADD COLUMN peso_bruto TEXT NOT NULL DEFAULT '0';"
    "ALTER TABLE produto ADD COLUMN casas_peso_bruto INTEGER NOT NULL DEFAULT 0 CHECK (casas_peso_bruto BETWEEN 0 AND 255);"
    "ALTER TABLE produto ADD COLUMN peso_liquido TEXT NOT NULL DEFAULT '0';"
    "ALTER TABLE produto ADD COLUMN casas_peso_liquido INTEGER NOT NULL DEFAULT 0 CHECK (casas_peso_liquido BETWEEN 0 AND 255);"
    "ALTER TABLE produto ADD COLUMN embalagem TEXT NOT NULL DEFAULT '0';"
    "ALTER TABLE produto ADD COLUMN pallet INTEGER NOT NULL DEFAULT 0 CHECK (pallet BETWEEN 0 AND 4294967295);"
    "ALTER TABLE produto ADD COLUMN desconto_unitario INTEGER NOT NULL DEFAULT 0 CHECK (desconto_unitario BETWEEN 0 AND 65535);"
    "ALTER TABLE produto ADD COLUMN prazo_entrega INTEGER NOT NULL DEFAULT 0 CHECK (prazo_entrega BETWEEN 0 AND 65535);"
    "CREATE TABLE produto_item_preco (empresa TEXT NOT NULL COLLATE NOCASE, tabela INTEGER NOT NULL, produto INTEGER NOT NULL,"
    " item1 INTEGER NOT NULL DEFAULT 0, item2 INTEGER NOT NULL DEFAULT 0, item3 INTEGER NOT NULL DEFAULT 0,"
    " preco TEXT NOT NULL, desconto TEXT NOT NULL DEFAULT '0',"
    " desconto_percentual INTEGER NOT NULL DEFAULT 0 CHECK (desconto_percentual IN (0, 1)),"
    " PRIMARY KEY (empresa, tabela, produto, item1, item2, item3));",
    // Version 20: the orders server's tables pedido, pedido_item and pedido_parcela. An order's
    // position is its number: the month index of its issue day in bits 0-11 and its sequence in
    // that month above. The columns are what lists and reads look at (total and values as CURRENCY
    // units of 1/10,000; dates as day numbers; the status marks the server owns); `registro` keeps
    // the bytes the caller saved (pointer fields zeroed), so a read gives back what was saved. An
    // order seeded without bytes (an empty blob) is read from its columns alone. `entradas` and
    // `sub_entradas` keep the 32-byte entries hanging from the order and from an item.
    "CREATE TABLE pedido (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " mes INTEGER NOT NULL CHECK (mes BETWEEN 1 AND 4095), sequencia INTEGER NOT NULL CHECK (sequencia BETWEEN 1 AND 524287),"
    " representante INTEGER NOT NULL DEFAULT 0, cliente INTEGER NOT NULL DEFAULT 0, filial INTEGER NOT NULL DEFAULT 0,"
    " data_emissao INTEGER NOT NULL CHECK (data_emissao BETWEEN 0 AND 65535),"
    " data_entrega INTEGER NOT NULL DEFAULT 0 CHECK (data_entrega BETWEEN 0 AND 65535),"
    " total INTEGER NOT NULL DEFAULT 0, atendido INTEGER NOT NULL DEFAULT 0, cancelado INTEGER NOT NULL DEFAULT 0,"
    " faturado_parcial INTEGER NOT NULL DEFAULT 0, atendido_parcial INTEGER NOT NULL DEFAULT 0,"
    " faturado INTEGER NOT NULL DEFAULT 0, bloqueado INTEGER NOT NULL DEFAULT 0, em_analise INTEGER NOT NULL DEFAULT 0,"
    " sessao INTEGER NOT NULL DEFAULT 0, observacoes BLOB, entradas BLOB, registro BLOB NOT NULL DEFAULT x'',"
    " PRIMARY KEY (empresa, posicao), UNIQUE (empresa, mes, sequencia));"
    "CREATE TABLE pedido_item (empresa TEXT NOT NULL COLLATE NOCASE, pedido INTEGER NOT NULL, indice INTEGER NOT NULL,"
    " produto INTEGER NOT NULL DEFAULT 0, quantidade INTEGER NOT NULL DEFAULT 0, valor_unitario INTEGER NOT NULL DEFAULT 0,"
    " valor INTEGER NOT NULL DEFAULT 0, sub_entradas BLOB, registro BLOB NOT NULL DEFAULT x'',"
    " PRIMARY KEY (empresa, pedido, indice));"
    "CREATE TABLE pedido_parcela (empresa TEXT NOT NULL COLLATE NOCASE, pedido INTEGER NOT NULL, indice INTEGER NOT NULL,"
    " valor INTEGER NOT NULL DEFAULT 0, vencimento INTEGER NOT NULL DEFAULT 0, registro BLOB NOT NULL DEFAULT x'',"
    " PRIMARY KEY (empresa, pedido, indice));",
    // Version 21: columns of produto that the order library copies into an item's information:
    // the salesperson's commission (hundredths of a percent point), the stock's lower and upper
    // limits (units), the goods' origin (0 national, 1 imported directly, 2 bought imported), the
    // product family's code and the maker's reference.
    "ALTER TABLE produto ADD COLUMN comissao INTEGER NOT NULL DEFAULT 0 CHECK (comissao BETWEEN 0 AND 4294967295);"
    "ALTER TABLE produto ADD COLUMN estoque_minimo INTEGER NOT NULL DEFAULT 0 CHECK (estoque_minimo BETWEEN 0 AND 4294967295);"
    "ALTER TABLE produto ADD COLUMN estoque_maximo INTEGER NOT NULL DEFAULT 0 CHECK (estoque_maximo BETWEEN 0 AND 4294967295);"
    "ALTER TABLE produto ADD COLUMN origem INTEGER NOT NULL DEFAULT 0 CHECK (origem BETWEEN 0 AND 65535);"
    "ALTER TABLE produto ADD COLUMN familia INTEGER NOT NULL DEFAULT 0 CHECK (familia BETWEEN 0 AND 65535);"
    "ALTER TABLE produto ADD COLUMN referencia TEXT NOT NULL DEFAULT '';",
    // Version 22: payment conditions for listing, and table documento_pagamento. Columns of condicao_pagamento:
    // the code users type (codigo_texto; empty: the number), the last day of use (validade,
    // 'YYYY-MM-DD'; NULL: no limit), whether purchases may use it, and the two-letter
    // abbreviation of the one module it belongs to (empty: every module). documento_pagamento
    // holds the payment forms (tipo '3') and billing types (tipo '2'), each kind numbered from 1.
    "ALTER TABLE condicao_pagamento ADD COLUMN codigo_texto TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE condicao_pagamento ADD COLUMN validade TEXT CHECK (validade IS NULL OR date(validade) = validade);"
    "ALTER TABLE condicao_pagamento ADD COLUMN compras INTEGER NOT NULL DEFAULT 0 CHECK (compras BETWEEN 0 AND 255);"
    "ALTER TABLE condicao_pagamento ADD COLUMN modulo TEXT NOT NULL DEFAULT '' COLLATE NOCASE;"
    "CREATE TABLE documento_pagamento (empresa TEXT NOT NULL COLLATE NOCASE, tipo TEXT NOT NULL CHECK (tipo IN ('2', '3')),"
    " posicao INTEGER NOT NULL CHECK (posicao BETWEEN 1 AND 65535), codigo TEXT NOT NULL, nome TEXT NOT NULL,"
    " PRIMARY KEY (empresa, tipo, posicao));",
    // Version 23: the product position's documents: tables nota_fiscal and nota_fiscal_item (sales
    // invoices), compra and compra_item (purchases, an item may receive a purchase-order item),
    // ordem_compra and ordem_compra_item (purchase orders; tipo 1 is received through purchases),
    // cotacao and cotacao_item (purchase quotations). Keys are the documents' own numbers; dates
    // are "yyyy-mm-dd"; quantities and amounts are CURRENCY ticks (4 implied decimals); product
    // and grid items are register positions (item 0: none); suppliers and customers are chart
    // positions of the CFRT register. What purchases received of an order item is found by index.
    "CREATE TABLE nota_fiscal (empresa TEXT NOT NULL COLLATE NOCASE, chave INTEGER NOT NULL CHECK (chave > 0),"
    " numero INTEGER NOT NULL, filial INTEGER NOT NULL DEFAULT 0, cliente INTEGER NOT NULL DEFAULT 0,"
    " emissao TEXT NOT NULL, condicao INTEGER NOT NULL DEFAULT 0, frete INTEGER NOT NULL DEFAULT 0 CHECK (frete BETWEEN 0 AND 255),"
    " PRIMARY KEY (empresa, chave));"
    "CREATE TABLE nota_fiscal_item (empresa TEXT NOT NULL COLLATE NOCASE, nota INTEGER NOT NULL, ordem INTEGER NOT NULL,"
    " produto INTEGER NOT NULL, item1 INTEGER NOT NULL DEFAULT 0, item2 INTEGER NOT NULL DEFAULT 0,"
    " item3 INTEGER NOT NULL DEFAULT 0, quantidade INTEGER NOT NULL, valor_unitario INTEGER NOT NULL,"
    " valor_icms INTEGER NOT NULL DEFAULT 0, valor_ipi INTEGER NOT NULL DEFAULT 0, cfop TEXT NOT NULL DEFAULT '',"
    " casas_quantidade INTEGER NOT NULL DEFAULT 0, casas_valor INTEGER NOT NULL DEFAULT 2,"
    " PRIMARY KEY (empresa, nota, ordem), FOREIGN KEY (empresa, nota) REFERENCES nota_fiscal (empresa, chave));"
    "CREATE TABLE compra (empresa TEXT NOT NULL COLLATE NOCASE, chave INTEGER NOT NULL CHECK (chave > 0),"
    " filial INTEGER NOT NULL DEFAULT 0, fornecedor INTEGER NOT NULL DEFAULT 0, emissao TEXT NOT NULL, entrada TEXT NOT NULL,"
    " cancelada INTEGER NOT NULL DEFAULT 0 CHECK (cancelada IN (0, 1)), PRIMARY KEY (empresa, chave));"
    "CREATE TABLE compra_item (empresa TEXT NOT NULL COLLATE NOCASE, compra INTEGER NOT NULL, ordem INTEGER NOT NULL,"
    " produto INTEGER NOT NULL, item1 INTEGER NOT NULL DEFAULT 0, item2 INTEGER NOT NULL DEFAULT 0,"
    " item3 INTEGER NOT NULL DEFAULT 0, quantidade INTEGER NOT NULL, valor_unitario INTEGER NOT NULL,"
    " ordem_compra INTEGER NOT NULL DEFAULT 0, item_ordem INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, compra, ordem), FOREIGN KEY (empresa, compra) REFERENCES compra (empresa, chave));"
    "CREATE INDEX compra_item_ordem_compra ON compra_item (empresa, ordem_compra, item_ordem);"
    "CREATE TABLE ordem_compra (empresa TEXT NOT NULL COLLATE NOCASE, chave INTEGER NOT NULL CHECK (chave > 0),"
    " filial INTEGER NOT NULL DEFAULT 0, emissao TEXT NOT NULL, tipo INTEGER NOT NULL DEFAULT 0 CHECK (tipo BETWEEN 0 AND 255),"
    " cancelada INTEGER NOT NULL DEFAULT 0 CHECK (cancelada IN (0, 1)), PRIMARY KEY (empresa, chave));"
    "CREATE TABLE ordem_compra_item (empresa TEXT NOT NULL COLLATE NOCASE, ordem_compra INTEGER NOT NULL,"
    " ordem INTEGER NOT NULL, produto INTEGER NOT NULL, item1 INTEGER NOT NULL DEFAULT 0, item2 INTEGER NOT NULL DEFAULT 0,"
    " item3 INTEGER NOT NULL DEFAULT 0, quantidade INTEGER NOT NULL,"
    " cancelado INTEGER NOT NULL DEFAULT 0 CHECK (cancelado IN (0, 1)), encerrado INTEGER NOT NULL DEFAULT 0 CHECK (encerrado IN (0, 1)),"
    " PRIMARY KEY (empresa, ordem_compra, ordem), FOREIGN KEY (empresa, ordem_compra) REFERENCES ordem_compra (empresa, chave));"
    "CREATE TABLE cotacao (empresa TEXT NOT NULL COLLATE NOCASE, chave INTEGER NOT NULL CHECK (chave > 0),"
    " filial INTEGER NOT NULL DEFAULT 0, emissao TEXT NOT NULL,"
    " cancelada INTEGER NOT NULL DEFAULT 0 CHECK (cancelada IN (0, 1)), PRIMARY KEY (empresa, chave));"
    "CREATE TABLE cotacao_item (empresa TEXT NOT NULL COLLATE NOCASE, cotacao INTEGER NOT NULL, ordem INTEGER NOT NULL,"
    " tipo TEXT NOT NULL DEFAULT 'P', produto INTEGER NOT NULL, item1 INTEGER NOT NULL DEFAULT 0,"
    " item2 INTEGER NOT NULL DEFAULT 0, item3 INTEGER NOT NULL DEFAULT 0, quantidade INTEGER NOT NULL,"
    " PRIMARY KEY (empresa, cotacao, ordem), FOREIGN KEY (empresa, cotacao) REFERENCES cotacao (empresa, chave));",
    // Version 24 (visits, customer history): tables agendamento_visita, venda_cliente,
    // posicao_financeira and cheque_terceiro. Days are "yyyy-mm-dd" texts (empty: none), amounts
    // CURRENCY ticks. agendamento_visita: a representative's scheduled visits to customers
    // (situation 0 not done, 3 rescheduled). venda_cliente: a customer's documents (tipo 'P' order,
    // 'V' sale, 'D' return; one product each, with its grid items and quantity) from which the
    // invoices server builds the sales summary. posicao_financeira: a customer's financial
    // position as the master server answers it. cheque_terceiro: cheques received from customers
    // (situacao 5, 6, 7: returned).
    "CREATE TABLE agendamento_visita (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " representante INTEGER NOT NULL, cliente INTEGER NOT NULL, numero INTEGER NOT NULL,"
    " tipo_periodo INTEGER NOT NULL DEFAULT 0 CHECK (tipo_periodo BETWEEN 0 AND 65535), data TEXT NOT NULL,"
    " data_reagendada TEXT NOT NULL DEFAULT '', atendido_por TEXT NOT NULL DEFAULT '',"
    " obs_agendamento TEXT NOT NULL DEFAULT '', obs_visita TEXT NOT NULL DEFAULT '',"
    " situacao INTEGER NOT NULL DEFAULT 0 CHECK (situacao BETWEEN 0 AND 255),"
    " dia_util INTEGER NOT NULL DEFAULT 0 CHECK (dia_util BETWEEN 0 AND 255),"
    " recalcular INTEGER NOT NULL DEFAULT 0 CHECK (recalcular BETWEEN 0 AND 255),"
    " venda INTEGER NOT NULL DEFAULT 0 CHECK (venda BETWEEN 0 AND 255), valor_venda INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (empresa, posicao));"
    "CREATE TABLE venda_cliente (empresa TEXT NOT NULL COLLATE NOCASE, cliente INTEGER NOT NULL,"
    " tipo TEXT NOT NULL CHECK (tipo IN ('P', 'V', 'D')), numero INTEGER NOT NULL, documento TEXT NOT NULL DEFAULT '',"
    " filial INTEGER NOT NULL DEFAULT 0, data TEXT NOT NULL, data2 TEXT NOT NULL DEFAULT '',"
    " valor INTEGER NOT NULL DEFAULT 0, valor2 INTEGER NOT NULL DEFAULT 0, vendedor INTEGER NOT NULL DEFAULT 0,"
    " conta INTEGER NOT NULL DEFAULT 0, extra32 INTEGER NOT NULL DEFAULT 0, extra16 INTEGER NOT NULL DEFAULT 0,"
    " produto INTEGER NOT NULL DEFAULT 0, item1 INTEGER NOT NULL DEFAULT 0, item2 INTEGER NOT NULL DEFAULT 0,"
    " item3 INTEGER NOT NULL DEFAULT 0, quantidade INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (empresa, cliente, tipo, numero));"
    "CREATE TABLE posicao_financeira (empresa TEXT NOT NULL COLLATE NOCASE, cliente INTEGER NOT NULL,"
    " a_vencer INTEGER NOT NULL DEFAULT 0, vencido INTEGER NOT NULL DEFAULT 0, maior_atraso INTEGER NOT NULL DEFAULT 0,"
    " baixas_inadimplencia INTEGER NOT NULL DEFAULT 0, comprometido INTEGER NOT NULL DEFAULT 0,"
    " limite INTEGER NOT NULL DEFAULT 0, adiantamentos INTEGER NOT NULL DEFAULT 0,"
    " media_atraso INTEGER NOT NULL DEFAULT 0 CHECK (media_atraso BETWEEN 0 AND 65535),"
    " quantidade_baixas INTEGER NOT NULL DEFAULT 0 CHECK (quantidade_baixas BETWEEN 0 AND 65535),"
    " data_limite TEXT NOT NULL DEFAULT '', PRIMARY KEY (empresa, cliente));"
    "CREATE TABLE cheque_terceiro (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " cliente INTEGER NOT NULL, valor INTEGER NOT NULL, data TEXT NOT NULL,"
    " situacao INTEGER NOT NULL DEFAULT 0 CHECK (situacao BETWEEN 0 AND 255), PRIMARY KEY (empresa, posicao));",
    // Version 25: stock, tables local_armazenagem and estoque_saldo. A storage place has a code, a name, a
    // one-character type and the branch it is in (0: none in particular). A balance row is the stock of a product's grid-item combination (0: no
    // item of that grid) in one branch and storage place, of one stock kind (1 EP, 2 EPT, 3
    // ETPE): quantity, reserved and unavailable quantities (decimal texts, 4 places) and the
    // average cost (decimal text, 8 places).
    "CREATE TABLE local_armazenagem (empresa TEXT NOT NULL COLLATE NOCASE, posicao INTEGER NOT NULL CHECK (posicao > 0),"
    " codigo TEXT NOT NULL, nome TEXT NOT NULL, tipo TEXT NOT NULL DEFAULT 'D' CHECK (length(tipo) = 1),"
    " filial INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (empresa, posicao), UNIQUE (empresa, codigo));"
    "CREATE TABLE estoque_saldo (empresa TEXT NOT NULL COLLATE NOCASE, produto INTEGER NOT NULL,"
    " item1 INTEGER NOT NULL DEFAULT 0, item2 INTEGER NOT NULL DEFAULT 0, item3 INTEGER NOT NULL DEFAULT 0,"
    " filial INTEGER NOT NULL, local INTEGER NOT NULL, tipo INTEGER NOT NULL DEFAULT 1 CHECK (tipo IN (1, 2, 3)),"
    " quantidade TEXT NOT NULL DEFAULT '0', reservado TEXT NOT NULL DEFAULT '0', indisponivel TEXT NOT NULL DEFAULT '0',"
    " custo_medio TEXT NOT NULL DEFAULT '0',"
    " PRIMARY KEY (empresa, produto, item1, item2, item3, filial, local, tipo));",
    // Version 26: tables tabela_preco_condicao_vedada and produto_local_padrao. The first lists the
    // payment conditions (by number) a price table does not allow (servicos 1: a service table);
    // the second a product's default storage place in a branch.
    "CREATE TABLE tabela_preco_condicao_vedada (empresa TEXT NOT NULL COLLATE NOCASE,"
    " servicos INTEGER NOT NULL DEFAULT 0 CHECK (servicos IN (0, 1)), tabela INTEGER NOT NULL, condicao INTEGER NOT NULL,"
    " PRIMARY KEY (empresa, servicos, tabela, condicao));"
    "CREATE TABLE produto_local_padrao (empresa TEXT NOT NULL COLLATE NOCASE, produto INTEGER NOT NULL,"
    " filial INTEGER NOT NULL, local INTEGER NOT NULL, PRIMARY KEY (empresa, produto, filial));",
    // Version 27: quotations answered by suppliers. A quotation gets its last day for answers
    // (limite, "yyyy-mm-dd"; empty: none), its observation and delivery place; its items their
    // unit of measure and complement. cotacao_fornecedor: the suppliers asked, in the order of
    // the quotation's list (ordem from 0), each with its access key (a GUID in braces) and its
    // answer's header (dates "yyyy-mm-dd" or empty, freight in CURRENCY ticks, moeda the currency
    // symbol, empty for the local one). cotacao_resposta: a supplier's answer for an item (item:
    // the item's ordem; prices 8 implied decimals, total and rates CURRENCY ticks).
    // cotacao_resposta_parcela: the instalments of a supplier's answer. parametro_produto: the
    // product module's parameters of a company (usa_referencia: items are known by reference).
    "ALTER TABLE cotacao ADD COLUMN limite TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE cotacao ADD COLUMN observacao TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE cotacao ADD COLUMN local_entrega TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE cotacao_item ADD COLUMN unidade INTEGER NOT NULL DEFAULT 0 CHECK (unidade BETWEEN 0 AND 65535);"
    "ALTER TABLE cotacao_item ADD COLUMN complemento TEXT NOT NULL DEFAULT '';"
    "CREATE TABLE cotacao_fornecedor (empresa TEXT NOT NULL COLLATE NOCASE, cotacao INTEGER NOT NULL,"
    " ordem INTEGER NOT NULL CHECK (ordem BETWEEN 0 AND 65535), fornecedor INTEGER NOT NULL,"
    " chave TEXT NOT NULL COLLATE NOCASE UNIQUE, moeda TEXT NOT NULL DEFAULT '',"
    " condicao INTEGER NOT NULL DEFAULT 0 CHECK (condicao BETWEEN 0 AND 65535),"
    " prazo_entrega INTEGER NOT NULL DEFAULT 0 CHECK (prazo_entrega BETWEEN 0 AND 65535),"
    " data_entrega TEXT NOT NULL DEFAULT '', validade_proposta TEXT NOT NULL DEFAULT '',"
    " primeiro_vencimento TEXT NOT NULL DEFAULT '', tipo_periodo INTEGER NOT NULL DEFAULT 0 CHECK (tipo_periodo BETWEEN 0 AND 255),"
    " respondida INTEGER NOT NULL DEFAULT 0 CHECK (respondida IN (0, 1)), frete INTEGER NOT NULL DEFAULT 0,"
    " observacao TEXT NOT NULL DEFAULT '', PRIMARY KEY (empresa, cotacao, ordem), UNIQUE (empresa, cotacao, fornecedor),"
    " FOREIGN KEY (empresa, cotacao) REFERENCES cotacao (empresa, chave));"
    "CREATE TABLE cotacao_resposta (empresa TEXT NOT NULL COLLATE NOCASE, cotacao INTEGER NOT NULL,"
    " fornecedor INTEGER NOT NULL, item INTEGER NOT NULL, preco INTEGER NOT NULL DEFAULT 0,"
    " desconto INTEGER NOT NULL DEFAULT 0, total INTEGER NOT NULL DEFAULT 0, ipi INTEGER NOT NULL DEFAULT 0,"
    " icms INTEGER NOT NULL DEFAULT 0, observacao TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (empresa, cotacao, fornecedor, item));"
    "CREATE TABLE cotacao_resposta_parcela (empresa TEXT NOT NULL COLLATE NOCASE, cotacao INTEGER NOT NULL,"
    " fornecedor INTEGER NOT NULL, numero INTEGER NOT NULL CHECK (numero BETWEEN 0 AND 255), valor INTEGER NOT NULL,"
    " vencimento TEXT NOT NULL, tipo INTEGER NOT NULL DEFAULT 0 CHECK (tipo BETWEEN 0 AND 255),"
    " PRIMARY KEY (empresa, cotacao, fornecedor, numero));"
    "CREATE TABLE parametro_produto (empresa TEXT NOT NULL COLLATE NOCASE PRIMARY KEY,"
    " usa_referencia INTEGER NOT NULL DEFAULT 0 CHECK (usa_referencia BETWEEN 0 AND 255));",
};

int read_version(sqlite::connection& db) {
    auto query = db.prepare("SELECT version FROM schema_version");
    return query.step() ? query.column_int(0) : 0;
}

}  // namespace

std::span<const char* const> schema_steps() { return steps; }

int migrate(sqlite::connection& db, std::span<const char* const> steps) {
    db.exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL);"
            "INSERT INTO schema_version (version) SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM schema_version);");
    int version = read_version(db);
    if (version < 0 || static_cast<size_t>(version) > steps.size())
        com::fail("O banco de dados da instalação é de uma versão mais nova do programa (esquema " +
                      std::to_string(version) + ").",
                  E_FAIL);
    for (; static_cast<size_t>(version) < steps.size(); ++version) {
        db.exec("BEGIN IMMEDIATE");
        try {
            db.exec(steps[static_cast<size_t>(version)]);
            db.prepare("UPDATE schema_version SET version = ?").bind(1, version + 1).run();
            db.exec("COMMIT");
        } catch (...) {
            if (db.in_transaction()) db.exec("ROLLBACK");
            throw;
        }
    }
    return version;
}

store::store(sqlite::connection db) : m_db(std::move(db)) { registra_funcoes_senha(m_db); }

namespace {

bool has_tables(sqlite::connection& db) {
    auto query = db.prepare("SELECT 1 FROM sqlite_master WHERE type = 'table'");
    return query.step();
}

// A damaged file must not be used as if it were sound: its first complaint names the damage.
void check_integrity(sqlite::connection& db) {
    auto query = db.prepare("PRAGMA quick_check(1)");
    const std::string answer = query.step() ? query.column_text(0) : std::string("sem resposta");
    if (answer != "ok") com::fail("O banco de dados está danificado (" + answer + ").", E_FAIL);
}

}  // namespace

store store::open(const std::string& path_utf8) {
    store s{sqlite::connection(path_utf8, false)};
    check_integrity(s.m_db);
    if (!has_tables(s.m_db)) com::fail("O banco de dados está vazio: não foi escrito pela instalação.", E_FAIL);
    migrate(s.m_db, schema_steps());
    return s;
}

store store::create(const std::string& path_utf8) {
    store s{sqlite::connection(path_utf8, true)};
    if (has_tables(s.m_db)) com::fail("Já existe um banco de dados em " + com::utf8_to_ansi(path_utf8) + ".", E_FAIL);
    migrate(s.m_db, schema_steps());
    s.m_created = true;
    return s;
}

store store::in_memory() { return create(":memory:"); }

int store::schema_version() const { return read_version(m_db); }

void store::write(const std::function<void()>& work) {
    // A nested write becomes a savepoint, so that its failure undoes only its own part when the
    // caller catches it; the outermost one takes the write lock at once.
    const bool nested = m_db.in_transaction();
    m_db.exec(nested ? "SAVEPOINT inner_write" : "BEGIN IMMEDIATE");
    try {
        work();
        m_db.exec(nested ? "RELEASE inner_write" : "COMMIT");
    } catch (...) {
        try {
            // The database may already have rolled back on its own (e.g. after a full disk).
            if (m_db.in_transaction())
                m_db.exec(nested ? "ROLLBACK TO inner_write; RELEASE inner_write" : "ROLLBACK");
        } catch (...) {
        }
        throw;
    }
}

std::string store::info(std::string_view name) const {
    auto query = m_db.prepare("SELECT value FROM store_info WHERE name = ?");
    query.bind_text(1, name);
    return query.step() ? query.column_text(0) : std::string();
}

void store::set_info(std::string_view name, std::string_view value) {
    write([&] {
        m_db.prepare("INSERT OR REPLACE INTO store_info (name, value) VALUES (?, ?)")
            .bind_text(1, name)
            .bind_text(2, value)
            .run();
    });
}

}  // namespace inhouse
