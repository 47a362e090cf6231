#pragma once
// Security settings for the maker's servers and the one way to create them: QVCriaInstancia asks
// COM for the object, retries while the server's machine answers that the RPC server is
// unavailable, and writes what went wrong (or a late success) to the event log.
#include <windows.h>
#include <objbase.h>
#include <unknwn.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Process-wide COM security: no authentication, impersonation allowed.
HRESULT QVInicializaSeguranca();
// The same settings on the proxy of an interface; the result is not looked at.
void QVAjustaSeguranca(IUnknown* p);

// Flags of QVCriaInstancia.
inline constexpr DWORD QV_CRIA_REPORTA = 1;        // write failures to the event log
inline constexpr DWORD QV_CRIA_REPETE = 2;         // retry while the server is unavailable
// What every caller passes: CLSCTX_INPROC_SERVER | INPROC_HANDLER | LOCAL_SERVER | REMOTE_SERVER.
inline constexpr DWORD QV_CLSCTX_SERVIDOR = 23;
inline constexpr DWORD QV_CRIA_PADRAO = QV_CRIA_REPORTA | QV_CRIA_REPETE;
// RPC_S_SERVER_UNAVAILABLE as an HRESULT: the only answer that is retried.
inline constexpr HRESULT QV_SERVIDOR_INDISPONIVEL = static_cast<HRESULT>(0x800706BAu);
inline constexpr int QV_CRIA_TENTATIVAS = 500;
inline constexpr DWORD QV_CRIA_INTERVALO_MS = 500;

// Creates the object (CoCreateInstanceEx, no authentication, impersonation) and applies the proxy
// blanket. With QV_CRIA_REPETE an unavailable server is tried up to 500 times, 500 ms apart
// (qv_sleep); any other answer ends at once. *ppv is written only on success. Never throws.
HRESULT QVCriaInstancia(REFCLSID clsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv,
                        DWORD dwFlags);

// The class's "RemoteServerName" (through its "AppID"), or empty. CP1252.
std::string QVLeServidorRemoto(REFCLSID clsid);

// Runs "ping <servidor>" hidden and gives what it printed. Empty name: "Falta informar o IP" and
// S_OK. The probe runs at most qv_tempo_limite_espera_ms(); past it, it is ended and the answer is
// HRESULT_FROM_WIN32(ERROR_TIMEOUT), with a line saying so at the end of the output.
HRESULT QVPing(const std::string& servidor, std::string& saida);

// Writes one event under "RO Vivavevo": event id = hr, first string the text, second a detail
// text with hr, its system text, the class and the program. tipo: EVENTLOG_ERROR_TYPE (1),
// EVENTLOG_WARNING_TYPE (2). Never throws; failures to write are ignored.
void QVReportaEvento(REFCLSID clsid, HRESULT hr, WORD tipo, const std::string& texto);

// The holder of one interface pointer of a fixed interface identity.
template <class Itf, const IID& Iid>
class CQVInterfacePtr {
public:
    CQVInterfacePtr() noexcept = default;
    CQVInterfacePtr(const CQVInterfacePtr&) = delete;
    CQVInterfacePtr& operator=(const CQVInterfacePtr&) = delete;
    ~CQVInterfacePtr() { Release(); }

    static const IID& iid() noexcept { return Iid; }

    // A new object replaces the held one only when the creation succeeded.
    HRESULT CriaInstancia(REFCLSID clsid, IUnknown* pUnkOuter, DWORD dwClsContext, DWORD dwFlags) noexcept {
        Itf* created = nullptr;
        const HRESULT hr =
            QVCriaInstancia(clsid, pUnkOuter, dwClsContext, Iid, reinterpret_cast<void**>(&created), dwFlags);
        if (SUCCEEDED(hr)) {
            Release();
            m_p = created;
        }
        return hr;
    }
    // No reference is added.
    Itf* GetInterface() const noexcept { return m_p; }
    // The holder is empty afterwards, so a later Release or the destructor cannot release twice.
    void Release() noexcept {
        if (Itf* p = std::exchange(m_p, nullptr)) p->Release();
    }

private:
    Itf* m_p = nullptr;
};

// The server factory: kinds 0 to 5 create one of six fixed server classes (context 23, flags 3)
// and hand the caller its own reference (null when the creation failed); a kind outside 0..5
// answers S_OK and leaves *ppServidor untouched.
HRESULT QVCriaServidor(short tipo, void** ppServidor);

// ---- Our own helpers ----

// The limit on waiting for a program the server starts: DWORD "TempoLimiteEspera" (seconds) under
// HKEY_LOCAL_MACHINE "SOFTWARE\RO Vivavevo"; 10 minutes when missing or 0.
DWORD qv_tempo_limite_espera_ms();

// Runs a command line hidden with its standard output and error in a pipe that is drained while
// it runs, so a chatty program cannot block on a full pipe. Past time_limit_ms the program (and
// whatever it started) is ended and the answer is HRESULT_FROM_WIN32(ERROR_TIMEOUT). At most the
// first 1 MiB of output is kept. `output` receives the bytes as printed; `exit_code`, when given,
// the program's exit code (set only when the program ended by itself).
HRESULT qv_executa_capturando(const std::string& command_line, DWORD time_limit_ms, std::string& output,
                              DWORD* exit_code = nullptr);

// For tests: while one lives, QVReportaEvento hands its entries here instead of the event log.
class qv_event_report_capture {
public:
    struct entry {
        WORD type;
        DWORD event_id;
        std::string text;
        std::string detail;
    };
    qv_event_report_capture();
    ~qv_event_report_capture();
    qv_event_report_capture(const qv_event_report_capture&) = delete;
    qv_event_report_capture& operator=(const qv_event_report_capture&) = delete;

    const std::vector<entry>& entries() const noexcept { return m_entries; }
    void clear() noexcept { m_entries.clear(); }

private:
    friend void QVReportaEvento(REFCLSID, HRESULT, WORD, const std::string&);
    qv_event_report_capture* m_previous;
    std::vector<entry> m_entries;
};

// For tests: while one lives, QVCriaInstancia calls this instead of CoCreateInstanceEx (to see the
// records it passes; under Wine, CoCreateInstanceEx ignores the server record).
using qv_create_instance_function =
    std::function<HRESULT(REFCLSID, IUnknown*, DWORD, COSERVERINFO*, DWORD, MULTI_QI*)>;
class qv_create_instance_override {
public:
    explicit qv_create_instance_override(qv_create_instance_function f);
    ~qv_create_instance_override();
    qv_create_instance_override(const qv_create_instance_override&) = delete;
    qv_create_instance_override& operator=(const qv_create_instance_override&) = delete;

    const qv_create_instance_function& function() const noexcept { return m_function; }

private:
    qv_create_instance_override* m_previous;
    qv_create_instance_function m_function;
};
