#include "masterdata/CQVDFcHistorico.h"

#include "platform/com/out_param.h"

namespace masterdata {

HRESULT CQVDFcHistorico::Inicializa(IQV_Inicializa* QV_Inicializa) noexcept try {
    return m_worker.Inicializa(QV_Inicializa);
} catch (...) {
    return report();
}

HRESULT CQVDFcHistorico::GetQuantidade(LONG* plQuantidadeHistorico) noexcept try {
    if (!plQuantidadeHistorico) return E_POINTER;
    *plQuantidadeHistorico = 0;
    return com::put_number(plQuantidadeHistorico, m_worker.GetQuantidade());
} catch (...) {
    return report();
}

HRESULT CQVDFcHistorico::GetCodigo(LONG lPos, BSTR* bsCodigo) noexcept try {
    if (!bsCodigo) return E_POINTER;
    *bsCodigo = nullptr;
    return com::put_text(bsCodigo, m_worker.GetCodigo(lPos));
} catch (...) {
    return report();
}

HRESULT CQVDFcHistorico::GetConteudo(LONG lPos, BSTR* bsConteudo) noexcept try {
    if (!bsConteudo) return E_POINTER;
    *bsConteudo = nullptr;
    return com::put_text(bsConteudo, m_worker.GetConteudo(lPos));
} catch (...) {
    return report();
}

HRESULT CQVDFcHistorico::GetIdPrincipal(LONG lPos, LONG* IdPrincipal) noexcept try {
    if (!IdPrincipal) return E_POINTER;
    *IdPrincipal = 0;
    return com::put_number(IdPrincipal, m_worker.GetIdPrincipal(lPos));
} catch (...) {
    return report();
}

HRESULT CQVDFcHistorico::GetPosicaoLogicaIdPrincipal(LONG IdPrincipal, LONG* lPos) noexcept try {
    if (!lPos) return E_POINTER;
    *lPos = -1;
    return com::put_number(lPos, m_worker.GetPosicaoLogicaIdPrincipal(IdPrincipal));
} catch (...) {
    return report();
}

}  // namespace masterdata
