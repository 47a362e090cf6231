#include "platform/inhouse/produtos/valores_produto.h"

#include <cstdio>

#include "base/CQVData.h"

namespace inhouse {

int64_t valor_decimal(const std::string& texto, int casas) {
    size_t i = 0;
    const bool negativo = !texto.empty() && texto[0] == '-';
    if (negativo) ++i;
    int64_t valor = 0;
    bool algarismo = false;
    for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i) {
        valor = valor * 10 + (texto[i] - '0');
        algarismo = true;
    }
    int escritas = 0;
    if (i < texto.size() && texto[i] == '.') {
        for (++i; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i) {
            algarismo = true;
            if (escritas < casas) {
                valor = valor * 10 + (texto[i] - '0');
                ++escritas;
            }
        }
    }
    if (!algarismo || i != texto.size()) return 0;
    for (; escritas < casas; ++escritas) valor *= 10;
    return negativo ? -valor : valor;
}

bool dia_curto(const std::string& texto, uint16_t& dia) {
    dia = 0;
    if (texto.empty()) return true;
    int ano = 0, mes = 0, d = 0;
    if (texto.size() != 10 || std::sscanf(texto.c_str(), "%4d-%2d-%2d", &ano, &mes, &d) != 3) return false;
    const uint32_t numero = qv_numero_dia(d, mes, ano);
    if (numero == 0 || numero > CQVData::maximo_curto) return false;
    dia = static_cast<uint16_t>(numero);
    return true;
}

}  // namespace inhouse
