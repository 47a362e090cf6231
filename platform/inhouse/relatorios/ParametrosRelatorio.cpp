#include "platform/inhouse/relatorios/ParametrosRelatorio.h"

#include <string_view>

#include "platform/com/text.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {
struct parametro_fixo {
    std::string_view tipo;
    SHORT valor;
};
constexpr parametro_fixo parametros_estoque[] = {
    {"REGISTROESTOQUE", 1}, {"MOVIMENTOS", 2}, {"INVENTARIO", 3}, {"PONTOREPOSICAO", 4},
};
}  // namespace

HRESULT STDMETHODCALLTYPE ParametrosRelatorio::Inicializa(BSTR modulo, BSTR componente) noexcept try {
    std::string m = com::from_bstr(modulo), c = com::from_bstr(componente);
    if (HRESULT hr = faults().enter("Inicializa", "modulo=" + m + " componente=" + c); FAILED(hr)) return hr;
    m_modulo = std::move(m);
    m_componente = std::move(c);
    m_inicializado = true;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ParametrosRelatorio::ParametroFixo(BSTR tipo, SHORT* valor) noexcept try {
    if (!valor) return E_POINTER;
    *valor = 0;
    const std::string t = com::from_bstr(tipo);
    if (HRESULT hr = faults().enter("ParametroFixo", "tipo=" + t); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (m_modulo != "ES" || m_componente != "RES") return S_OK;
    for (const parametro_fixo& p : parametros_estoque)
        if (p.tipo == t) *valor = p.valor;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
