#pragma once
// Case folding of CP1252 text, as the system's comparisons without regard to case need it
// (module names carry accented letters). Independent of the thread's locale.
#include <string>
#include <string_view>

constexpr unsigned char qv_ansi_upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A: return 0x8A;   // š
        case 0x9C: return 0x8C;   // œ
        case 0x9E: return 0x8E;   // ž
        case 0xFF: return 0x9F;   // ÿ
        default: return c;
    }
}

constexpr unsigned char qv_ansi_lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

inline std::string qv_ansi_to_upper(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(qv_ansi_upper(static_cast<unsigned char>(c)));
    return r;
}

inline std::string qv_ansi_to_lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(qv_ansi_lower(static_cast<unsigned char>(c)));
    return r;
}

inline bool qv_iguais_sem_caixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (qv_ansi_upper(static_cast<unsigned char>(a[i])) != qv_ansi_upper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
