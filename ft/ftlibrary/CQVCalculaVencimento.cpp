#include "ft/ftlibrary/CQVCalculaVencimento.h"

#include <algorithm>

#include "base/CQVData.h"
#include "ft/ftlibrary/soma_dias.h"
#include "ft/ftlibrary/messages.h"
#include "platform/com/failure.h"

namespace {

using ft::soma_dias;

int dia_da_semana(uint32_t data) { return CQVData(data).DiaDaSemana(); }

}  // namespace

void CQVCalculaVencimento::SetParametros(bool diaUtil, uint8_t flagCalendario, uint16_t numeroCalendario) {
    m_bDiaUtil = diaUtil;
    m_cFlagCalendario = flagCalendario;
    m_lNumeroCalendario = numeroCalendario;
}

HRESULT CQVCalculaVencimento::CarregaFeriados() {
    if (!m_bDiaUtil || m_bFeriadosCarregados) return S_OK;
    int quantidade = 0;
    const HRESULT hr = m_Feriado.InicializaFinanc(GetEmpresa(), &quantidade);
    if (SUCCEEDED(hr)) m_bFeriadosCarregados = true;
    return hr;
}

// The first day from `data` on (the second, with the next occurrence) whose day of the month is
// one of the rule's days. A rule day beyond the length of a month counts as that month's last
// day, so every month has a match and the search ends within two months.
uint16_t CQVCalculaVencimento::DiaDoMes(const CQVCalculaVencimentoDados& regras, uint32_t data) const {
    const int8_t* dias = regras.GetDiasMes();
    for (int i = 0; i < 4; ++i)
        if (dias[i] < 0 || dias[i] > 31) com::fail(ft::msg::vencimento_dia_mes_invalido, E_INVALIDARG);
    int encontrados = 0;
    const int procurados = regras.GetProximaOcorrencia() ? 2 : 1;
    for (uint32_t n = data;; n = soma_dias(n, 1)) {
        int dia = 0, mes = 0, ano = 0;
        qv_separa_dia(n, dia, mes, ano);
        const int ultimo = qv_dias_no_mes(mes, ano);
        const bool coincide = std::any_of(dias, dias + 4, [&](int8_t d) { return d != 0 && std::min<int>(d, ultimo) == dia; });
        if (coincide && ++encontrados == procurados) return static_cast<uint16_t>(n);
    }
}

uint16_t CQVCalculaVencimento::Calcula(const CQVCalculaVencimentoDados& regras, uint16_t data) {
    int dia = 0, mes = 0, ano = 0;
    if (data == 0 || !qv_separa_dia(data, dia, mes, ano)) return 0;
    if (ano < 1900) com::fail(ft::msg::vencimento_ano_invalido, E_FAIL);

    uint32_t n = data;
    if (const int semana = regras.GetDiaSemana(); semana != 0) {
        if (semana < 1 || semana > 7) com::fail(ft::msg::vencimento_dia_semana_invalido, E_INVALIDARG);
        const int w = dia_da_semana(n);
        n = soma_dias(n, w > semana ? semana - w + 7 : semana - w);
        if (regras.GetProximaOcorrencia()) n = soma_dias(n, 7);
    } else if (regras.GetDiasMes()[0] != 0) {
        n = DiaDoMes(regras, n);
    } else {
        n = soma_dias(n, regras.GetDiasAdicionar());
    }

    const char letra = regras.GetLetra();
    if (m_bDiaUtil && (letra == 'A' || letra == 'P')) {
        if (const HRESULT hr = CarregaFeriados(); FAILED(hr)) com::fail(ft::msg::vencimento_calendario, hr);
        n = m_Feriado.GetDiaUtilFinanc(m_wChaveCalendario, static_cast<uint16_t>(n), m_cFlagCalendario, letra == 'A',
                                       m_lNumeroCalendario);
        if (n == 0) com::fail(ft::msg::vencimento_sem_dia_util, E_FAIL);
    }
    return static_cast<uint16_t>(n);
}
