#include "platform/inhouse/core/dia_iso.h"

#include <cstdio>

#include "base/QVDataCurta.h"

namespace inhouse {

std::string dia_iso(uint16_t dia) {
    if (dia == 0) return {};
    int d = 0, m = 0, a = 0;
    QVSeparaData(dia, d, m, a);
    char texto[16];
    std::snprintf(texto, sizeof texto, "%04d-%02d-%02d", a, m, d);
    return texto;
}

uint16_t iso_dia(const std::string& texto) {
    int a = 0, m = 0, d = 0;
    if (std::sscanf(texto.c_str(), "%d-%d-%d", &a, &m, &d) != 3) return 0;
    return QVMontaData(d, m, a);
}

}  // namespace inhouse
