#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/QVDCOM.h"
#include "inhouse_prova.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/stand_in_fixture.h"

namespace {

using inhouse::CLSID_ProvaServer;
constexpr HRESULT U = QV_SERVIDOR_INDISPONIVEL;
constexpr WORD ERR = EVENTLOG_ERROR_TYPE;
constexpr WORD WARN = EVENTLOG_WARNING_TYPE;

TEST(QVDCOM, SecuritySetUpAnswersLikeCoInitializeSecurity) {
    const HRESULT hr = QVInicializaSeguranca();
    EXPECT_TRUE(SUCCEEDED(hr) || hr == RPC_E_TOO_LATE) << std::hex << hr;
}

class QVCriaInstanciaTest : public stand_in_fixture {};

struct expected_event {
    WORD type;
    HRESULT id;
    std::string text;
};
struct creation_case {
    const char* name;
    std::vector<std::pair<HRESULT, size_t>> answers;   // runs of CreateInstance answers, then S_OK
    DWORD flags;
    HRESULT hr;
    size_t calls;
    uint64_t slept_ms;
    std::vector<expected_event> events;
};

const std::string first_failed = "\n\nA primeira tentativa de instanciar o servidor falhou";
const std::string gave_up = "\n\nErro instanciando servidor";
// The stand-in's class has no "RemoteServerName": the probe says so instead of running ping.
const std::string no_ip = "Falta informar o IP";

const creation_case creation_cases[] = {
    {"first attempt", {}, 3, S_OK, 1, 0, {}},
    {"second attempt: no event", {{U, 1}}, 3, S_OK, 2, 500, {}},
    {"third attempt: the late success is numbered 2",
     {{U, 2}},
     3,
     S_OK,
     3,
     1000,
     {{WARN, U, first_failed}, {ERR, U, no_ip}, {WARN, S_OK, "Instancia estabelecida com sucesso na vez 2"}}},
    {"E_INVALIDARG is repeated once at once", {{E_INVALIDARG, 1}}, 3, S_OK, 2, 0, {}},
    {"the repeated call's answer counts", {{E_INVALIDARG, 2}}, 3, E_INVALIDARG, 2, 0, {{ERR, E_INVALIDARG, gave_up}}},
    {"the repeat can lead into the retries", {{E_INVALIDARG, 1}, {U, 1}}, 3, S_OK, 3, 500, {}},
    {"other failures end at once", {{E_NOINTERFACE, 1}}, 3, E_NOINTERFACE, 1, 0, {{ERR, E_NOINTERFACE, gave_up}}},
    {"flags 1: one attempt, only the final error", {{U, 1}}, 1, U, 1, 0, {{ERR, U, gave_up}}},
    {"flags 2: only a late success is logged",
     {{U, 3}},
     2,
     S_OK,
     4,
     1500,
     {{WARN, S_OK, "Instancia estabelecida com sucesso na vez 3"}}},
    {"flags 2: a failure is not logged", {{U, 1}, {E_FAIL, 1}}, 2, E_FAIL, 2, 500, {}},
    {"flags 0: one attempt, nothing logged", {{U, 1}}, 0, U, 1, 0, {}},
    {"always unavailable: 500 attempts, 499 pauses",
     {{U, 500}},
     3,
     U,
     500,
     499 * 500,
     {{WARN, U, first_failed}, {ERR, U, no_ip}, {ERR, U, gave_up}}},
};

TEST_F(QVCriaInstanciaTest, RetriesAndReportsAsScripted) {
    for (const auto& c : creation_cases) {
        SCOPED_TRACE(c.name);
        auto& plan = factory(CLSID_ProvaServer).faults();
        plan.clear();
        events().clear();
        for (const auto& [hr, times] : c.answers) plan.answer("CreateInstance", hr, times);
        qv_sleep_override clock;

        IProvaServer* sentinel = reinterpret_cast<IProvaServer*>(0x1234);
        IProvaServer* server = sentinel;
        const HRESULT hr = QVCriaInstancia(CLSID_ProvaServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IProvaServer),
                                           reinterpret_cast<void**>(&server), c.flags);

        EXPECT_EQ(hr, c.hr) << std::hex << hr;
        EXPECT_EQ(plan.count("CreateInstance"), c.calls);
        EXPECT_EQ(plan.pending("CreateInstance"), 0u);
        EXPECT_EQ(clock.slept_ms(), c.slept_ms);
        if (SUCCEEDED(c.hr)) {
            ASSERT_NE(server, sentinel);
            ASSERT_NE(server, nullptr);
            LONG version = 0;
            EXPECT_EQ(server->Versao(&version), S_OK);
            EXPECT_GT(version, 0);
            server->Release();
        } else {
            EXPECT_EQ(server, sentinel) << "the out pointer is written only on success";
        }
        const auto& got = events().entries();
        ASSERT_EQ(got.size(), c.events.size());
        for (size_t i = 0; i < got.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "event " << i);
            EXPECT_EQ(got[i].type, c.events[i].type);
            EXPECT_EQ(got[i].event_id, static_cast<DWORD>(c.events[i].id));
            EXPECT_EQ(got[i].text, c.events[i].text);
        }
    }
}

TEST_F(QVCriaInstanciaTest, PassesTheSecurityRecordsAndDropsTheServerRecordOnlyForTheRepeat) {
    struct seen {
        DWORD context;
        bool with_server;
        bool server_name_null;
        DWORD authn_service, authz_service, authn_level, impersonation, capabilities;
        bool principal_null, identity_null, one_interface;
    };
    std::vector<seen> calls;
    qv_create_instance_override hook([&](REFCLSID clsid, IUnknown* outer, DWORD context, COSERVERINFO* server,
                                         DWORD count, MULTI_QI* query) -> HRESULT {
        seen s{context, server != nullptr, true, 0, 0, 0, 0, 0, true, true, count == 1};
        if (server) {
            s.server_name_null = server->pwszName == nullptr;
            const COAUTHINFO* a = server->pAuthInfo;
            if (a) {
                s.authn_service = a->dwAuthnSvc;
                s.authz_service = a->dwAuthzSvc;
                s.authn_level = a->dwAuthnLevel;
                s.impersonation = a->dwImpersonationLevel;
                s.capabilities = a->dwCapabilities;
                s.principal_null = a->pwszServerPrincName == nullptr;
                s.identity_null = a->pAuthIdentityData == nullptr;
            }
        }
        calls.push_back(s);
        if (calls.size() == 1) return E_INVALIDARG;
        return CoCreateInstanceEx(clsid, outer, context, server, count, query);
    });

    com::com_ptr<IProvaServer> server;
    EXPECT_EQ(QVCriaInstancia(CLSID_ProvaServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IProvaServer),
                              server.put_void(), QV_CRIA_PADRAO),
              S_OK);
    EXPECT_TRUE(server);
    ASSERT_EQ(calls.size(), 2u);
    const seen& first = calls[0];
    EXPECT_EQ(first.context, 23u);
    EXPECT_TRUE(first.with_server);
    EXPECT_TRUE(first.server_name_null);
    EXPECT_EQ(first.authn_service, static_cast<DWORD>(RPC_C_AUTHN_NONE));
    EXPECT_EQ(first.authz_service, static_cast<DWORD>(RPC_C_AUTHZ_NONE));
    EXPECT_EQ(first.authn_level, 1u);
    EXPECT_EQ(first.impersonation, 3u);
    EXPECT_EQ(first.capabilities, 0u);
    EXPECT_TRUE(first.principal_null && first.identity_null && first.one_interface);
    EXPECT_FALSE(calls[1].with_server) << "the repeat after E_INVALIDARG goes without the server record";
}

TEST_F(QVCriaInstanciaTest, HoldersAndTheServerFactory) {
    {
        CQVInterfacePtr<IProvaServer, IID_IProvaServer> holder;
        EXPECT_EQ(holder.GetInterface(), nullptr);
        EXPECT_EQ(holder.CriaInstancia(CLSID_ProvaServer, nullptr, QV_CLSCTX_SERVIDOR, QV_CRIA_PADRAO), S_OK);
        IProvaServer* first = holder.GetInterface();
        ASSERT_NE(first, nullptr);
        // A failed creation keeps the held object; a successful one replaces it.
        factory(CLSID_ProvaServer).faults().answer("CreateInstance", {E_FAIL});
        EXPECT_EQ(holder.CriaInstancia(CLSID_ProvaServer, nullptr, QV_CLSCTX_SERVIDOR, QV_CRIA_PADRAO), E_FAIL);
        EXPECT_EQ(holder.GetInterface(), first);
        holder.Release();
        EXPECT_EQ(holder.GetInterface(), nullptr);
        holder.Release();   // a second release (and the destructor) must not release again
    }
    events().clear();
    void* out = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(QVCriaServidor(6, &out), S_OK);
    EXPECT_EQ(out, reinterpret_cast<void*>(0x1234)) << "kinds above 5 leave the pointer alone";
    EXPECT_EQ(QVCriaServidor(-1, &out), S_OK);
    EXPECT_EQ(out, reinterpret_cast<void*>(0x1234));
    // No data server of ours stands behind the factory's classes: the failure comes back, reported.
    EXPECT_TRUE(FAILED(QVCriaServidor(0, &out)));
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(events().entries().size(), 1u);
    EXPECT_EQ(events().entries()[0].text, "\n\nErro instanciando servidor");
}

TEST(QVReportaEvento, WritesTheTextAndADetailWithTheHresultClassAndProgram) {
    {
        qv_event_report_capture capture;
        QVReportaEvento(CLSID_ProvaServer, U, EVENTLOG_ERROR_TYPE, "texto");
        ASSERT_EQ(capture.entries().size(), 1u);
        const auto& e = capture.entries()[0];
        EXPECT_EQ(e.type, EVENTLOG_ERROR_TYPE);
        EXPECT_EQ(e.event_id, 0x800706BAu);
        EXPECT_EQ(e.text, "texto");
        EXPECT_EQ(e.detail.rfind("\nHR: 0x800706BA (", 0), 0u) << e.detail;
        EXPECT_NE(e.detail.find(")\nCLSID: {D7A3EE00-4C1E-4F5A-8B2D-5A0C3E9F1000}\nPrograma: "), std::string::npos)
            << e.detail;
        EXPECT_NE(e.detail.find("base_tests.exe\n"), std::string::npos) << e.detail;
    }
    // Without a capture it goes to the event log (Wine prints it); it must simply not fail.
    QVReportaEvento(CLSID_ProvaServer, E_FAIL, EVENTLOG_WARNING_TYPE, "ZidizUvi test entry");
}

// Registry rows under HKEY_CLASSES_ROOT, each with its own class and application ids.
struct remote_case {
    const char* name;
    const char* appid_value;     // nullptr: no "AppID" value; "" : the row's own AppID id
    bool appid_key;
    DWORD type;                  // of RemoteServerName; 0: no value
    std::string data;            // bytes as stored (with or without a NUL)
    std::string expected;
};

std::string row_guid(int row, int kind) {
    char text[64];
    std::snprintf(text, sizeof text, "{D7A3EF%02X-4C1E-4F5A-8B2D-5A0C3E9F10%02X}", row, kind);
    return text;
}

TEST(QVLeServidorRemoto, ReadsTheAppIdsRemoteServerNameStrictly) {
    const std::string with_nul = std::string("servidor01") + '\0';
    const remote_case cases[] = {
        {"REG_SZ", "", true, REG_SZ, with_nul, "servidor01"},
        {"REG_EXPAND_SZ", "", true, REG_EXPAND_SZ, with_nul, "servidor01"},
        {"no AppID value", nullptr, true, REG_SZ, with_nul, ""},
        {"no AppID key", "", false, 0, "", ""},
        {"no RemoteServerName", "", true, 0, "", ""},
        {"stored without its NUL", "", true, REG_SZ, "servidor01", ""},
        {"not a string", "", true, REG_DWORD, std::string("\x01\x00\x00\x00", 4), ""},
        {"longer than 256 bytes", "", true, REG_SZ, std::string(300, 'x') + '\0', ""},
        {"AppID longer than 64 bytes", "{D7A3EF00-4C1E-4F5A-8B2D-5A0C3E9F1000}-muito-longo-para-o-campo-de-64", true,
         REG_SZ, with_nul, ""},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ++row;
        const std::string clsid_text = row_guid(row, 0xC1);
        const std::string appid_text = c.appid_value && *c.appid_value ? c.appid_value : row_guid(row, 0xA1);
        const std::string clsid_key = "CLSID\\" + clsid_text;
        const std::string appid_key = "AppID\\" + appid_text;
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, clsid_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        if (c.appid_value)
            RegSetValueExA(key, "AppID", 0, REG_SZ, reinterpret_cast<const BYTE*>(appid_text.c_str()),
                           static_cast<DWORD>(appid_text.size() + 1));
        RegCloseKey(key);
        if (c.appid_key) {
            ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, appid_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                      &key, nullptr),
                      ERROR_SUCCESS);
            // A byte other than NUL after the data: RegSetValueExA, like Windows, would otherwise
            // count a NUL that follows the data into a REG_SZ.
            const std::string bytes = c.data + 'X';
            if (c.type)
                RegSetValueExA(key, "RemoteServerName", 0, c.type, reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(c.data.size()));
            RegCloseKey(key);
        }

        CLSID clsid{};
        std::wstring wide(clsid_text.begin(), clsid_text.end());
        ASSERT_EQ(CLSIDFromString(wide.c_str(), &clsid), S_OK);
        EXPECT_EQ(QVLeServidorRemoto(clsid), c.expected);

        RegDeleteTreeA(HKEY_CLASSES_ROOT, clsid_key.c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, clsid_key.c_str());
        if (c.appid_key) {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, appid_key.c_str());
            RegDeleteKeyA(HKEY_CLASSES_ROOT, appid_key.c_str());
        }
    }
}

std::string probe_child() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    dir.erase(dir.find_last_of("\\/") + 1);
    return "\"" + dir + "zu_probe_child.exe\"";
}

TEST(QVPing, WithoutANameSaysSoWithoutRunningAnything) {
    std::string output = "anterior";
    EXPECT_EQ(QVPing("", output), S_OK);
    EXPECT_EQ(output, "Falta informar o IP");
}

TEST(QVPing, TheProbeRunnerDrainsTheOutputAndEndsAHungProgram) {
    struct run_case {
        const char* name;
        std::string command;
        DWORD limit_ms;
        HRESULT hr;
        size_t size;            // 0: not checked
        const char* begins;
        const char* ends;
    };
    const std::string child = probe_child();
    const run_case cases[] = {
        // 500 KB through stdout and stderr: far more than the pipe holds.
        {"chatty", child + " chatty 5000", 60000, S_OK, 5000 * 100 + 4, "00000000 0", "FIM\n"},
        {"output kept to 1 MiB", child + " chatty 12000", 60000, S_OK, 1u << 20, "00000000 0", nullptr},
        // Long enough for the child to start and speak on a loaded machine.
        {"hung program", child + " hang", 3000, HRESULT_FROM_WIN32(ERROR_TIMEOUT), 0, "parado",
         "não terminou em 3 segundos e foi encerrado.\r\n"},
        // The grandchild is in the job too: ending it does not wait for the pipe to close.
        {"hung grandchild", "cmd /c " + child + " hang", 500, HRESULT_FROM_WIN32(ERROR_TIMEOUT), 0, nullptr,
         "e foi encerrado.\r\n"},
        {"missing program", "zu_nao_existe_12345.exe", 60000, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), 0, nullptr,
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string output;
        const ULONGLONG start = GetTickCount64();
        const HRESULT hr = qv_executa_capturando(c.command, c.limit_ms, output);
        const ULONGLONG elapsed = GetTickCount64() - start;
        EXPECT_EQ(hr, c.hr) << std::hex << hr;
        EXPECT_LT(elapsed, 20000u);
        if (c.size) {
            EXPECT_EQ(output.size(), c.size);
        }
        if (c.begins) {
            EXPECT_EQ(output.rfind(c.begins, 0), 0u) << output.substr(0, 200);
        }
        if (c.ends) {
            const std::string tail = c.ends;
            ASSERT_GE(output.size(), tail.size());
            EXPECT_EQ(output.substr(output.size() - tail.size()), tail);
        }
    }
}

}  // namespace
