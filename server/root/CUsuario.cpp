#include "server/root/CUsuario.h"

#include <string>

#include "platform/com/out_param.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace server {

HRESULT CUsuario::get_Posicao(USHORT* pVal) noexcept { return com::put_number(pVal, m_usuario); }

HRESULT CUsuario::get_Apelido(BSTR* pVal) noexcept try {
    return com::put_text(pVal, std::string(inhouse::texto_campo(m_registro.apelido)));
} catch (...) {
    return report();
}

}  // namespace server
