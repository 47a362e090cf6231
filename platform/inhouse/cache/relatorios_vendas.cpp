// The invoices server's sales report and the commissions report of the movements-report server:
// the request's filters under the company's title, and the customer or representative they name.
#include <cstring>
#include <string>

#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cache/registros_relatorios.h"
#include "platform/inhouse/relatorios/RelatoriosComerciais.h"
#include "platform/inhouse/relatorios/arquivo_relatorio.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

// A text field of a request, up to its NUL or its end.
template <size_t N>
std::string campo(const char (&texto)[N]) {
    return std::string(texto, strnlen(texto, N));
}

// "codigo  nome" of a customer pointer (the customer's position in the chart of accounts).
std::string cliente(store& dados, const std::string& empresa, uint32_t posicao) {
    if (posicao == 0) return "Todos";
    auto query = dados.prepare("SELECT codigo, nome FROM cfrt WHERE empresa = ? COLLATE NOCASE AND posicao_plano = ?");
    query.bind_text(1, empresa).bind(2, static_cast<int64_t>(posicao));
    if (!query.step()) return "(cliente não cadastrado)";
    return query.column_text(0) + "  " + query.column_text(1);
}

}  // namespace

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::RelatorioVendas(QV_RELATORIO_VENDAS_912 pedido) noexcept try {
    if (HRESULT hr = faults().enter("RelatorioVendas", hex_bytes(&pedido, sizeof pedido)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    REQ_RELATORIO_VENDAS p;
    std::memcpy(&p, &pedido, sizeof p);
    arquivo_relatorio r("VENDAS NO PERÍODO", campo(p.razao_social), campo(p.modelo));
    r.periodo(p.data_inicial, p.data_final)
        .parametro("Filial", std::to_string(p.filial))
        .parametro("Cliente", cliente(m_store, m_empresa, p.cliente));
    r.grava(campo(p.arquivo));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE RelatoriosMovimentosServer::RelatorioComissoes(BYTE* pedido) noexcept try {
    if (!pedido) return E_POINTER;
    REQ_RELATORIO_COMERCIAL p;
    std::memcpy(&p, pedido, sizeof p);
    if (HRESULT hr = faults().enter("RelatorioComissoes", hex_bytes(&p, sizeof p)); FAILED(hr)) return hr;
    const std::string arquivo = com::wire_text(p.arquivo);
    if (arquivo.empty()) return E_INVALIDARG;
    relatorio_comissoes(m_store, p).grava(arquivo);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
