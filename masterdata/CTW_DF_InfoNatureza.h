#pragma once
// One operation nature (CFOP) of one branch, looked up by its code for an order page: its
// register pointer, its name and whether it integrates with finance. The look-up asks for the
// nature in force on 3 January 2003, the day the tax settings of the sale pages are read for.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/naturezas/registros_natureza.h"

namespace masterdata {

class CTW_DF_InfoNatureza final : public com::object<CTW_DF_InfoNatureza, ITW_DF_InfoNatureza> {
public:
    HRESULT STDMETHODCALLTYPE SetDados(BSTR bsCodigo, BSTR bsFilial, VARIANT_BOOL* pvbSucesso) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPonteiro(USHORT* pusPonteiro) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIntegraFinanceiro(VARIANT_BOOL* pvbIntegra) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;

private:
    ~CTW_DF_InfoNatureza() override = default;   // objects come only from com::make

    inhouse::REG_NATUREZA m_natureza{};
};

}  // namespace masterdata
