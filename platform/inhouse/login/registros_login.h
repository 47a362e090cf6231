#pragma once
// The records of the login, as the server and the stand-ins exchange them: packed, little-endian,
// zero-filled before they are written, texts ended by a NUL inside their field. One place for the
// caller (which builds or reads them) and the stand-ins. The byte blocks of inhouse.idl carry the
// same bytes (inhouse::como_bloco / de_bloco).
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "platform/inhouse/core/registros_sessao.h"

namespace inhouse {

#pragma pack(push, 1)
// One entry of the company server's list.
struct REG_EMPRESA_LISTA {
    char chave[24];             // +0, the company key, at most 23 characters
};

// The user check's credentials.
struct REG_CREDENCIAIS {
    char usuario[18];           // +0, at most 17 characters
    char senha[18];             // +18, at most 17 characters
};

// The accounting master's company-record request.
struct REG_SOLICITACAO_EMPRESA {
    char empresa[24];           // +0, at most 23 characters
    uint8_t reservado_24[4];    // +24
    int32_t sessao;             // +28
    uint8_t reservado_32[2];    // +32
    uint16_t usuario;           // +34
    uint8_t reservado_36[4];    // +36
};

// The accounting master's company record.
struct REG_EMPRESA_CONTABIL {
    char chave[24];             // +0
    char razao_social[100];     // +24
    uint8_t reservado_124[116]; // +124
    uint16_t versao;            // +240, the record layout this program reads: versao_empresa_contabil
    uint8_t reservado_242[2];   // +242
};
inline constexpr uint16_t versao_empresa_contabil = 1307;
inline constexpr WORD versao_base_aceita = 'Y';

// A user of the company.
struct REG_USUARIO {
    char nome[18];              // +0, the login name
    char nome_completo[24];     // +18
    uint8_t bloqueado;          // +42, non-zero: the user may not log in
    uint8_t reservado_43[102];  // +43
    char apelido[21];           // +145, the short name
    uint8_t reservado_166[90];  // +166
};

// The key of a user's rights: user and module abbreviation.
struct REG_CHAVE_DIREITO {
    uint16_t usuario;           // +0
    char modulo[6];             // +2, at most 5 characters
};

// The user's general record.
struct REG_USUARIO_GERAL {
    uint8_t todos_direitos;     // +0, non-zero: every right in every module
    uint8_t reservado_1[153];   // +1
};

// The accounting master's movement period: entries may be made from the lower to the upper date.
struct REG_PERIODO_MOVIMENTACAO {
    uint16_t inferior;          // +0, day number (16-bit form), 0: no date
    uint16_t superior;          // +2
    uint8_t reservado_4[6];     // +4
};

// The user's active-branch block (also the user-branch server's rights): the flag of the branch
// at register position p is filiais[p]; position 0 is never a branch.
struct FILIAIS_ATIVAS {
    uint16_t quantidade;        // +0, how many flags are set
    uint8_t filiais[1000];      // +2
};
#pragma pack(pop)

static_assert(sizeof(REG_EMPRESA_LISTA) == 24);
static_assert(sizeof(REG_CREDENCIAIS) == 36 && offsetof(REG_CREDENCIAIS, senha) == 18);
static_assert(sizeof(REG_SOLICITACAO_EMPRESA) == 40 && offsetof(REG_SOLICITACAO_EMPRESA, sessao) == 28 &&
              offsetof(REG_SOLICITACAO_EMPRESA, usuario) == 34);
static_assert(sizeof(REG_EMPRESA_CONTABIL) == 244 && offsetof(REG_EMPRESA_CONTABIL, versao) == 240);
static_assert(sizeof(REG_USUARIO) == 256 && offsetof(REG_USUARIO, bloqueado) == 42 &&
              offsetof(REG_USUARIO, apelido) == 145);
static_assert(sizeof(REG_CHAVE_DIREITO) == 8 && offsetof(REG_CHAVE_DIREITO, modulo) == 2);
static_assert(sizeof(REG_USUARIO_GERAL) == 154);
static_assert(sizeof(FILIAIS_ATIVAS) == 1002 && offsetof(FILIAIS_ATIVAS, filiais) == 2);
static_assert(sizeof(REG_PERIODO_MOVIMENTACAO) == 10 && offsetof(REG_PERIODO_MOVIMENTACAO, superior) == 2);

static_assert(sizeof(QV_EMPRESA_LISTA_24) == sizeof(REG_EMPRESA_LISTA));
static_assert(sizeof(QV_CREDENCIAIS_36) == sizeof(REG_CREDENCIAIS));
static_assert(sizeof(QV_SOLICITACAO_EMPRESA_40) == sizeof(REG_SOLICITACAO_EMPRESA));
static_assert(sizeof(QV_EMPRESA_CONTABIL_244) == sizeof(REG_EMPRESA_CONTABIL));
static_assert(sizeof(QV_USUARIO_256) == sizeof(REG_USUARIO));
static_assert(sizeof(QV_USUARIO_GERAL_154) == sizeof(REG_USUARIO_GERAL));
static_assert(sizeof(QV_CHAVE_DIREITO_8) == sizeof(REG_CHAVE_DIREITO));
static_assert(sizeof(QV_FILIAIS_ATIVAS_1002) == sizeof(FILIAIS_ATIVAS));
static_assert(sizeof(QV_PERIODO_MOVIMENTACAO_10) == sizeof(REG_PERIODO_MOVIMENTACAO));

// Answers of the login's servers.
inline constexpr HRESULT QV_E_EMPRESA_DESCONHECIDA = static_cast<HRESULT>(0x80040201u);  // no such company
inline constexpr HRESULT QV_E_NAO_INICIALIZADO = static_cast<HRESULT>(0x80040202u);      // Inicializa first
// A stored period date that is no date, or that a 16-bit day number cannot hold.
inline constexpr HRESULT QV_E_DATA_PERIODO = static_cast<HRESULT>(0x80040210u);

// The longest texts the login's fields take (one byte of each field is the NUL).
inline constexpr size_t max_chave_empresa = sizeof(REG_EMPRESA_LISTA::chave) - 1;   // 23
inline constexpr size_t max_usuario = sizeof(REG_CREDENCIAIS::usuario) - 1;          // 17
inline constexpr size_t max_senha = sizeof(REG_CREDENCIAIS::senha) - 1;              // 17

}  // namespace inhouse
