// A supplier answering a purchase quotation: an access key instead of a login. The quotation
// object comes from the sales module; the session runs under user 65535 of the company the
// quotation names.
#include <new>
#include <string>

#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "server/messages.h"
#include "server/root/CQV_Inicializa.h"
#include "server/root/fabricas_modulos.h"

namespace server {

namespace {

constexpr HRESULT falha_interna = static_cast<HRESULT>(0x8004065Fu);
constexpr WORD usuario_cotacao = 0xFFFF;

// The key in braces, as the key check reads a GUID.
std::string entre_chaves(std::string chave) {
    if (chave.empty() || chave.front() != '{') chave.insert(chave.begin(), '{');
    if (chave.back() != '}') chave.push_back('}');
    return chave;
}

}  // namespace

HRESULT CQV_Inicializa::InicializaCotacao(BSTR bsUniqueId) noexcept try {
    const fabrica_cotacao fabrica = fabrica_cotacao_registrada();
    if (!fabrica) com::fail(msg::instanciar_cotacao, falha_interna);
    cotacao_raiz* cotacao = nullptr;
    try {
        m_cotacao = com::com_ptr<IUnknown>::attach(fabrica(&cotacao));
    } catch (const std::bad_alloc&) {
        com::fail(msg::instanciar_cotacao, falha_interna);
    }
    // m_cotacao keeps `cotacao` alive from here, also when a later step fails.
    if (const HRESULT hr = cotacao->ValidaChaveAcesso(entre_chaves(com::from_bstr(bsUniqueId))); hr != S_OK) return hr;

    // The supplier's session replaces whatever this root object held: its rights and dates too.
    m_direitos.clear();
    m_movimentacao = {};
    m_sessao.LimpaSessao();
    int resultado = resultado_login_recusado;
    if (FAILED(m_sessao.BuscaDadosInicializacao(cotacao->GetEmpresa(), usuario_cotacao, &resultado)))
        com::fail(msg::inicializacao_interna, falha_interna);
    if (resultado != resultado_login_ok) com::fail(msg::inicializacao_interna_2, falha_interna);
    return cotacao->Inicializa(m_sessao.m_iUsuario, m_sessao.m_lNumeroSessao);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_CotacaoWeb(ICotacaoWeb** pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    if (m_cotacao) com::check(m_cotacao->QueryInterface(__uuidof(ICotacaoWeb), reinterpret_cast<void**>(pVal)), msg::instanciar_cotacao);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace server
