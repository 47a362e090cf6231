#include "masterdata/CQVDF_Estados.h"

#include <algorithm>
#include <cstring>

#include "masterdata/CEstado.h"
#include "masterdata/compara_sem_caixa.h"
#include "masterdata/messages.h"
#include "masterdata/sessao_raiz.h"
#include "platform/com/failure.h"

namespace masterdata {

HRESULT CQVDF_Estados::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    if (!pInicializa) com::fail(msg::inicializar_estados, E_POINTER);
    const sessao_raiz s = le_sessao_raiz(*pInicializa, msg::inicializar_estados);
    m_bInicializado = false;
    m_Conexao.Finaliza();
    m_Conexao.SetTrataErros(false);
    m_Conexao.SetTratarMensagens(false);
    com::check(m_Conexao.Inicializa(s.empresa, s.usuario, s.sessao), msg::inicializar_servidor_estado);
    com::check(m_Conexao.CriaServidor(), msg::criar_servidor_estado);
    m_bInicializado = true;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_Estados::IniciaBusca(LONG* pQuantidade) noexcept try {
    if (!pQuantidade) return E_POINTER;
    *pQuantidade = 0;
    if (!m_bInicializado) com::fail(msg::objeto_nao_inicializado, E_ABORT);
    m_lCursor = 0;
    IQVEstados* servidor = m_Conexao.GetServidor();
    if (!servidor) com::fail(msg::ler_estados, E_POINTER);
    // A failed read leaves nothing of the last search to walk.
    m_Estados.clear();
    WORD quantidade = 0;
    com::check(servidor->Quantidade(&quantidade), msg::ler_estados);
    std::vector<inhouse::REG_ESTADO_ENTRADA> estados(quantidade);
    com::check(servidor->LeTodos(quantidade, reinterpret_cast<BYTE*>(estados.data())), msg::ler_estados);
    std::sort(estados.begin(), estados.end(), [](const auto& a, const auto& b) {
        return compara_sem_caixa(a.sigla, b.sigla, sizeof a.sigla) < 0;
    });
    m_Estados = std::move(estados);
    *pQuantidade = static_cast<LONG>(m_Estados.size());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_Estados::Proximo(IEstado** ppEstado) noexcept try {
    if (!ppEstado) return E_POINTER;
    *ppEstado = nullptr;
    if (!m_bInicializado) com::fail(msg::objeto_nao_inicializado, E_ABORT);
    if (m_lCursor < 0 || static_cast<size_t>(m_lCursor) >= m_Estados.size()) return S_OK;
    com::com_ptr<CEstado> estado;
    try {
        estado = com::make<CEstado>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::instanciar_estado, E_OUTOFMEMORY);
    }
    const auto& e = m_Estados[static_cast<size_t>(m_lCursor)];
    const std::string nome(e.nome, strnlen(e.nome, sizeof e.nome));
    const std::string sigla(e.sigla, strnlen(e.sigla, sizeof e.sigla));
    estado->Preenche(nome.c_str(), sigla.c_str(), e.exterior == 'S', e.regiao_geo, e.regiao_fiscal);
    *ppEstado = static_cast<IEstado*>(estado.detach());
    ++m_lCursor;
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata
