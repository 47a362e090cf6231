#pragma once
// The class object of a creatable class. It does not take the module lock: registered class objects
// would otherwise keep the server alive for ever. LockServer does.
#include <unknwn.h>

#include <new>

#include "dispatch_object.h"
#include "module.h"

namespace com {

template <class T>
class class_factory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) noexcept override {
        if (!ppv) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** ppv) noexcept override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        try {
            auto object = make<T>();
            return object->QueryInterface(iid, ppv);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override {
        if (lock) module().Lock(); else module().Unlock();
        return S_OK;
    }

    static HRESULT get(REFIID iid, void** ppv) noexcept {
        static class_factory instance;
        return instance.QueryInterface(iid, ppv);
    }
};

// The object-map row of class T, from the class's own description.
template <class T>
constexpr class_entry entry() {
    return {T::info, &class_factory<T>::get};
}

}  // namespace com
