#include "sales/mes_atual.h"

#include <cstdio>

#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"

namespace sales {

mes_atual le_mes_atual() {
    const SYSTEMTIME agora = GetCurrentTime_LocalTime();
    char texto[32];
    std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", agora.wDay, agora.wMonth, agora.wYear);
    mes_atual m;
    m.indice = QVConverteDataMesAno(QVConverteTextoData(texto));
    m.mes = agora.wMonth;
    m.ano = agora.wYear;
    return m;
}

std::string numero_pedido(int mes, int ano, uint32_t sequencia) {
    char texto[40];
    std::snprintf(texto, sizeof texto, "%02d%02d-%06lu", mes, ano % 100, static_cast<unsigned long>(sequencia));
    return texto;
}

}  // namespace sales
