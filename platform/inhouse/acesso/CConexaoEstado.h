#pragma once
// The state connection of the data-access library: the company's state register through the
// state server (IQVEstados). CriaServidor creates the server and initialises it with the
// connection's session; the reads create it when it is missing.
#include <vector>

#include "inhouse_localidades.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/localidades/registros_localidades.h"

class CConexaoEstado : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoEstado"; }

    // Hides the base's: a state server handed out is always initialised; a failed initialisation
    // drops the server again.
    HRESULT CriaServidor();
    // The state server, or null before CriaServidor; no reference is added.
    IQVEstados* GetServidor() const noexcept { return static_cast<IQVEstados*>(GetInterface()); }

    // The state at a register position (1 ...) into `estado`; S_FALSE when there is none.
    HRESULT Le(long posicao, inhouse::REG_ESTADO* estado);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVEstados); }
};
