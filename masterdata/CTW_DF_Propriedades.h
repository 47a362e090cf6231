#pragma once
// Three questions about the logged-in company's setup that pages ask before they build forms:
// whether accounts are entered with own codes, and the first and last day of the accounting
// period. No state: each call asks its data server.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"

namespace masterdata {

class CTW_DF_Propriedades final : public com::object<CTW_DF_Propriedades, ITW_DF_Propriedades> {
public:
    HRESULT STDMETHODCALLTYPE GetUsaCodigoProprio(VARIANT_BOOL* pvbUsa) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPeriodoInicial(BSTR* pbsPeriodoInicial) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPeriodoFinal(BSTR* pbsPeriodoFinal) noexcept override;

private:
    ~CTW_DF_Propriedades() override = default;   // objects come only from com::make
};

}  // namespace masterdata
