#pragma once
// A master-data test: the stand-ins over the seeded demo company, a session of user 7 of DEMO in
// the process-wide holders, and helpers to call the chart classes in process.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/last_error.h"
#include "tests/server/holders_fixture.h"

class masterdata_fixture : public holders_fixture {
protected:
    masterdata_fixture() {
        company().clear();
        managerial().clear();
    }

    inhouse::fault_plan& company() { return factory(inhouse::CLSID_PlanoServer).object_faults(); }
    inhouse::fault_plan& managerial() { return factory(inhouse::CLSID_PlanoGerencialServer).object_faults(); }
    void sql(const std::string& text) { store().db().exec(text); }
    void representative(unsigned short posicao) { server::CSessaoGlobal::GetInstancia()->SetPosicaoRepresentante(posicao); }

    static com::unique_bstr b(const char* text) { return com::to_bstr(std::string(text)); }
    // Calls a getter that hands out a BSTR and gives its text.
    template <class F>
    static std::string text(F&& getter) {
        BSTR out = nullptr;
        const HRESULT hr = getter(&out);
        com::unique_bstr owned(out);
        EXPECT_EQ(hr, S_OK);
        return com::from_bstr(out);
    }
};
