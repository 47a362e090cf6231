#include "platform/inhouse/servidores_cache.h"

#include "platform/com/text.h"

namespace inhouse {

std::string hex_bytes(const void* data, size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "bytes=";
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        if (i) out += ' ';
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out;
}

namespace {
std::string sessao_bstr(BSTR empresa, WORD usuario, LONG sessao) {
    return "empresa=" + com::from_bstr(empresa) + " usuario=" + std::to_string(usuario) + " sessao=" + std::to_string(sessao);
}
}  // namespace

HRESULT STDMETHODCALLTYPE SaldosContabeisServer::Reservado03() noexcept try {
    if (HRESULT hr = faults().enter("Reservado03"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE SaldosContabeisServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao, LONG opcao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao) + " valor=" + std::to_string(opcao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PortadoresServer::Reservado03() noexcept try {
    if (HRESULT hr = faults().enter("Reservado03"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PortadoresServer::Reservado04() noexcept try {
    if (HRESULT hr = faults().enter("Reservado04"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PortadoresServer::Reservado05() noexcept try {
    if (HRESULT hr = faults().enter("Reservado05"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PortadoresServer::Reservado06() noexcept try {
    if (HRESULT hr = faults().enter("Reservado06"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PortadoresServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::Inicializa(QV_SESSAO_34 sessao) noexcept try {
    return faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CondicoesPagamentoServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CategoriasServer::Reservado03() noexcept try {
    if (HRESULT hr = faults().enter("Reservado03"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CategoriasServer::Reservado04() noexcept try {
    if (HRESULT hr = faults().enter("Reservado04"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CategoriasServer::Reservado05() noexcept try {
    if (HRESULT hr = faults().enter("Reservado05"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CategoriasServer::Reservado06() noexcept try {
    if (HRESULT hr = faults().enter("Reservado06"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CategoriasServer::Inicializa(QV_SESSAO_36 sessao) noexcept try {
    return faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE TabelasPrecoServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao, LONG opcao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao) + " valor=" + std::to_string(opcao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE AgendamentosServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstoqueServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao, LONG versao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao) + " valor=" + std::to_string(versao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreServer::Reservado03() noexcept try {
    if (HRESULT hr = faults().enter("Reservado03"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreServer::Reservado04() noexcept try {
    if (HRESULT hr = faults().enter("Reservado04"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE RelatoriosMovimentosServer::Reservado03() noexcept try {
    if (HRESULT hr = faults().enter("Reservado03"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE SaldosBancariosServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreComercialServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    return faults().enter("Inicializa", sessao_bstr(empresa, usuario, sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::Reservado03() noexcept try {
    if (HRESULT hr = faults().enter("Reservado03"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PedidosServer::Inicializa(QV_SESSAO_40 sessao) noexcept try {
    return faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE OrdensCompraServer::Inicializa(QV_SESSAO_262 sessao) noexcept try {
    return faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CotacoesServer::Inicializa(QV_SESSAO_262 sessao) noexcept try {
    return faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ComprasServer::Inicializa(QV_SESSAO_262 sessao) noexcept try {
    return faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE LeiautesServer::Reservado03() noexcept try {
    if (HRESULT hr = faults().enter("Reservado03"); FAILED(hr)) return hr;
    return E_NOTIMPL;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
