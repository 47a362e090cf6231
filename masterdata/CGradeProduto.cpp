#include "masterdata/CGradeProduto.h"

#include "platform/com/out_param.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

HRESULT CGradeProduto::get_Posicao(USHORT* pVal) noexcept { return com::put_number(pVal, m_registro.ponteiro); }

HRESULT CGradeProduto::get_Codigo(USHORT* pVal) noexcept { return com::put_number(pVal, m_registro.codigo); }

HRESULT CGradeProduto::get_Descricao(BSTR* pVal) noexcept try {
    return com::put_text(pVal, inhouse::texto_campo(m_registro.descricao));
} catch (...) {
    return report();
}

}  // namespace masterdata
