// The user's rights, asked by module and control number and remembered for the session.
#include <cstring>
#include <string>

#include "inhouse_login.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/login/registros_login.h"
#include "server/messages.h"
#include "server/root/CQV_Inicializa.h"

namespace server {

namespace {

// What the rights cache keeps under a key: a granted right, or the empty text for a refusal.
constexpr char direito_concedido[] = "S";

// The longest module code the rights key's field takes (one byte of the field is the NUL).
constexpr size_t max_modulo = sizeof(inhouse::REG_CHAVE_DIREITO::modulo) - 1;

// The module code as the key formats it: the text up to its first NUL.
std::string codigo_modulo(BSTR modulo) {
    std::string codigo = com::from_bstr(modulo);
    codigo.resize(std::strlen(codigo.c_str()));
    return codigo;
}

}  // namespace

HRESULT CQV_Inicializa::PossuiAcesso(BSTR modulo, LONG controle, VARIANT_BOOL* pvbAcesso) noexcept try {
    if (!pvbAcesso) return E_POINTER;
    *pvbAcesso = VARIANT_FALSE;
    const std::string codigo = codigo_modulo(modulo);
    // A longer code would not fit the key record: cut, it would ask about another module.
    if (codigo.size() > max_modulo) com::fail(msg::modulo_longo, E_INVALIDARG);
    const std::string chave = codigo + "_" + std::to_string(controle);
    if (const auto it = m_direitos.find(chave); it != m_direitos.end()) {
        *pvbAcesso = it->second == direito_concedido ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }

    com::check(m_conexao_usuario.CriaServidor(), msg::erro_servidor_usuarios);
    IQVUsuarios* usuarios = m_conexao_usuario.GetServidor();
    inhouse::REG_CHAVE_DIREITO chave_registro{};
    chave_registro.usuario = m_sessao.m_iUsuario;
    inhouse::copia_texto(chave_registro.modulo, max_modulo, codigo);
    const auto bloco = inhouse::como_bloco<QV_CHAVE_DIREITO_8>(chave_registro);

    // A failed read must not pass for "no right", and nothing of it is remembered: the next
    // question asks the server again.
    QV_USUARIO_GERAL_154 geral{};
    com::check(usuarios->LeRegistroGeral(bloco, &geral), msg::erro_registro_geral_usuario);
    // A user with every right is not remembered: the general record answers at once.
    if (inhouse::de_bloco<inhouse::REG_USUARIO_GERAL>(geral).todos_direitos != 0) {
        *pvbAcesso = VARIANT_TRUE;
        return S_OK;
    }
    LONG resposta = 0;
    com::check(usuarios->PossuiDireito(bloco, controle, &resposta), msg::erro_direito_usuario);
    const bool concedido = resposta != 0;
    m_direitos[chave] = concedido ? direito_concedido : "";
    *pvbAcesso = concedido ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace server
