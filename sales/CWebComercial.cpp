#include "sales/CWebComercial.h"

namespace sales {

namespace {
template <class F>
HRESULT relatorio(BSTR* pbsDadosRel, F&& gera) {
    if (!pbsDadosRel) return E_POINTER;
    *pbsDadosRel = nullptr;
    return gera();
}
}  // namespace

HRESULT CWebComercial::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    return m_worker.Inicializa(pInicializa);
} catch (...) {
    return report();
}

HRESULT CWebComercial::GeraRelRelacaoPedidos(IQVHashTable* filtro, BSTR* pbsDadosRel) noexcept try {
    return relatorio(pbsDadosRel, [&] {
        return m_worker.GeraRelRelacaoPedidos(filtro, pbsDadosRel, CLSID_WebComercial, __uuidof(IWebComercial));
    });
} catch (...) {
    return report();
}

HRESULT CWebComercial::GeraRelComissoesAPagar(IQVHashTable* filtro, BSTR* pbsDadosRel) noexcept try {
    return relatorio(pbsDadosRel, [&] {
        return m_worker.GeraRelComissoesAPagar(filtro, pbsDadosRel, CLSID_WebComercial, __uuidof(IWebComercial));
    });
} catch (...) {
    return report();
}

HRESULT CWebComercial::GeraRelMovimentos(IQVHashTable* filtro, BSTR* pbsDadosRel) noexcept try {
    return relatorio(pbsDadosRel, [&] {
        return m_worker.GeraRelMovimentos(filtro, pbsDadosRel, CLSID_WebComercial, __uuidof(IWebComercial));
    });
} catch (...) {
    return report();
}

}  // namespace sales
