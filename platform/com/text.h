#pragma once
// Texts live inside the server as CP1252 (the maker's ANSI code page); BSTRs are UTF-16.
#include <optional>
#include <string>
#include <string_view>
#include "platform/com/unique.h"

namespace com {

inline constexpr UINT ansi_code_page = 1252;

std::wstring to_wide(std::string_view ansi);
// A character CP1252 has no form for becomes '?', never a look-alike ("ａ" is not "a").
std::string to_ansi(std::wstring_view wide);
// The CP1252 form of a text, or nothing when a character has none: for texts that are compared.
std::optional<std::string> to_ansi_exact(std::wstring_view wide);
// CP1252 and UTF-8 (SQLite's text, files marked as UTF-8); empty when the input is empty.
std::string ansi_to_utf8(std::string_view ansi);
std::string utf8_to_ansi(std::string_view utf8);
// Null means empty; the BSTR stays the caller's.
std::string from_bstr(BSTR value);
// Throws std::bad_alloc when no BSTR can be had.
unique_bstr to_bstr(std::string_view ansi);
unique_bstr to_bstr(std::wstring_view wide);

}  // namespace com
