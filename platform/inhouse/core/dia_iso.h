#pragma once
// The store's dates ("yyyy-mm-dd", empty for none) and the records' 16-bit day numbers (0 for
// none): one conversion for every stand-in.
#include <cstdint>
#include <string>

namespace inhouse {

// "" for 0.
std::string dia_iso(uint16_t dia);
// 0 for "" or an unreadable text; a date the 16-bit field cannot hold throws com::failure.
uint16_t iso_dia(const std::string& texto);

}  // namespace inhouse
