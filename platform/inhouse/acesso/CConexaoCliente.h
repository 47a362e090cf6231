#pragma once
// The customer connection of the data-access library: finds a customer of the CFRT register by
// its own code or its classification, through the CFRT chart's server.
#include "inhouse_cfrt.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/cfrt/QVCFRT.h"

class CConexaoCliente : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoCliente"; }

    // 1 when a customer account has that own code (or, failing that, that classification): the
    // record then carries its chart position, classification, own code, name and CPF/CNPJ.
    // 0 when there is none or the search fails; the record is then zeroed.
    int Existe(const char* codigo, QVCFRT* registro);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_Plano); }
};
