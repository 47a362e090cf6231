#include "platform/com/wire_pointer.h"

#include <cstddef>
#include <mutex>
#include <unordered_map>

namespace com {

#if UINTPTR_MAX == 0xFFFFFFFFu

uint32_t wire_pointer_put(void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }
void* wire_pointer_get(uint32_t field) noexcept { return reinterpret_cast<void*>(static_cast<uintptr_t>(field)); }
void* wire_pointer_take(uint32_t field) noexcept { return wire_pointer_get(field); }
size_t wire_pointer_count() noexcept { return 0; }

#else

namespace {

// Handles count up from 1 and skip 0 and those still in use when the counter wraps.
struct table {
    std::mutex lock;
    std::unordered_map<uint32_t, void*> pointers;
    uint32_t next = 1;
};

table& the_table() {
    static table t;
    return t;
}

}  // namespace

uint32_t wire_pointer_put(void* p) {
    if (!p) return 0;
    table& t = the_table();
    std::lock_guard guard(t.lock);
    while (t.next == 0 || t.pointers.contains(t.next)) ++t.next;
    const uint32_t handle = t.next++;
    t.pointers.emplace(handle, p);
    return handle;
}

void* wire_pointer_get(uint32_t field) noexcept {
    if (field == 0) return nullptr;
    table& t = the_table();
    std::lock_guard guard(t.lock);
    const auto it = t.pointers.find(field);
    return it == t.pointers.end() ? nullptr : it->second;
}

void* wire_pointer_take(uint32_t field) noexcept {
    if (field == 0) return nullptr;
    table& t = the_table();
    std::lock_guard guard(t.lock);
    const auto it = t.pointers.find(field);
    if (it == t.pointers.end()) return nullptr;
    void* p = it->second;
    t.pointers.erase(it);
    return p;
}

size_t wire_pointer_count() noexcept {
    table& t = the_table();
    std::lock_guard guard(t.lock);
    return t.pointers.size();
}

#endif

}  // namespace com

#if UINTPTR_MAX != 0xFFFFFFFFu
// A library the program loads (the purchasing library cotforn.dll) reads and fills the wire fields
// of the records it is handed; on x86_64 it finds the program's table through these two, exported
// by the program and looked up by name. 0 when the table cannot grow.
extern "C" __declspec(dllexport) void* zu_wire_pointer_get(uint32_t field) noexcept { return com::wire_pointer_get(field); }
extern "C" __declspec(dllexport) uint32_t zu_wire_pointer_put(void* p) noexcept {
    try {
        return com::wire_pointer_put(p);
    } catch (...) {
        return 0;
    }
}
#endif
