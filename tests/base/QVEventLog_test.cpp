#include <gtest/gtest.h>

#include "base/QVEventLog.h"
#include "base/QVSleep.h"

namespace {

TEST(QVEventLog, CaptureSeesEntriesAndRestoresThePreviousSink) {
    qv_event_log_capture outer;
    {
        qv_event_log_capture inner;
        qv_event_log(EVENTLOG_ERROR_TYPE, "interno");
        ASSERT_EQ(inner.entries().size(), 1u);
        EXPECT_EQ(inner.entries()[0].type, EVENTLOG_ERROR_TYPE);
        EXPECT_TRUE(inner.contains("intern"));
    }
    qv_event_log(EVENTLOG_WARNING_TYPE, "externo");
    ASSERT_EQ(outer.entries().size(), 1u);
    EXPECT_EQ(outer.entries()[0].text, "externo");
}

TEST(QVEventLog, WritingToTheRealLogNeverFails) {
    qv_event_log(EVENTLOG_INFORMATION_TYPE, "ZidizUvi test entry");
}

TEST(QVSleep, OverrideMakesSleepInstantAndCountsTime) {
    qv_sleep_override clock;
    const DWORD start = GetTickCount();
    qv_sleep(5000);
    qv_sleep(250);
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(clock.slept_ms(), 5250u);
    EXPECT_EQ(clock.calls(), 2u);
}

}  // namespace
