#pragma once
// The payment conditions list's builder of one condition for the older web order: the condition
// at a register position applied to a total from a base date, in a session. Null when the
// company has no condition there.
#include <windows.h>

#include <memory>
#include <string>

#include "ft/ftlibrary/CCondicaoPagamento.h"

namespace sales {

std::unique_ptr<CCondicaoPagamento> CriaCondicaoPagamento(const std::string& empresa, WORD usuario, LONG sessao,
                                                          uint16_t posicao, CURRENCY total, uint16_t dataBase);

}  // namespace sales
