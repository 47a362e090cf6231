#pragma once
#include <memory>
#include <string>

namespace server {

// Where the installation keeps the company data that the stand-ins serve: "ZidizUvi.db" in the
// registers folder ("Cadastros"), or beside the executable when the installation names none.
std::string caminho_banco_instalacao();

// Opens the installation's data and registers the stand-in data servers over it; nullptr (and an
// event-log entry) when it cannot be opened, so that the server still answers its clients.
std::shared_ptr<void> abre_dados_instalacao();

}  // namespace server
