#include "ft/ftlibrary/CBufferPedidos.h"

#include "platform/inhouse/acesso/QVAVISO.h"

HRESULT CBufferPedidos::Carrega(const long* chaves, size_t n, BYTE* registros) {
    if (!m_Servidor) return E_UNEXPECTED;
    for (size_t k = 0; k < n; ++k) {
        const HRESULT hr = m_Servidor->LeListaPedido(chaves[k], registros + k * tamanho_registro);
        if (FAILED(hr)) {
            QVTrataErro2(hr, 0, 0, "", "BufferPedidos", 42, __DATE__ " " __TIME__);
            return hr;
        }
    }
    return S_OK;
}
