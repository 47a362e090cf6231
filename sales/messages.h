#pragma once
// The sales and stock classes' texts, as clients read them (CP1252 in the binary).

namespace sales::msg {

// Order information.
inline constexpr char inicializar_comercial[] = "Erro ao inicializar conexão com o comercial.";
inline constexpr char numero_pedido[] = "Falha ao buscar o número do próximo pedido.";

// Order list.
inline constexpr char buscar_pedidos[] = "Falha ao buscar pedidos.";
inline constexpr char nenhum_pedido[] = "Nenhum pedido foi encontrado.";
inline constexpr char carregar_cliente[] = "Falha ao carregar cliente.";
inline constexpr char ler_pedido[] = "Falha ao ler pedido.";
inline constexpr char pedido_nao_selecionado[] = "Nenhum pedido foi selecionado.";

// Reports.
inline constexpr char gerar_relatorio[] = "Falha ao gerar relatório.";
inline constexpr char erro_gerar_relatorio[] = "Erro ao gerar relatório.";
inline constexpr char produto_ja_adicionado[] = "O produto informado já foi adicionado.";
inline constexpr char ler_mestre_comercial[] = "Falha ao ler registro mestre do Comercial.";
inline constexpr char inicializar_parametros_relatorio[] = "Falha ao inicializar interface de relatórios.";
inline constexpr char buscar_informacoes_relatorio[] = "Falha ao buscar informações do relatório.";

// The payment-condition list and its conditions.
inline constexpr char inicializar_condicoes[] = "Falha ao inicializar o servidor de Condições de Pagamento";
inline constexpr char quantidade_condicoes[] = "Falha ao ler quantidade de condições de pagamento";
inline constexpr char ler_condicoes[] = "Falha ao ler condições de pagamento";
inline constexpr char criar_condicao[] = "Falha ao criar uma condicao de pagamento";
// A list used before Inicializa or Inicializa2 would read through a connection with no session.
inline constexpr char condicoes_nao_inicializadas[] =
    "O objeto de condições de pagamento não foi inicializado (Inicializa ou Inicializa2).";
inline constexpr char data_validade_invalida[] = "Data de validade inválida.";

// The payment documents of an order page.
inline constexpr char instanciar_condicoes[] = "Falha ao instanciar servidor de condições de pagamento.";
inline constexpr char buscar_condicoes[] = "Erro ao buscar condições de pagamento.";

// The payment forms and billing types of an order page.
inline constexpr char ler_formas_pagamento[] = "Falha ao ler formas de pagamento.";
inline constexpr char ler_tipos_cobranca[] = "Falha ao ler tipos de cobrança.";
inline constexpr char posicao_documento_invalida[] = "Posição inválida.";

// The registration of a customer or supplier from a web form: the refusals of Gravar, which
// come back as result codes with the text as error information.
inline constexpr char classificacao_nao_informada[] = "Classificação não informada.";
inline constexpr char endereco_nao_informado[] = "Endereço não informado.";
inline constexpr char nome_nao_informado[] = "Nome não informado.";
inline constexpr char municipio_invalido[] = "Código do Município inválido.";
inline constexpr char cpf_cnpj_invalido[] = "CPF ou CNPJ inválido.";
inline constexpr char cpf_cnpj_existente[] = "CPF ou CNPJ existente.";
inline constexpr char codigo_proprio_nao_informado[] = "Código Próprio não informado.";
inline constexpr char codigo_proprio_existente[] = "Código Próprio já existente.";
inline constexpr char codigo_proprio_utilizado[] = "Código Próprio já utilizado.";
// Its failures: nothing to save, a register that cannot answer or save, a read that finds nothing.
inline constexpr char sem_cliente_fornecedor[] =
    "Nenhum cliente ou fornecedor foi informado: chame SetNovoCliente ou SetNovoFornecedor antes de Gravar.";
inline constexpr char ler_configuracoes_plano[] = "Falha ao ler as configurações do plano de contas.";
inline constexpr char consultar_cadastro[] = "Falha ao consultar o cadastro de clientes e fornecedores.";
inline constexpr char gravar_cliente[] = "Falha ao gravar cliente.";
inline constexpr char gravar_fornecedor[] = "Falha ao gravar fornecedor.";
inline constexpr char ler_cliente[] = "Falha ao ler cliente.";
inline constexpr char ler_fornecedor[] = "Falha ao ler fornecedor.";
inline constexpr char ler_categorias[] = "Falha ao ler as categorias de clientes.";

// The product position (root factory TW_FT_PosicaoProdutos).
inline constexpr char instanciar_posicao[] = "Falha ao instanciar posição de produtos.";
inline constexpr char carregar_unidade[] = "Falha ao carregar Unidade de medida.";
inline constexpr char carregar_saldo[] = "Falha ao carregar Saldo.";
inline constexpr char buscar_notas[] = "Falha ao buscar notas fiscais.";
inline constexpr char buscar_nota[] = "Falha ao buscar nota fiscal.";
inline constexpr char produto_zerado[] = "Falha produto não informado ou produto zerado.";
inline constexpr char itens_tabela_preco[] = "Falha ao carregar itens da tabela de preço.";
inline constexpr char dados_cotacao[] = "Falha ao carregar dados da nova cotação.";
inline constexpr char lista_cotacoes[] = "Falha ao carregar lista de cotações.";
// Failures that the position reports where older code went on silently.
inline constexpr char carregar_periodo[] = "Falha ao carregar período da filial.";
inline constexpr char carregar_produto[] = "Falha ao carregar produto.";
inline constexpr char carregar_item_grade[] = "Falha ao carregar item de grade.";
inline constexpr char carregar_descricao[] = "Falha ao carregar descrição do produto.";
inline constexpr char carregar_tabela_preco[] = "Falha ao carregar tabela de preço.";
inline constexpr char carregar_compras[] = "Falha ao carregar últimas compras.";
inline constexpr char carregar_ordens_compra[] = "Falha ao carregar ordens de compra.";
inline constexpr char carregar_condicao[] = "Falha ao carregar condição de pagamento.";
inline constexpr char carregar_local[] = "Falha ao carregar local de armazenagem.";

// Order entry.
inline constexpr char adicionar_item[] = "Erro ao adicionar Item ao Pedido.";
inline constexpr char item_ja_cadastrado[] = "O item informado já foi cadastrado.";
inline constexpr char gravar_pedido[] = "Erro ao gravar Pedido.";
// A second save without new data would store a second order with the header only.
inline constexpr char pedido_ja_gravado[] =
    "O pedido já foi gravado: informe os dados do pedido (SetDados) antes de gravá-lo novamente.";
inline constexpr char item_invalido[] = "Item do pedido inválido.";
inline constexpr char parcela_invalida[] = "Parcela inválida.";
inline constexpr char valor_fora_limite[] = "Valor fora dos limites.";
inline constexpr char dados_pedido[] = "Erro ao montar os dados do Pedido.";
inline constexpr char forma_pagamento_nenhum[] = "nenhum";
inline constexpr char forma_pagamento_nenhuma[] = "(Nenhuma)";

// What a refused change of an instalment tells, by the payment condition's code.
inline constexpr char valor_total_maior_zero[] = "Valor total deve ser maior que zero.";
inline constexpr char desconto_invalido[] = "Desconto inválido.";
inline constexpr char vencimento_repetido[] = "Já existe uma parcela com a mesma data de vencimento.";
inline constexpr char parcela_maior_venda[] = "Valor da parcela não pode ser maior que o valor de venda.";
inline constexpr char restante_insuficiente[] =
    "Valor restante será insuficiente para ser rateado entre as outras parcelas.";
inline constexpr char excluir_parcela[] = "Não é possível excluir esta parcela.";
inline constexpr char parcela_maior_zero[] = "Valor da parcela deve ser maior que zero.";
inline constexpr char vencimento_invalido[] = "Data de vencimento da parcela é inválida.";
inline constexpr char parcela_icms_st[] = "Valor da parcela de ICMS/ST não pode ser alterado.";
inline constexpr char alterar_parcela[] = "Erro ao alterar parcela.";

// The web order collection.
inline constexpr char pedidos_inicializar_produtos[] = "Falha ao inicializar o servidor de Produtos";
inline constexpr char pedidos_inicializar_grades[] = "Falha ao inicializar conexão de grades";
inline constexpr char pedidos_inicializar_cfrt[] = "Falha ao inicializar o servidor de CFRT";
inline constexpr char pedidos_criar_servidor[] = "Falha ao criar o servidor de pedidos";
inline constexpr char pedidos_inicializar_servidor[] = "Falha ao inicializar o servidor de pedidos";
inline constexpr char pedidos_inicializar_filiais[] = "Falha ao inicializar o servidor de filiais";
inline constexpr char pedidos_criar_pedido[] = "Falha ao criar um Pedido";
inline constexpr char pedidos_gravar[] = "Falhar ao gravar pedido";
inline constexpr char pedidos_ler[] = "Falhar ao ler pedidos";
inline constexpr char pedidos_criar_retorno[] = "Erro criando pedido para retornar";
inline constexpr char pedidos_criar_representante[] = "Falha ao criar um representante";
// Ours: a collection used before Inicializa, and a web order this server did not make.
inline constexpr char pedidos_nao_inicializado[] = "O objeto Pedidos não foi inicializado.";
inline constexpr char pedidos_pedido_estranho[] = "O pedido informado não foi criado por este servidor.";

// The web order.
inline constexpr char pedido_criar_item[] = "Falha ao criar um item";
inline constexpr char pedido_ler_item[] = "Falhar ao ler item do PedidoWeb";
// Ours: an order created by a client through its ProgID belongs to no collection.
inline constexpr char pedido_sem_dono[] =
    "Este pedido não pertence a uma coleção de pedidos: crie-o com Pedidos.NovoPedido.";
inline constexpr char pedido_ler_posicao[] = "Falha ao ler o pedido.";
inline constexpr char pedido_observacoes_longas[] = "Observações longas demais.";
inline constexpr char pedido_indice_invalido[] = "Posição inválida.";
inline constexpr char pedido_parcelas_demais[] = "Parcelas demais na condição de pagamento.";
inline constexpr char pedido_ler_formas[] = "Falha ao ler as formas de pagamento.";
inline constexpr char pedido_ler_tipos_cobranca[] = "Falha ao ler os tipos de cobrança.";

// The web order's item entry (kept as the order's last error).
inline constexpr char item_produto_nao_encontrado[] = "Produto não encontrado";
inline constexpr char item_grade_nao_encontrada[] = "Item da grade de produto não encontrado";
inline constexpr char item_produto_repetido[] = "Este produto já existe neste pedido";
inline constexpr char item_valor_unitario_invalido[] = "Valor unitário inválido ";
inline constexpr char item_quantidade_invalida[] = "Quantidade inválida";
inline constexpr char item_estoque_insuficiente[] = "Quantidade informada é maior que a disponível no estoque";
inline constexpr char item_desconto_invalido[] = "Desconto inválido";
inline constexpr char item_sem_item[] = "Item não informado";

// The web order item. Ours: an amount text longer than its field is refused, not cut.
inline constexpr char item_valor_longo[] = "Valor longo demais: no máximo 14 caracteres.";

// Visit scheduling.
inline constexpr char ler_agendamento_posicao[] = "Falha ao ler agendamento(posição inválida)";
inline constexpr char criar_agendamento_visita[] = "Falha ao criar obj de TW_FT_AgendamentoVisita";
inline constexpr char buscar_agendamentos[] = "Falha ao buscar agendamentos de visitas.";
inline constexpr char ler_agendamento[] = "Falha ao ler agendamento de visita.";
inline constexpr char gravar_agendamento[] = "Falha ao gravar agendamento de visita.";
inline constexpr char servidor_agendamentos[] = "Falha ao instanciar agendamentos de visitas.";
inline constexpr char posicao_agendamento[] = "Posição de agendamento inválida.";
inline constexpr char data_invalida[] = "Data inválida.";

// Customer history.
inline constexpr char carregar_conta[] = "Falha ao carregar conta.";
inline constexpr char resumo_vendas[] = "Falha ao ler resumo de vendas do cliente.";
inline constexpr char posicao_financeira[] = "Falha ao ler posição financeira do cliente.";
inline constexpr char cheques_terceiros[] = "Falha ao ler cheques de terceiros do cliente.";

// Stock balances of a product (TW_ES_SaldoTotal).
inline constexpr char buscar_saldos[] = "Falha ao buscar saldos dos produtos";
inline constexpr char buscar_registro_produto[] = "Falha ao buscar registro de produto.";
inline constexpr char buscar_descricao_produto[] = "Falha ao buscar descricao de produto.";
inline constexpr char buscar_grade_produto[] = "Falha ao buscar grade de produto.";
inline constexpr char buscar_preco_produto[] = "Falha ao buscar preco de produto.";

// Storage places (QVLocaisArmazenagemWeb).
inline constexpr char instanciar_servidor_locais[] = "Falha ao instanciar o servidor de locais de armazenagem";
inline constexpr char criar_local[] = "Falha ao criar um Local de Armazenagem";
inline constexpr char ler_local[] = "Falha ao ler local de armazenagem do servidor";

// The web catalogue (Produtos) and its price tables, grids and products.
inline constexpr char inicializar_produtos[] = "Falha ao inicializar o servidor de Produtos";
inline constexpr char inicializar_grades[] = "Falha ao inicializar a conexão de grades";
inline constexpr char criar_produto[] = "Falha ao criar um produto";
inline constexpr char criar_servico[] = "Falha ao criar um serviço";
inline constexpr char ler_produto[] = "Falha ao ler produto";
inline constexpr char ler_servico[] = "Falha ao ler serviço";
inline constexpr char produtos_nao_inicializado[] = "O catálogo de produtos não foi inicializado";
inline constexpr char posicao_fora_lista[] = "Posição fora da lista";
inline constexpr char buscar_tabelas_preco[] = "Falha ao buscar tabelas de preço";
inline constexpr char ler_tabela_preco[] = "Falha ao ler tabela de preço";
inline constexpr char criar_grade[] = "Falha ao criar grade de produtos";
inline constexpr char ler_grade[] = "Falha ao ler grade";
inline constexpr char criar_item_grade[] = "Falha ao criar item de grade de produtos";
inline constexpr char ler_item_grade[] = "Falha ao ler item de grade";
inline constexpr char criar_lista_itens_grade[] = "Falha ao criar lista de itens de grade de produtos";

// A supplier's purchase quotation (CotacaoWeb) and its items and instalments.
inline constexpr char criar_servidor_cotacoes[] = "Falha ao criar servidor de cotações";
inline constexpr char validar_chave_cotacao[] = "Falha ao validar senha de acesso";
inline constexpr char inicializar_conexao_produtos[] = "Erro ao inicializar conexão de produtos";
inline constexpr char inicializar_conexao_grades[] = "Erro ao inicializar conexão de grades";
inline constexpr char inicializar_servidor_cotacoes[] = "Erro ao inicializar servidor de cotações";
inline constexpr char ler_cotacao[] = "Erro ao ler cotação";
inline constexpr char carregar_cotforn[] = "Erro carregar a dll cotforn.dll";
inline constexpr char endereco_funcao_cotforn[] = "Erro carregar o endereço da funcao ";   // + the entry's name
inline constexpr char inicializar_cotforn[] = "Erro ao inicializar a dll compras";
inline constexpr char finalizar_cotacao[] = "Falha ao finalizar cotação";
// Our own: a quotation used before its start, an item or instalment object whose record went
// with a rebuild, a value the instalment cannot take, a register read that failed.
inline constexpr char cotacao_nao_inicializada[] = "A cotação não foi inicializada.";
inline constexpr char item_cotacao_inexistente[] = "O item não existe mais.";
inline constexpr char parcela_inexistente[] = "A parcela não existe mais.";
inline constexpr char valor_parcela_invalido[] = "Valor da parcela inválido.";
inline constexpr char ler_cadastro_item_cotacao[] = "Erro ao ler o cadastro do item.";

}  // namespace sales::msg
