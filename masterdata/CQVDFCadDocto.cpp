#include "masterdata/CQVDFCadDocto.h"

#include "platform/com/out_param.h"

namespace masterdata {

HRESULT CQVDFCadDocto::Inicializa(IQV_Inicializa* QV_Inicializa, SHORT iTipoChave) noexcept try {
    return m_worker.Inicializa(QV_Inicializa, iTipoChave);
} catch (...) {
    return report();
}

// A position outside the list leaves the out value as it was.
HRESULT CQVDFCadDocto::get_m_iFilial(SHORT iPosicao, SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    return com::put_number(pVal, m_worker.GetFilial(iPosicao));
} catch (...) {
    return report();
}

HRESULT CQVDFCadDocto::get_m_iQuantidade(SHORT* pVal) noexcept try {
    return com::put_number(pVal, m_worker.GetQuantidade());
} catch (...) {
    return report();
}

HRESULT CQVDFCadDocto::get_m_scodigo(SHORT iPosicao, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    return com::put_text(pVal, m_worker.GetCodigo(iPosicao));
} catch (...) {
    return report();
}

HRESULT CQVDFCadDocto::get_m_sDescricao(SHORT iPosicao, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    return com::put_text(pVal, m_worker.GetDescricao(iPosicao));
} catch (...) {
    return report();
}

}  // namespace masterdata
