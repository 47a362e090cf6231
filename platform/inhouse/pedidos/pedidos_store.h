#pragma once
// The orders server's data in the store (tables pedido, pedido_item, pedido_parcela): what the
// server's entries do, without COM. An order's position is its number (QVMontaChaveMesAno: the
// month index of its issue day in bits 0-11, its sequence in that month above), so a position
// read back in any later session names the same order.
#include <cstdint>
#include <string>
#include <vector>

#include "ft/ftlibrary/registros_pedido.h"
#include "platform/inhouse/core/store.h"
#include "platform/inhouse/pedidos/registros_pedidos.h"

namespace inhouse {

// Saves an order with the arrays its record points to (which stay the caller's) and answers its
// position. A record whose count announces an array that is not there is refused
// (com::failure QV_E_PEDIDO_INVALIDO); an order without an issue day is saved with today.
uint32_t grava_pedido(store& dados, const std::string& empresa, const REG_PEDIDO& pedido, int32_t sessao);

// The sequence the month's next order will carry: one more than the highest given (1 for a month
// without orders).
uint32_t proxima_sequencia(store& dados, const std::string& empresa, uint16_t mes);

// The positions of the orders whose issue day lies in the range (a final day 0 is open) and, for
// a representative other than 0, that the representative took; in number order.
std::vector<uint32_t> busca_pedidos(store& dados, const std::string& empresa, const REG_FAIXA_PEDIDOS& faixa,
                                    uint32_t representante);

// The order at a position as a task-memory record with task-memory arrays (freed by the caller:
// ft::libera_registro_pedido, then the record). Unknown position: com::failure QV_E_PEDIDO_DESCONHECIDO.
REG_PEDIDO* le_pedido(store& dados, const std::string& empresa, uint32_t posicao);

// The order at a position as the order list's record.
REG_LISTA_PEDIDO le_lista_pedido(store& dados, const std::string& empresa, uint32_t posicao);

// Writes the order-list report the request asks for (a plain text file) and answers its path.
std::string relatorio_pedidos(store& dados, const std::string& empresa, const REG_RELATORIO_PEDIDOS& pedido);

}  // namespace inhouse
