#include "server/holders/CSessaoGlobal.h"

#include <memory>

#include "server/root/CTW_Inicializa.h"

namespace server {

void CSessaoGlobal::Esquece(const CTW_Inicializa* dados) noexcept {
    if (auto& holder = instancia(); holder && holder->m_dados == dados) holder->m_dados = nullptr;
}

int32_t CSessaoGlobal::GetNumeroSessao() const noexcept { return m_dados ? m_dados->m_lNumeroSessao : 0; }

short CSessaoGlobal::GetUsuario() const noexcept {
    return m_dados ? static_cast<short>(m_dados->m_iUsuario) : 0;
}

std::string CSessaoGlobal::GetEmpresa() const { return m_dados ? m_dados->m_sEmpresa : std::string(); }

std::string CSessaoGlobal::GetRazaoSocial() const { return m_dados ? m_dados->m_sRazaoSocial : std::string(); }

CSessaoGlobal::tipos_vevureze CSessaoGlobal::GetTiposVevureze() const noexcept {
    return m_dados ? m_dados->TIPOS_VEVUREZE : tipos_vevureze{};
}

}  // namespace server
