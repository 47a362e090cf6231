#pragma once
// Texts in fixed record fields: never written past the field, never read past it.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace ft {

// Zero-fills the field of `tamanho` bytes and copies at most `maximo` characters of the text
// (`maximo` never beyond the field): a text of the full field length has no NUL inside the field.
inline void grava_texto(char* campo, size_t tamanho, size_t maximo, std::string_view texto) noexcept {
    std::memset(campo, 0, tamanho);
    const size_t n = std::min({texto.size(), maximo, tamanho});
    std::memcpy(campo, texto.data(), n);
}

// The text of a field: up to its first NUL or its end.
inline std::string le_texto(const char* campo, size_t tamanho) {
    const auto* fim = static_cast<const char*>(std::memchr(campo, 0, tamanho));
    return std::string(campo, fim ? static_cast<size_t>(fim - campo) : tamanho);
}

}  // namespace ft
