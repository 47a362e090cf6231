// relparam.dll: the report library that the stock reports load from the installation folder of
// the first module. Its one entry asks the report-parameters component the caller created and
// initialised for the fixed parameter of a report type.
#include <windows.h>
#include <oleauto.h>

#include "inhouse_relatorios.h"

namespace {

// The type text as the component takes it; null when no string can be had.
BSTR texto_tipo(const char* tipo) {
    const int n = MultiByteToWideChar(CP_ACP, 0, tipo ? tipo : "", -1, nullptr, 0);
    BSTR b = SysAllocStringLen(nullptr, n > 0 ? n - 1 : 0);
    if (b && n > 0) MultiByteToWideChar(CP_ACP, 0, tipo ? tipo : "", -1, b, n);
    return b;
}

}  // namespace

// 0 and *resultado the parameter; otherwise the failing HRESULT, *resultado unchanged. `opcao`
// and `filtro` select among a type's parameters: the stock module's types have one.
extern "C" __declspec(dllexport) int __cdecl BuscaParametrosFixosRelatorios(IUnknown* componente, const char* tipo,
                                                                           int opcao, const char* filtro,
                                                                           short* resultado) {
    (void)opcao;
    (void)filtro;
    if (!componente || !resultado) return E_POINTER;
    IQVParametrosRelatorio* parametros = nullptr;
    HRESULT hr = componente->QueryInterface(__uuidof(IQVParametrosRelatorio), reinterpret_cast<void**>(&parametros));
    if (FAILED(hr)) return hr;
    BSTR t = texto_tipo(tipo);
    SHORT valor = 0;
    hr = t ? parametros->ParametroFixo(t, &valor) : E_OUTOFMEMORY;
    SysFreeString(t);
    parametros->Release();
    if (FAILED(hr)) return hr;
    *resultado = valor;
    return 0;
}
