#pragma once
// A sales test over the stand-ins: a real login of the demo company, the orders server's plan and
// helpers to read texts from the sales objects.
#include <gtest/gtest.h>

#include <string>

#include "base/QVRelogio.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/server/raiz_fixture.h"

class pedidos_fixture : public raiz_fixture {
protected:
    ~pedidos_fixture() override { qv_clear_simulated_clock(); }

    inhouse::fault_plan& pedidos() { return servidor(inhouse::CLSID_PedidosServer); }
    inhouse::fault_plan& plano() { return servidor(inhouse::CLSID_PlanoServer); }

    // The text a getter hands out, and its HRESULT.
    template <class Itf>
    static std::string texto(Itf* objeto, HRESULT (STDMETHODCALLTYPE Itf::*get)(BSTR*), HRESULT esperado = S_OK) {
        BSTR v = nullptr;
        EXPECT_EQ((objeto->*get)(&v), esperado);
        com::unique_bstr guarda(v);
        return v ? com::from_bstr(v) : std::string("<null>");
    }
};
