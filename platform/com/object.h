#pragma once
// The one implementation of IUnknown, and of IDispatch, IDispatchEx and ISupportErrorInfo for
// automation objects. A class names itself and the interfaces it answers for:
//
//     class CQV_Inicializa final : public com::object<CQV_Inicializa, IQV_Inicializa> { ... };
//     class class_factory final : public com::unlocked_object<class_factory, IClassFactory> { ... };
//
// QueryInterface answers IUnknown and exactly the listed interfaces. When one of them is dual
// (derives from IDispatch) the object also answers IDispatch and IDispatchEx over the type
// library's description of that interface, and ISupportErrorInfo for the listed interfaces.
// `object` holds the module lock for its lifetime; `unlocked_object` is for class objects and for
// objects that stand for other processes or live only inside a call, which must never keep the
// server alive. Objects come only from make<T>, which runs the class's final_construct().
#include <windows.h>
#include <ole2.h>
#include <dispex.h>

#include <atomic>
#include <type_traits>
#include <utility>

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch.h"
#include "platform/com/error_info.h"
#include "platform/com/module.h"
#include "platform/com/type_library.h"

namespace com {

namespace detail {

template <class... I>
inline constexpr bool has_dual = (std::is_base_of_v<IDispatch, I> || ...);

template <class First, class... Rest>
struct first_dual {
    using type = std::conditional_t<std::is_base_of_v<IDispatch, First>, First,
                                    typename first_dual<Rest...>::type>;
};
template <class Last>
struct first_dual<Last> {
    using type = Last;
};

// IUnknown over the bases `Bases` (the listed interfaces and, for automation objects, the
// automation ones). `Primary` answers IUnknown (and IDispatch for a dual object).
template <class Self, bool Lock, class Primary, class... Bases>
class unknown_impl : public Bases... {
public:
    unknown_impl(const unknown_impl&) = delete;
    unknown_impl& operator=(const unknown_impl&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) noexcept override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) ||
            (std::is_base_of_v<IDispatch, Primary> && IsEqualIID(iid, IID_IDispatch)))
            *ppv = static_cast<Primary*>(this);
        else
            ((IsEqualIID(iid, __uuidof(Bases)) ? (*ppv = static_cast<Bases*>(this), true) : false) || ...);
        if (!*ppv) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++m_ref; }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const ULONG left = --m_ref;
        if (left == 0) delete this;
        return left;
    }

    // Run by make<T> once the object is complete; a class hides it to finish a construction that
    // may fail (it throws, and the object is released).
    void final_construct() {}

protected:
    unknown_impl() noexcept {
        if constexpr (Lock) module().Lock();
    }
    virtual ~unknown_impl() {
        if constexpr (Lock) module().Unlock();
    }

private:
    std::atomic<ULONG> m_ref{1};
};

// IDispatch and IDispatchEx over the type library for the dual interface `Dual`, and
// ISupportErrorInfo for the listed interfaces.
template <class Self, bool Lock, class Dual, class... I>
class automation_impl : public unknown_impl<Self, Lock, Dual, I..., IDispatchEx, ISupportErrorInfo> {
public:
    using interface_type = Dual;

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
        return invoke_dispatch(type_info().get(), dual(), id, flags, params, result, excep, arg_err);
    }

    // IDispatchEx: the same fixed members, found and called in one round trip each (a script
    // engine that finds IDispatchEx asks for it once and keeps it).
    HRESULT STDMETHODCALLTYPE GetDispID(BSTR name, DWORD flags, DISPID* id) noexcept override {
        return dispex_get_dispid(type_info().get(), name, flags, id);
    }
    HRESULT STDMETHODCALLTYPE InvokeEx(DISPID id, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                       EXCEPINFO* excep, IServiceProvider*) noexcept override {
        return dispex_invoke(type_info().get(), dual(), id, flags, params, result, excep);
    }
    HRESULT STDMETHODCALLTYPE DeleteMemberByName(BSTR, DWORD) noexcept override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE DeleteMemberByDispID(DISPID) noexcept override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetMemberProperties(DISPID id, DWORD fetch, DWORD* props) noexcept override {
        return dispex_member_properties(type_info().get(), id, fetch, props);
    }
    HRESULT STDMETHODCALLTYPE GetMemberName(DISPID id, BSTR* name) noexcept override {
        return dispex_member_name(type_info().get(), id, name);
    }
    HRESULT STDMETHODCALLTYPE GetNextDispID(DWORD, DISPID id, DISPID* next) noexcept override {
        return dispex_next_dispid(type_info().get(), id, next);
    }
    HRESULT STDMETHODCALLTYPE GetNameSpaceParent(IUnknown** parent) noexcept override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        return E_NOTIMPL;
    }

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override {
        return (IsEqualIID(iid, __uuidof(I)) || ...) ? S_OK : S_FALSE;
    }

protected:
    // For the catch (...) of each method: the one road from an exception to an HRESULT.
    static HRESULT report() noexcept { return report_current_exception(__uuidof(Dual)); }

private:
    static com_ptr<ITypeInfo> type_info() noexcept { return type_info_of(__uuidof(Dual)); }
    Dual* dual() noexcept { return static_cast<Dual*>(this); }
};

template <class Self, bool Lock, class... I>
struct object_base {
    using type = unknown_impl<Self, Lock, typename first_dual<I...>::type, I...>;
};
template <class Self, bool Lock, class... I>
    requires has_dual<I...>
struct object_base<Self, Lock, I...> {
    using type = automation_impl<Self, Lock, typename first_dual<I...>::type, I...>;
};

}  // namespace detail

// A COM object of class Self answering for I...; it keeps the server alive while it lives.
template <class Self, class... I>
using object = typename detail::object_base<Self, true, I...>::type;

// The same without the module lock: class objects, stand-ins and helpers that live in a call.
template <class Self, class... I>
using unlocked_object = typename detail::object_base<Self, false, I...>::type;

// Objects come only from here: a new object with one reference, owned by the result, after its
// final_construct() succeeded (when it throws, the object is released and the exception passes).
template <class T, class... Args>
com_ptr<T> make(Args&&... args) {
    static_assert(!std::is_destructible_v<T>, "declare the destructor private: objects come only from com::make");
    auto object = com_ptr<T>::attach(new T(std::forward<Args>(args)...));
    object->final_construct();
    return object;
}

}  // namespace com
