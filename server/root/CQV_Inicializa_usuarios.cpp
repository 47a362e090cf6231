// The company's users, as a list object of their numbers and short names.
#include <new>

#include "platform/com/failure.h"
#include "server/messages.h"
#include "server/root/CQV_Inicializa.h"
#include "server/root/CResultadoBuscaUsuarios.h"

namespace server {

HRESULT CQV_Inicializa::BuscaUsuarios(IResultadoBuscaUsuarios** ppResultado) noexcept try {
    if (!ppResultado) return E_POINTER;
    *ppResultado = nullptr;
    com::com_ptr<CResultadoBuscaUsuarios> resultado;
    try {
        resultado = com::make<CResultadoBuscaUsuarios>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::erro_resultado_usuarios, E_OUTOFMEMORY);
    }
    com::check(m_conexao_usuario.BuscaQuantidade(resultado->resultado()), msg::erro_carregar_usuarios);
    com::com_ptr<IResultadoBuscaUsuarios>(resultado.get()).copy_to(ppResultado);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace server
