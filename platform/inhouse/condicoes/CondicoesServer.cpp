#include "platform/inhouse/condicoes/CondicoesServer.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/com/text.h"
#include "platform/inhouse/condicoes/condicoes_store.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE CondicoesServer::Le(LONG posicao, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    std::memset(registro, 0, sizeof(_REG_COND_PAGTOPS));
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    _REG_COND_PAGTOPS r{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas;
    if (posicao <= 0 || posicao > 65535 || !le_condicao_pagamento(m_store, m_empresa, static_cast<uint16_t>(posicao), r, linhas))
        return QV_E_CONDICAO_DESCONHECIDA;
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CondicoesServer::Existe(BSTR codigo, WORD* posicao, BYTE* registro) noexcept try {
    if (!posicao || !registro) return E_POINTER;
    *posicao = 0;
    std::memset(registro, 0, sizeof(_REG_COND_PAGTOPS));
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("Existe", "codigo=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const uint16_t p = c.empty() ? 0 : posicao_condicao_pagamento(m_store, m_empresa, c);
    _REG_COND_PAGTOPS r{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas;
    if (p == 0 || !le_condicao_pagamento(m_store, m_empresa, p, r, linhas)) return S_OK;
    std::memcpy(registro, &r, sizeof r);
    *posicao = p;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CondicoesServer::Quantidade(WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("Quantidade"); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    *quantidade = quantidade_condicoes_pagamento(m_store, m_empresa);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CondicoesServer::LeParcelas(WORD chave, WORD quantidade, BYTE* linhas) noexcept try {
    if (!linhas && quantidade) return E_POINTER;
    if (quantidade) std::memset(linhas, 0, quantidade * sizeof(REG_LINHA_CONDICAO_PAGTO));
    if (HRESULT hr = faults().enter("LeParcelas", "chave=" + std::to_string(chave) + " quantidade=" + std::to_string(quantidade));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    _REG_COND_PAGTOPS r{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> lidas;
    if (!le_condicao_pagamento(m_store, m_empresa, chave, r, lidas)) return QV_E_CONDICAO_DESCONHECIDA;
    const size_t n = std::min<size_t>(quantidade, lidas.size());
    if (n) std::memcpy(linhas, lidas.data(), n * sizeof(REG_LINHA_CONDICAO_PAGTO));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CondicoesServer::BuscaPonteiros(WORD quantidade, LONG opcao, LONG modulo, WORD* lidos,
                                                          BYTE* registros) noexcept try {
    if (!lidos || (!registros && quantidade)) return E_POINTER;
    *lidos = 0;
    if (quantidade) std::memset(registros, 0, quantidade * sizeof(_REG_COND_PAGTOPS));
    if (HRESULT hr = faults().enter("BuscaPonteiros", "quantidade=" + std::to_string(quantidade) + " opcao=" +
                                                          std::to_string(opcao) + " modulo=" + std::to_string(modulo));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto lista = lista_condicoes_pagamento(m_store, m_empresa, modulo);
    const size_t n = std::min<size_t>(quantidade, lista.size());
    if (n) std::memcpy(registros, lista.data(), n * sizeof(_REG_COND_PAGTOPS));
    *lidos = static_cast<WORD>(n);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
