#include "ft/ftlibrary/CFTGerenciadorIQVCM_Mestre.h"

#include <algorithm>
#include <cstring>

HRESULT CFTGerenciadorIQVCM_Mestre::InicializaServidor() {
    QV_SESSAO_262 registro{};
    std::memcpy(registro.dados + 0, &m_Sessao, 4);
    std::memcpy(registro.dados + 4, &m_Usuario, 2);
    std::memcpy(registro.dados + 6, m_Empresa.data(), std::min<size_t>(m_Empresa.size(), 255));
    return m_Interface->InicializaRegistro(registro);
}
