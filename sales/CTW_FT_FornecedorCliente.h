#pragma once
// A new supplier and a new customer filled field by field with plain method calls (root factory
// TW_FT_FornecedorCliente): a mode chooses which of the two the setters write to; the filled
// objects go to the registration object. Nothing is checked or saved here.
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"

namespace masterdata {
class CCFRT_Cliente;
class CCFRT_Fornecedor;
}  // namespace masterdata

namespace sales {

class CTW_FT_FornecedorCliente final : public com::object<CTW_FT_FornecedorCliente, ITW_FT_FornecedorCliente> {
public:
    void final_construct();

    HRESULT STDMETHODCALLTYPE SetNome(BSTR bsNome, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCpfCnpj(BSTR bsCnpjCpf, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetEndereco(BSTR bsEndereco, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCodigoMunicipio(LONG lCodMunicipio, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCodigo(BSTR bsCodigo, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetClassificacao(BSTR bsClassificacao, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetEhFornecedor(BOOL pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetEhFornecedor(BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetFornecedor(ICFRT_Fornecedor** ppFornecedor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCliente(ICFRT_Cliente** ppCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE SetInscricaoEstadual(BSTR bsInscricao, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTipoPessoa(BSTR bsTipoPessoa) noexcept override;
    HRESULT STDMETHODCALLTYPE SetNumero(LONG lNumero) noexcept override;
    HRESULT STDMETHODCALLTYPE SetComplemento(BSTR bsComplemento) noexcept override;
    HRESULT STDMETHODCALLTYPE SetBairro(BSTR bsBairro) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCep(BSTR bsCep) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTelefone(BSTR bsTelefone) noexcept override;
    HRESULT STDMETHODCALLTYPE SetEmail(BSTR bsEmail) noexcept override;

private:
    ~CTW_FT_FornecedorCliente() override;   // objects come only from com::make

    // The object the setters write to, and its address.
    ICFRT_Pessoa& Atual() const;
    com::com_ptr<ICFRT_Endereco> EnderecoAtual() const;
    // Puts a text property of the current object (or address) and answers whether the value read
    // back is not empty.
    template <class Itf>
    bool PoeTexto(Itf& objeto, HRESULT (STDMETHODCALLTYPE Itf::*put)(BSTR),
                  HRESULT (STDMETHODCALLTYPE Itf::*get)(BSTR*), BSTR valor);

    bool m_bFornecedor = true;
    com::com_ptr<ICFRT_Fornecedor> m_fornecedor;
    com::com_ptr<ICFRT_Cliente> m_cliente;
};

// A new customer or supplier as the sales side hands them out: empty, a natural person ("F").
com::com_ptr<ICFRT_Cliente> novo_cliente();
com::com_ptr<ICFRT_Fornecedor> novo_fornecedor();

}  // namespace sales
