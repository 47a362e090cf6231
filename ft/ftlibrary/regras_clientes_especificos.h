#pragma once
// Rules that a few customers' installations asked for, kept apart from the general ICMS rate
// choice. They are recognised by the commercial master's code the branch settings keep.
#include <cstdint>

namespace ft {

// Code 1452 on branch 2: the ICMS rate follows the states even for products with their own rule.
inline constexpr uint16_t codigo_mestre_estados_na_filial_2 = 1452;
inline constexpr uint16_t filial_estados_por_codigo_mestre = 2;
// Code 1024: products with their own rule keep the rule's rate inside the state and for
// customers that are not charged their own state's rate.
inline constexpr uint16_t codigo_mestre_regra_do_produto = 1024;

inline bool ignora_regra_propria_do_produto(uint16_t codigoMestre, uint16_t filial) noexcept {
    return codigoMestre == codigo_mestre_estados_na_filial_2 && filial == filial_estados_por_codigo_mestre;
}

inline bool aliquota_da_regra_do_produto(uint16_t codigoMestre) noexcept {
    return codigoMestre == codigo_mestre_regra_do_produto;
}

}  // namespace ft
