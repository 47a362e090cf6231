#include "server/root/CEmpresarialInicializa.h"

#include "server/root/CWebErroBase.h"
#include "server/messages.h"

namespace server {

void CEmpresarialInicializa::VerificaInicializado(std::source_location where) const {
    if (!m_bInicializado) falha_numerada(msg::componente_nao_inicializado, hresult_mensagem(1), where);
}

}  // namespace server
