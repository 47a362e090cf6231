#pragma once
// The order library's texts (CP1252 in the binary). The library refuses with codes, not texts;
// these are what it writes to the event log in place of a question to a person.

namespace ft::msg {

inline constexpr char titulo_volumes[] = "Tavon Comercial";
// Filled with the calculated number of volumes and the order's number twice.
inline constexpr char pergunta_volumes[] =
    "A quantidade de volumes calculada(%s) é diferente da inserida pelo usuário(%s). Deseja manter o valor atual(%s)?";
inline constexpr char resposta_volumes[] = "Resposta: Não (sem interação; vale a quantidade calculada).";

}  // namespace ft::msg
