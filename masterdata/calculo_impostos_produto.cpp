#include "masterdata/calculo_impostos_produto.h"

#include "masterdata/messages.h"
#include "platform/com/failure.h"

namespace masterdata {

namespace {
fabrica_calculo_impostos g_fabrica = nullptr;
}  // namespace

fabrica_calculo_impostos registra_calculo_impostos_produto(fabrica_calculo_impostos fabrica) noexcept {
    const fabrica_calculo_impostos anterior = g_fabrica;
    g_fabrica = fabrica;
    return anterior;
}

std::unique_ptr<calculo_impostos_produto> novo_calculo_impostos_produto() {
    if (!g_fabrica) com::fail(msg::info_produto_calculo_impostos, E_NOTIMPL);
    auto calculo = g_fabrica();
    if (!calculo) com::fail(msg::info_produto_calculo_impostos, E_OUTOFMEMORY);
    return calculo;
}

}  // namespace masterdata
