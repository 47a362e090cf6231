#include "ft/ftlibrary/CFTBufferProduto.h"

#include <cstring>

HRESULT CFTBufferProduto::Carrega(uint32_t produto, _REG_PRODUTOPS& registro) {
    if (const HRESULT hr = m_Gerenciador.Prepara(); FAILED(hr)) return hr;
    const HRESULT hr = m_Gerenciador.Interface()->LeProduto(static_cast<LONG>(produto), 0,
                                                              reinterpret_cast<QV_PRODUTO_984*>(&registro));
    if (FAILED(hr)) m_Gerenciador.Reporta(hr, 0, "FTBufferProduto", 0);
    return hr;
}

HRESULT CFTBufferProduto::LeProduto(uint32_t produto, _REG_PRODUTOPS& registro) {
    if (produto == 0) {
        std::memset(&registro, 0, sizeof registro);
        return S_OK;
    }
    return Le(produto, registro);
}
