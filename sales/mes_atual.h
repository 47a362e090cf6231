#pragma once
// Today's month as the orders server counts it, and the order number texts of a month.
#include <cstdint>
#include <string>

namespace sales {

struct mes_atual {
    uint16_t indice = 0;   // month index of today (clock of the base library, date override honoured)
    int mes = 0;
    int ano = 0;
};

// Today's date written as "dd/mm/yyyy" and read back as a day number and its month index.
mes_atual le_mes_atual();

// "mmyy-nnnnnn": the month, the year's last two digits and the sequence (all its digits when it has
// more than six).
std::string numero_pedido(int mes, int ano, uint32_t sequencia);

}  // namespace sales
