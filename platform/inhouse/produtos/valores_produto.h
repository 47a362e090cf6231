#pragma once
// How the product register's texts become record fields: decimal prices and dates.
#include <cstdint>
#include <string>

namespace inhouse {

// "-1234.5678" as an integer with `casas` implied decimals (digits past them are cut); an
// unreadable text is 0.
int64_t valor_decimal(const std::string& texto, int casas);

// A "yyyy-mm-dd" date as a 16-bit day number: '' is 0 (no date). False for a date the field
// cannot hold or an unreadable text.
bool dia_curto(const std::string& texto, uint16_t& dia);

}  // namespace inhouse
