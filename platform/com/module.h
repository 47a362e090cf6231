#pragma once
// The executable's module: lock count, shutdown monitor, object map, class objects, registration.
#include <windows.h>

#include <atomic>
#include <span>
#include <string>
#include <vector>

#include "platform/com/class_info.h"
#include "platform/com/unique.h"

namespace com {

struct module_config {
    const wchar_t* app_name;          // "ZidizUvi": ProgID prefix and application id text
    const GUID* appid;
    const GUID* libid;
    std::span<const class_entry> object_map;
};

class CExeModule {
public:
    static constexpr DWORD idle_timeout_ms = 5000;
    static constexpr DWORD pause_after_loop_ms = 1000;

    void Init(const module_config& config);
    void Term() noexcept;

    LONG Lock() noexcept;
    LONG Unlock() noexcept;
    LONG lock_count() const noexcept { return m_lock_count.load(); }

    bool StartMonitor();
    void MonitorShutdown() noexcept;
    // Shortens the idle wait (tests of the monitor only).
    void set_idle_timeout(DWORD ms) noexcept { m_idle_timeout = ms; }

    HRESULT RegisterClassObjects(DWORD context, DWORD flags) noexcept;
    void RevokeClassObjects() noexcept;
    HRESULT RegisterServer() noexcept;
    HRESULT UnregisterServer() noexcept;
    HRESULT UpdateRegistryAppId(bool do_register) noexcept;

    const wchar_t* progid_of(REFCLSID clsid) const noexcept;
    std::span<const class_entry> object_map() const noexcept { return m_config.object_map; }
    const module_config& config() const noexcept { return m_config; }

    DWORD dwThreadID = 0;

private:
    module_config m_config{};
    std::vector<std::wstring> m_progids;           // version-dependent, in map order
    std::vector<DWORD> m_cookies;
    std::atomic<LONG> m_lock_count{0};
    // Written by the main thread before it signals and cleared by the monitor before each wait.
    std::atomic<bool> bActivity{false};
    unique_handle m_shutdown_event;
    DWORD m_idle_timeout = idle_timeout_ms;
};

CExeModule& module() noexcept;

}  // namespace com
