#pragma once
// The sales classes' texts, as clients read them (CP1252 in the binary).

namespace sales::msg {

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
inline constexpr char ler_fornecedor[] = "Falha ao ler fornecedor.";
inline constexpr char carregar_condicao[] = "Falha ao carregar condição de pagamento.";
inline constexpr char carregar_local[] = "Falha ao carregar local de armazenagem.";

}  // namespace sales::msg
