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
    const auto login = bench::measure([&] {
        // A login counts only when it answers S_OK with result code 0.
        if (!bench::login(raiz.get(), inicializa, empresa.get(), usuario.get(), senha.get()).ok()) ++failures;
    }, 20, 5);
    bench::print("login Inicializa(DEMO, ADMIN) through IDispatch (other process)", login, failures);
}

bench::registrar reg("4 login", run);

}  // namespace
