#pragma once
// Hands the root object's factories the master-data classes they make.

namespace masterdata {

void registra_fabricas();

}  // namespace masterdata
