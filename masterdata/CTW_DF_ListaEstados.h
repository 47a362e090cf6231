#pragma once
// The abbreviations of the company's states, sorted byte by byte (upper case before lower case),
// loaded once per object through the process-wide state connection.
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"

namespace masterdata {

class CTW_DF_ListaEstados final : public com::object<CTW_DF_ListaEstados, ITW_DF_ListaEstados> {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeUf(ULONG ulPosArray, BSTR* pbsUf) noexcept override;

private:
    ~CTW_DF_ListaEstados() override = default;   // objects come only from com::make

    std::vector<std::string> m_Siglas;
    ULONG m_ulQuantidade = 0;
};

}  // namespace masterdata
