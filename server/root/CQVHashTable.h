#pragma once
// The filter table clients fill and pass to the methods that take filters: named texts, keys
// upper-cased. The methods that receive one read its map directly (CQVHashTable::De).
#include <map>
#include <mutex>
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace server {

class CQVHashTable final : public com::object<CQVHashTable, IQVHashTable> {
public:
    static constexpr com::class_info info = class_info_of(L"QVHashTable", &CLSID_QVHashTable);
    // Upper-case key to value, both CP1252.
    using valores = std::map<std::string, std::string>;

    CQVHashTable();

    HRESULT STDMETHODCALLTYPE SetAt(BSTR key, BSTR newValue) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAt(BSTR key, BSTR* value) noexcept override;
    HRESULT STDMETHODCALLTYPE RemoveKey(BSTR key, LONG* result) noexcept override;

    // A copy of the map, taken under the table's lock (a table may be filled from another
    // thread while a method reads it).
    valores GetValores() const;

    // The table behind the interface a client passed: one of this server's tables, found by its
    // identity. Null for a null pointer; a foreign object throws com::failure (E_INVALIDARG).
    static com::com_ptr<CQVHashTable> De(IQVHashTable* filtro);

private:
    ~CQVHashTable() override;   // objects come only from com::make

    mutable std::mutex m_mutex;
    valores m_valores;
};

}  // namespace server
