#include "ft/ftlibrary/CCalculaNotaFiscal.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "base/QVRelogio.h"
#include "ft/ftlibrary/CQVSugestaoImpostosPisCofins.h"
#include "ft/ftlibrary/CServidoresNotaFiscal.h"
#include "ft/ftlibrary/CServidoresNotaFiscalCOM.h"
#include "ft/ftlibrary/campo_texto.h"
#include "ft/ftlibrary/regras_clientes_especificos.h"

namespace {

// Bytes of the nature record: the taxes it charges, further ICMS marks and the PIS/COFINS tax
// situations of a nature that charges nothing.
constexpr size_t incide_icms = 495;
constexpr size_t incide_ipi = 496;
constexpr size_t incide_pis = 497;
constexpr size_t incide_cofins = 498;
constexpr size_t incide_icms_st = 499;
constexpr size_t marca_529 = 529;
constexpr size_t marca_530 = 530;
constexpr size_t marca_650 = 650;
constexpr size_t cst_pis_natureza = 624;
constexpr size_t cst_cofins_natureza = 637;

// Bytes of the customer record.
constexpr size_t cliente_aliquota_st = 64;
constexpr size_t cliente_usa_aliquota_st = 216;
constexpr size_t cliente_proprio_estado = 1323;
constexpr size_t cliente_regime_especial = 1326;
constexpr size_t cliente_pis_cofins_alternativa = 1350;
constexpr size_t cliente_modelo_55 = 1352;
constexpr size_t cliente_excecao_regime_icms = 1584;
constexpr size_t cliente_excecao_regime_ipi = 1585;
constexpr size_t cliente_municipio = 2608;
constexpr size_t cliente_uf = 3058;
constexpr size_t cliente_uf_tamanho = 5;
constexpr size_t cliente_st_alternativa = 3069;

constexpr uint16_t cst_sem_ajuste = 99;
constexpr char modelo_55[] = "55";

// CSOSN of the simple national regime that do not charge ICMS.
constexpr const char* csosn_sem_icms[] = {"101", "102", "103", "300", "400", "500"};

template <class T>
T le(const void* registro, size_t offset) {
    T v;
    std::memcpy(&v, static_cast<const uint8_t*>(registro) + offset, sizeof v);
    return v;
}

// A rate of the servers (money) as hundredths of a percent.
uint16_t centesimos(int64_t valor) { return static_cast<uint16_t>(valor / 100); }

bool texto_igual_sem_caixa(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

void poe_modelo(REG_IMPOSTOS_PRODUTO_NF& r, bool modelo55, const REG_REGRA_DOCUMENTO_NF& regra) {
    std::memset(r.Modelo, 0, sizeof r.Modelo);
    if (modelo55)
        std::memcpy(r.Modelo, modelo_55, 2);
    else
        std::memcpy(r.Modelo, regra.Modelo, sizeof regra.Modelo);
}

}  // namespace

CCalculaNotaFiscal::CCalculaNotaFiscal() : CCalculaNotaFiscal(std::make_unique<CServidoresNotaFiscalCOM>()) {}

CCalculaNotaFiscal::CCalculaNotaFiscal(std::unique_ptr<CServidoresNotaFiscal> servidores)
    : m_Servidores(std::move(servidores)) {}

CCalculaNotaFiscal::~CCalculaNotaFiscal() = default;

HRESULT CCalculaNotaFiscal::Inicializa(REG_SESSAO_NOTA_FISCAL sessao) {
    m_Sessao = sessao;
    const std::string empresa = ft::le_texto(sessao.Empresa, 27);
    return m_Servidores->Inicializa(empresa, sessao.Usuario, sessao.Sessao);
}

void CCalculaNotaFiscal::SetFilial(uint16_t filial, uint16_t codigoMestre, const inhouse::REG_FILIAL& registro) {
    m_Filial = CONFIG_FILIAL_NF{};
    m_Filial.Filial = filial;
    m_Filial.CodigoMestre = codigoMestre;
    m_Filial.Chave = registro.codigo;
    m_Filial.Municipio = registro.municipio;
    m_Filial.Estado = registro.estado;
    m_Filial.AjustaCST = registro.ajusta_cst == 'S';
    m_Filial.OpcaoSituacaoAlternativa = registro.opcao_situacao;
    DerivaFilial();
    // The customer's rate is the one of an operation from this branch.
    DerivaCliente();
}

void CCalculaNotaFiscal::DerivaFilial() {
    uint16_t estado = m_Filial.Estado;
    if (m_Filial.Municipio != 0) {
        if (FAILED(m_Servidores->EstadoMunicipio(m_Filial.Municipio, estado))) return;
    } else if (estado == 0) {
        return;
    }
    // A branch without a municipality but with its state still has that state's rate: without it
    // every sale inside the state would be charged 0 %.
    if (FAILED(m_Servidores->LeEstado(estado))) return;
    int64_t primeira = 0, segunda = 0;
    if (FAILED(m_Servidores->AliquotasEstado(estado, m_Filial.Filial, primeira, segunda))) return;
    m_Filial.Estado = estado;
    m_Filial.AliquotaEstado = centesimos(segunda);
}

void CCalculaNotaFiscal::SetCliente(QVCFRT cliente) {
    const void* c = &cliente;
    m_Cliente = CONFIG_CLIENTE_NF{};
    m_Cliente.Municipio = le<uint16_t>(c, cliente_municipio);
    std::memcpy(m_Cliente.UF, static_cast<const uint8_t*>(c) + cliente_uf, cliente_uf_tamanho);
    m_Cliente.UF[cliente_uf_tamanho] = 0;
    m_Cliente.AliquotaICMSST = centesimos(le<int64_t>(c, cliente_aliquota_st));
    m_Cliente.ProprioEstado = le<char>(c, cliente_proprio_estado) == 'S';
    m_Cliente.RegimeEspecial = le<char>(c, cliente_regime_especial) == 'S';
    m_Cliente.STAlternativa = le<char>(c, cliente_st_alternativa) == 'S';
    m_Cliente.PisCofinsAlternativa = le<uint8_t>(c, cliente_pis_cofins_alternativa) == 1;
    m_Cliente.Modelo55 = le<uint8_t>(c, cliente_modelo_55) != 0;
    m_Cliente.ExcecaoRegimeICMS = le<uint8_t>(c, cliente_excecao_regime_icms) != 0;
    m_Cliente.ExcecaoRegimeIPI = le<uint8_t>(c, cliente_excecao_regime_ipi) != 0;
    m_Cliente.UsaAliquotaST = le<uint8_t>(c, cliente_usa_aliquota_st) != 0;
    DerivaCliente();
}

void CCalculaNotaFiscal::DerivaCliente() {
    if (m_Cliente.Municipio == 0 && m_Cliente.UF[0] == 0) {
        m_Cliente.Estado = 0;
        m_Cliente.AliquotaEstado = 0;
        return;
    }
    HRESULT hr = S_OK;
    if (m_Cliente.Municipio != 0) {
        uint16_t estado = 0;
        if (FAILED(m_Servidores->EstadoMunicipio(m_Cliente.Municipio, estado))) return;
        m_Cliente.Estado = estado;
        hr = m_Servidores->LeEstado(estado);
    } else {
        uint16_t estado = 0;
        hr = m_Servidores->PesquisaEstado(m_Cliente.UF, estado);
        if (SUCCEEDED(hr)) m_Cliente.Estado = estado;
    }
    if (FAILED(hr)) return;
    int64_t primeira = 0, segunda = 0;
    if (SUCCEEDED(m_Servidores->AliquotasEstado(m_Cliente.Estado, m_Filial.Filial, primeira, segunda)))
        m_Cliente.AliquotaEstado = centesimos(segunda);
}

uint16_t CCalculaNotaFiscal::Hoje() const { return m_Hoje ? m_Hoje() : QVGetDataAtual(false); }

CHAVE_REGRA_PRODUTO_NF CCalculaNotaFiscal::Chave(int32_t produto, uint16_t data, uint16_t estado) const {
    CHAVE_REGRA_PRODUTO_NF k{};
    k.Produto = produto;
    k.Filial = m_Filial.Filial;
    k.Data = data;
    k.Estado = estado;
    return k;
}

HRESULT CCalculaNotaFiscal::LeRegraDocumento(int32_t produto, REG_REGRA_DOCUMENTO_NF& regra, REG_IMPOSTOS_PRODUTO_NF& r) {
    if (const HRESULT hr = m_Servidores->RegraDocumento(Chave(produto, Hoje(), m_Cliente.Estado), regra); FAILED(hr))
        return hr;
    poe_modelo(r, m_Cliente.Modelo55, regra);
    return S_OK;
}

HRESULT CCalculaNotaFiscal::LeFilialProduto(int32_t produto, REG_IMPOSTOS_PRODUTO_NF& r) {
    REG_FILIAL_PRODUTO_NF resposta{};
    if (const HRESULT hr = m_Servidores->FilialProduto(m_Filial.Filial, produto, resposta); FAILED(hr)) return hr;
    r.ValorFilialProduto = resposta.Valor;
    r.FlagFilialProduto = resposta.Flag != 0 ? 1 : 0;
    return S_OK;
}

bool CCalculaNotaFiscal::ICMSCobrado(const std::string& situacao, const _REG_NATUREZAPS& natureza,
                                     const _REG_PRODUTOPS& produto) const {
    const bool marca530 = natureza.bytes[marca_530] != 0;
    // A customer of Paraná in the branch's own state, charged its own state's rate.
    const bool regraPR = m_Cliente.ProprioEstado && m_Filial.Estado == m_Cliente.Estado &&
                         texto_igual_sem_caixa(m_Cliente.UF, "PR");
    if (marca530 && regraPR) return true;
    if (situacao.size() >= 4) {
        const std::string csosn = situacao.substr(1);
        return std::none_of(std::begin(csosn_sem_icms), std::end(csosn_sem_icms),
                            [&](const char* c) { return csosn == c; });
    }
    if (situacao.size() < 2) return true;
    switch (situacao[1]) {
    case '3':
    case '4':
        return m_Cliente.RegimeEspecial;
    case '5':
        return situacao.size() >= 3 && situacao[2] == '1' && marca530 && produto.diferimento != 0;
    case '6':
    case '9':
        return false;
    default:
        return true;
    }
}

HRESULT CCalculaNotaFiscal::EscolheAliquotaICMS(int32_t produto, const _REG_PRODUTOPS& registro, REG_REGRA_ICMS_NF& regra,
                                                REG_IMPOSTOS_PRODUTO_NF& r) {
    const bool mesmoEstado = m_Filial.Estado == m_Cliente.Estado;
    const bool regraPropria =
        registro.regra_icms_propria != 0 && !ft::ignora_regra_propria_do_produto(m_Filial.CodigoMestre, m_Filial.Filial);
    if (!regraPropria) {
        r.AliquotaICMS = mesmoEstado || !m_Cliente.ProprioEstado ? m_Filial.AliquotaEstado : m_Cliente.AliquotaEstado;
        return S_OK;
    }
    if (ft::aliquota_da_regra_do_produto(m_Filial.CodigoMestre)) {
        r.AliquotaICMS = !mesmoEstado && m_Cliente.ProprioEstado ? m_Cliente.AliquotaEstado : regra.Aliquota;
        return S_OK;
    }
    if (!mesmoEstado && !m_Cliente.ProprioEstado) {
        // Charged as inside the branch's state: the product's rule there.
        if (const HRESULT hr = m_Servidores->RegraICMS(Chave(produto, 0, m_Filial.Estado), regra); FAILED(hr)) return hr;
    }
    r.ValorICMS = regra.ValorICMS;
    r.AliquotaICMS = regra.Aliquota;
    return S_OK;
}

HRESULT CCalculaNotaFiscal::CalculaProduto(int32_t produto, uint16_t natureza, uint16_t data,
                                           REG_IMPOSTOS_PRODUTO_NF* resultado) {
    if (!resultado) return E_POINTER;
    REG_IMPOSTOS_PRODUTO_NF& r = *resultado;
    std::memset(&r, 0, sizeof r);

    // 2. The nature; without one every tax counts as charged.
    _REG_NATUREZAPS nat{};
    const bool comNatureza = natureza != 0 && data != 0;
    if (comNatureza) {
        if (const HRESULT hr = m_Servidores->LeNatureza(natureza, data, nat); FAILED(hr)) return hr;
    } else {
        for (size_t b : {incide_icms, incide_ipi, incide_pis, incide_cofins, incide_icms_st, marca_529}) nat.bytes[b] = 1;
    }
    REG_REGRA_DOCUMENTO_NF documento{};
    if (comNatureza && !nat.bytes[incide_icms] && !nat.bytes[incide_ipi] && !nat.bytes[incide_pis] &&
        !nat.bytes[incide_cofins]) {
        r.CSTPIS = m_Filial.AjustaCST ? cst_sem_ajuste : nat.bytes[cst_pis_natureza];
        r.CSTCOFINS = m_Filial.AjustaCST ? cst_sem_ajuste : nat.bytes[cst_cofins_natureza];
        if (const HRESULT hr = LeRegraDocumento(produto, documento, r); FAILED(hr)) return hr;
        return LeFilialProduto(produto, r);
    }

    // 3. The product and its ICMS rule for the customer's state.
    _REG_PRODUTOPS prod{};
    if (const HRESULT hr = m_Servidores->LeProduto(produto, prod); FAILED(hr)) return hr;
    REG_REGRA_ICMS_NF regra{};
    if (const HRESULT hr = m_Servidores->RegraICMS(Chave(produto, 0, m_Cliente.Estado), regra); FAILED(hr)) return hr;

    // 4. The tax situation.
    const uint8_t codigo = m_Filial.AjustaCST && m_Filial.OpcaoSituacaoAlternativa == 1 ? regra.SituacaoAlternativa
                                                                                         : regra.Situacao;
    std::string situacao;
    if (codigo != 0) {
        if (const HRESULT hr = m_Servidores->SituacaoTributaria(codigo, situacao); FAILED(hr)) return hr;
    }
    r.SituacaoTributaria = regra.Situacao;

    // 5. Whether ICMS is charged.
    r.CalculaICMS = ICMSCobrado(situacao, nat, prod) ? 1 : 0;

    // 6. ICMS.
    if (nat.bytes[incide_icms]) {
        if (r.CalculaICMS) {
            if (const HRESULT hr = EscolheAliquotaICMS(produto, prod, regra, r); FAILED(hr)) return hr;
            if (nat.bytes[marca_529] || nat.bytes[marca_530] || nat.bytes[marca_650]) {
                r.ValorICMS2 = regra.Valor2;
                r.ByteICMS = regra.Byte49;
            }
        }
        r.ValorICMS3 = regra.Valor3;
        r.RegimeEspecialICMS =
            regra.SemRegimeEspecial == 0 && m_Cliente.RegimeEspecial && !m_Cliente.ExcecaoRegimeICMS ? 1 : 0;
    }

    // 7. ICMS-ST.
    if (nat.bytes[incide_icms] && nat.bytes[incide_icms_st]) {
        if (m_Cliente.UsaAliquotaST) {
            r.AliquotaICMSST = m_Cliente.AliquotaICMSST;
        } else {
            r.AliquotaICMSST = regra.AliquotaST;
            r.ValorICMSST3 = regra.ST34;
            r.ValorICMSST4 = regra.ST36;
            r.ValorICMSST2b = regra.ST38;
            r.ValorICMS4 = regra.ICMS42;
            r.ValorICMSST1 = regra.ValorST1;
            r.ValorICMSST2 = regra.ValorST2;
            if (m_Cliente.STAlternativa) {
                r.ValorICMSST3 = regra.ST38;
                r.ValorICMS3 = regra.ICMS42;
                r.ValorICMSST4 = regra.ST40;
            }
        }
    }

    // 8 and 9. The document rule and the branch's settings of the product.
    if (const HRESULT hr = LeRegraDocumento(produto, documento, r); FAILED(hr)) return hr;
    if (const HRESULT hr = LeFilialProduto(produto, r); FAILED(hr)) return hr;

    // 10. IPI.
    if (nat.bytes[incide_ipi]) {
        r.ValorIPI2 = documento.ValorIPI2;
        r.AliquotaIPI = documento.AliquotaIPI;
        r.FlagIPI1 = documento.FlagIPI1 != 0 ? 1 : 0;
        r.FlagIPI2 = documento.FlagIPI2 != 0 ? 1 : 0;
        r.FlagIPI3 = documento.FlagIPI3 != 0 ? 1 : 0;
        r.CalculaIPI = 1;
        r.RegimeEspecialIPI =
            documento.SemRegimeEspecial == 0 && m_Cliente.RegimeEspecial && !m_Cliente.ExcecaoRegimeIPI ? 1 : 0;
        if (!documento.FlagIPI1 && !documento.FlagIPI2 && documento.AliquotaIPI == 0 && !m_Cliente.Modelo55)
            r.ValorDocumento = documento.ValorDocumento;
        const bool semIPI = m_Cliente.RegimeEspecial
                                ? documento.SemRegimeEspecial == 0
                                : documento.FlagIPI1 || documento.FlagIPI2 || m_Cliente.Modelo55;
        if (semIPI) {
            r.AliquotaIPI = 0;
            r.ValorIPI2 = 0;
            r.CalculaIPI = 0;
            r.ValorDocumento = 0;
        }
        r.ValorIPI3 = documento.ValorIPI3;
    }

    // 11. PIS and COFINS; a failure of the suggestion is the calculation's.
    CQVSugestaoImpostosPisCofins sugestao;
    sugestao.SetAjustaCST(m_Filial.AjustaCST ? 1 : 0);
    sugestao.SetAlternativa(m_Cliente.PisCofinsAlternativa ? 1 : 0);
    sugestao.SetChaveArquivo(m_Filial.Chave);
    sugestao.SetChaveServidor(m_Filial.Filial);
    sugestao.m_PastaCadastros = m_PastaCadastros;
    sugestao.m_Hoje = [this] { return Hoje(); };
    return sugestao.Sugere(*m_Servidores, prod, nat, r);
}
