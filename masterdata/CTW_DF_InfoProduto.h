#pragma once
// What an order-entry page shows of one product sold from one price table to one customer by one
// branch (root factory TW_DF_InfoProduto): SetDados loads the table, customer, branch, product,
// grid items, the price item with the largest discount and the tax rates; the getters answer
// from what it loaded, as texts. A SetDados that finds nothing or fails leaves nothing of an
// earlier product to read.
#include <memory>

#include "VAVEDERAZur.h"
#include "masterdata/calculo_impostos_produto.h"
#include "platform/com/object.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/produtos/registros_preco.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace masterdata {

class CTW_DF_InfoProduto final : public com::object<CTW_DF_InfoProduto, ITW_DF_InfoProduto> {
public:
    void final_construct();

    HRESULT STDMETHODCALLTYPE SetDados(BSTR bsTabelaPrecos, BSTR bsCliente, BSTR bsFilial, BSTR bsProduto, BSTR bsGrade1,
                                       BSTR bsGrade2, BSTR bsGrade3, VARIANT_BOOL* pvbSucesso) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAliquotaICMS(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAliquotaIPI(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAliquotaICMSST(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDataEntrega(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescontoUnitario(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorUnitario(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPesoBruto(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPesoLiquido(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdeCasasDecimais(USHORT* pusCasas) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdeEmbalagem(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdePallet(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescontoMax(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescontoMaxPorcentagem(BSTR* pbsValor) noexcept override;

    // Everything one SetDados loads.
    struct dados {
        _REG_TABELA_PRECOSPS tabela{};
        QVCFRT cliente{};
        inhouse::REG_FILIAL filial{};
        _REG_PRODUTOPS produto{};
        _REG_ITENS_GRADE_PRODUTOPS itens[3]{};
        _REG_ITENS_TABELA_PRECOPS desconto{};   // the first price item; zero when there is none
        aliquotas_produto aliquotas{};
    };

private:
    ~CTW_DF_InfoProduto() override = default;   // objects come only from com::make

    // Loads into `novos`; false when the table, customer, branch or product is not there.
    bool Carrega(BSTR bsTabelaPrecos, BSTR bsCliente, BSTR bsFilial, BSTR bsProduto, BSTR (&grades)[3], dados& novos);
    void CalculaImpostos(dados& novos);

    std::unique_ptr<dados> m_dados = std::make_unique<dados>();
    std::unique_ptr<calculo_impostos_produto> m_calculo;
};

}  // namespace masterdata
