#include "sales/CTW_FT_FornecedorCliente.h"

#include "masterdata/CCFRT_Cliente.h"
#include "masterdata/CCFRT_Fornecedor.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace sales {

namespace {

// The BOOL answers of this interface carry VARIANT_TRUE, as script clients test them.
BOOL resposta(bool valor) noexcept { return valor ? VARIANT_TRUE : FALSE; }

template <class Itf>
void nova_pessoa(Itf& pessoa) {
    com::check(pessoa.put_TipoPessoa(com::to_bstr(std::string("F")).get()), "");
}

}  // namespace

com::com_ptr<ICFRT_Cliente> novo_cliente() {
    auto cliente = com::make<masterdata::CCFRT_Cliente>();
    nova_pessoa(*cliente.get());
    return com::com_ptr<ICFRT_Cliente>::attach(cliente.detach());
}

com::com_ptr<ICFRT_Fornecedor> novo_fornecedor() {
    auto fornecedor = com::make<masterdata::CCFRT_Fornecedor>();
    nova_pessoa(*fornecedor.get());
    return com::com_ptr<ICFRT_Fornecedor>::attach(fornecedor.detach());
}

void CTW_FT_FornecedorCliente::final_construct() {
    m_fornecedor = novo_fornecedor();
    m_cliente = novo_cliente();
}

CTW_FT_FornecedorCliente::~CTW_FT_FornecedorCliente() = default;

ICFRT_Pessoa& CTW_FT_FornecedorCliente::Atual() const {
    if (m_bFornecedor) return *m_fornecedor.get();
    return *m_cliente.get();
}

com::com_ptr<ICFRT_Endereco> CTW_FT_FornecedorCliente::EnderecoAtual() const {
    com::com_ptr<ICFRT_Endereco> endereco;
    com::check(Atual().get_Endereco(endereco.put()), "");
    return endereco;
}

// An empty value read back answers FALSE, as the state registration does: the page learns that
// the field is still missing.
template <class Itf>
bool CTW_FT_FornecedorCliente::PoeTexto(Itf& objeto, HRESULT (STDMETHODCALLTYPE Itf::*put)(BSTR),
                                        HRESULT (STDMETHODCALLTYPE Itf::*get)(BSTR*), BSTR valor) {
    com::check((objeto.*put)(valor), "");
    BSTR lido = nullptr;
    com::check((objeto.*get)(&lido), "");
    com::unique_bstr guarda(lido);
    return SysStringLen(lido) != 0;
}

HRESULT CTW_FT_FornecedorCliente::SetNome(BSTR bsNome, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = FALSE;
    *pvbExiste = resposta(PoeTexto(Atual(), &ICFRT_Pessoa::put_Nome, &ICFRT_Pessoa::get_Nome, bsNome));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetCpfCnpj(BSTR bsCnpjCpf, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = FALSE;
    *pvbExiste = resposta(PoeTexto(Atual(), &ICFRT_Pessoa::put_CNPJ_CPF, &ICFRT_Pessoa::get_CNPJ_CPF, bsCnpjCpf));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetEndereco(BSTR bsEndereco, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = FALSE;
    const auto endereco = EnderecoAtual();
    *pvbExiste = resposta(PoeTexto(*endereco.get(), &ICFRT_Endereco::put_Rua, &ICFRT_Endereco::get_Rua, bsEndereco));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetCodigoMunicipio(LONG lCodMunicipio, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = FALSE;
    const auto endereco = EnderecoAtual();
    com::check(endereco->put_CodigoMunicipio(lCodMunicipio), "");
    LONG lido = 0;
    com::check(endereco->get_CodigoMunicipio(&lido), "");
    *pvbExiste = resposta(lido != 0);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetCodigo(BSTR bsCodigo, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = FALSE;
    com::check(Atual().put_CodigoProprio(bsCodigo), "");
    *pvbExiste = resposta(true);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetClassificacao(BSTR bsClassificacao, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = FALSE;
    *pvbExiste = resposta(
        PoeTexto(Atual(), &ICFRT_Pessoa::put_Classificacao, &ICFRT_Pessoa::get_Classificacao, bsClassificacao));
    return S_OK;
} catch (...) {
    return report();
}

// Only VARIANT_TRUE, as its 16 bits, selects the supplier: 1 and every other value the customer.
HRESULT CTW_FT_FornecedorCliente::SetEhFornecedor(BOOL pVal) noexcept {
    m_bFornecedor = static_cast<USHORT>(pVal) == 0xFFFF;
    return S_OK;
}

HRESULT CTW_FT_FornecedorCliente::GetEhFornecedor(BOOL* pVal) noexcept {
    if (!pVal) return E_POINTER;
    *pVal = resposta(m_bFornecedor);
    return S_OK;
}

HRESULT CTW_FT_FornecedorCliente::GetFornecedor(ICFRT_Fornecedor** ppFornecedor) noexcept {
    return com::put_object(ppFornecedor, m_fornecedor);
}

HRESULT CTW_FT_FornecedorCliente::GetCliente(ICFRT_Cliente** ppCliente) noexcept {
    return com::put_object(ppCliente, m_cliente);
}

// The state registration goes to the object of the current mode: a customer's is not lost to the
// supplier.
HRESULT CTW_FT_FornecedorCliente::SetInscricaoEstadual(BSTR bsInscricao, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = FALSE;
    bool preenchida = false;
    if (m_bFornecedor)
        preenchida = PoeTexto(*m_fornecedor.get(), &ICFRT_Fornecedor::put_InscricaoEstadual,
                              &ICFRT_Fornecedor::get_InscricaoEstadual, bsInscricao);
    else
        preenchida = PoeTexto(*m_cliente.get(), &ICFRT_Cliente::put_InscricaoEstadual,
                              &ICFRT_Cliente::get_InscricaoEstadual, bsInscricao);
    *pvbExiste = resposta(preenchida);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetTipoPessoa(BSTR bsTipoPessoa) noexcept try {
    com::check(Atual().put_TipoPessoa(bsTipoPessoa), "");
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetNumero(LONG lNumero) noexcept try {
    com::check(EnderecoAtual()->put_Numero(lNumero), "");
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetComplemento(BSTR bsComplemento) noexcept try {
    com::check(EnderecoAtual()->put_Complemento(bsComplemento), "");
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetBairro(BSTR bsBairro) noexcept try {
    com::check(EnderecoAtual()->put_Bairro(bsBairro), "");
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetCep(BSTR bsCep) noexcept try {
    com::check(EnderecoAtual()->put_CEP(bsCep), "");
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetTelefone(BSTR bsTelefone) noexcept try {
    com::check(EnderecoAtual()->put_Telefone(bsTelefone), "");
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_FornecedorCliente::SetEmail(BSTR bsEmail) noexcept try {
    com::check(Atual().put_EmailPrincipal(bsEmail), "");
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales
