#include "masterdata/CQVDFNatureza.h"

#include "platform/com/out_param.h"
#include "platform/com/text.h"

namespace masterdata {

HRESULT CQVDFNatureza::Inicializa(IQV_Inicializa* pInicializa, short iModulo) noexcept try {
    return m_worker.Inicializa(pInicializa, iModulo);
} catch (...) {
    return report();
}

HRESULT CQVDFNatureza::get_m_iFilial(short* pVal) noexcept { return com::put_number(pVal, m_worker.GetFilial()); }
HRESULT CQVDFNatureza::put_m_iFilial(short newVal) noexcept {
    m_worker.SetFilial(newVal);
    return S_OK;
}
HRESULT CQVDFNatureza::get_m_iTipoNatureza(short* pVal) noexcept {
    return com::put_number(pVal, m_worker.GetTipoNatureza());
}
HRESULT CQVDFNatureza::put_m_iTipoNatureza(short newVal) noexcept {
    m_worker.SetTipoNatureza(newVal);
    return S_OK;
}
HRESULT CQVDFNatureza::get_m_iModulo(short* pVal) noexcept { return com::put_number(pVal, m_worker.GetModulo()); }
HRESULT CQVDFNatureza::put_m_iModulo(short newVal) noexcept {
    m_worker.SetModulo(newVal);
    return S_OK;
}
HRESULT CQVDFNatureza::SetStatusTipoProduto() noexcept {
    m_worker.SetStatusTipoProduto();
    return S_OK;
}
HRESULT CQVDFNatureza::SetStatusTipoServico() noexcept {
    m_worker.SetStatusTipoServico();
    return S_OK;
}
HRESULT CQVDFNatureza::get_m_iQuantidade(short* pVal) noexcept {
    return com::put_number(pVal, m_worker.GetQuantidade());
}

HRESULT CQVDFNatureza::get_m_scodigo(short iPosicao, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    return com::put_text(pVal, m_worker.GetCodigo(iPosicao));
} catch (...) {
    return report();
}

HRESULT CQVDFNatureza::get_m_sNome(short iPosicao, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    return com::put_text(pVal, m_worker.GetNome(iPosicao));
} catch (...) {
    return report();
}

HRESULT CQVDFNatureza::get_m_Filial(short iPosicao, short* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, m_worker.GetFilialNatureza(iPosicao));
} catch (...) {
    return report();
}

HRESULT CQVDFNatureza::Existe(BSTR sCodigo, unsigned short* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, m_worker.Existe(com::from_bstr(sCodigo)));
} catch (...) {
    return report();
}

HRESULT CQVDFNatureza::LeCodigo(unsigned short iPosicao, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    return com::put_text(pbsCodigo, m_worker.LeCodigo(iPosicao));
} catch (...) {
    return report();
}

HRESULT CQVDFNatureza::LeNome(unsigned short iPosicao, BSTR* pbsNome) noexcept try {
    if (!pbsNome) return E_POINTER;
    *pbsNome = nullptr;
    return com::put_text(pbsNome, m_worker.LeNome(iPosicao));
} catch (...) {
    return report();
}

HRESULT CQVDFNatureza::TemIntegracaoFinanceiro(unsigned short iPosicao, VARIANT_BOOL* pvbTemIntegracao) noexcept try {
    if (!pvbTemIntegracao) return E_POINTER;
    *pvbTemIntegracao = VARIANT_FALSE;
    return com::put_bool(pvbTemIntegracao, m_worker.TemIntegracaoFinanceiro(iPosicao));
} catch (...) {
    return report();
}

}  // namespace masterdata
