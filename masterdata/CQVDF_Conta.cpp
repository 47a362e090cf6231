#include "masterdata/CQVDF_Conta.h"

#include "platform/com/out_param.h"
#include "platform/com/text.h"

namespace masterdata {

namespace {
HRESULT troca(std::string& membro, BSTR valor) noexcept try {
    membro = com::from_bstr(valor);
    return S_OK;
} catch (...) {
    return E_OUTOFMEMORY;
}
}  // namespace

HRESULT CQVDF_Conta::get_Posicao(LONG* pVal) noexcept { return com::put_number(pVal, m_lPosicao); }
HRESULT CQVDF_Conta::get_Nome(BSTR* pVal) noexcept { return com::put_text(pVal, m_sNome); }
HRESULT CQVDF_Conta::put_Nome(BSTR newVal) noexcept { return troca(m_sNome, newVal); }
HRESULT CQVDF_Conta::get_Classificacao(BSTR* pVal) noexcept { return com::put_text(pVal, m_sClassificacao); }
HRESULT CQVDF_Conta::put_Classificacao(BSTR newVal) noexcept { return troca(m_sClassificacao, newVal); }
HRESULT CQVDF_Conta::get_Tipo(BSTR* pVal) noexcept { return com::put_text(pVal, m_sTipo); }
HRESULT CQVDF_Conta::put_Tipo(BSTR newVal) noexcept { return troca(m_sTipo, newVal); }
HRESULT CQVDF_Conta::get_CodigoProprio(BSTR* pVal) noexcept { return com::put_text(pVal, m_sCodigoProprio); }
HRESULT CQVDF_Conta::put_CodigoProprio(BSTR newVal) noexcept { return troca(m_sCodigoProprio, newVal); }
HRESULT CQVDF_Conta::get_CpfCnpj(BSTR* pVal) noexcept { return com::put_text(pVal, m_sCpfCnpj); }
HRESULT CQVDF_Conta::put_CpfCnpj(BSTR newVal) noexcept { return troca(m_sCpfCnpj, newVal); }
HRESULT CQVDF_Conta::get_TipoCliente(BSTR* pVal) noexcept { return com::put_text(pVal, m_sTipoCliente); }
HRESULT CQVDF_Conta::put_TipoCliente(BSTR newVal) noexcept { return troca(m_sTipoCliente, newVal); }
HRESULT CQVDF_Conta::get_TipoFornecedor(BSTR* pVal) noexcept { return com::put_text(pVal, m_sTipoFornecedor); }
HRESULT CQVDF_Conta::put_TipoFornecedor(BSTR newVal) noexcept { return troca(m_sTipoFornecedor, newVal); }

}  // namespace masterdata
