#include "sales/cria_condicao_pagamento.h"

#include <new>

#include "platform/com/failure.h"
#include "sales/CCondicoesPagamento.h"
#include "sales/messages.h"

namespace sales {

com::com_ptr<ICondicoesPagamento> NovaListaCondicoesPagamento() {
    try {
        return com::com_ptr<ICondicoesPagamento>::attach(
            static_cast<ICondicoesPagamento*>(com::make<CCondicoesPagamento>().detach()));
    } catch (const std::bad_alloc&) {
        com::fail(msg::criar_condicao, E_OUTOFMEMORY);
    }
}

std::unique_ptr<CCondicaoPagamento> CriaCondicaoPagamento(ICondicoesPagamento* lista, WORD posicao, CURRENCY total,
                                                          WORD dataBase) {
    CCondicoesPagamento* propria = CCondicoesPagamento::de_interface(lista);
    if (!propria) com::fail(msg::criar_condicao, E_INVALIDARG);
    return propria->CriaCondicaoPagamento(posicao, total, dataBase);
}

}  // namespace sales
