#pragma once
// The session record: who is logged in to which company. The root object owns one; the older
// worker objects derive from it.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace server {

class CTW_Inicializa {
public:
    virtual ~CTW_Inicializa();

    // Ends the session: empties this record and the process-wide holders. Always 0.
    HRESULT Limpa();
    // The login; the result code goes to *pResult.
    HRESULT Inicializa(const std::string& bsEmpresa, const std::string& bsUsuario,
                       const std::string& bsSenha, int* pResult, long);

    int32_t m_bInicializado = 0;
    int32_t m_lNumeroSessao = 0;
    uint16_t m_iUsuario = 0;
    std::string m_sRazaoSocial;
    std::string m_sEmpresa;
    std::array<uint8_t, 64> TIPOS_VEVUREZE{};
};

}  // namespace server
