#pragma once
// The hot operations of the value types as plain functions on raw numbers, for benchmarks and
// for callers that hold raw record fields. Each is exactly the class operation it names.
#include <cstddef>
#include <cstdint>

#include "base/rounding.h"

namespace value_kernels {

// CQVCurrencyEx with `casas` and `modo` holding raw, then *= factor (CURRENCY ticks).
int64_t multiplica_normaliza(int64_t raw, int64_t fator, short casas, rounding modo);
// The same with *= of a double (the exact decimal road).
int64_t multiplica_double_normaliza(int64_t raw, double fator, short casas, rounding modo);
// The same with /= of a double; 0 when the quotient fails.
int64_t divide_double_normaliza(int64_t raw, double divisor, short casas, rounding modo);
// QVConverteTextoCY.
int64_t le_texto_cy(const char* texto);
// QVFormataCYMilhar into a buffer; the length written.
size_t formata_cy_milhar(int64_t raw, char* buffer, size_t size);
// CQVData::SetTexto: the day number, 0 when the text is not a date.
uint32_t le_texto_data(const char* texto);
// CQVData::Formata code 1 ("dd/mm/yyyy") into a buffer of at least 11 bytes.
void formata_data(uint32_t numero, char* buffer, size_t size);
// QVConverteTextoData: the 16-bit day number.
uint16_t converte_texto_data(const char* texto);

}  // namespace value_kernels
