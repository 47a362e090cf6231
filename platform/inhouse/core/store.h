#pragma once
// The stand-ins' store: the installation's company data in one SQLite database file (an in-memory
// database in unit tests). The schema is versioned: `schema_version` holds how many steps of the
// ordered migration list have run, and opening a store runs the missing ones.
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/inhouse/core/sqlite.h"

namespace inhouse {

// The schema, one step per version; a step is one or more SQL statements (UTF-8). Steps are only
// ever appended: a shipped step never changes.
std::span<const char* const> schema_steps();

// Runs the steps the database lacks, each in its own transaction together with its version
// number. Fails (com::failure) when the database is newer than the steps. Returns the version.
int migrate(sqlite::connection& db, std::span<const char* const> steps);

class store {
public:
    // Opens an existing database file (UTF-8 path), checks it (SQLite's quick_check) and brings
    // its schema up to date. A missing, unreadable or damaged file throws com::failure: the
    // server never makes a new store in place of the installation's.
    static store open(const std::string& path_utf8);
    // Makes a new database file with the current schema; an existing database is refused. Only
    // the installation writers create a store.
    static store create(const std::string& path_utf8);
    // A private in-memory database with the current schema.
    static store in_memory();

    store(store&&) noexcept = default;
    store& operator=(store&&) noexcept = default;

    int schema_version() const;
    // True when this store was made by create or in_memory (a new installation).
    bool created() const noexcept { return m_created; }

    // Runs `work` as one transaction: committed when it returns, rolled back when it throws
    // (the exception goes on). A write inside another write joins it as a savepoint.
    void write(const std::function<void()>& work);

    sqlite::connection& db() noexcept { return m_db; }
    sqlite::statement prepare(std::string_view sql_utf8) { return m_db.prepare(sql_utf8); }

    // Installation facts kept in the store (table store_info), e.g. whether the seed was loaded.
    std::string info(std::string_view name) const;
    void set_info(std::string_view name, std::string_view value);

private:
    explicit store(sqlite::connection db);
    mutable sqlite::connection m_db;
    bool m_created = false;
};

}  // namespace inhouse
