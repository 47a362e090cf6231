#include "base/QVUtilitarios.h"

#include <winsock2.h>
#include <lmcons.h>

#include <cctype>
#include <cstring>

#include "base/CQVException.h"
#include "base/QVSleep.h"
#include "platform/com/error_info.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

std::string QVGuidParaTexto(const GUID& guid) {
    com::unique_cotaskmem<OLECHAR> wide;
    if (FAILED(StringFromCLSID(guid, wide.put())) || !wide) return "";
    return com::to_ansi(wide.get());
}

std::string QVNovoGuidTexto() {
    GUID g;
    if (FAILED(CoCreateGuid(&g))) return "";
    const std::string t = QVGuidParaTexto(g);
    return t.size() >= 2 ? t.substr(1, t.size() - 2) : t;
}

std::string QVGetUsuarioWindows() {
    char nome[261] = {};
    DWORD tamanho = 260;
    if (!GetUserNameA(nome, &tamanho)) return "";
    return nome;
}

std::string QVGetNomeIP(std::string* nome) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return "";
    std::string resultado;
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0) {
        if (nome) *nome = host;
        if (hostent* h = gethostbyname(host); h && h->h_addrtype == AF_INET) {
            for (int i = 0; h->h_addr_list[i]; ++i) {
                const auto* b = reinterpret_cast<const unsigned char*>(h->h_addr_list[i]);
                char ip[32];
                snprintf(ip, sizeof ip, "%u.%u.%u.%u", b[0], b[1], b[2], b[3]);
                if (!resultado.empty()) resultado += "  ,  ";
                resultado += ip;
            }
        }
    }
    WSACleanup();
    return resultado;
}

namespace {

// a * b / c rounded half away from zero, for b > 0 and c > 0, on a 128-bit product built from
// 64-bit halves (i686 has no 128-bit integer); throws on a result beyond 64 bits.
int64_t mul_div_half_away(int64_t a, uint64_t b, uint64_t c) {
    const bool negative = a < 0;
    const uint64_t m = negative ? 0 - static_cast<uint64_t>(a) : static_cast<uint64_t>(a);
    // 128-bit product m * b as hi:lo.
    const uint64_t m_lo = m & 0xFFFFFFFFu, m_hi = m >> 32, b_lo = b & 0xFFFFFFFFu, b_hi = b >> 32;
    const uint64_t ll = m_lo * b_lo, lh = m_lo * b_hi, hl = m_hi * b_lo, hh = m_hi * b_hi;
    const uint64_t mid = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    uint64_t lo = (ll & 0xFFFFFFFFu) | (mid << 32);
    uint64_t hi = hh + (lh >> 32) + (hl >> 32) + (mid >> 32);
    // Add c / 2 for rounding half away from zero (on the magnitude).
    const uint64_t half = c / 2;
    const uint64_t before = lo;
    lo += half;
    if (lo < before) ++hi;
    // Long division of hi:lo by c.
    uint64_t q_hi = 0, q_lo = 0, r = 0;
    for (int bit = 127; bit >= 0; --bit) {
        const bool carry = (r >> 63) != 0;
        r = (r << 1) | ((bit >= 64 ? hi >> (bit - 64) : lo >> bit) & 1);
        if (carry || r >= c) {
            r -= c;
            if (bit >= 64) q_hi |= uint64_t{1} << (bit - 64);
            else q_lo |= uint64_t{1} << bit;
        }
    }
    if (q_hi != 0 || q_lo > static_cast<uint64_t>(INT64_MAX)) throw CQVExceptionEx(DISP_E_OVERFLOW);
    return negative ? -static_cast<int64_t>(q_lo) : static_cast<int64_t>(q_lo);
}

// Factors in CURRENCY ticks (four implied decimals).
int64_t fator_de(int unidade) {
    switch (unidade) {
        case 2: return 100 * 10000LL;
        case 3: return 10 * 10000LL;
        case 4: return 1 * 10000LL;
        case 5: return 1000 * 10000LL;
        case 6: return 4535923700LL;   // 453592.37 mg per pound
        default: return 1000000 * 10000LL;
    }
}

void fator_para(int unidade, int64_t& a, int64_t& b) {
    switch (unidade) {
        case 2: a = 10000; b = 100 * 10000LL; return;
        case 3: a = 10000; b = 10 * 10000LL; return;
        case 4: a = 10000; b = 10000; return;
        case 5: a = 10000; b = 1000 * 10000LL; return;
        case 6: a = 22046; b = 1000000 * 10000LL; return;   // 2.2046 lb per kg
        default: a = 10000; b = 1000000 * 10000LL; return;
    }
}

}  // namespace

CY QVConverteUnidadePeso(CY valor, int unidadeDe, int unidadePara) {
    // Every step as CURRENCY arithmetic: a product of two four-decimal values is brought back to
    // four decimals, a quotient is taken to four decimals.
    const int64_t miligramas = mul_div_half_away(valor.int64, static_cast<uint64_t>(fator_de(unidadeDe)), 10000);
    int64_t a, b;
    fator_para(unidadePara, a, b);
    const int64_t produto = mul_div_half_away(miligramas, static_cast<uint64_t>(a), 10000);
    CY resultado;
    resultado.int64 = mul_div_half_away(produto, 10000, static_cast<uint64_t>(b));
    return resultado;
}

bool QVValidaNumero(const char* texto) {
    if (!texto) return true;
    {
        const char* p = texto;
        while (*p == ' ') ++p;
        if (*p == '\0') return true;
        // Any other blank (a tab) is no blank for the trimming: fall through to the table.
    }
    static constexpr int proximo[11][4] = {
        // digit '.' sign other
        {2, 10, 1, 10}, {2, 10, 10, 10}, {3, 6, 10, 10}, {4, 6, 10, 10}, {5, 6, 10, 10}, {5, 10, 10, 10},
        {7, 10, 10, 10}, {8, 10, 10, 10}, {9, 10, 10, 10}, {10, 6, 10, 10}, {10, 10, 10, 10},
    };
    static constexpr bool aceita[11] = {false, false, true, true, true, true, false, false, false, true, false};
    auto roda = [&](const char* inicio, const char* fim, int estado) {
        for (const char* p = inicio; p < fim; ++p) {
            const unsigned char c = static_cast<unsigned char>(*p);
            int classe = 3;
            if (c >= '0' && c <= '9') classe = 0;
            else if (c == '.') classe = 1;
            else if (c == '+' || c == '-') classe = 2;
            estado = proximo[estado][classe];
        }
        return estado;
    };
    const size_t n = strlen(texto);
    const char* virgula = strrchr(texto, ',');
    const char* ponto = strrchr(texto, '.');
    const char* separador = virgula > ponto ? virgula : ponto;
    const bool tem_separador = separador && separador > texto;   // at position 1 or later
    const char* fim_inteiro = tem_separador ? separador : texto + n;
    if (!aceita[roda(texto, fim_inteiro, 0)]) return false;
    if (!tem_separador) return true;
    if (separador == texto + n - 1) return false;
    return aceita[roda(separador + 1, texto + n, 4)];
}

HRESULT QVChamaComRepeticao(const std::function<HRESULT()>& chamada) {
    constexpr HRESULT indisponivel = static_cast<HRESULT>(0x800706BA);
    HRESULT hr = chamada();
    for (int chamadas = 1; hr == indisponivel && chamadas < 400; ++chamadas) {
        qv_sleep(500);
        hr = chamada();
    }
    return hr;
}

int QVAlturaFonte(HDC dc, int pontos) { return -MulDiv(pontos, GetDeviceCaps(dc, LOGPIXELSY), 72); }

namespace {
HMODULE g_recursos = nullptr;
}

HMODULE qv_modulo_recursos() { return g_recursos ? g_recursos : GetModuleHandleA(nullptr); }

CQVModuloRecursos::CQVModuloRecursos(const char* arquivo) : m_anterior(g_recursos) {
    m_carregado = arquivo ? LoadLibraryExA(arquivo, nullptr, LOAD_LIBRARY_AS_DATAFILE) : nullptr;
    if (m_carregado) g_recursos = m_carregado;
}

CQVModuloRecursos::CQVModuloRecursos(HMODULE modulo) : m_anterior(g_recursos) {
    if (modulo) g_recursos = modulo;
}

CQVModuloRecursos::~CQVModuloRecursos() {
    Restaura();
    if (m_carregado) FreeLibrary(m_carregado);
}

void CQVModuloRecursos::Restaura() { g_recursos = m_anterior; }

DWORD STDMETHODCALLTYPE CNoPaintMessageFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
    return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE CNoPaintMessageFilter::RetryRejectedCall(HTASK, DWORD dwTickCount, DWORD dwRejectType) {
    // No dialog may ask a person; a busy callee gets a bounded time.
    if (dwRejectType == SERVERCALL_REJECTED || dwTickCount > 8000) return static_cast<DWORD>(-1);
    return 10;
}

DWORD STDMETHODCALLTYPE CNoPaintMessageFilter::MessagePending(HTASK, DWORD, DWORD) {
    return PENDINGMSG_WAITNOPROCESS;
}

HRESULT QVSetNoPaintMessageFilter() {
    com::com_ptr<IMessageFilter> anterior;
    CoRegisterMessageFilter(nullptr, anterior.put());
    com::com_ptr<CNoPaintMessageFilter> filtro;
    try {
        filtro = com::make<CNoPaintMessageFilter>();
    } catch (...) {
        return com::current_exception_hresult();
    }
    return CoRegisterMessageFilter(filtro.get(), anterior.put());   // COM keeps its own reference
}

CQVListaInterfaces::~CQVListaInterfaces() {
    for (IStream* s : m_streams) CoReleaseMarshalData(s), s->Release();
}

void CQVListaInterfaces::Adiciona(REFIID iid, IUnknown* itf) {
    IStream* stream = nullptr;
    com::check(CoMarshalInterThreadInterfaceInStream(iid, itf, &stream), "Erro ao preparar a interface para outra thread.");
    m_streams.push_back(stream);
}

void CQVListaInterfaces::Retira(REFIID iid, void** ppv) {
    if (m_streams.empty()) com::fail("Nenhuma interface na lista.", E_UNEXPECTED);
    IStream* stream = m_streams.front();
    m_streams.pop_front();
    com::check(CoGetInterfaceAndReleaseStream(stream, iid, ppv), "Erro ao receber a interface de outra thread.");
}
