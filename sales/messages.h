#pragma once
// The sales and stock classes' texts, as clients read them (CP1252 in the binary).

namespace sales::msg {

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

}  // namespace sales::msg
