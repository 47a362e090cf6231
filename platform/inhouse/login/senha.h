#pragma once
// Users' passwords in the store: never the text, only a salted hash made with the platform's own
// key derivation (PBKDF2 with HMAC-SHA-256 through BCrypt). Each user has a random salt, and each
// row keeps the iteration count it was made with, so that the count can be raised for new
// passwords without making the stored ones unreadable.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/inhouse/core/sqlite.h"

namespace inhouse {

// The count for new hashes. Measured under Wine, whose BCrypt takes about 10 us an iteration:
// 10,000 make a login about 0.1 s slower there (100,000 would cost 1.5 s); Windows is far quicker.
inline constexpr uint32_t iteracoes_senha = 10000;
inline constexpr size_t tamanho_sal_senha = 16;
inline constexpr size_t tamanho_hash_senha = 32;

struct senha_protegida {
    std::string sal;        // bytes
    std::string hash;       // bytes
    uint32_t iteracoes = 0;
};

// The PBKDF2-HMAC-SHA-256 hash of `senha` (the CP1252 bytes the login compares). Throws com::failure.
std::string deriva_senha(std::string_view senha, std::string_view sal, uint32_t iteracoes);
// A new random salt (BCryptGenRandom) and the hash of `senha` with it.
senha_protegida protege_senha(std::string_view senha, uint32_t iteracoes = iteracoes_senha);
// Whether `senha` is the protected one. The hashes are compared in constant time, and a row
// without a usable hash costs a derivation like any other, so the time tells nothing.
bool confere_senha(std::string_view senha, const senha_protegida& guardada);
// What an unknown user is checked against: the same work as a real user, never a match.
const senha_protegida& senha_inexistente();

// SQL functions for the store's migration of clear-text passwords: sal_senha() gives a new salt,
// pbkdf2_senha(text, salt, count) the hash (text in UTF-8, hashed as CP1252).
void registra_funcoes_senha(sqlite::connection& db);

}  // namespace inhouse
