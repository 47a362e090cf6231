#pragma once
// A decimal text taken to exactly `casas` decimals before it is read as money: extra decimals
// are cut (not rounded), missing ones are filled with zeros ("12" -> "12,00", "1,239" -> "1,23"
// for two places). The separator is the last ',' or a '.' standing after it.
#include <string>

namespace sales {

std::string normaliza_decimais(std::string texto, int casas);

}  // namespace sales
