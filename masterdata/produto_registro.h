#pragma once
// The product list's reading of a product record: its texts and the list's orders.
#include <string>
#include <vector>

#include "platform/inhouse/produtos/registros_produto.h"

namespace masterdata {

std::string CodigoProduto(const _REG_PRODUTOPS& p);
std::string NomeProduto(const _REG_PRODUTOPS& p);
std::string ClassificacaoProduto(const _REG_PRODUTOPS& p);
// The price with the record's own decimals, cut: "." groups, "," before the decimals.
std::string PrecoProduto(const _REG_PRODUTOPS& p);

// Sorts ascending by order 0 (the code's leading number, as atoi reads it), 1 (the name),
// 3 (the price) or any other (the classification); texts compare byte by byte.
void OrdenaProdutos(std::vector<_REG_PRODUTOPS>& produtos, unsigned ordem);

}  // namespace masterdata
