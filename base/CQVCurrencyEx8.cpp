#include "base/CQVCurrencyEx8.h"

#include <cstring>
#include <string>

#include "base/QVErroValor.h"
#include "base/exact_decimal.h"

namespace {

constexpr int64_t units8[] = {100000000, 10000000, 1000000, 100000, 10000, 1000, 100, 10, 1};

int64_t from_double(double x) {
    // As the decimal road: the double taken with 15 significant digits, then rounded to 8 decimals.
    int64_t v = 0;
    return exact::mul_scaled(1, x, 8, v) ? v : 0;
}

int64_t from_cy(CURRENCY cy) {
    int64_t v = 0;
    if (__builtin_mul_overflow(cy.int64, int64_t{10000}, &v)) valores::falha_estouro();
    return v;
}

int64_t checked_add(int64_t a, int64_t b) {
    int64_t r = 0;
    if (!exact::add(a, b, r)) valores::falha_estouro();
    return r;
}

int64_t checked_sub(int64_t a, int64_t b) {
    int64_t r = 0;
    if (!exact::sub(a, b, r)) valores::falha_estouro();
    return r;
}

int64_t product(int64_t a, int64_t b, int e) {
    int64_t r = 0;
    return exact::mul_scaled(a, b, e, r) ? r : 0;
}

int64_t quotient(int64_t a, int64_t b, int e) {
    int64_t r = 0;
    return exact::div_scaled(a, b, e, r) ? r : 0;
}

int64_t product(int64_t a, double b) {
    int64_t r = 0;
    return exact::mul_scaled(a, b, 0, r) ? r : 0;
}

int64_t quotient(int64_t a, double b) {
    int64_t r = 0;
    return exact::div_scaled(a, b, 0, r) ? r : 0;
}

}  // namespace

int64_t qv_normaliza_valor8(int64_t raw, int casas, rounding modo) {
    if (casas < 0 || casas >= 8) return raw;
    int64_t out = 0;
    if (!exact::round_to_unit(raw, units8[casas], modo, out)) valores::falha_estouro();
    return out;
}

void CQVCurrencyEx8::normaliza() { m_valor = qv_normaliza_valor8(m_valor, m_casas, m_modo); }

CQVCurrencyEx8::CQVCurrencyEx8(double x) : m_valor(from_double(x)) { normaliza(); }
CQVCurrencyEx8::CQVCurrencyEx8(int64_t valor) : m_valor(valor) { normaliza(); }
CQVCurrencyEx8::CQVCurrencyEx8(const CQVCurrencyEx8& other)
    : m_valor(other.m_valor), m_casas(other.m_casas), m_modo(other.m_modo) {
    normaliza();
}

CQVCurrencyEx8& CQVCurrencyEx8::operator=(const CQVCurrencyEx8& other) {
    SetValor(other.m_valor);
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator=(int64_t valor) {
    SetValor(valor);
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator=(double x) {
    SetValor(from_double(x));
    return *this;
}

void CQVCurrencyEx8::SetCasasDecimais(int n) {
    m_casas = n < 0 ? 0 : (n > 8 ? 8 : n);
    normaliza();
}
void CQVCurrencyEx8::SetArredonda(bool arredonda) {
    m_modo = arredonda ? rounding::half_away : rounding::truncate;
    normaliza();
}
void CQVCurrencyEx8::SetPrecisao(int casas, bool arredonda) {
    m_casas = casas < 0 ? 0 : (casas > 8 ? 8 : casas);
    m_modo = arredonda ? rounding::half_away : rounding::truncate;
    normaliza();
}
void CQVCurrencyEx8::SetModo(rounding modo) {
    m_modo = modo;
    normaliza();
}
void CQVCurrencyEx8::SetValor(int64_t valor) {
    m_valor = valor;
    normaliza();
}

void CQVCurrencyEx8::SetValorTexto(const char* text) {
    std::string s = text ? text : "";
    bool negative = false;
    if (const size_t minus = s.find('-'); minus != std::string::npos) {
        negative = true;
        s.erase(minus, 1);
    }
    size_t separator = s.rfind(',');
    if (separator == std::string::npos) separator = s.find('.');
    // Integer digits and the first eight decimals make the value exactly; the ninth decimal and
    // whether anything non-zero follows it decide the rounding, half to even.
    uint64_t mag = 0;
    int decimals = 0, next_digit = 0;
    bool sticky = false;
    auto push = [&mag](int digit) {
        if (__builtin_mul_overflow(mag, 10u, &mag) ||
            __builtin_add_overflow(mag, static_cast<unsigned>(digit), &mag))
            valores::falha_estouro();
    };
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') continue;
        const int digit = s[i] - '0';
        if (separator == std::string::npos || i < separator) push(digit);
        else if (decimals < 8) { push(digit); ++decimals; }
        else if (decimals == 8) { next_digit = digit; ++decimals; }
        else if (digit != 0) sticky = true;
    }
    for (; decimals < 8; ++decimals) push(0);
    if (next_digit > 5 || (next_digit == 5 && (sticky || (mag & 1)))) {
        if (__builtin_add_overflow(mag, 1u, &mag)) valores::falha_estouro();
    }
    if (mag > static_cast<uint64_t>(INT64_MAX)) valores::falha_estouro();
    m_valor = negative ? -static_cast<int64_t>(mag) : static_cast<int64_t>(mag);
    normaliza();
}

CQVCurrencyEx CQVCurrencyEx8::GetCurrencyEx() const {
    int64_t raw = 0;
    if (!exact::div_scaled(m_valor, int64_t{10000}, 0, raw)) raw = 0;
    return CQVCurrencyEx(qv_cy(raw));
}

CQVString CQVCurrencyEx8::Formata() const { return qv_formata_escalado(m_valor, 8, m_casas); }

CQVCurrencyEx8 CQVCurrencyEx8::CalculaPercentual(unsigned short n) const {
    return CalculaPercentual(CQVCurrencyEx8(static_cast<int64_t>(n) * 1000000));
}

CQVCurrencyEx8 CQVCurrencyEx8::CalculaPercentual(const CQVCurrencyEx8& rate) const {
    // value x rate / 100 in ticks is value x rate / 10^10: one exact step, one rounding. Rounding
    // the product first and the quotient again could move the last place (1496 x 0.1 % gave 2).
    return CQVCurrencyEx8(product(m_valor, rate.m_valor, -10));
}

CQVCurrencyEx8& CQVCurrencyEx8::operator+=(const CQVCurrencyEx8& other) {
    SetValor(checked_add(m_valor, other.m_valor));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator-=(const CQVCurrencyEx8& other) {
    SetValor(checked_sub(m_valor, other.m_valor));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator+=(CURRENCY cy) {
    SetValor(checked_add(m_valor, from_cy(cy)));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator-=(CURRENCY cy) {
    SetValor(checked_sub(m_valor, from_cy(cy)));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator*=(const CQVCurrencyEx8& other) {
    SetValor(product(m_valor, other.m_valor, -8));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator/=(const CQVCurrencyEx8& other) {
    SetValor(quotient(m_valor, other.m_valor, 8));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator*=(CURRENCY cy) {
    SetValor(product(m_valor, cy.int64, -4));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator/=(CURRENCY cy) {
    SetValor(quotient(m_valor, cy.int64, 4));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator*=(double x) {
    SetValor(product(m_valor, x));
    return *this;
}
CQVCurrencyEx8& CQVCurrencyEx8::operator/=(double x) {
    SetValor(quotient(m_valor, x));
    return *this;
}

CQVCurrencyEx8 operator+(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b) {
    return CQVCurrencyEx8(checked_add(a.GetValor(), b.GetValor()));
}
CQVCurrencyEx8 operator-(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b) {
    return CQVCurrencyEx8(checked_sub(a.GetValor(), b.GetValor()));
}
CQVCurrencyEx8 operator+(const CQVCurrencyEx8& a, CURRENCY b) {
    return CQVCurrencyEx8(checked_add(a.GetValor(), from_cy(b)));
}
CQVCurrencyEx8 operator-(const CQVCurrencyEx8& a, CURRENCY b) {
    return CQVCurrencyEx8(checked_sub(a.GetValor(), from_cy(b)));
}
CQVCurrencyEx8 operator+(CURRENCY a, const CQVCurrencyEx8& b) {
    return CQVCurrencyEx8(checked_add(from_cy(a), b.GetValor()));
}
CQVCurrencyEx8 operator-(CURRENCY a, const CQVCurrencyEx8& b) {
    return CQVCurrencyEx8(checked_sub(from_cy(a), b.GetValor()));
}
CQVCurrencyEx8 operator*(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b) {
    return CQVCurrencyEx8(product(a.GetValor(), b.GetValor(), -8));
}
CQVCurrencyEx8 operator/(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b) {
    return CQVCurrencyEx8(quotient(a.GetValor(), b.GetValor(), 8));
}
CQVCurrencyEx8 operator*(const CQVCurrencyEx8& a, CURRENCY b) {
    return CQVCurrencyEx8(product(a.GetValor(), b.int64, -4));
}
CQVCurrencyEx8 operator/(const CQVCurrencyEx8& a, CURRENCY b) {
    return CQVCurrencyEx8(quotient(a.GetValor(), b.int64, 4));
}
CQVCurrencyEx8 operator*(CURRENCY a, const CQVCurrencyEx8& b) { return b * a; }
CQVCurrencyEx8 operator/(CURRENCY a, const CQVCurrencyEx8& b) {
    // (a / 10^4) / (b / 10^8) in 8-decimal ticks: a x 10^12 / b.
    return CQVCurrencyEx8(quotient(a.int64, b.GetValor(), 12));
}
CQVCurrencyEx8 operator*(const CQVCurrencyEx8& a, double b) { return CQVCurrencyEx8(product(a.GetValor(), b)); }
CQVCurrencyEx8 operator/(const CQVCurrencyEx8& a, double b) { return CQVCurrencyEx8(quotient(a.GetValor(), b)); }
CQVCurrencyEx8 operator*(double a, const CQVCurrencyEx8& b) { return b * a; }
CQVCurrencyEx8 operator/(double a, const CQVCurrencyEx8& b) {
    exact::decimal d;
    int64_t r = 0;
    if (!exact::decimal_from_double(a, d) || d.mantissa > static_cast<uint64_t>(INT64_MAX)) return {};
    const int64_t m = d.negative ? -static_cast<int64_t>(d.mantissa) : static_cast<int64_t>(d.mantissa);
    // (m / 10^s) / (b / 10^8) in 8-decimal ticks: m x 10^(16 - s) / b.
    return CQVCurrencyEx8(exact::div_scaled(m, b.GetValor(), 16 - d.scale, r) ? r : 0);
}
