#include "masterdata/CQVXmlContentHandlerImpl.h"

HRESULT STDMETHODCALLTYPE CQVXmlContentHandlerImpl::QueryInterface(REFIID riid, void** ppv) noexcept {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, __uuidof(IQVXmlContentHandler))) {
        *ppv = static_cast<IQVXmlContentHandler*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}
