#pragma once
// One item of a web order carried between the client and the order (ProgID ZidizUvi.ItemPedido):
// the texts and numbers the client fills before IPedidoWeb::GravaItem reads them, or a snapshot
// of an order's item with its product, unit and grid items read again for display.
#include <array>
#include <string>

#include "VAVEDERAZur.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/produtos/registros_produto.h"
#include "server/process/class_table.h"

namespace sales {

class CPedidoWeb;

class CItemPedidoWeb final : public com::object<CItemPedidoWeb, IItemPedidoWeb> {
public:
    static constexpr com::class_info info = server::class_info_of(L"ItemPedido", &CLSID_ItemPedido);
    // The new-value texts and the IPI rate text hold at most this many characters.
    static constexpr size_t TamanhoTexto = 14;

    CItemPedidoWeb();

    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Codigo(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Quantidade(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorUnitario(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Descricao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorTotal(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Desconto(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosItemGrade(SHORT i, SHORT* psPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigoItemGrade(SHORT i, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCodigoItemGrade(SHORT i, BSTR bsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE get_AliqICMS(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_AliqICMS(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_AliqICMSST(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_AliqICMSST(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_AliqIPI(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_AliqIPI(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Complemento(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Complemento(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataEntrega(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_DataEntrega(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_LivreDeCobranca(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_LivreDeCobranca(LONG newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NumeroOC(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_NumeroOC(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NovoValorUnitario(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_NovoValorUnitario(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NovaQuantidade(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_NovaQuantidade(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NovoDesconto(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_NovoDesconto(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PosCFOP(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_PosCFOP(SHORT newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NomeProduto(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_NomeProduto(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_TabPreco(SHORT newVal) noexcept override;

    // A snapshot of an order's item: the record, and the product, unit and grid items read
    // through the collection's connections (their failures leave zeros, for display only).
    void Preenche(const REG_ITEM_PEDIDO& registro, com::com_ptr<CPedidoWeb> dono, CMyConexaoProduto& produtos,
                  CConexaoGradesProduto& grades);

    const REG_ITEM_PEDIDO& Registro() const noexcept { return m_item; }

private:
    ~CItemPedidoWeb() override;   // objects come only from com::make

    HRESULT guarda_texto(std::string& campo, BSTR valor) noexcept;
    int casas_quantidade() const noexcept;

    _REG_PRODUTOPS m_produto{};
    _REG_SERVICOSPS m_servico{};
    REG_ITEM_PEDIDO m_item{};
    _REG_UNIDADES_MEDIDAPS m_unidade{};
    _REG_UNIDADES_MEDIDA_SERVICOSPS m_unidade_servico{};
    std::array<_REG_ITENS_GRADE_PRODUTOPS, 3> m_grades{};
    std::string m_sNovoValorUnitario;
    std::string m_sNovaQuantidade;
    std::string m_sNovoDesconto;
    std::string m_sAliqIPI;
    com::com_ptr<CPedidoWeb> m_dono;   // null for a new item
};

// Decimal places of a decimals selector byte: 0 -> 0, 1 -> 2, anything else -> 4.
inline int casas_do_seletor(uint8_t seletor) noexcept { return seletor == 0 ? 0 : seletor == 1 ? 2 : 4; }

}  // namespace sales
