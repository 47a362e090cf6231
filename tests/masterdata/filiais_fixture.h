#pragma once
// A branch test: the demo company's branches in the store (or a register of the test's own), the
// branch and user servers' fault plans, and the user's active branches as the store keeps them.
#include <string>
#include <vector>

#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/masterdata/masterdata_fixture.h"

class filiais_fixture : public masterdata_fixture {
protected:
    // The demo's users: every right, and a regional representative with a few rights only.
    static constexpr uint16_t admin = 1;
    static constexpr uint16_t regional = 4;

    // Their open sessions.
    static constexpr int32_t sessao_admin = 4242;
    static constexpr int32_t sessao_regional = 4343;

    filiais_fixture() {
        branch_server().clear();
        user_server().clear();
        sql("INSERT INTO sessao (numero, empresa, usuario) VALUES (" + std::to_string(sessao_admin) + ", 'DEMO', " +
            std::to_string(admin) + "), (" + std::to_string(sessao_regional) + ", 'DEMO', " + std::to_string(regional) +
            ")");
    }
    static int32_t sessao_de(uint16_t usuario) { return usuario == admin ? sessao_admin : sessao_regional; }

    inhouse::fault_plan& branch_server() { return factory(inhouse::CLSID_FilialServer).object_faults(); }
    inhouse::fault_plan& user_server() { return factory(inhouse::CLSID_UsuarioServer).object_faults(); }

    struct filial {
        int posicao;
        int codigo;
        const char* nome;
    };
    void branches_only(const std::vector<filial>& filiais) {
        sql("DELETE FROM filial");
        for (const auto& f : filiais)
            sql("INSERT INTO filial (empresa, posicao, codigo, nome) VALUES ('DEMO', " + std::to_string(f.posicao) +
                ", " + std::to_string(f.codigo) + ", '" + f.nome + "')");
    }
    void active_only(uint16_t usuario, const std::vector<int>& posicoes) {
        sql("DELETE FROM usuario_filial WHERE usuario = " + std::to_string(usuario));
        for (int p : posicoes)
            sql("INSERT INTO usuario_filial (empresa, usuario, filial, ativa) VALUES ('DEMO', " +
                std::to_string(usuario) + ", " + std::to_string(p) + ", 1)");
    }
    // The positions of the user's active branches in the store, ascending.
    std::vector<int> stored_active(uint16_t usuario) {
        std::vector<int> out;
        auto q = store().db().prepare(
            "SELECT filial FROM usuario_filial WHERE empresa = 'DEMO' AND usuario = ? AND ativa <> 0 ORDER BY filial");
        q.bind(1, static_cast<int>(usuario));
        while (q.step()) out.push_back(q.column_int(0));
        return out;
    }
};
