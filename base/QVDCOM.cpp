#include "base/QVDCOM.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "base/QVSleep.h"
#include "platform/com/registrar.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"

namespace {

std::atomic<qv_event_report_capture*> g_event_capture{nullptr};
std::atomic<qv_create_instance_override*> g_create_override{nullptr};

constexpr const char* event_source = "RO Vivavevo";
constexpr size_t output_limit = 1u << 20;

HRESULT last_error_hr() {
    const DWORD error = GetLastError();
    return error ? static_cast<HRESULT>(0x80070000u | error) : E_FAIL;
}


// A string value of `key` of at most `max_chars` characters with its terminating NUL, accepted
// only as REG_SZ or REG_EXPAND_SZ stored with that NUL; anything else counts as missing. Read
// through the wide API: the ANSI one adds a NUL of its own to data stored without one.
bool read_string_value(HKEY key, const wchar_t* name, DWORD max_chars, std::string& out) {
    std::wstring buffer(max_chars, L'\0');
    DWORD type = 0;
    DWORD size = max_chars * sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return false;
    const DWORD chars = size / sizeof(wchar_t);
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size % sizeof(wchar_t) != 0 || chars == 0 || chars > max_chars ||
        buffer[chars - 1] != L'\0')
        return false;
    out = com::to_ansi(buffer.c_str());
    return true;
}

com::unique_reg_key open_read(HKEY root, const std::string& path) {
    com::unique_reg_key key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) key.reset();
    return key;
}

HRESULT create_once(REFCLSID clsid, IUnknown* outer, DWORD context, COSERVERINFO* server, MULTI_QI* query) {
    query->pItf = nullptr;
    query->hr = S_OK;
    if (qv_create_instance_override* o = g_create_override.load())
        return o->function()(clsid, outer, context, server, 1, query);
    return CoCreateInstanceEx(clsid, outer, context, server, 1, query);
}

// Reads everything the pipe holds now, without blocking; true when something came.
bool drain(HANDLE pipe, std::string& output) {
    bool any = false;
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) return any;
        DWORD got = 0;
        const DWORD want = available < sizeof buffer ? available : static_cast<DWORD>(sizeof buffer);
        if (!ReadFile(pipe, buffer, want, &got, nullptr) || got == 0) return any;
        if (output.size() < output_limit) output.append(buffer, std::min<size_t>(got, output_limit - output.size()));
        any = true;
    }
}

}  // namespace

HRESULT QVInicializaSeguranca() {
    return CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_NONE,
                                RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

void QVAjustaSeguranca(IUnknown* p) {
    CoSetProxyBlanket(p, RPC_C_AUTHN_NONE, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_NONE,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}

HRESULT QVCriaInstancia(REFCLSID clsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv,
                        DWORD dwFlags) {
    if (!ppv) return E_POINTER;
    COAUTHINFO auth{};
    auth.dwAuthnSvc = RPC_C_AUTHN_NONE;
    auth.dwAuthzSvc = RPC_C_AUTHZ_NONE;
    auth.pwszServerPrincName = nullptr;
    auth.dwAuthnLevel = RPC_C_AUTHN_LEVEL_NONE;
    auth.dwImpersonationLevel = RPC_C_IMP_LEVEL_IMPERSONATE;
    auth.pAuthIdentityData = nullptr;
    auth.dwCapabilities = 0;
    COSERVERINFO server{};
    server.dwReserved1 = 0;
    server.pwszName = nullptr;     // the machine comes from the class's own registration
    server.pAuthInfo = &auth;
    server.dwReserved2 = 0;
    MULTI_QI query{&riid, nullptr, S_OK};

    HRESULT hr = E_FAIL;
    for (int i = 0; i < QV_CRIA_TENTATIVAS; ++i) {
        hr = create_once(clsid, pUnkOuter, dwClsContext, &server, &query);
        if (SUCCEEDED(hr) && i >= 2) {
            char text[64];
            std::snprintf(text, sizeof text, "Instancia estabelecida com sucesso na vez %d", i);
            QVReportaEvento(clsid, hr, EVENTLOG_WARNING_TYPE, text);
        }
        if (hr == E_INVALIDARG) hr = create_once(clsid, pUnkOuter, dwClsContext, nullptr, &query);
        if (hr != QV_SERVIDOR_INDISPONIVEL || !(dwFlags & QV_CRIA_REPETE)) break;
        if (i == 1 && (dwFlags & QV_CRIA_REPORTA)) {
            QVReportaEvento(clsid, hr, EVENTLOG_WARNING_TYPE, "\n\nA primeira tentativa de instanciar o servidor falhou");
            std::string probe;
            try {
                QVPing(QVLeServidorRemoto(clsid), probe);
            } catch (...) {
                // The probe only adds detail to the report; the creation goes on without it.
            }
            QVReportaEvento(clsid, hr, EVENTLOG_ERROR_TYPE, probe);
        }
        // No pause after the last attempt: nothing follows it.
        if (i + 1 < QV_CRIA_TENTATIVAS) qv_sleep(QV_CRIA_INTERVALO_MS);
    }

    if (SUCCEEDED(hr)) {
        QVAjustaSeguranca(query.pItf);
        *ppv = query.pItf;
    } else {
        if (query.pItf) query.pItf->Release();   // a failing creation should give none; never leak one
        if (dwFlags & QV_CRIA_REPORTA) QVReportaEvento(clsid, hr, EVENTLOG_ERROR_TYPE, "\n\nErro instanciando servidor");
    }
    return hr;
}

std::string QVLeServidorRemoto(REFCLSID clsid) {
    try {
        std::string appid;
        {
            auto key = open_read(HKEY_CLASSES_ROOT, "CLSID\\" + com::guid_text_ansi(clsid));
            if (!key || !read_string_value(key.get(), L"AppID", 64, appid)) return {};
        }
        auto key = open_read(HKEY_CLASSES_ROOT, "AppID\\" + appid);
        std::string name;
        if (!key || !read_string_value(key.get(), L"RemoteServerName", 256, name)) return {};
        return name;
    } catch (...) {
        return {};
    }
}

DWORD qv_tempo_limite_espera_ms() {
    constexpr DWORD default_seconds = 600;
    DWORD seconds = 0;
    DWORD type = 0;
    DWORD size = sizeof seconds;
    if (auto key = open_read(HKEY_LOCAL_MACHINE, "SOFTWARE\\RO Vivavevo")) {
        if (RegQueryValueExA(key.get(), "TempoLimiteEspera", nullptr, &type, reinterpret_cast<BYTE*>(&seconds),
                             &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            seconds = 0;
    }
    if (seconds == 0) seconds = default_seconds;
    if (seconds > 24 * 3600) seconds = 24 * 3600;
    return seconds * 1000;
}

HRESULT qv_executa_capturando(const std::string& command_line, DWORD time_limit_ms, std::string& output,
                              DWORD* exit_code) {
    output.clear();
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    com::unique_handle read_end, write_end;
    if (!CreatePipe(read_end.put(), write_end.put(), &inherit, 0)) return last_error_hr();
    if (!SetHandleInformation(read_end.get(), HANDLE_FLAG_INHERIT, 0)) return last_error_hr();

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = write_end.get();
    startup.hStdError = write_end.get();
    std::string line = command_line;          // CreateProcess may write into its command line
    line.push_back('\0');
    PROCESS_INFORMATION process{};
    // Started suspended so that it is in the job before it can start anything of its own: ending
    // the job ends the whole tree, and no grandchild keeps running (and holding the pipe).
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr, &startup,
                        &process))
        return last_error_hr();
    com::unique_handle process_handle(process.hProcess), thread_handle(process.hThread);
    com::unique_handle job(CreateJobObjectA(nullptr, nullptr));
    if (job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        if (!AssignProcessToJobObject(job.get(), process_handle.get())) job.reset();
    }
    ResumeThread(thread_handle.get());
    thread_handle.reset();
    write_end.reset();                        // only the child writes now

    // The child can hang: stop waiting after the limit, or every client of the server waits.
    const ULONGLONG deadline = GetTickCount64() + time_limit_ms;
    bool timed_out = false;
    for (;;) {
        const bool got = drain(read_end.get(), output);
        const DWORD wait = WaitForSingleObject(process_handle.get(), got ? 0 : 10);
        if (wait != WAIT_TIMEOUT) break;
        if (GetTickCount64() >= deadline) {
            timed_out = true;
            if (job) TerminateJobObject(job.get(), ERROR_TIMEOUT);
            TerminateProcess(process_handle.get(), ERROR_TIMEOUT);
            WaitForSingleObject(process_handle.get(), 5000);
            break;
        }
    }
    drain(read_end.get(), output);
    if (job) TerminateJobObject(job.get(), 0);   // whatever it left running
    if (!timed_out) {
        if (exit_code && !GetExitCodeProcess(process_handle.get(), exit_code)) return last_error_hr();
        return S_OK;
    }
    char note[400];
    std::snprintf(note, sizeof note, "\r\nO comando \"%.300s\" não terminou em %lu segundos e foi encerrado.\r\n",
                  command_line.c_str(), static_cast<unsigned long>((time_limit_ms + 999) / 1000));
    output += note;
    return HRESULT_FROM_WIN32(ERROR_TIMEOUT);
}

HRESULT QVPing(const std::string& servidor, std::string& saida) {
    saida.clear();
    if (servidor.empty()) {
        saida = "Falta informar o IP";
        return S_OK;
    }
    try {
        return qv_executa_capturando("ping " + servidor, qv_tempo_limite_espera_ms(), saida);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

void QVReportaEvento(REFCLSID clsid, HRESULT hr, WORD tipo, const std::string& texto) {
    try {
        char system_text[256] = {};
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                       nullptr, static_cast<DWORD>(hr), 0, system_text, 255, nullptr);
        const std::string program = com::to_ansi(com::module_path());
        char code[16];
        std::snprintf(code, sizeof code, "0x%lX", static_cast<unsigned long>(static_cast<DWORD>(hr)));
        const std::string detail = std::string("\nHR: ") + code + " (" + system_text + ")\nCLSID: " + com::guid_text_ansi(clsid) +
                                   "\nPrograma: " + program + "\n";

        if (qv_event_report_capture* capture = g_event_capture.load()) {
            capture->m_entries.push_back({tipo, static_cast<DWORD>(hr), texto, detail});
            return;
        }
        HANDLE source = RegisterEventSourceA(nullptr, event_source);
        if (!source) return;
        const char* strings[] = {texto.c_str(), detail.c_str()};
        ReportEventA(source, tipo, 0, static_cast<DWORD>(hr), nullptr, 2, 0, strings, nullptr);
        DeregisterEventSource(source);
    } catch (...) {
        // The report is a side road: it never fails its caller.
    }
}

namespace {

template <int tipo>
HRESULT create_server(void** out) {
    CQVInterfacePtr<IUnknown, inhouse::IID_IQVServidor<tipo>> holder;
    const HRESULT hr = holder.CriaInstancia(inhouse::CLSID_QVServidor<tipo>, nullptr, QV_CLSCTX_SERVIDOR, QV_CRIA_PADRAO);
    IUnknown* p = SUCCEEDED(hr) ? holder.GetInterface() : nullptr;
    if (p) p->AddRef();                       // the caller's own reference; the holder drops its one
    *out = p;
    return hr;
}

constexpr HRESULT (*create_server_of_kind[])(void**) = {
    create_server<0>, create_server<1>, create_server<2>, create_server<3>, create_server<4>, create_server<5>,
};

}  // namespace

HRESULT QVCriaServidor(short tipo, void** ppServidor) {
    if (tipo < 0 || tipo >= static_cast<short>(std::size(create_server_of_kind))) return S_OK;
    if (!ppServidor) return E_POINTER;
    return create_server_of_kind[tipo](ppServidor);
}

qv_event_report_capture::qv_event_report_capture() : m_previous(g_event_capture.exchange(this)) {}
qv_event_report_capture::~qv_event_report_capture() { g_event_capture.store(m_previous); }

qv_create_instance_override::qv_create_instance_override(qv_create_instance_function f)
    : m_previous(nullptr), m_function(std::move(f)) {
    m_previous = g_create_override.exchange(this);
}
qv_create_instance_override::~qv_create_instance_override() { g_create_override.store(m_previous); }
