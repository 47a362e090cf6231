#pragma once
// The fixed parameters of a stock report type: the report-parameters component, initialised for
// the stock module's report component, asked through relparam.dll (from the first module's
// installation folder), as the report's dialogs of the desktop system ask it.
#include <string>

namespace sales::parametros_relatorio {

// The answer when the library or its entry cannot be had.
inline constexpr short sem_informacao = 999;

// The type's fixed parameter. Throws com::failure: "Falha ao inicializar interface de
// relatórios." when the component cannot be had, "Falha ao buscar informações do relatório."
// when the library or its entry is missing or the library refuses the type.
short BuscaParametrosFixos(const std::string& tipo);

}  // namespace sales::parametros_relatorio
