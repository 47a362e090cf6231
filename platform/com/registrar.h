#pragma once
// The registration scripts: the keys each creatable class and the application id write, as data,
// run in both directions by one registrar.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/com/class_info.h"

namespace com {

struct reg_value {
    std::wstring key;            // below HKEY_CLASSES_ROOT
    std::wstring name;           // empty: the key's default value; key only when !has_value
    std::wstring data;
    bool has_value = true;
};

struct reg_script {
    std::vector<reg_value> values;       // written in order on registration
    std::vector<std::wstring> removed;   // trees deleted on unregistration
};

std::wstring guid_text(REFGUID guid);
// The same text in the server's narrow strings.
std::string guid_text_ansi(REFGUID guid);

reg_script appid_script(const wchar_t* app_name, REFGUID appid);
reg_script class_script(const wchar_t* app_name, const class_info& info, const std::wstring& server_path,
                        REFGUID appid, REFGUID libid);

// Runs a script against HKEY_CLASSES_ROOT; returns the first failure.
HRESULT run_script(const reg_script& script, bool do_register) noexcept;

// Full path of the running executable.
std::wstring module_path();

}  // namespace com
