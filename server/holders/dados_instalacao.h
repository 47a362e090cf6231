#pragma once
#include <memory>
#include <string>

namespace server {

// Where the installation keeps the company data that the stand-ins serve: "ZidizUvi.db" in the
// registers folder (the "Cadastros" value of the installation key). Empty when the installation
// names no registers folder: the server then has no data, never a store of its own making.
std::string caminho_banco_instalacao();

// Opens the installation's data and registers the stand-in data servers over it. When there is
// no installation, no store, or the store cannot be read or fails its check, the reason goes to
// the event log and every login is refused with it (motivo_dados_indisponiveis) for as long as
// the returned holder lives.
std::shared_ptr<void> abre_dados_instalacao();

// Why the installation's data could not be opened; empty when they were, or when nobody opened
// them (the unit tests register their own stand-ins).
const std::string& motivo_dados_indisponiveis() noexcept;

}  // namespace server
