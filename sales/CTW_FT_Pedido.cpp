#include "sales/CTW_FT_Pedido.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"
#include "ft/ftlibrary/campo_texto.h"
#include "ft/ftlibrary/libera_registro_pedido.h"
#include "ft/ftlibrary/memoria_tarefa.h"
#include "ft/ftlibrary/pendura_itens.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "sales/messages.h"
#include "sales/pedido_cadastros.h"
#include "sales/servidor_pedidos.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"
#include "server/holders/sessao_atual.h"

namespace sales {

namespace {

// The freight payer and the transport mode as the record codes them; a text not in the table
// (compared with case) is the last code.
struct codigo_texto {
    const char* texto;
    uint8_t codigo;
};
constexpr codigo_texto pagadores_frete[] = {{"emitente", 0}, {"destinatario", 1}, {"terceiro", 2}};
constexpr uint8_t pagador_frete_outro = 3;
constexpr codigo_texto vias[] = {{"rodoviario", 0}, {"ferroviario", 1}, {"rodoferroviario", 2},
                                 {"aquario", 3},    {"dutoviario", 4},  {"aereo", 5}};
constexpr uint8_t via_outra = 6;

template <size_t N>
uint8_t codigo_de(const codigo_texto (&tabela)[N], const std::string& texto, uint8_t outro) {
    for (const auto& c : tabela)
        if (texto == c.texto) return c.codigo;
    return outro;
}

std::string sem_pontos(std::string texto) {
    texto.erase(std::remove(texto.begin(), texto.end(), '.'), texto.end());
    return texto;
}

CURRENCY valor(BSTR texto) { return QVConverteTextoCY(com::from_bstr(texto).c_str()); }

// A new task-memory block in a pointer field of the record.
void pendura_bloco(uint32_t& campo, size_t bytes) {
    void* bloco = ft::aloca_tarefa(bytes);
    if (!bloco) throw std::bad_alloc();
    try {
        campo = com::wire_pointer_put(bloco);
    } catch (...) {
        ft::libera_tarefa(bloco);
        throw;
    }
}

}  // namespace

void CTW_FT_Pedido::final_construct() {
    const server::sessao_atual sessao = server::le_sessao_atual();
    const auto hoje = [this] { return m_hoje; };
    m_app.m_Hoje = hoje;
    m_unidades.SetRelogio(hoje);
    m_grade.m_Hoje = hoje;
    m_municipios.m_Hoje = hoje;
    m_naturezas.m_Hoje = hoje;
    LeRelogio();
    m_app.Inicializa(sessao.empresa, 0, sessao.usuario, sessao.sessao);
    // The library's error display goes to the event log only; the caches stay quiet.
    m_unidades.Inicializa(true, &m_app);
    m_grade.Inicializa(sessao.empresa, sessao.usuario, sessao.sessao);
    m_grade.Gerenciador().m_MostraMensagens = false;
    m_grade.Limpa();
    m_municipios.Inicializa(sessao.empresa, sessao.usuario, sessao.sessao);
    m_municipios.m_Gerenciador.m_MostraMensagens = false;
    m_municipios.Limpa();
    m_naturezas.Inicializa(sessao.empresa, sessao.usuario, sessao.sessao);
    m_naturezas.m_Gerenciador.m_MostraMensagens = false;
    m_naturezas.Limpa();
    m_condicao.CQVInicializador::Inicializa(sessao.empresa, sessao.usuario, sessao.sessao);
    m_pedido.SetBufferNaturezas(&m_naturezas);
    m_pedido.SetAppInfo(&m_app);
    m_registro = {};
}

void CTW_FT_Pedido::LeRelogio() { m_hoje = QVGetDataAtual(false); }

CTW_FT_Pedido::~CTW_FT_Pedido() {
    // Blocks of an order that was never saved are this object's to free.
    ft::libera_registro_pedido(m_registro);
}

void CTW_FT_Pedido::PreparaInfoProdServ() {
    server::CPoolConexoes& pool = *server::CPoolConexoes::GetInstancia();
    m_pedido.SetBufferInfoProdServ(nullptr);
    m_info = std::make_unique<CFTBufferInfoProdServ>(&m_grade, pool.GetConexaoServico(), &m_unidades,
                                                     &buffer_cfrt(), &m_municipios);
    m_info->Inicializa(true, &m_app);
    m_info->SetRelogio([this] { return m_hoje; });
    m_pedido.SetBufferInfoProdServ(m_info.get());
}

bool CTW_FT_Pedido::PassoFilial(const std::string& codigo) {
    inhouse::REG_FILIAL filial{};
    long posicao = 0;
    if (!server::CPoolConexoes::GetInstancia()->GetConexaoFilial()->Existe(codigo, &posicao, &filial)) return false;
    m_registro.PosicaoFilial = static_cast<uint16_t>(posicao);
    m_pedido.SetFilial(filial);
    return true;
}

bool CTW_FT_Pedido::PassoCliente(const std::string& codigo) {
    QVCFRT cliente{};
    int32_t posicao = 0;
    if (!le_cliente(codigo, posicao, cliente)) return false;
    m_registro.PosicaoCliente = posicao;
    m_condicao.SetDadosVencimento(cliente);
    m_pedido.SetCliente(cliente);
    return true;
}

void CTW_FT_Pedido::PenduraParcelas() {
    const uint16_t n = m_condicao.GetQtdParcelas();
    // The record counts instalments in one byte.
    const uint8_t quantidade = static_cast<uint8_t>(std::min<uint16_t>(n, 255));
    pendura_bloco(m_registro.Parcelas, sizeof(REG_PARCELA_PEDIDO) * quantidade);
    m_registro.QtdParcelas = quantidade;
    auto* parcelas = static_cast<REG_PARCELA_PEDIDO*>(com::wire_pointer_get(m_registro.Parcelas));
    for (uint8_t i = 0; i < quantidade; ++i) {
        parcelas[i] = {};
        m_condicao.GetParcela(i).GetRegistro(parcelas[i]);
    }
}

HRESULT CTW_FT_Pedido::SetDados(BSTR /*bsCodigoProprio*/, BSTR bsFilial, BSTR bsCliente, BSTR bsDataEntrega,
                                BSTR bsOpComerciais, BSTR bsCFOP, BSTR bsNumOcCliente, BSTR bsObservacoes,
                                BSTR bsTotalProdutos, BSTR bsTotalDesconto, BSTR bsTotalIpi, BSTR bsQtdeVolumes,
                                BSTR bsFretePorConta, BSTR bsTransportadora, BSTR bsVia, BSTR bsRedespacho,
                                BSTR bsPesoBruto, BSTR bsPesoLiquido, BSTR bsMarca, BSTR bsEspecie, BSTR bsNumInicial,
                                BSTR bsLocalEntrega, BSTR bsTipoCobranca, BSTR bsDataEmissao, BSTR bsCondicaoPgto,
                                VARIANT_BOOL* pvbSucesso) noexcept try {
    if (!pvbSucesso) return E_POINTER;
    *pvbSucesso = VARIANT_FALSE;
    server::le_sessao_atual();
    LeRelogio();
    // The blocks of an earlier SetDados go first: the record is built again from the order.
    ft::libera_registro_pedido(m_registro);
    m_gravado = false;

    if (!PassoFilial(com::from_bstr(bsFilial))) return S_OK;
    if (!PassoCliente(com::from_bstr(bsCliente))) return S_OK;

    REG_PEDIDO& r = m_registro;
    r.PosicaoOperacao = static_cast<int32_t>(posicao_operacao(com::from_bstr(bsOpComerciais)));
    r.PosicaoNatureza = posicao_natureza(com::from_bstr(bsCFOP), r.PosicaoFilial, m_hoje);
    // Two fields of their own: a billing type's look-up never leaves anything in the condition's.
    r.PosicaoTipoCobranca = static_cast<uint16_t>(posicao_tipo_cobranca(com::from_bstr(bsTipoCobranca)));
    r.PosicaoCondicaoPagamento = posicao_condicao(com::from_bstr(bsCondicaoPgto));

    const CURRENCY total = valor(bsTotalProdutos);
    r.TotalProdutosCliente = r.TotalProdutosCliente2 = r.TotalProdutosCliente3 = total;
    r.DescontoProdutos = valor(bsTotalDesconto);
    r.TotalIPI = valor(bsTotalIpi);

    r.PagadorFrete = codigo_de(pagadores_frete, com::from_bstr(bsFretePorConta), pagador_frete_outro);
    r.ModoTransporte = codigo_de(vias, com::from_bstr(bsVia), via_outra);

    r.PosicaoRepresentante = server::CSessaoGlobal::GetInstancia()->GetPosicaoRepresentante();
    r.DataEntrega = QVConverteTextoData(com::from_bstr(bsDataEntrega).c_str());
    r.DataEmissao = QVConverteTextoData(com::from_bstr(bsDataEmissao).c_str());
    r.Byte1917 = 0;
    r.Byte1922 = 1;
    r.Byte1923 = 1;

    const std::string observacoes = com::from_bstr(bsObservacoes);
    r.TamanhoObservacoes = 0;
    if (!observacoes.empty()) {
        // The size field has 16 bits: a longer text is cut to what it can count.
        const size_t n = std::min<size_t>(observacoes.size(), 0xFFFE);
        pendura_bloco(r.Observacoes, n + 1);
        auto* bloco = static_cast<char*>(com::wire_pointer_get(r.Observacoes));
        std::memset(bloco, 0, n + 1);
        std::memcpy(bloco, observacoes.data(), n);
        r.TamanhoObservacoes = static_cast<uint16_t>(n + 1);
    }
    ft::grava_texto(r.PedidoCliente, sizeof r.PedidoCliente, 51, com::from_bstr(bsNumOcCliente));
    ft::grava_texto(r.LocalEntrega, sizeof r.LocalEntrega, 201, com::from_bstr(bsLocalEntrega));

    BYTE byte381 = 0;
    if (parametro_comercial(381, byte381) && byte381 == 1) r.Byte1933 = 1;

    r.PosicaoTransportadora = posicao_conta(com::from_bstr(bsTransportadora));
    r.PosicaoRedespacho = posicao_conta(com::from_bstr(bsRedespacho));

    r.PesoBruto = valor(bsPesoBruto);
    r.PesoLiquido = valor(bsPesoLiquido);
    r.Volumes = QVConverteTextoCY(sem_pontos(com::from_bstr(bsQtdeVolumes)).c_str());

    ft::grava_texto(r.MarcaVolumes, sizeof r.MarcaVolumes, 61, com::from_bstr(bsMarca));
    ft::grava_texto(r.EspecieVolumes, sizeof r.EspecieVolumes, 61, com::from_bstr(bsEspecie));
    ft::grava_texto(r.NumeroVolumes, sizeof r.NumeroVolumes, 19, com::from_bstr(bsNumInicial));

    pendura_bloco(r.Entradas, 0);
    pendura_bloco(r.Bloco, 0);
    if (FAILED(ft::pendura_itens(m_pedido, r))) throw std::bad_alloc();
    PenduraParcelas();

    PreparaInfoProdServ();
    com::check(m_pedido.SetRegistro(r), msg::dados_pedido);
    *pvbSucesso = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::Grava(VARIANT_BOOL* pvbSucesso) noexcept try {
    if (!pvbSucesso) return E_POINTER;
    *pvbSucesso = VARIANT_FALSE;
    const server::sessao_atual sessao = server::le_sessao_atual();
    if (m_gravado) com::fail(msg::pedido_ja_gravado, E_FAIL);
    com::com_ptr<IQVFT_Pedidos> servidor = servidor_pedidos();
    if (!servidor) com::fail(msg::gravar_pedido, E_FAIL);
    QV_PEDIDO_2208 pedido;
    static_assert(sizeof pedido == sizeof m_registro);
    std::memcpy(&pedido, &m_registro, sizeof pedido);
    LONG gravados = 0;
    const HRESULT hr = servidor->Grava(0, pedido, sessao.sessao, &gravados);
    servidor = nullptr;
    if (FAILED(hr) || gravados < 1) com::fail(msg::gravar_pedido, FAILED(hr) ? hr : 0);
    ft::libera_registro_pedido(m_registro);
    m_gravado = true;
    *pvbSucesso = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales
