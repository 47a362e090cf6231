#include "masterdata/CFilial.h"

#include <utility>

#include "masterdata/CFiliais.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"

namespace masterdata {

CFilial::~CFilial() = default;

void CFilial::Define(uint16_t codigo, std::string nome, LONG posicao, com::com_ptr<CFiliais> dono) {
    m_Codigo = codigo;
    m_Nome = std::move(nome);
    m_lPosicao = posicao;
    m_dono = std::move(dono);
}

HRESULT CFilial::get_Codigo(USHORT* pVal) noexcept { return com::put_number(pVal, m_Codigo); }

HRESULT CFilial::put_Codigo(USHORT newVal) noexcept {
    m_Codigo = newVal;
    return S_OK;
}

HRESULT CFilial::get_Nome(BSTR* pVal) noexcept { return com::put_text(pVal, m_Nome); }

HRESULT CFilial::put_Nome(BSTR newVal) noexcept try {
    m_Nome = com::from_bstr(newVal);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CFilial::get_Active(VARIANT_BOOL* pVal) noexcept {
    if (!pVal) return E_POINTER;
    *pVal = VARIANT_FALSE;
    // A branch of no list belongs to no user: it is nobody's active branch.
    if (!m_dono) return S_OK;
    return m_dono->GetAtiva(m_lPosicao, pVal);
}

HRESULT CFilial::put_Active(VARIANT_BOOL newVal) noexcept try {
    if (!m_dono) com::fail(msg::filiais_sem_lista, E_UNEXPECTED);
    // The list reports its own failures.
    return m_dono->SetAtiva(m_lPosicao, newVal);
} catch (...) {
    return report();
}

HRESULT CFilial::get_Posicao(LONG* pVal) noexcept { return com::put_number(pVal, m_lPosicao); }

}  // namespace masterdata
