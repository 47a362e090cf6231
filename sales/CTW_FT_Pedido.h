#pragma once
// Order entry (root factory TW_FT_Pedido): a web page adds the items, computes the totals and
// the instalments, gives the header (SetDados, which builds the order record with its item and
// instalment arrays in task memory) and saves it (Grava) through the orders server. Amounts,
// quantities, codes and dates cross as texts.
//
// The record's task-memory blocks belong to this object from SetDados on: a new SetDados frees
// the previous ones first, a successful Grava frees them, and so does the object's end. After a
// successful Grava the next Grava needs a new SetDados (it would save the header alone again).
#include <memory>

#include "VAVEDERAZur.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "ft/ftlibrary/CFTAppInfo.h"
#include "ft/ftlibrary/CFTBufferInfoProdServ.h"
#include "ft/ftlibrary/CFTBufferInfoUnMedida.h"
#include "ft/ftlibrary/CFTBufferMunicipio.h"
#include "ft/ftlibrary/CFTBufferNaturezas.h"
#include "ft/ftlibrary/CFTBufferReferenciaGrade.h"
#include "ft/ftlibrary/CPedido.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "platform/com/object.h"

namespace sales {

class CTW_FT_Pedido final : public com::object<CTW_FT_Pedido, ITW_FT_Pedido> {
public:
    void final_construct();

    // ITW_FT_Pedido, in slot order.
    HRESULT STDMETHODCALLTYPE AdicionaItem(BSTR bsCodigo, BSTR bsQuantidade, BSTR bsValorUnitario, BSTR bsValorDesconto,
                                           BSTR bsAliqICMS, BSTR bsAliqIPI, BSTR bsAliqICMSST, BSTR bsNrOC,
                                           BSTR bsDataEntrega, BSTR bsComplemento, BSTR bsPesoBruto, BSTR bsPesoLiquido,
                                           BSTR bsGrade1, BSTR bsGrade2, BSTR bsGrade3, unsigned char cLivreCobranca,
                                           BSTR bsCFOP, unsigned char cDescontoPercentual, BSTR bsTabPrecos,
                                           BSTR bsFilial, BSTR bsCliente, VARIANT_BOOL* pvbSucesso) noexcept override;
    HRESULT STDMETHODCALLTYPE RemoveItem(int iPosicao, VARIANT_BOOL* pvbSucesso) noexcept override;
    HRESULT STDMETHODCALLTYPE SetDados(BSTR bsCodigoProprio, BSTR bsFilial, BSTR bsCliente, BSTR bsDataEntrega,
                                       BSTR bsOpComerciais, BSTR bsCFOP, BSTR bsNumOcCliente, BSTR bsObservacoes,
                                       BSTR bsTotalProdutos, BSTR bsTotalDesconto, BSTR bsTotalIpi, BSTR bsQtdeVolumes,
                                       BSTR bsFretePorConta, BSTR bsTransportadora, BSTR bsVia, BSTR bsRedespacho,
                                       BSTR bsPesoBruto, BSTR bsPesoLiquido, BSTR bsMarca, BSTR bsEspecie,
                                       BSTR bsNumInicial, BSTR bsLocalEntrega, BSTR bsTipoCobranca, BSTR bsDataEmissao,
                                       BSTR bsCondicaoPgto, VARIANT_BOOL* pvbSucesso) noexcept override;
    HRESULT STDMETHODCALLTYPE Grava(VARIANT_BOOL* pvbSucesso) noexcept override;
    HRESULT STDMETHODCALLTYPE AlteraParcela(long lPosicao, BSTR bsVencto, BSTR bsValor, BSTR bsObs,
                                            BSTR bsCodFormaPgto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdItens(long* lQtdItens) noexcept override;
    HRESULT STDMETHODCALLTYPE GetItem(long lPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigoItem(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricaoItem(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetClassificacaoItem(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricaoGrade1Item(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricaoGrade2Item(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricaoGrade3Item(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdItem(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorUnitarioItem(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescontoUnitarioItem(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorLiquidoItem(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescontoTotal(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPesoBruto(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPesoLiquido(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE CalculaParcelas(BSTR bsCondPagto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdParcelas(long* lQtdParcelas) noexcept override;
    HRESULT STDMETHODCALLTYPE GetParcela(long lPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNumeroParcela(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDataVencimentoParcela(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorParcela(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodFormaPagamentoParcela(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeFormaPagamentoParcela(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetObservacaoParcela(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorAcrescimo(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE CalculaValoresTotais(BSTR bsValorDesconto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTotalProdutos(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTotalIPI(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTotalPagar(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE CalculaDescontoItem(BSTR bsValorItem, BSTR bsValorDesconto, VARIANT_BOOL vbEmPorcentagem,
                                                  BSTR* pvsRetorno) noexcept override;

    // What the tests read: the order record as the latest SetDados built it.
    const REG_PEDIDO& Registro() const noexcept { return m_registro; }

private:
    ~CTW_FT_Pedido() override;   // objects come only from com::make

    // The selected item's record (a copy, zero-filled first); E_INVALIDARG outside the items.
    REG_ITEM_PEDIDO ItemSelecionado() const;
    // The selected instalment; E_INVALIDARG outside the instalments.
    CParcela& ParcelaSelecionada();
    // The branch and customer steps, on the record and the model: false when the code is unknown.
    bool PassoFilial(const std::string& codigo);
    bool PassoCliente(const std::string& codigo);
    void PenduraParcelas();
    // Today, read once at the start of each call that computes. The library's context and
    // caches check their day against it: reading the clock (a registry read) for every record
    // they touch made each item cost several readings.
    void LeRelogio();
    // The product and service information cache over the pool's and cache's current
    // connections (a login frees those, so the cache is built again for each use).
    void PreparaInfoProdServ();

    REG_PEDIDO m_registro{};
    CPedido m_pedido;
    CCondicaoPagamento m_condicao;
    long m_item = -1;
    long m_parcela = -1;
    CFTAppInfo m_app;
    CFTBufferReferenciaGrade m_grade;
    CFTBufferInfoUnMedida m_unidades;
    CFTBufferMunicipio m_municipios;
    CFTBufferNaturezas m_naturezas;
    std::unique_ptr<CFTBufferInfoProdServ> m_info;
    bool m_gravado = false;
    uint16_t m_hoje = 0;
};

}  // namespace sales
