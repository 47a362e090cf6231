#include "ft/ftlibrary/CItemPedido.h"

#include <cstring>

#include "base/CQVException.h"
#include "base/QVCurrency.h"
#include "ft/ftlibrary/TipoItemNatureza.h"
#include "ft/ftlibrary/campo_texto.h"

namespace {

constexpr size_t maximo_complemento = 1000;
constexpr size_t maximo_texto = 20;

void duas_casas(CQVCurrencyEx& v) { v.SetPrecisao(true, true); }

// x times a rate of two implied decimals (1234 = 12.34 %), exact.
CURRENCY percentual(CURRENCY x, uint16_t taxa) { return CQVCurrencyEx(x).CalculaPercentual(taxa); }

CURRENCY zero() { return qv_cy(0); }

// The withholdings' record fields, k = 1 to 6.
struct campos_retencao {
    CURRENCY REG_ITEM_PEDIDO::*valor;
    uint16_t REG_ITEM_PEDIDO::*aliquota;
};
constexpr campos_retencao retencoes[6] = {
    {&REG_ITEM_PEDIDO::Retencao1, &REG_ITEM_PEDIDO::AliquotaRetencao1},
    {&REG_ITEM_PEDIDO::Retencao2, &REG_ITEM_PEDIDO::AliquotaRetencao2},
    {&REG_ITEM_PEDIDO::Retencao3, &REG_ITEM_PEDIDO::AliquotaRetencao3},
    {&REG_ITEM_PEDIDO::Retencao4, &REG_ITEM_PEDIDO::AliquotaRetencao4},
    {&REG_ITEM_PEDIDO::Retencao5, &REG_ITEM_PEDIDO::AliquotaRetencao5},
    {&REG_ITEM_PEDIDO::Retencao6, &REG_ITEM_PEDIDO::AliquotaRetencao6},
};

// The nature's byte behind each calculation flag (STBaseValor is the one read inverted, at 500).
constexpr size_t bytes_natureza[CItemPedido::QuantidadeFlags] = {
    496, 537, 540, 541, 542, 539, 538,                 // IPI
    495, 520, 522, 523, 524, 521, 531, 642, 529, 525,  // ICMS
    499, 500, 509, 510, 511, 508, 518, 512,            // ICMS-ST
};

uint16_t le16(const uint8_t* bytes, size_t offset) {
    uint16_t v;
    std::memcpy(&v, bytes + offset, sizeof v);
    return v;
}
int64_t le64(const uint8_t* bytes, size_t offset) {
    int64_t v;
    std::memcpy(&v, bytes + offset, sizeof v);
    return v;
}

}  // namespace

int CItemPedido::indice(int k) {
    if (k < 1 || k > 6) throw CInvalidArgException();
    return k - 1;
}
int CItemPedido::indice3(int k) {
    if (k < 1 || k > 3) throw CInvalidArgException();
    return k - 1;
}

CItemPedido::CItemPedido() {
    m_ValorUnitario.SetPrecisao(m_CasasDecimais, true);
    m_DescontoUnitario.SetPrecisao(m_CasasDecimais, true);
    for (CQVCurrencyEx* v : {&m_ValorBruto, &m_Valor, &m_Valor3, &m_Valor2, &m_ValorIPI, &m_ValorICMS,
                             &m_ValorICMSST, &m_ValorTributoUnitario1, &m_ValorTributoUnitario2, &m_Volumes}) {
        duas_casas(*v);
    }
    for (CQVCurrencyEx& v : m_Retencao) duas_casas(v);
    m_Flag1 = 1;
    m_OpcaoFilial = 1;
    for (int f = CalculaIPI; f <= ReduzBaseICMS; ++f) m_Flags[f] = 1;
}

CItemPedido::CItemPedido(const REG_ITEM_PEDIDO& r) : CItemPedido() {
    SetCasasDecimais(r.CasasDecimais);
    m_ValorUnitario = r.ValorUnitario;
    m_DescontoPercentual = r.DescontoPercentual;
    m_DescontoUnitario = m_DescontoPercentual ? static_cast<int64_t>(r.PercentualDesconto) * 1000000 : r.DescontoUnitario;
    m_Quantidade = r.Quantidade;
    m_Quantidade2 = r.Quantidade2;
    m_Quantidade3 = r.Quantidade3;
    m_AliquotaIPI = r.AliquotaIPI;
    m_ValorIPI = r.ValorIPI;
    for (int k = 0; k < 6; ++k) {
        m_Retencao[k] = r.*retencoes[k].valor;
        m_AliquotaRetencao[k] = r.*retencoes[k].aliquota;
    }
    m_Valor = r.Valor;
    m_Volumes = r.Volumes;
    m_ValorICMS = r.ValorICMS;
    m_ValorICMSST = r.ValorICMSST;
    m_ValorTributoUnitario1 = r.ValorTributoUnitario1;
    m_ValorTributoUnitario2 = r.ValorTributoUnitario2;
    m_MargemST = r.MargemST;
    m_Posicao = r.Posicao;
    m_PosicaoTabelaPreco = r.PosicaoTabelaPreco;
    m_Codigo2 = r.Codigo2;
    m_CodigoNatureza = r.CodigoNatureza;
    m_Codigo3 = r.Codigo3;
    m_AliquotaICMS = r.AliquotaICMS;
    m_AliquotaICMSST = r.AliquotaICMSST;
    m_AliquotaICMSST2 = r.AliquotaICMSST2;
    m_AliquotaICMSST3 = r.AliquotaICMSST3;
    m_DataEntrega = r.DataEntrega;
    m_PercentualReducao = r.PercentualReducao;
    m_Complemento = ft::le_texto(r.Complemento, maximo_complemento);
    m_Texto1 = ft::le_texto(r.Texto1, maximo_texto);
    m_Texto2 = ft::le_texto(r.Texto2, sizeof r.Texto2);
    m_CST = ft::le_texto(r.CST, sizeof r.CST);
    m_CFOP = ft::le_texto(r.CFOP, sizeof r.CFOP);
    m_Flag1 = r.Flag1;
    m_LivreCobranca = r.LivreCobranca;
    m_NaoTotaliza = r.NaoTotaliza;
    m_Tipo = r.Produto > 0 ? 'P' : 'S';
    m_Flag3 = r.Flag3;
    m_IPIPorUnidade = r.IPIPorUnidade;
    m_Flag4 = r.Flag4;
    m_TipoItem = r.TipoItem;
    m_ReducaoBase = r.ReducaoBase;
    // A loaded item calculates what its type calculates until a nature says otherwise.
    for (BYTE& f : m_Flags) f = EhProduto() ? 1 : 0;
    m_Flags[SomaIPIBaseICMS2] = 0;
    CalculaValores();
}

void CItemPedido::SetCasasDecimais(BYTE casas) {
    m_CasasDecimais = casas > 8 ? 8 : casas;
    m_ValorUnitario.SetCasasDecimais(m_CasasDecimais);
    m_DescontoUnitario.SetCasasDecimais(m_CasasDecimais);
}

void CItemPedido::GetRegistro(REG_ITEM_PEDIDO& r) const {
    r.Posicao = m_Posicao;
    r.Quantidade = m_Quantidade;
    r.Quantidade2 = m_Quantidade2;
    r.Quantidade3 = m_Quantidade3;
    r.ValorUnitario = m_ValorUnitario.GetValor();
    r.DescontoUnitario = GetDescontoUnitarioValor().GetValor();
    r.AliquotaIPI = m_AliquotaIPI;
    r.ValorIPI = m_ValorIPI;
    for (int k = 0; k < 6; ++k) {
        r.*retencoes[k].valor = m_Retencao[k];
        r.*retencoes[k].aliquota = m_AliquotaRetencao[k];
    }
    r.Valor = m_Valor;
    r.Volumes = m_Volumes;
    r.ValorICMS = m_ValorICMS;
    r.ValorICMSST = m_ValorICMSST;
    r.ValorTributoUnitario1 = m_ValorTributoUnitario1;
    r.ValorTributoUnitario2 = m_ValorTributoUnitario2;
    r.MargemST = m_MargemST;
    r.PosicaoTabelaPreco = m_PosicaoTabelaPreco;
    r.Codigo2 = m_Codigo2;
    r.CodigoNatureza = m_CodigoNatureza;
    r.PercentualDesconto = static_cast<uint16_t>(m_DescontoUnitario.GetValor() / 1000000);
    r.Codigo3 = m_Codigo3;
    r.AliquotaICMS = m_AliquotaICMS;
    r.AliquotaICMSST = m_AliquotaICMSST;
    r.AliquotaICMSST2 = m_AliquotaICMSST2;
    r.AliquotaICMSST3 = m_AliquotaICMSST3;
    r.DataEntrega = m_DataEntrega;
    r.PercentualReducao = m_PercentualReducao;
    ft::grava_texto(r.Complemento, sizeof r.Complemento, maximo_complemento, m_Complemento);
    ft::grava_texto(r.Texto1, sizeof r.Texto1, maximo_texto, m_Texto1);
    ft::grava_texto(r.Texto2, sizeof r.Texto2, maximo_texto, m_Texto2);
    // Terminated inside their fields.
    ft::grava_texto(r.CST, sizeof r.CST, sizeof r.CST - 1, m_CST);
    ft::grava_texto(r.CFOP, sizeof r.CFOP, sizeof r.CFOP - 1, m_CFOP);
    r.DescontoPercentual = m_DescontoPercentual;
    r.Flag1 = m_Flag1;
    r.LivreCobranca = m_LivreCobranca;
    r.NaoTotaliza = m_NaoTotaliza;
    r.Produto = EhProduto() ? 1 : 0;
    r.CasasDecimais = m_CasasDecimais;
    r.Flag3 = m_Flag3;
    r.IPIPorUnidade = m_IPIPorUnidade;
    r.Flag4 = m_Flag4;
    r.TipoItem = m_TipoItem;
    r.ReducaoBase = m_ReducaoBase;
}

REG_ITEM_PEDIDO CItemPedido::GetRegistroPedido() const {
    REG_ITEM_PEDIDO r;
    std::memset(&r, 0, sizeof r);
    GetRegistro(r);
    return r;
}

bool CItemPedido::SetTipo(BYTE tipo) {
    if (tipo == 'P' || tipo == 'S') {
        m_Tipo = tipo;
        return true;
    }
    m_Tipo = 0;
    return false;
}

void CItemPedido::SetInfoItem(const REG_INFO_ITEM_PEDIDO& info) {
    const uint8_t* b = info.bytes;
    if (EhProduto()) {
        m_IsentoIPI1 = b[467] != 0;
        m_IsentoIPI2 = b[468] != 0;
        m_IsentoIPI3 = b[469] != 0;
        m_SemICMS = b[470] != 0;
        m_PesoLiquido = le64(b, 432);
        m_PesoBruto = le64(b, 440);
        m_UnidadePesoBruto = b[462];
        m_UnidadePesoLiquido = b[463];
    } else {
        m_IsentoIPI1 = m_IsentoIPI2 = m_IsentoIPI3 = m_SemICMS = 0;
        m_PesoLiquido = m_PesoBruto = 0;
        m_UnidadePesoBruto = m_UnidadePesoLiquido = 0;
        m_MargemST = zero();
    }
    m_SomaIPIBaseICMS = b[472] != 0;
}

void CItemPedido::SetNatureza(const _REG_NATUREZAPS& natureza) {
    const uint8_t* b = natureza.bytes;
    m_CodigoNatureza = le16(b, 466);
    if (!EhProduto()) {
        for (BYTE& f : m_Flags) f = 0;
        m_TipoItem = 0;
        return;
    }
    uint32_t primeira_palavra;
    std::memcpy(&primeira_palavra, b, sizeof primeira_palavra);
    if (primeira_palavra == 0) {
        m_TipoItem = 2;
        for (BYTE& f : m_Flags) f = 1;
        m_Flags[SomaIPIBaseICMS2] = 0;
        return;
    }
    m_TipoItem = TipoItemNatureza(natureza);
    for (int f = 0; f < QuantidadeFlags; ++f) m_Flags[f] = b[bytes_natureza[f]] != 0;
    m_Flags[STBaseValor] = b[500] == 0;
}

CQVCurrencyEx8 CItemPedido::GetDescontoUnitarioValor() const {
    if (!m_DescontoPercentual) return m_DescontoUnitario;
    CQVCurrencyEx8 valor;
    valor.SetPrecisao(m_CasasDecimais, true);
    valor = m_ValorUnitario.CalculaPercentual(m_DescontoUnitario);
    return valor;
}

CQVCurrencyEx8 CItemPedido::GetValorUnitarioLiquido() const {
    CQVCurrencyEx8 liquido(m_ValorUnitario);
    liquido -= GetDescontoUnitarioValor();
    return liquido;
}

void CItemPedido::CalculaValores() {
    if (m_ValorUnitario.GetValor() > 0 && m_Quantidade.GetValor64() > 0) {
        // Eight-decimal products, taken to four decimals, kept at two.
        const CQVCurrencyEx8 liquido = GetValorUnitarioLiquido();
        m_ValorBruto = (m_ValorUnitario * m_Quantidade.GetValor()).GetCurrencyEx();
        m_Valor = (liquido * m_Quantidade.GetValor()).GetCurrencyEx();
        m_Valor3 = (liquido * m_Quantidade3.GetValor()).GetCurrencyEx();
        m_Valor2 = (liquido * m_Quantidade2.GetValor()).GetCurrencyEx();
    } else if (EhProduto()) {
        m_ValorBruto = m_Valor = m_Valor3 = m_Valor2 = zero();
    } else {
        // A service without unit price stands by its value.
        m_ValorBruto = m_Valor;
        if ((m_Quantidade.GetValor64() == 0 && m_Flag3) || m_Quantidade.GetValor() == m_Quantidade2.GetValor()) {
            m_Valor3 = zero();
            m_Valor2 = m_Valor;
        } else {
            m_Valor3 = m_Valor;
            m_Valor2 = zero();
        }
    }
}

CURRENCY CItemPedido::base_valor(Flag liquida) const {
    return m_Flags[liquida] ? m_Valor.GetValor() - m_RateioDesconto : m_ValorBruto.GetValor();
}

void CItemPedido::calcula_ipi() {
    if (!m_Flags[CalculaIPI] || m_IsentoIPI1 || m_IsentoIPI2 || m_IsentoIPI3 || !m_OpcaoFilial) {
        m_ValorIPI = zero();
        return;
    }
    if (m_IPIPorUnidade) {
        m_ValorIPI = m_Quantidade.GetValor() * m_AliquotaIPI.GetValor();
        return;
    }
    CURRENCY base = m_Flags[IPIBaseValor] ? base_valor(IPIBaseLiquida) : zero();
    for (int k = 0; k < 3; ++k) {
        if (m_Flags[IPIBaseEncargo1 + k]) base += m_RateioEncargoProduto[k];
    }
    if (m_Flags[IPIBaseEncargoRateio]) base += m_RateioEncargo;
    m_ValorIPI = QVCalculaPercentual(base, m_AliquotaIPI.GetValor(), 6);
}

void CItemPedido::calcula_icms(CURRENCY& base_reduzida, CURRENCY& base_final) {
    base_reduzida = base_final = zero();
    if (!m_Flags[CalculaICMS] || m_SemICMS) {
        m_ValorICMS = zero();
        return;
    }
    CURRENCY b = zero();
    if (m_Flags[ICMSBaseValor]) {
        b = base_valor(ICMSBaseLiquida);
        const CURRENCY minimo = m_Quantidade.GetValor() * m_ValorTributoUnitario1.GetValor();
        if (minimo > b) b = minimo;
    }
    if (m_Flags[ICMSBaseEncargoRateio]) b += m_RateioEncargo;
    if ((m_CodigoNatureza == 0 && m_SomaIPIBaseICMS) || m_Flags[SomaIPIBaseICMS2]) b += m_ValorIPI.GetValor();
    CURRENCY c = b;
    for (int k = 0; k < 3; ++k) {
        if (!m_Flags[ICMSBaseEncargo1 + k]) continue;
        b += m_RateioEncargoProduto[k];
        if (m_Flags[EncargosBaseReduzida]) c += m_RateioEncargoProduto[k];
    }
    if (m_PercentualFilial == 0 && m_Flags[ReduzBaseICMS]) {
        CQVCurrencyEx reducao;
        duas_casas(reducao);
        reducao = percentual(c, m_PercentualReducao);
        if (m_ReducaoBase) {
            b += reducao.GetValor();
        } else if (b > reducao.GetValor()) {
            b -= reducao.GetValor();
            c -= reducao.GetValor();
        } else {
            b = zero();
        }
    }
    base_reduzida = b;
    // The tax situation's second digit, for a three-character code only.
    if (m_PercentualFilial != 10000 && m_CST.size() >= 2 && m_CST.size() < 4 && m_CST[1] >= '0' && m_CST[1] <= '9') {
        switch (m_CST[1]) {
        case '0':
        case '1':
            if (m_FlagFilial4 && m_AliquotaICMS == 0) b = zero();
            break;
        case '2':
        case '7':
            if (m_PercentualFilial > 0) b -= percentual(base_reduzida, m_PercentualFilial);
            break;
        case '6':
        case '9':
            b -= c;
            break;
        default:
            break;
        }
    }
    base_final = b;
    m_ValorICMS = percentual(b, m_AliquotaICMS);
}

void CItemPedido::calcula_icms_st(BYTE parametro, CURRENCY base_reduzida, CURRENCY base_final) {
    if (!parametro || !m_Flags[CalculaST] || m_AliquotaICMSST == 0) {
        m_ValorICMSST = zero();
        return;
    }
    CURRENCY s = base_final;
    if (m_Flags[STBaseValor]) {
        s = base_valor(STBaseLiquida);
        const CURRENCY referencia = m_Quantidade.GetValor() * m_ValorTributoUnitario2.GetValor();
        if (referencia > s) s = referencia;
    }
    for (int k = 0; k < 3; ++k) {
        if (m_Flags[STBaseEncargo1 + k]) s += m_RateioEncargoProduto[k];
    }
    if (m_Flags[STBaseEncargoRateio]) s += m_RateioEncargo;
    if (m_Flags[STSomaIPI]) s += m_ValorIPI.GetValor();
    CQVCurrencyEx t;   // four decimals, truncating
    t = s;
    t = t.GetValor() + percentual(t, m_AliquotaICMSST3);
    t = t.GetValor() - percentual(t, m_AliquotaICMSST2);
    m_ValorICMSST = percentual(t, m_AliquotaICMSST);
    if (m_ClienteFlagItem) return;
    if (m_MargemST > zero()) {
        CQVCurrencyEx propria;
        duas_casas(propria);
        propria = base_reduzida - CQVCurrencyEx(base_reduzida).CalculaPercentual(m_MargemST);
        m_ValorICMSST -= percentual(propria, m_AliquotaICMS);
    } else {
        m_ValorICMSST -= m_ValorICMS.GetValor();
    }
}

void CItemPedido::CalculaImpostos(BYTE parametro) {
    CalculaValores();
    if (!EhProduto()) {
        for (int k = 0; k < 6; ++k) m_Retencao[k] = percentual(m_Valor, m_AliquotaRetencao[k]);
        m_ValorICMS = m_ValorICMSST = m_ValorIPI = m_ValorTributoUnitario1 = m_ValorTributoUnitario2 = zero();
        return;
    }
    calcula_ipi();
    CURRENCY base_reduzida, base_final;
    calcula_icms(base_reduzida, base_final);
    calcula_icms_st(parametro, base_reduzida, base_final);
    for (CQVCurrencyEx& r : m_Retencao) r = zero();
}
