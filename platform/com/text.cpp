#include "text.h"

#include <new>

namespace com {

std::wstring to_wide(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int n = MultiByteToWideChar(ansi_code_page, 0, ansi.data(), static_cast<int>(ansi.size()),
                                      nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(ansi_code_page, 0, ansi.data(), static_cast<int>(ansi.size()), out.data(), n);
    return out;
}

std::string to_ansi(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(ansi_code_page, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(ansi_code_page, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::string ansi_to_utf8(std::string_view ansi) {
    const std::wstring wide = to_wide(ansi);
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string from_bstr(BSTR value) {
    if (!value) return {};
    return to_ansi(std::wstring_view(value, SysStringLen(value)));
}

unique_bstr to_bstr(std::wstring_view wide) {
    unique_bstr out(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    if (!out) throw std::bad_alloc();
    return out;
}

unique_bstr to_bstr(std::string_view ansi) { return to_bstr(to_wide(ansi)); }

}  // namespace com
