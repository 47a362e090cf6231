#pragma once
// CPF and CNPJ texts as the CFRT register checks and formats them.
#include <string>

namespace masterdata {

// Only the letters and digits of `texto`.
std::string QVRetiraMascara(const std::string& texto);

// Checks the length of a CPF (person kind 'F': 11 or 12 characters) or CNPJ ('J': 14 or 15)
// once the mask is removed and writes it back formatted ("ddd.ddd.ddd-rest", "dd.ddd.ddd/dddd-rest").
// Any other kind or length: false and `texto` unchanged. Check digits are not verified: the
// register also holds numbers typed long ago.
bool QVFormataCpfCnpj(std::string& texto, char tipo_pessoa);

}  // namespace masterdata
