#include "ft/ftlibrary/CFTBufferInfoProdServ.h"

#include <oleauto.h>

#include <cctype>
#include <cstring>
#include <string>

#include "ft/ftlibrary/CFTAppInfo.h"
#include "ft/ftlibrary/CFTBufferMunicipio.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAVISO.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "server/holders/CBufferCFRT.h"

namespace {

// Where each failure is reported from: call-site number, message number, line.
struct ponto_falha {
    long sitio;
    long mensagem;
    int linha;
};
constexpr ponto_falha pontos[] = {
    {0, 24, 0},         // the service read
    {385387, 24, 103},  // 1 product server (product)
    {385379, 24, 154},  // 2 unit (product)
    {349780, 24, 179},  // 3 description text
    {385425, 16, 204},  // 4 customer (product)
    {385395, 35, 222},  // 5 municipality
    {384798, 24, 251},  // 6 tax query
    {385409, 24, 313},  // 7 product server (service)
    {385417, 24, 326},  // 8 unit (service)
    {385433, 16, 347},  // 9 customer (service)
};

// At most `n` characters of the zero-ended text at `origem` (of `largura` bytes) into `destino`;
// the record's zero fill ends it.
void texto(uint8_t* destino, const void* origem, size_t largura, size_t n) {
    const size_t tamanho = strnlen(static_cast<const char*>(origem), largura);
    std::memcpy(destino, origem, tamanho < n ? tamanho : n);
}
template <size_t N>
void copia(uint8_t* destino, const uint8_t* origem) {
    std::memcpy(destino, origem, N);
}

uint32_t partes_de(const uint8_t* r) {
    uint32_t p;
    std::memcpy(&p, r + 394, 4);
    return p;
}

struct flags_cliente {
    bool a = false, b = false;
    bool soma_ipi = false;
};
flags_cliente flags_de(const uint8_t* c) {
    const bool letra = std::toupper(c[1326]) == 'S';
    return {letra && c[1584] == 0, letra && c[1585] == 0, c[2135] == 2};
}

}  // namespace

void CFTBufferInfoProdServ::Limpa() {
    m_Posicoes.Limpa();
    m_Servicos.Limpa();
}

HRESULT CFTBufferInfoProdServ::Falha(HRESULT hr, int ponto) const {
    if (m_MostraErros) {
        const ponto_falha& p = pontos[ponto];
        QVTrataErro2(hr, p.mensagem, p.sitio, m_Contexto ? m_Contexto->GetEmpresa().c_str() : "", "FTBufferInfoProdServ",
                     p.linha, __DATE__ " " __TIME__);
    }
    return hr;
}

HRESULT CFTBufferInfoProdServ::LeCliente(int32_t posicao, QVCFRT& cliente) {
    std::memset(&cliente, 0, sizeof cliente);
    std::memcpy(reinterpret_cast<uint8_t*>(&cliente) + 96, &posicao, 4);
    return m_CFRT ? m_CFRT->Le(&cliente, 0) : E_POINTER;
}

HRESULT CFTBufferInfoProdServ::Le(const REG_CHAVE_INFO_ITEM* chave, REG_INFO_ITEM_PEDIDO* registro) {
    if (!chave || !registro) return E_POINTER;
    std::memset(registro, 0, sizeof *registro);
    if (chave->Posicao.Produto == 0) return S_OK;
    if (chave->Filial != m_Filial || chave->Cliente != m_Cliente) {
        Limpa();
        m_Filial = chave->Filial;
        m_Cliente = chave->Cliente;
    }
    const uint32_t partes = chave->Partes ? chave->Partes : 0xFFFFFFFFu;
    return chave->Produto ? LeProduto(*chave, partes, *registro) : LeServico(*chave, partes, *registro);
}

HRESULT CFTBufferInfoProdServ::LeProduto(const REG_CHAVE_INFO_ITEM& k, uint32_t W, REG_INFO_ITEM_PEDIDO& registro) {
    uint8_t* R = registro.bytes;
    if (m_Posicoes.BuscaMapa(k.Posicao, registro) && (partes_de(R) & W)) return S_OK;
    if (!m_Grade) return Falha(E_POINTER, 1);
    auto& gerenciador = m_Grade->Gerenciador();
    if (const HRESULT hr = gerenciador.Prepara(); FAILED(hr)) return Falha(hr, 1);
    IQVDF_Produto* servidor = gerenciador.Interface();
    if (!servidor) return Falha(E_POINTER, 1);

    _REG_PRODUTOPS produto{};
    const auto* P = reinterpret_cast<const uint8_t*>(&produto);
    if (W & (ParteProduto | ParteDescricao | ParteUnidade)) {
        m_Grade->LeProduto(k.Posicao, produto);
        texto(R + 0, P + 450, 984 - 450, 61);
        texto(R + 62, P + 236, 984 - 236, 121);
        texto(R + 318, P + 534, 984 - 534, 61);
        copia<12>(R + 398, P + 112);
        copia<2>(R + 410, P + 192);
        copia<2>(R + 412, P + 212);
        copia<2>(R + 414, P + 176);
        copia<2>(R + 416, P + 198);
        copia<6>(R + 418, P + 186);
        copia<8>(R + 424, P + 72);
        copia<8>(R + 432, P + 32);
        copia<8>(R + 440, P + 24);
        R[460] = P[929];
        R[462] = P[943];
        R[463] = P[944];
        R[464] = P[937];
        R[465] = P[938];
        R[466] = P[939];
    }
    if (W & ParteUnidade) {
        uint16_t unidade;
        std::memcpy(&unidade, P + 176, 2);
        REG_INFO_UN_MEDIDA u{};
        const HRESULT hr = m_Unidades ? m_Unidades->Carrega(servidor, unidade, true, u) : E_POINTER;
        if (FAILED(hr)) return Falha(hr, 2);
        std::memcpy(R + 306, u.Unidade, sizeof u.Unidade);
        R[461] = u.Casas;
    }
    uint32_t descricao;
    std::memcpy(&descricao, P + 108, 4);
    if ((W & ParteDescricao) && descricao != 0) {
        BSTR b = nullptr;
        const HRESULT hr = servidor->Descricao(static_cast<LONG>(descricao), &b);
        com::unique_bstr guarda(b);
        if (FAILED(hr)) return Falha(hr, 3);
        const std::string t = com::from_bstr(b);
        texto(R + 184, t.c_str(), t.size() + 1, 121);
    }
    if (W & ParteImpostos) {
        QVCFRT cliente{};
        auto* C = reinterpret_cast<uint8_t*>(&cliente);
        const HRESULT hc = LeCliente(k.Cliente, cliente);
        if (FAILED(hc)) return Falha(hc, 4);
        const flags_cliente f = flags_de(C);
        uint16_t codigo_municipio;
        std::memcpy(&codigo_municipio, C + 2608, 2);
        _REG_MUNICIPIO_PS municipio{};
        const HRESULT hm = m_Municipios ? m_Municipios->Le(codigo_municipio, municipio) : E_POINTER;
        if (FAILED(hm)) return Falha(hm, 5);
        CHAVE_CONSULTA_IMPOSTO chave{};
        chave.produto = k.Posicao.Produto;
        chave.filial = k.Filial;
        chave.dia = m_Hoje();
        std::memcpy(&chave.estado, reinterpret_cast<const uint8_t*>(&municipio) + 66, 2);
        QV_CHAVE_14 pedido{};
        std::memcpy(pedido.dados, &chave, sizeof chave);
        RESPOSTA_CONSULTA_IMPOSTO resposta{};
        const HRESULT ht = servidor->ConsultaImposto(f.a ? 24 : 8, pedido, reinterpret_cast<BYTE*>(&resposta));
        if (FAILED(ht)) return Falha(ht, 6);
        R[467] = resposta.isento_ipi1;
        R[468] = resposta.isento_ipi2;
        texto(R + 380, resposta.cst, sizeof resposta.cst, 3);
        R[469] = f.b && resposta.calcula_ipi == 0;
        std::memcpy(R + 456, &resposta.situacao, 2);
        std::memcpy(R + 448, &resposta.aliquota, 8);
        R[470] = f.a && resposta.calcula_icms == 0;
        R[472] = f.soma_ipi;
    }
    R[471] = 1;
    std::memcpy(R + 394, &W, 4);
    if (m_Guarda) m_Posicoes.GuardaMapa(k.Posicao, registro);
    return S_OK;
}

HRESULT CFTBufferInfoProdServ::LeServico(const REG_CHAVE_INFO_ITEM& k, uint32_t W, REG_INFO_ITEM_PEDIDO& registro) {
    uint8_t* R = registro.bytes;
    const auto codigo = static_cast<uint32_t>(k.Posicao.Produto);
    if (m_Servicos.BuscaMapa(codigo, registro) && (partes_de(R) & W)) return S_OK;

    _REG_SERVICOSPS servico{};
    const auto* S = reinterpret_cast<const uint8_t*>(&servico);
    // A service that cannot be read is a failure, not an empty service kept as if it were one.
    if (const HRESULT hr = m_Servico ? m_Servico->Le(static_cast<long>(codigo), &servico, 0) : E_POINTER; FAILED(hr))
        return Falha(hr, 0);
    texto(R + 0, S + 160, 522 - 160, 61);
    texto(R + 62, S + 182, 522 - 182, 121);
    texto(R + 184, S + 234, 522 - 234, 121);
    R[460] = S[508];
    copia<2>(R + 414, S + 66);
    copia<2>(R + 458, S + 76);
    R[471] = S[507];
    R[464] = S[512];
    if (W & ParteUnidade) {
        if (!m_Grade) return Falha(E_POINTER, 7);
        auto& gerenciador = m_Grade->Gerenciador();
        if (const HRESULT hr = gerenciador.Prepara(); FAILED(hr)) return Falha(hr, 7);
        uint16_t unidade;
        std::memcpy(&unidade, R + 414, 2);
        REG_INFO_UN_MEDIDA u{};
        const HRESULT hr = m_Unidades ? m_Unidades->Carrega(gerenciador.Interface(), unidade, false, u) : E_POINTER;
        if (FAILED(hr)) return Falha(hr, 8);
        std::memcpy(R + 306, u.Unidade, sizeof u.Unidade);
        R[461] = u.Casas;
    }
    if (W & ParteImpostos) {
        QVCFRT cliente{};
        auto* C = reinterpret_cast<uint8_t*>(&cliente);
        const HRESULT hc = LeCliente(k.Cliente, cliente);
        if (FAILED(hc)) return Falha(hc, 9);
        R[472] = C[2135] == 2;
    }
    std::memcpy(R + 394, &W, 4);
    if (m_Guarda) m_Servicos.GuardaMapa(codigo, registro);
    return S_OK;
}
