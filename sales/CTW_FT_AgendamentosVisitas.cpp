#include "sales/CTW_FT_AgendamentosVisitas.h"

#include <string>

#include "base/QVCurrency.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/CTW_FT_AgendamentoVisita.h"
#include "sales/messages.h"
#include "sales/visita_registro.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CSessaoGlobal.h"

namespace sales {

namespace {
com::com_ptr<IQVFT_Agendamentos> servidor() { return server::CCacheServidores::GetInstancia()->GetServidorAgendamentos(); }

// A text getter of the client's visit object.
std::string texto(ITW_FT_AgendamentoVisita* visita, HRESULT (STDMETHODCALLTYPE ITW_FT_AgendamentoVisita::*get)(BSTR*)) {
    BSTR valor = nullptr;
    const HRESULT hr = (visita->*get)(&valor);
    com::unique_bstr dono(valor);
    if (FAILED(hr)) com::fail(msg::gravar_agendamento, hr);
    return com::from_bstr(valor);
}

template <class T>
T numero(ITW_FT_AgendamentoVisita* visita, HRESULT (STDMETHODCALLTYPE ITW_FT_AgendamentoVisita::*get)(T*)) {
    T valor{};
    const HRESULT hr = (visita->*get)(&valor);
    if (FAILED(hr)) com::fail(msg::gravar_agendamento, hr);
    return valor;
}
}  // namespace

uint32_t CTW_FT_AgendamentosVisitas::posicao(LONG indice) const {
    if (indice < 0 || static_cast<size_t>(indice) >= m_posicoes.size())
        com::fail(msg::ler_agendamento_posicao, DISP_E_EXCEPTION);
    return m_posicoes[static_cast<size_t>(indice)];
}

HRESULT CTW_FT_AgendamentosVisitas::SetIntervalo(BSTR bsDataInicial, BSTR bsDataFinal) noexcept try {
    const uint16_t inicio = dia_de_texto(com::from_bstr(bsDataInicial));
    const uint16_t fim = dia_de_texto(com::from_bstr(bsDataFinal));
    m_inicio = inicio;
    m_fim = fim;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentosVisitas::BuscaQuantidadeAgendamentosVisitas(BSTR bsData, LONG* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    const uint16_t dia = dia_de_texto(com::from_bstr(bsData));
    const uint32_t representante = server::CSessaoGlobal::GetInstancia()->GetPosicaoRepresentante();
    m_posicoes = busca_visitas(servidor().get(), m_inicio, m_fim, representante, dia);
    *plQuantidade = static_cast<LONG>(m_posicoes.size());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentosVisitas::LeAgendamentoVisita(LONG lPosicao,
                                                        ITW_FT_AgendamentoVisita** ppIAgendamentoVisita) noexcept try {
    if (!ppIAgendamentoVisita) return E_POINTER;
    *ppIAgendamentoVisita = nullptr;
    const auto registro = le_visita(servidor().get(), posicao(lPosicao));
    com::com_ptr<CTW_FT_AgendamentoVisita> visita;
    try {
        visita = com::make<CTW_FT_AgendamentoVisita>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::criar_agendamento_visita, E_OUTOFMEMORY);
    }
    visita->SetRegistro(registro);
    *ppIAgendamentoVisita = visita.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_AgendamentosVisitas::GravarDadosVisita(LONG lPosicao, ITW_FT_AgendamentoVisita* pIAgendamentoVisita) noexcept try {
    const uint32_t pos = posicao(lPosicao);
    if (!pIAgendamentoVisita) com::fail(msg::gravar_agendamento, E_POINTER);
    auto* v = pIAgendamentoVisita;
    using I = ITW_FT_AgendamentoVisita;
    auto registro = le_visita(servidor().get(), pos);
    registro.situacao = static_cast<uint8_t>(numero<LONG>(v, &I::GetSituacaoVisita));
    inhouse::poe_campo(registro.atendido_por, texto(v, &I::GetAtendidoPor));
    registro.data_reagendada = dia_de_texto(texto(v, &I::GetReagendadaPara));
    registro.recalcular = numero<VARIANT_BOOL>(v, &I::GetRecalcularProximosReagendamentos) ? 1 : 0;
    registro.venda = numero<VARIANT_BOOL>(v, &I::GetVendaEfetuada) ? 1 : 0;
    registro.valor_venda = QVConverteTextoCY(texto(v, &I::GetValorVenda).c_str()).int64;
    inhouse::poe_campo(registro.obs_visita, texto(v, &I::GetObservacoesVisita));
    // A visit that was not saved is a failure the client must see.
    if (grava_visita(servidor().get(), pos, registro) < 1) com::fail(msg::gravar_agendamento, E_FAIL);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales
