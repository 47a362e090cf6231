#pragma once
// Ownership of the resources that cross the COM boundary: one template, one close function each.
#include <windows.h>
#include <oleauto.h>
#include <objbase.h>
#include <utility>

namespace com {

template <class T, auto close, T invalid = T{}>
class unique_any {
public:
    unique_any() noexcept = default;
    explicit unique_any(T value) noexcept : m_value(value) {}
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    unique_any(unique_any&& other) noexcept : m_value(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~unique_any() { reset(); }

    T get() const noexcept { return m_value; }
    explicit operator bool() const noexcept { return m_value != invalid; }
    // Frees the held value first: a callee's output goes straight into put().
    T* put() noexcept { reset(); return &m_value; }
    T release() noexcept { return std::exchange(m_value, invalid); }
    void reset(T value = invalid) noexcept {
        T old = std::exchange(m_value, value);
        if (old != invalid) close(old);
    }

private:
    T m_value = invalid;
};

inline void close_handle(HANDLE h) noexcept { CloseHandle(h); }
inline void free_bstr(BSTR s) noexcept { SysFreeString(s); }
inline void close_reg_key(HKEY k) noexcept { RegCloseKey(k); }

using unique_bstr = unique_any<BSTR, free_bstr>;
using unique_handle = unique_any<HANDLE, close_handle>;          // handles that use null as empty
using unique_reg_key = unique_any<HKEY, close_reg_key>;

template <class T>
void free_cotaskmem(T* p) noexcept { CoTaskMemFree(p); }

// A block of COM task memory (what ProgIDFromCLSID and the data servers hand out).
template <class T>
using unique_cotaskmem = unique_any<T*, free_cotaskmem<T>>;

// A VARIANT that is cleared when it goes; moving hands the value over and leaves VT_EMPTY.
class unique_variant {
public:
    unique_variant() noexcept { VariantInit(&m_v); }
    unique_variant(const unique_variant&) = delete;
    unique_variant& operator=(const unique_variant&) = delete;
    unique_variant(unique_variant&& other) noexcept : m_v(other.m_v) { VariantInit(&other.m_v); }
    unique_variant& operator=(unique_variant&& other) noexcept {
        if (this != &other) {
            VariantClear(&m_v);
            m_v = other.m_v;
            VariantInit(&other.m_v);
        }
        return *this;
    }
    ~unique_variant() { VariantClear(&m_v); }
    VARIANT* get() noexcept { return &m_v; }
    const VARIANT* get() const noexcept { return &m_v; }
    VARIANT* put() noexcept { VariantClear(&m_v); return &m_v; }
    VARIANT* operator->() noexcept { return &m_v; }
    // Hands the value to a caller-owned VARIANT and leaves this one empty.
    void release_to(VARIANT* target) noexcept { *target = m_v; VariantInit(&m_v); }

private:
    VARIANT m_v;
};

inline VARIANT_BOOL to_variant_bool(bool value) noexcept { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace com
