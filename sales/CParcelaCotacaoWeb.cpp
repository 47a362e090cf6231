#include "sales/CParcelaCotacaoWeb.h"

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "sales/CCotacaoWeb.h"

namespace sales {

CParcelaCotacaoWeb::~CParcelaCotacaoWeb() = default;

void CParcelaCotacaoWeb::SetReferencias(com::com_ptr<CCotacaoWeb> cotacao, size_t indice, CURRENCY acumulado) noexcept {
    m_cotacao = std::move(cotacao);
    m_indice = indice;
    m_acumulado = acumulado;
}

HRESULT CParcelaCotacaoWeb::get_NumeroParcela(SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, static_cast<SHORT>(m_cotacao->parcela(m_indice).numero));
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::put_NumeroParcela(SHORT newVal) noexcept try {
    m_cotacao->parcela(m_indice).numero = static_cast<uint8_t>(newVal);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::get_ValorParcela(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, QVFormataCYMilhar(qv_cy(m_cotacao->parcela(m_indice).valor)).c_str());
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::put_ValorParcela(BSTR newVal) noexcept try {
    const CURRENCY valor = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    m_cotacao->parcela(m_indice).valor = valor.int64;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::get_DataParcela(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    const uint16_t dia = m_cotacao->parcela(m_indice).vencimento;
    return com::put_text(pVal, dia ? std::string(QVFormataData(dia, true)) : std::string());
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::put_DataParcela(BSTR newVal) noexcept try {
    const uint16_t dia = QVConverteTextoData(com::from_bstr(newVal).c_str());
    m_cotacao->parcela(m_indice).vencimento = dia;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::get_TipoVencimento(BYTE* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, m_cotacao->parcela(m_indice).tipo_vencimento);
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::put_TipoVencimento(BYTE newVal) noexcept try {
    m_cotacao->parcela(m_indice).tipo_vencimento = newVal;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CParcelaCotacaoWeb::get_ValorAcumulado(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCYMilhar(m_acumulado).c_str());
} catch (...) {
    return report();
}

}  // namespace sales
