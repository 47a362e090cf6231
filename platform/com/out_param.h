#pragma once
// Out-parameters in one line each: the pointer is checked (E_POINTER), the value handed over
// last, and on failure the caller's variable is left empty (null, 0 or VARIANT_FALSE).
//
//     HRESULT get_m_sEmpresa(BSTR* pVal) noexcept override { return com::put_text(pVal, m_sEmpresa); }
#include <oaidl.h>

#include <new>
#include <string_view>
#include <type_traits>

#include "platform/com/com_ptr.h"
#include "platform/com/text.h"

namespace com {

// A CP1252 text as a new BSTR the caller owns (E_OUTOFMEMORY when none can be had).
inline HRESULT put_text(BSTR* out, std::string_view text) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    try {
        *out = to_bstr(text).release();
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

template <class T, class V>
    requires std::is_arithmetic_v<T> && std::is_convertible_v<V, T>
HRESULT put_number(T* out, V value) noexcept {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

// VARIANT_TRUE (-1) or VARIANT_FALSE, never 1.
inline HRESULT put_bool(VARIANT_BOOL* out, bool value) noexcept {
    if (!out) return E_POINTER;
    *out = value ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

// A new reference for the caller (null stays null).
template <class I>
HRESULT put_object(I** out, const com_ptr<I>& object) noexcept {
    if (!out) return E_POINTER;
    object.copy_to(out);
    return S_OK;
}

// A client's VARIANT_BOOL is true only when it is VARIANT_TRUE: 1, which some clients send for
// true, reads as false.
constexpr bool is_true(VARIANT_BOOL value) noexcept { return value == VARIANT_TRUE; }

}  // namespace com
