#include "ft/ftlibrary/CQVCalculaVencimentoDados.h"

void CQVCalculaVencimentoDados::Carrega(const QVCFRT& cliente) {
    Limpa();
    m_cLetra = cliente.letra_1330;
    for (size_t i = 0; i < sizeof m_DiasMes && cliente.dias_mes[i] != 0; ++i)
        m_DiasMes[i] = static_cast<int8_t>(cliente.dias_mes[i]);
    m_cDiaSemana = static_cast<int8_t>(cliente.dia_semana);
    m_cDiasAdicionar = static_cast<int8_t>(cliente.dias_adicionar);
    m_bProximaOcorrencia = cliente.proxima_ocorrencia == 'S';
}

void CQVCalculaVencimentoDados::Limpa() {
    m_cLetra = 0;
    for (auto& d : m_DiasMes) d = 0;
    m_cDiaSemana = 0;
    m_cDiasAdicionar = 0;
    m_bProximaOcorrencia = false;
}

void CQVCalculaVencimentoDados::SetDiasMes(int8_t d1, int8_t d2, int8_t d3, int8_t d4) {
    for (auto& d : m_DiasMes) d = 0;
    m_DiasMes[0] = d1;
    m_DiasMes[1] = d2;
    m_DiasMes[2] = d3;
    m_DiasMes[3] = d4;
}
