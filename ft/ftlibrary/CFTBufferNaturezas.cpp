#include "ft/ftlibrary/CFTBufferNaturezas.h"

HRESULT CFTBufferNaturezas::Carrega(uint16_t codigo, _REG_NATUREZAPS& registro) {
    if (const HRESULT hr = m_Gerenciador.Prepara(); FAILED(hr)) return hr;
    const HRESULT hr = m_Gerenciador.Interface()->LeNatureza(codigo, Hoje(), 0, registro.bytes);
    if (FAILED(hr)) m_Gerenciador.Reporta(hr, 0, "BufferNFs", 0);
    return hr;
}
