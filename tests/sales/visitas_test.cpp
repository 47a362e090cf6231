// Visit scheduling over the demo company's visits: the list and visit objects of the root's
// factories, and the earlier visit schedule of FT_AgendamentoVisitas.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cache/registros_visita.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "server/root/CQVHashTable.h"
#include "support/task_memory_counter.h"
#include "tests/server/raiz_fixture.h"

namespace {

using com::to_bstr;

class Visitas : public raiz_fixture {
protected:
    Visitas() { raiz = regional(); }

    com::com_ptr<ITW_FT_AgendamentosVisitas> lista() {
        com::com_ptr<ITW_FT_AgendamentosVisitas> l;
        EXPECT_EQ(raiz->TW_FT_AgendamentosVisitas(l.put()), S_OK);
        return l;
    }
    LONG busca(ITW_FT_AgendamentosVisitas* l, const char* dia) {
        LONG n = -1;
        EXPECT_EQ(l->BuscaQuantidadeAgendamentosVisitas(to_bstr(std::string(dia)).get(), &n), S_OK);
        return n;
    }
    com::com_ptr<ITW_FT_AgendamentoVisita> le(ITW_FT_AgendamentosVisitas* l, LONG i) {
        com::com_ptr<ITW_FT_AgendamentoVisita> v;
        EXPECT_EQ(l->LeAgendamentoVisita(i, v.put()), S_OK);
        return v;
    }
    template <class I>
    static std::string texto(I* objeto, HRESULT (STDMETHODCALLTYPE I::*get)(BSTR*)) {
        BSTR t = nullptr;
        EXPECT_EQ((objeto->*get)(&t), S_OK);
        com::unique_bstr dono(t);
        return com::from_bstr(t);
    }
    template <class I>
    static std::string texto(I* objeto, HRESULT (STDMETHODCALLTYPE I::*get)(LONG, BSTR*), LONG p) {
        BSTR t = nullptr;
        EXPECT_EQ((objeto->*get)(p, &t), S_OK);
        com::unique_bstr dono(t);
        return com::from_bstr(t);
    }
    inhouse::fault_plan& visitas() { return servidor(inhouse::CLSID_AgendamentosServer); }
    std::string coluna(const char* nome, int posicao) {
        auto q = store().prepare(std::string("SELECT ") + nome + " FROM agendamento_visita WHERE posicao = ?");
        q.bind(1, posicao);
        return q.step() ? q.column_text(0) : std::string("?");
    }

    com::com_ptr<server::CQV_Inicializa> raiz;
};

TEST_F(Visitas, TheSearchCarriesTheClientsDayAndTheRepresentative) {
    auto l = lista();
    EXPECT_EQ(busca(l.get(), "14/12/2026"), 1);
    ASSERT_EQ(l->SetIntervalo(to_bstr(std::string("14/12/26")).get(), to_bstr(std::string("18/12/2026")).get()), S_OK);
    EXPECT_EQ(busca(l.get(), "15/12/2026"), 3);
    EXPECT_EQ(visitas().calls("BuscaAgendamentos"),
              (std::vector<std::string>{"representante=9001 intervalo=.. filtro=2026-12-14..2026-12-14",
                                        "representante=9001 intervalo=2026-12-14..2026-12-18 filtro=2026-12-15..2026-12-15"}));
    // In the order of their days: the visit rescheduled to the 18th comes last.
    EXPECT_EQ(texto(le(l.get(), 0).get(), &ITW_FT_AgendamentoVisita::GetData), "14/12/26");
    EXPECT_EQ(texto(le(l.get(), 2).get(), &ITW_FT_AgendamentoVisita::GetData), "18/12/26");
}

TEST_F(Visitas, AVisitsAnswers) {
    auto l = lista();
    l->SetIntervalo(to_bstr(std::string("14/12/2026")).get(), to_bstr(std::string("18/12/2026")).get());
    ASSERT_EQ(busca(l.get(), "14/12/2026"), 3);
    using I = ITW_FT_AgendamentoVisita;
    auto feita = le(l.get(), 1);      // position 3: a sale
    auto reagendada = le(l.get(), 2); // position 2: rescheduled
    EXPECT_EQ(texto(feita.get(), &I::GetNrAgendamento), "1226-000003");
    EXPECT_EQ(texto(feita.get(), &I::GetValorVenda), "1.234,50");
    EXPECT_EQ(texto(feita.get(), &I::GetAtendidoPor), "Jo\xe3o Pereira");
    EXPECT_EQ(texto(feita.get(), &I::GetObservacoesAgendamento), "Levar amostras");
    EXPECT_EQ(texto(feita.get(), &I::GetObservacoesVisita), "Pedido fechado");
    EXPECT_EQ(texto(feita.get(), &I::GetReagendadaPara), "");
    LONG cliente = 0, situacao = -1;
    VARIANT_BOOL venda = 7;
    SHORT periodo = 0, util = 0;
    feita->GetCliente(&cliente);
    feita->GetSituacaoVisita(&situacao);
    feita->GetVendaEfetuada(&venda);
    feita->GetTipoPeriodo(&periodo);
    feita->GetConsiderarDiaUtil(&util);
    EXPECT_EQ(cliente, 2);
    EXPECT_EQ(situacao, 1);
    EXPECT_EQ(venda, VARIANT_TRUE);
    EXPECT_EQ(periodo, 1);
    EXPECT_EQ(util, 1);
    // Situation 3 shows the new day; without a sale the value is "0,00" whatever is stored.
    EXPECT_EQ(texto(reagendada.get(), &I::GetData), "18/12/26");
    EXPECT_EQ(texto(reagendada.get(), &I::GetReagendadaPara), "18/12/26");
    reagendada->SetValorVenda(to_bstr(std::string("99,90")).get());
    EXPECT_EQ(texto(reagendada.get(), &I::GetValorVenda), "0,00");
    reagendada->SetSituacaoVisita(0);
    EXPECT_EQ(texto(reagendada.get(), &I::GetData), "15/12/26");
}

TEST_F(Visitas, AnIndexOutsideTheAnswerIsRefused) {
    auto l = lista();
    ASSERT_EQ(busca(l.get(), "14/12/2026"), 1);
    for (LONG i : {-1L, 1L}) {
        auto* lixo = reinterpret_cast<ITW_FT_AgendamentoVisita*>(0x1234);
        EXPECT_EQ(l->LeAgendamentoVisita(i, &lixo), DISP_E_EXCEPTION) << i;
        EXPECT_EQ(lixo, nullptr);
        EXPECT_EQ(last_error(), "Falha ao ler agendamento(posi\xe7\xe3o inv\xe1lida)");
    }
    EXPECT_EQ(l->GravarDadosVisita(1, le(l.get(), 0).get()), DISP_E_EXCEPTION);
    EXPECT_EQ(visitas().count("GravaAgendamento"), 0u);
}

TEST_F(Visitas, SettersCutAndFlagsReadBackAsTrue) {
    com::com_ptr<ITW_FT_AgendamentoVisita> v;
    ASSERT_EQ(raiz->TW_FT_AgendamentoVisita(v.put()), S_OK);
    using I = ITW_FT_AgendamentoVisita;
    v->SetAtendidoPor(to_bstr(std::string(60, 'a')).get());
    EXPECT_EQ(texto(v.get(), &I::GetAtendidoPor), std::string(51, 'a'));
    v->SetObsVisita(to_bstr(std::string(600, 'o')).get());
    EXPECT_EQ(texto(v.get(), &I::GetObservacoesVisita), std::string(501, 'o'));
    VARIANT_BOOL recalcular = 0;
    v->SetRecalcularAgendamento(VARIANT_TRUE);
    v->GetRecalcularProximosReagendamentos(&recalcular);
    EXPECT_EQ(recalcular, VARIANT_TRUE);
    v->SetReagendadoPara(to_bstr(std::string("05/01/27")).get());
    EXPECT_EQ(texto(v.get(), &I::GetReagendadaPara), "05/01/27");
    EXPECT_EQ(v->SetReagendadoPara(to_bstr(std::string("32/13/2026")).get()), E_INVALIDARG);
}

TEST_F(Visitas, SavingTakesTheResultsFromTheVisitObject) {
    auto l = lista();
    ASSERT_EQ(busca(l.get(), "14/12/2026"), 1);
    auto v = le(l.get(), 0);
    v->SetSituacaoVisita(3);
    v->SetAtendidoPor(to_bstr(std::string("Sr. Jo\xe3o")).get());
    v->SetReagendadoPara(to_bstr(std::string("21/12/2026")).get());
    v->SetRecalcularAgendamento(VARIANT_TRUE);
    v->SetVendaEfetuada(VARIANT_TRUE);
    v->SetValorVenda(to_bstr(std::string("1.500,25")).get());
    v->SetObsVisita(to_bstr(std::string("Remarcar")).get());
    ASSERT_EQ(l->GravarDadosVisita(0, v.get()), S_OK);
    EXPECT_EQ(visitas().calls("GravaAgendamento"),
              (std::vector<std::string>{"posicao=1 situacao=3 atendido=Sr. Jo\xe3o reagendada=2026-12-21 recalcular=1 "
                                        "venda=1 valor=15002500 obs=Remarcar"}));
    EXPECT_EQ(coluna("data_reagendada", 1), "2026-12-21");
    EXPECT_EQ(coluna("valor_venda", 1), "15002500");
}

TEST_F(Visitas, AFailedSaveIsAFailure) {
    auto l = lista();
    ASSERT_EQ(busca(l.get(), "14/12/2026"), 1);
    auto v = le(l.get(), 0);
    visitas().answer("GravaAgendamento", {E_FAIL});
    EXPECT_EQ(l->GravarDadosVisita(0, v.get()), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao gravar agendamento de visita.");
    visitas().answer("BuscaAgendamentos", {E_ACCESSDENIED});
    LONG n = 7;
    EXPECT_EQ(l->BuscaQuantidadeAgendamentosVisitas(to_bstr(std::string("14/12/2026")).get(), &n), E_ACCESSDENIED);
    EXPECT_EQ(n, 0);
}

TEST_F(Visitas, TheServersBlocksAreFreed) {
    auto l = lista();
    l->SetIntervalo(to_bstr(std::string("14/12/2026")).get(), to_bstr(std::string("18/12/2026")).get());
    busca(l.get(), "14/12/2026");   // the cache's server is made before counting
    task_memory_counter contador;
    const size_t identificadores = com::wire_pointer_count();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(busca(l.get(), "14/12/2026"), 3);
    le(l.get(), 0);
    EXPECT_EQ(contador.outstanding(), 0u);
    EXPECT_EQ(com::wire_pointer_count(), identificadores);
}

// The earlier visit schedule.
class AgendaVisitas : public Visitas {
protected:
    com::com_ptr<IAgendamentoVisitas> agenda() {
        com::com_ptr<IAgendamentoVisitas> a;
        EXPECT_EQ(raiz->FT_AgendamentoVisitas(a.put()), S_OK);
        return a;
    }
    static com::com_ptr<server::CQVHashTable> tabela(std::initializer_list<std::pair<const char*, std::string>> valores) {
        auto t = com::make<server::CQVHashTable>();
        for (const auto& [chave, valor] : valores) t->SetAt(to_bstr(std::string(chave)).get(), to_bstr(valor).get());
        return t;
    }
};

TEST_F(AgendaVisitas, TheSearchSendsTheDayInBothFilterFields) {
    auto a = agenda();
    ASSERT_TRUE(a);
    a->SetRepresentante(9001);
    LONG n = -1;
    ASSERT_EQ(a->GetQtdeAgendamentos(to_bstr(std::string("16/12/2026")).get(), &n), S_OK);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(visitas().calls("BuscaAgendamentos"),
              (std::vector<std::string>{"representante=9001 intervalo=.. filtro=2026-12-16..2026-12-16"}));
    LONG ponteiro = 0;
    ASSERT_EQ(a->GetPonteiro(0, &ponteiro), S_OK);
    EXPECT_EQ(ponteiro, 3);
    EXPECT_EQ(a->GetPonteiro(1, &ponteiro), E_INVALIDARG);
    EXPECT_EQ(ponteiro, 0);
    // Two getters of one visit read it once; 1, not -1, for a sale.
    SHORT venda = 0;
    EXPECT_EQ(texto(a.get(), &IAgendamentoVisitas::GetValorVenda, 3), "1.234,50");
    a->GetVendaEfetuada(3, &venda);
    EXPECT_EQ(venda, 1);
    EXPECT_EQ(visitas().count("LeAgendamento"), 1u);
    EXPECT_EQ(texto(a.get(), &IAgendamentoVisitas::GetNrAgendamento, 1), "1226-000001");
    EXPECT_EQ(visitas().count("LeAgendamento"), 2u);
}

TEST_F(AgendaVisitas, CountsTheVisitsNotDone) {
    auto a = agenda();
    a->SetIntervalo(to_bstr(std::string("14/12/2026")).get(), to_bstr(std::string("18/12/2026")).get());
    a->SetRepresentante(9001);
    LONG n = 0;
    ASSERT_EQ(a->GetQtdeAgendamentos(to_bstr(std::string("14/12/2026")).get(), &n), S_OK);
    EXPECT_EQ(n, 3);
    ASSERT_EQ(a->GetQtdeAgendamentosNaoEfetuados(&n), S_OK);
    EXPECT_EQ(n, 1);
}

TEST_F(AgendaVisitas, RecordsTheResultsOfTheHashTable) {
    auto a = agenda();
    struct caso {
        const char* recalcular;
        const char* esperado;
    };
    for (const caso& c : {caso{"S", "0"}, caso{"1", "0"}, caso{"on", "1"}}) {
        auto t = tabela({{"SITUACAOVISITA", "1"}, {"ATENDIDOPOR", std::string(70, 'x')}, {"REAGENDADA", "20/12/2026"},
                         {"RECALCULAR", c.recalcular}, {"SITUACAOVENDA", "1"}, {"VALORVENDA", "10,5"},
                         {"OBSERVACOES", "ok"}});
        LONG resultado = 0;
        ASSERT_EQ(a->AlteraAgendamento(1, t.get(), &resultado), S_OK) << c.recalcular;
        EXPECT_EQ(resultado, 1);
        EXPECT_EQ(coluna("recalcular", 1), c.esperado) << c.recalcular;
    }
    EXPECT_EQ(coluna("atendido_por", 1), std::string(51, 'x'));
    EXPECT_EQ(coluna("data_reagendada", 1), "2026-12-20");
    EXPECT_EQ(coluna("valor_venda", 1), "105000");
    EXPECT_EQ(coluna("venda", 1), "1");
}

TEST_F(AgendaVisitas, AMissingKeyStoresAnEmptyText) {
    auto a = agenda();
    // Visit 2 was attended by Maria; the page sends no attended-by nor observation.
    auto t = tabela({{"SITUACAOVISITA", "1"}, {"SITUACAOVENDA", "1"}});
    LONG resultado = 0;
    ASSERT_EQ(a->AlteraAgendamento(2, t.get(), &resultado), S_OK);
    EXPECT_EQ(coluna("atendido_por", 2), "");
    EXPECT_EQ(coluna("obs_visita", 2), "");
    EXPECT_EQ(coluna("data_reagendada", 2), "");
    EXPECT_EQ(coluna("situacao", 2), "1");
}

TEST_F(AgendaVisitas, FailuresAreReported) {
    auto a = agenda();
    visitas().answer("LeAgendamento", {E_FAIL});
    BSTR t = nullptr;
    EXPECT_EQ(a->GetData(1, &t), E_FAIL);
    EXPECT_EQ(t, nullptr);
    EXPECT_EQ(a->GetData(99, &t), inhouse::QV_E_VISITA_DESCONHECIDA);
    visitas().answer("GravaAgendamento", {E_FAIL});
    LONG resultado = 5;
    auto h = tabela({});
    EXPECT_EQ(a->AlteraAgendamento(1, h.get(), &resultado), E_FAIL);
    EXPECT_EQ(resultado, 0);
}

TEST_F(AgendaVisitas, AFailedCreationIsReported) {
    criacao(inhouse::CLSID_AgendamentosServer).answer("CreateInstance", {E_ACCESSDENIED});
    auto* lixo = reinterpret_cast<IAgendamentoVisitas*>(0x1234);
    EXPECT_EQ(raiz->FT_AgendamentoVisitas(&lixo), static_cast<HRESULT>(0x8004065F));
    EXPECT_EQ(lixo, nullptr);
    EXPECT_EQ(last_error(), "Falha ao instanciar agendamentos de visitas.");
    servidor(inhouse::CLSID_AgendamentosServer).answer("Inicializa", {E_FAIL});
    EXPECT_EQ(raiz->FT_AgendamentoVisitas(&lixo), static_cast<HRESULT>(0x8004065F));
}

}  // namespace
