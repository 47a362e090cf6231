#include "platform/inhouse/core/installation.h"

#include "platform/inhouse/core/seed.h"
#include <vector>
#include <windows.h>

namespace inhouse {

namespace {

bool running(int64_t process_id) {
    if (process_id <= 0 || static_cast<DWORD>(process_id) == GetCurrentProcessId()) return false;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process_id));
    if (!process) return false;
    const bool alive = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return alive;
}

store opened(const std::string& path) {
    store s = store::open(path);
    end_orphan_sessions(s);
    return s;
}

}  // namespace

int end_orphan_sessions(store& data) {
    std::vector<int64_t> ended;
    {
        auto query = data.prepare("SELECT DISTINCT processo FROM sessao");
        while (query.step())
            if (!running(query.column_int64(0))) ended.push_back(query.column_int64(0));
    }
    int count = 0;
    data.write([&] {
        auto remove = data.prepare("DELETE FROM sessao WHERE processo = ?");
        for (int64_t p : ended) {
            remove.reset();
            remove.bind(1, p).run();
            count += data.db().changes();
        }
    });
    return count;
}

installation::installation(const std::string& database_path_utf8)
    : m_store(opened(database_path_utf8)), m_stand_ins(register_stand_ins(m_store)) {}

void create_demo_store(const std::string& database_path_utf8) {
    store s = store::create(database_path_utf8);
    load_seed(s, demo_seed());
}

}  // namespace inhouse
