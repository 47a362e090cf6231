// The product server's payment conditions that a price table does not allow (entry 141).
#include <objbase.h>

#include <string>
#include <vector>

#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/produtos/ProdutoServer.h"
#include "platform/inhouse/produtos/registros_preco.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE ProdutoServer::CondicoesNaoPermitidas(LONG posicao, BYTE tipo, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    auto* r = reinterpret_cast<RESPOSTA_CONDICOES_VEDADAS*>(resposta);
    *r = {};
    if (HRESULT hr = faults().enter("CondicoesNaoPermitidas",
                                    "posicao=" + std::to_string(posicao) + " tipo=" + std::string(1, static_cast<char>(tipo)));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT condicao FROM tabela_preco_condicao_vedada"
                             " WHERE empresa = ?1 COLLATE NOCASE AND servicos = ?2 AND tabela = ?3 ORDER BY condicao");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(tipo == 'S' ? 1 : 0)).bind(3, static_cast<int64_t>(posicao));
    std::vector<ENTRADA_CONDICAO_VEDADA> vedadas;
    while (q.step()) vedadas.push_back({static_cast<uint32_t>(q.column_int64(0)), 0});
    if (vedadas.empty()) return S_OK;
    auto* bloco = bloco_tarefa(vedadas);
    if (!bloco) return E_OUTOFMEMORY;
    r->quantidade = static_cast<LONG>(vedadas.size());
    r->entradas = bloco;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
