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

}  // namespace sales::msg
