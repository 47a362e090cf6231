#pragma once
// The in-process benchmarks' server state: each round starts from the holders a new process
// would have, under the demo administrator's session, so no round reuses another's servers.
#include <initializer_list>

#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"
#include "server/root/CTW_Inicializa.h"

namespace bench {

// The server cache, the connection pool and the process's session dropped.
inline void limpa_servidor() {
    server::CCacheServidores::Destroi();
    server::CPoolConexoes::Destroi();
    server::CSessaoGlobal::Destroi();
}

// A clean server state and the session of DEMO's user 7, with the given access kinds granted, for
// as long as this object lives (the process's session holds its address; the record unhooks
// itself when it ends).
class sessao_demo {
public:
    explicit sessao_demo(std::initializer_list<int> tipos_acesso = {}) {
        limpa_servidor();
        m_sessao.m_bInicializado = 1;
        m_sessao.m_sEmpresa = "DEMO";
        m_sessao.m_iUsuario = 7;
        m_sessao.m_lNumeroSessao = 4242;
        for (int tipo : tipos_acesso) m_sessao.TIPOS_VEVUREZE[tipo] = 1;
        server::CSessaoGlobal::GetInstancia()->SetDados(&m_sessao);
    }
    sessao_demo(const sessao_demo&) = delete;
    sessao_demo& operator=(const sessao_demo&) = delete;

private:
    server::CTW_Inicializa m_sessao;
};

}  // namespace bench
