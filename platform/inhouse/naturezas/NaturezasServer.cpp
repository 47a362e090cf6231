#include "platform/inhouse/naturezas/NaturezasServer.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/CQVData.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

// The columns every read takes, in the order natureza_de reads them.
constexpr const char colunas[] =
    "SELECT posicao, codigo, nome, filial, integracao_financeiro, vigente_desde, incide_icms, incide_ipi, incide_pis,"
    " incide_cofins, incide_icms_st, flag_529, flag_530, flag_650, cst_pis, cst_cofins, codigo_pis_cofins FROM natureza ";

// The day number of a "yyyy-mm-dd" text; 0 (always in force) for an empty or unreadable text.
uint32_t dia_de(const std::string& data) {
    int ano = 0, mes = 0, dia = 0;
    if (data.size() != 10 || std::sscanf(data.c_str(), "%4d-%2d-%2d", &ano, &mes, &dia) != 3) return 0;
    return qv_numero_dia(dia, mes, ano);
}

// A nature is in force on `dia` when it started on it or before (day 0: no day asked).
bool em_vigor(const std::string& desde, WORD dia) { return dia == 0 || dia_de(desde) <= dia; }

REG_NATUREZA natureza_de(sqlite::statement& q) {
    REG_NATUREZA r{};
    r.posicao = static_cast<uint16_t>(q.column_int(0));
    poe_campo(r.codigo, q.column_text(1));
    poe_campo(r.nome, q.column_text(2));
    r.filial = static_cast<uint16_t>(q.column_int(3));
    // The mark as kept: 1 integrates; any other value does not.
    r.integracao_financeiro = static_cast<uint8_t>(q.column_int(4));
    // The taxes the nature charges and what the invoice tax calculation reads of it.
    r.incide_icms = q.column_int(6) ? 1 : 0;
    r.incide_ipi = q.column_int(7) ? 1 : 0;
    r.incide_pis = q.column_int(8) ? 1 : 0;
    r.incide_cofins = q.column_int(9) ? 1 : 0;
    r.incide_icms_st = q.column_int(10) ? 1 : 0;
    r.flag_529 = q.column_int(11) ? 1 : 0;
    r.flag_530 = q.column_int(12) ? 1 : 0;
    r.flag_650 = q.column_int(13) ? 1 : 0;
    r.cst_pis = static_cast<uint8_t>(q.column_int(14));
    r.cst_cofins = static_cast<uint8_t>(q.column_int(15));
    r.codigo_pis_cofins = static_cast<int32_t>(q.column_int(16));
    return r;
}

std::string sem_pontos(std::string codigo) {
    std::erase(codigo, '.');
    return codigo;
}

}  // namespace

HRESULT STDMETHODCALLTYPE NaturezasServer::LeNatureza(LONG posicao, WORD dia, BYTE modulo, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeNatureza", "posicao=" + std::to_string(posicao) + " dia=" + std::to_string(dia) +
                                                      " modulo=" + std::to_string(modulo));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas) +
                             "WHERE empresa = ? COLLATE NOCASE AND posicao = ? AND (modulo = 0 OR modulo = ?)");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao)).bind(3, static_cast<int64_t>(modulo));
    if (!q.step() || !em_vigor(q.column_text(5), dia)) return QV_E_NATUREZA_DESCONHECIDA;
    const REG_NATUREZA r = natureza_de(q);
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE NaturezasServer::ExisteNatureza(BSTR codigo, WORD dia, WORD filial, BYTE modulo,
                                                          WORD* posicao, BYTE* registro) noexcept try {
    if (!posicao || !registro) return E_POINTER;
    *posicao = 0;
    std::memset(registro, 0, sizeof(REG_NATUREZA));
    const std::string c = sem_pontos(com::from_bstr(codigo));
    if (HRESULT hr = faults().enter("ExisteNatureza", "codigo=" + c + " dia=" + std::to_string(dia) + " filial=" +
                                                          std::to_string(filial) + " modulo=" + std::to_string(modulo));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas) +
                             "WHERE empresa = ? COLLATE NOCASE AND codigo = ? AND (modulo = 0 OR modulo = ?)"
                             " AND (? = 0 OR filial = 0 OR filial = ?) ORDER BY posicao");
    q.bind_text(1, m_empresa).bind_text(2, c).bind(3, static_cast<int64_t>(modulo));
    q.bind(4, static_cast<int64_t>(filial)).bind(5, static_cast<int64_t>(filial));
    while (q.step()) {
        if (!em_vigor(q.column_text(5), dia)) continue;
        const REG_NATUREZA r = natureza_de(q);
        std::memcpy(registro, &r, sizeof r);
        *posicao = r.posicao;
        return S_OK;
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE NaturezasServer::Quantidade(WORD filial, WORD dia, BYTE tipo, BYTE modulo, BYTE letra,
                                                      WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("Quantidade", "filial=" + std::to_string(filial) + " dia=" + std::to_string(dia) +
                                                      " tipo=" + std::to_string(tipo) + " modulo=" +
                                                      std::to_string(modulo) + " letra=" + std::string(1, static_cast<char>(letra)));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas) +
                             "WHERE empresa = ?1 COLLATE NOCASE AND (?2 = 0 OR filial = 0 OR filial = ?2)"
                             " AND (?3 = 0 OR tipo = ?3) AND (modulo = 0 OR modulo = ?4)"
                             " AND (letra = 'A' OR letra = ?5) ORDER BY posicao");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(filial)).bind(3, static_cast<int64_t>(tipo));
    q.bind(4, static_cast<int64_t>(modulo)).bind_text(5, std::string(1, static_cast<char>(letra)));
    std::vector<REG_NATUREZA> lidas;
    while (q.step())
        if (em_vigor(q.column_text(5), dia)) lidas.push_back(natureza_de(q));
    if (lidas.size() > 0xFFFF) return E_UNEXPECTED;
    m_contadas = std::move(lidas);
    *quantidade = static_cast<WORD>(m_contadas.size());
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE NaturezasServer::Registros(WORD quantidade, BYTE* registros) noexcept try {
    if (HRESULT hr = faults().enter("Registros", "quantidade=" + std::to_string(quantidade)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (quantidade == 0) return S_OK;
    if (!registros) return E_POINTER;
    // Never more than counted: the caller's array is sized to its count.
    if (quantidade > m_contadas.size()) return E_INVALIDARG;
    std::memcpy(registros, m_contadas.data(), quantidade * sizeof(REG_NATUREZA));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE NaturezasServer::QuantidadeNaturezas(WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("QuantidadeNaturezas"); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT COUNT(*) FROM natureza WHERE empresa = ? COLLATE NOCASE");
    q.bind_text(1, m_empresa);
    q.step();
    const int64_t n = q.column_int64(0);
    *quantidade = static_cast<WORD>(n > 65535 ? 65535 : n);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
