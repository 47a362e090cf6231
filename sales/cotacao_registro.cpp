#include "sales/cotacao_registro.h"

#include <objbase.h>

#include <cstring>
#include <new>

namespace sales {

namespace {

template <class T>
std::span<T> lista(uint32_t campo, uint16_t quantidade) noexcept {
    auto* p = static_cast<T*>(com::wire_pointer_get(campo));
    return p ? std::span<T>(p, quantidade) : std::span<T>();
}

}  // namespace

void registro_cotacao::libera_campo(uint32_t& campo) noexcept {
    if (void* p = com::wire_pointer_take(campo)) CoTaskMemFree(p);
    campo = 0;
}

HRESULT registro_cotacao::le(IQVCP_CotacaoFornecedor* servidor, uint32_t numero) {
    libera();
    const HRESULT hr = servidor->LeCotacao(numero, reinterpret_cast<BYTE*>(&m_registro));
    if (FAILED(hr)) m_registro = {};
    return hr;
}

void registro_cotacao::libera() noexcept {
    const uint32_t emprestado = m_emprestimo ? m_emprestimo->field() : 0;
    for (auto& i : itens()) {
        libera_campo(i.complemento);
        libera_campo(i.dados);
        for (auto& d : lista<inhouse::REG_DETALHE_ITEM_COTACAO>(i.detalhes, i.quantidade_detalhes)) libera_campo(d.dados);
        libera_campo(i.detalhes);
    }
    for (auto& c : cotados()) libera_campo(c.observacao);
    for (auto& f : fornecedores()) {
        libera_campo(f.nome);
        libera_campo(f.observacao);
        // The quotation object's own list is not the server's to free.
        if (emprestado == 0 || f.parcelas != emprestado) libera_campo(f.parcelas);
    }
    libera_campo(m_registro.itens);
    libera_campo(m_registro.cotados);
    libera_campo(m_registro.fornecedores);
    libera_campo(m_registro.observacao);
    libera_campo(m_registro.local_entrega);
    m_emprestimo.reset();
    m_registro = {};
}

std::span<REG_FORNECEDOR_COTACAO> registro_cotacao::fornecedores() const noexcept {
    return lista<REG_FORNECEDOR_COTACAO>(m_registro.fornecedores, m_registro.quantidade_fornecedores);
}

std::span<REG_ITEM_SOLICITADO_COTACAO> registro_cotacao::itens() const noexcept {
    return lista<REG_ITEM_SOLICITADO_COTACAO>(m_registro.itens, m_registro.quantidade_itens);
}

std::span<REG_ITEM_COTADO> registro_cotacao::cotados() const noexcept {
    return lista<REG_ITEM_COTADO>(m_registro.cotados, m_registro.quantidade_cotados);
}

void registro_cotacao::aponta_parcelas(REG_FORNECEDOR_COTACAO& fornecedor,
                                       const std::vector<tagREG_COTACAOITEMFATURAPS>& lista_parcelas) {
    auto novo = std::make_unique<com::wire_pointer_loan>(lista_parcelas.empty() ? nullptr : lista_parcelas.data());
    if (!m_emprestimo || fornecedor.parcelas != m_emprestimo->field()) libera_campo(fornecedor.parcelas);
    fornecedor.parcelas = novo->field();
    fornecedor.quantidade_parcelas = static_cast<uint16_t>(lista_parcelas.size());
    m_emprestimo = std::move(novo);
}

void registro_cotacao::troca_texto(uint16_t& tamanho, uint32_t& campo, std::string_view texto) {
    uint32_t novo = 0;
    if (!texto.empty()) {
        auto* p = static_cast<char*>(CoTaskMemAlloc(texto.size() + 1));
        if (!p) throw std::bad_alloc();
        std::memset(p, 0, texto.size() + 1);
        std::memcpy(p, texto.data(), texto.size());
        try {
            novo = com::wire_pointer_put(p);
        } catch (...) {
            CoTaskMemFree(p);
            throw;
        }
    }
    libera_campo(campo);
    campo = novo;
    tamanho = static_cast<uint16_t>(texto.empty() ? 0 : texto.size() + 1);
}

}  // namespace sales
