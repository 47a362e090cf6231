#include "platform/inhouse/store.h"

#include <iterator>

#include "platform/com/failure.h"

namespace inhouse {

namespace {

// Version 1: the bookkeeping tables and the company register.
constexpr const char* steps[] = {
    "CREATE TABLE store_info (name TEXT PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE empresa (chave TEXT PRIMARY KEY, razao_social TEXT NOT NULL);",
};

int read_version(sqlite::connection& db) {
    auto query = db.prepare("SELECT version FROM schema_version");
    return query.step() ? query.column_int(0) : 0;
}

}  // namespace

std::span<const char* const> schema_steps() { return steps; }

int migrate(sqlite::connection& db, std::span<const char* const> steps) {
    db.exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL);"
            "INSERT INTO schema_version (version) SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM schema_version);");
    int version = read_version(db);
    if (version < 0 || static_cast<size_t>(version) > steps.size())
        com::fail("O banco de dados da instalação é de uma versão mais nova do programa (esquema " +
                      std::to_string(version) + ").",
                  E_FAIL);
    for (; static_cast<size_t>(version) < steps.size(); ++version) {
        db.exec("BEGIN IMMEDIATE");
        try {
            db.exec(steps[static_cast<size_t>(version)]);
            db.prepare("UPDATE schema_version SET version = ?").bind(1, version + 1).run();
            db.exec("COMMIT");
        } catch (...) {
            if (db.in_transaction()) db.exec("ROLLBACK");
            throw;
        }
    }
    return version;
}

store::store(sqlite::connection db) : m_db(std::move(db)) {}

store store::open(const std::string& path_utf8) {
    store s{sqlite::connection(path_utf8)};
    bool had_schema = false;
    {
        auto query = s.m_db.prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'schema_version'");
        had_schema = query.step();
    }
    const bool was_empty = !had_schema || read_version(s.m_db) == 0;
    migrate(s.m_db, schema_steps());
    s.m_created = was_empty;
    return s;
}

store store::in_memory() { return open(":memory:"); }

int store::schema_version() const { return read_version(m_db); }

void store::write(const std::function<void()>& work) {
    // A nested write becomes a savepoint, so that its failure undoes only its own part when the
    // caller catches it; the outermost one takes the write lock at once.
    const bool nested = m_db.in_transaction();
    m_db.exec(nested ? "SAVEPOINT inner_write" : "BEGIN IMMEDIATE");
    try {
        work();
        m_db.exec(nested ? "RELEASE inner_write" : "COMMIT");
    } catch (...) {
        try {
            // The database may already have rolled back on its own (e.g. after a full disk).
            if (m_db.in_transaction())
                m_db.exec(nested ? "ROLLBACK TO inner_write; RELEASE inner_write" : "ROLLBACK");
        } catch (...) {
        }
        throw;
    }
}

std::string store::info(std::string_view name) const {
    auto query = m_db.prepare("SELECT value FROM store_info WHERE name = ?");
    query.bind_text(1, name);
    return query.step() ? query.column_text(0) : std::string();
}

void store::set_info(std::string_view name, std::string_view value) {
    write([&] {
        m_db.prepare("INSERT OR REPLACE INTO store_info (name, value) VALUES (?, ?)")
            .bind_text(1, name)
            .bind_text(2, value)
            .run();
    });
}

}  // namespace inhouse
