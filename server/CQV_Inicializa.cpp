#include "CQV_Inicializa.h"

#include "messages.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"

namespace server {

namespace {
HRESULT hand_out(const std::string& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    *out = com::to_bstr(text).release();
    return S_OK;
}

HRESULT hand_out(LONG value, LONG* out) {
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}
}  // namespace

CQV_Inicializa::~CQV_Inicializa() { Finaliza(); }

HRESULT CQV_Inicializa::Inicializa(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, INT* pResult) noexcept try {
    if (!pResult) return E_POINTER;
    const HRESULT hr = m_sessao.Inicializa(com::from_bstr(bsEmpresa), com::from_bstr(bsUsuario),
                                           com::from_bstr(bsSenha), pResult, 0);
    com::check(hr, msg::erro_inicializar);
    return hr;
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::Finaliza() noexcept try {
    return m_sessao.Limpa();
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_m_sEmpresa(BSTR* pVal) noexcept try {
    return hand_out(m_sessao.m_sEmpresa, pVal);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_m_sRazaoSocial(BSTR* pVal) noexcept try {
    return hand_out(m_sessao.m_sRazaoSocial, pVal);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_m_iUsuario(LONG* pVal) noexcept try {
    return hand_out(m_sessao.m_iUsuario, pVal);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_m_lNumeroSessao(LONG* pVal) noexcept try {
    return hand_out(m_sessao.m_lNumeroSessao, pVal);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_m_bInicializado(LONG* pVal) noexcept try {
    return hand_out(m_sessao.m_bInicializado, pVal);
} catch (...) {
    return report();
}

}  // namespace server
