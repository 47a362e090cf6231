#include "masterdata/CFiliais.h"

#include <new>

#include "masterdata/CFilial.h"
#include "masterdata/filiais_ativas.h"
#include "masterdata/messages.h"
#include "masterdata/sessao_raiz.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

CFiliais::CFiliais() {
    m_conexao_filial.SetTrataErros(false);
    m_conexao_usuario.SetTrataErros(false);
}

HRESULT CFiliais::get_QtdFiliaisAtivas(LONG* pVal) noexcept {
    if (!pVal) return E_POINTER;
    LONG ativas = 0;
    for (uint8_t f : m_filiais.filiais) ativas += f != 0;
    return com::put_number(pVal, ativas);
}

HRESULT CFiliais::BuscaAtivas(LONG* Quantidade) noexcept try {
    if (!Quantidade) return E_POINTER;
    *Quantidade = 0;
    std::list<LONG> ativas;
    for (LONG p = 0; p <= ultima_posicao_filial; ++p)
        if (m_filiais.filiais[p] != 0) ativas.push_back(p);
    m_posicoes = std::move(ativas);
    return com::put_number(Quantidade, static_cast<LONG>(m_posicoes.size()));
} catch (...) {
    return report();
}

HRESULT CFiliais::Proxima(IFilial** ppFilial) noexcept try {
    if (!ppFilial) return E_POINTER;
    *ppFilial = nullptr;
    if (m_posicoes.empty()) return S_OK;
    const LONG posicao = m_posicoes.front();
    // Taken off first: a branch that cannot be read does not stop the walk for ever.
    m_posicoes.pop_front();
    return Le(posicao, ppFilial);
} catch (...) {
    return report();
}

HRESULT CFiliais::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    if (!pInicializa) return E_POINTER;
    const sessao_raiz s = le_sessao_raiz(*pInicializa, msg::filiais_inicializar);
    com::unique_bstr empresa = com::to_bstr(std::string(s.empresa));
    // Its failures are the caller's to know: a list that could not start lists nothing.
    return Inicializa2(empresa.get(), s.usuario, s.sessao);
} catch (...) {
    return report();
}

com::com_ptr<IFilial> CFiliais::nova_filial(long posicao, const inhouse::REG_FILIAL& registro) {
    com::com_ptr<CFilial> filial;
    try {
        filial = com::make<CFilial>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::filiais_criar_filial, E_OUTOFMEMORY);
    }
    AddRef();
    filial->Define(registro.codigo, std::string(inhouse::texto_campo(registro.nome)), posicao, com::com_ptr<CFiliais>::attach(this));
    return com::com_ptr<IFilial>::attach(filial.detach());
}

HRESULT CFiliais::Le(LONG Posicao, IFilial** ppFilial) noexcept try {
    if (!ppFilial) return E_POINTER;
    *ppFilial = nullptr;
    // Position 0 asks for the company's main branch; beyond 999 there is no branch position.
    if (Posicao < 0 || Posicao > ultima_posicao_filial) com::fail(msg::filiais_ler_filial, E_INVALIDARG);
    inhouse::REG_FILIAL registro{};
    com::check(m_conexao_filial.Le(Posicao, &registro), msg::filiais_ler_filial);
    return com::put_object(ppFilial, nova_filial(Posicao, registro));
} catch (...) {
    return report();
}

HRESULT CFiliais::BuscaTodas(LONG* Quantidade) noexcept try {
    if (!Quantidade) return E_POINTER;
    *Quantidade = 0;
    // A register that cannot be counted is no empty register.
    unsigned n = 0;
    com::check(m_conexao_filial.LeQuantidadeFiliais(n), msg::filiais_quantidade);
    std::list<LONG> todas;
    for (unsigned p = 1; p <= n && p <= static_cast<unsigned>(ultima_posicao_filial); ++p)
        todas.push_back(static_cast<LONG>(p));
    m_posicoes = std::move(todas);
    return com::put_number(Quantidade, static_cast<LONG>(m_posicoes.size()));
} catch (...) {
    return report();
}

HRESULT CFiliais::Existe(BSTR bsCodigo, IFilial** ppFilial) noexcept try {
    if (!ppFilial) return E_POINTER;
    *ppFilial = nullptr;
    long posicao = 0;
    inhouse::REG_FILIAL registro{};
    if (m_conexao_filial.Existe(com::from_bstr(bsCodigo), &posicao, &registro) != 1) return S_OK;
    return com::put_object(ppFilial, nova_filial(posicao, registro));
} catch (...) {
    return report();
}

HRESULT CFiliais::Inicializa2(BSTR bsEmpresa, LONG lUsuario, LONG lNumeroSessao) noexcept try {
    // Whatever fails below, nothing of an earlier session stays: no flags, no servers.
    m_filiais = inhouse::FILIAIS_ATIVAS{};
    m_posicoes.clear();
    m_conexao_filial.Finaliza();
    m_conexao_usuario.Finaliza();

    m_iUsuario = static_cast<WORD>(lUsuario);
    m_lNumeroSessao = lNumeroSessao;
    m_sEmpresa = com::from_bstr(bsEmpresa);

    com::check(m_conexao_filial.Inicializa(m_sEmpresa, m_iUsuario, m_lNumeroSessao, false), msg::filiais_inicializar);
    com::check(m_conexao_filial.CriaServidor(), msg::filiais_inicializar);
    com::check(m_conexao_usuario.Inicializa(m_sEmpresa, m_iUsuario, m_lNumeroSessao),
               msg::filiais_inicializar_usuarios);
    com::check(m_conexao_usuario.CriaServidor(), msg::filiais_inicializar_usuarios);
    inhouse::FILIAIS_ATIVAS lidas{};
    com::check(m_conexao_usuario.LeFiliaisAtivas(m_iUsuario, lidas), msg::filiais_ler_ativas);
    m_filiais = lidas;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CFiliais::GetAtiva(LONG posicao, VARIANT_BOOL* pvbAtiva) noexcept {
    return com::put_bool(pvbAtiva, filial_ativa(m_filiais, posicao));
}

HRESULT CFiliais::SetAtiva(LONG posicao, VARIANT_BOOL vbAtiva) noexcept try {
    grava_filial_ativa(m_conexao_usuario, m_iUsuario, m_lNumeroSessao, m_filiais, posicao, vbAtiva != 0);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata
