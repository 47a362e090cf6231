#include "platform/com/type_library.h"

#include <oleauto.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/com/registrar.h"

namespace com {

namespace {
struct guid_less {
    bool operator()(const GUID& a, const GUID& b) const noexcept { return memcmp(&a, &b, sizeof a) < 0; }
};

struct loaded_libraries {
    std::mutex lock;
    bool loaded = false;
    std::vector<com_ptr<ITypeLib>> libs;
    std::map<GUID, com_ptr<ITypeInfo>, guid_less> infos;

    void load() {
        if (loaded) return;
        loaded = true;
        const std::wstring path = module_path();
        for (const wchar_t* suffix : {L"", L"\\2"}) {
            com_ptr<ITypeLib> lib;
            if (SUCCEEDED(LoadTypeLibEx((path + suffix).c_str(), REGKIND_NONE, lib.put())))
                libs.push_back(lib);
        }
    }
};

loaded_libraries& libraries() {
    static loaded_libraries instance;
    return instance;
}
}  // namespace

com_ptr<ITypeInfo> type_info_of(REFIID iid) noexcept try {
    auto& l = libraries();
    std::lock_guard guard(l.lock);
    l.load();
    if (auto found = l.infos.find(iid); found != l.infos.end()) return found->second;
    for (auto& lib : l.libs) {
        com_ptr<ITypeInfo> info;
        if (SUCCEEDED(lib->GetTypeInfoOfGuid(iid, info.put()))) {
            // A dual interface's own entry is its dispatch side; Invoke needs the vtable side.
            HREFTYPE ref = 0;
            com_ptr<ITypeInfo> vtable_side;
            if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)) &&
                SUCCEEDED(info->GetRefTypeInfo(ref, vtable_side.put())))
                info = vtable_side;
            l.infos.emplace(iid, info);
            return info;
        }
    }
    return {};
} catch (...) {
    return {};
}

com_ptr<ITypeLib> carried_type_library(REFGUID libid) noexcept try {
    auto& l = libraries();
    std::lock_guard guard(l.lock);
    l.load();
    for (auto& lib : l.libs) {
        TLIBATTR* attr = nullptr;
        if (FAILED(lib->GetLibAttr(&attr))) continue;
        const bool same = IsEqualGUID(attr->guid, libid);
        lib->ReleaseTLibAttr(attr);
        if (same) return lib;
    }
    return {};
} catch (...) {
    return {};
}

void release_type_libraries() noexcept {
    auto& l = libraries();
    std::lock_guard guard(l.lock);
    l.infos.clear();
    l.libs.clear();
    l.loaded = false;
}

}  // namespace com
