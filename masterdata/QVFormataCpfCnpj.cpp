#include "masterdata/QVFormataCpfCnpj.h"

namespace masterdata {

namespace {
bool letra_ou_digito(char c) noexcept {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}
}  // namespace

std::string QVRetiraMascara(const std::string& texto) {
    std::string limpo;
    for (char c : texto)
        if (letra_ou_digito(c)) limpo += c;
    return limpo;
}

bool QVFormataCpfCnpj(std::string& texto, char tipo_pessoa) {
    const std::string t = QVRetiraMascara(texto);
    if (tipo_pessoa == 'F' && (t.size() == 11 || t.size() == 12)) {
        texto = t.substr(0, 3) + "." + t.substr(3, 3) + "." + t.substr(6, 3) + "-" + t.substr(9);
        return true;
    }
    if (tipo_pessoa == 'J' && (t.size() == 14 || t.size() == 15)) {
        texto = t.substr(0, 2) + "." + t.substr(2, 3) + "." + t.substr(5, 3) + "/" + t.substr(8, 4) + "-" + t.substr(12);
        return true;
    }
    return false;
}

}  // namespace masterdata
