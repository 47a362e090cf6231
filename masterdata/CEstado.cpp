#include "masterdata/CEstado.h"

#include <iterator>

#include "masterdata/messages.h"
#include "platform/com/text.h"

namespace masterdata {

HRESULT CEstado::get_Exterior(VARIANT_BOOL* pVal) noexcept {
    if (!pVal) return E_POINTER;
    *pVal = m_Exterior;
    return S_OK;
}

// Any non-zero value is stored as true, so that a client's 1 reads back as VARIANT_TRUE.
HRESULT CEstado::put_Exterior(VARIANT_BOOL newVal) noexcept {
    m_Exterior = newVal != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

void CEstado::Preenche(const char* nome, const char* sigla, bool exterior, uint8_t regiao_geo, uint8_t regiao_fiscal) {
    m_Nome.reset(com::to_bstr(nome));
    m_Sigla.reset(com::to_bstr(sigla));
    m_Exterior = exterior ? VARIANT_TRUE : VARIANT_FALSE;
    if (regiao_geo < std::size(msg::regioes_geo)) m_RegiaoGeo.reset(com::to_bstr(msg::regioes_geo[regiao_geo]));
    if (regiao_fiscal < std::size(msg::regioes_fiscais))
        m_RegiaoFiscal.reset(com::to_bstr(msg::regioes_fiscais[regiao_fiscal]));
}

}  // namespace masterdata
