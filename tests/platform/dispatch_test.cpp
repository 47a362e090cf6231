#include <gtest/gtest.h>

#include "e2e/sonda/Sonda.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace {

// Calls a method by name through IDispatch with the arguments as VBScript passes them.
HRESULT call(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args_last_first,
             EXCEPINFO* excep = nullptr) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0, &id); FAILED(hr)) return hr;
    DISPPARAMS params{args_last_first.data(), nullptr, static_cast<UINT>(args_last_first.size()), 0};
    com::unique_variant result;
    EXCEPINFO local{};
    UINT arg_err = 0;
    return object->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.get(), excep ? excep : &local,
                          &arg_err);
}

VARIANT by_ref(VARIANT* target) {
    VARIANT v;
    V_VT(&v) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&v) = target;
    return v;
}

com::com_ptr<IDispatch> sonda() {
    auto object = com::make<teste::Sonda>();
    com::com_ptr<IDispatch> dispatch;
    object->QueryInterface(IID_IDispatch, dispatch.put_void());
    return dispatch;
}

TEST(Dispatch, ByReferenceVariantsReachTypedPointersAndComeBack) {
    auto s = sonda();
    struct int_case { VARTYPE vt; LONG in; LONG out; };
    for (const auto& c : {int_case{VT_I2, 21, 42}, int_case{VT_I4, -7, -14}, int_case{VT_R8, 5, 10}}) {
        SCOPED_TRACE(c.vt);
        com::unique_variant n;
        V_VT(n.get()) = c.vt;
        if (c.vt == VT_I2) V_I2(n.get()) = static_cast<SHORT>(c.in);
        else if (c.vt == VT_I4) V_I4(n.get()) = c.in;
        else V_R8(n.get()) = c.in;
        ASSERT_EQ(call(s.get(), L"Dobra", {by_ref(n.get())}), S_OK);
        EXPECT_EQ(V_VT(n.get()), VT_I4);   // scripts understand I4, not INT
        EXPECT_EQ(V_I4(n.get()), c.out);
    }

    com::unique_variant nome;
    V_VT(nome.get()) = VT_BSTR;
    V_BSTR(nome.get()) = com::to_bstr("Ana").release();
    ASSERT_EQ(call(s.get(), L"Saudacao", {by_ref(nome.get())}), S_OK);
    ASSERT_EQ(V_VT(nome.get()), VT_BSTR);
    EXPECT_EQ(com::from_bstr(V_BSTR(nome.get())), "Olá, Ana");
}

TEST(Dispatch, OutOnlyArgumentsStartEmptyAndAreFilled) {
    auto s = sonda();
    com::unique_variant contagem, texto;   // VT_EMPTY, as a fresh script variable
    ASSERT_EQ(call(s.get(), L"Conta", {by_ref(texto.get()), by_ref(contagem.get())}), S_OK);
    EXPECT_EQ(V_VT(contagem.get()), VT_I4);
    EXPECT_EQ(V_I4(contagem.get()), 3);
    ASSERT_EQ(V_VT(texto.get()), VT_BSTR);
    EXPECT_EQ(com::from_bstr(V_BSTR(texto.get())), "três");
}

TEST(Dispatch, AnArgumentThatCannotBeConvertedIsATypeMismatchAndStaysAsItWas) {
    auto s = sonda();
    com::unique_variant n;
    V_VT(n.get()) = VT_BSTR;
    V_BSTR(n.get()) = com::to_bstr("não é número").release();
    EXPECT_EQ(call(s.get(), L"Dobra", {by_ref(n.get())}), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(V_VT(n.get()), VT_BSTR);
    EXPECT_EQ(com::from_bstr(V_BSTR(n.get())), "não é número");
}

// A variable that cannot hold the typed result (Null, an array, an object) is refused before the
// method runs, and it keeps what it held: a method that was never called writes nothing back.
TEST(Dispatch, AResultVariableThatCannotTakeTheResultIsRefusedAndLeftAsItWas) {
    auto s = sonda();
    struct row { const char* what; VARTYPE vt; };
    for (const auto& r : {row{"Null", VT_NULL}, row{"array", VT_ARRAY | VT_VARIANT}, row{"object", VT_DISPATCH}}) {
        SCOPED_TRACE(r.what);
        com::unique_variant held, texto;
        V_VT(held.get()) = r.vt;
        if (r.vt == VT_DISPATCH) s->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&V_DISPATCH(held.get())));
        if (r.vt & VT_ARRAY) V_ARRAY(held.get()) = SafeArrayCreateVector(VT_VARIANT, 0, 2);
        V_VT(texto.get()) = VT_I4;
        V_I4(texto.get()) = 77;
        // Conta's first parameter is out-only; Dobra's is in-out.
        EXPECT_EQ(call(s.get(), L"Conta", {by_ref(texto.get()), by_ref(held.get())}), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(V_VT(held.get()), r.vt);
        EXPECT_EQ(V_VT(texto.get()), VT_I4);   // the other argument is not written either
        EXPECT_EQ(V_I4(texto.get()), 77);
        EXPECT_EQ(call(s.get(), L"Dobra", {by_ref(held.get())}), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(V_VT(held.get()), r.vt);
    }
}

TEST(Dispatch, ErrorsReachTheCallerWithTheRootObjectAsSource) {
    auto s = sonda();
    struct error_case { LONG hr; const char* text; HRESULT expected; };
    for (const auto& c : {error_case{static_cast<LONG>(0x800706BA), "Erro ao gravar Pedido.", static_cast<HRESULT>(0x800706BA)},
                          error_case{0, "Tipo de relatório inválido.", DISP_E_EXCEPTION}}) {
        SCOPED_TRACE(c.text);
        com::unique_variant hr_arg, text_arg;
        V_VT(hr_arg.get()) = VT_I4;
        V_I4(hr_arg.get()) = c.hr;
        V_VT(text_arg.get()) = VT_BSTR;
        V_BSTR(text_arg.get()) = com::to_bstr(c.text).release();
        EXCEPINFO excep{};
        EXPECT_EQ(call(s.get(), L"Falha", {*text_arg.get(), *hr_arg.get()}, &excep), DISP_E_EXCEPTION);
        EXPECT_EQ(excep.scode, c.expected);
        EXPECT_EQ(com::from_bstr(excep.bstrSource), "ZidizUvi.QV_Inicializa.1");
        EXPECT_EQ(com::from_bstr(excep.bstrDescription), c.text);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
    }
}

}  // namespace
