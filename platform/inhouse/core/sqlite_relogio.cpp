#include "platform/inhouse/core/sqlite_relogio.h"

#include <windows.h>

#include <cstdint>

#include "base/QVRelogio.h"
#include "sqlite3.h"

namespace inhouse::sqlite {

namespace {

// The Julian day of 1601-01-01 (FILETIME's origin) in milliseconds, as SQLite counts time.
constexpr sqlite3_int64 origem_filetime_ms = 23058135LL * 8640000LL;

sqlite3_vfs g_vfs;

int agora_ms(sqlite3_vfs*, sqlite3_int64* agora) {
    try {
        const FILETIME ft = GetCurrentTime_SystemTimeAsFileTime();
        const auto unidades = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
        *agora = static_cast<sqlite3_int64>(unidades / 10000) + origem_filetime_ms;
        return SQLITE_OK;
    } catch (...) {
        return SQLITE_ERROR;   // a simulated date that cannot be read: the clock's own failure
    }
}

int agora_dias(sqlite3_vfs* vfs, double* agora) {
    sqlite3_int64 ms = 0;
    const int rc = agora_ms(vfs, &ms);
    *agora = static_cast<double>(ms) / 86400000.0;
    return rc;
}

}  // namespace

void usa_relogio_do_servidor() noexcept {
    static const bool feito = [] {
        sqlite3_vfs* sistema = sqlite3_vfs_find(nullptr);
        if (!sistema || sistema->iVersion < 2) return false;
        g_vfs = *sistema;
        g_vfs.zName = "zu-relogio";
        g_vfs.xCurrentTime = agora_dias;
        g_vfs.xCurrentTimeInt64 = agora_ms;
        return sqlite3_vfs_register(&g_vfs, 1) == SQLITE_OK;
    }();
    (void)feito;
}

}  // namespace inhouse::sqlite
