#pragma once
// One account of the chart of accounts as an object: its texts and its position, read and written
// by the client; the chart classes make it from a record and save a new account from it.
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDF_Conta final : public com::object<CQVDF_Conta, IQVDF_Conta> {
public:
    // Clients create one to fill in a new account for GravaConta.
    static constexpr com::class_info info = server::class_info_of(L"QVDF_Conta", &CLSID_QVDF_Conta);

    HRESULT STDMETHODCALLTYPE get_Posicao(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Nome(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Classificacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Classificacao(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Tipo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Tipo(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CodigoProprio(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CodigoProprio(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CpfCnpj(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CpfCnpj(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TipoCliente(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_TipoCliente(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TipoFornecedor(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_TipoFornecedor(BSTR newVal) noexcept override;

    // For the classes of this server that fill or read an account.
    std::string m_sCodigoProprio;
    std::string m_sTipo = "A";
    std::string m_sClassificacao;
    std::string m_sNome;
    std::string m_sTipoCliente;
    std::string m_sTipoFornecedor;
    std::string m_sCpfCnpj;
    LONG m_lPosicao = 0;

private:
    ~CQVDF_Conta() override = default;   // objects come only from com::make
};

}  // namespace masterdata
