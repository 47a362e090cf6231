// The supplier's instalment plan, its quoted values and the save: what the purchasing library
// computes and the quotation server keeps.
#include <objbase.h>

#include <cstring>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/CCotacaoWeb.h"
#include "sales/CParcelaCotacaoWeb.h"
#include "sales/messages.h"

namespace sales {

namespace {

using parcelas_biblioteca = com::unique_cotaskmem<tagREG_COTACAOITEMFATURAPS>;

// How many whole instalment records a task-memory block holds: the library's answer to a
// change carries no count of its own.
size_t registros_no_bloco(const void* bloco) {
    if (!bloco) return 0;
    com::com_ptr<IMalloc> memoria;
    if (FAILED(CoGetMalloc(1, memoria.put()))) return 0;
    const SIZE_T bytes = memoria->GetSize(const_cast<void*>(bloco));
    return bytes == static_cast<SIZE_T>(-1) ? 0 : bytes / sizeof(tagREG_COTACAOITEMFATURAPS);
}

// A value the client passes as a money text or as a number.
int64_t valor_de(const VARIANT& v) {
    const VARIANT* origem = &v;
    if (v.vt == (VT_VARIANT | VT_BYREF) && v.pvarVal) origem = v.pvarVal;
    if (origem->vt == VT_BSTR) return QVConverteTextoCY(com::from_bstr(origem->bstrVal).c_str()).int64;
    if (origem->vt == (VT_BSTR | VT_BYREF) && origem->pbstrVal)
        return QVConverteTextoCY(com::from_bstr(*origem->pbstrVal).c_str()).int64;
    com::unique_variant convertido;
    com::check(VariantChangeType(convertido.put(), const_cast<VARIANT*>(origem), 0, VT_CY), msg::valor_parcela_invalido);
    return convertido.get()->cyVal.int64;
}

uint16_t dia_de(BSTR texto) { return QVConverteTextoData(com::from_bstr(texto).c_str()); }

}  // namespace

biblioteca_cotforn& CCotacaoWeb::biblioteca() {
    if (!m_biblioteca.carregada()) com::fail(msg::cotacao_nao_inicializada, E_UNEXPECTED);
    return m_biblioteca;
}

int CCotacaoWeb::atualiza_valores() {
    biblioteca_cotforn& b = biblioteca();
    for (REG_ITEM_COTADO* item : itens_fornecedor()) {
        REG_ITEM_COTADO* endereco = item;
        if (const int resultado = b.atualiza_valores(b.contexto(), &m_registro.registro(), item, &endereco); resultado != 0)
            return resultado;
        if (item->preco == 0) item->total = 0;
    }
    return 0;
}

void CCotacaoWeb::parcelas_mudaram() {
    REG_FORNECEDOR_COTACAO& f = fornecedor();
    if (m_registro.parcelas_emprestadas(f)) m_registro.aponta_parcelas(f, m_parcelas);
}

void CCotacaoWeb::recebe_plano(uint16_t quantidade, tagREG_COTACAOITEMFATURAPS* parcelas, SHORT* psQtdParcelas) {
    if (quantidade == 0 || !parcelas) return;
    m_parcelas.assign(parcelas, parcelas + quantidade);
    parcelas_mudaram();
    *psQtdParcelas = static_cast<SHORT>(quantidade);
}

HRESULT CCotacaoWeb::AlteraValorCotado() noexcept try {
    return static_cast<HRESULT>(atualiza_valores());
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::MontaParcelas(USHORT usNumParcelas, BSTR bsDataVencimento, SHORT iPonteiroTipoPeriodo,
                                   SHORT iCondicaoPagto, SHORT* psQtdParcelas) noexcept try {
    if (!psQtdParcelas) return E_POINTER;
    const uint16_t vencimento = dia_de(bsDataVencimento);
    biblioteca_cotforn& b = biblioteca();
    const uint16_t indice = indice_fornecedor();
    (void)atualiza_valores();
    uint16_t quantidade = 0;
    parcelas_biblioteca parcelas;
    const int resultado = b.monta_parcelas(b.contexto(), &m_registro.registro(), indice, usNumParcelas, vencimento,
                                           iPonteiroTipoPeriodo, 1, &quantidade, parcelas.put());
    if (resultado != 0) return static_cast<HRESULT>(resultado);
    recebe_plano(quantidade, parcelas.get(), psQtdParcelas);
    REG_FORNECEDOR_COTACAO& f = fornecedor();
    f.primeiro_vencimento = vencimento;
    f.tipo_periodo = static_cast<uint8_t>(iPonteiroTipoPeriodo);
    f.condicao = static_cast<uint16_t>(iCondicaoPagto);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::MontaCondicaoPagamento(USHORT, BSTR bsDataVencimento, SHORT, SHORT iCondicaoPagto,
                                            SHORT* psQtdParcelas) noexcept try {
    if (!psQtdParcelas) return E_POINTER;
    const uint16_t vencimento = dia_de(bsDataVencimento);
    biblioteca_cotforn& b = biblioteca();
    const uint16_t indice = indice_fornecedor();
    fornecedor().condicao = static_cast<uint16_t>(iCondicaoPagto);
    (void)atualiza_valores();
    uint16_t quantidade = 0;
    uint8_t tipo_periodo = 0;
    parcelas_biblioteca parcelas;
    const int resultado = b.monta_condicao_pagamento(b.contexto(), &m_registro.registro(), indice, iCondicaoPagto,
                                                     vencimento, &quantidade, parcelas.put(), &tipo_periodo);
    if (resultado != 0) return static_cast<HRESULT>(resultado);
    recebe_plano(quantidade, parcelas.get(), psQtdParcelas);
    REG_FORNECEDOR_COTACAO& f = fornecedor();
    f.primeiro_vencimento = vencimento;
    f.tipo_periodo = tipo_periodo;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::GetParcelaRef(SHORT iParcela, IParcelaCotacaoWeb** ppParcela) noexcept try {
    if (!ppParcela) return E_POINTER;
    *ppParcela = nullptr;
    if (iParcela < 0 || static_cast<size_t>(iParcela) >= m_parcelas.size()) return E_INVALIDARG;
    CURRENCY acumulado = qv_cy(0);
    for (size_t n = 0; n <= static_cast<size_t>(iParcela); ++n) acumulado += qv_cy(m_parcelas[n].valor);
    auto parcela = com::make<CParcelaCotacaoWeb>();
    parcela->SetReferencias(com::com_ptr<CCotacaoWeb>(this), static_cast<size_t>(iParcela), acumulado);
    *ppParcela = parcela.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::AlteraParcela(SHORT iParcela, BSTR bsDataVencimento, SHORT, BSTR bsDataVenctoCotacao,
                                   VARIANT vValor, SHORT* psQtdParcelas) noexcept try {
    if (!psQtdParcelas) return E_POINTER;
    inhouse::REG_ALTERA_PARCELA_COTACAO pedido{};
    pedido.vencimento = dia_de(bsDataVencimento);
    pedido.vencimento_cotacao = dia_de(bsDataVenctoCotacao);
    pedido.valor = valor_de(vValor);
    biblioteca_cotforn& b = biblioteca();
    pedido.fornecedor = indice_fornecedor();
    pedido.parcela = iParcela - 1;
    pedido.um = 1;
    m_registro.aponta_parcelas(fornecedor(), m_parcelas);
    // The library gets a copy of the record; the blocks behind it stay the holder's.
    REG_COTACAO copia = m_registro.registro();
    const com::wire_pointer_loan emprestimo(&copia);
    pedido.registro = emprestimo.field();
    inhouse::REG_RESPOSTA_ALTERA_PARCELA_COTACAO resposta{};
    const int resultado = b.altera_parcela(b.contexto(), pedido, &resposta);
    const HRESULT erro = erro_sistema();
    // The new plan is the caller's to free, whatever the answer.
    const parcelas_biblioteca parcelas(static_cast<tagREG_COTACAOITEMFATURAPS*>(com::wire_pointer_take(resposta.parcelas)));
    if (resposta.sucesso == 0) com::fail(std::string(inhouse::texto_campo(resposta.mensagem)), erro);
    // Only the records the library answered: its plan may be shorter than the list.
    const size_t quantidade = registros_no_bloco(parcelas.get());
    m_parcelas.assign(parcelas.get(), parcelas.get() + quantidade);
    parcelas_mudaram();
    *psQtdParcelas = static_cast<SHORT>(m_parcelas.size());
    return static_cast<HRESULT>(resultado);
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::GetValorTotalCotado(BSTR* pbsValor) noexcept try {
    if (pbsValor) *pbsValor = nullptr;
    biblioteca_cotforn& b = biblioteca();
    const int64_t total = b.total_cotado_fornecedor(b.contexto(), &m_registro.registro(), indice_fornecedor());
    return com::put_text(pbsValor, QVFormataCYMilhar(qv_cy(total)).c_str());
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::GetValorSubTotalCotado(BSTR* pbsValor) noexcept try {
    if (pbsValor) *pbsValor = nullptr;
    biblioteca_cotforn& b = biblioteca();
    const int64_t total = b.total_cotado_fornecedor(b.contexto(), &m_registro.registro(), indice_fornecedor());
    const int64_t subtotal = total == 0 ? 0 : total - fornecedor().frete;
    return com::put_text(pbsValor, QVFormataCYMilhar(qv_cy(subtotal)).c_str());
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::Grava() noexcept try {
    (void)atualiza_valores();
    REG_FORNECEDOR_COTACAO& f = fornecedor();
    const uint16_t indice = indice_fornecedor();
    // Only this supplier's answers: the others' items in this record are what they were when
    // read, and sending them would overwrite what those suppliers saved since.
    std::vector<REG_ITEM_COTADO> itens;
    for (const REG_ITEM_COTADO* c : itens_fornecedor()) itens.push_back(*c);
    m_registro.aponta_parcelas(f, m_parcelas);
    f.respondida = 1;
    QV_FORNECEDOR_COTACAO_126 entrada;
    std::memcpy(entrada.dados, &f, sizeof entrada.dados);
    const HRESULT hr = m_servidor->Grava(m_ticket, static_cast<LONG>(itens.size()),
                                         itens.empty() ? nullptr : reinterpret_cast<BYTE*>(itens.data()), indice, entrada);
    if (FAILED(hr)) {
        f.respondida = 0;
        com::fail(msg::finalizar_cotacao, hr);
    }
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales
