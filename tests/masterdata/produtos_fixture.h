#pragma once
// A product, price table or service test: the demo catalogue in the store and the product
// server's fault plans (products and services servers).
#include <string>

#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/masterdata/masterdata_fixture.h"

class produtos_fixture : public masterdata_fixture {
protected:
    produtos_fixture() {
        produtos().clear();
        servicos().clear();
    }

    inhouse::fault_plan& produtos() { return factory(inhouse::CLSID_ProdutoServer).object_faults(); }
    inhouse::fault_plan& servicos() { return factory(inhouse::CLSID_ServicoServer).object_faults(); }

    // A product of the test's own, priced in VAREJO (table 1) with `casas` decimals shown.
    void produto(int posicao, const std::string& codigo, const std::string& preco, int casas) {
        sql("INSERT INTO produto (empresa, posicao, codigo, nome, classificacao, casas_preco) VALUES ('DEMO', " +
            std::to_string(posicao) + ", '" + codigo + "', 'Teste " + codigo + "', '9999', " + std::to_string(casas) + ")");
        sql("INSERT INTO produto_preco (empresa, tabela, produto, preco) VALUES ('DEMO', 1, " + std::to_string(posicao) +
            ", '" + preco + "')");
    }
};
