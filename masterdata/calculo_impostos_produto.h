#pragma once
// The taxes of one product sold by a branch to a customer, as the order library's invoice tax
// calculation works them out. The order library sits above master data, so it puts its
// calculation in place when the server starts (registra_calculo_impostos_produto); the product
// information object makes one for itself and keeps it as long as it lives.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/login/registros_filial.h"

namespace masterdata {

// The rates of a product in hundredths of a percent point, and whether ICMS and IPI are charged.
struct aliquotas_produto {
    uint16_t icms = 0;
    uint16_t ipi = 0;
    uint16_t icms_st = 0;
    uint8_t calcula_icms = 0;
    uint8_t calcula_ipi = 0;
};

class calculo_impostos_produto {
public:
    virtual ~calculo_impostos_produto() = default;
    // Each step answers S_OK or the failure of the step.
    virtual HRESULT Inicializa(const std::string& empresa, WORD usuario, long sessao) = 0;
    // `segundo_codigo`: the 32-bit value at byte 274 of the commercial master record.
    virtual HRESULT SetFilial(WORD posicao, uint32_t segundo_codigo, const inhouse::REG_FILIAL& filial) = 0;
    virtual HRESULT SetCliente(const QVCFRT& cliente) = 0;
    // `produto`: the product record's own pointer (byte 104); `dia`: the day the rules are read for.
    virtual HRESULT CalculaProduto(uint32_t produto, WORD dia, aliquotas_produto& aliquotas) = 0;
};

using fabrica_calculo_impostos = std::unique_ptr<calculo_impostos_produto> (*)();

// Puts a calculation in place and answers the one it replaced (null: none yet).
fabrica_calculo_impostos registra_calculo_impostos_produto(fabrica_calculo_impostos fabrica) noexcept;
// A new calculation; a failure (E_NOTIMPL) when none was put in place.
std::unique_ptr<calculo_impostos_produto> novo_calculo_impostos_produto();

}  // namespace masterdata
