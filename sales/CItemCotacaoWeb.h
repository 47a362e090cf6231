#pragma once
// One quoted item of the answering supplier (the quotation's GetItemRef): a view of the
// quotation's record through a counted reference to the quotation, found by its asked item on
// every call; the product, service, grid and unit texts through the quotation's connections.
#include <cstdint>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"

namespace sales {

class CCotacaoWeb;

class CItemCotacaoWeb final : public com::object<CItemCotacaoWeb, IItemCotacaoWeb> {
public:
    // The quotation and the index of the asked item this supplier's answer is for.
    void SetReferencias(com::com_ptr<CCotacaoWeb> cotacao, uint16_t item) noexcept;

    HRESULT STDMETHODCALLTYPE get_DescricaoProduto(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QtdCotada(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_UnMedida(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PrecoUnitario(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DescontoUnitario(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_PrecoUnitario(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_DescontoUnitario(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_AliquotaIPI(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_AliquotaIPI(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_AliquotaICMS(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_AliquotaICMS(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Complemento(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Referencia(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_UsaReferencia(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Observacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Observacao(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_EhServico(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PrecoTotal(BSTR* pVal) noexcept override;

private:
    ~CItemCotacaoWeb() override;   // objects come only from com::make

    com::com_ptr<CCotacaoWeb> m_cotacao;
    uint16_t m_item = 0;
    // Set once the description of a service was read.
    uint8_t m_servico = 0;
};

}  // namespace sales
