// The root object's factories while no module class is built: every one answers as a failed
// creation, for script clients (IDispatch) and compiled ones (the vtable) alike; the members not
// built yet answer E_NOTIMPL with their out values emptied.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "server/root/CQV_Inicializa.h"
#include "support/last_error.h"

namespace {

using server::CQV_Inicializa;

const std::string falha_criar = "Falha ao criar objeto.";

struct resposta_invoke {
    HRESULT hr;        // what the client's call gives: the method's code or DISP_E_EXCEPTION
    HRESULT scode;     // the method's code as the exception carries it
    std::string texto;
    VARTYPE vt;        // the type of the result the client receives
};

// A method without arguments called by name, as a script client calls it.
resposta_invoke chama(IDispatch* object, const wchar_t* name) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0, &id); FAILED(hr)) return {hr, hr, {}, VT_EMPTY};
    DISPPARAMS params{};
    com::unique_variant result;
    EXCEPINFO excep{};
    UINT arg_err = 0;
    SetErrorInfo(0, nullptr);
    const HRESULT hr = object->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.get(), &excep, &arg_err);
    resposta_invoke r{hr, hr, last_error(), V_VT(result.get())};
    if (hr == DISP_E_EXCEPTION) {
        r.scode = excep.scode;
        if (excep.bstrDescription) r.texto = com::from_bstr(excep.bstrDescription);
    }
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    return r;
}

TEST(Fabricas, EveryFactoryAnswersAFailedCreationToScriptClients) {
    // Factories of classes not built: one of the first ones, the last one, the ones around the
    // product position's slot, and one between them.
    const wchar_t* fabricas[] = {L"TW_CN_RelatorioBalancete", L"TW_CN_RelatorioRazao", L"TW_CN_FiltroLancamentos",
                                 L"TW_GE_Atendimento"};
    auto root = com::make<CQV_Inicializa>();
    com::com_ptr<IDispatch> dispatch;
    ASSERT_EQ(root->QueryInterface(IID_IDispatch, dispatch.put_void()), S_OK);
    for (const wchar_t* nome : fabricas) {
        SCOPED_TRACE(com::ansi_to_utf8(com::to_ansi(nome)));
        const auto r = chama(dispatch.get(), nome);
        EXPECT_TRUE(r.hr == E_NOTIMPL || r.hr == DISP_E_EXCEPTION) << std::hex << r.hr;
        EXPECT_EQ(r.scode, E_NOTIMPL);
        EXPECT_EQ(r.texto, falha_criar);
        EXPECT_TRUE(r.vt == VT_EMPTY || r.vt == VT_DISPATCH) << r.vt;
    }
}

TEST(Fabricas, TheVtableGivesANullObjectAndTheTextOfTheFailedCreation) {
    auto root = com::make<CQV_Inicializa>();
    auto* lixo = reinterpret_cast<ITW_CN_RelatorioRazao*>(0x1234);
    ITW_CN_RelatorioRazao* razao = lixo;
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(root->TW_CN_RelatorioRazao(&razao), E_NOTIMPL);
    EXPECT_EQ(razao, nullptr);
    EXPECT_EQ(last_error(), falha_criar);

    IFiltroLancamento* filtro = reinterpret_cast<IFiltroLancamento*>(0x1234);
    EXPECT_EQ(root->TW_CN_FiltroLancamentos(&filtro), E_NOTIMPL);
    EXPECT_EQ(filtro, nullptr);

    EXPECT_EQ(root->TW_GE_Atendimento(nullptr), E_POINTER);
}

TEST(Fabricas, MembersNotBuiltAnswerNotImplementedWithTheirOutValuesEmptied) {
    auto root = com::make<CQV_Inicializa>();
    const std::string nao_disponivel = "Função ainda não disponível.";

    auto* conexao = reinterpret_cast<IWebGE_ConexaoAtTec*>(0x1234);
    EXPECT_EQ(root->get_ConexaoAtTec(&conexao), E_NOTIMPL);
    EXPECT_EQ(conexao, nullptr);
    EXPECT_EQ(last_error(), nao_disponivel);

    BSTR relatorio = SysAllocString(L"antes");
    BSTR antes = relatorio;
    EXPECT_EQ(root->FN_FluxoCaixaRel(nullptr, &relatorio), E_NOTIMPL);
    EXPECT_EQ(relatorio, nullptr);
    SysFreeString(antes);     // the caller's own text; the member never owned it
}

}  // namespace
