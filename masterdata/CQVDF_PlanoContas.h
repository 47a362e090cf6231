#pragma once
// The company chart of accounts over a connection of its own, which the client initialises from
// the root object (ProgID ZidizUvi.QVDF_PlanoContas): the same work as CTW_DF_PlanoContas, and
// the representative whose customers the searches show.
#include <memory>

#include "VAVEDERAZur.h"
#include "masterdata/plano_contas.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDF_PlanoContas final : public com::object<CQVDF_PlanoContas, IQVDF_PlanoContas> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVDF_PlanoContas", &CLSID_QVDF_PlanoContas);

    CQVDF_PlanoContas();

    HRESULT STDMETHODCALLTYPE GetPosicao(LONG lPosicaoArray, IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaF4Contas(USHORT iCaracteristica, BSTR bsTipoConta, LONG* lQuantidadeBuscada) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG Posicao, IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR Codigo, IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaConta(IQVDF_Conta* conta, LONG* resultado) noexcept override;
    HRESULT STDMETHODCALLTYPE NovaConta(IQVDF_Conta** ppConta) noexcept override;
    HRESULT STDMETHODCALLTYPE get_UtilizaCodigoProprio(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE SetPonteiroRepresentanteF4(ULONG ulPonteiroRepresentante) noexcept override;

    // For the classes of this server that create the chart: the own connection takes the session
    // of the given connection, or the given session; both throw com::failure.
    virtual void CopiaConexao(const CConexaoPlanoContabil& conexao);
    virtual void InicializaConexao(BSTR bsEmpresa, WORD usuario, long sessao);

private:
    ~CQVDF_PlanoContas() override;   // objects come only from com::make

    // The own connection when it can be used; throws com::failure with the text.
    CConexaoPlano& Conexao(const char* texto);

    std::unique_ptr<CConexaoPlanoContabil> m_conexao;
    plano_contas m_plano;
};

}  // namespace masterdata
