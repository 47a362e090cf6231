#pragma once
// Plain OLE CURRENCY values (signed 64-bit, four implied decimals): operators, conversions to and
// from numbers and texts, the money text forms of the COM boundary ("," before the decimals, "."
// between thousands), percentages and interest. Every product and quotient is exact (one rounding,
// half to even); a sum, a product of currencies or a conversion that overflows throws
// com::failure (DISP_E_OVERFLOW) instead of wrapping. A product or quotient with a double and
// every quotient yields 0 when it fails (division by zero, overflow), as OLE DECIMAL steps do.
#include <windows.h>
#include <wtypes.h>

#include <cstddef>
#include <cstdint>

#include "base/CQVString.h"

constexpr CURRENCY qv_cy(int64_t raw) {
    CURRENCY c{};
    c.int64 = raw;
    return c;
}

// Free operators: they do not round to any kept decimals. A double operand of +, - or a
// comparison is converted as VarCyFromR8 does (x 10000, half to even).
CURRENCY operator+(CURRENCY a, CURRENCY b);
CURRENCY operator-(CURRENCY a, CURRENCY b);
CURRENCY operator*(CURRENCY a, CURRENCY b);  // exact product, rounded half to even
CURRENCY operator/(CURRENCY a, CURRENCY b);  // decimal quotient; 0 when b is 0
CURRENCY operator+(CURRENCY a, double b);
CURRENCY operator+(double a, CURRENCY b);
CURRENCY operator-(CURRENCY a, double b);
CURRENCY operator-(double a, CURRENCY b);
CURRENCY operator*(CURRENCY a, double b);
CURRENCY operator*(double a, CURRENCY b);
CURRENCY operator/(CURRENCY a, double b);
CURRENCY operator/(double a, CURRENCY b);
CURRENCY operator-(CURRENCY a);
CURRENCY& operator+=(CURRENCY& a, CURRENCY b);
CURRENCY& operator-=(CURRENCY& a, CURRENCY b);
CURRENCY& operator*=(CURRENCY& a, CURRENCY b);
CURRENCY& operator/=(CURRENCY& a, CURRENCY b);
CURRENCY& operator+=(CURRENCY& a, double b);
CURRENCY& operator-=(CURRENCY& a, double b);
CURRENCY& operator*=(CURRENCY& a, double b);
CURRENCY& operator/=(CURRENCY& a, double b);
inline bool operator==(CURRENCY a, CURRENCY b) { return a.int64 == b.int64; }
inline bool operator!=(CURRENCY a, CURRENCY b) { return a.int64 != b.int64; }
inline bool operator<(CURRENCY a, CURRENCY b) { return a.int64 < b.int64; }
inline bool operator>(CURRENCY a, CURRENCY b) { return a.int64 > b.int64; }
inline bool operator<=(CURRENCY a, CURRENCY b) { return a.int64 <= b.int64; }
inline bool operator>=(CURRENCY a, CURRENCY b) { return a.int64 >= b.int64; }
bool operator==(CURRENCY a, double b);
bool operator!=(CURRENCY a, double b);
bool operator<(CURRENCY a, double b);
bool operator>(CURRENCY a, double b);
bool operator<=(CURRENCY a, double b);
bool operator>=(CURRENCY a, double b);
bool operator==(double a, CURRENCY b);
bool operator!=(double a, CURRENCY b);
bool operator<(double a, CURRENCY b);
bool operator>(double a, CURRENCY b);
bool operator<=(double a, CURRENCY b);
bool operator>=(double a, CURRENCY b);

// Number conversions (the OLE Automation ones: half to even; out of range throws).
CURRENCY QVConverteR8CY(double x);          // VarCyFromR8
double QVConverteCYR8(CURRENCY cy);         // VarR8FromCy
float QVConverteCYR4(CURRENCY cy);          // VarR4FromCy
CURRENCY QVConverteR4CY(float x);           // VarCyFromR4
unsigned short QVConverteR4UI2(float x);    // VarUI2FromR4
int32_t QVConverteCYI4(CURRENCY cy);        // VarI4FromCy
uint32_t QVConverteCYUI4(CURRENCY cy);      // VarUI4FromCy
unsigned short QVConverteCYUI2(CURRENCY cy);  // VarUI2FromCy
CQVString QVConverteNumeroTexto(long n);
CQVString QVConverteNumeroTexto(int n);
CQVString QVConverteNumeroTexto(short n);
CQVString QVConverteNumeroTexto(unsigned short n);

// A money text: "-" anywhere makes it negative; the decimal separator is the rightmost "," or,
// without one, the leftmost "."; other non-digits are dropped; decimals beyond four are cut.
// Only the first 25 characters count; an empty or null text gives 0.
void QVConverteTextoCY(const char* text, CURRENCY& cy);
CURRENCY QVConverteTextoCY(const char* text);
unsigned short QVConverteTextoUI2(const char* text);
void QVConverteTextoUI2(const char* text, unsigned short* value);
int32_t QVConverteTextoI4(const char* text);
uint32_t QVConverteTextoUI4(const char* text);

// The raw value's digits without sign: integer part ("0" at least) and exactly four decimals.
CQVString QVDigitosCY(CURRENCY cy);
// "1234,5" style: no thousands separator, "," and 2 to 4 decimals.
CQVString QVFormataCY(CURRENCY cy);
// "1.234,50" style: as QVFormataCY with "." between groups of three digits.
CQVString QVFormataCYMilhar(CURRENCY cy);
// "." groups, "," and exactly n decimals (0..4, no "," for 0), rounded half away from zero.
CQVString QVFormataCYDecimais(CURRENCY cy, int n);
// An 8-decimal value: "." groups, "," and its first n decimals (0..8), cut, not rounded.
CQVString QVFormataValor8Casas(int64_t valor, int n);
// Buffer forms: the text is cut to size - 1 and always terminated; the length written.
size_t QVFormataCY(CURRENCY cy, char* buffer, size_t size);
size_t QVFormataCYMilhar(CURRENCY cy, char* buffer, size_t size);
size_t QVFormataCYDecimais(CURRENCY cy, int n, char* buffer, size_t size);
size_t QVFormataValor8Casas(int64_t valor, int n, char* buffer, size_t size);
size_t QVDigitosCY(CURRENCY cy, char* buffer, size_t size);

// Money text with `decimals` decimals (0 gives none), "." groups, rounded half away from zero:
// the text form of CQVCurrencyEx::Formata and CQVCurrencyEx8::Formata.
CQVString qv_formata_escalado(int64_t raw, int implied, int decimals);

double QVArredonda(double x, int n);
double QVPotencia(double x, double y);
// a x p / 100 in double, rounded to n decimals (n == -1: not rounded); 0 when a or p <= 0.
CURRENCY QVCalculaPercentual(CURRENCY a, CURRENCY p, int n);
// b / a x 100, rounded likewise; 0 when a or b <= 0.
CURRENCY QVCalculaPercentualDe(CURRENCY a, CURRENCY b, int n);
// Interest on principal over days: kind 'S' simple, 'P' and 'A' instalment plans, any other
// compound; unit 'D'/'d' days, 'M'/'m' 30-day months, otherwise 360-day years. No periods
// (0 days) means no interest.
CURRENCY QVCalculaJuros(CURRENCY principal, char kind, CURRENCY rate, unsigned short days, char unit,
                        int n);
