#pragma once
// A test of the process-wide holders: stand-ins registered, a session record that the session
// holder points at, and the pool and cache destroyed before and after (they are process-wide).
#include <string>

#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"
#include "server/root/CTW_Inicializa.h"
#include "support/stand_in_fixture.h"

class holders_fixture : public stand_in_fixture {
protected:
    holders_fixture() {
        reset_holders();
        login("DEMO", 7, 4242);
    }
    ~holders_fixture() override { reset_holders(); }

    void login(const std::string& empresa, uint16_t usuario, int32_t sessao) {
        m_sessao.m_bInicializado = 1;
        m_sessao.m_sEmpresa = empresa;
        m_sessao.m_iUsuario = usuario;
        m_sessao.m_lNumeroSessao = sessao;
        server::CSessaoGlobal::GetInstancia()->SetDados(&m_sessao);
    }
    static void reset_holders() {
        server::CCacheServidores::Destroi();
        server::CPoolConexoes::Destroi();
        server::CSessaoGlobal::Destroi();
    }

    server::CTW_Inicializa m_sessao;
};
