#pragma once
// The registers an order names, looked up through the process-wide connection pool and server
// cache: each look-up answers the register position of a code (0 when the code names nothing).
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/produtos/registros_produto.h"

class CBufferCFRT;

namespace sales {

// The cache's customer and supplier accessor, started again when a failed call dropped its
// servers.
CBufferCFRT& buffer_cfrt();

// The customer account of a code in the company chart, with its whole register record; false
// when the chart has no such account.
bool le_cliente(const std::string& codigo, int32_t& posicao, QVCFRT& cliente);
// An account of the company chart (a carrier); 0 when missing.
int32_t posicao_conta(const std::string& codigo);
uint32_t posicao_operacao(const std::string& codigo);
// The nature in force on a day (a day number) for the branch.
uint16_t posicao_natureza(const std::string& codigo, uint16_t filial, uint16_t dia);
uint32_t posicao_tipo_cobranca(const std::string& codigo);
uint16_t posicao_condicao(const std::string& codigo);
// A byte of the commercial master's parameter record; false when the record could not be had.
bool parametro_comercial(size_t offset, BYTE& valor);

// A sales price table by code: false when there is none.
bool tabela_precos(const std::string& codigo, uint16_t& posicao);
// The product of a code priced in a table: false when there is none.
bool produto(const std::string& codigo, uint16_t tabela, int32_t& posicao, _REG_PRODUTOPS& registro);
// The item positions of the product's grids for the grid codes (upper-cased; 0 for a grid the
// product lacks or an unknown code). False when the product is unknown or a grid cannot be read.
bool itens_grade(const std::string& codigo, const std::string (&grades)[3], uint16_t tabela, uint16_t (&itens)[3]);
// The description of a grid item; empty when the product has no such grid or no item is given.
std::string descricao_item_grade(uint16_t grade, uint16_t item);

}  // namespace sales
