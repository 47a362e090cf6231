#pragma once
// One payment condition for a web page, read only (ProgID ZidizUvi.CondicaoPagamentoWeb): a copy
// of the condition's record. Made by the payment-condition list; one created by a client holds
// an empty condition.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/condicoes/registros_condicao.h"
#include "server/process/class_table.h"

namespace sales {

class CCondicaoPagamentoWeb final : public com::object<CCondicaoPagamentoWeb, ICondicaoPagamentoWeb> {
public:
    static constexpr com::class_info info = server::class_info_of(L"CondicaoPagamentoWeb", &CLSID_CondicaoPagamentoWeb);

    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Posicao(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ComprasPodeUsar(VARIANT_BOOL* pVal) noexcept override;

    void SetRegistro(const _REG_COND_PAGTOPS& registro) noexcept { m_registro = registro; }
    const _REG_COND_PAGTOPS& GetRegistro() const noexcept { return m_registro; }

private:
    ~CCondicaoPagamentoWeb() override = default;   // objects come only from com::make

    _REG_COND_PAGTOPS m_registro{};
};

}  // namespace sales
