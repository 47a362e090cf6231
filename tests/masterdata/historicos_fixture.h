#pragma once
// A standard-history test: the demo company's histories in the store, the history server's fault
// plans, and a register of the test's own in place of the demo's.
#include <string>
#include <vector>

#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/masterdata/masterdata_fixture.h"

class historicos_fixture : public masterdata_fixture {
protected:
    historicos_fixture() {
        creation().clear();
        server().clear();
        connection().clear();
    }
    ~historicos_fixture() override { connection().clear(); }

    inhouse::fault_plan& creation() { return factory(inhouse::CLSID_HistoricoServer).faults(); }
    inhouse::fault_plan& server() { return factory(inhouse::CLSID_HistoricoServer).object_faults(); }
    static inhouse::fault_plan& connection() { return inhouse::faults_of_connection("CConexaoHistorico"); }

    struct linha {
        int posicao;
        const char* codigo;
        const char* classificacao;
        const char* texto;
    };
    void register_only(const std::vector<linha>& linhas) {
        sql("DELETE FROM historico");
        for (const auto& l : linhas)
            sql("INSERT INTO historico (empresa, posicao, codigo, classificacao, texto) VALUES ('DEMO', " +
                std::to_string(l.posicao) + ", '" + l.codigo + "', '" + l.classificacao + "', '" + l.texto + "')");
    }
};
