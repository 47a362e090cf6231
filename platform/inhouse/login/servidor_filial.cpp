#include "platform/inhouse/login/servidor_filial.h"

#include <string>

#include "base/QVCaminhos.h"
#include "platform/com/text.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/login/servidores_login.h"

namespace inhouse {

namespace {

// A bare file name lives in the installation's images folder; a path is kept as registered.
std::string caminho_completo(const std::string& arquivo) {
    if (arquivo.empty() || arquivo.find_first_of("\\/:") != std::string::npos) return arquivo;
    return QVMontaCaminho(QVGetPastaImagens(), arquivo);
}

}  // namespace

bool FilialServer::le_registro(LONG posicao, REG_FILIAL& r) {
    // Position 0 is no branch of the register: it stands for the main branch, the lowest position.
    auto query = m_store.prepare(
        "SELECT codigo, nome, cnpj, inscricao_estadual, uf, homepage, posicao_municipio, ajusta_cst, opcao_situacao,"
        " (SELECT e.posicao FROM estado e WHERE e.empresa = filial.empresa AND e.sigla = filial.uf COLLATE NOCASE)"
        " FROM filial WHERE empresa = ?1 COLLATE NOCASE"
        " AND posicao = CASE WHEN ?2 = 0 THEN (SELECT MIN(posicao) FROM filial WHERE empresa = ?1 COLLATE NOCASE)"
        " ELSE ?2 END");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!query.step()) return false;
    r = REG_FILIAL{};
    r.codigo = static_cast<uint16_t>(query.column_int(0));
    poe_campo(r.nome, query.column_text(1));
    poe_campo(r.cnpj, query.column_text(2));
    poe_campo(r.inscricao_estadual, query.column_text(3));
    poe_campo(r.uf, query.column_text(4));
    poe_campo(r.homepage, query.column_text(5));
    // What the invoice tax calculation reads of the branch.
    r.municipio = static_cast<uint16_t>(query.column_int(6));
    if (query.column_int(7)) r.ajusta_cst = 'S';
    r.opcao_situacao = static_cast<uint8_t>(query.column_int(8));
    r.estado = static_cast<uint16_t>(query.column_int(9));
    return true;
}

HRESULT STDMETHODCALLTYPE FilialServer::QuantidadeFiliais(LONG* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("QuantidadeFiliais"); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare("SELECT COALESCE(MAX(posicao), 0) FROM filial WHERE empresa = ? COLLATE NOCASE");
    query.bind_text(1, m_empresa);
    *quantidade = query.step() ? static_cast<LONG>(query.column_int64(0)) : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE FilialServer::LeFilial(LONG posicao, QV_FILIAL_4818* filial) noexcept try {
    if (!filial) return E_POINTER;
    if (HRESULT hr = faults().enter("LeFilial", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    REG_FILIAL r{};
    if (!le_registro(posicao, r)) return QV_E_FILIAL_DESCONHECIDA;
    *filial = como_bloco<QV_FILIAL_4818>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE FilialServer::ExisteFilial(BSTR codigo, LONG* posicao, QV_FILIAL_4818* filial) noexcept try {
    if (!posicao || !filial) return E_POINTER;
    *posicao = 0;
    *filial = como_bloco<QV_FILIAL_4818>(REG_FILIAL{});
    const std::string texto = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("ExisteFilial", "codigo=" + texto); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    // Only digits make a code: "x" or "" name no branch, and a number past 16 bits none either.
    const size_t inicio = texto.find_first_not_of(' ');
    const size_t fim = texto.find_last_not_of(' ');
    if (inicio == std::string::npos) return S_OK;
    const std::string digitos = texto.substr(inicio, fim - inicio + 1);
    if (digitos.size() > 5 || digitos.find_first_not_of("0123456789") != std::string::npos) return S_OK;
    const long numero = std::stol(digitos);
    if (numero > 0xFFFF) return S_OK;
    auto query = m_store.prepare(
        "SELECT MIN(posicao) FROM filial WHERE empresa = ? COLLATE NOCASE AND codigo = ? HAVING COUNT(*) > 0");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(numero));
    if (!query.step()) return S_OK;
    const LONG achada = static_cast<LONG>(query.column_int64(0));
    REG_FILIAL r{};
    if (!le_registro(achada, r)) return S_OK;
    *posicao = achada;
    *filial = como_bloco<QV_FILIAL_4818>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE FilialServer::LeFiliaisAtivas(WORD usuario, QV_FILIAIS_ATIVAS_1002* filiais) noexcept try {
    if (!filiais) return E_POINTER;
    if (HRESULT hr = faults().enter("LeFiliaisAtivas", "usuario=" + std::to_string(usuario)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    *filiais = como_bloco<QV_FILIAIS_ATIVAS_1002>(le_filiais_ativas(m_store, m_empresa, usuario));
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
