#include "masterdata/CItemGradeProduto.h"

#include <string>

#include "platform/com/out_param.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

HRESULT CItemGradeProduto::get_Posicao(USHORT* pVal) noexcept { return com::put_number(pVal, m_registro.ponteiro); }

HRESULT CItemGradeProduto::get_Codigo(BSTR* pVal) noexcept try {
    return com::put_text(pVal, inhouse::texto_campo(m_registro.codigo));
} catch (...) {
    return report();
}

HRESULT CItemGradeProduto::get_Descricao(BSTR* pVal) noexcept try {
    return com::put_text(pVal, inhouse::texto_campo(m_registro.descricao));
} catch (...) {
    return report();
}

}  // namespace masterdata
