#pragma once
// The one way the server pauses. Every retry loop sleeps through qv_sleep, so tests can make the
// pauses instant and check how long the code would have waited.
#include <windows.h>

#include <cstdint>

void qv_sleep(DWORD ms);

// RAII for tests: while one lives, qv_sleep returns at once and adds the requested time to
// slept_ms() (and counts the calls). Overrides nest; the innermost one counts.
class qv_sleep_override {
public:
    qv_sleep_override();
    ~qv_sleep_override();
    qv_sleep_override(const qv_sleep_override&) = delete;
    qv_sleep_override& operator=(const qv_sleep_override&) = delete;

    uint64_t slept_ms() const;
    unsigned calls() const;

private:
    friend void qv_sleep(DWORD ms);
    qv_sleep_override* m_previous;
    volatile LONG64 m_slept_ms = 0;
    volatile LONG m_calls = 0;
};
