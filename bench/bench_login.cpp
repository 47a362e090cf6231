// The login through COM, as a web page makes it, beside the empty call of the first group.
#include <objbase.h>

#include "VAVEDERAZur.h"
#include "bench/harness.h"
#include "platform/com/com_ptr.h"
#include "platform/com/unique.h"

namespace {

void run() {
    auto raiz = bench::create(L"ZidizUvi.QV_Inicializa");
    if (!raiz) {
        std::printf("  (server not registered: run scripts/bench)\n");
        return;
    }
    const DISPID inicializa = bench::dispid_of(raiz.get(), L"Inicializa");
    com::unique_bstr empresa(SysAllocString(L"DEMO")), usuario(SysAllocString(L"ADMIN")),
        senha(SysAllocString(L"admin123"));
    long failures = 0;
    VARIANT result_holder;
    const auto login = bench::measure([&] {
        VariantInit(&result_holder);
        VARIANT args[4];   // last first, as Invoke wants them
        V_VT(&args[0]) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&args[0]) = &result_holder;
        V_VT(&args[1]) = VT_BSTR;
        V_BSTR(&args[1]) = senha.get();
        V_VT(&args[2]) = VT_BSTR;
        V_BSTR(&args[2]) = usuario.get();
        V_VT(&args[3]) = VT_BSTR;
        V_BSTR(&args[3]) = empresa.get();
        DISPPARAMS params{args, nullptr, 4, 0};
        const HRESULT hr = raiz->Invoke(inicializa, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        // A login counts only when it answers S_OK with result code 0.
        if (hr != S_OK || V_VT(&result_holder) != VT_I4 || V_I4(&result_holder) != 0) ++failures;
        VariantClear(&result_holder);
    }, 20, 5);
    bench::print("login Inicializa(DEMO, ADMIN) through IDispatch (other process)", login, failures);
}

bench::registrar reg("4 login", run);

}  // namespace
