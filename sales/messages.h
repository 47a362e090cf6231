#pragma once
// The sales classes' texts, as clients read them (CP1252 in the binary).

namespace sales::msg {

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

}  // namespace sales::msg
