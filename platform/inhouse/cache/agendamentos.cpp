// The visit server over the store: a visit is a row of agendamento_visita; its days are kept as
// "yyyy-mm-dd" texts (empty: none) and become the record's 16-bit day numbers on the way out.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/QVDataCurta.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cache/registros_visita.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/core/dia_iso.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

// The day a visit counts on: its new day once rescheduled.
constexpr const char* dia_efetivo = "(CASE WHEN situacao = 3 AND data_reagendada <> '' THEN data_reagendada ELSE data END)";

}  // namespace

HRESULT STDMETHODCALLTYPE AgendamentosServer::BuscaAgendamentos(LONG intervalo, QV_FILTRO_VISITAS_354 filtro,
                                                                BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    REG_RESPOSTA_VISITAS saida{};
    std::memcpy(resposta, &saida, sizeof saida);
    REG_FILTRO_VISITAS f{};
    std::memcpy(&f, &filtro, sizeof f);
    uint16_t inicio = static_cast<uint16_t>(static_cast<uint32_t>(intervalo) & 0xFFFF);
    uint16_t fim = static_cast<uint16_t>(static_cast<uint32_t>(intervalo) >> 16);
    if (HRESULT hr = faults().enter("BuscaAgendamentos", "representante=" + std::to_string(f.representante) +
                                                             " intervalo=" + dia_iso(inicio) + ".." + dia_iso(fim) +
                                                             " filtro=" + dia_iso(f.data_inicial) + ".." +
                                                             dia_iso(f.data_final));
        FAILED(hr))
        return hr;
    if (inicio == 0 && fim == 0) {
        inicio = f.data_inicial;
        fim = f.data_final;
    }
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(std::string("SELECT posicao FROM agendamento_visita WHERE empresa = ? AND (? = 0 OR representante = ?)"
                                             " AND ") + dia_efetivo + " BETWEEN ? AND ? ORDER BY " + dia_efetivo + ", posicao");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(f.representante)).bind(3, static_cast<int64_t>(f.representante));
    query.bind_text(4, dia_iso(inicio)).bind_text(5, fim ? dia_iso(fim) : std::string("9999"));
    std::vector<uint32_t> posicoes;
    while (query.step()) posicoes.push_back(static_cast<uint32_t>(query.column_int64(0)));
    if (posicoes.empty()) return S_OK;
    uint32_t* bloco = bloco_tarefa(posicoes);
    if (!bloco) return E_OUTOFMEMORY;
    try {
        saida.posicoes = com::wire_pointer_put(bloco);
    } catch (...) {
        CoTaskMemFree(bloco);
        throw;
    }
    saida.quantidade = static_cast<uint32_t>(posicoes.size());
    std::memcpy(resposta, &saida, sizeof saida);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE AgendamentosServer::LeAgendamento(LONG posicao, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeAgendamento", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT cliente, numero, tipo_periodo, data, data_reagendada, atendido_por, obs_agendamento, obs_visita,"
        " situacao, dia_util, recalcular, venda, valor_venda FROM agendamento_visita WHERE empresa = ? AND posicao = ?");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!query.step()) return QV_E_VISITA_DESCONHECIDA;
    REG_AGENDAMENTO_VISITA r{};
    r.cliente = static_cast<uint32_t>(query.column_int64(0));
    r.numero = static_cast<uint32_t>(query.column_int64(1));
    r.tipo_periodo = static_cast<uint16_t>(query.column_int(2));
    r.data = iso_dia(query.column_text(3));
    r.data_reagendada = iso_dia(query.column_text(4));
    poe_campo(r.atendido_por, query.column_text(5));
    poe_campo(r.obs_agendamento, query.column_text(6));
    poe_campo(r.obs_visita, query.column_text(7));
    r.situacao = static_cast<uint8_t>(query.column_int(8));
    r.dia_util = static_cast<uint8_t>(query.column_int(9));
    r.recalcular = static_cast<uint8_t>(query.column_int(10));
    r.venda = static_cast<uint8_t>(query.column_int(11));
    r.valor_venda = query.column_int64(12);
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE AgendamentosServer::GravaAgendamento(LONG posicao, QV_VISITA_1606 registro,
                                                               LONG* resultado) noexcept try {
    if (!resultado) return E_POINTER;
    *resultado = 0;
    REG_AGENDAMENTO_VISITA r{};
    std::memcpy(&r, &registro, sizeof r);
    const std::string atendido(texto_campo(r.atendido_por)), obs(texto_campo(r.obs_visita));
    if (HRESULT hr = faults().enter("GravaAgendamento",
                                    "posicao=" + std::to_string(posicao) + " situacao=" + std::to_string(r.situacao) +
                                        " atendido=" + atendido + " reagendada=" + dia_iso(r.data_reagendada) +
                                        " recalcular=" + std::to_string(r.recalcular) + " venda=" + std::to_string(r.venda) +
                                        " valor=" + std::to_string(r.valor_venda) + " obs=" + obs);
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "UPDATE agendamento_visita SET situacao = ?, atendido_por = ?, data_reagendada = ?, recalcular = ?, venda = ?,"
        " valor_venda = ?, obs_visita = ? WHERE empresa = ? AND posicao = ?");
    query.bind(1, static_cast<int64_t>(r.situacao)).bind_text(2, atendido).bind_text(3, dia_iso(r.data_reagendada));
    query.bind(4, static_cast<int64_t>(r.recalcular)).bind(5, static_cast<int64_t>(r.venda)).bind(6, r.valor_venda);
    query.bind_text(7, obs).bind_text(8, m_empresa).bind(9, static_cast<int64_t>(posicao));
    query.run();
    if (m_store.db().changes() == 0) return QV_E_VISITA_DESCONHECIDA;
    *resultado = 1;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
