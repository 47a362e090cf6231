#pragma once
// The company chart of accounts for a client of the root object: searches, account objects and
// the save of a new account, on the pool's company chart connection. A representative's session
// sees only its customers from the start.
#include "VAVEDERAZur.h"
#include "masterdata/plano_contas.h"
#include "platform/com/object.h"

namespace masterdata {

class CTW_DF_PlanoContas final : public com::object<CTW_DF_PlanoContas, ITW_DF_PlanoContas> {
public:
    void final_construct();

    HRESULT STDMETHODCALLTYPE GetPosicao(LONG lPosicaoArray, IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaF4Contas(USHORT iCaracteristica, BSTR bsTipoConta, LONG* lQuantidadeBuscada) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG Posicao, IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR Codigo, IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaConta(IQVDF_Conta* conta, LONG* resultado) noexcept override;
    HRESULT STDMETHODCALLTYPE NovaConta(IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE get_UtilizaCodigoProprio(VARIANT_BOOL* pVal) noexcept override;

private:
    ~CTW_DF_PlanoContas() override = default;   // objects come only from com::make

    plano_contas m_plano;
};

// The chart of accounts' operations on one connection, shared with CQVDF_PlanoContas.
namespace operacoes_plano_contas {
com::com_ptr<IQVDF_Conta> GetPosicao(const plano_contas& plano, CConexaoPlano& conexao, LONG posicao,
                                     const char* texto_criar);
LONG BuscaF4Contas(plano_contas& plano, CConexaoPlano& conexao, USHORT caracteristica, BSTR tipo);
com::com_ptr<IQVDF_Conta> Le(CConexaoPlano& conexao, LONG posicao);
com::com_ptr<IQVDF_Conta> Existe(CConexaoPlano& conexao, BSTR codigo);
LONG GravaConta(CConexaoPlano& conexao, IQVDF_Conta* conta);
com::com_ptr<IQVDF_Conta> NovaConta();
bool UtilizaCodigoProprio(CConexaoPlano& conexao);
}  // namespace operacoes_plano_contas

}  // namespace masterdata
