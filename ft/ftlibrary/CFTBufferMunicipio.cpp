#include "ft/ftlibrary/CFTBufferMunicipio.h"

HRESULT CFTBufferMunicipio::Carrega(uint16_t codigo, _REG_MUNICIPIO_PS& registro) {
    if (const HRESULT hr = m_Gerenciador.Prepara(); FAILED(hr)) return hr;
    const HRESULT hr = m_Gerenciador.Interface()->Le(codigo, reinterpret_cast<BYTE*>(&registro));
    if (FAILED(hr)) m_Gerenciador.Reporta(hr, 0, "BufferNFs", 0);
    return hr;
}
