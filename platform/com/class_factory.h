#pragma once
// The class object of a creatable class. It does not take the module lock: registered class objects
// would otherwise keep the server alive for ever. LockServer does.
#include <unknwn.h>

#include "platform/com/error_info.h"
#include "platform/com/module.h"
#include "platform/com/object.h"

namespace com {

template <class T>
class class_factory final : public unlocked_object<class_factory<T>, IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** ppv) noexcept override try {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return make<T>()->QueryInterface(iid, ppv);
    } catch (...) {
        return current_exception_hresult();
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override {
        if (lock) module().Lock(); else module().Unlock();
        return S_OK;
    }

    // The one class object of T, for the life of the process.
    static HRESULT get(REFIID iid, void** ppv) noexcept try {
        static const com_ptr<class_factory> instance = make<class_factory>();
        return instance->QueryInterface(iid, ppv);
    } catch (...) {
        return current_exception_hresult();
    }

private:
    ~class_factory() override = default;
};

// The object-map row of class T, from the class's own description.
template <class T>
constexpr class_entry entry() {
    return {T::info, &class_factory<T>::get};
}

}  // namespace com
