#pragma once
// The company's services for web pages: the first BuscaPonteiros (or GetServico) loads every
// service of the register, skipping deleted positions, sorted by classification; LePosicao or
// GetServico make one current together with its unit of measure, and the getters read them.
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace masterdata {

class CTW_DF_Servicos final : public com::object<CTW_DF_Servicos, ITW_DF_Servicos> {
public:
    HRESULT STDMETHODCALLTYPE SetTabPrecos(LONG lTabPreco) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(LONG* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(USHORT uPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* pbsClassificacao) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOrdenacao(USHORT usOrdem) noexcept override;
    HRESULT STDMETHODCALLTYPE GetServico(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUnidade(BSTR* pbsUnidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPrecoVenda(BSTR* pbsPreco) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdeCasasDecimais(LONG* piCasas) noexcept override;
    HRESULT STDMETHODCALLTYPE PossuiFormatoHorario(VARIANT_BOOL* pvbHorario) noexcept override;

private:
    ~CTW_DF_Servicos() override = default;   // objects come only from com::make

    // A loaded service: its register position and the fields the list keeps.
    struct entrada {
        long ponteiro;
        _REG_SERVICOSPS servico;
    };
    void Carrega();
    void Seleciona(const _REG_SERVICOSPS& servico);

    long m_lTabPreco = 0;
    std::vector<entrada> m_servicos;   // empty until a load finds services
    _REG_SERVICOSPS m_atual{};
    _REG_UNIDADES_MEDIDA_SERVICOSPS m_unidade{};
};

}  // namespace masterdata
