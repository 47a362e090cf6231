#pragma once
// The holiday calendar of the maker's calendar library (CALDIAS.dll): which days are financial
// business days for a company. Ours knows the national holidays (computed for every year) and
// the company's own from the installation's store (table feriado_empresa); Saturdays and Sundays
// are never business days. It covers the days a 16-bit day number holds (1848 to 04/06/2027).
//
// A company's calendar is read from the store once per process and shared by every CFeriado of
// that company (a new published store drops them), so a calendar per instalment costs a look-up.
// Plain class of a library: failures come back as HRESULTs, nothing is thrown.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "base/CQVString.h"

class calendario_financeiro;

class CFeriado {
public:
    CFeriado();
    ~CFeriado();
    CFeriado(const CFeriado&) = delete;
    CFeriado& operator=(const CFeriado&) = delete;

    // Takes the company's financial calendar; `quantidade` (may be null) receives how many
    // holidays of its own the company has. E_INVALIDARG for an empty company; a failure when the
    // installation has no store or the store cannot be read (the object keeps what it had).
    HRESULT InicializaFinanc(const CQVString& empresa, int* quantidade);

    // The business day nearest `dia` in the direction asked: `dia` itself when it is one, else
    // the one before (antecipa) or after. `chave`, `flag` and `numero` choose among calendars
    // the maker's library keeps; ours has one financial calendar per company and ignores them.
    // Before InicializaFinanc (or after it failed) the national holidays alone count. 0 for the
    // empty date, and when no business day lies within the 16-bit range.
    uint16_t GetDiaUtilFinanc(uint16_t chave, uint16_t dia, uint8_t flag, bool antecipa, int32_t numero) const;

    bool EhDiaUtil(uint16_t dia) const;

    // How many company calendars were read from the store in this process (the cost the shared
    // calendars save), and a way to drop them all.
    static unsigned GetCargas() noexcept;
    static void DescartaCalendarios() noexcept;

private:
    std::shared_ptr<const calendario_financeiro> m_calendario;
};
