// cotforn.dll: the purchasing library of a supplier's quotation page. It prices the quoted items,
// builds the instalment plan of a supplier's answer (by a number of instalments or by a payment
// condition), changes one instalment and adds up what a supplier quoted. Plain C entries; every
// block it hands out is task memory that the caller frees.
//
// Its own choices: the period types are 1 weekly, 2 fortnightly and any other monthly (30 days);
// a payment condition n is n monthly instalments (0 and 1: one); a plan splits the supplier's
// total (its items and freight) in equal parts of whole cents, the remainder on the last
// instalment.
#include <windows.h>
#include <objbase.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/exact_decimal.h"
#include "platform/inhouse/cotacoes/registros_cotacao.h"

using inhouse::REG_ALTERA_PARCELA_COTACAO;
using inhouse::REG_COTACAO;
using inhouse::REG_FORNECEDOR_COTACAO;
using inhouse::REG_ITEM_COTADO;
using inhouse::REG_ITEM_SOLICITADO_COTACAO;
using inhouse::REG_RESPOSTA_ALTERA_PARCELA_COTACAO;
using inhouse::tagREG_COTACAOITEMFATURAPS;

namespace {

// Wire fields: on i686 they hold the address; on x86_64 a handle of the program's table, which
// the program that loaded this library lends through two exported functions.
void* ponteiro(uint32_t campo) {
#if UINTPTR_MAX == 0xFFFFFFFFu
    return reinterpret_cast<void*>(static_cast<uintptr_t>(campo));
#else
    using le = void* (*)(uint32_t);
    static const auto f =
        reinterpret_cast<le>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(nullptr), "zu_wire_pointer_get")));
    return f ? f(campo) : nullptr;
#endif
}

uint32_t campo(void* p) {
#if UINTPTR_MAX == 0xFFFFFFFFu
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
#else
    using poe = uint32_t (*)(void*);
    static const auto f =
        reinterpret_cast<poe>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(nullptr), "zu_wire_pointer_put")));
    return f ? f(p) : 0;
#endif
}

template <class T>
T* lista(uint32_t campo_lista) {
    return static_cast<T*>(ponteiro(campo_lista));
}

const REG_FORNECEDOR_COTACAO* fornecedor(const REG_COTACAO* r, int indice) {
    if (!r || indice < 0 || indice >= r->quantidade_fornecedores) return nullptr;
    const auto* f = lista<REG_FORNECEDOR_COTACAO>(r->fornecedores);
    return f ? f + indice : nullptr;
}

// An equal part of `total` in `partes`, cut to whole cents (a CURRENCY cent is 100).
int64_t parte_em_centavos(int64_t total, int partes) { return total / partes / 100 * 100; }

int dias_periodo(int tipo) {
    switch (tipo) {
        case 1: return 7;
        case 2: return 15;
        default: return 30;
    }
}

int64_t total_fornecedor(const REG_COTACAO* r, int indice) {
    const REG_FORNECEDOR_COTACAO* f = fornecedor(r, indice);
    if (!f) return 0;
    int64_t total = f->frete;
    const auto* itens = lista<REG_ITEM_COTADO>(r->cotados);
    for (uint16_t n = 0; itens && n < r->quantidade_cotados; ++n)
        if (itens[n].fornecedor == indice) total += itens[n].total;
    return total;
}

// `quantidade` instalments of `total`, every `dias` days from `primeiro`, as a new block.
tagREG_COTACAOITEMFATURAPS* plano(int64_t total, int quantidade, int primeiro, int dias, int tipo) {
    auto* p = static_cast<tagREG_COTACAOITEMFATURAPS*>(CoTaskMemAlloc(quantidade * sizeof(tagREG_COTACAOITEMFATURAPS)));
    if (!p) return nullptr;
    std::memset(p, 0, quantidade * sizeof(tagREG_COTACAOITEMFATURAPS));
    const int64_t parte = parte_em_centavos(total, quantidade);
    for (int n = 0; n < quantidade; ++n) {
        p[n].valor = n + 1 < quantidade ? parte : total - parte * (quantidade - 1);
        p[n].vencimento = static_cast<uint16_t>(primeiro + n * dias);
        p[n].numero = static_cast<uint8_t>(n + 1);
        p[n].tipo_vencimento = static_cast<uint8_t>(tipo);
    }
    return p;
}

int entrega_plano(const REG_COTACAO* r, int indice, int quantidade, int primeiro, int tipo, uint16_t* contagem,
                  tagREG_COTACAOITEMFATURAPS** parcelas) {
    if (!contagem || !parcelas) return E_POINTER;
    *contagem = 0;
    *parcelas = nullptr;
    if (!fornecedor(r, indice)) return E_INVALIDARG;
    if (quantidade <= 0) return 0;
    if (quantidade > 255) return E_INVALIDARG;
    *parcelas = plano(total_fornecedor(r, indice), quantidade, primeiro, dias_periodo(tipo), tipo);
    if (!*parcelas) return E_OUTOFMEMORY;
    *contagem = static_cast<uint16_t>(quantidade);
    return 0;
}

// A refusal the caller reports: the text, and a last error for its HRESULT.
void recusa(REG_RESPOSTA_ALTERA_PARCELA_COTACAO* resposta, const char* texto) {
    resposta->sucesso = 0;
    std::snprintf(resposta->mensagem, sizeof resposta->mensagem, "%s", texto);
    SetLastError(ERROR_INVALID_DATA);
}

}  // namespace

extern "C" {

__declspec(dllexport) int __cdecl ParaCMC4web_Inicializa(int32_t* contexto, const char* empresa, int usuario, long sessao) {
    static int32_t proximo = 0;
    if (!contexto || !empresa || !*empresa) return E_INVALIDARG;
    (void)usuario;
    (void)sessao;
    *contexto = ++proximo;
    return 0;
}

__declspec(dllexport) void __cdecl ParaCMC4web_Finaliza(int32_t* contexto) {
    if (contexto) *contexto = 0;
}

__declspec(dllexport) int __cdecl ParaCMC4web_MontaParcelas(int32_t* contexto, REG_COTACAO* registro, int fornecedor,
                                                            int quantidade, int primeiro, int tipo, int um,
                                                            uint16_t* contagem, tagREG_COTACAOITEMFATURAPS** parcelas) {
    (void)um;
    if (!contexto || !*contexto) return E_UNEXPECTED;
    return entrega_plano(registro, fornecedor, quantidade, primeiro, tipo, contagem, parcelas);
}

__declspec(dllexport) int __cdecl ParaCMC4web_MontaCondicaoPagamento(int32_t* contexto, REG_COTACAO* registro,
                                                                     int fornecedor, int condicao, int primeiro,
                                                                     uint16_t* contagem,
                                                                     tagREG_COTACAOITEMFATURAPS** parcelas,
                                                                     uint8_t* tipo) {
    if (!contexto || !*contexto) return E_UNEXPECTED;
    if (!tipo) return E_POINTER;
    constexpr uint8_t mensal = 3;
    *tipo = mensal;
    return entrega_plano(registro, fornecedor, condicao < 1 ? 1 : condicao, primeiro, mensal, contagem, parcelas);
}

// Sets one instalment's value and day; the rest of the supplier's total is split among the
// instalments after it. The answer carries the whole new plan, which may be shorter.
__declspec(dllexport) int __cdecl ParaCMC4web_AlteraParcela(int32_t* contexto, REG_ALTERA_PARCELA_COTACAO pedido,
                                                            REG_RESPOSTA_ALTERA_PARCELA_COTACAO* resposta) {
    if (!contexto || !*contexto) return E_UNEXPECTED;
    if (!resposta) return E_POINTER;
    const auto* r = static_cast<const REG_COTACAO*>(ponteiro(pedido.registro));
    const REG_FORNECEDOR_COTACAO* f = fornecedor(r, pedido.fornecedor);
    if (!f) {
        recusa(resposta, "Fornecedor inexistente na cotação.");
        return 0;
    }
    const auto* atual = lista<tagREG_COTACAOITEMFATURAPS>(f->parcelas);
    const int quantidade = atual ? f->quantidade_parcelas : 0;
    if (pedido.parcela < 0 || pedido.parcela >= quantidade) {
        recusa(resposta, "Parcela inexistente.");
        return 0;
    }
    int64_t total = 0, anteriores = 0;
    for (int n = 0; n < quantidade; ++n) {
        total += atual[n].valor;
        if (n < pedido.parcela) anteriores += atual[n].valor;
    }
    const int64_t resto = total - anteriores - pedido.valor;
    const int seguintes = quantidade - pedido.parcela - 1;
    if (pedido.valor < 0 || resto < 0) {
        recusa(resposta, "O valor da parcela excede o total cotado.");
        return 0;
    }
    if (seguintes == 0 && resto != 0) {
        recusa(resposta, "A última parcela deve completar o total cotado.");
        return 0;
    }
    // An instalment that completes the total ends the plan: the ones after it would be of zero.
    const int nova_quantidade = resto == 0 ? pedido.parcela + 1 : quantidade;
    const size_t bytes = nova_quantidade * sizeof(tagREG_COTACAOITEMFATURAPS);
    auto* novo = static_cast<tagREG_COTACAOITEMFATURAPS*>(CoTaskMemAlloc(bytes));
    if (!novo) return E_OUTOFMEMORY;
    std::memcpy(novo, atual, bytes);
    novo[pedido.parcela].valor = pedido.valor;
    if (pedido.vencimento > 0) novo[pedido.parcela].vencimento = static_cast<uint16_t>(pedido.vencimento);
    for (int n = pedido.parcela + 1; n < nova_quantidade; ++n) {
        const int64_t parte = parte_em_centavos(resto, seguintes);
        novo[n].valor = n + 1 < quantidade ? parte : resto - parte * (seguintes - 1);
    }
    resposta->parcelas = campo(novo);
    if (!resposta->parcelas) {
        CoTaskMemFree(novo);
        return E_OUTOFMEMORY;
    }
    resposta->sucesso = 1;
    return 0;
}

// The item's total: (price - discount) x quantity asked, in whole cents rounded half to even
// (exactly, as the server's money arithmetic rounds).
__declspec(dllexport) int __cdecl ParaCMC4web_AtualizaValores(int32_t* contexto, REG_COTACAO* registro,
                                                              REG_ITEM_COTADO* item, REG_ITEM_COTADO** endereco) {
    if (!contexto || !*contexto) return E_UNEXPECTED;
    if (!registro || !item || !endereco || *endereco != item) return E_POINTER;
    const auto* pedidos = lista<REG_ITEM_SOLICITADO_COTACAO>(registro->itens);
    if (!pedidos || item->item >= registro->quantidade_itens) return E_INVALIDARG;
    if (item->desconto > item->preco) return E_INVALIDARG;
    // 8 + 4 implied decimals: a cent is 10^10 of the product.
    int64_t centavos = 0;
    if (!exact::mul_scaled(item->preco - item->desconto, pedidos[item->item].quantidade, -10, centavos) ||
        !exact::mul_scaled(centavos, int64_t{100}, 0, item->total))
        return DISP_E_OVERFLOW;
    return 0;
}

__declspec(dllexport) int64_t __cdecl ParaCMC4web_GetTotalCotadoFornecedor(int32_t* contexto, REG_COTACAO* registro,
                                                                           int fornecedor) {
    if (!contexto || !*contexto) return 0;
    return total_fornecedor(registro, fornecedor);
}

}  // extern "C"
