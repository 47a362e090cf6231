#pragma once
// The company's products for web pages: a sales price table is chosen by code, the first
// BuscaPonteiros loads the products of one kind offered in it (sorted by classification), a
// cursor (LePosicao, LeProdutoCodigo, GetProduto) makes one current, and the getters read it. The
// grids of a product are read as grid-item objects. Everything goes through the pool's product
// and grid connections.
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace masterdata {

class CTW_DF_Produtos final : public com::object<CTW_DF_Produtos, ITW_DF_Produtos> {
public:
    HRESULT STDMETHODCALLTYPE SetTabelaPrecos(BSTR bsCodigo, VARIANT_BOOL* pvbTabelaValida) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(BSTR bsTipoConta, ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUnidade(BSTR* pbsUnidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* pbsClassificacao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPreco(BSTR* pbsPreco) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOrdenacao(USHORT usOrdem) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPonteirosGradeProdutos(USHORT iPosGrade,
                                                        IResultadoBuscaPonteirosItemGradeProduto** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE LeItemGradeProduto(USHORT iPosGrade, USHORT iPosItem, IItemGradeProduto** ppItem) noexcept override;
    HRESULT STDMETHODCALLTYPE LeProdutoCodigo(BSTR bsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE LePonteiroGrade1(USHORT* piPonteiro) noexcept override;
    HRESULT STDMETHODCALLTYPE LePonteiroGrade2(USHORT* piPonteiro) noexcept override;
    HRESULT STDMETHODCALLTYPE LePonteiroGrade3(USHORT* piPonteiro) noexcept override;
    HRESULT STDMETHODCALLTYPE GetProduto(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE LeItemGradeProdutoPorCodigo(USHORT iPosGrade, BSTR bsCodigo, IItemGradeProduto** ppItem) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricao(BSTR* pbsDescricao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetProdutoTitulo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;

private:
    ~CTW_DF_Produtos() override = default;   // objects come only from com::make

    // Reads the product of a kind ('A', 'T') into the current record; TRUE when it is offered.
    HRESULT LeProduto(BSTR bsCodigo, char tipo, VARIANT_BOOL* pvbExiste);

    long m_lTabelaPrecos = 0;                 // 0: no table chosen
    std::vector<_REG_PRODUTOPS> m_produtos;   // empty until a load finds products
    std::string m_sTipoCarregado;             // the kind the list was loaded with
    _REG_PRODUTOPS m_atual{};
};

}  // namespace masterdata
