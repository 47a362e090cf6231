// The product position over the demo company: what each loader reads of the invoices and the
// purchasing side, the gates of the installed modules, what a failed part answers, and that every
// task-memory block the servers hand over is freed exactly once on every road.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "sales/CTW_FT_PosicaoProdutos.h"
#include "sales/fabricas.h"
#include "server/root/CQVHashTable.h"
#include "server/root/CQV_Inicializa.h"
#include "support/last_error.h"
#include "support/task_memory_counter.h"
#include "tests/server/holders_fixture.h"

using sales::CTW_FT_PosicaoProdutos;
using sales::filtro_posicao;

namespace {

constexpr HRESULT falha_servidor = static_cast<HRESULT>(0x80041234u);

class PosicaoProdutos : public holders_fixture {
protected:
    PosicaoProdutos() {
        for (const GUID* clsid : {&inhouse::CLSID_NotasFiscaisServer, &inhouse::CLSID_ComprasServer, &inhouse::CLSID_OrdensCompraServer,
                                  &inhouse::CLSID_CotacoesServer, &inhouse::CLSID_EstoqueServer, &inhouse::CLSID_FilialServer,
                                  &inhouse::CLSID_CondicoesPagamentoServer, &inhouse::CLSID_ProdutoServer,
                                  &inhouse::CLSID_LocaisArmazenagemServer, &inhouse::CLSID_MovimentoServer})
            factory(*clsid).object_faults().clear();
        modulos(1, 1, 1);
    }

    // The purchase side (byte 21), the stock (22) and the commercial module (25).
    void modulos(uint8_t compras, uint8_t estoque, uint8_t comercial) {
        m_sessao.TIPOS_VEVUREZE.fill(0);
        m_sessao.TIPOS_VEVUREZE[21] = compras;
        m_sessao.TIPOS_VEVUREZE[22] = estoque;
        m_sessao.TIPOS_VEVUREZE[25] = comercial;
    }
    inhouse::fault_plan& faults(REFCLSID clsid) { return factory(clsid).object_faults(); }
    void sql(const std::string& text) { store().db().exec(text); }

    // Coffee (product 201) of branch 1 in the retail table, every stock kind.
    static filtro_posicao cafe() {
        filtro_posicao f;
        f.codigo = "201";
        f.tabela = "1";
        f.filial = 1;
        f.ep = f.ept = f.etpe = true;
        return f;
    }
    static com::com_ptr<CTW_FT_PosicaoProdutos> cria(const filtro_posicao& f = cafe()) { return CTW_FT_PosicaoProdutos::Cria(f); }

    // A getter's text; "<nada>" when the out value was left as it was, "<falha>" when it failed.
    template <class F>
    static std::string le(F&& getter) {
        BSTR intacto = SysAllocString(L"<nada>");
        BSTR out = intacto;
        const HRESULT hr = getter(&out);
        std::string texto = FAILED(hr) ? "<falha>" : com::from_bstr(out);
        if (out != intacto) SysFreeString(out);
        SysFreeString(intacto);
        return texto;
    }
};

TEST_F(PosicaoProdutos, CafeDaDemo) {
    auto p = cria();
    EXPECT_EQ(le([&](BSTR* b) { return p->get_Codigo(b); }), "201");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_Nome(b); }), "Café torrado em grãos");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_CodTabPrecos(b); }), "1");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_TabPrecos(b); }), "Preços de varejo");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_PrecoVenda(b); }), "42,90");

    // The last invoice of the period with coffee: number 1234, two kilos among other items.
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NumeroNF(b); }), "001.234");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_DataEmissao(b); }), "20/11/26");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_Quantidade(b); }), "2,00");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_ValorUnitario(b); }), "39,20");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_ValorICMS(b); }), "7,06");   // 14,11 over 2
    EXPECT_EQ(le([&](BSTR* b) { return p->get_ValorIPI(b); }), "0,00");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_CFOP(b); }), "5.102");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_CondPagamento(b); }), "30/60/90 dias");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_FretePorConta(b); }), "Destinatário");

    // Quotation 1 (quotation 2 is cancelled); order 1 (30 kg) and order 2 (40 kg, 15 received).
    EXPECT_EQ(le([&](BSTR* b) { return p->get_QuantidadeCotacao(b); }), "50,00");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_QuantidadeOC(b); }), "55,00");
}

TEST_F(PosicaoProdutos, UltimasComprasDaMaisNovaParaTras) {
    auto p = cria();
    LONG quantidade = -1;
    ASSERT_EQ(p->get_QtdUltimasCompras(&quantidade), S_OK);
    // Purchase 5 is cancelled and purchase 4 is of branch 2: 3, 2 and 1 remain.
    ASSERT_EQ(quantidade, 3);
    const struct { LONG pos, campo; const char* texto; } casos[] = {
        {0, 1, "01/09/26"}, {0, 2, "02/09/26"}, {0, 3, "Distribuidora Paulista de Alimentos S.A."},
        {0, 5, "15,00"}, {0, 6, "26,00"},
        {1, 3, "Fornecedor Exemplo S.A."}, {1, 5, "10,00"}, {1, 6, "25,10"},
        {2, 5, "20,00"}, {2, 6, "24,50"},
        {3, 1, "<nada>"}, {0, 7, "<nada>"}, {0, 0, "<nada>"}, {-1, 1, "<nada>"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(le([&](BSTR* b) { return p->GetUltimaCompra(c.pos, c.campo, b); }), c.texto) << c.pos << "," << c.campo;
}

TEST_F(PosicaoProdutos, CincoLinhasNoMaximo) {
    // Seven matching items over three new purchases: the five newest rows.
    sql("INSERT INTO compra (empresa, chave, filial, fornecedor, emissao, entrada) VALUES"
        " ('DEMO', 10, 1, 5, '2026-11-10', '2026-11-10'), ('DEMO', 11, 1, 5, '2026-11-11', '2026-11-11'),"
        " ('DEMO', 12, 1, 22, '2026-11-12', '2026-11-12')");
    sql("INSERT INTO compra_item (empresa, compra, ordem, produto, quantidade, valor_unitario) VALUES"
        " ('DEMO', 10, 1, 8, 10000, 10000), ('DEMO', 10, 2, 8, 20000, 10000), ('DEMO', 10, 3, 8, 30000, 10000),"
        " ('DEMO', 11, 1, 8, 40000, 10000), ('DEMO', 11, 2, 8, 50000, 10000),"
        " ('DEMO', 12, 1, 8, 60000, 10000), ('DEMO', 12, 2, 8, 70000, 10000)");
    task_memory_counter memoria;
    {
        auto p = cria();
        ASSERT_EQ(p->UltimasCompras().size(), 5u);
        const int64_t esperadas[] = {60000, 70000, 40000, 50000, 10000};
        for (size_t n = 0; n < 5; ++n) EXPECT_EQ(p->UltimasCompras()[n].quantidade, esperadas[n]) << n;
    }
    EXPECT_EQ(memoria.outstanding(), 0u);
}

TEST_F(PosicaoProdutos, CadaBlocoLiberadoUmaVez) {
    const size_t ponteiros = com::wire_pointer_count();
    task_memory_counter memoria;
    {
        auto p = cria();
        for (int n = 0; n < 2; ++n) {
            le([&](BSTR* b) { return p->get_QuantidadeCotacao(b); });
            le([&](BSTR* b) { return p->get_QuantidadeOC(b); });
            le([&](BSTR* b) { return p->get_PrecoVenda(b); });
        }
    }
    EXPECT_GT(memoria.allocated(), 10u);
    EXPECT_EQ(memoria.outstanding(), 0u);
    EXPECT_EQ(com::wire_pointer_count(), ponteiros);
}

TEST_F(PosicaoProdutos, ProdutoInexistente) {
    filtro_posicao f = cafe();
    f.codigo = "NAOEXISTE";
    auto p = cria(f);
    EXPECT_EQ(le([&](BSTR* b) { return p->get_Codigo(b); }), "NAOEXISTE");
    BSTR preco = nullptr;
    EXPECT_EQ(p->get_PrecoVenda(&preco), DISP_E_EXCEPTION);
    EXPECT_EQ(preco, nullptr);
    EXPECT_EQ(last_error(), "Falha produto não informado ou produto zerado.");
    EXPECT_TRUE(p->UltimasCompras().empty());
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NumeroNF(b); }), "");
}

TEST_F(PosicaoProdutos, ModulosNaoInstaladosDeixamASaida) {
    modulos(0, 0, 0);
    auto p = cria();
    EXPECT_EQ(le([&](BSTR* b) { return p->get_SaldoTotal(b); }), "<nada>");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NumeroNF(b); }), "<nada>");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_QuantidadeOC(b); }), "<nada>");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_QuantidadeCotacao(b); }), "<nada>");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_LocalPadrao(b); }), "<nada>");
    EXPECT_EQ(faults(inhouse::CLSID_NotasFiscaisServer).count("BuscaNotas"), 0u);
    EXPECT_EQ(faults(inhouse::CLSID_ComprasServer).count("BuscaCompras"), 0u);
}

TEST_F(PosicaoProdutos, FilialZero) {
    filtro_posicao f = cafe();
    f.filial = 0;
    auto p = cria(f);
    EXPECT_EQ(le([&](BSTR* b) { return p->get_LocalMaiorEstoque(b); }), "<nada>");
    le([&](BSTR* b) { return p->get_QuantidadeCotacao(b); });
    le([&](BSTR* b) { return p->get_QuantidadeOC(b); });
    // The purchase and order filters carry no branch; the quotation filter carries branch 0.
    EXPECT_NE(faults(inhouse::CLSID_ComprasServer).calls("BuscaCompras").at(0).find("filiais=0"), std::string::npos);
    EXPECT_NE(faults(inhouse::CLSID_OrdensCompraServer).calls("BuscaOrdens").at(0).find("filiais=0"), std::string::npos);
    EXPECT_NE(faults(inhouse::CLSID_CotacoesServer).calls("BuscaCotacoes").at(0).find("filiais=1 0"), std::string::npos);
    // Branch 0 restricts nothing: purchase 4 of branch 2 is among the rows.
    EXPECT_EQ(p->UltimasCompras().size(), 4u);
}

TEST_F(PosicaoProdutos, NotaSemQuantidadeNaoDivide) {
    sql("INSERT INTO nota_fiscal (empresa, chave, numero, filial, emissao, condicao, frete) VALUES"
        " ('DEMO', 50, 5, 1, '2026-12-01', 3, 3)");
    sql("INSERT INTO nota_fiscal_item (empresa, nota, ordem, produto, quantidade, valor_unitario, valor_icms, valor_ipi)"
        " VALUES ('DEMO', 50, 1, 8, 0, 100000, 18000, 500)");
    auto p = cria();
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NumeroNF(b); }), "000005");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_ValorICMS(b); }), "");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_ValorIPI(b); }), "");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_Quantidade(b); }), "0");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_FretePorConta(b); }), "");
}

TEST_F(PosicaoProdutos, NotaSemOProduto) {
    // The newest invoice of the period lists coffee only under another grid combination.
    sql("INSERT INTO nota_fiscal (empresa, chave, numero, filial, emissao, condicao, frete) VALUES"
        " ('DEMO', 60, 7, 1, '2026-12-02', 1, 9)");
    sql("INSERT INTO nota_fiscal_item (empresa, nota, ordem, produto, item1, quantidade, valor_unitario)"
        " VALUES ('DEMO', 60, 1, 8, 3, 10000, 100000)");
    auto p = cria();
    EXPECT_EQ(le([&](BSTR* b) { return p->get_ValorUnitario(b); }), "");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_CFOP(b); }), "");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NumeroNF(b); }), "000007");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_CondPagamento(b); }), "À vista");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_FretePorConta(b); }), "Sem Frete");
}

// A part that fails never reads as loaded: its getters answer the failure; the other parts stay
// readable, and the blocks already handed over are freed.
TEST_F(PosicaoProdutos, PartesComFalha) {
    struct caso {
        const char* nome;
        GUID servidor;
        const char* metodo;
        const char* texto;
        HRESULT (STDMETHODCALLTYPE CTW_FT_PosicaoProdutos::*getter)(BSTR*) noexcept;
    };
    const caso casos[] = {
        {"busca de notas", inhouse::CLSID_NotasFiscaisServer, "BuscaNotas", "Falha ao buscar notas fiscais.", &CTW_FT_PosicaoProdutos::get_NumeroNF},
        {"leitura da nota", inhouse::CLSID_NotasFiscaisServer, "LeNota", "Falha ao buscar nota fiscal.", &CTW_FT_PosicaoProdutos::get_CFOP},
        {"saldo", inhouse::CLSID_EstoqueServer, "Saldo", "Falha ao carregar Saldo.", &CTW_FT_PosicaoProdutos::get_SaldoTotal},
        {"unidade", inhouse::CLSID_ProdutoServer, "LeUnidadeProduto", "Falha ao carregar Unidade de medida.", &CTW_FT_PosicaoProdutos::get_CustoMedio},
        {"busca de cotações", inhouse::CLSID_CotacoesServer, "BuscaCotacoes", "Falha ao carregar dados da nova cotação.", &CTW_FT_PosicaoProdutos::get_QuantidadeCotacao},
        {"leitura de cotações", inhouse::CLSID_CotacoesServer, "LeCotacoes", "Falha ao carregar lista de cotações.", &CTW_FT_PosicaoProdutos::get_QuantidadeCotacao},
        {"busca de ordens", inhouse::CLSID_OrdensCompraServer, "BuscaOrdens", "Falha ao carregar ordens de compra.", &CTW_FT_PosicaoProdutos::get_QuantidadeOC},
        {"leitura de ordens", inhouse::CLSID_OrdensCompraServer, "LeOrdens", "Falha ao carregar ordens de compra.", &CTW_FT_PosicaoProdutos::get_QuantidadeOC},
        {"atendimentos", inhouse::CLSID_ComprasServer, "Atendimentos", "Falha ao carregar ordens de compra.", &CTW_FT_PosicaoProdutos::get_QuantidadeOC},
        {"preço", inhouse::CLSID_ProdutoServer, "ItensPreco", "Falha ao carregar itens da tabela de preço.", &CTW_FT_PosicaoProdutos::get_PrecoVenda},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        task_memory_counter memoria;
        {
            faults(c.servidor).answer(c.metodo, {falha_servidor});
            auto p = cria();
            BSTR texto = nullptr;
            EXPECT_EQ((p.get()->*c.getter)(&texto), falha_servidor);
            EXPECT_EQ(texto, nullptr);
            EXPECT_EQ(last_error(), c.texto);
            EXPECT_EQ(le([&](BSTR* b) { return p->get_Codigo(b); }), "201");
            faults(c.servidor).clear();
        }
        EXPECT_EQ(memoria.outstanding(), 0u);
    }
}

TEST_F(PosicaoProdutos, FalhaNasUltimasComprasNaoDeixaLinhas) {
    const char* metodos[] = {"BuscaCompras", "SituacaoCompra", "LeCompra"};
    for (const char* metodo : metodos) {
        SCOPED_TRACE(metodo);
        task_memory_counter memoria;
        {
            faults(inhouse::CLSID_ComprasServer).answer(metodo, {S_OK, falha_servidor});
            if (std::string(metodo) == "BuscaCompras") {
                faults(inhouse::CLSID_ComprasServer).clear();
                faults(inhouse::CLSID_ComprasServer).answer(metodo, {falha_servidor});
            }
            auto p = cria();
            LONG quantidade = 9;
            EXPECT_EQ(p->get_QtdUltimasCompras(&quantidade), falha_servidor);
            EXPECT_EQ(last_error(), "Falha ao carregar últimas compras.");
            BSTR texto = nullptr;
            EXPECT_EQ(p->GetUltimaCompra(0, 1, &texto), falha_servidor);
            EXPECT_EQ(texto, nullptr);
            faults(inhouse::CLSID_ComprasServer).clear();
        }
        EXPECT_EQ(memoria.outstanding(), 0u);
    }
}

TEST_F(PosicaoProdutos, SemPeriodoNaoHaPosicao) {
    faults(inhouse::CLSID_FilialServer).answer("LePeriodo", {falha_servidor});
    EXPECT_THROW(cria(), com::failure);
}

TEST_F(PosicaoProdutos, FiltroDoCliente) {
    const sales::filtro_posicao f = sales::LeFiltroPosicao(
        {{"CODIGO", "101"}, {"GRADE1", "M"}, {"GRADE2", "AZ"}, {"TABPRECOS", "1"}, {"FILIAL", "2"}, {"EP", "v"}, {"EPT", "V"}});
    EXPECT_EQ(f.codigo, "101");
    EXPECT_EQ(f.grade1, "M");
    EXPECT_EQ(f.grade3, "");
    EXPECT_EQ(f.filial, 2);
    EXPECT_FALSE(f.ep);   // only an upper-case V
    EXPECT_TRUE(f.ept);
    EXPECT_FALSE(f.etpe);
}

TEST_F(PosicaoProdutos, PelaRaizComGrade) {
    sales::registra_fabricas();
    auto raiz = com::make<server::CQV_Inicializa>();
    auto tabela = com::make<server::CQVHashTable>();
    const auto poe = [&](const char* chave, const char* valor) {
        tabela->SetAt(com::to_bstr(std::string(chave)).get(), com::to_bstr(std::string(valor)).get());
    };
    poe("CODIGO", "101");
    poe("GRADE1", "M");
    poe("GRADE2", "AZ");
    poe("TABPRECOS", "1");
    poe("FILIAL", "1");
    ITW_FT_PosicaoProdutos* posicao = nullptr;
    ASSERT_EQ(raiz->TW_FT_PosicaoProdutos(tabela.get(), &posicao), S_OK);
    com::com_ptr<ITW_FT_PosicaoProdutos> dono = com::com_ptr<ITW_FT_PosicaoProdutos>::attach(posicao);
    EXPECT_EQ(le([&](BSTR* b) { return posicao->get_Nome(b); }), "Camiseta de algodão - Médio - Azul");
    EXPECT_EQ(le([&](BSTR* b) { return posicao->get_QuantidadeOC(b); }), "6,00");
    EXPECT_EQ(le([&](BSTR* b) { return posicao->get_QuantidadeCotacao(b); }), "8,00");
    EXPECT_EQ(le([&](BSTR* b) { return posicao->get_NumeroNF(b); }), "001.234");
    EXPECT_EQ(le([&](BSTR* b) { return posicao->get_ValorIPI(b); }), "2,50");   // 7,49 over 3

    ITW_FT_PosicaoProdutos* nulo = reinterpret_cast<ITW_FT_PosicaoProdutos*>(0x1234);
    faults(inhouse::CLSID_FilialServer).answer("LePeriodo", {falha_servidor});
    EXPECT_EQ(raiz->TW_FT_PosicaoProdutos(tabela.get(), &nulo), falha_servidor);
    EXPECT_EQ(nulo, nullptr);
    EXPECT_EQ(last_error(), "Falha ao carregar período da filial.");
}

}  // namespace

// The coffee's default place in branch 1 is the São Paulo shop; most of it lies in the warehouse.
TEST_F(PosicaoProdutos, LocaisDoCafe) {
    auto p = cria();
    EXPECT_EQ(le([&](BSTR* b) { return p->get_LocalPadrao(b); }), "LOJA-SP");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NomeLocalPadrao(b); }), "Loja São Paulo");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_LocalMaiorEstoque(b); }), "DEP-SP");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NomeLocalMaiorEstoque(b); }), "Depósito São Paulo");
    // The balances of every stock kind of the product key and branch, per place.
    const auto chamadas = factory(inhouse::CLSID_MovimentoServer).object_faults().calls("QuantidadeSaldosLocais");
    ASSERT_FALSE(chamadas.empty());
    EXPECT_EQ(chamadas.back(), "produto=8 itens=0,0,0 filial=1 tipos=7 opcao=5 zero=0");
}

// The place of the largest balance: the first of equal balances, unless a later one is the
// default place; no positive balance names no place.
TEST_F(PosicaoProdutos, LocalDeMaiorEstoque) {
    struct caso {
        const char* saldos;   // (place, quantity) rows of product 201 in branch 1
        int padrao;
        const char* esperado;
    } casos[] = {
        {"(3, '10'), (1, '10'), (2, '4')", 1, "DEP-SP"},
        {"(3, '10'), (4, '10'), (1, '2')", 1, "DEP-RJ"},
        {"(3, '10'), (4, '10'), (1, '2')", 4, "LOJA-RJ"},
        {"(1, '0'), (2, '-3')", 2, ""},
        {"(5, '0.0001')", 1, "CONSIG"},
    };
    for (const auto& c : casos) {
        sql("DELETE FROM estoque_saldo WHERE produto = 8 AND filial = 1");
        sql(std::string("INSERT INTO estoque_saldo (empresa, produto, filial, local, tipo, quantidade) SELECT 'DEMO', 8, 1, column1, 1,"
                        " column2 FROM (VALUES ") + c.saldos + ")");
        sql("UPDATE produto_local_padrao SET local = " + std::to_string(c.padrao) + " WHERE produto = 8 AND filial = 1");
        auto p = cria();
        EXPECT_EQ(le([&](BSTR* b) { return p->get_LocalMaiorEstoque(b); }), c.esperado) << c.saldos << " " << c.padrao;
        if (!*c.esperado) {
            EXPECT_EQ(le([&](BSTR* b) { return p->get_NomeLocalMaiorEstoque(b); }), "");
        }
    }
}

// A product without a default place in the branch has none; a failed read fails the getter.
TEST_F(PosicaoProdutos, LocalPadraoAusenteOuFalho) {
    sql("DELETE FROM produto_local_padrao WHERE produto = 8");
    auto p = cria();
    EXPECT_EQ(le([&](BSTR* b) { return p->get_LocalPadrao(b); }), "");
    EXPECT_EQ(le([&](BSTR* b) { return p->get_NomeLocalPadrao(b); }), "");
    factory(inhouse::CLSID_MovimentoServer).object_faults().answer("QuantidadeSaldosLocais", {falha_servidor});
    EXPECT_EQ(le([&](BSTR* b) { return p->get_LocalMaiorEstoque(b); }), "<falha>");
    EXPECT_EQ(last_error(), "Falha ao carregar local de armazenagem.");
}
