#pragma once
// The session record: who is logged in to which company. The root object owns one and logs in
// through it; the older worker objects derive from it and keep a copy of a root object's session.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "VAVEDERAZur.h"

namespace server {

// The login's result codes (*pResult). Callers compare with these names: a refusal comes with a
// success HRESULT.
inline constexpr int resultado_login_ok = 0;
inline constexpr int resultado_login_recusado = 1;   // unknown company or user, wrong password, failed checks
inline constexpr int resultado_login_versao = 4;     // the database does not suit this program

// The login's own failures.
inline constexpr HRESULT QV_E_LOGIN_SERVIDOR_EMPRESAS = static_cast<HRESULT>(0x80040002u);
inline constexpr HRESULT QV_E_LOGIN_QUANTIDADE_EMPRESAS = static_cast<HRESULT>(0x80040003u);
inline constexpr HRESULT QV_E_LOGIN_LISTA_EMPRESAS = static_cast<HRESULT>(0x80040004u);
inline constexpr HRESULT QV_E_LOGIN_CONEXAO_USUARIO = static_cast<HRESULT>(0x80040006u);
inline constexpr HRESULT QV_E_LOGIN_VERIFICA_USUARIO = static_cast<HRESULT>(0x80040007u);
inline constexpr HRESULT QV_E_LOGIN_DADOS_INICIALIZACAO = static_cast<HRESULT>(0x80040008u);
inline constexpr HRESULT QV_E_LOGIN_USUARIO_BLOQUEADO = static_cast<HRESULT>(0xFFFFFFFFu);

class CTW_Inicializa {
public:
    CTW_Inicializa() = default;
    CTW_Inicializa(const CTW_Inicializa&) = delete;
    CTW_Inicializa& operator=(const CTW_Inicializa&) = delete;
    virtual ~CTW_Inicializa();

    // Ends the session: empties this record (the initialised flag stays) and destroys the
    // process-wide connection pool, data-server cache and session holder, for every client of
    // the process. Always 0.
    HRESULT Limpa();
    // Takes a copy of a root object's session for this object alone (the older worker objects):
    // resets only this record, then reads the root's properties, stopping at the first failure.
    // Null: 0 with an empty record.
    HRESULT Inicializa(IQV_Inicializa* p);
    // Reads the company's start-up data into this record.
    HRESULT BuscaDadosInicializacao(const std::string& empresa, unsigned short usuario, int* pResult);
    // The login: *pResult gets the result code; `lOpcao` is passed on to the user check. Throws
    // com::failure (E_INVALIDARG) when the company key, user name or password holds a NUL or a
    // character CP1252 lacks, or is longer than its field, after the reset.
    HRESULT Inicializa(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, int* pResult, long lOpcao);

    // Empties this record only (the initialised flag too); the process-wide holders stay. A
    // session this record opened (a login, not a copy) is closed in the company data.
    void LimpaSessao() noexcept;

    int32_t m_bInicializado = 0;
    int32_t m_lNumeroSessao = 0;
    uint16_t m_iUsuario = 0;
    std::string m_sRazaoSocial;
    std::string m_sEmpresa;
    std::array<uint8_t, 64> TIPOS_VEVUREZE{};

private:
    // The session number this record's own login opened, 0 when none (or a copy): closed when
    // the record is emptied, so that ended sessions do not stay in the company data.
    int32_t m_lSessaoAberta = 0;
};

// The company key as the login keeps it: without leading and trailing blanks.
std::string chave_empresa_digitada(const std::string& texto);

}  // namespace server
