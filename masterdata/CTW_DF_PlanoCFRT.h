#pragma once
// The accounts of the company chart that stand for customers, suppliers, carriers and
// representatives: one list per search characteristic, loaded once and kept, a cursor on it, the
// check of a representative and the suggested classification of a new account of one kind.
#include <map>
#include <string>

#include "VAVEDERAZur.h"
#include "base/CQVArray.h"
#include "platform/com/object.h"

namespace masterdata {

class CTW_DF_PlanoCFRT final : public com::object<CTW_DF_PlanoCFRT, ITW_DF_PlanoCFRT> {
public:
    struct m_Conta {
        std::string codigo;
        std::string nome;
        std::string classificacao;
        std::string inscricao;
        std::string tipo;
    };
    using CTWDFContaArray = CQVArray<m_Conta>;

    // The characteristic's bits.
    static constexpr USHORT cliente = 4, fornecedor = 8, transportadora = 16, representante = 32;

    HRESULT STDMETHODCALLTYPE SetPosicaoRepresentante(ULONG ulRepresentante, VARIANT_BOOL* pvbRepresentanteValido) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* pbsClassificacao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetInscricao(BSTR* pbsInscricao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTipo(BSTR* pbsTipo) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTipoBusca(BSTR bsCfrt) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SugereClassificacao(BSTR bsTipo, BSTR* bsClassificacao) noexcept override;

    // The next classification after a model: its last segment plus one, as wide as it was; a
    // model without "." or whose last segment reads 0 or 1 stays as it is.
    static std::string ProximaClassificacao(const std::string& modelo);
    // The characteristic a search text names ("C", "F", "R", "T" anywhere, capitals only).
    static USHORT CaracteristicaDe(const std::string& texto);

private:
    ~CTW_DF_PlanoCFRT() override = default;   // objects come only from com::make

    m_Conta m_ContaAtual;
    USHORT m_usCaracteristica = 0;
    std::map<USHORT, CTWDFContaArray> m_Listas;
};

}  // namespace masterdata
