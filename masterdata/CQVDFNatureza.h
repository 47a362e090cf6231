#pragma once
// The operation natures register for web clients (ProgID ZidizUvi.QVDFNatureza): set the filters,
// Inicializa from a root object, then read the natures by position with their masked CFOP codes.
// Every method forwards to its worker, CDFNatureza.
#include "VAVEDERAZur.h"
#include "masterdata/CDFNatureza.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDFNatureza final : public com::object<CQVDFNatureza, IQVDFNatureza> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVDFNatureza", &CLSID_QVDFNatureza);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa, short iModulo) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iFilial(short* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_m_iFilial(short newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iTipoNatureza(short* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_m_iTipoNatureza(short newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iModulo(short* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_m_iModulo(short newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE SetStatusTipoProduto() noexcept override;
    HRESULT STDMETHODCALLTYPE SetStatusTipoServico() noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iQuantidade(short* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_scodigo(short iPosicao, BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sNome(short iPosicao, BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_Filial(short iPosicao, short* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR sCodigo, unsigned short* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCodigo(unsigned short iPosicao, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE LeNome(unsigned short iPosicao, BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE TemIntegracaoFinanceiro(unsigned short iPosicao,
                                                      VARIANT_BOOL* pvbTemIntegracao) noexcept override;

    const CDFNatureza& worker() const noexcept { return m_worker; }

private:
    ~CQVDFNatureza() override = default;   // objects come only from com::make

    CDFNatureza m_worker;
};

}  // namespace masterdata
