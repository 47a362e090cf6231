#pragma once
// Hands the root object's factories the sales and stock classes they make.

namespace sales {

void registra_fabricas();

}  // namespace sales
