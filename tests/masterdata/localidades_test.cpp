// States and municipalities: the registered enumerators initialised from a logged-in root object,
// their state and municipality objects, and the root's list objects, over the demo register.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "masterdata/CEstado.h"
#include "masterdata/CMunicipio.h"
#include "masterdata/CQVDF_Estados.h"
#include "masterdata/CQVDF_Municipios.h"
#include "masterdata/CTW_DF_ListaEstados.h"
#include "masterdata/CTW_DF_ListaMunicipios.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/server/raiz_fixture.h"

using namespace masterdata;

namespace {

class Localidades : public raiz_fixture {
public:
    // For the failure tables' rows.
    using raiz_fixture::conexao;
    using raiz_fixture::criacao;
    using raiz_fixture::servidor;

protected:
    Localidades() {
        raiz = admin();
        for (const char* c : {"CConexaoEstado", "CConexaoMunicipio"}) conexao(c).clear();
    }
    ~Localidades() override {
        for (const char* c : {"CConexaoEstado", "CConexaoMunicipio"}) conexao(c).clear();
    }

    static std::string texto(BSTR b) {
        com::unique_bstr guarda(b);
        return com::from_bstr(b);
    }
    template <class F>
    static std::string le(F&& getter) {
        BSTR out = nullptr;
        EXPECT_EQ(getter(&out), S_OK);
        return texto(out);
    }
    static com::unique_bstr b(const char* t) { return com::to_bstr(std::string(t)); }

    com::com_ptr<CQVDF_Estados> estados_iniciados() {
        auto e = com::make<CQVDF_Estados>();
        EXPECT_EQ(e->Inicializa(raiz.get()), S_OK);
        return e;
    }
    com::com_ptr<CQVDF_Municipios> municipios_iniciados() {
        auto m = com::make<CQVDF_Municipios>();
        EXPECT_EQ(m->Inicializa(raiz.get()), S_OK);
        return m;
    }
    // Every state the enumerator hands out: "UF Nome exterior geo fiscal".
    static std::vector<std::string> percorre(CQVDF_Estados& e) {
        std::vector<std::string> r;
        for (;;) {
            com::com_ptr<IEstado> estado;
            EXPECT_EQ(e.Proximo(estado.put()), S_OK);
            if (!estado) return r;
            VARIANT_BOOL exterior = 7;
            EXPECT_EQ(estado->get_Exterior(&exterior), S_OK);
            r.push_back(le([&](BSTR* p) { return estado->get_Sigla(p); }) + " " +
                        le([&](BSTR* p) { return estado->get_Nome(p); }) + " " + std::to_string(exterior) + " [" +
                        le([&](BSTR* p) { return estado->get_RegiaoGeo(p); }) + "] [" +
                        le([&](BSTR* p) { return estado->get_RegiaoFiscal(p); }) + "]");
        }
    }
    // Every municipality: "Nome/UF fiscal ibge posicao".
    static std::string descreve(IMunicipio& m) {
        LONG fiscal = 0, ibge = 0, posicao = 0;
        EXPECT_EQ(m.get_CodigoFiscal(&fiscal), S_OK);
        EXPECT_EQ(m.get_CodigoIBGE(&ibge), S_OK);
        EXPECT_EQ(m.get_Posicao(&posicao), S_OK);
        return le([&](BSTR* p) { return m.get_Nome(p); }) + "/" + le([&](BSTR* p) { return m.get_UF(p); }) + " " +
               std::to_string(fiscal) + " " + std::to_string(ibge) + " " + std::to_string(posicao);
    }
    static std::vector<std::string> percorre(CQVDF_Municipios& m) {
        std::vector<std::string> r;
        for (;;) {
            com::com_ptr<IMunicipio> municipio;
            EXPECT_EQ(m.Proximo(municipio.put()), S_OK);
            if (!municipio) return r;
            r.push_back(descreve(*municipio.get()));
        }
    }
    static std::vector<std::string> siglas(CTW_DF_ListaEstados& l) {
        ULONG n = 0;
        EXPECT_EQ(l.BuscaPonteiros(&n), S_OK);
        std::vector<std::string> r;
        for (ULONG i = 0; i < n; ++i) {
            BSTR uf = nullptr;
            EXPECT_EQ(l.LeUf(i, &uf), S_OK);
            r.push_back(texto(uf));
        }
        return r;
    }
    static std::vector<std::string> nomes(CTW_DF_ListaMunicipios& l) {
        ULONG n = 0;
        EXPECT_EQ(l.BuscaPonteiros(&n), S_OK);
        std::vector<std::string> r;
        for (ULONG i = 0; i < n; ++i) {
            EXPECT_EQ(l.LePosicao(i), S_OK);
            r.push_back(le([&](BSTR* p) { return l.GetNome(p); }));
        }
        return r;
    }

    com::com_ptr<server::CQV_Inicializa> raiz;
};

TEST_F(Localidades, StatesComeSortedWithTheirRegions) {
    auto e = estados_iniciados();
    com::com_ptr<IEstado> nenhum;
    EXPECT_EQ(e->Proximo(nenhum.put()), S_OK);   // before IniciaBusca: nothing to walk
    EXPECT_FALSE(nenhum);
    LONG n = 0;
    ASSERT_EQ(e->IniciaBusca(&n), S_OK);
    ASSERT_EQ(n, 28);
    const auto todos = percorre(*e.get());
    ASSERT_EQ(todos.size(), 28u);
    EXPECT_EQ(todos[0], "AC Acre 0 [Norte] [Norte/Nordeste/Centro Oeste mais Esp\xedrito Santo]");
    EXPECT_EQ(todos[7], "ES Esp\xedrito Santo 0 [Sudeste] [Norte/Nordeste/Centro Oeste mais Esp\xedrito Santo]");
    // The foreign pseudo-state has region code 7: no geographic region.
    EXPECT_EQ(todos[8], "EX Exterior -1 [] [Zona Franca de Manaus e Exterior]");
    EXPECT_EQ(todos[23], "RS Rio Grande do Sul 0 [Sul] [Sul/Sudeste, menos Esp\xedrito Santo]");
    EXPECT_EQ(todos[26], "SP S\xe3o Paulo 0 [Sudeste] [Sul/Sudeste, menos Esp\xedrito Santo]");
    EXPECT_EQ(todos[27], "TO Tocantins 0 [Norte] [Norte/Nordeste/Centro Oeste mais Esp\xedrito Santo]");
    // A new search starts over.
    ASSERT_EQ(e->IniciaBusca(&n), S_OK);
    EXPECT_EQ(percorre(*e.get()).size(), 28u);
}

TEST_F(Localidades, BothStateShapesSortTheirOwnWay) {
    sql("INSERT INTO estado (empresa, posicao, sigla, nome) VALUES ('DEMO', 29, 'df', 'min\xc3\xbasculo')");
    auto e = estados_iniciados();
    LONG n = 0;
    ASSERT_EQ(e->IniciaBusca(&n), S_OK);
    ASSERT_EQ(n, 29);
    std::vector<std::string> ordem;
    for (const auto& s : percorre(*e.get())) ordem.push_back(s.substr(0, 2));
    // Case does not count: "df" and "DF" stand together between "CE" and "ES".
    const auto df = std::find(ordem.begin(), ordem.end(), "CE") + 1;
    EXPECT_TRUE((df[0] == "df" && df[1] == "DF") || (df[0] == "DF" && df[1] == "df"));
    EXPECT_EQ(df[2], "ES");

    auto lista = com::make<CTW_DF_ListaEstados>();
    const auto s = siglas(*lista.get());
    ASSERT_EQ(s.size(), 29u);
    EXPECT_EQ(s.front(), "AC");
    EXPECT_EQ(s[27], "TO");
    EXPECT_EQ(s.back(), "df");   // bytes: every capital first
}

TEST_F(Localidades, StateEnumeratorFailures) {
    auto e = com::make<CQVDF_Estados>();
    LONG n = 9;
    EXPECT_EQ(e->IniciaBusca(&n), E_ABORT);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(last_error(), "Objeto n\xe3o foi incializado");
    com::com_ptr<IEstado> estado;
    EXPECT_EQ(e->Proximo(estado.put()), E_ABORT);
    EXPECT_EQ(e->Inicializa(nullptr), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao inicializar estados");

    struct falha {
        const char* passo;
        std::function<void(Localidades&)> prepara;
        bool na_busca;   // the failure comes at IniciaBusca, not at Inicializa
        const char* texto;
    };
    const falha falhas[] = {
        {"connection", [](Localidades& t) { t.conexao("CConexaoEstado").answer("Inicializa", {E_FAIL}); }, false,
         "Falha ao inicializar servidor de estado"},
        {"creation", [](Localidades& t) { t.criacao(inhouse::CLSID_EstadoServer).answer("CreateInstance", {E_FAIL}); },
         false, "Falha ao criar servidor de estado"},
        {"server start", [](Localidades& t) { t.servidor(inhouse::CLSID_EstadoServer).answer("Inicializa", {E_FAIL}); },
         false, "Falha ao criar servidor de estado"},
        {"count", [](Localidades& t) { t.servidor(inhouse::CLSID_EstadoServer).answer("Quantidade", {E_FAIL}); }, true,
         "Falha ao ler estados"},
        {"read", [](Localidades& t) { t.servidor(inhouse::CLSID_EstadoServer).answer("LeTodos", {E_FAIL}); }, true,
         "Falha ao ler estados"},
    };
    for (const auto& f : falhas) {
        SCOPED_TRACE(f.passo);
        esquece_chamadas();
        conexao("CConexaoEstado").clear();
        f.prepara(*this);
        auto estados = com::make<CQVDF_Estados>();
        const HRESULT inicia = estados->Inicializa(raiz.get());
        if (!f.na_busca) {
            EXPECT_EQ(inicia, E_FAIL);
            EXPECT_EQ(last_error(), f.texto);
            EXPECT_EQ(estados->IniciaBusca(&n), E_ABORT);   // still not initialised
            continue;
        }
        ASSERT_EQ(inicia, S_OK);
        EXPECT_EQ(estados->IniciaBusca(&n), E_FAIL);
        EXPECT_EQ(last_error(), f.texto);
        EXPECT_EQ(n, 0);
        com::com_ptr<IEstado> nada;
        EXPECT_EQ(estados->Proximo(nada.put()), S_OK);
        EXPECT_FALSE(nada);
    }
}

TEST_F(Localidades, StateObjectKeepsWhatTheClientPuts) {
    auto e = com::make<CEstado>();
    BSTR nulo = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(e->get_Nome(&nulo), S_OK);   // a new object's texts are null
    EXPECT_EQ(nulo, nullptr);
    const struct { VARIANT_BOOL dado; VARIANT_BOOL lido; } exteriores[] = {
        {1, VARIANT_TRUE}, {VARIANT_TRUE, VARIANT_TRUE}, {0, VARIANT_FALSE}, {2, VARIANT_TRUE}};
    for (const auto& x : exteriores) {
        SCOPED_TRACE(x.dado);
        ASSERT_EQ(e->put_Exterior(x.dado), S_OK);
        VARIANT_BOOL lido = 7;
        ASSERT_EQ(e->get_Exterior(&lido), S_OK);
        EXPECT_EQ(lido, x.lido);
    }
    ASSERT_EQ(e->put_RegiaoGeo(b("Sul").get()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return e->get_RegiaoGeo(p); }), "Sul");
    EXPECT_EQ(e->get_Sigla(nullptr), E_POINTER);
}

TEST_F(Localidades, StateListFailsWholeAndLoadsOnce) {
    auto lista = com::make<CTW_DF_ListaEstados>();
    servidor(inhouse::CLSID_EstadoServer).answer("Le", {S_OK, S_OK, E_FAIL});
    ULONG n = 9;
    EXPECT_EQ(lista->BuscaPonteiros(&n), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao ler estados");
    EXPECT_EQ(n, 0u);
    BSTR uf = nullptr;
    EXPECT_EQ(lista->LeUf(0, &uf), E_INVALIDARG);   // nothing of the failed load is kept
    ASSERT_EQ(lista->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(n, 28u);
    const size_t lidos = servidor(inhouse::CLSID_EstadoServer).count("Le");
    ASSERT_EQ(lista->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(servidor(inhouse::CLSID_EstadoServer).count("Le"), lidos);   // loaded once
    EXPECT_EQ(lista->LeUf(28, &uf), E_INVALIDARG);
    EXPECT_EQ(uf, nullptr);
    ASSERT_EQ(lista->LeUf(27, &uf), S_OK);
    EXPECT_EQ(texto(uf), "TO");
}

TEST_F(Localidades, MunicipalitiesFilteredByStateAndSortedByName) {
    auto m = municipios_iniciados();
    struct busca {
        const char* filtro;
        LONG quantidade;
        const char* primeiro;
    };
    const busca buscas[] = {
        {"", 33, "Aracaju/SE 280030 2800308 15"},
        {"SP", 5, "Campinas/SP 350950 3509502 22"},
        {"sp", 0, nullptr},   // the filter's case counts
        {"RJ", 2, "Niter\xf3i/RJ 330330 3303302 20"},
        {"XX", 0, nullptr},
    };
    for (const auto& c : buscas) {
        SCOPED_TRACE(c.filtro);
        LONG n = -1;
        ASSERT_EQ(m->Busca(b(c.filtro).get(), &n), S_OK);
        EXPECT_EQ(n, c.quantidade);
        const auto todos = percorre(*m.get());
        ASSERT_EQ(todos.size(), static_cast<size_t>(c.quantidade));
        if (c.primeiro) {
            EXPECT_EQ(todos.front(), c.primeiro);
        }
    }
    LONG n = 0;
    ASSERT_EQ(m->Busca(b("SP").get(), &n), S_OK);
    EXPECT_EQ(percorre(*m.get()), (std::vector<std::string>{
                                      "Campinas/SP 350950 3509502 22", "Guarulhos/SP 351880 3518800 24",
                                      "Ribeir\xe3o Preto/SP 354340 3543402 25", "Santos/SP 354850 3548500 23",
                                      "S\xe3o Paulo/SP 355030 3550308 21"}));
    com::com_ptr<IMunicipio> depois;
    EXPECT_EQ(m->Proximo(depois.put()), S_OK);   // past the last
    EXPECT_FALSE(depois);
}

TEST_F(Localidades, MunicipalityFoundByFiscalCodeOrReadByPosition) {
    auto m = municipios_iniciados();
    com::com_ptr<IMunicipio> achado;
    ASSERT_EQ(m->Existe(355030, achado.put()), S_OK);
    ASSERT_TRUE(achado);
    EXPECT_EQ(descreve(*achado.get()), "S\xe3o Paulo/SP 355030 3550308 21");
    com::com_ptr<IMunicipio> nenhum;
    EXPECT_EQ(m->Existe(1, nenhum.put()), S_OK);
    EXPECT_FALSE(nenhum);

    com::com_ptr<IMunicipio> lido;
    ASSERT_EQ(m->Le(19, lido.put()), S_OK);
    EXPECT_EQ(descreve(*lido.get()), "Rio de Janeiro/RJ 330455 3304557 19");
    com::com_ptr<IMunicipio> zero;
    EXPECT_EQ(m->Le(0, zero.put()), S_OK);
    EXPECT_FALSE(zero);
    // A position without a municipality is a failure, not a success with no object.
    com::com_ptr<IMunicipio> fora;
    EXPECT_EQ(m->Le(999, fora.put()), E_INVALIDARG);
    EXPECT_EQ(last_error(), "Falha ao ler munic\xedpio");
    EXPECT_FALSE(fora);
    servidor(inhouse::CLSID_MunicipioServer).answer("Le", {E_ACCESSDENIED});
    EXPECT_EQ(m->Le(19, fora.put()), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Falha ao ler munic\xedpio");
    servidor(inhouse::CLSID_MunicipioServer).answer("Pesquisa", {E_FAIL});
    EXPECT_EQ(m->Existe(355030, fora.put()), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao pesquisar munic\xedpio");
    EXPECT_FALSE(fora);
}

TEST_F(Localidades, MunicipalityEnumeratorFailures) {
    auto m = com::make<CQVDF_Municipios>();
    LONG n = 9;
    EXPECT_EQ(m->Busca(b("").get(), &n), E_POINTER);   // never initialised: no server
    EXPECT_EQ(last_error(), "Falha ao ler os munic\xedpios");
    com::com_ptr<IMunicipio> x;
    EXPECT_EQ(m->Existe(355030, x.put()), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao pesquisar munic\xedpio");
    EXPECT_EQ(m->Le(1, x.put()), E_POINTER);
    EXPECT_EQ(m->Inicializa(nullptr), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao inicializar os munic\xedpios");
    conexao("CConexaoMunicipio").answer("Inicializa", {E_FAIL});
    EXPECT_EQ(m->Inicializa(raiz.get()), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao inicializar os munic\xedpios");
    criacao(inhouse::CLSID_MunicipioServer).answer("CreateInstance", {E_FAIL});
    EXPECT_EQ(m->Inicializa(raiz.get()), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao inicializar os munic\xedpios");

    ASSERT_EQ(m->Inicializa(raiz.get()), S_OK);
    for (const char* passo : {"Quantidade", "LeTodos"}) {
        SCOPED_TRACE(passo);
        servidor(inhouse::CLSID_MunicipioServer).answer(passo, {E_FAIL});
        EXPECT_EQ(m->Busca(b("").get(), &n), E_FAIL);
        EXPECT_EQ(last_error(), "Falha ao ler os munic\xedpios");
        EXPECT_EQ(n, 0);
        EXPECT_EQ(m->Proximo(x.put()), S_OK);
        EXPECT_FALSE(x);
    }
}

TEST_F(Localidades, MunicipalityListKeepsRegisterOrderPerState) {
    auto lista = com::make<CTW_DF_ListaMunicipios>();
    VARIANT_BOOL existe = VARIANT_TRUE;
    ASSERT_EQ(lista->GetMunicipio(b("355030").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_FALSE);   // not loaded yet
    ASSERT_EQ(lista->SetUf(b("SP").get()), S_OK);
    EXPECT_EQ(nomes(*lista.get()),
              (std::vector<std::string>{"S\xe3o Paulo", "Campinas", "Santos", "Guarulhos", "Ribeir\xe3o Preto"}));
    EXPECT_EQ(lista->SetOrdenacao(1), S_OK);
    EXPECT_EQ(nomes(*lista.get()).front(), "S\xe3o Paulo");
    EXPECT_EQ(lista->LePosicao(5), E_INVALIDARG);

    // Found by its code, whatever its register position (23 here, in a list of five).
    ASSERT_EQ(lista->GetMunicipio(b("354850").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    EXPECT_EQ(le([&](BSTR* p) { return lista->GetNome(p); }), "Santos");
    LONG codigo = 0;
    EXPECT_EQ(lista->GetCodigo(&codigo), S_OK);
    EXPECT_EQ(codigo, 354850);
    for (const char* outro : {"330455", "1", "abc", ""}) {   // another state's, unknown, not a number
        SCOPED_TRACE(outro);
        ASSERT_EQ(lista->GetMunicipio(b(outro).get(), &existe), S_OK);
        EXPECT_EQ(existe, VARIANT_FALSE);
        EXPECT_EQ(le([&](BSTR* p) { return lista->GetNome(p); }), "Santos");
    }

    const size_t lidos = servidor(inhouse::CLSID_MunicipioServer).count("Le");
    ASSERT_EQ(lista->SetUf(b("SP").get()), S_OK);   // the same filter keeps the list
    ULONG n = 0;
    ASSERT_EQ(lista->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(servidor(inhouse::CLSID_MunicipioServer).count("Le"), lidos);
    ASSERT_EQ(lista->SetUf(b("RJ").get()), S_OK);
    EXPECT_EQ(nomes(*lista.get()), (std::vector<std::string>{"Rio de Janeiro", "Niter\xf3i"}));
    ASSERT_EQ(lista->SetUf(b("").get()), S_OK);
    EXPECT_EQ(nomes(*lista.get()).size(), 33u);

    auto falha = com::make<CTW_DF_ListaMunicipios>();
    servidor(inhouse::CLSID_MunicipioServer).answer("Le", {S_OK, E_FAIL});
    EXPECT_EQ(falha->BuscaPonteiros(&n), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao ler os munic\xedpios");
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(falha->LePosicao(0), E_INVALIDARG);
}

}  // namespace
