#pragma once
// The municipalities of the company's register over a connection of its own that the client
// initialises from the root object (ProgID ZidizUvi.QVDF_Municipios.1): Busca loads them (all, or
// one state's) sorted by name whatever the case, Proximo walks them, Existe finds one by fiscal
// code and Le reads one by register position.
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoMunicipio.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDF_Municipios final : public com::object<CQVDF_Municipios, IQVDF_Municipios> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVDF_Municipios", &CLSID_QVDF_Municipios);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE Busca(BSTR bsFiltroUF, LONG* pQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Proximo(IMunicipio** ppMunicipio) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(LONG CodigoFiscal, IMunicipio** ppMunicipio) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(USHORT iPosicao, IMunicipio** ppMunicipio) noexcept override;

private:
    ~CQVDF_Municipios() override = default;   // objects come only from com::make

    CConexaoMunicipio m_Conexao;
    std::vector<inhouse::REG_MUNICIPIO_ENTRADA> m_Municipios;
    LONG m_lCursor = 0;
};

}  // namespace masterdata
