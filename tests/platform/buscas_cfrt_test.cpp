// The two searches the customer and supplier register asks the stand-ins for: the chart server's
// account by CPF/CNPJ and register kind, and the category server's categories with their filters.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "inhouse_cache.h"
#include "inhouse_cfrt.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "support/stand_in_fixture.h"

namespace {

class BuscasCFRT : public stand_in_fixture {};

TEST_F(BuscasCFRT, AccountByCpfCnpjOfOneKindWhateverItsMask) {
    com::com_ptr<IQVDF_Plano> plano;
    ASSERT_EQ(CoCreateInstance(inhouse::CLSID_PlanoServer, nullptr, CLSCTX_ALL, __uuidof(IQVDF_Plano),
                               reinterpret_cast<void**>(plano.put())),
              S_OK);
    _RegContaPS conta{};
    EXPECT_EQ(plano->BuscaCpfCnpj(com::to_bstr(std::string("11.222.333/0001-81")).get(), 'C',
                                  reinterpret_cast<BYTE*>(&conta)),
              E_UNEXPECTED);
    ASSERT_EQ(plano->Inicializa(inhouse::bloco_sessao<QV_SESSAO_32>("DEMO", 1, 1)), S_OK);
    struct caso {
        const char* numero;
        char tipo;
        int32_t posicao;   // the chart account; 0 none
    };
    const caso casos[] = {
        {"11.222.333/0001-81", 'C', 2}, {"11222333000181", 'C', 2}, {"11.222.333/0001-81", 'F', 0},
        {"390.533.447-05", 'F', 27},    {"390.533.447-05", 'C', 0}, {"00.000.000/0000-00", 'C', 26},
        {"", 'C', 0},                   {"99.999.999/9999-99", 'C', 0},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(std::string(c.numero) + " " + c.tipo);
        std::memset(&conta, 0xCC, sizeof conta);
        ASSERT_EQ(plano->BuscaCpfCnpj(com::to_bstr(std::string(c.numero)).get(), static_cast<BYTE>(c.tipo),
                                      reinterpret_cast<BYTE*>(&conta)),
                  S_OK);
        EXPECT_EQ(conta.posicao, c.posicao);
    }
}

TEST_F(BuscasCFRT, CategoriesWithTheirFilters) {
    com::com_ptr<IQVDF_Categorias> categorias;
    ASSERT_EQ(CoCreateInstance(inhouse::CLSID_CategoriasServer, nullptr, CLSCTX_ALL, __uuidof(IQVDF_Categorias),
                               reinterpret_cast<void**>(categorias.put())),
              S_OK);
    ASSERT_EQ(categorias->Inicializa(inhouse::bloco_sessao<QV_SESSAO_36>("DEMO", 1, 1)), S_OK);
    struct caso {
        const char* nome;
        const char* tipo;
        LONG codigo;
        std::vector<std::string> nomes;
        std::vector<uint16_t> codigos;
    };
    const caso casos[] = {
        {"", "", 0,
         {"Pequeno porte", "Varejista", "Regi\xe3o Sul", "Grande porte", "Atacadista", "Regi\xe3o Sudeste"},
         {10, 20, 30, 11, 21, 31}},
        {"Regi\xe3o", "", 0, {"Regi\xe3o Sul", "Regi\xe3o Sudeste"}, {30, 31}},
        {"", "", 21, {"Atacadista"}, {21}},
        {"", "porte", 0, {}, {}},
        {"Nada", "", 0, {}, {}},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(std::string(c.nome) + "/" + c.tipo + "/" + std::to_string(c.codigo));
        LONG quantidade = -1;
        BYTE* nomes = nullptr;
        BYTE* codigos = nullptr;
        ASSERT_EQ(categorias->BuscaCategorias(com::to_bstr(std::string(c.nome)).get(),
                                              com::to_bstr(std::string(c.tipo)).get(), c.codigo, &quantidade, &nomes,
                                              &codigos),
                  S_OK);
        std::vector<std::string> achados;
        std::vector<uint16_t> achados_codigos;
        for (LONG i = 0; i < quantidade; ++i) {
            achados.emplace_back(reinterpret_cast<const char*>(nomes + 68 * i));
            uint16_t codigo = 0;
            std::memcpy(&codigo, codigos + 2 * i, 2);
            achados_codigos.push_back(codigo);
        }
        EXPECT_EQ(achados, c.nomes);
        EXPECT_EQ(achados_codigos, c.codigos);
        EXPECT_EQ(nomes == nullptr, c.nomes.empty());
        CoTaskMemFree(nomes);
        CoTaskMemFree(codigos);
    }
}

}  // namespace
