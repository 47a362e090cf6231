// zu_bench: the server's figures in one run. Needs the server and the test probe registered
// (scripts/bench does it).
#include <objbase.h>

#include <algorithm>
#include <cstring>

#include "bench/harness.h"
#include "platform/com/unique.h"

namespace bench {
com::com_ptr<IDispatch> create(const wchar_t* progid) {
    CLSID clsid;
    com::com_ptr<IDispatch> object;
    if (SUCCEEDED(CLSIDFromProgID(progid, &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, object.put_void());
    return object;
}

login_result login(IDispatch* root, DISPID inicializa, BSTR empresa, BSTR usuario, BSTR senha) {
    VARIANT result;
    VariantInit(&result);
    VARIANT args[4];   // last first, as Invoke wants them
    V_VT(&args[0]) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&args[0]) = &result;
    V_VT(&args[1]) = VT_BSTR;
    V_BSTR(&args[1]) = senha;
    V_VT(&args[2]) = VT_BSTR;
    V_BSTR(&args[2]) = usuario;
    V_VT(&args[3]) = VT_BSTR;
    V_BSTR(&args[3]) = empresa;
    DISPPARAMS params{args, nullptr, 4, 0};
    EXCEPINFO error{};
    HRESULT hr = root->Invoke(inicializa, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &error, nullptr);
    if (hr == DISP_E_EXCEPTION && error.scode) hr = error.scode;
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    VariantChangeType(&result, &result, 0, VT_I4);
    const LONG code = V_VT(&result) == VT_I4 ? V_I4(&result) : -1;
    VariantClear(&result);
    return {hr, code};
}

login_result login(IDispatch* root, const wchar_t* empresa, const wchar_t* usuario, const wchar_t* senha) {
    com::unique_bstr e(SysAllocString(empresa)), u(SysAllocString(usuario)), p(SysAllocString(senha));
    return login(root, dispid_of(root, L"Inicializa"), e.get(), u.get(), p.get());
}

DISPID dispid_of(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    return id;
}

std::vector<group>& groups() {
    static std::vector<group> all;
    return all;
}
}  // namespace bench

int main(int argc, char** argv) {
    CoInitialize(nullptr);
    auto& all = bench::groups();
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const auto& g : all) {
        if (argc > 1 && !std::strstr(g.name, argv[1])) continue;
        std::printf("%s\n", g.name);
        g.run();
    }
    CoUninitialize();
    return 0;
}
