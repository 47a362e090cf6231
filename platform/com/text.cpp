#include "text.h"

#include <new>

namespace com {

namespace {
std::wstring wide_from(UINT code_page, std::string_view text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string narrow_to(UINT code_page, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}
}  // namespace

std::wstring to_wide(std::string_view ansi) { return wide_from(ansi_code_page, ansi); }
std::string to_ansi(std::wstring_view wide) { return narrow_to(ansi_code_page, wide); }
std::string ansi_to_utf8(std::string_view ansi) { return narrow_to(CP_UTF8, to_wide(ansi)); }
std::string utf8_to_ansi(std::string_view utf8) { return to_ansi(wide_from(CP_UTF8, utf8)); }

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
