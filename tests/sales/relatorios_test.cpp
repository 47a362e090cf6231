// The stock and sales reports in process: the requests the data servers receive (offsets as
// numbers), the product list, the refusals and the report files.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/QVDataCurta.h"
#include "platform/com/wire_pointer.h"
#include "sales/relatorios_estoque.h"
#include "sales/relatorios_vendas.h"
#include "support/pdf_texto.h"
#include "support/task_memory_counter.h"
#include "tests/masterdata/masterdata_fixture.h"

using namespace sales;

namespace {

// The bytes of a request a stand-in recorded as "bytes=0A 1B ...".
std::vector<uint8_t> bytes(const std::string& registro) {
    std::vector<uint8_t> b;
    const size_t inicio = registro.find("bytes=");
    for (size_t i = inicio + 6; i + 1 < registro.size(); i += 3)
        b.push_back(static_cast<uint8_t>(std::stoul(registro.substr(i, 2), nullptr, 16)));
    return b;
}
uint16_t u16(const std::vector<uint8_t>& b, size_t o) { return static_cast<uint16_t>(b.at(o) | b.at(o + 1) << 8); }
uint32_t u32(const std::vector<uint8_t>& b, size_t o) { return u16(b, o) | static_cast<uint32_t>(u16(b, o + 2)) << 16; }

class Relatorios : public masterdata_fixture {
protected:
    Relatorios() {
        m_sessao.m_sRazaoSocial = "Demonstra\xE7\xE3o Com\xE9rcio Ltda";
        estoque().clear();
        notas().clear();
        comissoes().clear();
    }
    inhouse::fault_plan& estoque() { return factory(inhouse::CLSID_EstoqueServer).object_faults(); }
    inhouse::fault_plan& notas() { return factory(inhouse::CLSID_NotasFiscaisServer).object_faults(); }
    inhouse::fault_plan& comissoes() { return factory(inhouse::CLSID_RelatoriosMovimentosServer).object_faults(); }
    inhouse::fault_plan& mestre() { return factory(inhouse::CLSID_MestreComercialServer).object_faults(); }

    struct resposta {
        HRESULT hr;
        std::string texto;   // the report, or the error's description
    };
    template <class R>
    resposta gera(R& r) {
        BSTR out = nullptr;
        SetErrorInfo(0, nullptr);
        const HRESULT hr = r.GeraRelatorio(&out);
        if (FAILED(hr)) {
            EXPECT_EQ(out, nullptr);
            return {hr, last_error()};
        }
        com::unique_bstr owned(out);
        return {hr, com::from_bstr(out)};
    }
    template <class R>
    std::string adiciona(R& r, const char* produto, const char* g1 = "", const char* g2 = "", HRESULT esperado = S_OK) {
        BSTR retorno = nullptr;
        EXPECT_EQ(r.AdicionaProduto(b(produto).get(), b(g1).get(), b(g2).get(), b("").get(), &retorno), esperado);
        com::unique_bstr owned(retorno);
        return com::from_bstr(retorno);
    }
};

TEST_F(Relatorios, TheStockRegisterSendsItsFiltersAndEachProductKeyOnce) {
    auto r = com::make<CTW_ES_RelatorioRegistroEstoque>();
    ASSERT_EQ(r->SetTipo(b("qvr").get()), S_OK);
    ASSERT_EQ(r->SetDataInicial(b("01/11/2026").get()), S_OK);
    ASSERT_EQ(r->SetDataFinal(b("30/11/26").get()), S_OK);
    ASSERT_EQ(r->SetFilial(b("2").get()), S_OK);
    ASSERT_EQ(r->SetEP(VARIANT_TRUE), S_OK);
    ASSERT_EQ(r->SetEPT(VARIANT_TRUE), S_OK);
    ASSERT_EQ(r->SetTipoRelatorioAnalitico(VARIANT_TRUE), S_OK);
    ASSERT_EQ(r->SetConsolidaGrades(VARIANT_TRUE), S_OK);
    // Called twice with the same flags: the bits stay set, nothing is added twice.
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(r->SetTipoEstoque(), S_OK);
        ASSERT_EQ(r->SetOpcoes(), S_OK);
    }
    // The reports look products up as titles ('T'): a group's products are reported under it.
    EXPECT_EQ(adiciona(*r.get(), "1"), "");
    EXPECT_EQ(adiciona(*r.get(), "1", "", "", S_FALSE), "O produto informado já foi adicionado.");
    EXPECT_EQ(adiciona(*r.get(), "2"), "");
    EXPECT_EQ(adiciona(*r.get(), "NAOEXISTE"), "");     // added once, with a zero pointer
    EXPECT_EQ(adiciona(*r.get(), "101", "", "", S_FALSE), "O produto informado já foi adicionado.");   // not a title

    task_memory_counter memoria;
    const resposta a = gera(*r.get());
    ASSERT_EQ(a.hr, S_OK) << a.texto;
    EXPECT_EQ(memoria.outstanding(), 0u);              // the key block went back
    EXPECT_EQ(com::wire_pointer_count(), 0u);

    const auto chamadas = estoque().calls("RelatorioRegistroEstoque");
    ASSERT_EQ(chamadas.size(), 1u);
    const std::vector<uint8_t> p = bytes(chamadas[0]);
    ASSERT_EQ(p.size(), 52u);
    EXPECT_EQ(u32(p, 0), 3u);                          // keys
    EXPECT_EQ(u16(p, 8), 2u);                          // branch
    EXPECT_EQ(u16(p, 10), QVConverteTextoData("01/11/2026"));
    EXPECT_EQ(u16(p, 12), QVConverteTextoData("30/11/2026"));
    EXPECT_EQ(u16(p, 14), 2u | 8u);                    // consolidated grids, analytic
    EXPECT_EQ(p[29], 1u | 2u);                         // EP and EPT

    EXPECT_EQ(a.texto.rfind("*#REGISTRO DE ESTOQUE - Demonstra\xE7\xE3o Com\xE9rcio Ltda\r\n", 0), 0u) << a.texto;
    EXPECT_NE(a.texto.find("Produtos: 3\r\n1  Vestu\xE1rio\r\n"), std::string::npos) << a.texto;
    EXPECT_NE(a.texto.find("\r\n  101  Camiseta de algod\xE3o\r\n"), std::string::npos) << a.texto;
    EXPECT_NE(a.texto.find("2  Mercearia\r\n  201  Caf\xE9 torrado em gr\xE3os\r\n"), std::string::npos) << a.texto;
    EXPECT_NE(a.texto.find("\r\n(produto n\xE3o cadastrado)\r\n"), std::string::npos) << a.texto;
}

TEST_F(Relatorios, TheMovementsStockKindIsEtpeAloneOrEpAndEptOrEp) {
    struct caso {
        VARIANT_BOOL ep, ept, etpe;
        uint8_t codigo;
    };
    const caso casos[] = {
        {VARIANT_TRUE, VARIANT_TRUE, VARIANT_FALSE, 3},
        {VARIANT_FALSE, VARIANT_FALSE, VARIANT_TRUE, 4},
        {VARIANT_TRUE, VARIANT_TRUE, VARIANT_TRUE, 4},
        {VARIANT_FALSE, VARIANT_FALSE, VARIANT_FALSE, 1},
        {VARIANT_FALSE, VARIANT_TRUE, VARIANT_FALSE, 2},
    };
    for (const caso& c : casos) {
        estoque().clear();
        auto r = com::make<CTW_ES_RelatorioMovimentos>();
        ASSERT_EQ(r->SetTipo(b("qvr").get()), S_OK);
        ASSERT_EQ(r->SetTipoEstoque(c.ep, c.ept, c.etpe), S_OK);
        ASSERT_EQ(r->SetNomeLocal(1), S_OK);
        ASSERT_EQ(r->SetNomeLocal(4), S_OK);
        const resposta a = gera(*r.get());
        ASSERT_EQ(a.hr, S_OK) << a.texto;
        const std::vector<uint8_t> p = bytes(estoque().calls("RelatorioMovimentos").at(0));
        ASSERT_EQ(p.size(), 100u);
        EXPECT_EQ(p[83], c.codigo);
        EXPECT_EQ(u32(p, 64), 0u);      // no keys: an empty block
        EXPECT_NE(u32(p, 84), 0u);
        EXPECT_EQ(u16(p, 74), 1u);
        EXPECT_EQ(u16(p, 76), 5u);      // places word
    }
}

TEST_F(Relatorios, TheInventoryCarriesTheWholeProductPointerAndItsOptionBits) {
    sql("UPDATE produto SET posicao = 70000 WHERE empresa = 'DEMO' AND codigo = '3'");
    auto r = com::make<CTW_ES_RelatorioInventario>();
    ASSERT_EQ(r->SetTipo(b("qvr").get()), S_OK);
    ASSERT_EQ(r->SetProduto(b("3").get()), S_OK);
    ASSERT_EQ(r->SetFilial(b("1").get()), S_OK);
    ASSERT_EQ(r->SetIgnoraInativos(VARIANT_TRUE), S_OK);
    ASSERT_EQ(r->SetListaETPE(VARIANT_TRUE), S_OK);
    ASSERT_EQ(r->SetOpcoes(), S_OK);
    const resposta a = gera(*r.get());
    ASSERT_EQ(a.hr, S_OK) << a.texto;
    const std::vector<uint8_t> p = bytes(estoque().calls("RelatorioInventario").at(0));
    ASSERT_EQ(p.size(), 16u);
    EXPECT_EQ(u32(p, 0), 70000u);
    EXPECT_EQ(u16(p, 4), 1u);
    EXPECT_EQ(u16(p, 10), 1u);
    EXPECT_EQ(u16(p, 12), 0x100u | 0x40u);
    EXPECT_NE(a.texto.find("3  Materiais el\xE9tricos\r\n  301  Fio flex\xEDvel 2,5 mm\xB2\r\n"), std::string::npos) << a.texto;
}

TEST_F(Relatorios, AFailingOrRefusingServerIsTheReportsFailure) {
    struct caso {
        HRESULT servidor, esperado;
    };
    for (const caso& c : {caso{E_ACCESSDENIED, E_ACCESSDENIED}, caso{S_FALSE, E_FAIL}}) {
        estoque().clear();
        estoque().answer("RelatorioPontoReposicao", {c.servidor});
        auto r = com::make<CTW_ES_RelatorioPontoReposicao>();
        EXPECT_EQ(r->SetFilial(b("1").get()), S_OK);
        EXPECT_EQ(r->SetFilial(b("99").get()), S_FALSE);
        const resposta a = gera(*r.get());
        EXPECT_EQ(a.hr, c.esperado);
        EXPECT_EQ(a.texto, "Falha ao gerar relatório.");
    }
}

TEST_F(Relatorios, WithoutTheReportLibraryTheTypeAnswers999AndFails) {
    auto r = com::make<CTW_ES_RelatorioRegistroEstoque>();
    short retorno = 0;
    SetErrorInfo(0, nullptr);
    EXPECT_TRUE(FAILED(r->AtualizaTipoRelatorio(b("REGISTROESTOQUE").get(), &retorno)));
    EXPECT_EQ(retorno, 999);
    EXPECT_EQ(last_error(), "Falha ao buscar informações do relatório.");
    EXPECT_EQ(factory(inhouse::CLSID_ParametrosRelatorio).object_faults().count("Inicializa"), 1u);
}

TEST_F(Relatorios, TheSalesReportCutsItsTextsAndNamesItsCustomerAndBranch) {
    auto r = com::make<CTW_FT_RelatorioVendas>();
    ASSERT_EQ(r->SetTipo(b("qvr").get()), S_OK);
    ASSERT_EQ(r->SetModelo(b(std::string(300, 'M').c_str()).get()), S_OK);
    EXPECT_EQ(r->SetCliente(b("C001").get()), S_OK);
    EXPECT_EQ(r->SetFilial(b("2").get()), S_OK);
    ASSERT_EQ(r->SetDataInicial(b("01/12/2026").get()), S_OK);
    const resposta a = gera(*r.get());
    ASSERT_EQ(a.hr, S_OK) << a.texto;
    const std::vector<uint8_t> p = bytes(notas().calls("RelatorioVendas").at(0));
    ASSERT_EQ(p.size(), 912u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p[450])), std::string(249, 'M'));
    EXPECT_EQ(u32(p, 704), 2u);                         // C001's chart position
    EXPECT_EQ(u16(p, 740), QVConverteTextoData("01/12/2026"));
    EXPECT_EQ(u16(p, 748), 2u);
    EXPECT_NE(a.texto.find("Cliente: C001  Cliente Exemplo Ltda"), std::string::npos) << a.texto;

    auto outro = com::make<CTW_FT_RelatorioVendas>();
    EXPECT_EQ(outro->SetCliente(b("NAOEXISTE").get()), S_FALSE);
}

TEST_F(Relatorios, TheOrderListReadsTheMasterRecordAndLooksUpOnlyAGivenCustomer) {
    mestre().answer("LeParametros", {E_ACCESSDENIED});
    auto r = com::make<CTW_FT_RelatorioRelacaoPedidos>();
    const resposta falha = gera(*r.get());
    EXPECT_EQ(falha.hr, E_ACCESSDENIED);
    EXPECT_EQ(falha.texto, "Falha ao ler registro mestre do Comercial.");

    // The orders server writes the list; what it was asked for is in its plan.
    auto& pedidos = factory(inhouse::CLSID_PedidosServer).object_faults();
    pedidos.clear();
    company().clear();
    ASSERT_EQ(r->SetTipo(b("qvr").get()), S_OK);
    ASSERT_EQ(r->SetPosicaoRepresentante(12), S_OK);
    const resposta todos = gera(*r.get());
    ASSERT_EQ(todos.hr, S_OK) << todos.texto;
    EXPECT_EQ(company().count("BuscaCodigo"), 0u);
    ASSERT_EQ(pedidos.count("RelatorioPedidos"), 1u);
    EXPECT_NE(pedidos.calls("RelatorioPedidos")[0].find(" representante=12 cliente=0"), std::string::npos)
        << pedidos.calls("RelatorioPedidos")[0];

    ASSERT_EQ(r->SetCodigoCliente(b("C001").get()), S_OK);
    const resposta um = gera(*r.get());
    ASSERT_EQ(um.hr, S_OK) << um.texto;
    EXPECT_NE(pedidos.calls("RelatorioPedidos").at(1).find(" representante=12 cliente=2"), std::string::npos)
        << pedidos.calls("RelatorioPedidos")[1];
}

TEST_F(Relatorios, TheCommissionsRequestPointsToItsTextsAndTheFileIsGoneAfterwards) {
    auto r = com::make<CTW_FT_RelatorioComissoesPagar>();
    ASSERT_EQ(r->SetTipo(b("qvr").get()), S_OK);
    ASSERT_EQ(r->SetModelo(b("Comiss\xF5" "es").get()), S_OK);
    ASSERT_EQ(r->SetPosicaoRepresentante(12), S_OK);
    ASSERT_EQ(r->SetDataInicial(b("01/12/2026").get()), S_OK);
    ASSERT_EQ(r->SetDataFinal(b("31/12/2026").get()), S_OK);
    const resposta a = gera(*r.get());
    ASSERT_EQ(a.hr, S_OK) << a.texto;
    EXPECT_EQ(com::wire_pointer_count(), 0u);
    const std::vector<uint8_t> p = bytes(comissoes().calls("RelatorioComissoes").at(0));
    ASSERT_EQ(p.size(), 440u);
    EXPECT_EQ(u32(p, 32), 4242u);
    EXPECT_EQ(u16(p, 100), 1u);
    EXPECT_EQ(u16(p, 104), 7u);
    EXPECT_EQ(p[113], 'N');
    EXPECT_EQ(p[134], 5u);
    EXPECT_EQ(a.texto.rfind("*#COMISS\xD5" "ES A PAGAR - Demonstra\xE7\xE3o Com\xE9rcio Ltda\r\nModelo: Comiss\xF5" "es\r\n"
                            "Per\xEDodo: 01/12/2026 a 31/12/2026\r\nEmpresa: DEMO\r\nRepresentante: 12\r\n",
                            0),
              0u)
        << a.texto;

    comissoes().answer("RelatorioComissoes", {E_OUTOFMEMORY});
    const resposta falha = gera(*r.get());
    EXPECT_EQ(falha.hr, E_OUTOFMEMORY);
    EXPECT_EQ(falha.texto, "Erro ao gerar relatório.");
}

TEST_F(Relatorios, AReportWithoutATypeIsAPdfWithItsFiltersInTheText) {
    if (!leitor_pdf_disponivel()) GTEST_SKIP() << "pdftotext (poppler-utils) não instalado";
    server::impressoras_teste com_pdf(std::vector<server::impressora>{{L"ZidizUvi PDF", L"CPW2:"}});
    auto r = com::make<CTW_FT_RelatorioVendas>();
    ASSERT_EQ(r->SetCliente(b("C101").get()), S_OK);
    ASSERT_EQ(r->SetDataInicial(b("01/12/2026").get()), S_OK);
    ASSERT_EQ(r->SetDataFinal(b("31/12/2026").get()), S_OK);
    BSTR bruto = nullptr;
    ASSERT_EQ(r->GeraRelatorio(&bruto), S_OK) << last_error();
    const com::unique_bstr resultado(bruto);
    const std::string bytes(reinterpret_cast<const char*>(resultado.get()), SysStringByteLen(resultado.get()));
    std::string erro;
    const auto texto = texto_dos_bytes_pdf(bytes, &erro);
    ASSERT_TRUE(texto) << erro;
    EXPECT_NE(texto->find(com::ansi_to_utf8("VENDAS NO PER\xCDODO")), std::string::npos) << *texto;
    EXPECT_NE(texto->find(com::ansi_to_utf8("Mercado Bom Pre\xE7o Ltda")), std::string::npos) << *texto;
    EXPECT_NE(texto->find("01/12/2026 a 31/12/2026"), std::string::npos) << *texto;
}

}  // namespace
