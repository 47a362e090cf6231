#include "base/CQVCurrencyEx.h"

#include "base/QVErroValor.h"
#include "base/exact_decimal.h"

namespace {
rounding modo_de(bool arredonda) { return arredonda ? rounding::half_away : rounding::truncate; }
}  // namespace

int64_t qv_normaliza_cy(int64_t raw, int casas, rounding modo) {
    // Truncation and half-to-even only know 0 and 2 decimals (4 is already exact); half away from
    // zero also rounds 1 and 3.
    static constexpr int64_t units[] = {10000, 1000, 100, 10, 1};
    if (casas < 0 || casas > 4) return raw;
    if (modo != rounding::half_away && casas != 0 && casas != 2) return raw;
    int64_t out = 0;
    if (!exact::round_to_unit(raw, units[casas], modo, out)) valores::falha_estouro();
    return out;
}

void CQVCurrencyEx::normaliza() { m_valor.int64 = qv_normaliza_cy(m_valor.int64, m_casas, m_modo); }

CQVCurrencyEx::CQVCurrencyEx(double x) : m_valor(QVConverteR8CY(x)) { normaliza(); }
CQVCurrencyEx::CQVCurrencyEx(CURRENCY cy) : m_valor(cy) { normaliza(); }
CQVCurrencyEx::CQVCurrencyEx(const CQVCurrencyEx& other)
    : m_valor(other.m_valor), m_casas(other.m_casas), m_modo(other.m_modo) {
    normaliza();
}
CQVCurrencyEx::CQVCurrencyEx(bool duasCasas, bool arredonda, const CQVCurrencyEx& other)
    : m_valor(other.m_valor), m_casas(duasCasas ? 2 : 4), m_modo(modo_de(arredonda)) {
    normaliza();
}
CQVCurrencyEx::CQVCurrencyEx(bool duasCasas, rounding modo, const CQVCurrencyEx& other)
    : m_valor(other.m_valor), m_casas(duasCasas ? 2 : 4), m_modo(modo) {
    normaliza();
}

CQVCurrencyEx& CQVCurrencyEx::operator=(const CQVCurrencyEx& other) {
    return *this = other.m_valor;
}
CQVCurrencyEx& CQVCurrencyEx::operator=(CURRENCY cy) {
    m_valor = cy;
    normaliza();
    return *this;
}
CQVCurrencyEx& CQVCurrencyEx::operator=(double x) {
    return *this = QVConverteR8CY(x);
}

CQVCurrencyEx& CQVCurrencyEx::Arredonda() {
    normaliza();
    return *this;
}
void CQVCurrencyEx::SetPrecisao(bool duasCasas, bool arredonda) {
    m_casas = duasCasas ? 2 : 4;
    m_modo = modo_de(arredonda);
    normaliza();
}
void CQVCurrencyEx::SetModo(rounding modo) {
    m_modo = modo;
    normaliza();
}
void CQVCurrencyEx::SetCasasDecimais(short n) {
    if (n == 0 || n == 1 || n == 2) {
        m_casas = n == 0 ? 0 : 2;
        normaliza();
    } else {
        m_casas = 4;
    }
}
void CQVCurrencyEx::SetDuasCasas() {
    m_casas = 2;
    normaliza();
}
void CQVCurrencyEx::SetQuatroCasas() { m_casas = 4; }
void CQVCurrencyEx::SetArredonda(bool arredonda) {
    m_modo = modo_de(arredonda);
    normaliza();
}

CQVCurrencyEx::operator double() const { return QVConverteCYR8(m_valor); }

short CQVCurrencyEx::GetCentesimos() const {
    const int64_t hundredths = m_valor.int64 / 100;  // truncated, as the 16-bit rate fields hold it
    if (hundredths < -32768 || hundredths > 32767) valores::falha_estouro();
    return static_cast<short>(hundredths);
}

CQVCurrencyEx& CQVCurrencyEx::operator+=(CURRENCY cy) {
    return *this = m_valor + cy;
}
CQVCurrencyEx& CQVCurrencyEx::operator-=(CURRENCY cy) {
    return *this = m_valor - cy;
}
CQVCurrencyEx& CQVCurrencyEx::operator*=(CURRENCY cy) {
    return *this = m_valor * cy;
}
CQVCurrencyEx& CQVCurrencyEx::operator/=(CURRENCY cy) {
    return *this = m_valor / cy;
}
CQVCurrencyEx& CQVCurrencyEx::operator+=(double x) { return *this += CQVCurrencyEx(x).m_valor; }
CQVCurrencyEx& CQVCurrencyEx::operator-=(double x) { return *this -= CQVCurrencyEx(x).m_valor; }
CQVCurrencyEx& CQVCurrencyEx::operator*=(double x) {
    return *this = m_valor * x;
}
CQVCurrencyEx& CQVCurrencyEx::operator/=(double x) {
    return *this = m_valor / x;
}

CURRENCY CQVCurrencyEx::CalculaPercentual(unsigned short p) const { return m_valor * qv_cy(p); }

CURRENCY CQVCurrencyEx::CalculaPercentual(CURRENCY p) const { return (m_valor * p) / 100.0; }

CQVString CQVCurrencyEx::Formata() const { return qv_formata_escalado(m_valor.int64, 4, m_casas); }

void Opera(const CQVCurrencyEx& a, const CQVCurrencyEx& b, char operador, CQVCurrencyEx& result) {
    switch (operador) {
        case '*': result = a.GetValor() * b.GetValor(); break;
        case '+': result = a.GetValor() + b.GetValor(); break;
        case '-': result = a.GetValor() - b.GetValor(); break;
        case '/': result = a.GetValor() / b.GetValor(); break;
        default: break;
    }
}
