#pragma once
// IUnknown, IDispatch over the type library, ISupportErrorInfo and the module lock for one
// dual interface. A class derives from dispatch_object<Self, Itf> and implements Itf's methods.
#include <oaidl.h>

#include <atomic>
#include <new>
#include <utility>

#include "com_ptr.h"
#include "dispatch.h"
#include "module.h"
#include "type_library.h"

namespace com {

template <class Self, class Itf>
class dispatch_object : public Itf, public ISupportErrorInfo {
public:
    using interface_type = Itf;

    dispatch_object() noexcept { module().Lock(); }
    dispatch_object(const dispatch_object&) = delete;
    dispatch_object& operator=(const dispatch_object&) = delete;
    virtual ~dispatch_object() { module().Unlock(); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) noexcept override {
        if (!ppv) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, __uuidof(Itf)))
            *ppv = static_cast<Itf*>(this);
        else if (IsEqualIID(iid, IID_ISupportErrorInfo))
            *ppv = static_cast<ISupportErrorInfo*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++m_ref; }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const ULONG left = --m_ref;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
        if (!count) return E_POINTER;
        *count = type_info() ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) noexcept override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        auto info = type_info();
        if (!info) return E_UNEXPECTED;
        info.copy_to(out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) noexcept override {
        auto info = type_info();
        return info ? info->GetIDsOfNames(names, count, ids) : E_UNEXPECTED;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* excep, UINT* arg_err) noexcept override {
        if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        return invoke_dispatch(type_info().get(), static_cast<Itf*>(this), id, flags, params, result,
                               excep, arg_err);
    }

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override {
        return IsEqualIID(iid, __uuidof(Itf)) ? S_OK : S_FALSE;
    }

protected:
    // For the catch (...) of each method: the one road from an exception to an HRESULT.
    static HRESULT report() noexcept;

private:
    static com_ptr<ITypeInfo> type_info() noexcept { return type_info_of(__uuidof(Itf)); }
    std::atomic<ULONG> m_ref{1};
};

// Objects come only from here: a new object with one reference, owned by the result.
template <class T, class... Args>
com_ptr<T> make(Args&&... args) {
    return com_ptr<T>::attach(new T(std::forward<Args>(args)...));
}

}  // namespace com

#include "error_info.h"

template <class Self, class Itf>
HRESULT com::dispatch_object<Self, Itf>::report() noexcept {
    return report_current_exception(__uuidof(Itf));
}
