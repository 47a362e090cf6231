#include "sales/CTW_FT_ListaPedidos.h"

#include <cstring>

#include "base/CQVChaveOrigem.h"
#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/mes_atual.h"
#include "sales/messages.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"

namespace sales {

namespace {

com::com_ptr<IQVFT_Pedidos> servidor_pedidos() {
    com::com_ptr<IQVFT_Pedidos> pedidos = server::CCacheServidores::GetInstancia()->GetServidorPedidos();
    if (!pedidos) com::fail(msg::buscar_pedidos, E_FAIL);
    return pedidos;
}

// The list's answer: both blocks are the caller's to free.
struct resultado_lista {
    BYTE* bloco = nullptr;
    ~resultado_lista() {
        if (!bloco) return;
        REG_RESULTADO_PEDIDOS r;
        std::memcpy(&r, bloco, sizeof r);
        CoTaskMemFree(com::wire_pointer_take(r.Posicoes));
        CoTaskMemFree(bloco);
    }
};

// The status marks in the order they are told, the first set one giving the text.
struct marca {
    uint8_t REG_LISTA_PEDIDO::*campo;
    const char* texto;
};
constexpr marca marcas[] = {
    {&REG_LISTA_PEDIDO::Cancelado, "Cancelado"},
    {&REG_LISTA_PEDIDO::Bloqueado, "Bloqueado"},
    {&REG_LISTA_PEDIDO::Faturado, "Faturado"},
    {&REG_LISTA_PEDIDO::Atendido, "Atendido"},
    {&REG_LISTA_PEDIDO::AtendidoParcial, "Parcialmente atendido"},
    {&REG_LISTA_PEDIDO::FaturadoParcial, "Parcialmente faturado"},
};

}  // namespace

const char* CTW_FT_ListaPedidos::Situacao(const REG_LISTA_PEDIDO& registro) noexcept {
    for (const auto& m : marcas)
        if (registro.*m.campo) return m.texto;
    return registro.EmAnalise ? "Em Análise" : "Pendente";
}

// The server answers the sequence of the month's next order; the orders of a month are numbered
// from 1 on, so the month's count is one less.
long CTW_FT_ListaPedidos::QuantidadeMesAtual(uint16_t mes) {
    LONG proxima = 0;
    const HRESULT hr = servidor_pedidos()->NumeroMes(mes, &proxima);
    if (FAILED(hr)) com::fail(msg::buscar_pedidos, hr);
    return proxima > 1 ? proxima - 1 : 0;
}

HRESULT CTW_FT_ListaPedidos::BuscaQtdPedidosMesAtual(long* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    *plQuantidade = QuantidadeMesAtual(le_mes_atual().indice);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::BuscaPonteiros(long* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    const auto* sessao = server::CSessaoGlobal::GetInstancia();
    chave_lista chave{sessao->GetEmpresa(), sessao->GetUsuario(), sessao->GetPosicaoRepresentante(), le_mes_atual().indice};
    chave.quantidade_mes = QuantidadeMesAtual(chave.mes);
    if (m_Lida == chave && m_Buffer->GetQuantidade() > 0) {
        *plQuantidade = static_cast<long>(m_Buffer->GetQuantidade());
        return S_OK;
    }
    m_Lida.reset();
    m_Atual.reset();
    m_Buffer->Limpa();

    REG_FAIXA_PEDIDOS faixa{};
    faixa.DataFinal = 65535;
    faixa.Seletor = 1;
    REG_FILTRO_PEDIDOS filtro{};
    filtro.PosicaoRepresentante = chave.representante;
    QV_FAIXA_PEDIDOS_16 faixa_b;
    QV_FILTRO_PEDIDOS_1014 filtro_b;
    std::memcpy(&faixa_b, &faixa, sizeof faixa_b);
    std::memcpy(&filtro_b, &filtro, sizeof filtro_b);

    com::com_ptr<IQVFT_Pedidos> pedidos = servidor_pedidos();
    resultado_lista resultado;
    const HRESULT hr = pedidos->BuscaPedidos(faixa_b, filtro_b, &resultado.bloco);
    if (FAILED(hr)) com::fail(msg::buscar_pedidos, hr);
    // No orders is reported as the error clients know, with the server's own success code.
    if (!resultado.bloco) com::fail(msg::nenhum_pedido, hr);

    REG_RESULTADO_PEDIDOS r;
    std::memcpy(&r, resultado.bloco, sizeof r);
    const auto* posicoes = static_cast<const uint32_t*>(com::wire_pointer_get(r.Posicoes));
    if (r.Quantidade > 0 && !posicoes) com::fail(msg::buscar_pedidos, E_UNEXPECTED);
    std::vector<long> lista(posicoes, posicoes + r.Quantidade);
    m_Buffer->SetPosicoes(lista.size(), lista.data());
    m_Buffer->SetServidor(std::move(pedidos));
    m_Lida = chave;
    *plQuantidade = static_cast<long>(lista.size());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::LePosicao(unsigned long ulPosArray) noexcept try {
    if (ulPosArray >= m_Buffer->GetQuantidade()) return E_INVALIDARG;
    HRESULT hr = S_OK;
    const BYTE* registro = m_Buffer->GetRegistro(ulPosArray, &hr);
    if (!registro) com::fail(msg::ler_pedido, FAILED(hr) ? hr : E_FAIL);
    REG_LISTA_PEDIDO r;
    std::memcpy(&r, registro, sizeof r);
    m_Atual = r;
    return S_OK;
} catch (...) {
    return report();
}

const REG_LISTA_PEDIDO& CTW_FT_ListaPedidos::Atual() const {
    if (!m_Atual) com::fail(msg::pedido_nao_selecionado, E_UNEXPECTED);
    return *m_Atual;
}

HRESULT CTW_FT_ListaPedidos::GetCodigo(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, QVFormataChaveMesAno(Atual().Numero).c_str());
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::GetDataEmissao(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, QVFormataData(Atual().DataEmissao, true).c_str());
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::GetDataEntrega(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, QVFormataData(Atual().DataEntrega, true).c_str());
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::GetSituacao(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, Situacao(Atual()));
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::GetValorTotal(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, QVFormataCYDecimais(Atual().ValorTotal, 2).c_str());
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::GetNomeCliente(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    const int32_t posicao = Atual().PosicaoCliente;
    if (posicao == 0) return com::put_text(pbsTexto, "");
    _RegContaPS conta{};
    const HRESULT hr =
        server::CPoolConexoes::GetInstancia()->GetConexaoPlano()->Le(static_cast<DWORD>(posicao), &conta);
    if (FAILED(hr)) com::fail(msg::carregar_cliente, hr);
    return com::put_text(pbsTexto, inhouse::texto_campo(conta.nome));
} catch (...) {
    return report();
}

HRESULT CTW_FT_ListaPedidos::SetOrdenacao(unsigned short) noexcept { return S_OK; }

}  // namespace sales
