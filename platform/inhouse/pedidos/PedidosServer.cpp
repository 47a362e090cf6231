#include "platform/inhouse/pedidos/PedidosServer.h"

#include <cstring>
#include <string>

#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/pedidos/pedidos_store.h"

namespace inhouse {

namespace {

template <class T, class Block>
T como(const Block& bloco) {
    static_assert(sizeof(T) == sizeof(Block));
    T r;
    std::memcpy(&r, &bloco, sizeof r);
    return r;
}

}  // namespace

HRESULT STDMETHODCALLTYPE PedidosServer::Inicializa(QV_SESSAO_40 sessao) noexcept try {
    if (HRESULT hr = faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao)); hr != S_OK) return hr;
    m_empresa = empresa_sessao(sessao);
    m_saida_quantidade = sessao.dados[pedidos_marca_quantidade] == 1;
    m_inicializado = true;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::Grava(LONG zero, QV_PEDIDO_2208 pedido, LONG sessao, LONG* saida) noexcept try {
    if (!saida) return E_POINTER;
    *saida = 0;
    const auto r = como<REG_PEDIDO>(pedido);
    if (HRESULT hr = faults().enter("Grava", "zero=" + std::to_string(zero) + " sessao=" + std::to_string(sessao) +
                                                 " itens=" + std::to_string(r.QtdItens) +
                                                 " parcelas=" + std::to_string(r.QtdParcelas));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const uint32_t posicao = grava_pedido(m_store, m_empresa, r, sessao);
    *saida = m_saida_quantidade ? 1 : static_cast<LONG>(posicao);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::NumeroMes(WORD mes, LONG* numero) noexcept try {
    if (!numero) return E_POINTER;
    *numero = 0;
    if (HRESULT hr = faults().enter("NumeroMes", "mes=" + std::to_string(mes)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    *numero = static_cast<LONG>(proxima_sequencia(m_store, m_empresa, mes));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::BuscaPedidos(QV_FAIXA_PEDIDOS_16 faixa, QV_FILTRO_PEDIDOS_1014 filtro,
                                                      BYTE** resultado) noexcept try {
    if (!resultado) return E_POINTER;
    *resultado = nullptr;
    const auto f = como<REG_FAIXA_PEDIDOS>(faixa);
    const auto filtro_r = como<REG_FILTRO_PEDIDOS>(filtro);
    if (HRESULT hr = faults().enter("BuscaPedidos", "dias=" + std::to_string(f.DataInicial) + "-" +
                                                        std::to_string(f.DataFinal) +
                                                        " representante=" + std::to_string(filtro_r.PosicaoRepresentante));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const std::vector<uint32_t> posicoes = busca_pedidos(m_store, m_empresa, f, filtro_r.PosicaoRepresentante);
    if (posicoes.empty()) return S_OK;   // none found: no block
    auto* bloco = static_cast<REG_RESULTADO_PEDIDOS*>(CoTaskMemAlloc(sizeof(REG_RESULTADO_PEDIDOS)));
    auto* array = bloco_tarefa(posicoes);
    if (!bloco || !array) {
        CoTaskMemFree(bloco);
        CoTaskMemFree(array);
        return E_OUTOFMEMORY;
    }
    bloco->Quantidade = static_cast<uint32_t>(posicoes.size());
    try {
        bloco->Posicoes = com::wire_pointer_put(array);
    } catch (...) {
        CoTaskMemFree(bloco);
        CoTaskMemFree(array);
        throw;
    }
    *resultado = reinterpret_cast<BYTE*>(bloco);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::LePedido(LONG posicao, LONG opcao, BYTE** pedido) noexcept try {
    if (!pedido) return E_POINTER;
    *pedido = nullptr;
    if (HRESULT hr = faults().enter("LePedido", "posicao=" + std::to_string(posicao) + " opcao=" + std::to_string(opcao));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (posicao <= 0) return QV_E_PEDIDO_DESCONHECIDO;
    *pedido = reinterpret_cast<BYTE*>(le_pedido(m_store, m_empresa, static_cast<uint32_t>(posicao)));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::LeListaPedido(LONG posicao, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeListaPedido", "posicao=" + std::to_string(posicao)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (posicao <= 0) return QV_E_PEDIDO_DESCONHECIDO;
    const REG_LISTA_PEDIDO r = le_lista_pedido(m_store, m_empresa, static_cast<uint32_t>(posicao));
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::RelatorioPedidos(QV_RELATORIO_PEDIDOS_834 pedido) noexcept try {
    const auto r = como<REG_RELATORIO_PEDIDOS>(pedido);
    if (HRESULT hr = faults().enter("RelatorioPedidos",
                                    "arquivo=" + std::string(texto_campo(r.Arquivo, sizeof r.Arquivo)) +
                                        " representante=" + std::to_string(r.PosicaoRepresentante) +
                                        " cliente=" + std::to_string(r.PosicaoCliente));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    relatorio_pedidos(m_store, m_empresa, r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::Finaliza() noexcept try {
    if (HRESULT hr = faults().enter("Finaliza"); hr != S_OK) return hr;
    m_inicializado = false;
    m_empresa.clear();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
