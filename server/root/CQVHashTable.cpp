#include "server/root/CQVHashTable.h"

#include <algorithm>
#include <vector>

#include "base/qv_ansi_case.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "server/messages.h"

namespace server {

namespace {

// The live tables of the process: a client's interface is matched against these by identity,
// never cast, so that a foreign object cannot pass for one of ours.
struct tabelas_vivas {
    std::mutex mutex;
    std::vector<CQVHashTable*> tabelas;
};
tabelas_vivas& vivas() {
    static tabelas_vivas t;
    return t;
}

// A client's object's identity; compared only while the caller holds the object.
IUnknown* identidade(IUnknown* p) noexcept {
    com::com_ptr<IUnknown> unk;
    if (FAILED(p->QueryInterface(IID_IUnknown, unk.put_void()))) return nullptr;
    return unk.get();
}

// The identity of one of our tables, without touching its count: a table whose last reference
// is going may be waiting in its destructor for the list's lock.
IUnknown* identidade(CQVHashTable* t) noexcept { return static_cast<IQVHashTable*>(t); }

std::string chave_de(BSTR key) { return qv_ansi_to_upper(com::from_bstr(key)); }

}  // namespace

CQVHashTable::CQVHashTable() {
    auto& v = vivas();
    std::lock_guard lock(v.mutex);
    v.tabelas.push_back(this);
}

CQVHashTable::~CQVHashTable() {
    auto& v = vivas();
    std::lock_guard lock(v.mutex);
    std::erase(v.tabelas, this);
}

HRESULT CQVHashTable::SetAt(BSTR key, BSTR newValue) noexcept try {
    std::string chave = chave_de(key);
    std::string valor = com::from_bstr(newValue);
    std::lock_guard lock(m_mutex);
    m_valores.insert_or_assign(std::move(chave), std::move(valor));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVHashTable::GetAt(BSTR key, BSTR* value) noexcept try {
    if (!value) return E_POINTER;
    const std::string chave = chave_de(key);
    std::string valor;
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_valores.find(chave);
        // A missing key leaves the caller's value as it was.
        if (it == m_valores.end()) return S_OK;
        valor = it->second;
    }
    *value = com::to_bstr(valor).release();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVHashTable::RemoveKey(BSTR key, LONG* result) noexcept try {
    if (!result) return E_POINTER;
    const std::string chave = chave_de(key);
    std::lock_guard lock(m_mutex);
    *result = m_valores.erase(chave) != 0 ? 1 : 0;
    return S_OK;
} catch (...) {
    return report();
}

CQVHashTable::valores CQVHashTable::GetValores() const {
    std::lock_guard lock(m_mutex);
    return m_valores;
}

com::com_ptr<CQVHashTable> CQVHashTable::De(IQVHashTable* filtro) {
    if (!filtro) return {};
    IUnknown* procurada = identidade(static_cast<IUnknown*>(filtro));
    auto& v = vivas();
    std::lock_guard lock(v.mutex);
    for (CQVHashTable* t : v.tabelas)
        if (identidade(t) == procurada) return com::com_ptr<CQVHashTable>(t);   // the caller holds it
    com::fail(msg::filtro_estrangeiro, E_INVALIDARG);
}

}  // namespace server
