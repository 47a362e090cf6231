#pragma once
// A supplier's answer to a purchase quotation (the root's InicializaCotacao and CotacaoWeb): the
// access key names the supplier and the quotation; the supplier prices its items (CItemCotacaoWeb),
// sets its terms, has the instalment plan built by the purchasing library cotforn.dll, changes
// single instalments (CParcelaCotacaoWeb) and saves. Header and start-up here; the instalment
// plan, the quoted values and the save in CCotacaoWeb_plano.cpp.
#include <cstdint>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "inhouse_cotacoes.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "sales/biblioteca_cotforn.h"
#include "sales/cotacao_registro.h"
#include "server/root/fabricas_modulos.h"

namespace sales {

class CCotacaoWeb final : public com::object<CCotacaoWeb, ICotacaoWeb>, public server::cotacao_raiz {
public:
    CCotacaoWeb();

    // The root's road (server::cotacao_raiz).
    HRESULT ValidaChaveAcesso(const std::string& chave) override;
    std::string GetEmpresa() const override;
    HRESULT Inicializa(WORD usuario, long sessao) override;
    // The purchasing library file the start-up loads (tests load others).
    void SetBiblioteca(std::string nome) { m_nome_biblioteca = std::move(nome); }

    // ICotacaoWeb, in interface order
    HRESULT STDMETHODCALLTYPE get_NumeroCotacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataCotacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataLimite(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PonteiroFornecedor(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Observacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CondPagto(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_CondPagto(SHORT newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PrazoEntrega(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_PrazoEntrega(SHORT newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataEntrega(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_DataEntrega(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PrazoProposta(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_PrazoProposta(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ObservacaoFornecedor(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_ObservacaoFornecedor(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ItemCount(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetItemRef(SHORT iItem, IItemCotacaoWeb** ppItem) noexcept override;
    HRESULT STDMETHODCALLTYPE Grava() noexcept override;
    HRESULT STDMETHODCALLTYPE get_Frete(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Frete(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_LocalDeEntrega(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PossuiValorMoeda(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Simbolo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE MontaParcelas(USHORT usNumParcelas, BSTR bsDataVencimento, SHORT iPonteiroTipoPeriodo,
                                            SHORT iCondicaoPagto, SHORT* psQtdParcelas) noexcept override;
    HRESULT STDMETHODCALLTYPE GetParcelaRef(SHORT iParcela, IParcelaCotacaoWeb** ppParcela) noexcept override;
    HRESULT STDMETHODCALLTYPE MontaCondicaoPagamento(USHORT usNumParcelas, BSTR bsDataVencimento,
                                                     SHORT iPonteiroTipoPeriodo, SHORT iCondicaoPagto,
                                                     SHORT* psQtdParcelas) noexcept override;
    HRESULT STDMETHODCALLTYPE AlteraParcela(SHORT iParcela, BSTR bsDataVencimento, SHORT iPonteiroTipoVencimento,
                                            BSTR bsDataVenctoCotacao, VARIANT vValor, SHORT* psQtdParcelas) noexcept override;
    HRESULT STDMETHODCALLTYPE AlteraValorCotado() noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorTotalCotado(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorSubTotalCotado(BSTR* pbsValor) noexcept override;

    // What the item and instalment objects show, found afresh on every call: a quoted item of
    // this supplier by its asked item's index, and an instalment by its index; throw com::failure
    // (E_UNEXPECTED) when the quotation no longer has it.
    REG_ITEM_COTADO& item_cotado(uint16_t item);
    const REG_ITEM_SOLICITADO_COTACAO& item_solicitado(uint16_t item);
    tagREG_COTACAOITEMFATURAPS& parcela(size_t indice);
    CMyConexaoProduto& conexao_produto() noexcept { return m_produto; }
    CConexaoGradesProduto& conexao_grades() noexcept { return m_grades; }

private:
    ~CCotacaoWeb() override = default;   // objects come only from com::make

    // This supplier's entry and its index in the list, found afresh; E_UNEXPECTED when the
    // quotation has none for the supplier.
    REG_FORNECEDOR_COTACAO& fornecedor();
    uint16_t indice_fornecedor();
    // The record's quoted items of this supplier, in record order.
    std::vector<REG_ITEM_COTADO*> itens_fornecedor();
    biblioteca_cotforn& biblioteca();
    // The quoted values brought up to date by the library: 0, or the library's answer.
    int atualiza_valores();
    // A plan the library built (its block freed here): the list and the client's count take it
    // unless it is empty.
    void recebe_plano(uint16_t quantidade, tagREG_COTACAOITEMFATURAPS* parcelas, SHORT* psQtdParcelas);
    // The list changed: an entry that points at it points at its new place.
    void parcelas_mudaram();

    // Declared in the reverse of their destruction order: the record's blocks go first, then the
    // library, the connections and the list, the quotation server last.
    com::com_ptr<IQVCP_CotacaoFornecedor> m_servidor;
    LONG m_ticket = 0;
    inhouse::REG_CHAVE_COTACAO m_chave{};
    std::vector<tagREG_COTACAOITEMFATURAPS> m_parcelas;
    CMyConexaoProduto m_produto;
    CConexaoGradesProduto m_grades;
    std::string m_nome_biblioteca = "cotforn.dll";
    biblioteca_cotforn m_biblioteca;
    registro_cotacao m_registro;
};

}  // namespace sales
