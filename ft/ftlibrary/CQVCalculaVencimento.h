#pragma once
// Applies a customer's due-date rules to a date and, when asked, moves the result to the
// company's next (or previous) financial business day. Dates are 16-bit day numbers; every step
// counts whole calendar days, so a daylight-saving change can neither repeat nor skip a day.
//
// Failures are com::failure with a Portuguese text (the COM method that started the calculation
// reports them): a year before 1900 (E_FAIL), rules outside their ranges (E_INVALIDARG), a
// calendar that cannot be loaded (its HRESULT), and a result beyond what a 16-bit day number
// holds (DISP_E_OVERFLOW), which is never wrapped.
#include <cstdint>

#include "ft/ftlibrary/CQVCalculaVencimentoDados.h"
#include "platform/inhouse/caldias/CFeriado.h"
#include "platform/inhouse/sessao/CQVInicializador.h"

class CQVCalculaVencimento : public CQVInicializador {
public:
    // Drops the loaded calendar: the next business-day move loads it again.
    int OnCarregaBuffer() override {
        m_bFeriadosCarregados = false;
        return 0;
    }

    void SetParametros(bool diaUtil, uint8_t flagCalendario, uint16_t numeroCalendario);

    // The due date for `data` under `regras`; 0 when `data` is the empty date.
    uint16_t Calcula(const CQVCalculaVencimentoDados& regras, uint16_t data);

    // Loads the company's calendar once (when the business-day move is on); the HRESULT of the
    // load, S_OK when nothing had to be loaded.
    HRESULT CarregaFeriados();

    bool GetFeriadosCarregados() const { return m_bFeriadosCarregados; }

private:
    uint16_t DiaDoMes(const CQVCalculaVencimentoDados& regras, uint32_t data) const;

    CFeriado m_Feriado;
    bool m_bFeriadosCarregados = false;
    bool m_bDiaUtil = true;
    uint8_t m_cFlagCalendario = 0;
    int32_t m_lNumeroCalendario = 0;
    uint16_t m_wChaveCalendario = 0;  // never set: the calendar's first argument
};
