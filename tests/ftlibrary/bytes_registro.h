#pragma once
// Records as raw bytes, written and read at the offsets the layouts fix, so that the tests state
// every offset as a number and never go through the library's own record header.
#include <windows.h>
#include <wtypes.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

template <size_t N>
struct bytes_registro {
    std::vector<uint8_t> b = std::vector<uint8_t>(N, 0);

    template <class T>
    bytes_registro& poe(size_t offset, T valor) {
        std::memcpy(b.data() + offset, &valor, sizeof valor);
        return *this;
    }
    bytes_registro& cy(size_t offset, int64_t quatro_casas) { return poe<int64_t>(offset, quatro_casas); }
    bytes_registro& texto(size_t offset, const std::string& t) {
        std::memcpy(b.data() + offset, t.data(), t.size());
        return *this;
    }
    template <class T>
    T le(size_t offset) const {
        T valor;
        std::memcpy(&valor, b.data() + offset, sizeof valor);
        return valor;
    }
    // A view of the bytes as the library's record type.
    template <class R>
    const R& como() const {
        static_assert(sizeof(R) == N);
        return *reinterpret_cast<const R*>(b.data());
    }
    template <class R>
    static bytes_registro de(const R& registro) {
        static_assert(sizeof(R) == N);
        bytes_registro r;
        std::memcpy(r.b.data(), &registro, N);
        return r;
    }
};

using bytes_item = bytes_registro<1524>;
using bytes_pedido = bytes_registro<2208>;
using bytes_natureza = bytes_registro<704>;
using bytes_info = bytes_registro<474>;

// Money with four implied decimals and eight-decimal values, from hundredths.
constexpr int64_t cy(double valor) { return static_cast<int64_t>(valor * 10000 + (valor < 0 ? -0.5 : 0.5)); }
constexpr int64_t v8(double valor) { return static_cast<int64_t>(valor * 100000000 + (valor < 0 ? -0.5 : 0.5)); }
inline CURRENCY moeda(double valor) {
    CURRENCY c;
    c.int64 = cy(valor);
    return c;
}
