#pragma once
// A sales test: the stand-ins over the seeded demo company, ADMIN logged in through a root
// object, the fault plans of the payment servers and connections emptied before and after.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/server/raiz_fixture.h"

class sales_fixture : public raiz_fixture {
protected:
    sales_fixture() {
        limpa_pagamentos();
        raiz = admin();
        limpa_pagamentos();
    }
    ~sales_fixture() override { limpa_pagamentos(); }

    inhouse::fault_plan& condicoes() { return servidor(inhouse::CLSID_CondicoesServer); }
    inhouse::fault_plan& formas() { return servidor(inhouse::CLSID_FormasPagamentoServer); }
    inhouse::fault_plan& cobrancas() { return servidor(inhouse::CLSID_TiposCobrancaServer); }

    static com::unique_bstr b(const std::string& text) { return com::to_bstr(text); }
    // Calls a method that hands out a BSTR: its HRESULT and text.
    template <class F>
    static std::pair<HRESULT, std::string> texto(F&& metodo) {
        BSTR out = nullptr;
        const HRESULT hr = metodo(&out);
        com::unique_bstr owned(out);
        return {hr, com::from_bstr(out)};
    }

    com::com_ptr<server::CQV_Inicializa> raiz;

private:
    void limpa_pagamentos() {
        for (const char* c : {"CConexaoCondicaoPagamento", "CConexaoFormaPagamento", "CConexaoTipoCobranca"})
            conexao(c).clear();
    }
};
