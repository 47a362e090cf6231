// The web order's payment condition, its instalments, and the payment forms and billing types a
// client chooses from.
#include <algorithm>
#include <cstdio>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "ft/ftlibrary/campo_texto.h"
#include "ft/ftlibrary/registro_parcela.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "sales/CPedidoWeb.h"
#include "sales/CPedidos.h"
#include "sales/cria_condicao_pagamento.h"
#include "sales/documentos_pagamento.h"
#include "sales/messages.h"

namespace sales {

namespace {

// The list sorted by name (plain byte comparison; equal names keep their order).
std::vector<documento_pagamento> ordenados(std::vector<documento_pagamento> lista) {
    std::stable_sort(lista.begin(), lista.end(),
                     [](const documento_pagamento& a, const documento_pagamento& b) { return a.nome < b.nome; });
    return lista;
}

}  // namespace

void CPedidoWeb::escolhe_condicao(LONG posicao) {
    const CURRENCY base = valor_produtos() + total_ipi() - m_pedido.GetDescontoTotal();
    m_registro.PosicaoCondicaoPagamento = static_cast<uint16_t>(posicao);
    // The condition chosen before is released here, whatever comes next.
    m_condicao.reset();
    if (base.int64 <= 0 || !m_bCondicoes) return;
    CPedidos& colecao = dono();
    // The order's own list of conditions, in the collection's session.
    const com::com_ptr<ICondicoesPagamento> lista = NovaListaCondicoesPagamento();
    com::check(lista->Inicializa2(com::to_bstr(colecao.Empresa()).get(), colecao.Usuario(), colecao.Sessao()),
               msg::criar_condicao);
    auto condicao = CriaCondicaoPagamento(lista.get(), static_cast<WORD>(posicao), base, m_registro.DataEmissao);
    if (!condicao) return;
    QVCFRT cliente{};
    cliente.posicao_plano = m_registro.PosicaoCliente;
    if (m_registro.PosicaoCliente != 0 && colecao.CFRT().Le(&cliente, 0) == S_OK) {
        for (uint16_t i = 0; i < condicao->GetQtdParcelas(); ++i)
            condicao->GetParcela(i).SetFormaPagamento(cliente.forma_pagamento);
    }
    condicao->CalculaParcelas(false);
    m_condicao = std::move(condicao);
}

std::vector<std::pair<uint16_t, std::string>> CPedidoWeb::documentos(bool formas) const {
    CPedidos& colecao = dono();
    std::vector<documento_pagamento> lista;
    com::check(LeDocumentosPagamento(colecao.Empresa(), colecao.Usuario(), colecao.Sessao(),
                                     formas ? TipoFormaPagamento : TipoCobranca, lista),
               formas ? msg::pedido_ler_formas : msg::pedido_ler_tipos_cobranca);
    std::vector<std::pair<uint16_t, std::string>> r;
    for (auto& d : ordenados(std::move(lista))) r.emplace_back(d.codigo, std::move(d.nome));
    return r;
}

HRESULT CPedidoWeb::get_QtdParcelas(LONG* pVal) noexcept {
    return com::put_number(pVal, m_condicao ? static_cast<LONG>(m_condicao->GetQtdParcelas()) : 0L);
}

HRESULT CPedidoWeb::get_Parcela(SHORT iPos, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    if (!m_condicao || iPos < 0 || iPos >= static_cast<SHORT>(m_condicao->GetQtdParcelas())) return S_OK;
    REG_PARCELA_PEDIDO r{};
    m_condicao->GetParcela(static_cast<uint16_t>(iPos)).GetRegistro(r);
    std::string forma = "(nenhum)";
    if (r.FormaPagamento != 0) {
        for (const auto& [codigo, nome] : documentos(true))
            if (codigo == r.FormaPagamento) forma = nome;
    }
    const std::string texto = std::to_string(r.Numero) + "|" + std::string(QVFormataData(r.DataVencimento, true)) + "|" +
                              std::string(QVFormataCYMilhar(r.Valor)) + "|" + std::to_string(r.FormaPagamento) + "|" +
                              forma + "|" + ft::le_texto(r.Observacao, sizeof r.Observacao);
    return com::put_text(pVal, texto);
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_AcrescimoCondPgto(BSTR* pVal) noexcept try {
    const CURRENCY acrescimo = m_condicao ? m_condicao->GetValorAcrescimo().GetValor() : CURRENCY{};
    return com::put_text(pVal, QVFormataCYMilhar(acrescimo));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::AlteraParcela(SHORT iPos, BSTR bsVenc, BSTR bsValor, SHORT iForma, BSTR bsObs) noexcept try {
    if (!m_condicao) return S_OK;
    const uint16_t n = m_condicao->GetQtdParcelas();
    if (iPos < 0 || iPos >= static_cast<SHORT>(n)) com::fail(msg::pedido_indice_invalido, E_INVALIDARG);
    const CURRENCY total = m_condicao->GetTotalPagar().GetValor();
    CURRENCY soma{};
    for (uint16_t i = 0; i < n; ++i) {
        if (i < iPos) {
            soma = soma + m_condicao->GetParcela(i).GetValor().GetValor();
            continue;
        }
        CParcela parcela(m_condicao->GetParcela(i));
        if (i == iPos) {
            const CURRENCY valor = QVConverteTextoCY(com::from_bstr(bsValor).c_str());
            const uint16_t vencimento = QVConverteTextoData(com::from_bstr(bsVenc).c_str());
            soma = soma + valor;
            parcela.SetDataVencimento(vencimento);
            parcela.SetValor(CQVCurrencyEx(valor));
            parcela.SetFormaPagamento(static_cast<uint16_t>(iForma));
            parcela.SetObservacao(com::from_bstr(bsObs));
            (void)m_condicao->AlteraParcela(i, parcela);
            if (i == 0) m_condicao->SetDataBase(vencimento, true);
            continue;
        }
        CURRENCY valor = total - soma;
        // The rest is shared by the instalments still to come; the last takes what remains.
        if (i < n - 1) {
            CQVCurrencyEx parte(true, true, CQVCurrencyEx(valor));
            parte /= static_cast<double>(n - i);
            valor = parte.GetValor();
        }
        parcela.SetValor(CQVCurrencyEx(valor));
        (void)m_condicao->AlteraParcela(i, parcela);
        soma = soma + valor;
    }
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_QtdFormasPgto(SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, static_cast<SHORT>(documentos(true).size()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_FormaPgto(SHORT iPos, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    const auto lista = documentos(true);
    if (iPos < 0 || static_cast<size_t>(iPos) >= lista.size()) com::fail(msg::pedido_indice_invalido, E_INVALIDARG);
    return com::put_text(pVal, std::to_string(lista[iPos].first) + "|" + lista[iPos].second);
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_QtdTiposCobranca(SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, static_cast<SHORT>(documentos(false).size()));
} catch (...) {
    return report();
}

HRESULT CPedidoWeb::get_TipoCobranca(SHORT iPos, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    const auto lista = documentos(false);
    if (iPos < 0 || static_cast<size_t>(iPos) >= lista.size()) com::fail(msg::pedido_indice_invalido, E_INVALIDARG);
    return com::put_text(pVal, std::to_string(lista[iPos].first) + "|" + lista[iPos].second);
} catch (...) {
    return report();
}

}  // namespace sales
