#pragma once
// The rest of the helper library: identity and host texts, weight units, validation of integer
// texts with thousands separators, a method call retried while the server is unavailable, the
// resource module switch, a message filter for COM waits and hand-over of interfaces between
// threads.
#include <objbase.h>
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "platform/com/object.h"

std::string QVGuidParaTexto(const GUID& guid);   // "{...}"
std::string QVNovoGuidTexto();                   // 36 characters, no braces
std::string QVGetUsuarioWindows();
// The host name (also written to *nome when given) and its IPv4 addresses, "a.b.c.d  ,  e.f.g.h";
// empty when Winsock, the host name or the look-up fails.
std::string QVGetNomeIP(std::string* nome = nullptr);

// Weight units: 4 mg, 5 g, 3 tenths of a gram, 2 hundredths, 6 pound, any other code kg.
// Exact in CURRENCY ticks, rounded half away from zero at each step; throws CQVExceptionEx
// with DISP_E_OVERFLOW when the result does not fit.
CY QVConverteUnidadePeso(CY valor, int unidadeDe, int unidadePara);

// An optional sign, then digits either without separators or grouped by '.' in threes,
// optionally followed by a decimal separator (the last ',' or '.') and digits. Empty or blank
// text is valid.
bool QVValidaNumero(const char* texto);

// Calls `chamada` while it answers 0x800706BA (RPC server unavailable), 500 ms apart through
// qv_sleep, at most 400 calls; the last answer.
HRESULT QVChamaComRepeticao(const std::function<HRESULT()>& chamada);
// The same for a method of an interface: QVChamaComRepeticao(p, &I::Metodo, args...).
template <class I, class... P, class... A>
HRESULT QVChamaComRepeticao(I* itf, HRESULT (STDMETHODCALLTYPE I::*metodo)(P...), A&&... args) {
    return QVChamaComRepeticao([&] { return (itf->*metodo)(args...); });
}

int QVAlturaFonte(HDC dc, int pontos);

// The module whose resources the library loads; the program's own until switched.
HMODULE qv_modulo_recursos();
class CQVModuloRecursos {
public:
    explicit CQVModuloRecursos(const char* arquivo);
    explicit CQVModuloRecursos(HMODULE modulo);
    ~CQVModuloRecursos();
    CQVModuloRecursos(const CQVModuloRecursos&) = delete;
    CQVModuloRecursos& operator=(const CQVModuloRecursos&) = delete;
    void Restaura();

private:
    HMODULE m_anterior;
    HMODULE m_carregado = nullptr;
};

// A message filter that dispatches nothing while a COM call waits (no repainting) and shows no
// busy or not-responding dialog: a rejected call is retried every 10 ms for at most 8 s.
// It does not keep the server alive.
class CNoPaintMessageFilter final : public com::unlocked_object<CNoPaintMessageFilter, IMessageFilter> {
public:
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD dwTickCount, DWORD dwRejectType) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override;

private:
    ~CNoPaintMessageFilter() override = default;   // objects come only from com::make
};
// Replaces the thread's message filter by a CNoPaintMessageFilter; the COM answer.
HRESULT QVSetNoPaintMessageFilter();

// Interfaces marshalled for another thread: Adiciona on the owner's thread, Retira on the
// other. Failures throw com::failure.
class CQVListaInterfaces {
public:
    CQVListaInterfaces() = default;
    ~CQVListaInterfaces();
    CQVListaInterfaces(const CQVListaInterfaces&) = delete;
    CQVListaInterfaces& operator=(const CQVListaInterfaces&) = delete;
    void Adiciona(REFIID iid, IUnknown* itf);
    void Retira(REFIID iid, void** ppv);
    size_t Tamanho() const { return m_streams.size(); }

private:
    std::deque<IStream*> m_streams;
};
