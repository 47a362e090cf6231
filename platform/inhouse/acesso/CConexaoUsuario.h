#pragma once
// The user connection of the data-access library: the company's users through the user server
// (IQVUsuarios). Like every connection: SetTrataErros(false), SetTratarMensagens(false),
// Inicializa(company, user, session), then CriaServidor, which here also initialises the server
// with the connection's session; the reads create the server when it is missing.
#include <cstdint>
#include <vector>

#include "inhouse_login.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/login/registros_login.h"

class CConexaoUsuario : public CConexaoServidor {
public:
    // The company's users, as BuscaQuantidade fills them (numbers and records in the same order).
    struct CResultadoBusca {
        uint16_t quantidade = 0;
        std::vector<uint32_t> usuarios;
        std::vector<inhouse::REG_USUARIO> registros;
    };

    const char* NomeClasse() const noexcept override { return "CConexaoUsuario"; }

    // Creates the user server and initialises it with the connection's company, user and session
    // (hides the base's: callers of the user connection always get an initialised server). A
    // failed initialisation drops the server again.
    HRESULT CriaServidor();
    // The user server, or null before CriaServidor; no reference is added.
    IQVUsuarios* GetServidor() const noexcept { return static_cast<IQVUsuarios*>(GetInterface()); }

    // The user's active-branch block.
    HRESULT LeFiliaisAtivas(WORD usuario, inhouse::FILIAIS_ATIVAS& bloco);
    HRESULT GravaFiliaisAtivas(WORD usuario, const inhouse::FILIAIS_ATIVAS& bloco);
    // Whether the user holds every right (its general record's first byte); `todos` is false on a
    // failure.
    HRESULT PossuiTodosDireitos(WORD usuario, bool& todos);
    // Whether `sessao` is an open session of the user in the connection's company; `aberta` is
    // false on a failure.
    HRESULT SessaoAberta(WORD usuario, long sessao, bool& aberta);
    // Every user of the company. A failure leaves `resultado` as it was.
    HRESULT BuscaQuantidade(CResultadoBusca& resultado);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVUsuarios); }

private:
    HRESULT servidor(IQVUsuarios*& s);
};
