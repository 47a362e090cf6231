// Cross-process round trips through IDispatch, as script clients make them.
#include <objbase.h>

#include "VAVEDERAZur.h"
#include "harness.h"
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
