#include "platform/inhouse/login/senha.h"

#include <windows.h>
#include <bcrypt.h>

#include <memory>

#include "platform/com/failure.h"
#include "platform/com/text.h"

namespace inhouse {

namespace {

void check_status(NTSTATUS status, const char* what) {
    if (status < 0) com::fail(std::string("Erro ao proteger a senha (") + what + ").", HRESULT_FROM_NT(status));
}

struct close_algorithm {
    void operator()(BCRYPT_ALG_HANDLE h) const noexcept { BCryptCloseAlgorithmProvider(h, 0); }
};
using algorithm = std::unique_ptr<void, close_algorithm>;

std::string random_bytes(size_t n) {
    std::string out(n, '\0');
    check_status(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(out.data()), static_cast<ULONG>(n),
                                 BCRYPT_USE_SYSTEM_PREFERRED_RNG),
                 "BCryptGenRandom");
    return out;
}

bool same_bytes(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    // Every byte is looked at, wherever the first difference is.
    volatile unsigned char difference = 0;
    for (size_t i = 0; i < a.size(); ++i)
        difference = difference | static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

void sql_salt(sqlite3_context* context, int, sqlite3_value**) {
    try {
        const std::string salt = random_bytes(tamanho_sal_senha);
        sqlite3_result_blob(context, salt.data(), static_cast<int>(salt.size()), SQLITE_TRANSIENT);
    } catch (...) {
        sqlite3_result_error(context, "sal_senha", -1);
    }
}

void sql_pbkdf2(sqlite3_context* context, int, sqlite3_value** args) {
    try {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
        const std::string senha = com::utf8_to_ansi(text ? text : "");
        const auto* salt = static_cast<const char*>(sqlite3_value_blob(args[1]));
        const std::string_view sal(salt ? salt : "", static_cast<size_t>(sqlite3_value_bytes(args[1])));
        const std::string hash = deriva_senha(senha, sal, static_cast<uint32_t>(sqlite3_value_int64(args[2])));
        sqlite3_result_blob(context, hash.data(), static_cast<int>(hash.size()), SQLITE_TRANSIENT);
    } catch (...) {
        sqlite3_result_error(context, "pbkdf2_senha", -1);
    }
}

}  // namespace

std::string deriva_senha(std::string_view senha, std::string_view sal, uint32_t iteracoes) {
    BCRYPT_ALG_HANDLE handle = nullptr;
    check_status(BCryptOpenAlgorithmProvider(&handle, BCRYPT_SHA256_ALGORITHM, nullptr, BCRYPT_ALG_HANDLE_HMAC_FLAG),
                 "BCryptOpenAlgorithmProvider");
    algorithm sha256(handle);
    std::string hash(tamanho_hash_senha, '\0');
    check_status(BCryptDeriveKeyPBKDF2(handle, reinterpret_cast<PUCHAR>(const_cast<char*>(senha.data())),
                                       static_cast<ULONG>(senha.size()),
                                       reinterpret_cast<PUCHAR>(const_cast<char*>(sal.data())),
                                       static_cast<ULONG>(sal.size()), iteracoes,
                                       reinterpret_cast<PUCHAR>(hash.data()), static_cast<ULONG>(hash.size()), 0),
                 "BCryptDeriveKeyPBKDF2");
    return hash;
}

senha_protegida protege_senha(std::string_view senha, uint32_t iteracoes) {
    senha_protegida p;
    p.sal = random_bytes(tamanho_sal_senha);
    p.iteracoes = iteracoes;
    p.hash = deriva_senha(senha, p.sal, iteracoes);
    return p;
}

const senha_protegida& senha_inexistente() {
    // A salt and a hash that no derivation gives back (a hash of the wrong length never matches).
    static const senha_protegida none{std::string(tamanho_sal_senha, '\x5A'), std::string(), iteracoes_senha};
    return none;
}

bool confere_senha(std::string_view senha, const senha_protegida& guardada) {
    const bool usable = guardada.iteracoes > 0 && guardada.hash.size() == tamanho_hash_senha;
    const senha_protegida& contra = usable ? guardada : senha_inexistente();
    const std::string hash = deriva_senha(senha, contra.sal, contra.iteracoes);
    return same_bytes(hash, contra.hash) && usable;
}

void registra_funcoes_senha(sqlite::connection& db) {
    sqlite::check(db.get(), sqlite3_create_function_v2(db.get(), "sal_senha", 0, SQLITE_UTF8, nullptr, &sql_salt,
                                                       nullptr, nullptr, nullptr));
    sqlite::check(db.get(), sqlite3_create_function_v2(db.get(), "pbkdf2_senha", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                                       nullptr, &sql_pbkdf2, nullptr, nullptr, nullptr));
}

}  // namespace inhouse
