#include "server/root/CResultadoBuscaUsuarios.h"

#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "server/messages.h"
#include "server/root/CUsuario.h"

namespace server {

HRESULT CResultadoBuscaUsuarios::get_Size(USHORT* pVal) noexcept { return com::put_number(pVal, m_resultado.quantidade); }

HRESULT CResultadoBuscaUsuarios::GetItem(USHORT i, IUsuario** ppUsuario) noexcept try {
    if (!ppUsuario) return E_POINTER;
    *ppUsuario = nullptr;
    // The list holds no element there: reading on would read past it.
    if (i >= m_resultado.quantidade || i >= m_resultado.usuarios.size() || i >= m_resultado.registros.size())
        com::fail(msg::posicao_usuario_invalida, E_INVALIDARG);
    const auto usuario = com::make<CUsuario>(static_cast<uint16_t>(m_resultado.usuarios[i] & 0xFFFF),
                                             m_resultado.registros[i]);
    com::com_ptr<IUsuario>(usuario.get()).copy_to(ppUsuario);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CResultadoBuscaUsuarios::GetItemByUsu(USHORT usUsuario, IUsuario** ppUsuario) noexcept try {
    if (!ppUsuario) return E_POINTER;
    *ppUsuario = nullptr;
    for (size_t i = 0; i < m_resultado.quantidade && i < m_resultado.usuarios.size(); ++i)
        if (m_resultado.usuarios[i] == usUsuario) return GetItem(static_cast<USHORT>(i), ppUsuario);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace server
