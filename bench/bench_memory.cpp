// The server's memory over a few thousand logins, read from outside as a client sees the server
// process: after a warm-up the private bytes must stay where they are. A figure, not a test.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>

#include "bench/harness.h"
#include "platform/com/unique.h"

namespace {

// The running server process; null when it cannot be found or opened.
HANDLE open_server_process() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    HANDLE found = nullptr;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, L"ZidizUvi.exe") == 0)
            found = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

// Private bytes; Wine answers 0 there for another process and gives the process's data size
// (VmData) as its page-file usage.
double private_kb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return -1;
    const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<double>(bytes) / 1024.0;
}

void run() {
    auto root = bench::create(L"ZidizUvi.QV_Inicializa");
    if (!root) {
        std::printf("  (server not registered: run scripts/bench)\n");
        return;
    }
    HANDLE server = open_server_process();
    if (!server) {
        std::printf("  (the server process cannot be read)\n");
        return;
    }
    const DISPID inicializa = bench::dispid_of(root.get(), L"Inicializa");
    com::unique_bstr empresa(SysAllocString(L"DEMO")), usuario(SysAllocString(L"ADMIN")),
        senha(SysAllocString(L"admin123")), errada(SysAllocString(L"errada"));
    struct series {
        const char* name;
        BSTR senha;
        HRESULT hr;
        LONG result;
    };
    // A wrong password is refused by the branch step with the code of a session without a company.
    const series all[] = {
        {"private bytes over 1000 accepted logins", senha.get(), S_OK, 0},
        {"private bytes over 1000 refused logins", errada.get(), static_cast<HRESULT>(0x80040201u), 1},
    };
    struct tally {
        int unexpected = 0;
        bench::login_result first{};
    };
    auto batch = [&](const series& s, int n, tally& t) {
        for (int i = 0; i < n; ++i) {
            const auto r = bench::login(root.get(), inicializa, empresa.get(), usuario.get(), s.senha);
            if (r.hr == s.hr && r.result == s.result) continue;
            if (!t.unexpected++) t.first = r;
        }
    };
    // The heap, SQLite's page cache and COM's own tables reach their size in the first hundreds
    // of logins of either kind: warm both up before any figure.
    constexpr int warm_up = 200, measured = 1000;
    tally warm;
    for (const auto& s : all) batch(s, warm_up, warm);
    for (const auto& s : all) {
        tally t;
        const double before = private_kb(server);
        batch(s, measured, t);
        const double after = private_kb(server);
        std::printf("  %-44s %9.0f kB -> %9.0f kB: %7.3f kB per login\n", s.name, before, after,
                    (after - before) / measured);
        if (t.unexpected)
            std::printf("  (%d logins did not answer as expected; the first: 0x%08lX, result %ld)\n", t.unexpected,
                        static_cast<unsigned long>(t.first.hr), static_cast<long>(t.first.result));
    }
    CloseHandle(server);
}

bench::registrar reg("5 memory", run);

}  // namespace
