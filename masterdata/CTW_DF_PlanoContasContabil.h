#pragma once
// Builds one new account of the company chart field by field and saves it, and looks accounts up
// in its own search list, on the pool's company chart connection. Every answer of the chart
// server is checked: a failed read is a failure, never an account.
#include "VAVEDERAZur.h"
#include "masterdata/plano_contas.h"
#include "platform/com/object.h"

namespace masterdata {

class CTW_DF_PlanoContasContabil final
    : public com::object<CTW_DF_PlanoContasContabil, ITW_DF_PlanoContasContabil> {
public:
    void final_construct();

    HRESULT STDMETHODCALLTYPE SetNome(BSTR bsNome, VARIANT_BOOL* pvbValido) noexcept override;
    HRESULT STDMETHODCALLTYPE SetClassificacao(BSTR bsClassificacao, VARIANT_BOOL* pvbValido) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbValido) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUtilizaCodigoProprio(VARIANT_BOOL* pvbUtiliza) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaConta(LONG* lResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosicao(LONG lPosicaoArray, IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaF4Contas(USHORT iCaracteristica, BSTR bsTipoConta, LONG* lQuantidadeBuscada) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaClientesFornecedores(LONG* lQuantidadeBuscada) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR bsCodigo, IQVDF_Conta** ppConta) noexcept override;

private:
    ~CTW_DF_PlanoContasContabil() override = default;   // objects come only from com::make

    HRESULT Poe(size_t offset, size_t largura, BSTR texto, VARIANT_BOOL* pvbValido) noexcept;

    _RegContaPS m_RegConta{};
    plano_contas m_plano;
};

}  // namespace masterdata
