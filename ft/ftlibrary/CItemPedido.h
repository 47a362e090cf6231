#pragma once
// One line of an order: a product ('P') or a service ('S') with its unit price, discount and
// quantities, its values, its shares of the order's discounts and charges, its taxes (IPI, ICMS,
// ICMS-ST) and six service withholdings. Built from an item record or copied, told the branch,
// customer, product-information and nature rules that apply, recalculated on request and written
// back into an item record. Money members keep their decimals and rounding from construction:
// two decimals rounding half away from zero ("2r") or four truncating ("4t").
#include <windows.h>
#include <wtypes.h>

#include <cstdint>
#include <string>

#include "base/CQVCurrencyEx.h"
#include "base/CQVCurrencyEx8.h"
#include "ft/ftlibrary/registros_pedido.h"

// An eight-decimal value of the item whose copy takes the decimals and mode of the source too:
// the item's unit values follow the item's own number of decimals.
class valor8_item : public CQVCurrencyEx8 {
public:
    using CQVCurrencyEx8::CQVCurrencyEx8;
    using CQVCurrencyEx8::operator=;
    valor8_item(const valor8_item&) = default;
    valor8_item(valor8_item&&) = default;
    valor8_item& operator=(valor8_item&& other) { return *this = static_cast<const valor8_item&>(other); }
    valor8_item& operator=(const valor8_item& other) {
        SetPrecisao(other.GetCasasDecimais(), other.GetModo() == rounding::half_away);
        SetValor(other.GetValor());
        return *this;
    }
};

class CItemPedido {
public:
    CItemPedido();
    explicit CItemPedido(const REG_ITEM_PEDIDO& registro);
    CItemPedido(const CItemPedido&) = default;
    CItemPedido(CItemPedido&&) = default;
    CItemPedido& operator=(const CItemPedido&) = default;
    CItemPedido& operator=(CItemPedido&&) = default;
    virtual ~CItemPedido() = default;

    // Writes the item's fields into a record the caller provides (the fields it does not own are
    // left as they are).
    void GetRegistro(REG_ITEM_PEDIDO& registro) const;
    // A zero-filled record with the item's fields.
    REG_ITEM_PEDIDO GetRegistroPedido() const;

    // 'P' or 'S'; any other byte stores 0 and answers false.
    bool SetTipo(BYTE tipo);
    void SetLivreCobranca(BYTE flag) { m_LivreCobranca = flag; }
    void SetOpcaoFTParametro(BYTE flag) { m_Flag1 = flag; }
    void SetOpcaoFilial(BYTE flag) { m_OpcaoFilial = flag; }
    void SetPercentualFilial(uint16_t percentual) { m_PercentualFilial = percentual; }
    void SetFlagFilial4(BYTE flag) { m_FlagFilial4 = flag; }
    void SetClienteFlagItem(BYTE flag) { m_ClienteFlagItem = flag; }
    void SetInfoItem(const REG_INFO_ITEM_PEDIDO& info);
    void SetNatureza(const _REG_NATUREZAPS& natureza);

    void CalculaValores();
    // `parametro`: byte 403 of the sales parameters (non-zero lets ICMS-ST be calculated).
    void CalculaImpostos(BYTE parametro);

    // The unit discount as an amount: the discount itself, or the unit price times the
    // percentage when the discount is given as a percentage; at the item's decimals.
    CQVCurrencyEx8 GetDescontoUnitarioValor() const;
    // The unit price less the unit discount amount.
    CQVCurrencyEx8 GetValorUnitarioLiquido() const;

    // Values.
    const CQVCurrencyEx8& GetValorUnitario() const { return m_ValorUnitario; }
    void SetValorUnitario(int64_t valor8) { m_ValorUnitario = valor8; }
    const CQVCurrencyEx8& GetDescontoUnitario() const { return m_DescontoUnitario; }
    void SetDescontoUnitario(int64_t valor8) { m_DescontoUnitario = valor8; }
    BYTE GetDescontoPercentual() const { return m_DescontoPercentual; }
    void SetDescontoPercentual(BYTE flag) { m_DescontoPercentual = flag; }
    BYTE GetCasasDecimais() const { return m_CasasDecimais; }
    void SetCasasDecimais(BYTE casas);
    CURRENCY GetQuantidade() const { return m_Quantidade; }
    void SetQuantidade(CURRENCY q) { m_Quantidade = q; }
    CURRENCY GetQuantidade2() const { return m_Quantidade2; }
    void SetQuantidade2(CURRENCY q) { m_Quantidade2 = q; }
    CURRENCY GetQuantidade3() const { return m_Quantidade3; }
    void SetQuantidade3(CURRENCY q) { m_Quantidade3 = q; }
    CURRENCY GetValorBruto() const { return m_ValorBruto; }
    CURRENCY GetValor() const { return m_Valor; }
    void SetValor(CURRENCY v) { m_Valor = v; }
    CURRENCY GetValor2() const { return m_Valor2; }
    CURRENCY GetValor3() const { return m_Valor3; }

    // Taxes.
    CURRENCY GetAliquotaIPI() const { return m_AliquotaIPI; }
    void SetAliquotaIPI(CURRENCY a) { m_AliquotaIPI = a; }
    BYTE GetIPIPorUnidade() const { return m_IPIPorUnidade; }
    void SetIPIPorUnidade(BYTE flag) { m_IPIPorUnidade = flag; }
    CURRENCY GetValorIPI() const { return m_ValorIPI; }
    CURRENCY GetValorICMS() const { return m_ValorICMS; }
    CURRENCY GetValorICMSST() const { return m_ValorICMSST; }
    uint16_t GetAliquotaICMS() const { return m_AliquotaICMS; }
    void SetAliquotaICMS(uint16_t a) { m_AliquotaICMS = a; }
    uint16_t GetAliquotaICMSST() const { return m_AliquotaICMSST; }
    void SetAliquotaICMSST(uint16_t a) { m_AliquotaICMSST = a; }
    uint16_t GetAliquotaICMSST2() const { return m_AliquotaICMSST2; }
    void SetAliquotaICMSST2(uint16_t a) { m_AliquotaICMSST2 = a; }
    uint16_t GetAliquotaICMSST3() const { return m_AliquotaICMSST3; }
    void SetAliquotaICMSST3(uint16_t a) { m_AliquotaICMSST3 = a; }
    CURRENCY GetMargemST() const { return m_MargemST; }
    void SetMargemST(CURRENCY m) { m_MargemST = m; }
    uint16_t GetPercentualReducao() const { return m_PercentualReducao; }
    void SetPercentualReducao(uint16_t p) { m_PercentualReducao = p; }
    BYTE GetReducaoBase() const { return m_ReducaoBase; }
    void SetReducaoBase(BYTE flag) { m_ReducaoBase = flag; }
    const std::string& GetCST() const { return m_CST; }
    void SetCST(const std::string& cst) { m_CST = cst.substr(0, 11); }
    CURRENCY GetValorTributoUnitario1() const { return m_ValorTributoUnitario1; }
    void SetValorTributoUnitario1(CURRENCY v) { m_ValorTributoUnitario1 = v; }
    CURRENCY GetValorTributoUnitario2() const { return m_ValorTributoUnitario2; }
    void SetValorTributoUnitario2(CURRENCY v) { m_ValorTributoUnitario2 = v; }

    // The six withholdings: k from 1 to 6. Rates have two implied decimals.
    CURRENCY GetRetencao(int k) const { return m_Retencao[indice(k)]; }
    void SetRetencao(int k, CURRENCY v) { m_Retencao[indice(k)] = v; }
    uint16_t GetAliquotaRetencao(int k) const { return m_AliquotaRetencao[indice(k)]; }
    void SetAliquotaRetencao(int k, uint16_t a) { m_AliquotaRetencao[indice(k)] = a; }

    // Apportioned shares (the order's totals set them).
    CURRENCY GetRateioEncargo(int k) const { return m_RateioEncargoProduto[indice3(k)]; }
    void SetRateioEncargo(int k, CURRENCY v) { m_RateioEncargoProduto[indice3(k)] = v; }
    CURRENCY GetRateioDesconto() const { return m_RateioDesconto; }
    void SetRateioDesconto(CURRENCY v) { m_RateioDesconto = v; }
    CURRENCY GetRateioEncargo() const { return m_RateioEncargo; }
    void SetRateioEncargo(CURRENCY v) { m_RateioEncargo = v; }

    // Identity, flags and texts.
    BYTE GetTipo() const { return m_Tipo; }
    bool EhProduto() const { return m_Tipo == 'P'; }
    const _REG_POSICAO_PRODUTOPS& GetPosicao() const { return m_Posicao; }
    void SetPosicao(const _REG_POSICAO_PRODUTOPS& p) { m_Posicao = p; }
    uint16_t GetCodigoNatureza() const { return m_CodigoNatureza; }
    void SetCodigoNatureza(uint16_t c) { m_CodigoNatureza = c; }
    BYTE GetTipoItem() const { return m_TipoItem; }
    void SetTipoItem(BYTE t) { m_TipoItem = t; }
    BYTE GetLivreCobranca() const { return m_LivreCobranca; }
    BYTE GetNaoTotaliza() const { return m_NaoTotaliza; }
    void SetNaoTotaliza(BYTE flag) { m_NaoTotaliza = flag; }
    BYTE GetFlag1() const { return m_Flag1; }
    BYTE GetFlag3() const { return m_Flag3; }
    void SetFlag3(BYTE flag) { m_Flag3 = flag; }
    BYTE GetFlag4() const { return m_Flag4; }
    void SetFlag4(BYTE flag) { m_Flag4 = flag; }
    BYTE GetOpcaoFilial() const { return m_OpcaoFilial; }
    uint16_t GetPercentualFilial() const { return m_PercentualFilial; }
    BYTE GetFlagFilial4() const { return m_FlagFilial4; }
    BYTE GetClienteFlagItem() const { return m_ClienteFlagItem; }
    CURRENCY GetVolumes() const { return m_Volumes; }
    void SetVolumes(CURRENCY v) { m_Volumes = v; }
    const std::string& GetComplemento() const { return m_Complemento; }
    void SetComplemento(const std::string& t) { m_Complemento = t; }
    const std::string& GetTexto1() const { return m_Texto1; }
    void SetTexto1(const std::string& t) { m_Texto1 = t; }
    const std::string& GetTexto2() const { return m_Texto2; }
    void SetTexto2(const std::string& t) { m_Texto2 = t; }
    const std::string& GetCFOP() const { return m_CFOP; }
    void SetCFOP(const std::string& t) { m_CFOP = t; }

    // Weights of one unit and their unit codes (from the product information).
    CURRENCY GetPesoBruto() const { return qv_cy(m_PesoBruto); }
    CURRENCY GetPesoLiquido() const { return qv_cy(m_PesoLiquido); }
    BYTE GetUnidadePesoBruto() const { return m_UnidadePesoBruto; }
    BYTE GetUnidadePesoLiquido() const { return m_UnidadePesoLiquido; }

    // The calculation flags, in their fixed order, and the information flags.
    enum Flag : int {
        CalculaIPI, IPIBaseValor, IPIBaseEncargo1, IPIBaseEncargo2, IPIBaseEncargo3, IPIBaseEncargoRateio,
        IPIBaseLiquida, CalculaICMS, ICMSBaseValor, ICMSBaseEncargo1, ICMSBaseEncargo2, ICMSBaseEncargo3,
        ICMSBaseEncargoRateio, ICMSBaseLiquida, EncargosBaseReduzida, ReduzBaseICMS, SomaIPIBaseICMS2,
        CalculaST, STBaseValor, STBaseEncargo1, STBaseEncargo2, STBaseEncargo3, STBaseEncargoRateio,
        STBaseLiquida, STSomaIPI,
        QuantidadeFlags
    };
    BYTE GetFlag(Flag f) const { return m_Flags[f]; }
    void SetFlag(Flag f, BYTE valor) { m_Flags[f] = valor; }
    BYTE GetIsentoIPI1() const { return m_IsentoIPI1; }
    BYTE GetIsentoIPI2() const { return m_IsentoIPI2; }
    BYTE GetIsentoIPI3() const { return m_IsentoIPI3; }
    BYTE GetSomaIPIBaseICMS() const { return m_SomaIPIBaseICMS; }
    BYTE GetSemICMS() const { return m_SemICMS; }

private:
    static int indice(int k);
    static int indice3(int k);
    void flags_de_construcao();
    void calcula_ipi();
    // The ICMS; answers the base before the tax-situation rules (kept for ICMS-ST) and the final base.
    void calcula_icms(CURRENCY& base_reduzida, CURRENCY& base_final);
    void calcula_icms_st(BYTE parametro, CURRENCY base_reduzida, CURRENCY base_final);
    CURRENCY base_valor(Flag liquida) const;

    valor8_item m_ValorUnitario;
    valor8_item m_DescontoUnitario;
    CQVCurrencyEx m_Quantidade, m_Quantidade2, m_Quantidade3;                  // 4t
    CQVCurrencyEx m_ValorBruto, m_Valor, m_Valor3, m_Valor2;                   // 2r
    CQVCurrencyEx m_AliquotaIPI;                                               // 4t
    CQVCurrencyEx m_ValorIPI, m_ValorICMS, m_ValorICMSST;                      // 2r
    CQVCurrencyEx m_Retencao[6];                                               // 2r
    CQVCurrencyEx m_ValorTributoUnitario1, m_ValorTributoUnitario2;            // 2r
    CQVCurrencyEx m_Volumes;                                                   // 2r
    CURRENCY m_RateioEncargoProduto[3]{};
    CURRENCY m_RateioDesconto{};
    CURRENCY m_RateioEncargo{};
    CURRENCY m_MargemST{};
    uint16_t m_PercentualReducao = 0;
    BYTE m_ReducaoBase = 0;
    std::string m_CST;
    _REG_POSICAO_PRODUTOPS m_Posicao{};
    uint16_t m_CodigoNatureza = 0;
    uint16_t m_Codigo3 = 0;
    uint16_t m_AliquotaRetencao[6]{};
    uint16_t m_AliquotaICMS = 0, m_AliquotaICMSST = 0, m_AliquotaICMSST2 = 0, m_AliquotaICMSST3 = 0;
    uint16_t m_PosicaoTabelaPreco = 0, m_Codigo2 = 0, m_DataEntrega = 0;
    std::string m_Complemento, m_Texto1, m_Texto2, m_CFOP;
    BYTE m_DescontoPercentual = 0;
    BYTE m_Flag1 = 0, m_LivreCobranca = 0, m_NaoTotaliza = 0;
    BYTE m_IPIPorUnidade = 0;
    BYTE m_Flag3 = 0, m_Flag4 = 0;
    BYTE m_OpcaoFilial = 0;
    uint16_t m_PercentualFilial = 0;
    BYTE m_FlagFilial4 = 0;
    BYTE m_Tipo = 'P';
    BYTE m_CasasDecimais = 2;
    BYTE m_TipoItem = 0;
    BYTE m_Flags[QuantidadeFlags]{};
    BYTE m_ClienteFlagItem = 0;
    BYTE m_IsentoIPI1 = 0, m_IsentoIPI2 = 0, m_IsentoIPI3 = 0, m_SomaIPIBaseICMS = 0, m_SemICMS = 0;
    int64_t m_PesoLiquido = 0, m_PesoBruto = 0;
    BYTE m_UnidadePesoBruto = 0, m_UnidadePesoLiquido = 0;
};
