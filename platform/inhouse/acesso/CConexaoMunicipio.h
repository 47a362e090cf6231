#pragma once
// The municipality connection of the data-access library: the company's municipality register
// through the municipality server (IQVMunicipios). CriaServidor creates the server and
// initialises it with the connection's session; the reads create it when it is missing.
#include "inhouse_localidades.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/localidades/registros_localidades.h"

class CConexaoMunicipio : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoMunicipio"; }

    // Hides the base's: a municipality server handed out is always initialised; a failed
    // initialisation drops the server again.
    HRESULT CriaServidor();
    // The municipality server, or null before CriaServidor; no reference is added.
    IQVMunicipios* GetServidor() const noexcept { return static_cast<IQVMunicipios*>(GetInterface()); }

    // The municipality at a register position (1 ...) into `municipio`; S_FALSE when there is
    // none.
    HRESULT Le(long posicao, _REG_MUNICIPIO_PS* municipio);
    // Looks the municipality up by its fiscal code (decimal text): 1 when it exists, and then its
    // register position and its record are filled; 0 when it does not or the search fails.
    int Existe(const char* codigo, WORD* posicao, _REG_MUNICIPIO_PS* municipio);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVMunicipios); }
};
