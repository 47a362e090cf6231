#pragma once
// Reading the flags of a report model: the report-model component (initialised for a module and
// component) hands the model's bytes out, a new stream over a copy of them goes through a new
// CRelatorioParser, and the flags are read. Nothing is kept between two reads. The models list
// and the accounting reports read models this way.
#include <string>

#include "inhouse_modelos.h"

namespace masterdata {

struct flags_modelo {
    short operacional = 0;
    short gerencial = 0;
    short zidizuvi = 0;
};

// The flags of the model `nome`. Throws com::failure{hr, texto} when the component cannot hand
// the model out or the XML reader component cannot be had; a text that fails to parse gives
// the flags read before the failure (0 when nothing was read). The model's bytes and the record
// are freed on every road.
flags_modelo le_flags_modelo(IQVModelosRelatorio& componente, const std::string& nome, const char* texto);

}  // namespace masterdata
