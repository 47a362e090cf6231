#pragma once
// One user of the company, as the user list hands it out: its number and a copy of its record.
// Only the server creates it.
#include <cstdint>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/login/registros_login.h"

namespace server {

class CUsuario final : public com::object<CUsuario, IUsuario> {
public:
    CUsuario(uint16_t usuario, const inhouse::REG_USUARIO& registro) noexcept
        : m_usuario(usuario), m_registro(registro) {}

    HRESULT STDMETHODCALLTYPE get_Posicao(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Apelido(BSTR* pVal) noexcept override;

private:
    ~CUsuario() override = default;   // objects come only from com::make

    uint16_t m_usuario;
    inhouse::REG_USUARIO m_registro;
};

}  // namespace server
