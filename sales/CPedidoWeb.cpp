#include "sales/CPedidoWeb.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"
#include "ft/ftlibrary/campo_texto.h"
#include "ft/ftlibrary/libera_registro_pedido.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "sales/CItemPedidoWeb.h"
#include "sales/CPedidos.h"
#include "sales/messages.h"

namespace sales {

namespace {

// Every web order alive in this process: GravaPedido recognises its own by identity.
std::vector<CPedidoWeb*>& vivos() {
    static std::vector<CPedidoWeb*> v;
    return v;
}

struct texto_codigo {
    const char* texto;
    uint8_t codigo;
};
constexpr texto_codigo fretes[] = {{"E", 0}, {"D", 1}, {"T", 2}};
constexpr texto_codigo vias[] = {{"Rod", 0}, {"Fer", 1}, {"RodFer", 2}, {"Aq", 3}, {"Dut", 4}, {"Aer", 5}, {"Out", 6}};

uint8_t byte_registro(const REG_PEDIDO& r, size_t posicao) { return reinterpret_cast<const uint8_t*>(&r)[posicao]; }

std::string texto_situacao(const REG_PEDIDO& r) {
    constexpr std::pair<size_t, const char*> bytes[] = {
        {1916, "Cancelado"}, {1931, "Bloqueado"}, {1919, "Faturado"},
        {1915, "Atendido"},  {1918, "Parcialmente atendido"}, {1917, "Parcialmente faturado"},
    };
    for (const auto& [posicao, texto] : bytes)
        if (byte_registro(r, posicao) != 0) return texto;
    return r.Byte1933 == 0 ? "Pendente" : "Em Análise";
}

}  // namespace

registro_gravacao::~registro_gravacao() { ft::libera_registro_pedido(registro); }

CPedidoWeb::CPedidoWeb() {
    m_municipio.SetTrataErros(false);
    vivos().push_back(this);
}

CPedidoWeb::~CPedidoWeb() { std::erase(vivos(), this); }

CPedidoWeb* CPedidoWeb::deste_servidor(IUnknown* objeto) noexcept {
    if (!objeto) return nullptr;
    com::com_ptr<IUnknown> identidade;
    if (FAILED(objeto->QueryInterface(IID_IUnknown, identidade.put_void()))) return nullptr;
    for (CPedidoWeb* p : vivos()) {
        com::com_ptr<IUnknown> dela;
        if (SUCCEEDED(p->QueryInterface(IID_IUnknown, dela.put_void())) && dela.get() == identidade.get()) return p;
    }
    return nullptr;
}

CPedidos& CPedidoWeb::dono() const {
    if (!m_dono || !m_dono->Inicializado()) com::fail(msg::pedido_sem_dono, E_UNEXPECTED);
    return *m_dono.get();
}

bool CPedidoWeb::Prepara(com::com_ptr<CPedidos> dono, LONG lPosicaoRepresentante) {
    m_dono = std::move(dono);
    if (lPosicaoRepresentante == 0) return false;
    _RegContaPS conta{};
    if (FAILED(m_dono->LeConta(lPosicaoRepresentante, conta)) || conta.marcas[169 - 164] != 'S') return false;

    const SYSTEMTIME hoje = GetCurrentTime_LocalTime();
    const uint16_t dia = QVMontaData(hoje.wDay, hoje.wMonth, hoje.wYear);
    LONG numero = 0;
    // A server that cannot tell the number starts the month again at 1, as an empty month does.
    if (IQVFT_Pedidos* servidor = m_dono->ServidorPedidos())
        (void)servidor->NumeroMes(QVMontaMesAno(hoje.wMonth, hoje.wYear), &numero);
    if (numero == 0) numero = 1;
    char texto[32];
    std::snprintf(texto, sizeof texto, "%02d%02d-%06ld", hoje.wMonth, hoje.wYear % 100, static_cast<long>(numero));
    m_sNumero = texto;

    m_registro = REG_PEDIDO{};
    m_registro.DataEmissao = dia;
    m_registro.PosicaoRepresentante = lPosicaoRepresentante;
    m_bCondicoes = true;
    m_pedido.SetAppInfo(&m_dono->AppInfo());
    (void)m_municipio.Inicializa(m_dono->Empresa(), m_dono->Usuario(), m_dono->Sessao());
    return true;
}

std::string CPedidoWeb::codigo_conta(int32_t posicao, bool nome) const {
    if (posicao == 0) return {};
    _RegContaPS conta{};
    if (FAILED(dono().LeConta(posicao, conta))) return {};
    return nome ? ft::le_texto(conta.nome, sizeof conta.nome) : ft::le_texto(conta.codigo_proprio, sizeof conta.codigo_proprio);
}

void CPedidoWeb::busca_conta(BSTR codigo, int32_t& campo) { dono().BuscaConta(com::from_bstr(codigo), campo); }

// Header properties.

HRESULT CPedidoWeb::get_PosCFOP(SHORT* pVal) noexcept { return com::put_number(pVal, static_cast<SHORT>(m_registro.PosicaoNatureza)); }

HRESULT CPedidoWeb::put_PosCFOP(SHORT newVal) noexcept {
    m_registro.PosicaoNatureza = static_cast<uint16_t>(newVal);
    return S_OK;
}

HRESULT CPedidoWeb::get_CodigoRepresentante(BSTR* pVal) noexcept try {
    return com::put_text(pVal, codigo_conta(m_registro.PosicaoRepresentante, false));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_CodigoCliente(BSTR* pVal) noexcept try {
    return com::put_text(pVal, codigo_conta(m_registro.PosicaoCliente, false));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_CodigoCliente(BSTR newVal) noexcept try {
    busca_conta(newVal, m_registro.PosicaoCliente);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_LocalEntrega(BSTR* pVal) noexcept {
    return com::put_text(pVal, ft::le_texto(m_registro.LocalEntrega, 200));
}

HRESULT CPedidoWeb::put_LocalEntrega(BSTR newVal) noexcept try {
    ft::grava_texto(m_registro.LocalEntrega, sizeof m_registro.LocalEntrega, 200, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_DataEmissao(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataData(m_registro.DataEmissao, true));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_NomeRepresentante(BSTR* pVal) noexcept try {
    return com::put_text(pVal, codigo_conta(m_registro.PosicaoRepresentante, true));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_NomeCliente(BSTR* pVal) noexcept try {
    return com::put_text(pVal, codigo_conta(m_registro.PosicaoCliente, true));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_QuantidadeItems(LONG* pVal) noexcept { return com::put_number(pVal, static_cast<LONG>(m_pedido.GetQtdItens())); }

HRESULT CPedidoWeb::GetItem(SHORT iPosicao, IItemPedidoWeb** ppItem) noexcept try {
    if (!ppItem) return E_POINTER;
    *ppItem = nullptr;
    if (iPosicao < 0 || iPosicao >= static_cast<SHORT>(m_pedido.GetQtdItens())) return S_OK;
    CPedidos& colecao = dono();
    com::com_ptr<CItemPedidoWeb> item;
    try {
        item = com::make<CItemPedidoWeb>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::pedido_ler_item, E_OUTOFMEMORY);
    }
    REG_ITEM_PEDIDO registro{};
    m_pedido.GetItem(static_cast<uint16_t>(iPosicao)).GetRegistro(registro);
    item->Preenche(registro, com::com_ptr<CPedidoWeb>(this), colecao.Produtos(), colecao.Grades());
    return com::put_object(ppItem, com::com_ptr<IItemPedidoWeb>(item.get()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::RemoveItem(SHORT iPosicao) noexcept try {
    if (iPosicao < 0 || iPosicao >= static_cast<SHORT>(m_pedido.GetQtdItens()))
        com::fail(msg::pedido_indice_invalido, E_INVALIDARG);
    m_pedido.RemoveItem(static_cast<uint16_t>(iPosicao));
    if (static_cast<size_t>(iPosicao) < m_cfops.size()) m_cfops.erase(m_cfops.begin() + iPosicao);
    escolhe_condicao(m_registro.PosicaoCondicaoPagamento);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_NumeroPedido(BSTR* pVal) noexcept { return com::put_text(pVal, m_sNumero); }

HRESULT CPedidoWeb::get_Situacao(BSTR* pVal) noexcept try {
    return com::put_text(pVal, texto_situacao(m_registro));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::LePosicao(LONG lPosicao, BOOL) noexcept try {
    CPedidos& colecao = dono();
    BYTE* bloco = nullptr;
    com::check(colecao.ServidorPedidos()->LePedido(lPosicao, -1, &bloco), msg::pedido_ler_posicao);
    if (!bloco) com::fail(msg::pedido_ler_posicao, E_FAIL);
    registro_gravacao lido;
    std::memcpy(&lido.registro, bloco, sizeof lido.registro);
    CoTaskMemFree(bloco);
    m_pedido.SetAppInfo(&colecao.AppInfo());
    com::check(m_pedido.SetRegistro(lido.registro), msg::pedido_ler_posicao);
    m_lPosicao = lPosicao;
    m_sNumero = CPedido::FormataNumeroPedido(static_cast<uint32_t>(lPosicao));
    m_registro = lido.registro;
    m_registro.Observacoes = m_registro.Itens = m_registro.Parcelas = m_registro.Entradas = m_registro.Bloco = 0;
    m_registro.QtdItens = m_registro.QtdEntradas = 0;
    m_registro.QtdParcelas = 0;
    // The notes come back as a text of their own; the record keeps only its length.
    if (const auto* notas = static_cast<const char*>(com::wire_pointer_get(lido.registro.Observacoes)))
        m_sObservacoes = ft::le_texto(notas, lido.registro.TamanhoObservacoes);
    else
        m_sObservacoes.clear();
    m_registro.TamanhoObservacoes = 0;
    m_cfops.clear();
    for (const CItemPedido& item : m_pedido.GetItens()) m_cfops.push_back(item.GetCodigoNatureza());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_DataEntrega(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataData(m_registro.DataEntrega, true));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_DataEntrega(BSTR newVal) noexcept try {
    m_registro.DataEntrega = QVConverteTextoData(com::from_bstr(newVal).c_str());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_ValorTotal(BSTR* pVal) noexcept try {
    const CURRENCY total = valor_produtos() - m_pedido.GetDescontoTotal();
    return com::put_text(pVal, QVFormataCYMilhar(total));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_Posicao(LONG* pVal) noexcept { return com::put_number(pVal, m_lPosicao); }

HRESULT CPedidoWeb::get_Filial(IFilial** pVal) noexcept { return com::put_object(pVal, m_filial); }

HRESULT CPedidoWeb::put_Filial(IFilial* newVal) noexcept {
    m_filial = com::com_ptr<IFilial>(newVal);
    return S_OK;
}

HRESULT CPedidoWeb::get_Desconto(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCY(m_pedido.GetDescontoTotal()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_Desconto(BSTR newVal) noexcept try {
    m_registro.DescontoProdutos = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    // A refused discount (not below the total) leaves the model's as it was.
    (void)m_pedido.SetDesconto(m_registro.DescontoProdutos, 0);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_CondicaoPagamento(LONG* pVal) noexcept {
    return com::put_number(pVal, static_cast<LONG>(m_registro.PosicaoCondicaoPagamento));
}

HRESULT CPedidoWeb::put_CondicaoPagamento(LONG newVal) noexcept try {
    escolhe_condicao(newVal);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::GetLastError(BSTR* pbsErro) noexcept { return com::put_text(pbsErro, m_sUltimoErro); }

HRESULT CPedidoWeb::get_Observacoes(BSTR* pVal) noexcept { return com::put_text(pVal, m_sObservacoes); }

HRESULT CPedidoWeb::put_Observacoes(BSTR newVal) noexcept try {
    std::string texto = com::from_bstr(newVal);
    // The record carries the notes' length (text and its NUL) in 16 bits.
    if (texto.size() >= 65535) com::fail(msg::pedido_observacoes_longas, E_INVALIDARG);
    m_sObservacoes = std::move(texto);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_Origem(BSTR* pVal) noexcept try {
    switch (m_registro.Byte1922) {
    case 1: return com::put_text(pVal, "WEB");
    case 2: return com::put_text(pVal, "Importação");
    case 3: {
        uint32_t chave = 0;
        std::memcpy(&chave, reinterpret_cast<const BYTE*>(&m_registro) + 774, sizeof chave);
        return com::put_text(pVal, "Orçamento " + std::string(CPedido::FormataNumeroPedido(chave)));
    }
    default: return com::put_text(pVal, "");
    }
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_OrdemCompraCliente(BSTR* pVal) noexcept {
    return com::put_text(pVal, ft::le_texto(m_registro.PedidoCliente, 50));
}

HRESULT CPedidoWeb::put_OrdemCompraCliente(BSTR newVal) noexcept try {
    ft::grava_texto(m_registro.PedidoCliente, sizeof m_registro.PedidoCliente, 50, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::NovoItem(IItemPedidoWeb** ppItem) noexcept try {
    if (!ppItem) return E_POINTER;
    *ppItem = nullptr;
    com::com_ptr<CItemPedidoWeb> item;
    try {
        item = com::make<CItemPedidoWeb>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::pedido_criar_item, E_OUTOFMEMORY);
    }
    return com::put_object(ppItem, com::com_ptr<IItemPedidoWeb>(item.get()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_ValorIPI(BSTR* pVal) noexcept try {
    // The total with four decimals, shown as the eight-decimal value it stands for, cut to 2.
    return com::put_text(pVal, QVFormataValor8Casas(total_ipi().int64 * 10000, 2));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_ValorProdutos(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCY(valor_produtos()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_ValorLight(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCYDecimais(m_registro.TotalProdutosCliente, 2));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_FretePorConta(BSTR* pVal) noexcept {
    for (const auto& f : fretes)
        if (f.codigo == m_registro.PagadorFrete) return com::put_text(pVal, f.texto);
    return com::put_text(pVal, "S");
}

HRESULT CPedidoWeb::put_FretePorConta(BSTR newVal) noexcept try {
    const std::string texto = com::from_bstr(newVal);
    m_registro.PagadorFrete = 3;
    for (const auto& f : fretes)
        if (texto == f.texto) m_registro.PagadorFrete = f.codigo;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_Transportadora(BSTR* pVal) noexcept try {
    return com::put_text(pVal, codigo_conta(m_registro.PosicaoTransportadora, false));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_Transportadora(BSTR newVal) noexcept try {
    busca_conta(newVal, m_registro.PosicaoTransportadora);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_TranspRedespacho(BSTR* pVal) noexcept try {
    return com::put_text(pVal, codigo_conta(m_registro.PosicaoRedespacho, false));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_TranspRedespacho(BSTR newVal) noexcept try {
    busca_conta(newVal, m_registro.PosicaoRedespacho);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_ViaTransporte(BSTR* pVal) noexcept {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    for (const auto& v : vias)
        if (v.codigo == m_registro.ModoTransporte) return com::put_text(pVal, v.texto);
    return S_OK;
}

HRESULT CPedidoWeb::put_ViaTransporte(BSTR newVal) noexcept try {
    const std::string texto = com::from_bstr(newVal);
    for (const auto& v : vias)
        if (texto == v.texto) m_registro.ModoTransporte = v.codigo;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_QuantidadeTotal(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCYMilhar(m_pedido.GetQuantidadeTotal()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_QuantidadeTotal(BSTR newVal) noexcept try {
    m_registro.Volumes = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_PesoBruto(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCYMilhar(m_pedido.GetPesoBruto()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_PesoBruto(BSTR newVal) noexcept try {
    m_registro.PesoBruto = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_PesoLiquido(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCYMilhar(m_pedido.GetPesoLiquido()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::put_PesoLiquido(BSTR newVal) noexcept try {
    m_registro.PesoLiquido = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_Especie(BSTR* pVal) noexcept { return com::put_text(pVal, ft::le_texto(m_registro.EspecieVolumes, 60)); }

HRESULT CPedidoWeb::put_Especie(BSTR newVal) noexcept try {
    ft::grava_texto(m_registro.EspecieVolumes, 61, 60, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_Marca(BSTR* pVal) noexcept { return com::put_text(pVal, ft::le_texto(m_registro.MarcaVolumes, 60)); }

HRESULT CPedidoWeb::put_Marca(BSTR newVal) noexcept try {
    ft::grava_texto(m_registro.MarcaVolumes, 61, 60, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_NrInicial(BSTR* pVal) noexcept { return com::put_text(pVal, ft::le_texto(m_registro.NumeroVolumes, 18)); }

HRESULT CPedidoWeb::put_NrInicial(BSTR newVal) noexcept try {
    ft::grava_texto(m_registro.NumeroVolumes, 19, 18, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_OpComercial(LONG* pVal) noexcept { return com::put_number(pVal, static_cast<LONG>(m_registro.PosicaoOperacao)); }

HRESULT CPedidoWeb::put_OpComercial(LONG newVal) noexcept {
    m_registro.PosicaoOperacao = newVal;
    return S_OK;
}

HRESULT CPedidoWeb::get_TipoCobrancaPedido(SHORT* pVal) noexcept {
    return com::put_number(pVal, static_cast<SHORT>(m_registro.PosicaoTipoCobranca));
}

HRESULT CPedidoWeb::put_TipoCobrancaPedido(SHORT newVal) noexcept {
    m_registro.PosicaoTipoCobranca = static_cast<uint16_t>(newVal);
    return S_OK;
}

}  // namespace sales
