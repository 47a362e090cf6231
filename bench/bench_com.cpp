// Cross-process round trips through IDispatch, as script clients make them.
#include <objbase.h>

#include "VAVEDERAZur.h"
#include "harness.h"
#include "platform/com/com_ptr.h"
#include "platform/com/unique.h"

namespace {

DISPID dispid_of(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    return id;
}

com::com_ptr<IDispatch> create(const wchar_t* progid) {
    CLSID clsid;
    com::com_ptr<IDispatch> object;
    if (SUCCEEDED(CLSIDFromProgID(progid, &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, object.put_void());
    return object;
}

void run() {
    auto sonda = create(L"ZidizUviTeste.Sonda");
    auto raiz = create(L"ZidizUvi.QV_Inicializa");
    if (!sonda || !raiz) {
        std::printf("  (servers not registered: run scripts/bench)\n");
        return;
    }
    const DISPID vazio = dispid_of(sonda.get(), L"Vazio");
    const DISPID inicializado = dispid_of(raiz.get(), L"m_bInicializado");
    DISPPARAMS none{};
    const double empty_call = bench::measure([&] {
        com::unique_variant result;
        sonda->Invoke(vazio, IID_NULL, 0, DISPATCH_METHOD, &none, result.get(), nullptr, nullptr);
    }, 500);
    const double property = bench::measure([&] {
        com::unique_variant result;
        raiz->Invoke(inicializado, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.get(), nullptr, nullptr);
    }, 500);
    bench::print({"empty method call through IDispatch (other process)", empty_call});
    bench::print({"root object property read m_bInicializado (other process)", property});
    bench::ratio("property read / empty call", property, empty_call);
}

bench::registrar reg("1 COM round trips", run);

}  // namespace
