#pragma once
// The in-memory order of the order library: its items, discounts and charges, totals and the
// flags that the branch and the customer impose on the calculation. The order-entry objects embed
// one and drive it as the client adds and removes items. The arithmetic (totals, apportioning,
// volumes, weights) is in CPedido_totais.cpp.
//
// The library context and the caches are borrowed (never owned) and may be null: without a
// context the items' taxes are not recalculated and no minimum amount applies.
#include <windows.h>
#include <wtypes.h>

#include <cstdint>
#include <string>

#include "base/CQVArray.h"
#include "base/CQVCurrencyEx.h"
#include "base/CQVString.h"
#include "ft/ftlibrary/CErroPedido.h"
#include "ft/ftlibrary/CItemPedido.h"
#include "ft/ftlibrary/registros_pedido.h"

class CFTAppInfo;
class CFTBufferNaturezas;
class CFTBufferInfoProdServ;
struct QVCFRT;
namespace inhouse {
struct REG_FILIAL;
}

class CPedido {
public:
    // The nine pairs of totals: over every totalled item, and over those not free of charge.
    enum Total : int { Retencao1, Retencao2, Retencao3, Retencao4, Retencao5, Retencao6, IPI, ICMS, ICMSST, QuantidadeTotais };

    CPedido();
    CPedido(const CPedido&) = default;
    CPedido& operator=(const CPedido&) = default;
    virtual ~CPedido() = default;

    const CErroPedido& GetErro() const { return m_erro; }

    // Items.
    const CQVArray<CItemPedido>& GetItens() const { return m_itens; }
    CQVArray<CItemPedido>& GetItens() { return m_itens; }
    uint16_t GetQtdItens() const { return static_cast<uint16_t>(m_itens.GetSize()); }
    // An index outside the items throws CInvalidArgException.
    CItemPedido& GetItem(uint16_t indice);
    const CItemPedido& GetItem(uint16_t indice) const;
    bool AdicionaItem(const CItemPedido& item);
    // False for an index outside the items.
    bool RemoveItem(uint16_t indice);

    // Discounts: an amount, or a percentage of the total when `percentual` is set. Refused (false,
    // code 1 or 2) when not below the total; the discount in force is then unchanged.
    bool SetDesconto(CURRENCY valor, BYTE percentual);
    bool SetDescontoServicos(CURRENCY valor, BYTE percentual);
    // The discount in force, or 0 while it exceeds its total (the stored discount is kept).
    CURRENCY GetDescontoTotal() const;
    CURRENCY GetDescontoServicos() const;
    bool SetValorDescontoRateio(CURRENCY valor);
    void SetEncargoRateio(CURRENCY valor) { m_EncargoRateio = valor; }
    void SetEncargoProduto(int k, CURRENCY valor);
    CURRENCY GetEncargoProduto(int k) const;
    CURRENCY GetDescontoRateio() const { return m_DescontoRateio; }
    CURRENCY GetEncargoRateio() const { return m_EncargoRateio; }

    CURRENCY GetTotalProdutos() const { return m_TotalProdutos; }
    CURRENCY GetTotalServicos() const { return m_TotalServicos; }
    CURRENCY GetQuantidadeTotal() const { return m_Volumes; }
    void SetQuantidadeTotal(CURRENCY volumes) { m_Volumes = volumes; }
    CURRENCY GetTotalIPI() const { return m_totais[IPI]; }
    CURRENCY GetTotal(Total t) const { return m_totais[t]; }
    CURRENCY GetTotalNaoLivre(Total t) const { return m_totais_nao_livres[t]; }
    CURRENCY GetPesoBruto() const { return m_PesoBruto; }
    CURRENCY GetPesoLiquido() const { return m_PesoLiquido; }
    void SetPesoBruto(CURRENCY peso) { m_PesoBruto = peso; }
    void SetPesoLiquido(CURRENCY peso) { m_PesoLiquido = peso; }

    // The rules of the branch and of the customer; the order is recalculated only when they change.
    void SetFilial(const inhouse::REG_FILIAL& filial);
    void SetCliente(const QVCFRT& cliente);

    void SetAppInfo(CFTAppInfo* app) { m_app = app; }
    void SetBufferNaturezas(CFTBufferNaturezas* buffer) { m_naturezas = buffer; }
    void SetBufferInfoProdServ(CFTBufferInfoProdServ* buffer) { m_info = buffer; }
    BYTE GetPerguntaVolumes() const { return m_PerguntaVolumes; }

    // Loads the order from an order record (its items from the record's item array). A failed
    // look-up of an item's information or nature fails the load with its HRESULT and leaves the
    // order as it was; a record that counts items without an item array gives E_INVALIDARG.
    HRESULT SetRegistro(const REG_PEDIDO& registro);

    // Totals and apportioning.
    void CalculaTotais();
    CURRENCY CalculaTotalPagar() const;
    void AtualizaTotaisItens();
    void VerificaVolumes(CURRENCY delta);
    void CalculaPesos();

    // "MMYY-NNNNNN" of a packed order key (month index in bits 0-11, sequence above).
    static CQVString FormataNumeroPedido(uint32_t chave);

    // Branch and customer values (read by the order-entry objects).
    BYTE GetFilialFlag1() const { return m_FilialFlag1; }
    BYTE GetFilialFlag2() const { return m_FilialFlag2; }
    BYTE GetFilialCobraIPI() const { return m_FilialCobraIPI; }
    BYTE GetFilialFlag4() const { return m_FilialFlag4; }
    uint16_t GetFilialPercentual() const { return m_FilialPercentual; }
    BYTE GetPessoaFisica() const { return m_PessoaFisica; }
    BYTE GetClienteFlag2() const { return m_ClienteFlag2; }
    BYTE GetClienteFlag3() const { return m_ClienteFlag3; }
    BYTE GetClienteFlag4() const { return m_ClienteFlag4; }
    BYTE GetClienteFlagItem() const { return m_ClienteFlagItem; }
    // Order flags and the kept header values of the record.
    BYTE GetFlagPedido1() const { return m_FlagPedido1; }
    BYTE GetFlagPedido2() const { return m_FlagPedido2; }
    BYTE GetFlagPedido3() const { return m_FlagPedido3; }
    int32_t GetPosicaoTransportadora() const { return m_PosicaoTransportadora; }
    int32_t GetPosicaoCliente() const { return m_PosicaoCliente; }
    int32_t GetPosicaoOperacao() const { return m_PosicaoOperacao; }
    uint16_t GetValor824() const { return m_Valor824; }
    uint16_t GetPosicaoNatureza() const { return m_PosicaoNatureza; }
    uint16_t GetPosicaoFilial() const { return m_PosicaoFilial; }
    const std::string& GetPedidoCliente() const { return m_PedidoCliente; }

private:
    void Rateia();
    void passa_filial_cliente(CItemPedido& item) const;
    bool aplica_desconto(CQVCurrencyEx& desconto, CURRENCY total, CURRENCY valor, BYTE percentual, int16_t codigo);
    bool eh_totalizado(const CItemPedido& item) const { return !item.GetNaoTotaliza(); }
    bool eh_nao_livre(const CItemPedido& item) const { return !item.GetNaoTotaliza() && !item.GetLivreCobranca(); }

    CErroPedido m_erro;
    CQVArray<CItemPedido> m_itens;
    CQVCurrencyEx m_DescontoProdutos, m_DescontoServicos;
    CQVCurrencyEx m_EncargoProduto[3];
    CQVCurrencyEx m_DescontoRateio, m_EncargoRateio;
    CQVCurrencyEx m_TotalProdutos, m_TotalServicos;      // 4 decimals, truncating
    CQVCurrencyEx m_Volumes;
    CQVCurrencyEx m_PesoBruto, m_PesoLiquido;            // 4 decimals, rounding
    BYTE m_FlagPedido1 = 0, m_FlagPedido2 = 0, m_FlagPedido3 = 0;
    CQVCurrencyEx m_totais[QuantidadeTotais];
    CQVCurrencyEx m_totais_nao_livres[QuantidadeTotais];
    uint16_t m_Valor824 = 0, m_PosicaoNatureza = 0;
    int32_t m_PosicaoTransportadora = 0, m_PosicaoCliente = 0;
    std::string m_PedidoCliente;
    BYTE m_PessoaFisica = 0, m_ClienteFlag2 = 0, m_ClienteFlag3 = 0, m_ClienteFlag4 = 0, m_ClienteFlagItem = 0;
    int32_t m_PosicaoOperacao = 0;
    BYTE m_FilialFlag1 = 0, m_FilialFlag2 = 0, m_FilialCobraIPI = 0, m_FilialFlag4 = 0;
    uint16_t m_FilialPercentual = 0;
    uint16_t m_PosicaoFilial = 0;
    CFTAppInfo* m_app = nullptr;
    BYTE m_PerguntaVolumes = 1;
    CFTBufferNaturezas* m_naturezas = nullptr;
    CFTBufferInfoProdServ* m_info = nullptr;
};
