#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inhouse_prova.h"
#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/fault_plan.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registration.h"
#include "platform/inhouse/core/seed.h"
#include "platform/inhouse/core/store.h"
#include "platform/inhouse/core/installation.h"
#include "platform/inhouse/login/senha.h"
#include "support/stand_in_fixture.h"

namespace {

using inhouse::store;
namespace sqlite = inhouse::sqlite;

int count_rows(store& s, const char* table) {
    auto q = s.prepare(std::string("SELECT COUNT(*) FROM ") + table);
    q.step();
    return q.column_int(0);
}

bool has_table(sqlite::connection& db, const char* name) {
    auto q = db.prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    q.bind_utf8(1, name);
    return q.step();
}

int version_of(sqlite::connection& db) {
    auto q = db.prepare("SELECT version FROM schema_version");
    return q.step() ? q.column_int(0) : -1;
}

TEST(InhouseStore, MigrationRunsOnlyTheMissingStepsEachInItsOwnTransaction) {
    sqlite::connection db(":memory:");
    const char* v1[] = {"CREATE TABLE a (x INTEGER)"};
    const char* v2[] = {"CREATE TABLE a (x INTEGER)", "CREATE TABLE b (y INTEGER); INSERT INTO a VALUES (1)"};
    const char* v3_broken[] = {v2[0], v2[1], "CREATE TABLE c (z INTEGER); INSERT INTO nao_existe VALUES (1)"};

    EXPECT_EQ(inhouse::migrate(db, v1), 1);
    EXPECT_EQ(inhouse::migrate(db, v1), 1) << "a second run changes nothing";
    EXPECT_EQ(inhouse::migrate(db, v2), 2);
    EXPECT_TRUE(has_table(db, "b"));
    // A failing step leaves neither its changes nor its version number behind.
    EXPECT_THROW(inhouse::migrate(db, v3_broken), com::failure);
    EXPECT_FALSE(has_table(db, "c"));
    EXPECT_EQ(version_of(db), 2);
    EXPECT_FALSE(db.in_transaction());
    // A database made by a newer program is refused, not damaged.
    EXPECT_THROW(inhouse::migrate(db, v1), com::failure);
    EXPECT_EQ(version_of(db), 2);
}

std::string temp_path(const char* name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name + std::to_string(GetCurrentProcessId()) + ".db";
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void write_file(const std::string& path, const std::string& bytes, long offset = -1) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, offset < 0 ? CREATE_ALWAYS : OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    if (offset >= 0) SetFilePointer(f, offset, nullptr, FILE_BEGIN);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

TEST(InhouseStore, OnlyCreateMakesAStoreAndOpenUsesOnlyASoundOne) {
    const std::string path = temp_path("zu_inhouse_store_");
    DeleteFileA(path.c_str());
    // Opening never makes a store in place of a missing one.
    EXPECT_THROW(store::open(path), com::failure);
    EXPECT_FALSE(exists(path));
    {
        store s = store::create(path);
        EXPECT_TRUE(s.created());
        EXPECT_EQ(s.schema_version(), static_cast<int>(inhouse::schema_steps().size()));
        EXPECT_TRUE(inhouse::load_seed(s, inhouse::demo_seed()));
    }
    EXPECT_THROW(store::create(path), com::failure) << "an existing store is never made again";
    {
        store s = store::open(path);
        EXPECT_FALSE(s.created());
        EXPECT_FALSE(inhouse::load_seed(s, inhouse::demo_seed())) << "the seed is loaded once";
        EXPECT_EQ(count_rows(s, "empresa"), 1);
    }
    // Damage inside a table's pages fails the check; a file that is no database fails at once.
    write_file(path, std::string(4096, '\x5A'), 4096 * 3);
    EXPECT_THROW(store::open(path), com::failure);
    write_file(path, "isto não é um banco de dados");
    EXPECT_THROW(store::open(path), com::failure);
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST(InhouseStore, EachWriteIsOneTransaction) {
    store s = store::in_memory();
    EXPECT_TRUE(s.created());
    auto insert = [&](const char* key) {
        s.prepare("INSERT INTO empresa (chave, razao_social) VALUES (?, 'x')").bind_text(1, key).run();
    };
    // A failure rolls back the whole write.
    EXPECT_THROW(s.write([&] {
        insert("A");
        insert("A");   // duplicate key
    }),
                 com::failure);
    EXPECT_EQ(count_rows(s, "empresa"), 0);
    EXPECT_FALSE(s.db().in_transaction());
    // A nested write that fails undoes only its own part when the outer one goes on.
    s.write([&] {
        insert("B");
        try {
            s.write([&] {
                insert("C");
                com::fail("interna");
            });
        } catch (const com::failure&) {
        }
    });
    EXPECT_EQ(count_rows(s, "empresa"), 1);
    // Text goes in and out as CP1252 and is kept as UTF-8.
    s.write([&] { s.prepare("INSERT INTO empresa VALUES ('D', ?)").bind_text(1, "Ação").run(); });
    auto q = s.prepare("SELECT razao_social, hex(razao_social) FROM empresa WHERE chave = 'D'");
    ASSERT_TRUE(q.step());
    EXPECT_EQ(q.column_text(0), "Ação");
    EXPECT_EQ(q.column_utf8(1), "41C3A7C3A36F");
}

TEST(InhouseSeed, LoadsTheDemoCompanyOnceAndAllOrNothing) {
    {
        store s = store::in_memory();
        ASSERT_FALSE(inhouse::demo_seed().empty());
        EXPECT_TRUE(inhouse::load_seed(s, inhouse::demo_seed()));
        auto q = s.prepare("SELECT razao_social FROM empresa WHERE chave = 'DEMO'");
        ASSERT_TRUE(q.step());
        EXPECT_EQ(q.column_text(0), "Demonstração Comércio Ltda");
        EXPECT_FALSE(inhouse::load_seed(s, inhouse::demo_seed()));
        EXPECT_EQ(count_rows(s, "empresa"), 1);
    }
    {
        // Files run in name order whatever order they come in; a failing one undoes all of them.
        store s = store::in_memory();
        const inhouse::seed_file files[] = {
            {"002_b.sql", "INSERT INTO empresa VALUES ('B', (SELECT razao_social FROM empresa WHERE chave = 'A'));"},
            {"001_a.sql", "INSERT INTO empresa VALUES ('A', 'primeira');"},
            {"003_c.sql", "INSERT INTO nao_existe VALUES (1);"},
        };
        try {
            inhouse::load_seed(s, files);
            ADD_FAILURE() << "a broken seed must fail";
        } catch (const com::failure& f) {
            EXPECT_NE(f.text.find("003_c.sql"), std::string::npos) << f.text;
        }
        EXPECT_EQ(count_rows(s, "empresa"), 0);
        EXPECT_TRUE(s.info("seed").empty());
        EXPECT_TRUE(inhouse::load_seed(s, std::span(files, 2)));
        auto q = s.prepare("SELECT razao_social FROM empresa WHERE chave = 'B'");
        ASSERT_TRUE(q.step());
        EXPECT_EQ(q.column_text(0), "primeira");
    }
}

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

TEST(InhousePasswords, AreSaltedPbkdf2HashesComparedWholly) {
    // Published PBKDF2-HMAC-SHA-256 vectors.
    EXPECT_EQ(hex(inhouse::deriva_senha("password", "salt", 1)),
              "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
    EXPECT_EQ(hex(inhouse::deriva_senha("password", "salt", 4096)),
              "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
    const auto a = inhouse::protege_senha("admin123", 10);
    const auto b = inhouse::protege_senha("admin123", 10);
    EXPECT_EQ(a.sal.size(), inhouse::tamanho_sal_senha);
    EXPECT_NE(a.sal, b.sal) << "every password has its own salt";
    EXPECT_NE(a.hash, b.hash);
    struct row {
        const char* senha;
        inhouse::senha_protegida guardada;
        bool confere;
    };
    const row rows[] = {
        {"admin123", a, true},
        {"admin124", a, false},
        {"admin12", a, false},
        {"", a, false},
        {"admin123", {a.sal, a.hash, 11}, false},                   // another count is another hash
        {"admin123", {a.sal, a.hash.substr(0, 31), 10}, false},     // a damaged row never matches
        {"admin123", {a.sal, a.hash, 0}, false},
        {"admin123", inhouse::senha_inexistente(), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.senha);
        EXPECT_EQ(inhouse::confere_senha(r.senha, r.guardada), r.confere);
    }
}

TEST(InhousePasswords, TheStoreKeepsNoClearTextAndAnOlderStoreLosesItsOnOpening) {
    {
        store s = store::in_memory();
        inhouse::load_seed(s, inhouse::demo_seed());
        auto q = s.prepare("SELECT COUNT(*) FROM pragma_table_info('usuario') WHERE name = 'senha'");
        ASSERT_TRUE(q.step());
        EXPECT_EQ(q.column_int(0), 0);
        auto admin = s.prepare("SELECT senha_sal, senha_hash, senha_iteracoes FROM usuario WHERE nome = 'ADMIN'");
        ASSERT_TRUE(admin.step());
        const inhouse::senha_protegida seed{admin.column_blob(0), admin.column_blob(1),
                                            static_cast<uint32_t>(admin.column_int(2))};
        EXPECT_EQ(seed.iteracoes, inhouse::iteracoes_senha);
        EXPECT_TRUE(inhouse::confere_senha("admin123", seed));
    }
    // A store of the version before kept the text: opening it hashes every password.
    const std::string path = temp_path("zu_senhas_");
    DeleteFileA(path.c_str());
    {
        sqlite::connection db(path);
        inhouse::migrate(db, inhouse::schema_steps().first(4));
        db.exec("INSERT INTO empresa VALUES ('E', 'e')");
        // The store holds UTF-8; the password is hashed as the CP1252 the login compares.
        db.prepare("INSERT INTO usuario (empresa, numero, nome, senha) VALUES ('E', 1, 'ANA', ?1), ('E', 2, 'BIA', ?1)")
            .bind_text(1, "Ação1")
            .run();
    }
    {
        store s = store::open(path);
        EXPECT_EQ(s.schema_version(), static_cast<int>(inhouse::schema_steps().size()));
        auto q = s.prepare("SELECT senha_sal, senha_hash, senha_iteracoes FROM usuario ORDER BY numero");
        std::vector<inhouse::senha_protegida> kept;
        while (q.step())
            kept.push_back({q.column_blob(0), q.column_blob(1), static_cast<uint32_t>(q.column_int(2))});
        ASSERT_EQ(kept.size(), 2u);
        EXPECT_TRUE(inhouse::confere_senha("Ação1", kept[0]));
        EXPECT_FALSE(inhouse::confere_senha("Acao1", kept[0]));
        EXPECT_NE(kept[0].hash, kept[1].hash) << "the same password, two salts";
    }
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST(InhouseSessions, ThoseOfProcessesNoLongerRunningEndAtStart) {
    store s = store::in_memory();
    s.db().exec("INSERT INTO sessao (empresa, usuario, processo) VALUES ('E', 1, 0), ('E', 2, 2147483000), ('E', 3, 2147483000)");
    // This process opened none yet: a row with its number is from an earlier process.
    s.prepare("INSERT INTO sessao (empresa, usuario, processo) VALUES ('E', 4, ?)")
        .bind(1, static_cast<int64_t>(GetCurrentProcessId()))
        .run();
    EXPECT_EQ(inhouse::end_orphan_sessions(s), 4);
    EXPECT_EQ(count_rows(s, "sessao"), 0);
    EXPECT_EQ(inhouse::end_orphan_sessions(s), 0);
}

TEST(InhouseFaultPlan, AnswersInOrderThenSucceedsAndRecordsCalls) {
    inhouse::fault_plan plan;
    plan.answer("Save", {E_FAIL, E_ACCESSDENIED});
    plan.answer("Save", E_OUTOFMEMORY, 2);
    plan.answer("Load", {E_INVALIDARG});
    const HRESULT expected[] = {E_FAIL, E_ACCESSDENIED, E_OUTOFMEMORY, E_OUTOFMEMORY, S_OK, S_OK};
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(plan.enter("Save", "n=" + std::to_string(i)), expected[i]);
    }
    EXPECT_EQ(plan.pending("Save"), 0u);
    EXPECT_EQ(plan.pending("Load"), 1u) << "each method has its own queue";
    EXPECT_EQ(plan.enter("Load"), E_INVALIDARG);
    EXPECT_EQ(plan.count("Save"), 6u);
    EXPECT_EQ(plan.calls("Save").front(), "n=0");
    EXPECT_EQ(plan.calls().back(), (inhouse::fault_plan::call{"Load", ""}));
    plan.clear();
    EXPECT_TRUE(plan.calls().empty());
    EXPECT_EQ(plan.next("Save"), S_OK);
}

class StandIns : public stand_in_fixture {};

TEST_F(StandIns, AreReachedThroughComAndAnswerFromTheirPlans) {
    auto& f = factory(inhouse::CLSID_ProvaServer);
    com::com_ptr<IProvaServer> server;
    ASSERT_EQ(CoCreateInstance(inhouse::CLSID_ProvaServer, nullptr, CLSCTX_ALL, __uuidof(IProvaServer),
                               server.put_void()),
              S_OK);
    EXPECT_EQ(f.faults().calls("CreateInstance"), std::vector<std::string>{"{D7A3EE01-4C1E-4F5A-8B2D-5A0C3E9F1000}"});

    com::unique_bstr name;
    ASSERT_EQ(server->RazaoSocial(com::to_bstr(L"DEMO").get(), name.put()), S_OK);
    EXPECT_STREQ(name.get(), L"Demonstração Comércio Ltda");
    ASSERT_EQ(server->GravaRazaoSocial(com::to_bstr(L"NOVA").get(), com::to_bstr(L"Nova Ação").get()), S_OK);
    ASSERT_EQ(server->RazaoSocial(com::to_bstr(L"NOVA").get(), name.put()), S_OK);
    EXPECT_STREQ(name.get(), L"Nova Ação");
    ASSERT_EQ(server->RazaoSocial(com::to_bstr(L"NADA").get(), name.put()), S_OK);
    EXPECT_EQ(SysStringLen(name.get()), 0u);

    // A scripted failure is answered and changes nothing; the call is still recorded.
    f.object_faults().answer("GravaRazaoSocial", {E_ACCESSDENIED});
    EXPECT_EQ(server->GravaRazaoSocial(com::to_bstr(L"DEMO").get(), com::to_bstr(L"outra").get()), E_ACCESSDENIED);
    ASSERT_EQ(server->RazaoSocial(com::to_bstr(L"DEMO").get(), name.put()), S_OK);
    EXPECT_STREQ(name.get(), L"Demonstração Comércio Ltda");
    EXPECT_EQ(f.object_faults().calls("GravaRazaoSocial").back(), "chave=DEMO razao=outra");
    // A store failure comes back as a failed HRESULT, not an exception.
    store().db().exec("DROP TABLE empresa");
    EXPECT_EQ(server->RazaoSocial(com::to_bstr(L"DEMO").get(), name.put()), E_FAIL);

    // The factory's own plan scripts the creation.
    f.faults().answer("CreateInstance", {CO_E_SERVER_EXEC_FAILURE});
    com::com_ptr<IProvaServer> second;
    EXPECT_EQ(CoCreateInstance(inhouse::CLSID_ProvaServer, nullptr, CLSCTX_ALL, __uuidof(IProvaServer),
                               second.put_void()),
              CO_E_SERVER_EXEC_FAILURE);

    // Revoked, the class is gone from COM's table.
    stand_ins().revoke();
    EXPECT_EQ(CoCreateInstance(inhouse::CLSID_ProvaServer, nullptr, CLSCTX_ALL, __uuidof(IProvaServer),
                               second.put_void()),
              REGDB_E_CLASSNOTREG);
    EXPECT_THROW(stand_ins().factory(inhouse::CLSID_ProvaServer), std::out_of_range);
}

}  // namespace
