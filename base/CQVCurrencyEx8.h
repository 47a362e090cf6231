#pragma once
// Quantities, rates and unit values: a signed 64-bit integer with eight implied decimals, the
// decimals to keep (0..8) and a rounding mode, normalised after every change. A new value holds 0
// with 8 decimals and rounds half away from zero.
//
// Sums are 64-bit integer arithmetic and throw com::failure (DISP_E_OVERFLOW) instead of wrapping;
// products and quotients are exact decimal arithmetic (one rounding, half to even) and give zero
// when they fail (division by zero, overflow).
#include <windows.h>
#include <wtypes.h>

#include <compare>
#include <cstdint>

#include "base/CQVCurrencyEx.h"
#include "base/CQVString.h"
#include "base/rounding.h"

class CQVCurrencyEx8 {
public:
    CQVCurrencyEx8() = default;
    CQVCurrencyEx8(double x);
    CQVCurrencyEx8(int64_t valor);
    CQVCurrencyEx8(const CQVCurrencyEx8& other);

    // Assignment takes the value only: the target keeps its decimals and mode.
    CQVCurrencyEx8& operator=(const CQVCurrencyEx8& other);
    CQVCurrencyEx8& operator=(int64_t valor);
    CQVCurrencyEx8& operator=(double x);

    void SetCasasDecimais(int n);
    int GetCasasDecimais() const { return m_casas; }
    void SetArredonda(bool arredonda);
    void SetPrecisao(int casas, bool arredonda);
    rounding GetModo() const { return m_modo; }
    void SetModo(rounding modo);
    void SetValor(int64_t valor);
    // A decimal text: "-" anywhere makes it negative; the decimal separator is the rightmost ","
    // or, without one, the leftmost "."; other non-digits are dropped ("1.234,5" is 1234.5).
    // Decimals beyond eight are rounded half to even; a text beyond the range throws.
    void SetValorTexto(const char* text);

    int64_t GetValor64() const { return m_valor; }
    int64_t GetValor() const { return m_valor; }
    int64_t GetValor(int64_t& out) const { return out = m_valor; }
    explicit operator double() const { return static_cast<double>(m_valor) / 1e8; }
    // The value rounded (half to even) to a CURRENCY: 4 decimals, mode 1; zero when it does not fit.
    CQVCurrencyEx GetCurrencyEx() const;
    // "." between thousands, "," and the kept decimals, "-" in front when negative.
    CQVString Formata() const;

    // value x rate / 100, the rate given in hundredths of a percent.
    CQVCurrencyEx8 CalculaPercentual(unsigned short n) const;
    CQVCurrencyEx8 CalculaPercentual(const CQVCurrencyEx8& rate) const;

    CQVCurrencyEx8& operator+=(const CQVCurrencyEx8& other);
    CQVCurrencyEx8& operator-=(const CQVCurrencyEx8& other);
    CQVCurrencyEx8& operator+=(CURRENCY cy);
    CQVCurrencyEx8& operator-=(CURRENCY cy);
    CQVCurrencyEx8& operator*=(const CQVCurrencyEx8& other);
    CQVCurrencyEx8& operator/=(const CQVCurrencyEx8& other);
    CQVCurrencyEx8& operator*=(CURRENCY cy);
    CQVCurrencyEx8& operator/=(CURRENCY cy);
    CQVCurrencyEx8& operator*=(double x);
    CQVCurrencyEx8& operator/=(double x);

    friend bool operator==(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b) { return a.m_valor == b.m_valor; }
    friend std::strong_ordering operator<=>(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b) {
        return a.m_valor <=> b.m_valor;
    }

private:
    void normaliza();

    int64_t m_valor = 0;
    int m_casas = 8;
    rounding m_modo = rounding::half_away;
};

// Free operators give a new value with 8 decimals, rounding half away from zero.
CQVCurrencyEx8 operator+(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator-(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator+(const CQVCurrencyEx8& a, CURRENCY b);
CQVCurrencyEx8 operator-(const CQVCurrencyEx8& a, CURRENCY b);
CQVCurrencyEx8 operator+(CURRENCY a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator-(CURRENCY a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator*(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator/(const CQVCurrencyEx8& a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator*(const CQVCurrencyEx8& a, CURRENCY b);
CQVCurrencyEx8 operator/(const CQVCurrencyEx8& a, CURRENCY b);
CQVCurrencyEx8 operator*(CURRENCY a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator/(CURRENCY a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator*(const CQVCurrencyEx8& a, double b);
CQVCurrencyEx8 operator/(const CQVCurrencyEx8& a, double b);
CQVCurrencyEx8 operator*(double a, const CQVCurrencyEx8& b);
CQVCurrencyEx8 operator/(double a, const CQVCurrencyEx8& b);

// Rounds a raw 8-decimal value to `casas` decimals in `modo` as CQVCurrencyEx8 normalises;
// throws com::failure when the rounded value does not fit.
int64_t qv_normaliza_valor8(int64_t raw, int casas, rounding modo);
