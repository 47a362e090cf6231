// PossuiAcesso as a page asks it before it draws a button: the representative's right, cached by
// the root object after the first question, against the empty call of the probe server, timed
// interleaved; and the administrator's, whose all-rights record is read every time.
#include <objbase.h>

#include "VAVEDERAZur.h"
#include "bench/harness.h"
#include "platform/com/com_ptr.h"
#include "platform/com/unique.h"

namespace {

// One PossuiAcesso(modulo, controle) through IDispatch; counts a failure unless it answers
// S_OK with the expected VARIANT_BOOL.
struct pergunta {
    IDispatch* raiz;
    DISPID id;
    com::unique_bstr modulo;
    long controle;
    VARIANT_BOOL esperado;
    long falhas = 0;
    void operator()() {
        VARIANT args[2];
        V_VT(&args[0]) = VT_I4;
        V_I4(&args[0]) = controle;
        V_VT(&args[1]) = VT_BSTR;
        V_BSTR(&args[1]) = modulo.get();
        DISPPARAMS params{args, nullptr, 2, 0};
        com::unique_variant resultado;
        const HRESULT hr = raiz->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, resultado.get(), nullptr, nullptr);
        if (hr != S_OK || V_VT(resultado.get()) != VT_BOOL || V_BOOL(resultado.get()) != esperado) ++falhas;
    }
};

void run() {
    auto sonda = bench::create(L"ZidizUviTeste.Sonda");
    auto regional = bench::create(L"ZidizUvi.QV_Inicializa");
    if (!sonda || !regional) {
        std::printf("  (servers not registered: run scripts/bench)\n");
        return;
    }
    // The root objects of one process share one login: the representative's first, then the
    // administrator's on a second root object once the representative's figures are taken.
    if (!bench::login(regional.get(), L"DEMO", L"REGIONAL", L"regional1").ok()) {
        std::printf("  (the representative's login failed)  INVALID\n");
        return;
    }
    const DISPID vazio = bench::dispid_of(sonda.get(), L"Vazio");
    DISPPARAMS none{};
    long falhas_vazio = 0;
    pergunta direito{regional.get(), bench::dispid_of(regional.get(), L"PossuiAcesso"), com::unique_bstr(SysAllocString(L"DF")),
                     58, VARIANT_TRUE};
    pergunta recusa{regional.get(), direito.id, com::unique_bstr(SysAllocString(L"DF")), 60, VARIANT_FALSE};
    const auto [chamada_vazia, cacheado] = bench::measure_pair(
        [&] {
            com::unique_variant r;
            if (sonda->Invoke(vazio, IID_NULL, 0, DISPATCH_METHOD, &none, r.get(), nullptr, nullptr) != S_OK)
                ++falhas_vazio;
        },
        [&] { direito(); }, 200);
    const auto recusado = bench::measure([&] { recusa(); }, 200);
    bench::print("empty method call through IDispatch (other process)", chamada_vazia, falhas_vazio);
    bench::print("PossuiAcesso(DF, 58), granted and cached", cacheado, direito.falhas);
    bench::print("PossuiAcesso(DF, 60), refused and cached", recusado, recusa.falhas);
    bench::ratio("cached PossuiAcesso / empty call", cacheado, chamada_vazia);

    auto admin = bench::create(L"ZidizUvi.QV_Inicializa");
    if (!admin || !bench::login(admin.get(), L"DEMO", L"ADMIN", L"admin123").ok()) {
        std::printf("  (the administrator's login failed)  INVALID\n");
        return;
    }
    pergunta todos{admin.get(), direito.id, com::unique_bstr(SysAllocString(L"DF")), 58, VARIANT_TRUE};
    const auto sem_cache = bench::measure([&] { todos(); }, 100);
    bench::print("PossuiAcesso(DF, 58) for a user with every right (not cached)", sem_cache, todos.falhas);
}

bench::registrar reg("7 rights", run);

}  // namespace
