#pragma once
// The texts of a customer or supplier as a web form sends them: the CPF/CNPJ check and mask, and
// the telephone typed as "(11) 3333-4444" split into the area code and the number.
#include <string>

namespace sales {

// Only the letters and digits of `texto`, in their order.
std::string QVRetiraMascara(const std::string& texto);

// A CPF (person kind 'F': 11 or 12 characters once cleaned) or a CNPJ ('J': 14 or 15) written
// back with its mask; any other kind or length: false and `texto` unchanged. No check digit is
// computed: letters that survive the cleaning count like digits.
bool QVFormataCpfCnpj2(std::string& texto, char tipo_pessoa);

// The two characters after the opening bracket and the nine from the sixth on; a shorter text
// gives shorter (possibly empty) parts.
struct telefone_web {
    std::string ddd;
    std::string numero;
};
telefone_web SeparaTelefone(const std::string& telefone);

}  // namespace sales
