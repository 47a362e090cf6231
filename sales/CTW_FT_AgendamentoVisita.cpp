#include "sales/CTW_FT_AgendamentoVisita.h"

#include <string>

#include "base/CQVChaveOrigem.h"
#include "base/QVCurrency.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/visita_registro.h"

namespace sales {

using inhouse::poe_campo;
using inhouse::texto_campo;

HRESULT CTW_FT_AgendamentoVisita::GetNrAgendamento(BSTR* pbsNrAgendamento) noexcept try {
    return com::put_text(pbsNrAgendamento, QVFormataChaveMesAno(m_registro.numero).c_str());
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::GetData(BSTR* pbsData) noexcept try {
    return com::put_text(pbsData, texto_dia_curto(dia_visita(m_registro)));
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::GetCliente(LONG* plCliente) noexcept {
    return com::put_number(plCliente, static_cast<LONG>(m_registro.cliente));
}

HRESULT CTW_FT_AgendamentoVisita::GetSituacaoVisita(LONG* plSituacao) noexcept {
    return com::put_number(plSituacao, static_cast<LONG>(m_registro.situacao));
}

HRESULT CTW_FT_AgendamentoVisita::SetSituacaoVisita(LONG lSituacao) noexcept {
    m_registro.situacao = static_cast<uint8_t>(lSituacao);
    return S_OK;
}

HRESULT CTW_FT_AgendamentoVisita::GetVendaEfetuada(VARIANT_BOOL* pvbVendaEfetuada) noexcept {
    return com::put_bool(pvbVendaEfetuada, m_registro.venda != 0);
}

// The record's flags hold 1 for yes, as the earlier visit schedule writes and reads them (the low
// byte of VARIANT_TRUE would read back there as 255).
HRESULT CTW_FT_AgendamentoVisita::SetVendaEfetuada(VARIANT_BOOL vbVendaEfetuada) noexcept {
    m_registro.venda = vbVendaEfetuada ? 1 : 0;
    return S_OK;
}

HRESULT CTW_FT_AgendamentoVisita::GetValorVenda(BSTR* pbsValorVenda) noexcept try {
    return com::put_text(pbsValorVenda, texto_valor_venda(m_registro));
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::SetValorVenda(BSTR bsValorVenda) noexcept try {
    m_registro.valor_venda = QVConverteTextoCY(com::from_bstr(bsValorVenda).c_str()).int64;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::GetObservacoesAgendamento(BSTR* pbsObservacoes) noexcept {
    return com::put_text(pbsObservacoes, texto_campo(m_registro.obs_agendamento));
}

HRESULT CTW_FT_AgendamentoVisita::GetObservacoesVisita(BSTR* pbsObservacoes) noexcept {
    return com::put_text(pbsObservacoes, texto_campo(m_registro.obs_visita));
}

HRESULT CTW_FT_AgendamentoVisita::SetObsVisita(BSTR bsObservacoes) noexcept try {
    poe_campo(m_registro.obs_visita, com::from_bstr(bsObservacoes));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::GetTipoPeriodo(SHORT* psTipoPeriodo) noexcept {
    return com::put_number(psTipoPeriodo, static_cast<SHORT>(m_registro.tipo_periodo));
}

HRESULT CTW_FT_AgendamentoVisita::GetConsiderarDiaUtil(SHORT* psConsiderarDiaUtil) noexcept {
    return com::put_number(psConsiderarDiaUtil, static_cast<SHORT>(m_registro.dia_util));
}

HRESULT CTW_FT_AgendamentoVisita::GetAtendidoPor(BSTR* pbsAtendidoPor) noexcept {
    return com::put_text(pbsAtendidoPor, texto_campo(m_registro.atendido_por));
}

HRESULT CTW_FT_AgendamentoVisita::SetAtendidoPor(BSTR bsAtendidoPor) noexcept try {
    poe_campo(m_registro.atendido_por, com::from_bstr(bsAtendidoPor));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::GetReagendadaPara(BSTR* pbsData) noexcept try {
    return com::put_text(pbsData, texto_dia_curto(m_registro.data_reagendada));
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::SetReagendadoPara(BSTR bsData) noexcept try {
    m_registro.data_reagendada = dia_de_texto(com::from_bstr(bsData));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentoVisita::GetRecalcularProximosReagendamentos(VARIANT_BOOL* pvbRecalcular) noexcept {
    return com::put_bool(pvbRecalcular, m_registro.recalcular != 0);
}

HRESULT CTW_FT_AgendamentoVisita::SetRecalcularAgendamento(VARIANT_BOOL vbRecalcular) noexcept {
    m_registro.recalcular = vbRecalcular ? 1 : 0;
    return S_OK;
}

}  // namespace sales
