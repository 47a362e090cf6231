// Cross-process round trips through IDispatch and IDispatchEx, as script clients make them.
#include <objbase.h>
#include <dispex.h>

#include "VAVEDERAZur.h"
#include "bench/harness.h"
#include "platform/com/com_ptr.h"
#include "platform/com/unique.h"

namespace {

void run() {
    auto sonda = bench::create(L"ZidizUviTeste.Sonda");
    auto raiz = bench::create(L"ZidizUvi.QV_Inicializa");
    if (!sonda || !raiz) {
        std::printf("  (servers not registered: run scripts/bench)\n");
        return;
    }
    const DISPID vazio = bench::dispid_of(sonda.get(), L"Vazio");
    const DISPID inicializado = bench::dispid_of(raiz.get(), L"m_bInicializado");
    auto raiz_ex = raiz.try_query<IDispatchEx>();
    com::unique_bstr nome(SysAllocString(L"m_bInicializado"));
    DISPPARAMS none{};
    long failures_call = 0, failures_read = 0, failures_script = 0;
    // A read is good when it answers S_OK and the value of a server nobody logged in to.
    auto read_ok = [](HRESULT hr, const VARIANT* v) { return hr == S_OK && V_VT(v) == VT_I4 && V_I4(v) == 0; };

    const auto [empty_call, property] = bench::measure_pair(
        [&] {
            com::unique_variant result;
            if (sonda->Invoke(vazio, IID_NULL, 0, DISPATCH_METHOD, &none, result.get(), nullptr, nullptr) != S_OK)
                ++failures_call;
        },
        [&] {
            com::unique_variant result;
            const HRESULT hr = raiz->Invoke(inicializado, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.get(),
                                            nullptr, nullptr);
            if (!read_ok(hr, result.get())) ++failures_read;
        },
        200);
    bench::print("empty method call through IDispatch (other process)", empty_call, failures_call);
    bench::print("root object property read m_bInicializado (other process)", property, failures_read);
    bench::ratio("property read / empty call", property, empty_call);

    // What a script engine does for every member it touches once it holds IDispatchEx.
    if (raiz_ex) {
        const auto script_road = bench::measure([&] {
            DISPID id = DISPID_UNKNOWN;
            com::unique_variant result;
            HRESULT hr = raiz_ex->GetDispID(nome.get(), fdexNameCaseInsensitive, &id);
            if (SUCCEEDED(hr)) hr = raiz_ex->InvokeEx(id, 0, DISPATCH_PROPERTYGET, &none, result.get(), nullptr, nullptr);
            if (!read_ok(hr, result.get())) ++failures_script;
        }, 200);
        bench::print("the same read as scripts make it: GetDispID + InvokeEx", script_road, failures_script);
    } else {
        std::printf("  (the root object does not answer IDispatchEx)\n");
    }
}

bench::registrar reg("1 COM round trips", run);

}  // namespace
