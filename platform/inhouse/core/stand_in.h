#pragma once
// The shape of a stand-in data server: a COM object with one custom IUnknown-derived interface,
// created through a class factory that the registration puts in COM's table of class objects, so
// that the server's own creation code (QVCriaInstancia) reaches it exactly as it would reach the
// maker's server. Both the factory and its objects answer from a fault_plan.
//
//     class ProvaServer final : public stand_in_object<ProvaServer, IProvaServer> {
//         ...
//     private:
//         ~ProvaServer() override = default;   // objects come only from com::make
//     };
//     HRESULT STDMETHODCALLTYPE ProvaServer::Versao(LONG* versao) noexcept try {
//         if (HRESULT hr = faults().enter("Versao"); FAILED(hr)) return hr;
//         ...
//     } catch (...) { return stand_in_failure(); }
#include <objbase.h>
#include <unknwn.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/core/fault_plan.h"
#include "platform/inhouse/core/store.h"

namespace inhouse {

// The one mapping from an exception inside a stand-in to its answer (the documented sibling of
// com::report_current_exception for objects that stand for other processes, which set no error
// information of ours): a com::failure gives its
// HRESULT (E_FAIL when it has none), bad_alloc E_OUTOFMEMORY, anything else E_UNEXPECTED.
HRESULT stand_in_failure() noexcept;

// Argument texts of the fault plans.
// "{D7A3EE01-...}" (registry form).
std::string guid_text(REFGUID guid);
// "bytes=" and the bytes in hex: a record passed by value.
std::string hex_bytes(const void* data, size_t size);
// "empresa=E usuario=U sessao=S": a session passed as its parts.
std::string descreve_sessao(std::string_view empresa, LONG usuario, LONG sessao);

// A server's answer array: a copy of `itens` in a new task-memory block that the caller frees;
// null when no block can be had.
template <class T>
T* bloco_tarefa(const std::vector<T>& itens) noexcept {
    auto* bloco = static_cast<T*>(CoTaskMemAlloc(itens.size() * sizeof(T)));
    if (bloco) std::memcpy(bloco, itens.data(), itens.size() * sizeof(T));
    return bloco;
}

// An entry of the interface that the stand-in does not serve: recorded like any other call, then
// E_NOTIMPL unless the plan answers a failure.
#define ZU_RESERVADO(n) \
    HRESULT STDMETHODCALLTYPE Reservado##n() noexcept override { return this->reservado("Reservado" #n); }

// A stand-in with interface Itf. Objects do not take the server's module lock: they stand for
// objects of other processes, which never kept the server alive.
template <class Self, class Itf>
class stand_in_object : public com::unlocked_object<Self, Itf> {
public:
    stand_in_object(store& data, std::shared_ptr<fault_plan> faults) noexcept
        : m_store(data), m_faults(std::move(faults)) {}

    fault_plan& faults() noexcept { return *m_faults; }

    // The factory's creation function for this class.
    static HRESULT create(store& data, std::shared_ptr<fault_plan> faults, REFIID iid, void** ppv) noexcept try {
        return com::make<Self>(data, std::move(faults))->QueryInterface(iid, ppv);
    } catch (...) {
        return stand_in_failure();
    }

protected:
    HRESULT reservado(const char* nome) noexcept try {
        if (HRESULT hr = faults().enter(nome); FAILED(hr)) return hr;
        return E_NOTIMPL;
    } catch (...) {
        return stand_in_failure();
    }

    store& m_store;

private:
    std::shared_ptr<fault_plan> m_faults;
};

// The class object of one stand-in class. `faults()` scripts and records its CreateInstance
// (arguments text: the requested interface id); `object_faults()` is the plan shared by every
// object it creates, so a test can script an object's answers before the server creates it.
class stand_in_factory final : public com::unlocked_object<stand_in_factory, IClassFactory> {
public:
    using create_function = HRESULT (*)(store&, std::shared_ptr<fault_plan>, REFIID, void**) noexcept;

    stand_in_factory(REFCLSID clsid, const char* name, create_function create, store& data);

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** ppv) noexcept override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) noexcept override { return S_OK; }

    fault_plan& faults() noexcept { return m_faults; }
    fault_plan& object_faults() noexcept { return *m_object_faults; }
    const CLSID& clsid() const noexcept { return m_clsid; }
    const char* name() const noexcept { return m_name; }

private:
    ~stand_in_factory() override = default;

    CLSID m_clsid;
    const char* m_name;
    create_function m_create;
    store& m_store;
    fault_plan m_faults;
    std::shared_ptr<fault_plan> m_object_faults = std::make_shared<fault_plan>();
};

}  // namespace inhouse
