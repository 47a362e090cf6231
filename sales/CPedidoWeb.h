#pragma once
// One sales order of the older web road (ProgID ZidizUvi.Pedido): a header record filled through
// properties, an order model holding the items that GravaItem adds, a payment condition that
// splits the order value into instalments, and the save record built for CPedidos::GravaPedido.
// LePosicao loads a saved order. The order holds a counted reference to the collection that
// made it and uses its connections and servers; one a client made through the ProgID has none
// and refuses every call that needs one with a clear error.
#include <memory>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "ft/ftlibrary/CPedido.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoMunicipio.h"
#include "server/process/class_table.h"

namespace sales {

class CPedidos;

// The save record of a web order and every task-memory block hung on it, freed with it.
class registro_gravacao {
public:
    registro_gravacao() = default;
    registro_gravacao(const registro_gravacao&) = delete;
    registro_gravacao& operator=(const registro_gravacao&) = delete;
    ~registro_gravacao();
    REG_PEDIDO registro{};
};

class CPedidoWeb final : public com::object<CPedidoWeb, IPedidoWeb> {
public:
    static constexpr com::class_info info = server::class_info_of(L"Pedido", &CLSID_Pedido);

    CPedidoWeb();

    // IPedidoWeb, in slot order.
    HRESULT STDMETHODCALLTYPE get_PosCFOP(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_PosCFOP(SHORT newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CodigoRepresentante(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CodigoCliente(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CodigoCliente(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_LocalEntrega(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_LocalEntrega(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataEmissao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NomeRepresentante(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NomeCliente(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QuantidadeItems(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetItem(SHORT iPosicao, IItemPedidoWeb** ppItem) noexcept override;
    HRESULT STDMETHODCALLTYPE RemoveItem(SHORT iPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NumeroPedido(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Situacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(LONG lPosicao, BOOL bLeItens) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataEntrega(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_DataEntrega(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorTotal(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Posicao(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Filial(IFilial** pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Filial(IFilial* newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Desconto(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Desconto(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CondicaoPagamento(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CondicaoPagamento(LONG newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetLastError(BSTR* pbsErro) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Observacoes(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Observacoes(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Origem(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_OrdemCompraCliente(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_OrdemCompraCliente(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE NovoItem(IItemPedidoWeb** ppItem) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaItem(IItemPedidoWeb* pItem, BSTR bsTabelaPrecos, LONG* lPos) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorIPI(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorProdutos(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorLight(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QtdParcelas(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Parcela(SHORT iPos, BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_AcrescimoCondPgto(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE AlteraParcela(SHORT iPos, BSTR bsVenc, BSTR bsValor, SHORT iForma, BSTR bsObs) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QtdFormasPgto(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_FormaPgto(SHORT iPos, BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QtdTiposCobranca(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TipoCobranca(SHORT iPos, BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_FretePorConta(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_FretePorConta(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Transportadora(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Transportadora(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TranspRedespacho(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_TranspRedespacho(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ViaTransporte(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_ViaTransporte(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QuantidadeTotal(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_QuantidadeTotal(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PesoBruto(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_PesoBruto(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PesoLiquido(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_PesoLiquido(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Especie(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Especie(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Marca(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Marca(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NrInicial(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_NrInicial(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_OpComercial(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_OpComercial(LONG newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TipoCobrancaPedido(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_TipoCobrancaPedido(SHORT newVal) noexcept override;

    // The new-order preparation of the collection: false when the representative position is 0
    // or names no representative (the order is then linked but has no number nor date).
    bool Prepara(com::com_ptr<CPedidos> dono, LONG lPosicaoRepresentante);
    // The save record: the header, the items and the instalments (throws com::failure).
    void MontaRegistro(registro_gravacao& gravacao);
    // What the collection's save sets on the header (the in-analysis flag).
    REG_PEDIDO& Cabecalho() noexcept { return m_registro; }

    // The web order behind a client's interface when this server made it, else null: identities
    // are compared, the client's pointer is never cast.
    static CPedidoWeb* deste_servidor(IUnknown* objeto) noexcept;

private:
    ~CPedidoWeb() override;   // objects come only from com::make

    CPedidos& dono() const;   // fails clearly without a collection
    std::string codigo_conta(int32_t posicao, bool nome) const;
    void busca_conta(BSTR codigo, int32_t& campo);
    CURRENCY valor_produtos() const;
    CURRENCY total_ipi() const;
    void escolhe_condicao(LONG posicao);
    std::vector<std::pair<uint16_t, std::string>> documentos(bool formas) const;
    // GravaItem's steps; a refusal is the text returned (empty: added).
    std::string grava_item(IItemPedidoWeb& item, const std::string& tabela, LONG& lPos);
    CURRENCY estoque_disponivel(const REG_ITEM_PEDIDO& r);

    std::string m_sUltimoErro;
    com::com_ptr<IFilial> m_filial;
    LONG m_lPosicao = 0;
    std::string m_sNumero;
    CPedido m_pedido;
    REG_PEDIDO m_registro{};
    com::com_ptr<CPedidos> m_dono;                     // null for an order a client created
    bool m_bCondicoes = false;                         // prepared: payment conditions may be chosen
    std::unique_ptr<CCondicaoPagamento> m_condicao;    // the current condition, or none
    CConexaoMunicipio m_municipio;
    std::vector<uint16_t> m_cfops;                     // the items' CFOP positions, in item order
    std::string m_sObservacoes;                        // the client's notes, kept whole
};

}  // namespace sales
