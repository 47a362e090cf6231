#include "masterdata/CCFRT_Endereco.h"

#include "masterdata/propriedade_cfrt.h"

namespace masterdata {

HRESULT CCFRT_Endereco::get_Rua(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sRua); }
HRESULT CCFRT_Endereco::put_Rua(BSTR newVal) noexcept { return cfrt::put(m_sRua, newVal); }
HRESULT CCFRT_Endereco::get_Numero(LONG* pVal) noexcept { return cfrt::get(pVal, m_lNumero); }
HRESULT CCFRT_Endereco::put_Numero(LONG newVal) noexcept {
    m_lNumero = newVal;
    return S_OK;
}
HRESULT CCFRT_Endereco::get_Complemento(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sComplemento); }
HRESULT CCFRT_Endereco::put_Complemento(BSTR newVal) noexcept { return cfrt::put(m_sComplemento, newVal); }
HRESULT CCFRT_Endereco::get_Bairro(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sBairro); }
HRESULT CCFRT_Endereco::put_Bairro(BSTR newVal) noexcept { return cfrt::put(m_sBairro, newVal); }
HRESULT CCFRT_Endereco::get_CaixaPostal(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sCaixaPostal); }
HRESULT CCFRT_Endereco::put_CaixaPostal(BSTR newVal) noexcept { return cfrt::put(m_sCaixaPostal, newVal); }
HRESULT CCFRT_Endereco::get_CodigoMunicipio(LONG* pVal) noexcept { return cfrt::get(pVal, m_lCodigoMunicipio); }
HRESULT CCFRT_Endereco::put_CodigoMunicipio(LONG newVal) noexcept {
    m_lCodigoMunicipio = newVal;
    return S_OK;
}
HRESULT CCFRT_Endereco::get_CEP(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sCEP); }
HRESULT CCFRT_Endereco::put_CEP(BSTR newVal) noexcept { return cfrt::put(m_sCEP, newVal); }
HRESULT CCFRT_Endereco::get_Telefone(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sTelefone); }
HRESULT CCFRT_Endereco::put_Telefone(BSTR newVal) noexcept { return cfrt::put(m_sTelefone, newVal); }
HRESULT CCFRT_Endereco::get_DDD(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sDDD); }
HRESULT CCFRT_Endereco::put_DDD(BSTR newVal) noexcept { return cfrt::put(m_sDDD, newVal); }
HRESULT CCFRT_Endereco::get_Email(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sEmail); }
HRESULT CCFRT_Endereco::put_Email(BSTR newVal) noexcept { return cfrt::put(m_sEmail, newVal); }
HRESULT CCFRT_Endereco::get_UF(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sUF); }
HRESULT CCFRT_Endereco::put_UF(BSTR newVal) noexcept { return cfrt::put(m_sUF, newVal); }
HRESULT CCFRT_Endereco::get_Contato(BSTR* pVal) noexcept { return cfrt::get(pVal, m_sContato); }
HRESULT CCFRT_Endereco::put_Contato(BSTR newVal) noexcept { return cfrt::put(m_sContato, newVal); }

}  // namespace masterdata
