#include "server/holders/dados_instalacao.h"

#include <windows.h>

#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "server/messages.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/installation.h"

namespace server {

namespace {

std::string& motivo() noexcept {
    static std::string texto;
    return texto;
}

// The installation's data, or the reason there are none, for as long as the server runs.
struct dados_abertos {
    std::unique_ptr<inhouse::installation> instalacao;
    ~dados_abertos() { motivo().clear(); }
};

// Empty when the data were opened.
std::string abre(const std::string& caminho, dados_abertos& dados) {
    if (caminho.empty()) return msg::instalacao_ausente;
    if (GetFileAttributesW(com::to_wide(caminho).c_str()) == INVALID_FILE_ATTRIBUTES)
        return std::string(msg::banco_ausente) + caminho + ".";
    try {
        dados.instalacao = std::make_unique<inhouse::installation>(com::ansi_to_utf8(caminho));
        return {};
    } catch (const com::failure& f) {
        return std::string(msg::banco_inutilizavel) + caminho + ": " + f.text;
    } catch (...) {
        return std::string(msg::banco_inutilizavel) + caminho + ".";
    }
}

}  // namespace

std::string caminho_banco_instalacao() {
    std::string pasta;
    if (QVLePastaCadastros(pasta) != 0 || pasta.empty()) return {};
    return QVMontaCaminho(pasta, std::string("ZidizUvi.db"));
}

std::shared_ptr<void> abre_dados_instalacao() {
    auto dados = std::make_shared<dados_abertos>();
    motivo() = abre(caminho_banco_instalacao(), *dados);
    if (!motivo().empty()) qv_event_log(EVENTLOG_ERROR_TYPE, motivo());
    return dados;
}

const std::string& motivo_dados_indisponiveis() noexcept { return motivo(); }

}  // namespace server
