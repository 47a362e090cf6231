#pragma once
// What the customer, supplier and representative objects share: the properties of ICFRT_Pessoa
// over members, and the contained address, created with the object. The read-only values
// (status, status date, customer since, sales block) are set by the register when it fills the
// object from a record.
#include <cstdint>
#include <string>

#include "VAVEDERAZur.h"
#include "masterdata/CCFRT_Endereco.h"
#include "masterdata/propriedade_cfrt.h"
#include "platform/com/object.h"

namespace masterdata {

template <class Self, class Itf>
class CCFRT_Pessoa : public com::object<Self, Itf> {
public:
    void final_construct() { m_endereco = com::make<CCFRT_Endereco>(); }

    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sNome); }
    HRESULT STDMETHODCALLTYPE put_Nome(BSTR newVal) noexcept override { return cfrt::put(m_sNome, newVal); }
    HRESULT STDMETHODCALLTYPE get_Classificacao(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sClassificacao); }
    HRESULT STDMETHODCALLTYPE put_Classificacao(BSTR newVal) noexcept override { return cfrt::put(m_sClassificacao, newVal); }
    HRESULT STDMETHODCALLTYPE get_TipoPessoa(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sTipoPessoa); }
    HRESULT STDMETHODCALLTYPE put_TipoPessoa(BSTR newVal) noexcept override { return cfrt::put(m_sTipoPessoa, newVal); }
    HRESULT STDMETHODCALLTYPE get_CNPJ_CPF(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sCNPJ_CPF); }
    HRESULT STDMETHODCALLTYPE put_CNPJ_CPF(BSTR newVal) noexcept override { return cfrt::put(m_sCNPJ_CPF, newVal); }
    HRESULT STDMETHODCALLTYPE get_Endereco(ICFRT_Endereco** pVal) noexcept override {
        if (!pVal) return E_POINTER;
        *pVal = m_endereco.get();
        (*pVal)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_CodigoProprio(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sCodigoProprio); }
    HRESULT STDMETHODCALLTYPE put_CodigoProprio(BSTR newVal) noexcept override { return cfrt::put(m_sCodigoProprio, newVal); }
    HRESULT STDMETHODCALLTYPE get_TabelaDePrecosProdutos(LONG* pVal) noexcept override {
        return cfrt::get(pVal, m_lTabelaDePrecosProdutos);
    }
    HRESULT STDMETHODCALLTYPE put_TabelaDePrecosProdutos(LONG newVal) noexcept override {
        m_lTabelaDePrecosProdutos = newVal;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_TabelaDePrecosServicos(LONG* pVal) noexcept override {
        return cfrt::get(pVal, m_lTabelaDePrecosServicos);
    }
    HRESULT STDMETHODCALLTYPE put_TabelaDePrecosServicos(LONG newVal) noexcept override {
        m_lTabelaDePrecosServicos = newVal;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_EmailPrincipal(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sEmailPrincipal); }
    HRESULT STDMETHODCALLTYPE put_EmailPrincipal(BSTR newVal) noexcept override { return cfrt::put(m_sEmailPrincipal, newVal); }
    HRESULT STDMETHODCALLTYPE get_Porte(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sPorte); }
    HRESULT STDMETHODCALLTYPE put_Porte(BSTR newVal) noexcept override { return cfrt::put(m_sPorte, newVal); }
    HRESULT STDMETHODCALLTYPE get_Tipo(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sTipo); }
    HRESULT STDMETHODCALLTYPE put_Tipo(BSTR newVal) noexcept override { return cfrt::put(m_sTipo, newVal); }
    HRESULT STDMETHODCALLTYPE get_Regiao(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sRegiao); }
    HRESULT STDMETHODCALLTYPE put_Regiao(BSTR newVal) noexcept override { return cfrt::put(m_sRegiao, newVal); }
    HRESULT STDMETHODCALLTYPE get_ClienteDesde(BSTR* pVal) noexcept override { return cfrt::get_data(pVal, m_wClienteDesde); }
    HRESULT STDMETHODCALLTYPE get_Situacao(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sSituacao); }
    HRESULT STDMETHODCALLTYPE get_DataSituacao(BSTR* pVal) noexcept override { return cfrt::get_data(pVal, m_wDataSituacao); }
    HRESULT STDMETHODCALLTYPE get_VendaBloqueada(VARIANT_BOOL* pVal) noexcept override {
        return com::put_bool(pVal, m_bVendaBloqueada > 0);
    }

    // The register's access to the read-only values.
    void SetSituacao(bool ativo, uint16_t data) {
        m_sSituacao = ativo ? "Ativo" : "Inativo";
        m_wDataSituacao = data;
    }
    void SetClienteDesde(uint16_t dia) noexcept { m_wClienteDesde = dia; }
    void SetVendaBloqueada(uint8_t bloqueada) noexcept { m_bVendaBloqueada = bloqueada; }
    CCFRT_Endereco& Endereco() noexcept { return *m_endereco.get(); }

protected:
    ~CCFRT_Pessoa() override = default;

private:
    std::string m_sNome, m_sClassificacao, m_sTipoPessoa, m_sCNPJ_CPF, m_sCodigoProprio, m_sEmailPrincipal, m_sPorte,
        m_sTipo, m_sRegiao, m_sSituacao;
    LONG m_lTabelaDePrecosProdutos = 0;
    LONG m_lTabelaDePrecosServicos = 0;
    uint16_t m_wClienteDesde = 0;
    uint16_t m_wDataSituacao = 0;
    uint8_t m_bVendaBloqueada = 0;
    com::com_ptr<CCFRT_Endereco> m_endereco;
};

}  // namespace masterdata
