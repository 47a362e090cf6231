#pragma once
// Hands the root object's factories the sales and stock classes they make (at the process's start).
#include <map>
#include <string>

#include "sales/CTW_FT_PosicaoProdutos.h"

namespace sales {

void registra_fabricas();

// The product position's filter from the client's table (upper-case keys; a missing key is empty).
filtro_posicao LeFiltroPosicao(const std::map<std::string, std::string>& filtro);

}  // namespace sales
