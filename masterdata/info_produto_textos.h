#pragma once
// How a sales page's product figures become texts: tax rates and discounts kept in hundredths,
// weights in the record's own scale, the unit's number of decimals and the largest discount.
#include <windows.h>
#include <wtypes.h>

#include <cstdint>
#include <string>

#include "platform/inhouse/produtos/registros_preco.h"

namespace masterdata {

// "%d,%02d" of a value kept in hundredths: 1800 is "18,00", 5 is "0,05".
std::string TextoCentesimos(unsigned valor);
// A tax rate in hundredths that applies only when its flag is set: "0,00" otherwise.
std::string TextoAliquota(uint16_t aliquota, uint8_t aplica);
// A weight field (a CURRENCY with 1 to 5 decimals more for decimals codes 2 to 6) as a CURRENCY.
CURRENCY PesoEscalado(int64_t peso, uint8_t casas);
// The number of decimals of quantities in a unit, from its decimals code: 0 none, 1 two, else four.
USHORT CasasDecimaisUnidade(uint8_t codigo);
// The largest discount of a price item as an amount with 8 implied decimals: the item's own
// amount, or its percentage of the reference price.
int64_t DescontoMaximo(const _REG_ITENS_TABELA_PRECOPS& item);
// The largest discount as a percentage of the reference price with 2 decimals, cut: "0,00" for a
// reference price of 0.
std::string TextoDescontoMaximoPorcentagem(const _REG_ITENS_TABELA_PRECOPS& item);

}  // namespace masterdata
