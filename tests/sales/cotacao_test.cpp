// A supplier's answer to a purchase quotation over the demo company's quotation 1: the root's
// InicializaCotacao and CotacaoWeb, the quotation with its items and instalments priced and
// planned by cotforn.dll (built beside the test programs), the save, and two suppliers answering
// the same quotation.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/CQVData.h"
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/dia_iso.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/cotacoes/registros_cotacao.h"
#include "sales/CCotacaoWeb.h"
#include "sales/fabricas.h"
#include "support/task_memory_counter.h"
#include "tests/server/raiz_fixture.h"

namespace {

using com::to_bstr;

constexpr HRESULT chave_invalida = static_cast<HRESULT>(0x8004065Du);
constexpr HRESULT fora_do_prazo = static_cast<HRESULT>(0x8004065Eu);
constexpr HRESULT ja_respondida = static_cast<HRESULT>(0x80040660u);
const std::string chave1 = "6F1C2A3B-4D5E-4F60-8A7B-9C0D1E2F3A4B";   // supplier 3, index 0
const std::string chave2 = "{0B7E5C1D-2A3F-4B6C-9D8E-7F6A5B4C3D2E}"; // supplier 12, index 1, in dollars

class Cotacao : public raiz_fixture {
protected:
    Cotacao() {
        sales::registra_fabricas();
        raiz = com::make<server::CQV_Inicializa>();
    }

    HRESULT abre(const std::string& chave) { return raiz->InicializaCotacao(to_bstr(chave).get()); }
    com::com_ptr<ICotacaoWeb> cotacao() {
        com::com_ptr<ICotacaoWeb> c;
        EXPECT_EQ(raiz->get_CotacaoWeb(c.put()), S_OK);
        return c;
    }
    com::com_ptr<ICotacaoWeb> aberta(const std::string& chave) {
        EXPECT_EQ(abre(chave), S_OK) << last_error();
        return cotacao();
    }
    template <class I, class... A>
    static std::string texto(I* objeto, HRESULT (STDMETHODCALLTYPE I::*get)(A..., BSTR*), A... a) {
        BSTR t = nullptr;
        EXPECT_EQ((objeto->*get)(a..., &t), S_OK) << last_error();
        com::unique_bstr dono(t);
        return com::from_bstr(t);
    }
    static com::com_ptr<IItemCotacaoWeb> item(ICotacaoWeb* c, SHORT i) {
        com::com_ptr<IItemCotacaoWeb> r;
        EXPECT_EQ(c->GetItemRef(i, r.put()), S_OK);
        return r;
    }
    static com::com_ptr<IParcelaCotacaoWeb> parcela(ICotacaoWeb* c, SHORT i) {
        com::com_ptr<IParcelaCotacaoWeb> r;
        EXPECT_EQ(c->GetParcelaRef(i, r.put()), S_OK);
        return r;
    }
    static SHORT monta(ICotacaoWeb* c, USHORT n, const char* vencimento) {
        SHORT quantidade = -1;
        EXPECT_EQ(c->MontaParcelas(n, to_bstr(std::string(vencimento)).get(), 3, 7, &quantidade), S_OK) << last_error();
        return quantidade;
    }
    static void preco(IItemCotacaoWeb* i, const char* valor) {
        EXPECT_EQ(i->put_PrecoUnitario(to_bstr(std::string(valor)).get()), S_OK);
    }
    inhouse::fault_plan& servidor_cotacoes() { return servidor(inhouse::CLSID_CotacaoFornecedorServer); }
    // The rows of a query, columns joined by "|" and rows by "; ".
    std::string consulta(const std::string& sql_texto, int colunas) {
        auto q = store().prepare(sql_texto);
        std::string r;
        while (q.step()) {
            if (!r.empty()) r += "; ";
            for (int c = 0; c < colunas; ++c) r += (c ? "|" : "") + q.column_text(c);
        }
        return r;
    }

    com::com_ptr<server::CQV_Inicializa> raiz;
};

TEST_F(Cotacao, AKeyThatIsNotAKnownGuidIsRefused) {
    const struct {
        std::string chave;
        HRESULT esperado;
        bool cria_servidor;
    } casos[] = {
        {"", chave_invalida, false},
        {"nao-e-guid", chave_invalida, false},
        {"{6F1C2A3B-4D5E-4F60-8A7B-9C0D1E2F3A4C}", chave_invalida, true},   // a GUID no supplier holds
        {chave1, S_OK, true},                                               // braces added
        {"{" + chave1, S_OK, true},                                         // the closing one added
        {"{" + chave1 + "}", S_OK, true},                                   // used as it is
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.chave);
        esquece_chamadas();
        EXPECT_EQ(abre(c.chave), c.esperado);
        EXPECT_EQ(criacao(inhouse::CLSID_CotacaoFornecedorServer).count("CreateInstance") > 0, c.cria_servidor);
    }
}

TEST_F(Cotacao, TheSupplierReadsItsPartOfTheQuotation) {
    auto c = aberta(chave1);
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_NumeroCotacao), "1226-000001");
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_DataCotacao), "01/12/26");
    // The demo's answers are open for seven weeks from the day the store was written.
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_DataLimite),
              std::string(QVFormataData(static_cast<uint16_t>(QVGetDataAtual() + 49), false)));
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_LocalDeEntrega), "Rua da Ind\xfastria, 500 - Campinas/SP");
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_Simbolo), "");
    LONG fornecedor = 0, itens = 0;
    SHORT moeda = -1;
    c->get_PonteiroFornecedor(&fornecedor);
    c->get_ItemCount(&itens);
    c->get_PossuiValorMoeda(&moeda);
    EXPECT_EQ(fornecedor, 3);
    EXPECT_EQ(itens, 2);
    EXPECT_EQ(moeda, 0);
    // The session runs under user 65535 of the quotation's company.
    EXPECT_EQ(raiz->sessao().m_sEmpresa, "DEMO");
    EXPECT_EQ(raiz->sessao().m_iUsuario, 65535);

    auto cafe = item(c.get(), 0), camiseta = item(c.get(), 1);
    EXPECT_EQ(texto(cafe.get(), &IItemCotacaoWeb::get_DescricaoProduto), "Caf\xe9 torrado em gr\xe3os");
    EXPECT_EQ(texto(camiseta.get(), &IItemCotacaoWeb::get_DescricaoProduto), "Camiseta de algod\xe3o - M\xe9" "dio - Azul");
    EXPECT_EQ(texto(cafe.get(), &IItemCotacaoWeb::get_QtdCotada), "50,00");
    EXPECT_EQ(texto(cafe.get(), &IItemCotacaoWeb::get_UnMedida), "KG");
    EXPECT_EQ(texto(camiseta.get(), &IItemCotacaoWeb::get_UnMedida), "UN");
    EXPECT_EQ(texto(camiseta.get(), &IItemCotacaoWeb::get_Complemento), "Logotipo bordado no peito");
    EXPECT_EQ(texto(camiseta.get(), &IItemCotacaoWeb::get_Referencia), "CAM-ALG-001");
    SHORT usa = 0, servico = -1;
    camiseta->get_UsaReferencia(&usa);
    camiseta->get_EhServico(&servico);
    EXPECT_EQ(usa, 1);
    EXPECT_EQ(servico, 0);

    auto* lixo = reinterpret_cast<IItemCotacaoWeb*>(0x1234);
    for (SHORT i : {SHORT(-1), SHORT(2)}) {
        EXPECT_EQ(c->GetItemRef(i, &lixo), E_INVALIDARG) << i;
        EXPECT_EQ(lixo, nullptr);
    }
}

TEST_F(Cotacao, PricesTermsAndThePlanAreSavedForThisSupplier) {
    auto c = aberta(chave1);
    auto cafe = item(c.get(), 0), camiseta = item(c.get(), 1);
    preco(cafe.get(), "1.234,5678");
    EXPECT_EQ(texto(cafe.get(), &IItemCotacaoWeb::get_PrecoUnitario), "1.234,57");
    preco(cafe.get(), "30,00");
    cafe->put_DescontoUnitario(to_bstr(std::string("2,5")).get());
    preco(camiseta.get(), "19,90");
    camiseta->put_AliquotaIPI(to_bstr(std::string("5")).get());
    camiseta->put_Observacao(to_bstr(std::string("Entrega parcial poss\xedvel")).get());
    ASSERT_EQ(c->AlteraValorCotado(), S_OK);
    // (30 - 2,5) x 50 and 19,90 x 8.
    EXPECT_EQ(texto(cafe.get(), &IItemCotacaoWeb::get_PrecoTotal), "1.375,00");
    EXPECT_EQ(texto(camiseta.get(), &IItemCotacaoWeb::get_PrecoTotal), "159,20");
    c->put_Frete(to_bstr(std::string("40,80")).get());
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::GetValorTotalCotado), "1.575,00");
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::GetValorSubTotalCotado), "1.534,20");

    c->put_PrazoEntrega(10);
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_DataEntrega), "11/12/26");
    c->put_DataEntrega(to_bstr(std::string("15/12/2026")).get());
    SHORT prazo = 0;
    c->get_PrazoEntrega(&prazo);
    EXPECT_EQ(prazo, 10);
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_DataEntrega), "15/12/26");
    c->put_PrazoProposta(to_bstr(std::string("20/01/2027")).get());
    c->put_ObservacaoFornecedor(to_bstr(std::string("Validade de 30 dias")).get());

    ASSERT_EQ(monta(c.get(), 3, "10/01/2027"), 3);
    EXPECT_EQ(texto(parcela(c.get(), 0).get(), &IParcelaCotacaoWeb::get_ValorParcela), "525,00");
    EXPECT_EQ(texto(parcela(c.get(), 0).get(), &IParcelaCotacaoWeb::get_ValorAcumulado), "525,00");
    EXPECT_EQ(texto(parcela(c.get(), 1).get(), &IParcelaCotacaoWeb::get_DataParcela), "09/02/2027");
    EXPECT_EQ(texto(parcela(c.get(), 2).get(), &IParcelaCotacaoWeb::get_ValorAcumulado), "1.575,00");
    // Instalments count from 1 here; the rest of the total goes to those after the one changed.
    SHORT quantidade = 0;
    VARIANT valor;
    valor.vt = VT_BSTR;
    com::unique_bstr texto_valor = to_bstr(std::string("575,00"));
    valor.bstrVal = texto_valor.get();
    ASSERT_EQ(c->AlteraParcela(1, to_bstr(std::string("12/01/2027")).get(), 0, to_bstr(std::string("10/01/2027")).get(),
                               valor, &quantidade),
              S_OK)
        << last_error();
    EXPECT_EQ(quantidade, 3);
    EXPECT_EQ(texto(parcela(c.get(), 0).get(), &IParcelaCotacaoWeb::get_DataParcela), "12/01/2027");
    EXPECT_EQ(texto(parcela(c.get(), 1).get(), &IParcelaCotacaoWeb::get_ValorParcela), "500,00");

    ASSERT_EQ(c->Grava(), S_OK) << last_error();
    EXPECT_EQ(servidor_cotacoes().calls("Grava"),
              (std::vector<std::string>{"ticket=1 itens=2 fornecedor=0 respondida=1 parcelas=3"}));
    EXPECT_EQ(consulta("SELECT item, preco, desconto, total, ipi, observacao FROM cotacao_resposta"
                       " WHERE cotacao = 1 AND fornecedor = 3 ORDER BY item", 6),
              "1|3000000000|250000000|13750000|0|; 2|1990000000|0|1592000|50000|Entrega parcial poss\xedvel");
    EXPECT_EQ(consulta("SELECT condicao, prazo_entrega, data_entrega, validade_proposta, primeiro_vencimento,"
                       " respondida, frete, observacao FROM cotacao_fornecedor WHERE cotacao = 1 AND fornecedor = 3", 8),
              "7|10|2026-12-15|2027-01-20|2027-01-10|1|408000|Validade de 30 dias");
    EXPECT_EQ(consulta("SELECT numero, valor, vencimento FROM cotacao_resposta_parcela WHERE cotacao = 1 AND fornecedor = 3", 3),
              "1|5750000|2027-01-12; 2|5000000|2027-02-09; 3|5000000|2027-03-11");

    // An answered quotation is not opened again.
    EXPECT_EQ(abre(chave1), ja_respondida);
}

TEST_F(Cotacao, TwoSuppliersAnswerTheSameQuotationWithoutOverwritingEachOther) {
    // Both read the quotation before either saves.
    auto outra_raiz = com::make<server::CQV_Inicializa>();
    auto primeiro = aberta(chave1);
    ASSERT_EQ(outra_raiz->InicializaCotacao(to_bstr(chave2).get()), S_OK) << last_error();
    com::com_ptr<ICotacaoWeb> segundo;
    outra_raiz->get_CotacaoWeb(segundo.put());
    EXPECT_EQ(texto(segundo.get(), &ICotacaoWeb::get_Simbolo), "US$");
    LONG itens = 0;
    segundo->get_ItemCount(&itens);
    EXPECT_EQ(itens, 2);

    preco(item(primeiro.get(), 0).get(), "30,00");
    preco(item(segundo.get(), 0).get(), "6,10");
    preco(item(segundo.get(), 1).get(), "4,00");
    ASSERT_EQ(primeiro->Grava(), S_OK) << last_error();
    ASSERT_EQ(segundo->Grava(), S_OK) << last_error();
    EXPECT_EQ(servidor_cotacoes().calls("Grava"),
              (std::vector<std::string>{"ticket=1 itens=2 fornecedor=0 respondida=1 parcelas=0",
                                        "ticket=2 itens=2 fornecedor=1 respondida=1 parcelas=0"}));
    EXPECT_EQ(consulta("SELECT fornecedor, item, preco FROM cotacao_resposta WHERE cotacao = 1 ORDER BY fornecedor, item", 3),
              "3|1|3000000000; 3|2|0; 12|1|610000000; 12|2|400000000");
    EXPECT_EQ(consulta("SELECT fornecedor, respondida FROM cotacao_fornecedor WHERE cotacao = 1 ORDER BY ordem", 2),
              "3|1; 12|1");
}

TEST_F(Cotacao, TheServerRefusesAnotherSuppliersItems) {
    ASSERT_EQ(abre(chave1), S_OK);
    com::com_ptr<IQVCP_CotacaoFornecedor> s;
    ASSERT_EQ(CoCreateInstance(inhouse::CLSID_CotacaoFornecedorServer, nullptr, CLSCTX_INPROC_SERVER,
                               __uuidof(IQVCP_CotacaoFornecedor), s.put_void()),
              S_OK);
    s->Inicializa(inhouse::bloco_sessao<QV_SESSAO_262>("DEMO", 65535, 1));
    inhouse::REG_FORNECEDOR_COTACAO entrada{};
    entrada.fornecedor = 3;
    QV_FORNECEDOR_COTACAO_126 bloco;
    std::memcpy(bloco.dados, &entrada, sizeof bloco.dados);
    inhouse::REG_ITEM_COTADO alheio{};
    alheio.fornecedor = 1;   // supplier 12's answer sent with supplier 3's ticket
    alheio.preco = 1;
    EXPECT_EQ(s->Grava(1, 1, reinterpret_cast<BYTE*>(&alheio), 0, bloco), inhouse::QV_E_COTACAO_ACESSO);
    EXPECT_EQ(s->Grava(1, 0, nullptr, 1, bloco), inhouse::QV_E_COTACAO_ACESSO);
    EXPECT_EQ(consulta("SELECT COUNT(*) FROM cotacao_resposta", 1), "0");
}

TEST_F(Cotacao, TheLimitDateCountsInFourDigitYears) {
    const std::string hoje = inhouse::dia_iso(QVGetDataAtual());
    const std::string ontem = inhouse::dia_iso(static_cast<uint16_t>(QVGetDataAtual() - 1));
    int dia = 0, mes = 0, ano = 0;
    ASSERT_TRUE(qv_separa_dia(QVGetDataAtual(), dia, mes, ano));
    const std::string proximo_ano = std::to_string(ano + 1) + "-01-01";
    const struct {
        std::string limite;
        HRESULT esperado;
    } casos[] = {
        {"", S_OK},                  // no limit
        {hoje, S_OK},                // the last day still counts
        {ontem, fora_do_prazo},
        {proximo_ano, S_OK},         // next year's limit is after this year's today
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.limite);
        sql("UPDATE cotacao SET limite = '" + c.limite + "' WHERE chave = 1");
        EXPECT_EQ(abre(chave1), c.esperado);
    }
}

TEST_F(Cotacao, StartUpFailuresNameTheirStep) {
    const HRESULT falha = static_cast<HRESULT>(0x80040999u);
    const struct {
        const char* metodo;
        std::string texto;
    } casos[] = {
        {"ValidaChave", "Falha ao validar senha de acesso"},
        {"Inicializa", "Erro ao inicializar servidor de cota\xe7\xf5" "es"},
        {"LeCotacao", "Erro ao ler cota\xe7\xe3o"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.metodo);
        esquece_chamadas();
        servidor_cotacoes().answer(c.metodo, {falha});
        EXPECT_EQ(abre(chave1), falha);
        EXPECT_EQ(last_error(), c.texto);
    }
    esquece_chamadas();
    criacao(inhouse::CLSID_CotacaoFornecedorServer).answer("CreateInstance", {E_ACCESSDENIED});
    EXPECT_EQ(abre(chave1), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Falha ao criar servidor de cota\xe7\xf5" "es");
}

TEST_F(Cotacao, TheLibraryAndItsEntriesMustBeThere) {
    const struct {
        const char* arquivo;
        HRESULT esperado;
        std::string texto;
    } casos[] = {
        {"nao_existe_cotforn.dll", HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND), "Erro carregar a dll cotforn.dll"},
        {"kernel32.dll", HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND),
         "Erro carregar o endere\xe7o da funcao ParaCMC4web_Inicializa"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.arquivo);
        auto cotacao = com::make<sales::CCotacaoWeb>();
        cotacao->SetBiblioteca(c.arquivo);
        ASSERT_EQ(cotacao->ValidaChaveAcesso("{" + chave1 + "}"), S_OK);
        try {
            cotacao->Inicializa(65535, 1);
            ADD_FAILURE() << "started";
        } catch (const com::failure& f) {
            EXPECT_EQ(f.hr, c.esperado);
            EXPECT_EQ(f.text, c.texto);
        }
    }
}

TEST_F(Cotacao, ItemsAndInstalmentsOutliveTheQuotationAndNoticeARebuild) {
    auto c = aberta(chave1);
    auto cafe = item(c.get(), 0);
    preco(cafe.get(), "30,00");
    ASSERT_EQ(monta(c.get(), 3, "10/01/2027"), 3);
    auto terceira = parcela(c.get(), 2);
    // A plan with no instalments leaves the list and the count as they were.
    EXPECT_EQ(monta(c.get(), 0, "10/01/2027"), -1);
    EXPECT_EQ(texto(terceira.get(), &IParcelaCotacaoWeb::get_ValorParcela), "500,00");
    // A shorter plan: the third instalment is gone, and says so.
    ASSERT_EQ(monta(c.get(), 1, "10/01/2027"), 1);
    BSTR valor = nullptr;
    EXPECT_EQ(terceira->get_ValorParcela(&valor), E_UNEXPECTED);
    EXPECT_EQ(valor, nullptr);
    EXPECT_EQ(last_error(), "A parcela n\xe3o existe mais.");
    auto* lixo = reinterpret_cast<IParcelaCotacaoWeb*>(0x1234);
    EXPECT_EQ(c->GetParcelaRef(1, &lixo), E_INVALIDARG);
    EXPECT_EQ(lixo, nullptr);
    auto unica = parcela(c.get(), 0);

    // A new quotation replaces this one in the root; what was handed out still answers.
    c.reset();
    ASSERT_EQ(abre(chave2), S_OK);
    EXPECT_EQ(texto(cafe.get(), &IItemCotacaoWeb::get_PrecoUnitario), "30,00");
    EXPECT_EQ(texto(unica.get(), &IParcelaCotacaoWeb::get_ValorParcela), "1.500,00");
}

TEST_F(Cotacao, AChangedInstalmentTakesOnlyThePlanTheLibraryAnswered) {
    auto c = aberta(chave1);
    preco(item(c.get(), 0).get(), "30,00");
    ASSERT_EQ(monta(c.get(), 3, "10/01/2027"), 3);
    auto terceira = parcela(c.get(), 2);
    // The first instalment takes the whole total: the library answers a plan of one.
    VARIANT valor;
    valor.vt = VT_BSTR;
    com::unique_bstr texto_valor = to_bstr(std::string("1.500,00"));
    valor.bstrVal = texto_valor.get();
    SHORT quantidade = 0;
    ASSERT_EQ(c->AlteraParcela(1, to_bstr(std::string("10/01/2027")).get(), 0, to_bstr(std::string("10/01/2027")).get(),
                               valor, &quantidade),
              S_OK)
        << last_error();
    EXPECT_EQ(quantidade, 1);
    EXPECT_EQ(texto(parcela(c.get(), 0).get(), &IParcelaCotacaoWeb::get_ValorParcela), "1.500,00");
    auto* lixo = reinterpret_cast<IParcelaCotacaoWeb*>(0x1234);
    EXPECT_EQ(c->GetParcelaRef(1, &lixo), E_INVALIDARG);
    BSTR texto_terceira = nullptr;
    EXPECT_EQ(terceira->get_ValorParcela(&texto_terceira), E_UNEXPECTED);
    // A refusal of the library is its own text.
    texto_valor = to_bstr(std::string("2.000,00"));
    valor.bstrVal = texto_valor.get();
    EXPECT_EQ(c->AlteraParcela(1, to_bstr(std::string("10/01/2027")).get(), 0, to_bstr(std::string("10/01/2027")).get(),
                               valor, &quantidade),
              HRESULT_FROM_WIN32(ERROR_INVALID_DATA));
    EXPECT_EQ(last_error(), "O valor da parcela excede o total cotado.");
}

TEST_F(Cotacao, EveryBlockOfTheRecordIsFreedOnce) {
    task_memory_counter contador;
    {
        auto c = aberta(chave1);
        auto camiseta = item(c.get(), 1);
        camiseta->put_Observacao(to_bstr(std::string("primeira")).get());
        camiseta->put_Observacao(to_bstr(std::string("")).get());
        EXPECT_EQ(texto(camiseta.get(), &IItemCotacaoWeb::get_Observacao), "");
        c->put_ObservacaoFornecedor(to_bstr(std::string("obs")).get());
        preco(camiseta.get(), "10");
        monta(c.get(), 2, "10/01/2027");
        SHORT n = 0;
        VARIANT v;
        v.vt = VT_I4;
        v.lVal = 50;
        ASSERT_EQ(c->AlteraParcela(1, to_bstr(std::string("10/01/2027")).get(), 0, to_bstr(std::string("10/01/2027")).get(),
                                   v, &n),
                  S_OK)
            << last_error();
        EXPECT_EQ(texto(parcela(c.get(), 1).get(), &IParcelaCotacaoWeb::get_ValorParcela), "30,00");
        ASSERT_EQ(c->Grava(), S_OK);
        raiz.reset();
    }
    EXPECT_GT(contador.allocated(), 10u);
    EXPECT_EQ(contador.outstanding(), 0u);
    EXPECT_EQ(com::wire_pointer_count(), 0u);
}

TEST_F(Cotacao, AFailedSaveIsReportedAndTheSupplierMayTryAgain) {
    auto c = aberta(chave1);
    servidor_cotacoes().answer("Grava", {E_FAIL});
    EXPECT_EQ(c->Grava(), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao finalizar cota\xe7\xe3o");
    EXPECT_EQ(consulta("SELECT respondida FROM cotacao_fornecedor WHERE fornecedor = 3", 1), "0");
    EXPECT_EQ(c->Grava(), S_OK);
    EXPECT_EQ(consulta("SELECT respondida FROM cotacao_fornecedor WHERE fornecedor = 3", 1), "1");
}

TEST_F(Cotacao, AServiceItemIsKnownOnceItsDescriptionIsRead) {
    sql("INSERT INTO cotacao (empresa, chave, filial, emissao) VALUES ('DEMO', 3, 1, '2026-12-10');"
        "INSERT INTO cotacao_item (empresa, cotacao, ordem, tipo, produto, quantidade, unidade) VALUES"
        " ('DEMO', 3, 1, 'S', 2, 20000, 6);"
        "INSERT INTO cotacao_fornecedor (empresa, cotacao, ordem, fornecedor, chave) VALUES"
        " ('DEMO', 3, 0, 3, '{11111111-2222-3333-4444-555555555555}');");
    auto c = aberta("11111111-2222-3333-4444-555555555555");
    auto visita = item(c.get(), 0);
    SHORT servico = -1;
    visita->get_EhServico(&servico);
    EXPECT_EQ(servico, 0);
    EXPECT_EQ(texto(visita.get(), &IItemCotacaoWeb::get_DescricaoProduto), "Visita t\xe9" "cnica");
    visita->get_EhServico(&servico);
    EXPECT_EQ(servico, 1);
    EXPECT_EQ(texto(visita.get(), &IItemCotacaoWeb::get_UnMedida), "VS");
    EXPECT_EQ(texto(visita.get(), &IItemCotacaoWeb::get_Referencia), "");
    EXPECT_EQ(texto(c.get(), &ICotacaoWeb::get_NumeroCotacao), "1226-000003");
}

}  // namespace
