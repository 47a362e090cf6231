#pragma once
// A customer's due-date rules: pay only on a weekday, or only on some days of the month, or some
// days later; then move the date to a financial business day before or after it.
#include <cstdint>

#include "platform/inhouse/cfrt/QVCFRT.h"

class CQVCalculaVencimentoDados {
public:
    virtual ~CQVCalculaVencimentoDados() = default;

    // From the customer's register record: letter 1330, days of the month 3356 (copied up to
    // the first zero, the rest zero), weekday 3362, days to add 1345, next occurrence 3363 'S'.
    void Carrega(const QVCFRT& cliente);
    void Limpa();

    // 'A' anticipates to a business day, 'P' postpones; anything else does not move the date.
    char GetLetra() const { return m_cLetra; }
    void SetLetra(char letra) { m_cLetra = letra; }
    // The first four are days of the month (0 = none); the other two are kept, not used.
    const int8_t* GetDiasMes() const { return m_DiasMes; }
    void SetDiasMes(int8_t d1, int8_t d2 = 0, int8_t d3 = 0, int8_t d4 = 0);
    // 1 = Sunday .. 7 = Saturday; 0: no weekday rule.
    int8_t GetDiaSemana() const { return m_cDiaSemana; }
    void SetDiaSemana(int8_t dia) { m_cDiaSemana = dia; }
    int8_t GetDiasAdicionar() const { return m_cDiasAdicionar; }
    void SetDiasAdicionar(int8_t dias) { m_cDiasAdicionar = dias; }
    bool GetProximaOcorrencia() const { return m_bProximaOcorrencia; }
    void SetProximaOcorrencia(bool proxima) { m_bProximaOcorrencia = proxima; }

private:
    char m_cLetra = 0;
    int8_t m_DiasMes[6] = {};
    int8_t m_cDiaSemana = 0;
    int8_t m_cDiasAdicionar = 0;
    bool m_bProximaOcorrencia = false;
};
