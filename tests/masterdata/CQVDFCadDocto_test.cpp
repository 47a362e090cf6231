// The document types for web clients: initialised from a logged-in root object, the register
// read by position, the key type that loads nothing, and the numbered messages.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "masterdata/CQVDFCadDocto.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAVISO.h"
#include "server/root/CQV_Inicializa.h"
#include "tests/masterdata/masterdata_fixture.h"

using masterdata::CQVDFCadDocto;

namespace {

class Documentos : public masterdata_fixture {
protected:
    Documentos() {
        creation().clear();
        server().clear();
        root = com::make<server::CQV_Inicializa>();
        INT result = -1;
        EXPECT_EQ(root->Inicializa(b("DEMO").get(), b("ADMIN").get(), b("admin123").get(), &result), S_OK);
        EXPECT_EQ(result, 0);
        objeto = com::make<CQVDFCadDocto>();
    }
    inhouse::fault_plan& creation() { return factory(inhouse::CLSID_DocumentoServer).faults(); }
    inhouse::fault_plan& server() { return factory(inhouse::CLSID_DocumentoServer).object_faults(); }

    HRESULT init(SHORT tipo = 0) {
        SetErrorInfo(0, nullptr);
        return objeto->Inicializa(root.get(), tipo);
    }
    SHORT count() {
        SHORT n = -1;
        EXPECT_EQ(objeto->get_m_iQuantidade(&n), S_OK);
        return n;
    }
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (SHORT i = 0, n = count(); i < n; ++i) {
            SHORT filial = -1;
            EXPECT_EQ(objeto->get_m_iFilial(i, &filial), S_OK);
            out.push_back(std::to_string(filial) + "|" + text([&](BSTR* p) { return objeto->get_m_scodigo(i, p); }) +
                          "|" + text([&](BSTR* p) { return objeto->get_m_sDescricao(i, p); }));
        }
        return out;
    }

    com::com_ptr<server::CQV_Inicializa> root;
    com::com_ptr<CQVDFCadDocto> objeto;
};

TEST_F(Documentos, LoadsTheRegisterInTheServersOrder) {
    ASSERT_EQ(init(), S_OK);
    const auto all = listed();
    ASSERT_EQ(all.size(), 8u);
    EXPECT_EQ(all[0], "1|55|Nota Fiscal Eletrônica (NF-e)");
    EXPECT_EQ(all[4], "2|NFS-e|Nota Fiscal de Serviços Eletrônica (NFS-e)");
    EXPECT_EQ(all[7], "0|BOL|Boleto bancário");
    // The positions list and its array were handed over and freed.
    EXPECT_EQ(com::wire_pointer_count(), 0u);
}

TEST_F(Documentos, KeyTypeTwoLoadsNothingAndKeepsTheList) {
    ASSERT_EQ(init(2), S_OK);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(server().count("Posicoes"), 0u);
    ASSERT_EQ(init(1), S_OK);
    ASSERT_EQ(init(2), S_OK);
    EXPECT_EQ(count(), 8);
}

TEST_F(Documentos, ASecondInicializaListsEveryTypeOnce) {
    ASSERT_EQ(init(0), S_OK);
    ASSERT_EQ(init(1), S_OK);
    EXPECT_EQ(count(), 8);
}

TEST_F(Documentos, AnEmptyRegisterIsAnEmptyList) {
    sql("DELETE FROM documento");
    ASSERT_EQ(init(), S_OK);
    EXPECT_EQ(count(), 0);
}

TEST_F(Documentos, PositionsOutsideTheListGiveTheIndexMessageAndLeaveTheValue) {
    ASSERT_EQ(init(), S_OK);
    const HRESULT fora = static_cast<HRESULT>(0xFFFFFFFFu);
    for (SHORT pos : {SHORT(-1), SHORT(8)}) {
        SCOPED_TRACE(pos);
        SHORT filial = 77;
        EXPECT_EQ(objeto->get_m_iFilial(pos, &filial), fora);
        EXPECT_EQ(filial, 77);
        EXPECT_EQ(last_error(), "106  -\tO índice deve estar entre 0 e 7 ");
        BSTR texto = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(objeto->get_m_scodigo(pos, &texto), fora);
        EXPECT_EQ(texto, reinterpret_cast<BSTR>(1));
        EXPECT_EQ(last_error(), "104  -\tO índice deve estar entre 0 e 7 ");
        EXPECT_EQ(objeto->get_m_sDescricao(pos, &texto), fora);
        EXPECT_EQ(last_error(), "105  -\tO índice deve estar entre 0 e 7 ");
    }
}

TEST_F(Documentos, ServerFailuresGiveTheirHresultAndTheMessageLibrarysText) {
    const HRESULT falha = E_ACCESSDENIED;
    const std::string texto = CQVBuscaErrosQVMens().BuscaMensagem(falha, "DF");
    ASSERT_FALSE(texto.empty());
    const std::string hr = std::to_string(static_cast<int>(falha));
    struct caso {
        const char* nome;
        std::function<void()> script;
        std::string mensagem;
        SHORT depois;
    };
    const caso casos[] = {
        {"connection", [] { inhouse::faults_of_connection("CConexaoCadastroDocumento").answer("Inicializa", {E_ACCESSDENIED}); },
         "103\t-\tFalha ao inicializar o Cadastro de documento - HRESULT = " + hr + "  - " + texto, 8},
        {"positions", [this] { server().answer("Posicoes", {E_ACCESSDENIED}); },
         "104\t-\tFalha ao buscar a quantidade do Cadastro de documento - HRESULT = " + hr + "  - " + texto, 0},
        // The types read before the failing one stay.
        {"read", [this] { server().answer("Le", {S_OK, S_OK, E_ACCESSDENIED}); },
         "107\t-\tFalha ao ler o Cadastro de documento - HRESULT = " + hr + "  - " + texto, 2},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        ASSERT_EQ(init(), S_OK);
        c.script();
        EXPECT_EQ(init(), falha);
        const reported_error e = last_reported_error();
        EXPECT_EQ(e.description, c.mensagem);
        EXPECT_EQ(e.source.rfind("Arquivo= DFCadDocumento.cpp  linha= ", 0), 0u) << e.source;
        EXPECT_EQ(count(), c.depois);
    }
    inhouse::faults_of_connection("CConexaoCadastroDocumento").clear();
}

TEST_F(Documentos, ARootWithoutASessionGivesMessageOne) {
    auto sem_sessao = com::make<server::CQV_Inicializa>();
    EXPECT_EQ(objeto->Inicializa(sem_sessao.get(), 0), static_cast<HRESULT>(0x800A0001u));
    EXPECT_EQ(creation().count("CreateInstance"), 0u);
}

}  // namespace
