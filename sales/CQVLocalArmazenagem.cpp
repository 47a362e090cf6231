#include "sales/CQVLocalArmazenagem.h"

#include <string_view>

#include "platform/com/out_param.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace sales {

HRESULT CQVLocalArmazenagem::get_Codigo(BSTR* pVal) noexcept {
    return com::put_text(pVal, inhouse::texto_campo(m_registro.codigo));
}

HRESULT CQVLocalArmazenagem::get_Nome(BSTR* pVal) noexcept {
    return com::put_text(pVal, inhouse::texto_campo(m_registro.nome));
}

// Always one character: the type byte as it is.
HRESULT CQVLocalArmazenagem::get_Tipo(BSTR* pVal) noexcept {
    return com::put_text(pVal, std::string_view(&m_registro.tipo, 1));
}

}  // namespace sales
