#pragma once
// Stand-in of the report component (IQVRelatorio) over the real file: Abre opens the file for
// reading and writes its length into the information record, Le copies its first bytes, Fecha
// closes it. One file at a time per object; a second Abre closes the first.
#include "inhouse_relatorios.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/stand_in.h"

namespace inhouse {

class RelatorioComponente final : public stand_in_object<RelatorioComponente, IQVRelatorio> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Abre(BSTR arquivo, BYTE* informacao) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG tamanho, BYTE* buffer) noexcept override;
    HRESULT STDMETHODCALLTYPE Fecha() noexcept override;

private:
    ~RelatorioComponente() override = default;   // objects come only from com::make

    com::unique_handle m_arquivo;
    uint32_t m_tamanho = 0;
};

}  // namespace inhouse
