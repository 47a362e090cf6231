#pragma once
// The company's users as the root object's BuscaUsuarios found them: numbers and records in the
// user server's order, each handed out as a new CUsuario. Only the server creates it.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoUsuario.h"

namespace server {

class CResultadoBuscaUsuarios final : public com::object<CResultadoBuscaUsuarios, IResultadoBuscaUsuarios> {
public:
    CResultadoBuscaUsuarios() = default;

    HRESULT STDMETHODCALLTYPE get_Size(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetItem(USHORT i, IUsuario** ppUsuario) noexcept override;
    HRESULT STDMETHODCALLTYPE GetItemByUsu(USHORT usUsuario, IUsuario** ppUsuario) noexcept override;

    // What the user connection fills (CConexaoUsuario::BuscaQuantidade).
    CConexaoUsuario::CResultadoBusca& resultado() noexcept { return m_resultado; }

private:
    ~CResultadoBuscaUsuarios() override = default;   // objects come only from com::make

    CConexaoUsuario::CResultadoBusca m_resultado;
};

}  // namespace server
