#pragma once
// A test of the root object's members after a real login over the stand-ins: the demo company's
// ADMIN (every right) or REGIONAL (a representative with a few rights), with the fault plans of
// the servers and connections emptied before and after, and the process-wide holders reset.
#include <string>

#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/core/registration.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"
#include "server/root/CQV_Inicializa.h"
#include "support/last_error.h"
#include "support/stand_in_fixture.h"

class raiz_fixture : public stand_in_fixture {
protected:
    raiz_fixture() { limpa(); }
    ~raiz_fixture() override { limpa(); }

    // A root object logged in as the user (the test fails when the login does not succeed).
    com::com_ptr<server::CQV_Inicializa> entra(const std::string& usuario, const std::string& senha) {
        auto raiz = com::make<server::CQV_Inicializa>();
        INT resultado = -1;
        const HRESULT hr = raiz->Inicializa(com::to_bstr(std::string("DEMO")).get(), com::to_bstr(usuario).get(),
                                            com::to_bstr(senha).get(), &resultado);
        EXPECT_EQ(hr, S_OK) << usuario;
        EXPECT_EQ(resultado, 0) << usuario;
        esquece_chamadas();
        return raiz;
    }
    com::com_ptr<server::CQV_Inicializa> admin() { return entra("ADMIN", "admin123"); }
    com::com_ptr<server::CQV_Inicializa> regional() { return entra("REGIONAL", "regional1"); }

    // The plan of every object of a stand-in class, and of its class object.
    inhouse::fault_plan& servidor(REFCLSID clsid) { return factory(clsid).object_faults(); }
    inhouse::fault_plan& criacao(REFCLSID clsid) { return factory(clsid).faults(); }
    static inhouse::fault_plan& conexao(const char* classe) { return inhouse::faults_of_connection(classe); }

    void sql(const std::string& texto) { store().db().exec(texto); }

    // Forgets the calls and scripted answers so far (the login's own calls, for instance).
    void esquece_chamadas() {
        for (const auto& c : inhouse::stand_in_classes()) {
            factory(*c.clsid).faults().clear();
            factory(*c.clsid).object_faults().clear();
        }
        for (const char* c : conexoes) conexao(c).clear();
    }

private:
    static constexpr const char* conexoes[] = {"CConexaoUsuario", "CConexaoFilial", "CSilentConexaoGedSrv",
                                               "CQVDadosInicializacao"};
    void limpa() {
        esquece_chamadas();
        server::CCacheServidores::Destroi();
        server::CPoolConexoes::Destroi();
        server::CSessaoGlobal::Destroi();
    }
};
