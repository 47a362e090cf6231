#include "platform/inhouse/localidades/EstadoFiscalServer.h"

#include <cstring>
#include <string>

#include "platform/com/text.h"
#include "platform/inhouse/localidades/registros_localidades.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

constexpr char colunas[] = "SELECT posicao, nome, sigla, exterior, regiao_geo, regiao_fiscal FROM estado ";

REG_ESTADO estado_de(sqlite::statement& q) {
    REG_ESTADO r{};
    poe_campo(r.nome, q.column_text(1));
    poe_campo(r.sigla, q.column_text(2));
    r.exterior = q.column_int(3) ? 'S' : 'N';
    r.regiao_geo = static_cast<uint8_t>(q.column_int(4));
    r.regiao_fiscal = static_cast<uint8_t>(q.column_int(5));
    return r;
}

constexpr int regiao_exterior = 2;

}  // namespace

uint16_t aliquota_interestadual(int origem, int destino) noexcept {
    if (destino == regiao_exterior || origem == regiao_exterior) return 0;
    return origem == 0 && destino != 0 ? 700 : 1200;
}

HRESULT STDMETHODCALLTYPE EstadoFiscalServer::PesquisaSigla(BSTR sigla, WORD* estado, BYTE* registro) noexcept try {
    if (!estado || !registro) return E_POINTER;
    *estado = 0;
    std::memset(registro, 0, sizeof(REG_ESTADO));
    const std::string texto = com::from_bstr(sigla);
    if (HRESULT hr = faults().enter("PesquisaSigla", "sigla=" + texto); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas) + "WHERE empresa = ? COLLATE NOCASE AND sigla = ? COLLATE NOCASE");
    q.bind_text(1, m_empresa).bind_text(2, texto);
    if (!q.step()) return QV_E_ESTADO_DESCONHECIDO;
    const REG_ESTADO r = estado_de(q);
    *estado = static_cast<WORD>(q.column_int(0));
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstadoFiscalServer::LeEstado(WORD estado, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    std::memset(registro, 0, sizeof(REG_ESTADO));
    if (HRESULT hr = faults().enter("LeEstado", "estado=" + std::to_string(estado)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas) + "WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(estado));
    if (!q.step()) return QV_E_ESTADO_DESCONHECIDO;
    const REG_ESTADO r = estado_de(q);
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstadoFiscalServer::Aliquotas(WORD estado, WORD filial, LONGLONG* interna,
                                                        LONGLONG* operacao) noexcept try {
    if (!interna || !operacao) return E_POINTER;
    *interna = 0;
    *operacao = 0;
    if (HRESULT hr = faults().enter("Aliquotas", "estado=" + std::to_string(estado) + " filial=" + std::to_string(filial));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto destino = m_store.prepare(
        "SELECT e.regiao_fiscal, i.aliquota_interna FROM estado e JOIN estado_icms i ON i.empresa = e.empresa"
        " AND i.sigla = e.sigla COLLATE NOCASE WHERE e.empresa = ? COLLATE NOCASE AND e.posicao = ?");
    destino.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(estado));
    if (!destino.step()) return QV_E_ESTADO_DESCONHECIDO;
    const int regiao_destino = destino.column_int(0);
    const int64_t aliquota_interna = destino.column_int64(1);
    auto origem = m_store.prepare(
        "SELECT e.posicao, e.regiao_fiscal FROM filial f JOIN estado e ON e.empresa = f.empresa"
        " AND e.sigla = f.uf COLLATE NOCASE WHERE f.empresa = ? COLLATE NOCASE AND f.posicao = ?");
    origem.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(filial));
    if (!origem.step()) return QV_E_ESTADO_DESCONHECIDO;
    const bool mesmo_estado = origem.column_int(0) == estado;
    const int64_t aliquota_operacao =
        mesmo_estado ? aliquota_interna : aliquota_interestadual(origem.column_int(1), regiao_destino);
    // Money: hundredths of a percent times 100 make CURRENCY ticks of the percentage.
    *interna = aliquota_interna * 100;
    *operacao = aliquota_operacao * 100;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
