#pragma once
// A text property kept as the client gave it (UTF-16, null allowed): a get hands out a copy, a
// put replaces it with a copy. A null member answers a null BSTR.
#include <oleauto.h>

#include "platform/com/unique.h"

namespace masterdata {

class texto_bstr {
public:
    HRESULT get(BSTR* out) const noexcept {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!m_texto.get()) return S_OK;
        *out = SysAllocStringLen(m_texto.get(), SysStringLen(m_texto.get()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT put(BSTR texto) noexcept {
        BSTR copia = SysAllocStringLen(texto, SysStringLen(texto));
        if (!copia) return E_OUTOFMEMORY;
        m_texto.reset(copia);
        return S_OK;
    }
    void reset(com::unique_bstr texto) noexcept { m_texto = std::move(texto); }

private:
    com::unique_bstr m_texto;
};

}  // namespace masterdata
