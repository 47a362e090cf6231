#pragma once
// The session records that the server passes by value to the data servers' initialisations:
// packed, little-endian, zero-filled first, the company key cut to its field and always ended by
// a NUL. One place for the caller (which builds them) and the stand-ins (which read them).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "inhouse_registros.h"

namespace inhouse {

#pragma pack(push, 1)
// Bearer and accounts servers of the session data cache; the CFRT chart server.
struct REG_SESSAO_32 {
    static constexpr size_t max_empresa = 23;
    char empresa[24];      // +0
    uint16_t usuario;      // +24
    int32_t sessao;        // +26
    char tipo;             // +30, 'C'
    uint8_t reservado_31;  // +31
};
// Invoice server (cache slot 4).
struct REG_SESSAO_34 {
    static constexpr size_t max_empresa = 27;
    char empresa[28];      // +0
    uint16_t usuario;      // +28
    int32_t sessao;        // +30
};
// Category server (cache slot 7).
struct REG_SESSAO_36 {
    static constexpr size_t max_empresa = 25;
    int32_t sessao;        // +0
    uint16_t usuario;      // +4
    char empresa[26];      // +6
    int32_t zero;          // +32
};
// User server of the session data cache.
struct REG_SESSAO_38 {
    static constexpr size_t max_empresa = 31;
    char empresa[32];      // +0
    uint16_t usuario;      // +32
    int32_t sessao;        // +34
};
// Order server (cache slot 17).
struct REG_SESSAO_40 {
    static constexpr size_t max_empresa = 27;
    char empresa[28];      // +0
    uint16_t usuario;      // +28
    int32_t sessao;        // +30
    uint8_t zero[6];       // +34
};
// Purchase servers (cache slots 18 to 20).
struct REG_SESSAO_262 {
    static constexpr size_t max_empresa = 254;   // one short of the field's room
    int32_t sessao;        // +0
    uint16_t usuario;      // +4
    char empresa[256];     // +6
};
#pragma pack(pop)

static_assert(sizeof(REG_SESSAO_32) == 32 && offsetof(REG_SESSAO_32, usuario) == 24 &&
              offsetof(REG_SESSAO_32, sessao) == 26 && offsetof(REG_SESSAO_32, tipo) == 30);
static_assert(sizeof(REG_SESSAO_34) == 34 && offsetof(REG_SESSAO_34, usuario) == 28 &&
              offsetof(REG_SESSAO_34, sessao) == 30);
static_assert(sizeof(REG_SESSAO_36) == 36 && offsetof(REG_SESSAO_36, usuario) == 4 &&
              offsetof(REG_SESSAO_36, empresa) == 6 && offsetof(REG_SESSAO_36, zero) == 32);
static_assert(sizeof(REG_SESSAO_38) == 38 && offsetof(REG_SESSAO_38, usuario) == 32 &&
              offsetof(REG_SESSAO_38, sessao) == 34);
static_assert(sizeof(REG_SESSAO_40) == 40 && offsetof(REG_SESSAO_40, usuario) == 28 &&
              offsetof(REG_SESSAO_40, sessao) == 30 && offsetof(REG_SESSAO_40, zero) == 34);
static_assert(sizeof(REG_SESSAO_262) == 262 && offsetof(REG_SESSAO_262, usuario) == 4 &&
              offsetof(REG_SESSAO_262, empresa) == 6);

// Copies at most `limite` characters of `texto` into `campo` and ends it with a NUL (the field
// is zero-filled by the caller). Never writes past `limite` + 1 bytes.
inline void copia_texto(char* campo, size_t limite, std::string_view texto) noexcept {
    const size_t n = texto.size() < limite ? texto.size() : limite;
    std::memcpy(campo, texto.data(), n);
    campo[n] = '\0';
}

// The text of a fixed field (up to its first NUL or its width).
inline std::string_view texto_campo(const char* campo, size_t largura) noexcept {
    const void* nul = std::memchr(campo, 0, largura);
    return {campo, nul ? static_cast<size_t>(static_cast<const char*>(nul) - campo) : largura};
}

// The same for a whole fixed field: its text, and a new text in place of the old (the field is
// zero-filled first, the text cut to leave room for the NUL).
template <size_t N>
std::string_view texto_campo(const char (&campo)[N]) noexcept {
    return texto_campo(campo, N);
}
template <size_t N>
void poe_campo(char (&campo)[N], std::string_view texto) noexcept {
    std::memset(campo, 0, N);
    copia_texto(campo, N - 1, texto);
}

// Between the typed record and the interface's byte block (the same bytes).
template <class Block, class Record>
Block como_bloco(const Record& r) noexcept {
    static_assert(sizeof(Block) == sizeof(Record) && std::is_trivially_copyable_v<Record>);
    Block b;
    std::memcpy(&b, &r, sizeof b);
    return b;
}
template <class Record, class Block>
Record de_bloco(const Block& b) noexcept {
    static_assert(sizeof(Block) == sizeof(Record) && std::is_trivially_copyable_v<Record>);
    Record r;
    std::memcpy(&r, &b, sizeof r);
    return r;
}

// The record that each interface block carries.
template <class Block> struct registro_sessao;
template <> struct registro_sessao<QV_SESSAO_32> { using type = REG_SESSAO_32; };
template <> struct registro_sessao<QV_SESSAO_34> { using type = REG_SESSAO_34; };
template <> struct registro_sessao<QV_SESSAO_36> { using type = REG_SESSAO_36; };
template <> struct registro_sessao<QV_SESSAO_38> { using type = REG_SESSAO_38; };
template <> struct registro_sessao<QV_SESSAO_40> { using type = REG_SESSAO_40; };
template <> struct registro_sessao<QV_SESSAO_262> { using type = REG_SESSAO_262; };
template <class Block>
using registro_sessao_t = typename registro_sessao<Block>::type;

// A session record: zero-filled, the company cut to the record's `max_empresa` characters.
template <class Record>
Record monta_sessao(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    static_assert(Record::max_empresa < sizeof Record::empresa);
    Record r{};
    copia_texto(r.empresa, Record::max_empresa, empresa);
    r.usuario = usuario;
    r.sessao = sessao;
    if constexpr (std::is_same_v<Record, REG_SESSAO_32>) r.tipo = 'C';
    return r;
}

// The interface block of a session, built through its record.
template <class Block>
Block bloco_sessao(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    return como_bloco<Block>(monta_sessao<registro_sessao_t<Block>>(empresa, usuario, sessao));
}

// The company a session block names.
template <class Block>
std::string empresa_sessao(const Block& bloco) {
    const auto r = de_bloco<registro_sessao_t<Block>>(bloco);
    return std::string(texto_campo(r.empresa, sizeof r.empresa));
}

}  // namespace inhouse
