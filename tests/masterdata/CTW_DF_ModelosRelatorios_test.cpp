// The report models list over the report-model component and the installation's reports folder:
// names, flags, positions, failure roads and the task memory of every read.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/QVCaminhos.h"
#include "masterdata/CTW_DF_ModelosRelatorios.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/last_error.h"
#include "support/qv_test_installation.h"
#include "support/stand_in_fixture.h"
#include "support/task_memory_counter.h"

using masterdata::CTW_DF_ModelosRelatorios;

namespace {

constexpr char gerencial[] = R"(<relatorio><impressao relOperacional="0" relGerencial="1" relZidizUvi="1"/></relatorio>)";
constexpr char mensal[] = R"(<relatorio><impressao relOperacional="1" relGerencial="0"/></relatorio>)";
constexpr char rascunho[] = R"(<relatorio><colunas/></relatorio>)";

class ModelosRelatorios : public stand_in_fixture {
protected:
    ModelosRelatorios() {
        modelo("CN", "Balancete", "Mensal", mensal);
        modelo("CN", "Balancete", "Gerencial", gerencial);
        modelo("CN", "Balancete", "Rascunho", rascunho);
    }

    static std::string pasta(const char* modulo, const char* componente) {
        return QVGetPastaRelatorios() + "Modelos\\" + modulo + "\\" + componente + "\\";
    }
    static void modelo(const char* modulo, const char* componente, const std::string& nome, const std::string& xml) {
        ASSERT_TRUE(QVCriaPasta(pasta(modulo, componente)));
        const std::string arquivo = pasta(modulo, componente) + nome;
        com::unique_handle h(CreateFileA(arquivo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_NE(h.get(), INVALID_HANDLE_VALUE);
        DWORD n = 0;
        ASSERT_TRUE(WriteFile(h.get(), xml.data(), static_cast<DWORD>(xml.size()), &n, nullptr));
    }
    static void modelo(const char* modulo, const char* componente, const char* nome, const char* xml) {
        modelo(modulo, componente, std::string(nome) + ".xml", std::string(xml));
    }

    static com::unique_bstr b(const char* text) { return com::to_bstr(std::string(text)); }
    static HRESULT busca(CTW_DF_ModelosRelatorios& lista, const char* modulo, const char* componente, ULONG& n) {
        n = 12345;
        return lista.BuscaNomes(b(modulo).get(), b(componente).get(), &n);
    }
    static std::vector<std::string> nomes(CTW_DF_ModelosRelatorios& lista, ULONG n) {
        std::vector<std::string> r;
        for (ULONG i = 0; i < n; ++i) {
            BSTR nome = nullptr;
            EXPECT_EQ(lista.GetNome(i, &nome), S_OK);
            com::unique_bstr owned(nome);
            r.push_back(com::from_bstr(nome));
        }
        return r;
    }

    inhouse::fault_plan& componente() { return factory(inhouse::CLSID_ModelosRelatorio).object_faults(); }

    qv_test_installation m_instalacao{"ModelosRelatorios"};
};

TEST_F(ModelosRelatorios, ListsTheComponentsModelsInNameOrder) {
    // Neither a file of another extension nor a folder is a model.
    modelo("CN", "Balancete", "Leia-me.txt", std::string("texto"));
    modelo("CN", "Balancete", "Antigo.xmlx", std::string(gerencial));
    ASSERT_TRUE(QVCriaPasta(pasta("CN", "Balancete") + "Pasta.xml"));
    modelo("CN", "Razao", "Razao", gerencial);
    auto lista = com::make<CTW_DF_ModelosRelatorios>();
    ULONG n = 0;
    ASSERT_EQ(busca(*lista.get(), "CN", "Balancete", n), S_OK);
    EXPECT_EQ(nomes(*lista.get(), n), (std::vector<std::string>{"Gerencial", "Mensal", "Rascunho"}));
    EXPECT_EQ(componente().calls("Inicializa"), std::vector<std::string>{"modulo=CN componente=Balancete"});
    // Another search replaces the list.
    ASSERT_EQ(busca(*lista.get(), "CN", "Razao", n), S_OK);
    EXPECT_EQ(nomes(*lista.get(), n), std::vector<std::string>{"Razao"});
}

TEST_F(ModelosRelatorios, EachFlagIsReadFromTheModelEveryTime) {
    auto lista = com::make<CTW_DF_ModelosRelatorios>();
    ULONG n = 0;
    ASSERT_EQ(busca(*lista.get(), "CN", "Balancete", n), S_OK);
    ASSERT_EQ(n, 3u);
    struct caso {
        ULONG posicao;   // Gerencial, Mensal, Rascunho
        VARIANT_BOOL gerencial, operacional, zidizuvi;
    };
    // A model without relZidizUvi is offered to the web clients; one without "impressao" to nobody.
    const caso casos[] = {{0, VARIANT_TRUE, VARIANT_FALSE, VARIANT_TRUE},
                          {1, VARIANT_FALSE, VARIANT_TRUE, VARIANT_TRUE},
                          {2, VARIANT_FALSE, VARIANT_FALSE, VARIANT_FALSE}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.posicao);
        VARIANT_BOOL vb = 7;
        EXPECT_EQ(lista->GetEhGerencial(c.posicao, &vb), S_OK);
        EXPECT_EQ(vb, c.gerencial);
        vb = 7;
        EXPECT_EQ(lista->GetEhOperacional(c.posicao, &vb), S_OK);
        EXPECT_EQ(vb, c.operacional);
        vb = 7;
        EXPECT_EQ(lista->GetEhZidizUvi(c.posicao, &vb), S_OK);
        EXPECT_EQ(vb, c.zidizuvi);
    }
    EXPECT_EQ(componente().count("LeModelo"), 9u);
    // Nothing is cached: a changed model answers its new flags.
    modelo("CN", "Balancete", "Rascunho", R"(<relatorio><impressao relGerencial="1"/></relatorio>)");
    VARIANT_BOOL vb = VARIANT_FALSE;
    EXPECT_EQ(lista->GetEhGerencial(2, &vb), S_OK);
    EXPECT_EQ(vb, VARIANT_TRUE);
}

TEST_F(ModelosRelatorios, PositionsOutsideTheListAreRefusedAndChangeNothing) {
    auto lista = com::make<CTW_DF_ModelosRelatorios>();
    BSTR nome = reinterpret_cast<BSTR>(1);
    VARIANT_BOOL vb = VARIANT_TRUE;
    // Before any search every position is outside.
    EXPECT_EQ(lista->GetNome(0, &nome), E_INVALIDARG);
    EXPECT_EQ(nome, nullptr);
    EXPECT_EQ(lista->GetEhZidizUvi(0, &vb), E_INVALIDARG);
    EXPECT_EQ(vb, VARIANT_FALSE);
    ULONG n = 0;
    // A component with no models (no folder) gives an empty list.
    ASSERT_EQ(busca(*lista.get(), "FT", "Pedido", n), S_OK);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(lista->GetNome(0, &nome), E_INVALIDARG);
    ASSERT_EQ(busca(*lista.get(), "CN", "Balancete", n), S_OK);
    const ULONG fora[] = {3, 4, 0xFFFFFFFFu};
    for (const ULONG i : fora) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lista->GetNome(i, &nome), E_INVALIDARG);
        EXPECT_EQ(lista->GetEhGerencial(i, &vb), E_INVALIDARG);
        EXPECT_EQ(lista->GetEhOperacional(i, &vb), E_INVALIDARG);
        EXPECT_EQ(lista->GetEhZidizUvi(i, &vb), E_INVALIDARG);
    }
    EXPECT_EQ(componente().count("LeModelo"), 0u);
    EXPECT_EQ(nomes(*lista.get(), n), (std::vector<std::string>{"Gerencial", "Mensal", "Rascunho"}));
}

TEST_F(ModelosRelatorios, AFailedSearchEmptiesTheListAndSaysWhichStepFailed) {
    struct caso {
        const char* nome;
        bool na_criacao;
        const char* metodo;
        HRESULT hr;
        const char* modulo;
        HRESULT esperado;
        const char* texto;
    };
    const caso casos[] = {
        {"component not created", true, "CreateInstance", E_ACCESSDENIED, "CN", E_ACCESSDENIED,
         "Falha ao criar interface de relat\xf3rios."},
        {"not initialised", false, "Inicializa", E_FAIL, "CN", E_FAIL, "Falha ao inicializar interface de relat\xf3rios."},
        {"module that is no folder name", false, "", S_OK, "..", E_INVALIDARG,
         "Falha ao inicializar interface de relat\xf3rios."},
        {"names not listed", false, "ListaNomes", E_OUTOFMEMORY, "CN", E_OUTOFMEMORY,
         "Falha ao buscar nome de relat\xf3rios."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        auto lista = com::make<CTW_DF_ModelosRelatorios>();
        ULONG n = 0;
        ASSERT_EQ(busca(*lista.get(), "CN", "Balancete", n), S_OK);
        ASSERT_EQ(n, 3u);
        if (*c.metodo)
            (c.na_criacao ? factory(inhouse::CLSID_ModelosRelatorio).faults() : componente()).answer(c.metodo, {c.hr});
        EXPECT_EQ(busca(*lista.get(), c.modulo, "Balancete", n), c.esperado);
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(n, 0u);
        BSTR nome = nullptr;
        EXPECT_EQ(lista->GetNome(0, &nome), E_INVALIDARG);
    }
}

TEST_F(ModelosRelatorios, AFailedReadOfAModelIsReportedByEachFlag) {
    struct caso {
        const char* nome;
        bool leitor;     // the XML reader component is the one that fails, else the model's read
        HRESULT hr;
    };
    const caso casos[] = {{"model not handed out", false, E_FAIL}, {"XML reader not created", true, E_ACCESSDENIED}};
    using getter = HRESULT (STDMETHODCALLTYPE CTW_DF_ModelosRelatorios::*)(ULONG, VARIANT_BOOL*);
    struct flag {
        getter metodo;
        const char* texto;
    };
    const flag flags[] = {{&CTW_DF_ModelosRelatorios::GetEhGerencial, "Falha ao ler relat\xf3rio."},
                          {&CTW_DF_ModelosRelatorios::GetEhOperacional, "Falha ao ler relat\xf3rio"},
                          {&CTW_DF_ModelosRelatorios::GetEhZidizUvi, "Falha ao ler relat\xf3rio"}};
    auto lista = com::make<CTW_DF_ModelosRelatorios>();
    ULONG n = 0;
    ASSERT_EQ(busca(*lista.get(), "CN", "Balancete", n), S_OK);
    for (const auto& c : casos)
        for (const auto& f : flags) {
            SCOPED_TRACE(std::string(c.nome) + ": " + f.texto);
            if (c.leitor)
                factory(inhouse::CLSID_LeitorXml).faults().answer("CreateInstance", {c.hr});
            else
                componente().answer("LeModelo", {c.hr});
            task_memory_counter memoria;
            VARIANT_BOOL vb = VARIANT_TRUE;
            EXPECT_EQ(((*lista.get()).*f.metodo)(0, &vb), c.hr);
            EXPECT_EQ(vb, VARIANT_FALSE);
            EXPECT_EQ(last_error(), f.texto);
            EXPECT_EQ(memoria.outstanding(), 0u);
        }
}

TEST_F(ModelosRelatorios, AModelGoneSinceTheSearchIsAFailedRead) {
    auto lista = com::make<CTW_DF_ModelosRelatorios>();
    ULONG n = 0;
    ASSERT_EQ(busca(*lista.get(), "CN", "Balancete", n), S_OK);
    ASSERT_TRUE(DeleteFileA((pasta("CN", "Balancete") + "Mensal.xml").c_str()));
    VARIANT_BOOL vb = VARIANT_TRUE;
    EXPECT_EQ(lista->GetEhOperacional(1, &vb), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(last_error(), "Falha ao ler relat\xf3rio");
}

TEST_F(ModelosRelatorios, EveryBlockOfTaskMemoryIsFreed) {
    const size_t handles = com::wire_pointer_count();
    auto lista = com::make<CTW_DF_ModelosRelatorios>();
    task_memory_counter memoria;
    ULONG n = 0;
    ASSERT_EQ(busca(*lista.get(), "CN", "Balancete", n), S_OK);
    for (ULONG i = 0; i < n; ++i) {
        VARIANT_BOOL vb;
        ASSERT_EQ(lista->GetEhGerencial(i, &vb), S_OK);
        ASSERT_EQ(lista->GetEhOperacional(i, &vb), S_OK);
        ASSERT_EQ(lista->GetEhZidizUvi(i, &vb), S_OK);
    }
    ASSERT_EQ(busca(*lista.get(), "FT", "Pedido", n), S_OK);   // an empty list
    // Names list: its record and its entries; each read: the 10-byte record and the model's bytes.
    EXPECT_GE(memoria.allocated(), 2u + 9u * 2u);
    EXPECT_EQ(memoria.outstanding(), 0u);
    EXPECT_EQ(com::wire_pointer_count(), handles);
}

}  // namespace
