#include "platform/com/text.h"

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

// Without WC_NO_BEST_FIT_CHARS Windows folds characters the code page lacks into look-alikes
// (fullwidth "ａｄｍｉｎ" into "admin"). UTF-8 takes no flags and has a form for everything.
std::string narrow_to(UINT code_page, std::wstring_view wide, bool* lossy = nullptr) {
    if (lossy) *lossy = false;
    if (wide.empty()) return {};
    const DWORD flags = code_page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL used_default = FALSE;
    BOOL* used = code_page == CP_UTF8 ? nullptr : &used_default;
    const int n = WideCharToMultiByte(code_page, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, used);
    if (n <= 0) {
        if (lossy) *lossy = true;
        return {};
    }
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(code_page, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, used);
    if (lossy) *lossy = used_default != FALSE;
    return out;
}
}  // namespace

std::wstring to_wide(std::string_view ansi) { return wide_from(ansi_code_page, ansi); }
std::string to_ansi(std::wstring_view wide) { return narrow_to(ansi_code_page, wide); }

std::optional<std::string> to_ansi_exact(std::wstring_view wide) {
    bool lossy = false;
    std::string out = narrow_to(ansi_code_page, wide, &lossy);
    // The way back must give the same text: no character was replaced or folded on the way.
    if (lossy || wide_from(ansi_code_page, out) != wide) return std::nullopt;
    return out;
}
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
