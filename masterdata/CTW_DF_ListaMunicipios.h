#pragma once
// The municipalities of the company's register, all or one state's (SetUf), in register order,
// loaded once per filter through the process-wide municipality connection, with a current entry.
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"

namespace masterdata {

class CTW_DF_ListaMunicipios final : public com::object<CTW_DF_ListaMunicipios, ITW_DF_ListaMunicipios> {
public:
    struct m_Municipio {
        std::string nome;
        std::string uf;
        LONG codigo = 0;
    };

    HRESULT STDMETHODCALLTYPE SetUf(BSTR bsUf) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(LONG* plCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUf(BSTR* pbsUf) noexcept override;
    HRESULT STDMETHODCALLTYPE GetMunicipio(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOrdenacao(USHORT usOrdem) noexcept override;

private:
    ~CTW_DF_ListaMunicipios() override = default;   // objects come only from com::make

    std::string m_sUf;
    m_Municipio m_Atual;
    std::vector<m_Municipio> m_Municipios;
    ULONG m_ulQuantidade = 0;
};

}  // namespace masterdata
