#include "base/value_kernels.h"

#include "base/CQVCurrencyEx.h"
#include "base/CQVData.h"
#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"

namespace value_kernels {

namespace {

CQVCurrencyEx with_precision(int64_t raw, short casas, rounding modo) {
    CQVCurrencyEx v;
    v.SetModo(modo);
    v.SetCasasDecimais(casas);
    v = qv_cy(raw);
    return v;
}

}  // namespace

int64_t multiplica_normaliza(int64_t raw, int64_t fator, short casas, rounding modo) {
    CQVCurrencyEx v = with_precision(raw, casas, modo);
    v *= qv_cy(fator);
    return v.GetValor64();
}

int64_t multiplica_double_normaliza(int64_t raw, double fator, short casas, rounding modo) {
    CQVCurrencyEx v = with_precision(raw, casas, modo);
    v *= fator;
    return v.GetValor64();
}

int64_t divide_double_normaliza(int64_t raw, double divisor, short casas, rounding modo) {
    CQVCurrencyEx v = with_precision(raw, casas, modo);
    v /= divisor;
    return v.GetValor64();
}

int64_t le_texto_cy(const char* texto) { return QVConverteTextoCY(texto).int64; }

size_t formata_cy_milhar(int64_t raw, char* buffer, size_t size) {
    return QVFormataCYMilhar(qv_cy(raw), buffer, size);
}

uint32_t le_texto_data(const char* texto) {
    CQVData data;
    data.SetTexto(texto);
    return data.GetValor();
}

void formata_data(uint32_t numero, char* buffer, size_t size) {
    CQVData(numero).Formata(buffer, size, 1, '/', false);
}

uint16_t converte_texto_data(const char* texto) { return QVConverteTextoData(texto); }

}  // namespace value_kernels
