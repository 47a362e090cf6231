#include "sales/normaliza_decimais.h"

#include <algorithm>

namespace sales {

std::string normaliza_decimais(std::string texto, int casas) {
    if (casas < 0) casas = 0;
    const size_t virgula = texto.rfind(',');
    const size_t ponto = texto.rfind('.');
    size_t separador = virgula;
    if (ponto != std::string::npos && (virgula == std::string::npos || ponto > virgula)) separador = ponto;
    if (separador == std::string::npos) {
        if (casas > 0) texto += "," + std::string(static_cast<size_t>(casas), '0');
        return texto;
    }
    const size_t d = texto.size() - separador - 1;
    const auto n = static_cast<size_t>(casas);
    if (d > n) texto.resize(separador + 1 + n);
    else texto.append(n - d, '0');
    return texto;
}

}  // namespace sales
