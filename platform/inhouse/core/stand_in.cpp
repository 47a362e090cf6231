#include "platform/inhouse/core/stand_in.h"

#include "platform/com/registrar.h"

#include <objbase.h>

#include "platform/com/failure.h"

namespace inhouse {

HRESULT stand_in_failure() noexcept {
    try {
        throw;
    } catch (const com::failure& f) {
        return FAILED(f.hr) ? f.hr : E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

std::string guid_text(REFGUID guid) { return com::guid_text_ansi(guid); }

std::string hex_bytes(const void* data, size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "bytes=";
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        if (i) out += ' ';
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out;
}

std::string descreve_sessao(std::string_view empresa, LONG usuario, LONG sessao) {
    return "empresa=" + std::string(empresa) + " usuario=" + std::to_string(usuario) +
           " sessao=" + std::to_string(sessao);
}

stand_in_factory::stand_in_factory(REFCLSID clsid, const char* name, create_function create, store& data)
    : m_clsid(clsid), m_name(name), m_create(create), m_store(data) {}

HRESULT STDMETHODCALLTYPE stand_in_factory::CreateInstance(IUnknown* outer, REFIID iid, void** ppv) noexcept try {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (HRESULT hr = m_faults.enter("CreateInstance", guid_text(iid)); FAILED(hr)) return hr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return m_create(m_store, m_object_faults, iid, ppv);
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
