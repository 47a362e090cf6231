#include "platform/inhouse/login/servidor_filial.h"

#include <string>

#include "base/QVCaminhos.h"
#include "platform/com/text.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

// A bare file name lives in the installation's images folder; a path is kept as registered.
std::string caminho_completo(const std::string& arquivo) {
    if (arquivo.empty() || arquivo.find_first_of("\\/:") != std::string::npos) return arquivo;
    return QVMontaCaminho(QVGetPastaImagens(), arquivo);
}

// A branch from the columns codigo, nome, homepage and uf, in that order.
REG_FILIAL filial_de(sqlite::statement& query) {
    REG_FILIAL r{};
    r.codigo = static_cast<uint16_t>(query.column_int(0));
    poe_campo(r.nome, query.column_text(1));
    poe_campo(r.homepage, query.column_text(2));
    poe_campo(r.uf, query.column_text(3));
    return r;
}

}  // namespace

HRESULT STDMETHODCALLTYPE FilialServer::LeFilial(LONG posicao, QV_FILIAL_4818* filial) noexcept try {
    if (!filial) return E_POINTER;
    if (HRESULT hr = faults().enter("LeFilial", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT codigo, nome, homepage, uf FROM filial WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!query.step()) return QV_E_FILIAL_DESCONHECIDA;
    *filial = como_bloco<QV_FILIAL_4818>(filial_de(query));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE FilialServer::ExisteFilial(LONG codigo, LONG* posicao, QV_FILIAL_4818* filial) noexcept try {
    if (!posicao || !filial) return E_POINTER;
    *posicao = 0;
    *filial = como_bloco<QV_FILIAL_4818>(REG_FILIAL{});
    if (HRESULT hr = faults().enter("ExisteFilial", "codigo=" + std::to_string(codigo)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare("SELECT codigo, nome, homepage, uf, posicao FROM filial"
                                 " WHERE empresa = ? COLLATE NOCASE AND codigo = ? ORDER BY posicao");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(codigo));
    if (!query.step()) return S_OK;
    *filial = como_bloco<QV_FILIAL_4818>(filial_de(query));
    *posicao = query.column_int(4);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE FilialServer::LeLogotipo(LONG filial, LONG opcao, BSTR* caminho) noexcept try {
    if (!caminho) return E_POINTER;
    *caminho = nullptr;
    if (HRESULT hr = faults().enter("LeLogotipo", "filial=" + std::to_string(filial) + " opcao=" + std::to_string(opcao));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    // A branch without a logo of its own shows the company's.
    auto query = m_store.prepare(
        "SELECT COALESCE(NULLIF((SELECT logotipo FROM filial WHERE empresa = ?1 COLLATE NOCASE AND posicao = ?2), ''),"
        " (SELECT logotipo FROM empresa_sistema WHERE empresa = ?1 COLLATE NOCASE), '')");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(filial));
    std::string arquivo = query.step() ? query.column_text(0) : std::string();
    if (opcao == logotipo_caminho_completo) arquivo = caminho_completo(arquivo);
    *caminho = com::to_bstr(arquivo).release();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE FilialServer::MascaraCFOP(LONG opcao, BSTR* mascara) noexcept try {
    if (!mascara) return E_POINTER;
    *mascara = nullptr;
    if (HRESULT hr = faults().enter("MascaraCFOP", "opcao=" + std::to_string(opcao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare("SELECT mascara_cfop FROM natureza_mascara WHERE empresa = ? COLLATE NOCASE");
    query.bind_text(1, m_empresa);
    *mascara = com::to_bstr(query.step() ? query.column_text(0) : std::string()).release();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
