#pragma once
// Dates as day numbers: the count of days of the proleptic Gregorian calendar with 1848-01-01 as
// day 2 (0 is no date; valid 2 = 1848-01-01 to 1048247 = 4717-12-31). N - 18993 is the OLE
// Automation date of the same day. Also the calendar rules, the two-digit-year pivot and the one
// place where the value types read the clock.
#include <windows.h>
#include <wtypes.h>

#include <compare>
#include <cstddef>
#include <cstdint>

#include "base/CQVString.h"

class CQVMesAno;

// The clock of the value types: the current local time. Everything here that needs "now" (today,
// this month, the two-digit-year pivot) reads it through this one function.
SYSTEMTIME qv_local_now();
int qv_current_year();

// A year below 100 is a two-digit year: it names the latest year ending in those digits that is
// at most next year (20yy when yy <= current year % 100 + 1, else 19yy, in this century), so the
// pivot moves with the calendar. Other years are returned as they are.
int qv_ano_completo(int ano);
int qv_ano_completo(int ano, int ano_atual);
// The last year a two-digit year can name today (current year + 1).
int qv_ultimo_ano_dois_digitos();

bool qv_bissexto(int ano);
// Days of the month (1..12, 13 counts 31); February of a common year has 28.
int qv_dias_no_mes(int mes, int ano);
// The day number of a valid date (day cut to the month), 0 when the date is outside the range.
uint32_t qv_numero_dia(int dia, int mes, int ano);
// Splits a day number; false (and 0/0/0) outside 2..1048247.
bool qv_separa_dia(uint32_t numero, int& dia, int& mes, int& ano);

class CQVData {
public:
    static constexpr uint32_t minimo = 2;
    static constexpr uint32_t maximo = 1048247;
    // The oldest day a two-digit year could ever name: 01/01/1927.
    static constexpr uint32_t minimo_curto = 28856;
    // The 16-bit field of a record holds day numbers up to 65535 (04/06/2027).
    static constexpr uint32_t maximo_curto = 65535;

    CQVData() = default;
    CQVData(int dia, int mes, int ano) { SetData(dia, mes, ano); }
    explicit CQVData(uint32_t numero) { SetValor(numero); }

    // A year below 100 takes the pivot; the day is cut to the month's length; invalid gives 0.
    void SetData(int dia, int mes, int ano);
    // 0/0/0 (and false) for an empty or invalid date.
    bool GetData(int& dia, int& mes, int& ano) const;
    bool EhValida() const { return m_numero >= minimo && m_numero <= maximo; }
    // 0 or a valid number is stored (true); anything else stores 0 (false).
    bool SetValor(uint32_t numero);
    uint32_t GetValor() const { return m_numero; }

    // The 16-bit form: 01/01/1927 up to what 16 bits hold; other values give the empty date.
    void SetDataCurta(uint16_t curta);
    // Throws com::failure when the date does not fit a 16-bit field (after 04/06/2027).
    uint16_t GetDataCurta() const;
    // The older 1850-based number (1850-01-01 = 1, with a 29/02/1900).
    void SetDataAntiga(uint16_t antiga);

    // Parses "dd/mm/yy" or "dd/mm/yyyy" (blanks allowed around the fields); false leaves 0.
    bool SetTexto(const char* texto);
    // From a time_t through the local-time conversion; 0 or a failed conversion gives 0.
    void SetTime(int64_t t);
    void Hoje();

    int GetDia() const;
    int GetMes() const;
    int GetAno(bool quatroDigitos = true) const;
    void SetDia(int dia);
    void SetMes(int mes);
    void SetAno(int ano);
    CQVData& PrimeiroDia();
    CQVData& UltimoDia();
    static CQVData PrimeiroDia(const CQVData& data);
    static CQVData UltimoDia(const CQVData& data);

    void AdicionaDias(int32_t n);
    void AdicionaMeses(int n);
    void AdicionaAnos(int n);
    // Years with four implied decimals.
    void AdicionaAnos(CURRENCY x);
    void AdicionaHoras(long h);
    void AdicionaHoras(CURRENCY x);
    // unit 1 years, 2 months, 3 weeks, 4 days, 5 hours; x with four implied decimals.
    void Adiciona(CURRENCY x, int unidade);

    CQVMesAno GetMesAno() const;
    void SetMesAnoDia(const CQVMesAno& mesAno, int dia);

    // 1 = Sunday .. 7 = Saturday; 0 when invalid.
    int DiaDaSemana() const;
    void NomeDiaDaSemana(char* buffer, size_t size, bool abreviado) const;
    CQVString NomeDiaDaSemana(bool abreviado = false) const;
    // The text of `codigo` (0..5 dates, 6..9 the month) with the separator ('\0' for none).
    void Formata(char* buffer, size_t size, int codigo, char separador, bool alarga = false) const;
    CQVString Formata(int codigo = 1, char separador = '/') const;

    // 0 valid, 1 invalid, 2 empty.
    int GetStatus() const;
    bool GetOleDateTime(DATE& oleDate) const;

    static CQVData Minima() { return CQVData(minimo); }
    static CQVData Maxima() { return CQVData(maximo); }

    friend bool operator==(const CQVData& a, const CQVData& b) { return a.m_numero == b.m_numero; }
    friend std::strong_ordering operator<=>(const CQVData& a, const CQVData& b) {
        return a.m_numero <=> b.m_numero;
    }

private:
    uint32_t m_numero = 0;
};
static_assert(sizeof(CQVData) == 4);
