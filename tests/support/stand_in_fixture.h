#pragma once
// A test with the stand-in data servers registered in this process over a fresh in-memory store
// seeded with the demo company, an instant clock for retry loops and the event reports of the
// retrying creation captured:
//
//     class MyTest : public stand_in_fixture {};
//     TEST_F(MyTest, RetriesWhileUnavailable) {
//         factory(inhouse::CLSID_ProvaServer).faults().answer("CreateInstance", {QV_SERVIDOR_INDISPONIVEL});
//         ... QVCriaInstancia(...) ...
//         EXPECT_EQ(clock().slept_ms(), 500u);
//     }
#include <gtest/gtest.h>

#include <optional>

#include "base/QVDCOM.h"
#include "base/QVSleep.h"
#include "platform/inhouse/core/registration.h"
#include "platform/inhouse/core/store.h"

class stand_in_fixture : public testing::Test {
protected:
    stand_in_fixture();
    ~stand_in_fixture() override;

    inhouse::store& store() noexcept { return *m_store; }
    inhouse::stand_in_registration& stand_ins() noexcept { return m_stand_ins; }
    inhouse::stand_in_factory& factory(REFCLSID clsid) { return m_stand_ins.factory(clsid); }
    const qv_sleep_override& clock() const noexcept { return m_clock; }
    qv_event_report_capture& events() noexcept { return m_events; }

private:
    std::optional<inhouse::store> m_store;
    inhouse::stand_in_registration m_stand_ins;    // revoked before the store ends
    qv_sleep_override m_clock;
    qv_event_report_capture m_events;
};
