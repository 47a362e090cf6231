#include "masterdata/CQVDF_Municipios.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "masterdata/CMunicipio.h"
#include "masterdata/compara_sem_caixa.h"
#include "masterdata/messages.h"
#include "masterdata/sessao_raiz.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"

namespace masterdata {

namespace {

com::com_ptr<CMunicipio> novo_municipio(const char* texto) {
    try {
        return com::make<CMunicipio>();
    } catch (const std::bad_alloc&) {
        com::fail(texto, E_OUTOFMEMORY);
    }
}

std::string_view texto(const char* campo, size_t largura) { return {campo, strnlen(campo, largura)}; }

}  // namespace

HRESULT CQVDF_Municipios::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    if (!pInicializa) com::fail(msg::inicializar_municipios, E_POINTER);
    const sessao_raiz s = le_sessao_raiz(*pInicializa, msg::inicializar_municipios);
    m_Conexao.Finaliza();
    m_Conexao.SetTrataErros(false);
    m_Conexao.SetTratarMensagens(false);
    com::check(m_Conexao.Inicializa(s.empresa, s.usuario, s.sessao), msg::inicializar_municipios);
    com::check(m_Conexao.CriaServidor(), msg::inicializar_municipios);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_Municipios::Busca(BSTR bsFiltroUF, LONG* pQuantidade) noexcept try {
    if (!pQuantidade) return E_POINTER;
    *pQuantidade = 0;
    m_lCursor = 0;
    IQVMunicipios* servidor = m_Conexao.GetServidor();
    if (!servidor) com::fail(msg::ler_municipios, E_POINTER);
    const std::string filtro = com::from_bstr(bsFiltroUF);
    // A failed read leaves nothing of the last search to walk.
    m_Municipios.clear();
    LONG quantidade = 0;
    com::check(servidor->Quantidade(&quantidade), msg::ler_municipios);
    if (quantidade < 0) com::fail(msg::ler_municipios, E_UNEXPECTED);
    std::vector<inhouse::REG_MUNICIPIO_ENTRADA> municipios(static_cast<size_t>(quantidade));
    com::check(servidor->LeTodos(quantidade, reinterpret_cast<BYTE*>(municipios.data())), msg::ler_municipios);
    if (!filtro.empty())
        std::erase_if(municipios, [&](const auto& m) { return texto(m.uf, sizeof m.uf) != filtro; });
    std::sort(municipios.begin(), municipios.end(), [](const auto& a, const auto& b) {
        return compara_sem_caixa(a.nome, b.nome, sizeof a.nome) < 0;
    });
    m_Municipios = std::move(municipios);
    *pQuantidade = static_cast<LONG>(m_Municipios.size());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_Municipios::Proximo(IMunicipio** ppMunicipio) noexcept try {
    if (!ppMunicipio) return E_POINTER;
    *ppMunicipio = nullptr;
    if (m_lCursor < 0 || static_cast<size_t>(m_lCursor) >= m_Municipios.size()) return S_OK;
    com::com_ptr<CMunicipio> municipio = novo_municipio(msg::ler_municipio);
    const auto& e = m_Municipios[static_cast<size_t>(m_lCursor)];
    municipio->Preenche(e, e.posicao);
    *ppMunicipio = static_cast<IMunicipio*>(municipio.detach());
    ++m_lCursor;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_Municipios::Existe(LONG CodigoFiscal, IMunicipio** ppMunicipio) noexcept try {
    if (!ppMunicipio) return E_POINTER;
    *ppMunicipio = nullptr;
    IQVMunicipios* servidor = m_Conexao.GetServidor();
    if (!servidor) com::fail(msg::pesquisar_municipio, E_POINTER);
    WORD posicao = 0;
    _REG_MUNICIPIO_PS registro{};
    if (servidor->Pesquisa(CodigoFiscal, &posicao, reinterpret_cast<BYTE*>(&registro)) != S_OK)
        com::fail(msg::pesquisar_municipio, E_POINTER);
    if (posicao == 0) return S_OK;
    com::com_ptr<CMunicipio> municipio = novo_municipio(msg::pesquisar_municipio);
    municipio->Preenche(registro, posicao);
    *ppMunicipio = static_cast<IMunicipio*>(municipio.detach());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_Municipios::Le(USHORT iPosicao, IMunicipio** ppMunicipio) noexcept try {
    if (!ppMunicipio) return E_POINTER;
    *ppMunicipio = nullptr;
    if (iPosicao == 0) return S_OK;
    if (!m_Conexao.GetServidor()) com::fail(msg::ler_municipio, E_POINTER);
    _REG_MUNICIPIO_PS registro{};
    // The read's answers other than S_OK are failures: a failure keeps its HRESULT, a position
    // without a municipality (S_FALSE) is a position outside the register.
    const HRESULT hr = m_Conexao.Le(iPosicao, &registro);
    com::check(hr, msg::ler_municipio);
    if (hr != S_OK) com::fail(msg::ler_municipio, E_INVALIDARG);
    com::com_ptr<CMunicipio> municipio = novo_municipio(msg::ler_municipio);
    municipio->Preenche(registro, iPosicao);
    *ppMunicipio = static_cast<IMunicipio*>(municipio.detach());
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata
