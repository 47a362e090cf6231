#pragma once
// The sales classes' texts, as clients read them (CP1252 in the binary).

namespace sales::msg {

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

}  // namespace sales::msg
