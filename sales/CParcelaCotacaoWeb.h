#pragma once
// One instalment of a supplier's plan (the quotation's GetParcelaRef): a view of the quotation's
// instalment list through a counted reference to the quotation, found by its index on every call.
// The running total is fixed when it is handed out.
#include <cstddef>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"

namespace sales {

class CCotacaoWeb;

class CParcelaCotacaoWeb final : public com::object<CParcelaCotacaoWeb, IParcelaCotacaoWeb> {
public:
    void SetReferencias(com::com_ptr<CCotacaoWeb> cotacao, size_t indice, CURRENCY acumulado) noexcept;

    HRESULT STDMETHODCALLTYPE get_NumeroParcela(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_NumeroParcela(SHORT newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorParcela(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_ValorParcela(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataParcela(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_DataParcela(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TipoVencimento(BYTE* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_TipoVencimento(BYTE newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorAcumulado(BSTR* pVal) noexcept override;

private:
    ~CParcelaCotacaoWeb() override;   // objects come only from com::make

    com::com_ptr<CCotacaoWeb> m_cotacao;
    size_t m_indice = 0;
    CURRENCY m_acumulado{};
};

}  // namespace sales
