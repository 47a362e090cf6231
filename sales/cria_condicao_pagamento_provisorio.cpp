// Stands in for the payment conditions list's builder until that list is built: the condition
// is read straight from the installation's store. This file goes when the list's builder arrives.
#include <vector>

#include "platform/inhouse/condicoes/condicoes_store.h"
#include "platform/inhouse/core/store_processo.h"
#include "sales/cria_condicao_pagamento.h"

namespace sales {

std::unique_ptr<CCondicaoPagamento> CriaCondicaoPagamento(const std::string& empresa, WORD usuario,
                                                                                LONG sessao, uint16_t posicao,
                                                                                CURRENCY total, uint16_t dataBase) {
    inhouse::store* data = inhouse::store_processo();
    if (!data) return nullptr;
    _REG_COND_PAGTOPS registro{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas;
    if (!inhouse::le_condicao_pagamento(*data, empresa, posicao, registro, linhas)) return nullptr;
    auto condicao = std::make_unique<CCondicaoPagamento>();
    condicao->Inicializa(empresa, usuario, sessao);
    condicao->SetValorTotal(CQVCurrencyEx(total));
    if (!condicao->Inicializa(registro, linhas.data(), dataBase)) return nullptr;
    return condicao;
}

}  // namespace sales
