// Order entry: the totals, the instalments of the payment condition and the change of one.
#include <string>
#include <vector>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/CTW_FT_Pedido.h"
#include "sales/mensagem_parcela.h"
#include "sales/messages.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/sessao_atual.h"

namespace sales {

namespace {

CURRENCY valor(BSTR texto) { return QVConverteTextoCY(com::from_bstr(texto).c_str()); }

// The payment form of an instalment; zero when there is none.
_REG_DOCUMENTOPS forma_pagamento(uint16_t posicao) {
    _REG_DOCUMENTOPS registro{};
    if (posicao != 0) server::CPoolConexoes::GetInstancia()->GetConexaoFormaPagamento()->Le(posicao, &registro);
    return registro;
}

template <class F>
HRESULT texto_sessao(BSTR* saida, F&& texto) {
    if (!saida) return E_POINTER;
    *saida = nullptr;
    server::le_sessao_atual();
    return com::put_text(saida, texto());
}

}  // namespace

CParcela& CTW_FT_Pedido::ParcelaSelecionada() {
    server::le_sessao_atual();
    if (m_parcela < 0 || m_parcela >= m_condicao.GetQtdParcelas()) com::fail(msg::parcela_invalida, E_INVALIDARG);
    return m_condicao.GetParcela(static_cast<uint16_t>(m_parcela));
}

HRESULT CTW_FT_Pedido::CalculaValoresTotais(BSTR bsValorDesconto) noexcept try {
    server::le_sessao_atual();
    LeRelogio();
    const CURRENCY desconto = valor(bsValorDesconto);
    // A discount the order refuses leaves the one in force; the call still succeeds.
    m_pedido.SetDesconto(desconto, 0);
    m_pedido.AtualizaTotaisItens();
    m_condicao.SetValorTotal(CQVCurrencyEx(m_pedido.CalculaTotalPagar()));
    m_pedido.SetValorDescontoRateio(desconto);
    m_pedido.CalculaTotais();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::CalculaParcelas(BSTR bsCondPagto) noexcept try {
    server::le_sessao_atual();
    LeRelogio();
    CConexaoCondicaoPagamento& conexao = *server::CPoolConexoes::GetInstancia()->GetConexaoCondicaoPagamento();
    _REG_COND_PAGTOPS condicao{};
    WORD posicao = 0;
    conexao.Existe(com::from_bstr(bsCondPagto).c_str(), &posicao, &condicao);
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas(condicao.QtdParcelas);
    if (!linhas.empty()) com::check(conexao.LeLinhas(condicao.Codigo, condicao.QtdParcelas, linhas.data()), msg::alterar_parcela);
    CURRENCY base = m_pedido.GetTotalProdutos();
    base.int64 -= m_pedido.GetDescontoTotal().int64;
    m_condicao.SetValorTotal(CQVCurrencyEx(base));
    // An unknown condition has no rows: the payment condition refuses it and keeps no instalments.
    if (m_condicao.Inicializa(condicao, linhas.data(), m_hoje)) m_condicao.CalculaParcelas(true);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::AlteraParcela(long lPosicao, BSTR bsVencto, BSTR bsValor, BSTR bsObs,
                                     BSTR bsCodFormaPgto) noexcept try {
    server::le_sessao_atual();
    LeRelogio();
    if (lPosicao < 0 || lPosicao >= m_condicao.GetQtdParcelas()) com::fail(msg::parcela_invalida, E_INVALIDARG);
    m_parcela = lPosicao;
    CParcela& p = m_condicao.GetParcela(static_cast<uint16_t>(lPosicao));
    p.SetNumero(static_cast<uint16_t>(lPosicao + 1));
    p.SetObservacao(com::from_bstr(bsObs));
    p.SetDataVencimento(QVConverteTextoData(com::from_bstr(bsVencto).c_str()));
    p.SetValor(CQVCurrencyEx(valor(bsValor)));
    _REG_DOCUMENTOPS forma{};
    DWORD posicao_forma = 0;
    server::CPoolConexoes::GetInstancia()->GetConexaoFormaPagamento()->Existe(com::from_bstr(bsCodFormaPgto).c_str(),
                                                                            &posicao_forma, &forma);
    p.SetFormaPagamento(forma.Posicao);
    // The instalment held at the position is the one passed: the condition finds nothing to
    // spread and derives its addition or discount from the instalments again.
    if (!m_condicao.AlteraParcela(static_cast<uint16_t>(lPosicao), p))
        com::fail(mensagem_parcela(m_condicao.GetErro().GetCodigo()));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetDescontoTotal(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCY(m_pedido.GetDescontoTotal()); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetPesoBruto(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCY(m_pedido.GetPesoBruto()); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetPesoLiquido(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCY(m_pedido.GetPesoLiquido()); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetQtdParcelas(long* lQtdParcelas) noexcept try {
    if (!lQtdParcelas) return E_POINTER;
    *lQtdParcelas = 0;
    server::le_sessao_atual();
    *lQtdParcelas = static_cast<int16_t>(m_condicao.GetQtdParcelas());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetParcela(long lPosicao) noexcept try {
    server::le_sessao_atual();
    m_parcela = lPosicao;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetNumeroParcela(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVConverteNumeroTexto(ParcelaSelecionada().GetNumero()); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetDataVencimentoParcela(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return ParcelaSelecionada().FormataDataVencimento(); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetValorParcela(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCYMilhar(ParcelaSelecionada().GetValor().GetValor()); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetCodFormaPagamentoParcela(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] {
        const _REG_DOCUMENTOPS forma = forma_pagamento(ParcelaSelecionada().GetFormaPagamento());
        const std::string codigo(inhouse::texto_campo(forma.Codigo));
        return codigo.empty() ? std::string(msg::forma_pagamento_nenhum) : codigo;
    });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetNomeFormaPagamentoParcela(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] {
        const _REG_DOCUMENTOPS forma = forma_pagamento(ParcelaSelecionada().GetFormaPagamento());
        const std::string nome(inhouse::texto_campo(forma.Nome));
        return nome.empty() ? std::string(msg::forma_pagamento_nenhuma) : nome;
    });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetObservacaoParcela(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return std::string(ParcelaSelecionada().GetObservacao()); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetValorAcrescimo(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCY(m_condicao.GetValorAcrescimo().GetValor()); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetTotalProdutos(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCYDecimais(m_pedido.GetTotalProdutos(), 2); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetTotalIPI(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCYDecimais(m_pedido.GetTotalIPI(), 2); });
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetTotalPagar(BSTR* pbsTexto) noexcept try {
    return texto_sessao(pbsTexto, [&] { return QVFormataCYDecimais(m_condicao.GetTotalPagar().GetValor(), 2); });
} catch (...) {
    return report();
}

}  // namespace sales
