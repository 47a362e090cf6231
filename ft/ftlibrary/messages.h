#pragma once
// The order library's texts (CP1252 in the binary). The library refuses with codes, not texts;
// these are what it writes to the event log in place of a question to a person.

#include <string>

namespace ft::msg {

inline constexpr char titulo_volumes[] = "Tavon Comercial";
// Filled with the calculated number of volumes and the order's number twice.
inline constexpr char pergunta_volumes[] =
    "A quantidade de volumes calculada(%s) é diferente da inserida pelo usuário(%s). Deseja manter o valor atual(%s)?";
inline constexpr char resposta_volumes[] = "Resposta: Não (sem interação; vale a quantidade calculada).";

// Failures of the due-date calculation, reported through the COM method that started it.
inline constexpr char vencimento_ano_invalido[] = "Data de vencimento inválida: ano anterior a 1900.";
inline constexpr char vencimento_dia_semana_invalido[] =
    "Regra de vencimento do cliente inválida: o dia da semana deve estar entre 1 (domingo) e 7 (sábado).";
inline constexpr char vencimento_dia_mes_invalido[] =
    "Regra de vencimento do cliente inválida: os dias do mês devem estar entre 1 e 31.";
inline constexpr char vencimento_calendario[] = "Não foi possível carregar o calendário de feriados da empresa.";
inline constexpr char vencimento_sem_dia_util[] = "Não há dia útil para o vencimento dentro do calendário.";
// A line of the PIS/COFINS rates file that is not applied, with its number.
inline std::string linha_pis_cofins_longa(int linha) {
    return "QVAliquotasPisCofins.txt: a linha " + std::to_string(linha) +
           " tem mais de 999 caracteres e foi ignorada.";
}
inline std::string linha_pis_cofins_invalida(int linha) {
    return "QVAliquotasPisCofins.txt: a linha " + std::to_string(linha) + " tem uma alíquota inválida e foi ignorada.";
}

}  // namespace ft::msg
