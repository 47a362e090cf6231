// A compiled client of the root object: activates ZidizUvi.QV_Inicializa out of process and calls
// it through the vtable (the type library's marshaller), as a C++ web extension would.
#include <windows.h>
#include <objbase.h>
#include <dispex.h>

#include <cstdio>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/unique.h"

int main() {
    // Unbuffered: a client that dies still shows how far it got.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CoInitialize(nullptr);
    int failures = 0;
    auto expect = [&](bool ok, const char* what) {
        std::printf("%s %s\n", ok ? "ok" : "FALHOU", what);
        if (!ok) ++failures;
    };
    {
        com::com_ptr<IQV_Inicializa> root;
        HRESULT hr = CoCreateInstance(CLSID_QV_Inicializa, nullptr, CLSCTX_LOCAL_SERVER, IID_IQV_Inicializa,
                                      root.put_void());
        expect(SUCCEEDED(hr), "activation");
        if (root) {
            LONG inicializado = -1;
            expect(root->get_m_bInicializado(&inicializado) == S_OK && inicializado == 0, "m_bInicializado");
            com::unique_bstr empresa;
            expect(root->get_m_sEmpresa(empresa.put()) == S_OK && SysStringLen(empresa.get()) == 0, "m_sEmpresa");
            expect(root->Finaliza() == S_OK, "Finaliza");

            // What a script engine does across processes: IDispatchEx once, then GetDispID and
            // InvokeEx for each member.
            auto ex = root.try_query<IDispatchEx>();
            expect(static_cast<bool>(ex), "IDispatchEx");
            if (ex) {
                com::unique_bstr nome(SysAllocString(L"M_BINICIALIZADO"));
                DISPID id = DISPID_UNKNOWN;
                expect(ex->GetDispID(nome.get(), fdexNameCaseInsensitive, &id) == S_OK && id == 7, "GetDispID");
                DISPPARAMS none{};
                com::unique_variant value;
                hr = ex->InvokeEx(id, 0, DISPATCH_PROPERTYGET, &none, value.get(), nullptr, nullptr);
                expect(hr == S_OK && V_VT(value.get()) == VT_I4 && V_I4(value.get()) == 0, "InvokeEx");
                com::unique_bstr novo(SysAllocString(L"Novo"));
                expect(ex->GetDispID(novo.get(), fdexNameEnsure, &id) == DISP_E_UNKNOWNNAME, "no member is added");
            }
        }
    }
    CoUninitialize();
    std::printf("cpp_client: %s\n", failures ? "FALHOU" : "FIM");
    return failures ? 1 : 0;
}
