#pragma once
// The logged-in session as the process-wide holders read it: company key, user and session
// number from CSessaoGlobal. Without a logged-in session the holders create nothing: this throws
// com::failure, so that no connection or data server is ever initialised with empty values.
#include <windows.h>

#include <cstdint>

#include "base/CQVString.h"

namespace server {

inline constexpr char msg_sem_sessao[] = "Não há sessão iniciada: faça o login (Inicializa) antes.";

struct sessao_atual {
    CQVString empresa;
    WORD usuario = 0;
    int32_t sessao = 0;
};

// Reads the holder (created when missing); throws com::failure{E_UNEXPECTED, msg_sem_sessao}
// when it points at no session.
sessao_atual le_sessao_atual();

}  // namespace server
