#pragma once
// A 16-bit day number moved by whole days. A result the 16-bit field cannot hold (before
// 01/01/1848 or after 04/06/2027) is refused with com::failure (DISP_E_OVERFLOW), never wrapped.
#include <cstdint>

#include "base/CQVData.h"
#include "base/QVErroValor.h"

namespace ft {

inline uint16_t soma_dias(uint32_t data, int64_t dias) {
    const int64_t n = static_cast<int64_t>(data) + dias;
    if (n < CQVData::minimo || n > CQVData::maximo_curto) valores::falha_data(valores::texto_data_curta);
    return static_cast<uint16_t>(n);
}

}  // namespace ft
