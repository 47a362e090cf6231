#include "server/holders/sessao_atual.h"

#include "platform/com/failure.h"
#include "server/holders/CSessaoGlobal.h"

namespace server {

sessao_atual le_sessao_atual() {
    CSessaoGlobal* holder = CSessaoGlobal::GetInstancia();
    if (!holder->GetDados()) com::fail(msg_sem_sessao, E_UNEXPECTED);
    sessao_atual s;
    // The order in which the holder is read does not matter; it is one record.
    s.sessao = holder->GetNumeroSessao();
    s.usuario = static_cast<WORD>(holder->GetUsuario());
    s.empresa = holder->GetEmpresa();
    return s;
}

}  // namespace server
