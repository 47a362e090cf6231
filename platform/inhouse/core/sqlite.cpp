#include "platform/inhouse/core/sqlite.h"

#include <windows.h>

#include <string>
#include <unordered_map>
#include <utility>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/sqlite_relogio.h"

namespace inhouse::sqlite {

namespace {

[[noreturn]] void fail_with(const char* what) {
    com::fail(std::string("Erro no banco de dados: ") + (what ? what : "?"), E_FAIL);
}

}  // namespace

// The idle prepared statements of one connection, by their SQL text. Closing the connection
// finalizes them; a statement still in use when that happens is finalized when it is done.
struct statement_cache {
    static constexpr size_t most_idle = 256;

    std::unordered_multimap<std::string, sqlite3_stmt*> idle;
    bool open = true;

    sqlite3_stmt* take(std::string_view sql) {
        auto it = idle.find(std::string(sql));
        if (it == idle.end()) return nullptr;
        sqlite3_stmt* s = it->second;
        idle.erase(it);
        return s;
    }
    void give_back(sqlite3_stmt* s) noexcept {
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
        try {
            if (open && idle.size() < most_idle) {
                idle.emplace(sqlite3_sql(s), s);
                return;
            }
        } catch (...) {
        }
        sqlite3_finalize(s);
    }
    void close() noexcept {
        for (auto& [sql, s] : idle) sqlite3_finalize(s);
        idle.clear();
        open = false;
    }
};

void check(sqlite3* db, int rc) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    fail_with(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// Without a bulk of pages per page cache: every query with a sorter or a temporary table makes a
// page cache of its own, and the bulk (about 90 KB, its every page touched at once) then came back
// from the system at each execution, costing hundreds of microseconds under Wine. The pages come
// one by one from the heap instead. Set once, before SQLite starts; then its "now" becomes the
// server's clock.
void configure_once() noexcept {
    static const int configured = sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
    (void)configured;
    usa_relogio_do_servidor();
}

connection::connection() noexcept = default;

connection::connection(const std::string& path_utf8, bool create) : m_cache(std::make_shared<statement_cache>()) {
    configure_once();
    const int rc = sqlite3_open_v2(path_utf8.c_str(), &m_db,
                                   SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        std::string text = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close_v2(std::exchange(m_db, nullptr));
        fail_with(text.c_str());
    }
    sqlite3_extended_result_codes(m_db, 1);
    // Another process (a second server, the sqlite3 shell) may hold the file for a moment.
    sqlite3_busy_timeout(m_db, 5000);
    exec("PRAGMA foreign_keys = ON");
}

connection::connection(connection&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_cache(std::move(other.m_cache)) {}

connection& connection::operator=(connection&& other) noexcept {
    if (this != &other) {
        if (m_cache) m_cache->close();
        if (m_db) sqlite3_close_v2(m_db);
        m_db = std::exchange(other.m_db, nullptr);
        m_cache = std::move(other.m_cache);
    }
    return *this;
}

connection::~connection() {
    if (m_cache) m_cache->close();
    if (m_db) sqlite3_close_v2(m_db);
}

void connection::exec(std::string_view sql_utf8) {
    std::string sql(sql_utf8);
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        fail_with(text.c_str());
    }
}

statement connection::prepare(std::string_view sql_utf8) {
    if (!m_cache) return statement(m_db, sql_utf8);
    if (sqlite3_stmt* s = m_cache->take(sql_utf8)) return statement(s, m_cache);
    statement fresh(m_db, sql_utf8);
    return statement(std::exchange(fresh.m_stmt, nullptr), m_cache);
}

statement::statement(sqlite3* db, std::string_view sql_utf8) {
    check(db, sqlite3_prepare_v2(db, sql_utf8.data(), static_cast<int>(sql_utf8.size()), &m_stmt, nullptr));
}

statement::statement(sqlite3_stmt* prepared, std::shared_ptr<statement_cache> home) noexcept
    : m_stmt(prepared), m_home(std::move(home)) {}

statement::statement(statement&& other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr)), m_home(std::move(other.m_home)) {}

statement& statement::operator=(statement&& other) noexcept {
    if (this != &other) {
        release();
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_home = std::move(other.m_home);
    }
    return *this;
}

statement::~statement() { release(); }

void statement::release() noexcept {
    sqlite3_stmt* s = std::exchange(m_stmt, nullptr);
    if (!s) return;
    if (m_home) m_home->give_back(s);
    else sqlite3_finalize(s);
    m_home.reset();
}

statement& statement::bind(int index, int64_t value) {
    check(sqlite3_db_handle(m_stmt), sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

statement& statement::bind(int index, double value) {
    check(sqlite3_db_handle(m_stmt), sqlite3_bind_double(m_stmt, index, value));
    return *this;
}

statement& statement::bind_text(int index, std::string_view ansi) { return bind_utf8(index, com::ansi_to_utf8(ansi)); }

statement& statement::bind_utf8(int index, std::string_view utf8) {
    check(sqlite3_db_handle(m_stmt),
          sqlite3_bind_text(m_stmt, index, utf8.data() ? utf8.data() : "", static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

statement& statement::bind_blob(int index, const void* data, size_t size) {
    check(sqlite3_db_handle(m_stmt),
          sqlite3_bind_blob(m_stmt, index, data, static_cast<int>(size), SQLITE_TRANSIENT));
    return *this;
}

statement& statement::bind_null(int index) {
    check(sqlite3_db_handle(m_stmt), sqlite3_bind_null(m_stmt, index));
    return *this;
}

bool statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    check(sqlite3_db_handle(m_stmt), rc);
    return false;
}

void statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

bool statement::is_null(int column) const noexcept { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

int64_t statement::column_int64(int column) const noexcept { return sqlite3_column_int64(m_stmt, column); }

double statement::column_double(int column) const noexcept { return sqlite3_column_double(m_stmt, column); }

std::string statement::column_text(int column) const { return com::utf8_to_ansi(column_utf8(column)); }

std::string statement::column_utf8(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(m_stmt, column))) : std::string();
}

std::string statement::column_blob(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
    return data ? std::string(data, static_cast<size_t>(sqlite3_column_bytes(m_stmt, column))) : std::string();
}

}  // namespace inhouse::sqlite
