#pragma once
// Hands the root object's factories the visit, quotation and customer-history classes they make.

namespace sales {

void registra_fabricas_visitas_historico();

}  // namespace sales
