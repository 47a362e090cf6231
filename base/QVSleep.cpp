#include "base/QVSleep.h"

#include <atomic>

namespace {
// Process-wide: a retry loop on another thread of a test must see the override too.
std::atomic<qv_sleep_override*> g_override{nullptr};
}  // namespace

void qv_sleep(DWORD ms) {
    if (qv_sleep_override* o = g_override.load()) {
        InterlockedExchangeAdd64(&o->m_slept_ms, static_cast<LONG64>(ms));
        InterlockedIncrement(&o->m_calls);
        return;
    }
    Sleep(ms);
}

qv_sleep_override::qv_sleep_override() : m_previous(g_override.exchange(this)) {}

qv_sleep_override::~qv_sleep_override() { g_override.store(m_previous); }

uint64_t qv_sleep_override::slept_ms() const {
    return static_cast<uint64_t>(InterlockedCompareExchange64(
        const_cast<volatile LONG64*>(&m_slept_ms), 0, 0));
}

unsigned qv_sleep_override::calls() const {
    return static_cast<unsigned>(InterlockedCompareExchange(const_cast<volatile LONG*>(&m_calls), 0, 0));
}
