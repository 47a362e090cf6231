#include "server/process/dados_instalacao.h"

#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "platform/com/failure.h"
#include "platform/com/registrar.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/installation.h"

namespace server {

std::string caminho_banco_instalacao() {
    const std::string exe = com::to_ansi(com::module_path());
    const std::string pasta = QVGetPastaCadastros(QVGetPasta(exe));
    return QVMontaCaminho(pasta, std::string("ZidizUvi.db"));
}

std::shared_ptr<void> abre_dados_instalacao() {
    const std::string caminho = caminho_banco_instalacao();
    try {
        const std::string utf8 = com::ansi_to_utf8(caminho);
        return std::make_shared<inhouse::installation>(utf8);
    } catch (const com::failure& f) {
        qv_event_log(EVENTLOG_ERROR_TYPE, "Não foi possível abrir os dados da instalação (" + caminho + "): " + f.text);
    } catch (...) {
        qv_event_log(EVENTLOG_ERROR_TYPE, "Não foi possível abrir os dados da instalação (" + caminho + ").");
    }
    return nullptr;
}

}  // namespace server
