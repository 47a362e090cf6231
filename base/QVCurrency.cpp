#include "base/QVCurrency.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/QVErroValor.h"
#include "base/exact_decimal.h"

namespace {

constexpr int64_t cy_scale = 10000;

// Both take the step's success first and read its result afterwards (a parameter would be read
// before the step ran).
template <class Step>
CURRENCY checked(Step step) {
    int64_t raw = 0;
    if (!step(raw)) valores::falha_estouro();
    return qv_cy(raw);
}

// Decimal steps answer 0 when they fail, as the OLE DECIMAL road does.
template <class Step>
CURRENCY or_zero(Step step) {
    int64_t raw = 0;
    return qv_cy(step(raw) ? raw : 0);
}

int64_t cy_from_double(double x) {
    int64_t raw = 0;
    if (!exact::scaled_from_double(x, 4, raw)) valores::falha_estouro();
    return raw;
}

// round_half_even(raw / 10000), range-checked.
int64_t whole_units(CURRENCY cy, int64_t low, int64_t high) {
    int64_t units = 0;
    exact::div_scaled(cy.int64, cy_scale, 0, units);  // never fails: the quotient is smaller
    if (units < low || units > high) valores::falha_estouro();
    return units;
}

void copy_out(const std::string& text, char* buffer, size_t size, size_t& written) {
    written = 0;
    if (!buffer || size == 0) return;
    written = text.size() < size ? text.size() : size - 1;
    memcpy(buffer, text.data(), written);
    buffer[written] = '\0';
}

uint64_t pow10u(int k) {
    uint64_t p = 1;
    while (k-- > 0) p *= 10;
    return p;
}

void append_grouped(std::string& out, uint64_t integer, bool group) {
    char digits[24];
    const int n = snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(integer));
    for (int i = 0; i < n; ++i) {
        if (group && i > 0 && (n - i) % 3 == 0) out.push_back('.');
        out.push_back(digits[i]);
    }
}

// raw with `implied` decimals shown with `shown` decimals (rounded half away from zero or cut),
// then trailing zeros dropped down to `minimum` decimals.
std::string format_fixed(int64_t raw, int implied, int shown, int minimum, bool group, bool round) {
    uint64_t mag = exact::magnitude(raw);
    if (shown < implied) {
        const uint64_t unit = pow10u(implied - shown);
        mag = mag / unit * unit + (round && mag % unit >= unit / 2 ? unit : 0);
        mag /= unit;
    } else {
        mag *= pow10u(shown - implied);  // callers never ask for more decimals than implied
    }
    const uint64_t scale = pow10u(shown);
    const uint64_t integer = mag / scale;
    uint64_t fraction = mag % scale;
    int decimals = shown;
    while (decimals > minimum && fraction % 10 == 0) { fraction /= 10; --decimals; }
    std::string out;
    if (raw < 0 && mag != 0) out.push_back('-');
    append_grouped(out, integer, group);
    if (decimals > 0) {
        char digits[24];
        snprintf(digits, sizeof digits, "%0*llu", decimals, static_cast<unsigned long long>(fraction));
        out.push_back(',');
        out += digits;
    }
    return out;
}

int clamp(int n, int low, int high) { return n < low ? low : (n > high ? high : n); }

}  // namespace

CURRENCY operator+(CURRENCY a, CURRENCY b) {
    return checked([&](int64_t& r) { return exact::add(a.int64, b.int64, r); });
}
CURRENCY operator-(CURRENCY a, CURRENCY b) {
    return checked([&](int64_t& r) { return exact::sub(a.int64, b.int64, r); });
}
CURRENCY operator*(CURRENCY a, CURRENCY b) {
    return checked([&](int64_t& r) { return exact::mul_scaled(a.int64, b.int64, -4, r); });
}
CURRENCY operator/(CURRENCY a, CURRENCY b) {
    return or_zero([&](int64_t& r) { return exact::div_scaled(a.int64, b.int64, 4, r); });
}
CURRENCY operator+(CURRENCY a, double b) { return a + qv_cy(cy_from_double(b)); }
CURRENCY operator+(double a, CURRENCY b) { return qv_cy(cy_from_double(a)) + b; }
CURRENCY operator-(CURRENCY a, double b) { return a - qv_cy(cy_from_double(b)); }
CURRENCY operator-(double a, CURRENCY b) { return qv_cy(cy_from_double(a)) - b; }
CURRENCY operator*(CURRENCY a, double b) {
    return or_zero([&](int64_t& r) { return exact::mul_scaled(a.int64, b, 0, r); });
}
CURRENCY operator*(double a, CURRENCY b) { return b * a; }
CURRENCY operator/(CURRENCY a, double b) {
    return or_zero([&](int64_t& r) { return exact::div_scaled(a.int64, b, 0, r); });
}
CURRENCY operator/(double a, CURRENCY b) {
    // a / (b / 10^4) in ticks: a x 10^8 / b.
    exact::decimal d;
    if (!exact::decimal_from_double(a, d)) return qv_cy(0);
    const int64_t m = static_cast<int64_t>(d.mantissa);  // at most 15 digits
    return or_zero([&](int64_t& r) { return exact::div_scaled(d.negative ? -m : m, b.int64, 8 - d.scale, r); });
}
CURRENCY operator-(CURRENCY a) { return qv_cy(0) - a; }
CURRENCY& operator+=(CURRENCY& a, CURRENCY b) { return a = a + b; }
CURRENCY& operator-=(CURRENCY& a, CURRENCY b) { return a = a - b; }
CURRENCY& operator*=(CURRENCY& a, CURRENCY b) { return a = a * b; }
CURRENCY& operator/=(CURRENCY& a, CURRENCY b) { return a = a / b; }
CURRENCY& operator+=(CURRENCY& a, double b) { return a = a + b; }
CURRENCY& operator-=(CURRENCY& a, double b) { return a = a - b; }
CURRENCY& operator*=(CURRENCY& a, double b) { return a = a * b; }
CURRENCY& operator/=(CURRENCY& a, double b) { return a = a / b; }

bool operator==(CURRENCY a, double b) { return a.int64 == cy_from_double(b); }
bool operator!=(CURRENCY a, double b) { return a.int64 != cy_from_double(b); }
bool operator<(CURRENCY a, double b) { return a.int64 < cy_from_double(b); }
bool operator>(CURRENCY a, double b) { return a.int64 > cy_from_double(b); }
bool operator<=(CURRENCY a, double b) { return a.int64 <= cy_from_double(b); }
bool operator>=(CURRENCY a, double b) { return a.int64 >= cy_from_double(b); }
bool operator==(double a, CURRENCY b) { return cy_from_double(a) == b.int64; }
bool operator!=(double a, CURRENCY b) { return cy_from_double(a) != b.int64; }
bool operator<(double a, CURRENCY b) { return cy_from_double(a) < b.int64; }
bool operator>(double a, CURRENCY b) { return cy_from_double(a) > b.int64; }
bool operator<=(double a, CURRENCY b) { return cy_from_double(a) <= b.int64; }
bool operator>=(double a, CURRENCY b) { return cy_from_double(a) >= b.int64; }

CURRENCY QVConverteR8CY(double x) { return qv_cy(cy_from_double(x)); }
double QVConverteCYR8(CURRENCY cy) { return static_cast<double>(cy.int64) / 10000.0; }
float QVConverteCYR4(CURRENCY cy) { return static_cast<float>(QVConverteCYR8(cy)); }
CURRENCY QVConverteR4CY(float x) { return qv_cy(cy_from_double(static_cast<double>(x))); }
unsigned short QVConverteR4UI2(float x) {
    const double r = std::nearbyint(static_cast<double>(x));
    if (!(r >= 0 && r <= 65535)) valores::falha_estouro();
    return static_cast<unsigned short>(r);
}
int32_t QVConverteCYI4(CURRENCY cy) {
    return static_cast<int32_t>(whole_units(cy, INT32_MIN, INT32_MAX));
}
uint32_t QVConverteCYUI4(CURRENCY cy) { return static_cast<uint32_t>(whole_units(cy, 0, UINT32_MAX)); }
unsigned short QVConverteCYUI2(CURRENCY cy) {
    return static_cast<unsigned short>(whole_units(cy, 0, 65535));
}
CQVString QVConverteNumeroTexto(long n) { return CQVString(std::to_string(n)); }
CQVString QVConverteNumeroTexto(int n) { return CQVString(std::to_string(n)); }
CQVString QVConverteNumeroTexto(short n) { return CQVString(std::to_string(n)); }
CQVString QVConverteNumeroTexto(unsigned short n) { return CQVString(std::to_string(n)); }

void QVConverteTextoCY(const char* text, CURRENCY& cy) {
    cy = qv_cy(0);
    if (!text) return;
    std::string s(text);
    bool negative = false;
    if (const size_t minus = s.find('-'); minus != std::string::npos) {
        negative = true;
        s.erase(minus, 1);
    }
    s.resize(std::min<size_t>(s.size(), 25));
    size_t separator = s.rfind(',');
    if (separator == std::string::npos) separator = s.find('.');
    // Only digits after the separator count as decimals, so "1,5 " is 1.5, not 0.15.
    std::string digits;
    int decimals = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') continue;
        if (separator != std::string::npos && i > separator) {
            if (decimals == 4) continue;  // decimals beyond four are cut
            ++decimals;
        }
        digits.push_back(s[i]);
    }
    digits.append(static_cast<size_t>(4 - decimals), '0');
    uint64_t mag = 0;
    for (char c : digits) {
        if (__builtin_mul_overflow(mag, 10u, &mag) || __builtin_add_overflow(mag, static_cast<unsigned>(c - '0'), &mag))
            valores::falha_estouro();
    }
    if (mag > static_cast<uint64_t>(INT64_MAX)) valores::falha_estouro();
    cy = qv_cy(negative ? -static_cast<int64_t>(mag) : static_cast<int64_t>(mag));
}

CURRENCY QVConverteTextoCY(const char* text) {
    CURRENCY cy;
    QVConverteTextoCY(text, cy);
    return cy;
}

unsigned short QVConverteTextoUI2(const char* text) { return QVConverteCYUI2(QVConverteTextoCY(text)); }
void QVConverteTextoUI2(const char* text, unsigned short* value) {
    const unsigned short v = QVConverteTextoUI2(text);
    if (value) *value = v;
}
int32_t QVConverteTextoI4(const char* text) { return QVConverteCYI4(QVConverteTextoCY(text)); }
uint32_t QVConverteTextoUI4(const char* text) { return QVConverteCYUI4(QVConverteTextoCY(text)); }

CQVString QVDigitosCY(CURRENCY cy) {
    const uint64_t mag = exact::magnitude(cy.int64);
    char text[32];
    snprintf(text, sizeof text, "%llu%04llu", static_cast<unsigned long long>(mag / 10000),
             static_cast<unsigned long long>(mag % 10000));
    return CQVString(text);
}

CQVString QVFormataCY(CURRENCY cy) { return CQVString(format_fixed(cy.int64, 4, 4, 2, false, false)); }
CQVString QVFormataCYMilhar(CURRENCY cy) {
    return CQVString(format_fixed(cy.int64, 4, 4, 2, true, false));
}
CQVString QVFormataCYDecimais(CURRENCY cy, int n) {
    const int shown = clamp(n, 0, 4);
    return CQVString(format_fixed(cy.int64, 4, shown, shown, true, true));
}
CQVString QVFormataValor8Casas(int64_t valor, int n) {
    const int shown = clamp(n, 0, 8);
    return CQVString(format_fixed(valor, 8, shown, shown, true, false));
}
CQVString qv_formata_escalado(int64_t raw, int implied, int decimals) {
    const int shown = clamp(decimals, 0, implied);
    return CQVString(format_fixed(raw, implied, shown, shown, true, true));
}

size_t QVFormataCY(CURRENCY cy, char* buffer, size_t size) {
    size_t n;
    copy_out(QVFormataCY(cy), buffer, size, n);
    return n;
}
size_t QVFormataCYMilhar(CURRENCY cy, char* buffer, size_t size) {
    size_t n;
    copy_out(QVFormataCYMilhar(cy), buffer, size, n);
    return n;
}
size_t QVFormataCYDecimais(CURRENCY cy, int d, char* buffer, size_t size) {
    size_t n;
    copy_out(QVFormataCYDecimais(cy, d), buffer, size, n);
    return n;
}
size_t QVFormataValor8Casas(int64_t valor, int d, char* buffer, size_t size) {
    size_t n;
    copy_out(QVFormataValor8Casas(valor, d), buffer, size, n);
    return n;
}
size_t QVDigitosCY(CURRENCY cy, char* buffer, size_t size) {
    size_t n;
    copy_out(QVDigitosCY(cy), buffer, size, n);
    return n;
}

double QVArredonda(double x, int n) {
    char text[400];
    snprintf(text, sizeof text, "%.*f", clamp(n, 0, 30), x);
    return strtod(text, nullptr);
}

double QVPotencia(double x, double y) { return std::exp(std::log(x) * y); }

namespace {

CURRENCY round_result(double x, int n) { return QVConverteR8CY(n == -1 ? x : QVArredonda(x, n)); }

}  // namespace

CURRENCY QVCalculaPercentual(CURRENCY a, CURRENCY p, int n) {
    if (a.int64 <= 0 || p.int64 <= 0) return qv_cy(0);
    return round_result(QVConverteCYR8(a) * (QVConverteCYR8(p) / 100.0), n);
}

CURRENCY QVCalculaPercentualDe(CURRENCY a, CURRENCY b, int n) {
    if (a.int64 <= 0 || b.int64 <= 0) return qv_cy(0);
    return round_result(QVConverteCYR8(b) / QVConverteCYR8(a) * 100.0, n);
}

CURRENCY QVCalculaJuros(CURRENCY principal, char kind, CURRENCY rate, unsigned short days, char unit,
                        int n) {
    const double period = (unit == 'D' || unit == 'd') ? 1.0 : (unit == 'M' || unit == 'm') ? 30.0 : 360.0;
    const double t = days / period;
    if (principal.int64 <= 0 || rate.int64 <= 0) return qv_cy(0);
    // With no period there is no interest; the instalment formula would divide by zero.
    if (days == 0) return qv_cy(0);
    const double p = QVConverteCYR8(principal);
    const double r = QVConverteCYR8(rate) / 100.0;
    auto rounded = [n](double x) { return n == -1 ? x : QVArredonda(x, n); };
    double interest;
    switch (kind) {
        case 'S': interest = p * t * r; break;
        case 'P': interest = rounded(p * r / (1 - QVPotencia(1 + r, -t))) * t - p; break;
        case 'A':
            interest = rounded(p * r * QVPotencia(1 + r, t) / (QVPotencia(1 + r, t + 1) - 1)) * (t + 1) - p;
            break;
        default: interest = (QVPotencia(1 + r, t) - 1) * p; break;
    }
    return round_result(interest, n);
}
