#pragma once
// Small owners of SQLite handles. Errors are thrown as com::failure with the database's own text,
// so a stand-in answers them like any other failure. Text crossing these wrappers is CP1252 (the
// server's text) unless the name says utf8; the database itself holds UTF-8.
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace inhouse::sqlite {

// Throws com::failure{E_FAIL, "Erro no banco de dados: ..."} when rc is not one of the ok codes.
void check(sqlite3* db, int rc);

class statement;
struct statement_cache;

// One connection. Opening ":memory:" gives a private in-memory database (tests).
class connection {
public:
    connection() noexcept;
    // `path` is UTF-8. Without `create` a missing file is an error, never a new empty database.
    explicit connection(const std::string& path_utf8, bool create = true);
    connection(connection&& other) noexcept;
    connection& operator=(connection&& other) noexcept;
    connection(const connection&) = delete;
    connection& operator=(const connection&) = delete;
    ~connection();

    sqlite3* get() const noexcept { return m_db; }
    explicit operator bool() const noexcept { return m_db != nullptr; }

    // Runs one or more statements that return no rows (UTF-8 SQL).
    void exec(std::string_view sql_utf8);
    statement prepare(std::string_view sql_utf8);
    bool in_transaction() const noexcept { return m_db && !sqlite3_get_autocommit(m_db); }
    int64_t last_insert_rowid() const noexcept { return sqlite3_last_insert_rowid(m_db); }
    int changes() const noexcept { return sqlite3_changes(m_db); }

private:
    sqlite3* m_db = nullptr;
    // Statements once prepared are kept for the next prepare of the same text: a stand-in reads
    // a register one record per call, and compiling the query costs more than running it.
    std::shared_ptr<statement_cache> m_cache;
};

// One prepared statement. Parameter and column indices: bind from 1, column from 0 (SQLite's own).
class statement {
public:
    statement() noexcept = default;
    statement(sqlite3* db, std::string_view sql_utf8);
    // A statement of the cache (taken from it or new) that goes back to it, reset, when done.
    statement(sqlite3_stmt* prepared, std::shared_ptr<statement_cache> home) noexcept;
    statement(statement&& other) noexcept;
    statement& operator=(statement&& other) noexcept;
    statement(const statement&) = delete;
    statement& operator=(const statement&) = delete;
    ~statement();

    statement& bind(int index, int64_t value);
    statement& bind(int index, int value) { return bind(index, static_cast<int64_t>(value)); }
    statement& bind(int index, double value);
    statement& bind_text(int index, std::string_view ansi);       // CP1252, stored as UTF-8
    statement& bind_utf8(int index, std::string_view utf8);
    statement& bind_blob(int index, const void* data, size_t size);
    statement& bind_null(int index);

    // True while a row is there; false when done.
    bool step();
    // Runs a statement that returns no rows.
    void run() { step(); }
    void reset();

    bool is_null(int column) const noexcept;
    int64_t column_int64(int column) const noexcept;
    int column_int(int column) const noexcept { return static_cast<int>(column_int64(column)); }
    double column_double(int column) const noexcept;
    std::string column_text(int column) const;                    // CP1252
    std::string column_utf8(int column) const;
    std::string column_blob(int column) const;

    sqlite3_stmt* get() const noexcept { return m_stmt; }

private:
    friend class connection;
    void release() noexcept;

    sqlite3_stmt* m_stmt = nullptr;
    std::shared_ptr<statement_cache> m_home;
};

}  // namespace inhouse::sqlite
