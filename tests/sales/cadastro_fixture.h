#pragma once
// A registration test: a real login of the demo company's ADMIN over the stand-ins (so that the
// process-wide pool and cache serve the session), and helpers for texts.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "tests/server/raiz_fixture.h"

class cadastro_fixture : public raiz_fixture {
protected:
    cadastro_fixture() { m_raiz = admin(); }

    static com::unique_bstr b(const std::string& texto) { return com::to_bstr(texto); }
    // Calls a getter that hands out a BSTR and gives its text.
    template <class F>
    static std::string le(F&& getter) {
        BSTR out = nullptr;
        EXPECT_EQ(getter(&out), S_OK);
        com::unique_bstr guarda(out);
        return com::from_bstr(out);
    }
    long linhas_cfrt() {
        auto q = store().db().prepare("SELECT COUNT(*) FROM cfrt");
        q.step();
        return q.column_int(0);
    }

    com::com_ptr<server::CQV_Inicializa> m_raiz;
};
