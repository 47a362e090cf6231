#include "sales/CAgendamentoVisitas.h"

#include <cstdlib>

#include "base/CQVChaveOrigem.h"
#include "base/QVCurrency.h"
#include "base/QVDCOM.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/messages.h"
#include "sales/visita_registro.h"
#include "server/root/CQVHashTable.h"

namespace sales {

using inhouse::poe_campo;
using inhouse::texto_campo;

void CAgendamentoVisitas::Inicializa(const char* empresa, WORD usuario, long sessao) {
    m_empresa = empresa ? empresa : "";
    m_usuario = usuario;
    m_sessao = sessao;
    // Both failures answer as the root's failed creation of the schedule.
    constexpr HRESULT falha_instanciar = static_cast<HRESULT>(0x8004065Fu);
    com::com_ptr<IQVFT_Agendamentos> novo;
    if (FAILED(QVCriaInstancia(inhouse::CLSID_AgendamentosServer, nullptr, QV_CLSCTX_SERVIDOR,
                               __uuidof(IQVFT_Agendamentos), novo.put_void(), QV_CRIA_PADRAO)) ||
        FAILED(novo->Inicializa(com::to_bstr(m_empresa).get(), m_usuario, m_sessao)))
        com::fail(msg::servidor_agendamentos, falha_instanciar);
    m_servidor = std::move(novo);
}

IQVFT_Agendamentos* CAgendamentoVisitas::servidor() const {
    if (!m_servidor) com::fail(msg::servidor_agendamentos, E_UNEXPECTED);
    return m_servidor.get();
}

const inhouse::REG_AGENDAMENTO_VISITA& CAgendamentoVisitas::visita(LONG ponteiro) {
    const auto posicao = static_cast<uint32_t>(ponteiro);
    if (m_posicao_lida != posicao) {
        m_posicao_lida.reset();
        m_registro = le_visita(servidor(), posicao);
        m_posicao_lida = posicao;
    }
    return m_registro;
}

HRESULT CAgendamentoVisitas::SetIntervalo(BSTR bsDataInicial, BSTR bsDataFinal) noexcept try {
    const uint16_t inicio = dia_de_texto(com::from_bstr(bsDataInicial));
    const uint16_t fim = dia_de_texto(com::from_bstr(bsDataFinal));
    m_inicio = inicio;
    m_fim = fim;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::SetRepresentante(LONG lPos) noexcept {
    m_representante = static_cast<uint32_t>(lPos);
    return S_OK;
}

HRESULT CAgendamentoVisitas::GetQtdeAgendamentos(BSTR bsData, LONG* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    const uint16_t dia = dia_de_texto(com::from_bstr(bsData));
    m_posicoes = busca_visitas(servidor(), m_inicio, m_fim, m_representante, dia);
    *plQuantidade = static_cast<LONG>(m_posicoes.size());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetQtdeAgendamentosNaoEfetuados(LONG* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    LONG quantidade = 0;
    for (uint32_t posicao : m_posicoes)
        if (visita(static_cast<LONG>(posicao)).situacao == 0) ++quantidade;
    *plQuantidade = quantidade;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetPonteiro(LONG lPos, LONG* plPonteiro) noexcept try {
    if (!plPonteiro) return E_POINTER;
    *plPonteiro = 0;
    if (lPos < 0 || static_cast<size_t>(lPos) >= m_posicoes.size()) com::fail(msg::posicao_agendamento, E_INVALIDARG);
    *plPonteiro = static_cast<LONG>(m_posicoes[static_cast<size_t>(lPos)]);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetNrAgendamento(LONG lPonteiro, BSTR* pbsNrAgendamento) noexcept try {
    if (!pbsNrAgendamento) return E_POINTER;
    *pbsNrAgendamento = nullptr;
    return com::put_text(pbsNrAgendamento, QVFormataChaveMesAno(visita(lPonteiro).numero).c_str());
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetData(LONG lPonteiro, BSTR* pbsData) noexcept try {
    if (!pbsData) return E_POINTER;
    *pbsData = nullptr;
    return com::put_text(pbsData, texto_dia_curto(dia_visita(visita(lPonteiro))));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetCliente(LONG lPonteiro, LONG* plCliente) noexcept try {
    if (!plCliente) return E_POINTER;
    *plCliente = 0;
    return com::put_number(plCliente, static_cast<LONG>(visita(lPonteiro).cliente));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetSituacaoVisita(LONG lPonteiro, LONG* plSituacao) noexcept try {
    if (!plSituacao) return E_POINTER;
    *plSituacao = 0;
    return com::put_number(plSituacao, static_cast<LONG>(visita(lPonteiro).situacao));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetVendaEfetuada(LONG lPonteiro, SHORT* psVendaEfetuada) noexcept try {
    if (!psVendaEfetuada) return E_POINTER;
    *psVendaEfetuada = 0;
    return com::put_number(psVendaEfetuada, static_cast<SHORT>(visita(lPonteiro).venda));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetValorVenda(LONG lPonteiro, BSTR* pbsValorVenda) noexcept try {
    if (!pbsValorVenda) return E_POINTER;
    *pbsValorVenda = nullptr;
    return com::put_text(pbsValorVenda, texto_valor_venda(visita(lPonteiro)));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetObservacoesAgendamento(LONG lPonteiro, BSTR* pbsObservacoes) noexcept try {
    if (!pbsObservacoes) return E_POINTER;
    *pbsObservacoes = nullptr;
    return com::put_text(pbsObservacoes, texto_campo(visita(lPonteiro).obs_agendamento));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetObservacoesVisita(LONG lPonteiro, BSTR* pbsObservacoes) noexcept try {
    if (!pbsObservacoes) return E_POINTER;
    *pbsObservacoes = nullptr;
    return com::put_text(pbsObservacoes, texto_campo(visita(lPonteiro).obs_visita));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetTipoPeriodo(LONG lPonteiro, SHORT* psTipoPeriodo) noexcept try {
    if (!psTipoPeriodo) return E_POINTER;
    *psTipoPeriodo = 0;
    return com::put_number(psTipoPeriodo, static_cast<SHORT>(visita(lPonteiro).tipo_periodo));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetConsiderarDiaUtil(LONG lPonteiro, SHORT* psConsiderarDiaUtil) noexcept try {
    if (!psConsiderarDiaUtil) return E_POINTER;
    *psConsiderarDiaUtil = 0;
    return com::put_number(psConsiderarDiaUtil, static_cast<SHORT>(visita(lPonteiro).dia_util));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetAtendidoPor(LONG lPonteiro, BSTR* pbsAtendidoPor) noexcept try {
    if (!pbsAtendidoPor) return E_POINTER;
    *pbsAtendidoPor = nullptr;
    return com::put_text(pbsAtendidoPor, texto_campo(visita(lPonteiro).atendido_por));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetReagendadaPara(LONG lPonteiro, BSTR* pbsData) noexcept try {
    if (!pbsData) return E_POINTER;
    *pbsData = nullptr;
    return com::put_text(pbsData, texto_dia_curto(visita(lPonteiro).data_reagendada));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::GetRecalcularProximosReagendamentos(LONG lPonteiro, SHORT* psRecalcular) noexcept try {
    if (!psRecalcular) return E_POINTER;
    *psRecalcular = 0;
    return com::put_number(psRecalcular, static_cast<SHORT>(visita(lPonteiro).recalcular));
} catch (...) {
    return report();
}

HRESULT CAgendamentoVisitas::AlteraAgendamento(LONG lPonteiro, IQVHashTable* pHash, LONG* plResultado) noexcept try {
    if (!plResultado) return E_POINTER;
    *plResultado = 0;
    const auto tabela = server::CQVHashTable::De(pHash);
    if (!tabela) com::fail(msg::gravar_agendamento, E_POINTER);
    const auto valores = tabela->GetValores();
    // Each key on its own: a key the page did not send is an empty text, never the one before it.
    const auto valor = [&valores](const char* chave) {
        const auto it = valores.find(chave);
        return it == valores.end() ? std::string() : it->second;
    };
    auto registro = visita(lPonteiro);
    registro.situacao = static_cast<uint8_t>(std::atoi(valor("SITUACAOVISITA").c_str()));
    poe_campo(registro.atendido_por, valor("ATENDIDOPOR"));
    registro.data_reagendada = dia_de_texto(valor("REAGENDADA"));
    registro.recalcular = valor("RECALCULAR") == "on" ? 1 : 0;
    registro.venda = valor("SITUACAOVENDA") == "1" ? 1 : 0;
    registro.valor_venda = QVConverteTextoCY(valor("VALORVENDA").c_str()).int64;
    poe_campo(registro.obs_visita, valor("OBSERVACOES"));
    const LONG resultado = grava_visita(servidor(), static_cast<uint32_t>(lPonteiro), registro);
    // What was saved is what a getter of this visit answers next.
    m_registro = registro;
    *plResultado = resultado;
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales
