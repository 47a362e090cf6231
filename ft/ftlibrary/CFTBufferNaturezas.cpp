#include "ft/ftlibrary/CFTBufferNaturezas.h"

HRESULT CFTBufferNaturezas::Carrega(uint16_t codigo, _REG_NATUREZAPS& registro) {
    if (const HRESULT hr = m_Gerenciador.Prepara(); FAILED(hr)) return hr;
    const HRESULT hr = m_Gerenciador.Interface()->LeNatureza(codigo, Hoje(), 0, registro.bytes);
    if (FAILED(hr)) m_Gerenciador.Reporta(hr, 0, "BufferNFs", 0);
    return hr;
}

HRESULT CFTGerenciadorNaturezas::InicializaServidor() {
    if (const HRESULT hr = CFTGerenciadorInterface::InicializaServidor(); FAILED(hr)) return hr;
    WORD quantidade = 0;
    const HRESULT hr = m_Interface->QuantidadeNaturezas(&quantidade);
    if (FAILED(hr)) return hr;   // reported by Prepara, as the initialisation's failure
    m_QuantidadeNaturezas = quantidade;
    return hr;
}
