#pragma once
// Money: an OLE CURRENCY with the number of decimals to keep (0, 2 or 4) and a rounding mode,
// normalised after every change. A new value holds 0 with 4 decimals and truncates.
//
// Products and quotients with a double or a division go through exact decimal arithmetic and give
// 0 when they fail (division by zero, overflow); sums and products of currencies that overflow
// throw com::failure (DISP_E_OVERFLOW), never wrap. The way to double is explicit
// (static_cast<double>), so that mixed expressions with doubles are never ambiguous.
#include <windows.h>
#include <wtypes.h>

#include <cstdint>

#include "base/CQVString.h"
#include "base/QVCurrency.h"
#include "base/rounding.h"

class CQVCurrencyEx {
public:
    CQVCurrencyEx() = default;
    CQVCurrencyEx(double x);
    CQVCurrencyEx(CURRENCY cy);
    CQVCurrencyEx(const CQVCurrencyEx& other);
    CQVCurrencyEx(bool duasCasas, bool arredonda, const CQVCurrencyEx& other);
    CQVCurrencyEx(bool duasCasas, rounding modo, const CQVCurrencyEx& other);

    // Assignment takes the value only: the target keeps its decimals and mode.
    CQVCurrencyEx& operator=(const CQVCurrencyEx& other);
    CQVCurrencyEx& operator=(CURRENCY cy);
    CQVCurrencyEx& operator=(double x);

    CQVCurrencyEx& Arredonda();
    void SetPrecisao(bool duasCasas, bool arredonda);
    void SetModo(rounding modo);
    rounding GetModo() const { return m_modo; }
    // 0 keeps none, 1 or 2 keep two, anything else four (without normalising).
    void SetCasasDecimais(short n);
    void SetDuasCasas();
    void SetQuatroCasas();
    void SetArredonda(bool arredonda);
    short GetCasasDecimais() const { return m_casas; }
    bool EhZeroCasas() const { return m_casas <= 0; }
    bool EhDuasCasas() const { return m_casas == 2; }
    bool EhQuatroCasas() const { return m_casas == 4; }
    bool EhArredonda() const { return m_modo == rounding::half_away; }

    CURRENCY GetValor() const { return m_valor; }
    CURRENCY GetValor(CURRENCY& out) const { return out = m_valor; }
    int64_t GetValor64() const { return m_valor.int64; }
    operator CURRENCY() const { return m_valor; }
    explicit operator double() const;
    // The amount in hundredths for 16-bit rate fields; a value beyond -327.68..327.67 throws.
    short GetCentesimos() const;

    CQVCurrencyEx& operator+=(CURRENCY cy);
    CQVCurrencyEx& operator-=(CURRENCY cy);
    CQVCurrencyEx& operator*=(CURRENCY cy);
    CQVCurrencyEx& operator/=(CURRENCY cy);
    CQVCurrencyEx& operator+=(double x);
    CQVCurrencyEx& operator-=(double x);
    CQVCurrencyEx& operator*=(double x);
    CQVCurrencyEx& operator/=(double x);

    // value x p / 10000, p a percentage with two implied decimals (1234 = 12.34 %).
    CURRENCY CalculaPercentual(unsigned short p) const;
    // value x p / 100.
    CURRENCY CalculaPercentual(CURRENCY p) const;
    CURRENCY CalculaPercentual(const CQVCurrencyEx& p) const { return CalculaPercentual(p.m_valor); }

    // "1.234,50": "." between thousands, "," and the kept decimals, "-" in front when negative.
    CQVString Formata() const;

private:
    void normaliza();

    CURRENCY m_valor = qv_cy(0);
    short m_casas = 4;
    rounding m_modo = rounding::truncate;
};

// result = a op b for '*', '+', '-' and '/'; the result keeps its decimals and mode.
void Opera(const CQVCurrencyEx& a, const CQVCurrencyEx& b, char operador, CQVCurrencyEx& result);

// Rounds raw CURRENCY ticks to `casas` decimals in `modo` as CQVCurrencyEx normalises;
// throws com::failure when the rounded value does not fit.
int64_t qv_normaliza_cy(int64_t raw, int casas, rounding modo);
