#include "base/QVRelogio.h"

#include <cstdio>
#include <mutex>

#include "base/CQVChaveRegistro.h"
#include "base/CQVException.h"
#include "base/QVEventLog.h"

namespace {

constexpr char environment_key[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr char override_value[] = "QV_DATETIME";

uint64_t to_u64(const FILETIME& ft) {
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

FILETIME to_filetime(uint64_t v) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(v);
    ft.dwHighDateTime = static_cast<DWORD>(v >> 32);
    return ft;
}

[[noreturn]] void throw_system(const char* texto) {
    throw CQVException(texto, 1, GetLastError());
}

// One Win32 time conversion; a failure throws with `contexto` (who asked, and the call).
template <class De, class Para>
Para converte(BOOL(WINAPI* conversao)(const De*, Para*), const De& de, const char* contexto) {
    Para para;
    if (!conversao(&de, &para)) throw_system(contexto);
    return para;
}

FILETIME local_para_utc(const FILETIME& local) {
    return converte(LocalFileTimeToFileTime, local, "GetCurrentTime_SystemTimeAsFileTime: LocalFileTimeToFileTime");
}

// The bad value last reported, so that a bad setting gives one entry, not one per reading.
std::mutex g_report_mutex;
std::string g_reported;

void report_bad_value(const std::string& texto) {
    std::lock_guard lock(g_report_mutex);
    if (g_reported == texto) return;
    g_reported = texto;
    qv_event_log(EVENTLOG_WARNING_TYPE,
                 "O valor de QV_DATETIME \"" + texto +
                     "\" não indica datas válidas; o relógio usa a data e a hora reais.");
}

bool to_systemtime(const unsigned* f, SYSTEMTIME& st) {
    // f: day, month, year, hour, minute, second, millisecond
    for (int i = 0; i < 7; ++i)
        if (f[i] > 0xFFFF) return false;   // would wrap into a different, valid field
    st = SYSTEMTIME{};
    st.wDay = static_cast<WORD>(f[0]);
    st.wMonth = static_cast<WORD>(f[1]);
    st.wYear = static_cast<WORD>(f[2]);
    st.wHour = static_cast<WORD>(f[3]);
    st.wMinute = static_cast<WORD>(f[4]);
    st.wSecond = static_cast<WORD>(f[5]);
    st.wMilliseconds = static_cast<WORD>(f[6]);
    return true;
}

// The simulated local now, when the override is set and valid.
bool simulated_now(uint64_t real_now, uint64_t& result) {
    const std::string texto = QVLeRegistroTexto(HKEY_LOCAL_MACHINE, environment_key, override_value);
    if (texto.empty()) return false;
    unsigned f[15] = {};
    const int lidos = sscanf(texto.c_str(), "%u;%u/%u/%u;%u:%u:%u:%u;%u/%u/%u;%u:%u:%u:%u", &f[0], &f[1], &f[2],
                             &f[3], &f[4], &f[5], &f[6], &f[7], &f[8], &f[9], &f[10], &f[11], &f[12], &f[13], &f[14]);
    if (lidos < 1 || f[0] == 0) return false;   // switched off
    SYSTEMTIME a, b;
    FILETIME fa, fb;
    if (lidos != 15 || !to_systemtime(&f[1], a) || !to_systemtime(&f[8], b) || !SystemTimeToFileTime(&a, &fa) ||
        !SystemTimeToFileTime(&b, &fb)) {
        report_bad_value(texto);
        return false;
    }
    const int64_t shifted = static_cast<int64_t>(real_now) - static_cast<int64_t>(to_u64(fb)) +
                            static_cast<int64_t>(to_u64(fa));
    SYSTEMTIME check;
    const FILETIME shifted_ft = to_filetime(static_cast<uint64_t>(shifted));
    if (shifted < 0 || !FileTimeToSystemTime(&shifted_ft, &check)) {
        report_bad_value(texto);
        return false;
    }
    result = static_cast<uint64_t>(shifted);
    return true;
}

std::string two_digits3(const char* format, int a, int b, int c) {
    char buffer[64];
    snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

}  // namespace

FILETIME GetCurrentTime_LocalFileTime() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    const FILETIME now = converte(SystemTimeToFileTime, local, "Helper_SystemTimeToFileTime: SystemTimeToFileTime");
    uint64_t simulated = 0;
    if (simulated_now(to_u64(now), simulated)) return to_filetime(simulated);
    return now;
}

SYSTEMTIME GetCurrentTime_LocalTime() {
    return converte(FileTimeToSystemTime, GetCurrentTime_LocalFileTime(),
                    "GetCurrentTime_LocalTime: FileTimeToSystemTime");
}

FILETIME GetCurrentTime_SystemTimeAsFileTime() { return local_para_utc(GetCurrentTime_LocalFileTime()); }

SYSTEMTIME GetCurrentTime_SystemTime() {
    return converte(FileTimeToSystemTime, GetCurrentTime_SystemTimeAsFileTime(),
                    "GetCurrentTime_SystemTime: FileTimeToSystemTime");
}

__time64_t GetCurrentTime_CTime() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    tm t{};
    t.tm_year = st.wYear - 1900;
    t.tm_mon = st.wMonth - 1;
    t.tm_mday = st.wDay;
    t.tm_hour = st.wHour;
    t.tm_min = st.wMinute;
    t.tm_sec = st.wSecond;
    t.tm_isdst = -1;
    return _mktime64(&t);
}

DATE GetCurrentTime_OleDateTime() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    DATE d = 0;
    SystemTimeToVariantTime(const_cast<SYSTEMTIME*>(&st), &d);
    return d;
}

int32_t GetCurrentTime_time_t() {
    LONG narrow = 0;
    if (FAILED(VarI4FromI8(GetCurrentTime_CTime(), &narrow)))
        throw CQVException("GetCurrentTime_time_t: VarI4FromI8", 1, ERROR_ARITHMETIC_OVERFLOW);
    return narrow;
}

std::string QVGetHoraAtualTexto() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    return two_digits3("%02d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);
}

std::string QVGetHoraAtualMilissegundos() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%02d:%02d:%02d.%03d", st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    return buffer;
}

std::string QVGetDataAtualTexto(bool quatroDigitos) {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    return quatroDigitos ? two_digits3("%02d/%02d/%04d", st.wDay, st.wMonth, st.wYear)
                         : two_digits3("%02d/%02d/%02d", st.wDay, st.wMonth, st.wYear % 100);
}

std::string QVGetMesAnoAtualTexto(bool quatroDigitos) { return QVGetDataAtualTexto(quatroDigitos).substr(3); }

std::string QVGetDataHoraAtualTexto(bool quatroDigitos) {
    // One reading for both parts, so that midnight cannot fall between them.
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    const std::string data = quatroDigitos ? two_digits3("%02d/%02d/%04d", st.wDay, st.wMonth, st.wYear)
                                           : two_digits3("%02d/%02d/%02d", st.wDay, st.wMonth, st.wYear % 100);
    return data + " " + two_digits3("%02d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);
}

int32_t QVGetMinutosAtual() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    return st.wHour * 60 + st.wMinute;
}

int32_t QVGetHHMMAtual() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    return st.wHour * 100 + st.wMinute;
}

std::string QVGetHHMMAtualTexto() { return std::to_string(QVGetHHMMAtual()); }

int32_t QVGetHHMMSSAtual() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    return st.wHour * 10000 + st.wMinute * 100 + st.wSecond;
}

int32_t QVGetSegundosAtual() {
    const SYSTEMTIME st = GetCurrentTime_LocalTime();
    return st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
}

std::string QVGetHoraAtualSegundosTexto() { return QVFormataSegundos(QVGetSegundosAtual()); }

int32_t QVGetFusoHorario() {
    const FILETIME local = GetCurrentTime_LocalFileTime();
    const FILETIME utc = local_para_utc(local);
    const int64_t minutos = (static_cast<int64_t>(to_u64(utc)) - static_cast<int64_t>(to_u64(local))) / 600000000;
    return static_cast<int32_t>(minutos / 60 * 100 + minutos % 60);
}

// Integer arithmetic: the same parts as splitting through fractions of hours, without the
// floating-point steps that can turn 59 minutes into 58.
void QVSeparaHora(int32_t valor, int forma, int precisao, int32_t* h, int32_t* m, int32_t* s) {
    int32_t hh = 0, mm = 0, ss = 0;
    if (forma == 0 && precisao == 0) {
        hh = valor / 60;
        mm = valor % 60;
    } else if (forma == 0) {
        hh = valor / 3600;
        mm = valor % 3600 / 60;
        ss = valor % 60;
    } else if (precisao == 0) {
        hh = valor / 100;
        mm = valor - 100 * hh;
    } else {
        hh = valor / 10000;
        mm = (valor - 10000 * hh) / 100;
        ss = valor - 10000 * hh - 100 * mm;
    }
    if (h) *h = hh;
    if (m) *m = mm;
    if (s) *s = ss;
}

int32_t QVMontaHora(int forma, int precisao, int32_t h, int32_t m, int32_t s) {
    if (forma == 0 && precisao == 0) return h * 60 + m;
    if (forma == 0 && precisao == 1) return h * 3600 + m * 60 + s;
    if (forma == 1 && precisao == 0) return h * 100 + m;
    if (forma == 1 && precisao == 1) return h * 10000 + m * 100 + s;
    return 0;
}

std::string QVFormataSegundos(int32_t segundos, int32_t* h, int32_t* m, int32_t* s) {
    int32_t hh, mm, ss;
    QVSeparaHora(segundos, 0, 1, &hh, &mm, &ss);
    if (h) *h = hh;
    if (m) *m = mm;
    if (s) *s = ss;
    return two_digits3("%02d:%02d:%02d", hh, mm, ss);
}

namespace {
int32_t convert(int32_t valor, int de_forma, int de_precisao, int para_forma, int para_precisao, int32_t* h,
                int32_t* m, int32_t* s, int32_t segundos_extra = -1) {
    int32_t hh, mm, ss;
    QVSeparaHora(valor, de_forma, de_precisao, &hh, &mm, &ss);
    if (segundos_extra >= 0) ss = segundos_extra > 59 ? 59 : segundos_extra;
    if (h) *h = hh;
    if (m) *m = mm;
    if (s) *s = ss;
    return QVMontaHora(para_forma, para_precisao, hh, mm, ss);
}
}  // namespace

int32_t QVConverteHHMMSSParaHHMM(int32_t v, int32_t* h, int32_t* m, int32_t* s) { return convert(v, 1, 1, 1, 0, h, m, s); }
int32_t QVConverteHHMMParaHHMMSS(int32_t v, int32_t segundos, int32_t* h, int32_t* m, int32_t* s) {
    return convert(v, 1, 0, 1, 1, h, m, s, segundos < 0 ? 0 : segundos);
}
int32_t QVConverteSegundosParaMinutos(int32_t v, int32_t* h, int32_t* m, int32_t* s) { return convert(v, 0, 1, 0, 0, h, m, s); }
int32_t QVConverteMinutosParaSegundos(int32_t v, int32_t segundos, int32_t* h, int32_t* m, int32_t* s) {
    return convert(v, 0, 0, 0, 1, h, m, s, segundos < 0 ? 0 : segundos);
}
int32_t QVConverteSegundosParaHHMMSS(int32_t v, int32_t* h, int32_t* m, int32_t* s) { return convert(v, 0, 1, 1, 1, h, m, s); }
int32_t QVConverteHHMMSSParaSegundos(int32_t v, int32_t* h, int32_t* m, int32_t* s) { return convert(v, 1, 1, 0, 1, h, m, s); }
int32_t QVConverteMinutosParaHHMM(int32_t v, int32_t* h, int32_t* m) { return convert(v, 0, 0, 1, 0, h, m, nullptr); }
int32_t QVConverteHHMMParaMinutos(int32_t v, int32_t* h, int32_t* m) { return convert(v, 1, 0, 0, 0, h, m, nullptr); }

LONG qv_write_simulated_clock(const SYSTEMTIME& a) {
    SYSTEMTIME b;
    GetLocalTime(&b);
    char texto[160];
    snprintf(texto, sizeof texto, "1;%u/%u/%u;%u:%u:%u:%u;%u/%u/%u;%u:%u:%u:%u", a.wDay, a.wMonth, a.wYear, a.wHour,
             a.wMinute, a.wSecond, a.wMilliseconds, b.wDay, b.wMonth, b.wYear, b.wHour, b.wMinute, b.wSecond,
             b.wMilliseconds);
    return QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, environment_key, override_value, texto);
}

LONG qv_clear_simulated_clock() { return QVApagaRegistroValor(HKEY_LOCAL_MACHINE, environment_key, override_value); }
