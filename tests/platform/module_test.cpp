#include <gtest/gtest.h>

#include <thread>

#include "platform/com/module.h"

namespace {

// The monitor posts WM_QUIT to dwThreadID; a thread of the test stands in for the main thread.
class monitored_module {
public:
    explicit monitored_module(DWORD idle_ms) {
        m_module.set_idle_timeout(idle_ms);
        m_receiver = std::thread([this] {
            MSG msg;
            PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);   // make the queue
            m_module.dwThreadID = GetCurrentThreadId();
            SetEvent(m_ready);
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {}
            m_quit_at = GetTickCount64();
        });
        WaitForSingleObject(m_ready, INFINITE);
    }
    ~monitored_module() {
        if (m_receiver.joinable()) {
            PostThreadMessageW(m_module.dwThreadID, WM_QUIT, 0, 0);
            m_receiver.join();
        }
        CloseHandle(m_ready);
    }
    com::CExeModule& module() { return m_module; }
    // Milliseconds from `since` to the WM_QUIT, or -1 when none came within `wait_ms`.
    long long quit_after(ULONGLONG since, DWORD wait_ms) {
        const ULONGLONG deadline = GetTickCount64() + wait_ms;
        while (GetTickCount64() < deadline && m_quit_at == 0) Sleep(10);
        return m_quit_at == 0 ? -1 : static_cast<long long>(m_quit_at - since);
    }

private:
    // Never destroyed: a monitor thread that did not quit still waits on the module's event.
    com::CExeModule& m_module = *new com::CExeModule;
    HANDLE m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<ULONGLONG> m_quit_at{0};
    std::thread m_receiver;
};

TEST(ExeModule, QuitsOneIdlePeriodAfterTheLastUnlock) {
    monitored_module m(300);
    ASSERT_TRUE(m.module().StartMonitor());
    EXPECT_EQ(m.module().Lock(), 1);
    EXPECT_EQ(m.module().Lock(), 2);
    EXPECT_EQ(m.module().Unlock(), 1);
    EXPECT_EQ(m.quit_after(GetTickCount64(), 700), -1) << "a held lock keeps the server";
    const ULONGLONG released = GetTickCount64();
    EXPECT_EQ(m.module().Unlock(), 0);
    const long long after = m.quit_after(released, 3000);
    EXPECT_GE(after, 250);
    EXPECT_LT(after, 2000);
}

TEST(ExeModule, EachNewDropToZeroRestartsTheIdlePeriod) {
    monitored_module m(400);
    ASSERT_TRUE(m.module().StartMonitor());
    ULONGLONG last_release = 0;
    for (int i = 0; i < 4; ++i) {   // a client that comes back every 200 ms
        m.module().Lock();
        Sleep(50);
        last_release = GetTickCount64();
        m.module().Unlock();
        Sleep(150);
    }
    const long long after = m.quit_after(last_release, 3000);
    EXPECT_GE(after, 350) << "the monitor must count from the last release";
}

TEST(ExeModule, WithoutAFirstReleaseTheMonitorNeverQuits) {
    monitored_module m(100);
    ASSERT_TRUE(m.module().StartMonitor());
    EXPECT_EQ(m.quit_after(GetTickCount64(), 500), -1);
}

}  // namespace
