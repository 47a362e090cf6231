#include "platform/inhouse/opcomerciais/OpComerciaisServer.h"

#include <objbase.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/opcomerciais/registros_opcomerciais.h"

namespace inhouse {

namespace {

constexpr const char colunas[] = "SELECT posicao, codigo, descricao, indisponivel_web FROM operacao_comercial ";

_REG_DFSNTF_OPERACOES_COMERCIAIS_PS operacao_de(sqlite::statement& q) {
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    r.posicao = static_cast<uint16_t>(q.column_int(0));
    poe_campo(r.codigo, q.column_text(1));
    poe_campo(r.descricao, q.column_text(2));
    r.indisponivel_web = q.column_int(3);
    return r;
}

bool brasil(std::string pais) {
    for (char& c : pais)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return pais.empty() || pais == "brasil";
}

}  // namespace

HRESULT STDMETHODCALLTYPE OpComerciaisServer::Le(WORD posicao, LONG opcao, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    std::memset(registro, 0, sizeof(_REG_DFSNTF_OPERACOES_COMERCIAIS_PS));
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao) + " opcao=" + std::to_string(opcao));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas) + "WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!q.step()) return QV_E_OPERACAO_DESCONHECIDA;
    const auto r = operacao_de(q);
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE OpComerciaisServer::Existe(BSTR codigo, LONG* posicao, BYTE* registro) noexcept try {
    if (!posicao || !registro) return E_POINTER;
    *posicao = 0;
    std::memset(registro, 0, sizeof(_REG_DFSNTF_OPERACOES_COMERCIAIS_PS));
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("Existe", "codigo=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas) +
                             "WHERE empresa = ? COLLATE NOCASE AND codigo = ? ORDER BY posicao LIMIT 1");
    q.bind_text(1, m_empresa).bind_text(2, c);
    if (c.empty() || !q.step()) return S_OK;
    const auto r = operacao_de(q);
    std::memcpy(registro, &r, sizeof r);
    *posicao = r.posicao;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE OpComerciaisServer::Posicoes(BYTE tipo_nf, LONG* quantidade, DWORD** posicoes) noexcept try {
    if (!quantidade || !posicoes) return E_POINTER;
    *quantidade = 0;
    *posicoes = nullptr;
    if (HRESULT hr = faults().enter("Posicoes", "tipo_nf=" + std::to_string(tipo_nf)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT posicao FROM operacao_comercial WHERE empresa = ? COLLATE NOCASE AND tipo_nf = ?"
                             " ORDER BY posicao");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(tipo_nf));
    std::vector<DWORD> lidas;
    while (q.step()) lidas.push_back(static_cast<DWORD>(q.column_int(0)));
    if (lidas.empty()) return S_OK;
    auto* array = bloco_tarefa(lidas);
    if (!array) return E_OUTOFMEMORY;
    *posicoes = array;
    *quantidade = static_cast<LONG>(lidas.size());
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE OpComerciaisServer::TipoOperacao(LONG operacao, BSTR uf_filial, BSTR uf_cliente,
                                                           BSTR pais_cliente, BSTR produto, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    std::memset(resposta, 0, sizeof(_REG_DFSNTF_TIPOS_OPERACOES_PS));
    const std::string filial = com::from_bstr(uf_filial), cliente = com::from_bstr(uf_cliente),
                      pais = com::from_bstr(pais_cliente);
    if (HRESULT hr = faults().enter("TipoOperacao", "operacao=" + std::to_string(operacao) + " uf_filial=" + filial +
                                                        " uf_cliente=" + cliente + " pais=" + pais +
                                                        " produto=" + com::from_bstr(produto));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT entrada, cfop, icms_interno, icms_interestadual FROM operacao_comercial"
                             " WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(operacao));
    if (!q.step()) return QV_E_OPERACAO_DESCONHECIDA;
    const bool entrada = q.column_int(0) != 0;
    // 0: in the branch's state, 1: another state, 2: abroad.
    const int destino = !brasil(pais) ? 2 : (filial.empty() || cliente.empty() || filial == cliente) ? 0 : 1;
    _REG_DFSNTF_TIPOS_OPERACOES_PS r{};
    r.cfop = static_cast<uint16_t>(((entrada ? 1 : 5) + destino) * 1000 + q.column_int(1));
    r.icms = destino == 2 ? 0 : q.column_int(destino == 0 ? 2 : 3);
    std::memcpy(resposta, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
