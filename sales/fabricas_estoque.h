#pragma once
// Hands the root object's factories the stock classes they make.

namespace sales {

void registra_fabricas_estoque();

}  // namespace sales
