// Whether the workstation has a default printer.
#include <windows.h>
#include <winspool.h>

#include "platform/com/out_param.h"
#include "server/root/CQV_Inicializa.h"

namespace server {

HRESULT CQV_Inicializa::VerificaImpressoraPadrao(VARIANT_BOOL* pvbExiste) noexcept {
    if (!pvbExiste) return E_POINTER;
    constexpr DWORD tamanho = 256;
    wchar_t impressora[tamanho] = {};
    // The profile's "device" entry ("name,driver,port") is read first, as the spooler keeps it; the
    // spooler's own answer then replaces it in the same buffer and decides.
    GetProfileStringW(L"windows", L"device", L"", impressora, tamanho);
    DWORD caracteres = tamanho;
    // A failed call leaves the count as it was (the buffer's size): only a call that succeeded
    // says there is a default printer.
    const bool existe = GetDefaultPrinterW(impressora, &caracteres) && caracteres > 0;
    return com::put_bool(pvbExiste, existe);
}

}  // namespace server
