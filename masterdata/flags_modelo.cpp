#include "masterdata/flags_modelo.h"

#include <objbase.h>

#include <cstring>

#include "base/CQVXmlStream.h"
#include "masterdata/CRelatorioParser.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/modelos/registros_modelos.h"

namespace masterdata {

flags_modelo le_flags_modelo(IQVModelosRelatorio& componente, const std::string& nome, const char* texto) {
    com::unique_cotaskmem<BYTE> registro(static_cast<BYTE*>(CoTaskMemAlloc(sizeof(inhouse::QV_MODELO_RELATORIO))));
    if (!registro) com::fail(texto, E_OUTOFMEMORY);
    std::memset(registro.get(), 0, sizeof(inhouse::QV_MODELO_RELATORIO));
    com::unique_bstr b = com::to_bstr(nome);
    com::check(componente.LeModelo(b.get(), registro.get()), texto);

    inhouse::QV_MODELO_RELATORIO r;
    std::memcpy(&r, registro.get(), sizeof r);
    // The model's bytes are ours from here on, whatever happens next.
    com::unique_cotaskmem<BYTE> bytes(static_cast<BYTE*>(com::wire_pointer_take(r.bytes)));
    if (!bytes && r.tamanho) com::fail(texto, E_UNEXPECTED);

    com::com_ptr<CQVXmlStream> stream = com::make<CQVXmlStream>(bytes.get(), static_cast<ULONG>(r.tamanho));
    bytes.reset();
    CRelatorioParser parser;
    const HRESULT hr = parser.Parse(static_cast<IStream*>(stream.get()));
    if (!parser.GetLeitorPronto()) com::fail(texto, hr);
    return {parser.GetRelOperacional(), parser.GetRelGerencial(), parser.GetRelZidizUvi()};
}

}  // namespace masterdata
