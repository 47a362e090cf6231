#include "platform/inhouse/core/sqlite.h"

#include <windows.h>

#include <utility>

#include "platform/com/failure.h"
#include "platform/com/text.h"

namespace inhouse::sqlite {

namespace {

[[noreturn]] void fail_with(const char* what) {
    com::fail(std::string("Erro no banco de dados: ") + (what ? what : "?"), E_FAIL);
}

}  // namespace


void check(sqlite3* db, int rc) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    fail_with(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

connection::connection(const std::string& path_utf8, bool create) {
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

connection::connection(connection&& other) noexcept : m_db(std::exchange(other.m_db, nullptr)) {}

connection& connection::operator=(connection&& other) noexcept {
    if (this != &other) {
        if (m_db) sqlite3_close_v2(m_db);
        m_db = std::exchange(other.m_db, nullptr);
    }
    return *this;
}

connection::~connection() {
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

statement connection::prepare(std::string_view sql_utf8) { return statement(m_db, sql_utf8); }

statement::statement(sqlite3* db, std::string_view sql_utf8) {
    check(db, sqlite3_prepare_v2(db, sql_utf8.data(), static_cast<int>(sql_utf8.size()), &m_stmt, nullptr));
}

statement::statement(statement&& other) noexcept : m_stmt(std::exchange(other.m_stmt, nullptr)) {}

statement& statement::operator=(statement&& other) noexcept {
    if (this != &other) {
        if (m_stmt) sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

statement::~statement() {
    if (m_stmt) sqlite3_finalize(m_stmt);
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
