#pragma once
// The older road to the commercial reports (ProgID ZidizUvi.WebComercial): initialised with a
// root object, it hands back the order list, the commissions to pay or the commercial movements
// of a filter table as report text. Every method forwards to its worker, CComercial.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "sales/CComercial.h"
#include "server/process/class_table.h"

namespace sales {

class CWebComercial final : public com::object<CWebComercial, IWebComercial> {
public:
    static constexpr com::class_info info = server::class_info_of(L"WebComercial", &CLSID_WebComercial);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE GeraRelRelacaoPedidos(IQVHashTable* pIQVHashTable, BSTR* pbsDadosRel) noexcept override;
    HRESULT STDMETHODCALLTYPE GeraRelComissoesAPagar(IQVHashTable* pIQVHashTable, BSTR* pbsDadosRel) noexcept override;
    HRESULT STDMETHODCALLTYPE GeraRelMovimentos(IQVHashTable* pIQVHashTable, BSTR* pbsDadosRel) noexcept override;

private:
    ~CWebComercial() override = default;   // objects come only from com::make

    CComercial m_worker;
};

}  // namespace sales
