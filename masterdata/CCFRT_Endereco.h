#pragma once
// The address of a customer, supplier or representative: a property bag held by its person object
// (and creatable on its own).
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CCFRT_Endereco final : public com::object<CCFRT_Endereco, ICFRT_Endereco> {
public:
    static constexpr com::class_info info = server::class_info_of(L"CFRT_Endereco", &CLSID_CFRT_Endereco);

    HRESULT STDMETHODCALLTYPE get_Rua(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Rua(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Numero(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Numero(LONG newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Complemento(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Complemento(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Bairro(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Bairro(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CaixaPostal(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CaixaPostal(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CodigoMunicipio(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CodigoMunicipio(LONG newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CEP(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CEP(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Telefone(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Telefone(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DDD(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_DDD(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Email(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Email(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_UF(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_UF(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Contato(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Contato(BSTR newVal) noexcept override;

private:
    ~CCFRT_Endereco() override = default;   // objects come only from com::make

    std::string m_sRua, m_sComplemento, m_sBairro, m_sCaixaPostal, m_sCEP, m_sTelefone, m_sDDD, m_sEmail, m_sUF,
        m_sContato;
    LONG m_lNumero = 0;
    LONG m_lCodigoMunicipio = 0;
};

}  // namespace masterdata
