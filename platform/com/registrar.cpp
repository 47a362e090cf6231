#include "platform/com/registrar.h"

#include <objbase.h>

#include "platform/com/error_info.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace com {

std::wstring guid_text(REFGUID guid) {
    wchar_t buf[40];
    StringFromGUID2(guid, buf, 40);
    return buf;
}

std::string guid_text_ansi(REFGUID guid) { return to_ansi(guid_text(guid)); }

std::wstring module_path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) { path.resize(n); return path; }
        path.resize(path.size() * 2);
    }
}

reg_script appid_script(const wchar_t* app_name, REFGUID appid) {
    const std::wstring id = guid_text(appid);
    const std::wstring exe_key = L"AppID\\" + std::wstring(app_name) + L".EXE";
    reg_script s;
    s.values = {{L"AppID\\" + id, L"", app_name}, {exe_key, L"AppID", id}};
    s.removed = {L"AppID\\" + id, exe_key};
    return s;
}

reg_script class_script(const wchar_t* app_name, const class_info& info, const std::wstring& server_path,
                        REFGUID appid, REFGUID libid) {
    const std::wstring coclass = info.coclass;
    const std::wstring description = coclass + L" Class";
    const std::wstring progid_vi = std::wstring(app_name) + L"." + coclass;
    const std::wstring progid = progid_vi + L".1";
    const std::wstring clsid = guid_text(*info.clsid);
    const std::wstring clsid_key = L"CLSID\\" + clsid;
    // A path with blanks must be quoted or COM starts the wrong program.
    const std::wstring server = server_path.find(L' ') == std::wstring::npos
                                    ? server_path : L"\"" + server_path + L"\"";
    reg_script s;
    s.values = {{progid, L"", description},
                {progid + L"\\CLSID", L"", clsid},
                {progid_vi, L"", description},
                {progid_vi + L"\\CLSID", L"", clsid}};
    if (info.typelib_entries) s.values.push_back({progid_vi + L"\\CurVer", L"", progid});
    s.values.insert(s.values.end(), {{clsid_key, L"", description},
                                     {clsid_key + L"\\ProgID", L"", progid},
                                     {clsid_key + L"\\VersionIndependentProgID", L"", progid_vi},
                                     {clsid_key + L"\\LocalServer32", L"", server},
                                     {clsid_key, L"AppID", guid_text(appid)}});
    if (info.typelib_entries) {
        s.values.push_back({clsid_key + L"\\Programmable", L"", L"", false});
        s.values.push_back({clsid_key + L"\\TypeLib", L"", guid_text(libid)});
    }
    s.removed = {progid, progid_vi, clsid_key};
    return s;
}

namespace {
HRESULT write_value(const reg_value& v) noexcept {
    unique_reg_key key;
    LONG rc = RegCreateKeyExW(HKEY_CLASSES_ROOT, v.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              key.put(), nullptr);
    if (rc == ERROR_SUCCESS && v.has_value)
        rc = RegSetValueExW(key.get(), v.name.empty() ? nullptr : v.name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(v.data.c_str()),
                            static_cast<DWORD>((v.data.size() + 1) * sizeof(wchar_t)));
    return HRESULT_FROM_WIN32(rc);
}
}  // namespace

HRESULT run_script(const reg_script& script, bool do_register) noexcept {
    try {
        if (do_register) {
            for (const auto& v : script.values)
                if (HRESULT hr = write_value(v); FAILED(hr)) return hr;
            return S_OK;
        }
        for (const auto& key : script.removed) {
            const LONG rc = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
            if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) return HRESULT_FROM_WIN32(rc);
        }
        return S_OK;
    } catch (...) {
        return current_exception_hresult();
    }
}

}  // namespace com
