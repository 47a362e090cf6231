#pragma once
// The C runtime's case-insensitive compare in the "C" locale, written out: only A-Z fold to
// lower case, and bytes compare unsigned, so "Santos" comes before "São Paulo". Wine's msvcrt
// compares the bytes above 127 as signed, which would put every accented name first.
#include <cstddef>

namespace masterdata {

// Compares at most `largura` bytes of two NUL-ended texts: < 0, 0 or > 0.
inline int compara_sem_caixa(const char* a, const char* b, size_t largura) noexcept {
    for (size_t i = 0; i < largura; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}

}  // namespace masterdata
