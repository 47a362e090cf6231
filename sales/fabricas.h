#pragma once
// Hands the root object's factories the sales classes they make.

namespace sales {

void registra_fabricas();

}  // namespace sales
