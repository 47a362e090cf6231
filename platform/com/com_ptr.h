#pragma once
#include <unknwn.h>
#include <utility>

#include "platform/com/failure.h"

namespace com {

// Owns one reference to a COM interface.
template <class T>
class com_ptr {
public:
    com_ptr() noexcept = default;
    com_ptr(std::nullptr_t) noexcept {}
    // Takes a new reference.
    explicit com_ptr(T* p) noexcept : m_p(p) { if (m_p) m_p->AddRef(); }
    com_ptr(const com_ptr& o) noexcept : com_ptr(o.m_p) {}
    com_ptr(com_ptr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    com_ptr& operator=(com_ptr o) noexcept { std::swap(m_p, o.m_p); return *this; }
    ~com_ptr() { reset(); }

    // Adopts a reference the caller already owns.
    static com_ptr attach(T* p) noexcept { com_ptr r; r.m_p = p; return r; }

    T* get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    T** put() noexcept { reset(); return &m_p; }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
    T* detach() noexcept { return std::exchange(m_p, nullptr); }
    void reset() noexcept { if (T* p = std::exchange(m_p, nullptr)) p->Release(); }

    // Hands a new reference to an out parameter.
    void copy_to(T** out) const noexcept { if (m_p) m_p->AddRef(); *out = m_p; }

    // Null when the object does not have the interface.
    template <class U>
    com_ptr<U> try_query() const noexcept {
        com_ptr<U> r;
        if (m_p) m_p->QueryInterface(__uuidof(U), r.put_void());
        return r;
    }

    // Throws failure (E_NOINTERFACE, or what QueryInterface answered) when it does not.
    template <class U>
    com_ptr<U> query() const {
        com_ptr<U> r;
        const HRESULT hr = m_p ? m_p->QueryInterface(__uuidof(U), r.put_void()) : E_POINTER;
        if (FAILED(hr) || !r) throw failure{FAILED(hr) ? hr : E_NOINTERFACE, "Erro interno do servidor."};
        return r;
    }

private:
    T* m_p = nullptr;
};

}  // namespace com
