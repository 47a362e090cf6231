#include "server/root/QVConversoes.h"

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "platform/com/text.h"

HRESULT QVConverteBstrData(unsigned short* dia, BSTR texto) {
    if (!dia) return E_POINTER;
    *dia = QVConverteTextoData(com::from_bstr(texto).c_str());
    return S_OK;
}

HRESULT QVFormataDataBstr(unsigned short dia, BSTR* texto, int quatroDigitos) {
    if (!texto) return E_POINTER;
    com::unique_bstr result = com::to_bstr(QVFormataData(dia, quatroDigitos != 0));
    *texto = result.release();
    return S_OK;
}

HRESULT QVFormataCYBstr(const CURRENCY* valor, BSTR* texto) {
    if (!valor || !texto) return E_POINTER;
    com::unique_bstr result = com::to_bstr(QVFormataCYMilhar(*valor));
    *texto = result.release();
    return S_OK;
}

HRESULT QVConverteBstrCY(CURRENCY* valor, BSTR texto) {
    if (!valor) return E_POINTER;
    *valor = QVConverteTextoCY(com::from_bstr(texto).c_str());
    return S_OK;
}
