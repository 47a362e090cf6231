#pragma once
// A customer of the CFRT register between the server and a web client: the person's properties,
// the state registration, the representative and, read-only, the payment fields, the freight
// letter and the carrier's own code.
#include "masterdata/CCFRT_Pessoa.h"
#include "server/process/class_table.h"

namespace masterdata {

class CCFRT_Cliente final : public CCFRT_Pessoa<CCFRT_Cliente, ICFRT_Cliente> {
public:
    static constexpr com::class_info info = server::class_info_of(L"CFRT_Cliente", &CLSID_CFRT_Cliente);

    HRESULT STDMETHODCALLTYPE get_InscricaoEstadual(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sInscricaoEstadual); }
    HRESULT STDMETHODCALLTYPE put_InscricaoEstadual(BSTR newVal) noexcept override {
        return cfrt::put(m_sInscricaoEstadual, newVal);
    }
    HRESULT STDMETHODCALLTYPE get_Representante(LONG* pVal) noexcept override { return cfrt::get(pVal, m_lRepresentante); }
    HRESULT STDMETHODCALLTYPE put_Representante(LONG newVal) noexcept override {
        m_lRepresentante = newVal;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_CondicaoPagamento(USHORT* pVal) noexcept override { return cfrt::get(pVal, m_wCondicaoPagamento); }
    HRESULT STDMETHODCALLTYPE get_FormaPagamento(USHORT* pVal) noexcept override { return cfrt::get(pVal, m_wFormaPagamento); }
    HRESULT STDMETHODCALLTYPE get_TipoCobranca(USHORT* pVal) noexcept override { return cfrt::get(pVal, m_wTipoCobranca); }
    HRESULT STDMETHODCALLTYPE get_FretePorConta(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Transportadora(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sTransportadora); }

    // The register's access to the read-only values.
    void SetPagamento(USHORT condicao, USHORT forma, USHORT cobranca) noexcept {
        m_wCondicaoPagamento = condicao;
        m_wFormaPagamento = forma;
        m_wTipoCobranca = cobranca;
    }
    void SetFretePorConta(uint8_t frete) noexcept { m_cFretePorConta = frete; }
    void SetTransportadora(std::string codigo) { m_sTransportadora = std::move(codigo); }

private:
    ~CCFRT_Cliente() override = default;   // objects come only from com::make

    std::string m_sInscricaoEstadual, m_sTransportadora;
    LONG m_lRepresentante = 0;
    USHORT m_wCondicaoPagamento = 0, m_wFormaPagamento = 0, m_wTipoCobranca = 0;
    uint8_t m_cFretePorConta = 0;
};

}  // namespace masterdata
