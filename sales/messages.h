#pragma once
// The sales classes' texts, as clients read them (CP1252 in the binary).

namespace sales::msg {

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

}  // namespace sales::msg

namespace sales::msg {

// The payment forms and billing types of an order page.
inline constexpr char ler_formas_pagamento[] = "Falha ao ler formas de pagamento.";
inline constexpr char ler_tipos_cobranca[] = "Falha ao ler tipos de cobrança.";
inline constexpr char posicao_documento_invalida[] = "Posição inválida.";

}  // namespace sales::msg
