#pragma once
// One account of a chart looked up by its code: the base of the company and managerial chart's
// account classes, which supply the look-up on their chart's connection.
#include <windows.h>
#include <oaidl.h>

#include "platform/inhouse/acesso/QVAcesso.h"

namespace masterdata {

class CTW_DF_Conta {
public:
    CTW_DF_Conta() = default;
    CTW_DF_Conta(const CTW_DF_Conta&) = delete;
    CTW_DF_Conta& operator=(const CTW_DF_Conta&) = delete;
    virtual ~CTW_DF_Conta() = default;

    virtual HRESULT STDMETHODCALLTYPE SetCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept = 0;
    virtual HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept;
    virtual HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* pbsClassificacao) noexcept;
    virtual HRESULT STDMETHODCALLTYPE GetTipo(BSTR* pbsTipo) noexcept;

protected:
    // Looks the code up on the chart's connection. A code that is not there leaves the record and
    // the pointer empty, so the getters answer empty texts rather than an earlier account's.
    bool Procura(CConexaoPlano& conexao, BSTR bsCodigo);

    ULONG m_ulPonteiro = 0;
    _RegContaPS m_RegConta{};
};

}  // namespace masterdata
