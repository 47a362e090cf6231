#pragma once
// The customer connection of the data-access library: finds a customer of the CFRT register
// through the CFRT chart, whose connection follows this one's session.
#include <memory>

#include "inhouse_cfrt.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/cfrt/QVCFRT.h"

class CConexaoPlano;

// The CFRT chart's server as the customer look-up by own code reads it: initialised with the
// session record alone, so it answers as the chart does for that session.
class CConexaoContasCliente : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoContasCliente"; }

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_Plano); }
};

class CConexaoCliente : public CConexaoServidor {
public:
    CConexaoCliente();
    ~CConexaoCliente() override;
    const char* NomeClasse() const noexcept override { return "CConexaoCliente"; }

    // 1 when a customer account has that own code (or, failing that, that classification): the
    // record then carries its chart position, classification, own code, name and CPF/CNPJ.
    // 0 when there is none or the search fails; the record is then zeroed.
    int Existe(const char* codigo, QVCFRT* registro);

    // Looks a customer up by the code of its chart account: 1 when a customer account has that
    // code, and then its chart position and the record's chart position, register position,
    // code, name, kind ('C'), person kind, country and state are filled; 0 otherwise (also after a
    // failed server call), with both left zeroed. `opcao` is kept for the callers; 0 reads all.
    int Existe(const char* codigo, long* posicao, QVCFRT* cliente, int opcao);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_CFRT); }

private:
    // The chart connection, initialised (again) with this connection's session; null when that fails.
    CConexaoPlano* plano();

    std::unique_ptr<CConexaoPlano> m_plano;   // the CFRT chart
    CConexaoContasCliente m_contas;           // the chart for the look-up by own code
};
