#include "platform/com/module.h"

#include <objbase.h>
#include <oleauto.h>

#include "platform/com/com_ptr.h"
#include "platform/com/error_info.h"
#include "platform/com/registrar.h"
#include "platform/com/type_library.h"

namespace com {

namespace {
DWORD WINAPI monitor_thread(void* self) {
    static_cast<CExeModule*>(self)->MonitorShutdown();
    return 0;
}
}  // namespace

CExeModule& module() noexcept {
    static CExeModule instance;
    return instance;
}

void CExeModule::Init(const module_config& config) {
    m_config = config;
    m_progids.clear();
    for (const auto& entry : config.object_map)
        m_progids.push_back(std::wstring(config.app_name) + L"." + entry.info.coclass + L".1");
    m_cookies.assign(config.object_map.size(), 0);
}

void CExeModule::Term() noexcept {
    m_shutdown_event.reset();
    release_type_libraries();
}

LONG CExeModule::Lock() noexcept { return ++m_lock_count; }

LONG CExeModule::Unlock() noexcept {
    const LONG count = --m_lock_count;
    if (count == 0) {
        bActivity = true;
        if (m_shutdown_event) SetEvent(m_shutdown_event.get());
    }
    return count;
}

bool CExeModule::StartMonitor() {
    m_shutdown_event.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!m_shutdown_event) return false;
    unique_handle thread(CreateThread(nullptr, 0, monitor_thread, this, 0, nullptr));
    return static_cast<bool>(thread);
}

void CExeModule::MonitorShutdown() noexcept {
    for (;;) {
        WaitForSingleObject(m_shutdown_event.get(), INFINITE);
        DWORD wait = 0;
        do {
            bActivity = false;
            wait = WaitForSingleObject(m_shutdown_event.get(), m_idle_timeout);
        } while (wait == WAIT_OBJECT_0);
        if (!bActivity && m_lock_count.load() == 0) break;
    }
    // The event stays open until Term: a late Unlock on the main thread may still signal it.
    PostThreadMessageW(dwThreadID, WM_QUIT, 0, 0);
}

HRESULT CExeModule::RegisterClassObjects(DWORD context, DWORD flags) noexcept {
    const auto map = m_config.object_map;
    for (size_t i = 0; i < map.size(); ++i) {
        com_ptr<IUnknown> factory;
        HRESULT hr = map[i].get_class_object(IID_IUnknown, factory.put_void());
        if (SUCCEEDED(hr)) hr = CoRegisterClassObject(*map[i].info.clsid, factory.get(), context, flags, &m_cookies[i]);
        if (FAILED(hr)) return hr;   // the classes after it stay unregistered
    }
    return S_OK;
}

void CExeModule::RevokeClassObjects() noexcept {
    for (DWORD& cookie : m_cookies)
        if (cookie) CoRevokeClassObject(std::exchange(cookie, 0));
}

HRESULT CExeModule::UpdateRegistryAppId(bool do_register) noexcept try {
    return run_script(appid_script(m_config.app_name, *m_config.appid), do_register);
} catch (...) {
    return current_exception_hresult();
}

HRESULT CExeModule::RegisterServer() noexcept try {
    const std::wstring path = module_path();
    for (const auto& entry : m_config.object_map) {
        HRESULT hr = run_script(class_script(m_config.app_name, entry.info, path, *m_config.appid,
                                             *m_config.libid), true);
        if (FAILED(hr)) return hr;
    }
    com_ptr<ITypeLib> lib = carried_type_library(*m_config.libid);
    if (!lib) return TYPE_E_CANTLOADLIBRARY;
    return RegisterTypeLib(lib.get(), const_cast<OLECHAR*>(path.c_str()), nullptr);
} catch (...) {
    return current_exception_hresult();
}

HRESULT CExeModule::UnregisterServer() noexcept try {
    const std::wstring path = module_path();
    for (const auto& entry : m_config.object_map) {
        HRESULT hr = run_script(class_script(m_config.app_name, entry.info, path, *m_config.appid,
                                             *m_config.libid), false);
        if (FAILED(hr)) return hr;
    }
    const SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    HRESULT hr = UnRegisterTypeLib(*m_config.libid, 1, 0, LOCALE_NEUTRAL, kind);
    // A library that was never registered is already gone.
    return hr == TYPE_E_REGISTRYACCESS || hr == TYPE_E_CANTLOADLIBRARY ? S_OK : hr;
} catch (...) {
    return current_exception_hresult();
}

const wchar_t* CExeModule::progid_of(REFCLSID clsid) const noexcept {
    const auto map = m_config.object_map;
    for (size_t i = 0; i < map.size() && i < m_progids.size(); ++i)
        if (IsEqualCLSID(*map[i].info.clsid, clsid)) return m_progids[i].c_str();
    return nullptr;
}

}  // namespace com
