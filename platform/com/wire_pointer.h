#pragma once
// Pointer fields of wire records. The maker's records keep a pointer in a 32-bit field; the
// layouts stay the same on both builds. On i686 the field holds the address itself; on x86_64 it
// holds a handle of one process-wide table that maps it back to the pointer. Who writes a record
// puts the pointer in; who receives it takes it out (and then owns what it points to).
//
//     registro.nomes = com::wire_pointer_put(bloco);          // the component
//     auto* bloco = static_cast<char*>(com::wire_pointer_take(registro.nomes));   // the caller
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace com {

// The field's value for p; 0 for null. Throws std::bad_alloc when the table cannot grow.
uint32_t wire_pointer_put(void* p);
// The pointer a field holds, the handle staying valid; null for 0 or a handle not in the table.
void* wire_pointer_get(uint32_t field) noexcept;
// The pointer a field holds, the handle forgotten; null for 0 or a handle not in the table.
void* wire_pointer_take(uint32_t field) noexcept;
// The text a field points to, up to its NUL; empty for no pointer.
inline std::string wire_text(uint32_t field) {
    const auto* p = static_cast<const char*>(wire_pointer_get(field));
    return p ? std::string(p) : std::string();
}
// The same, of a block of at most `most` bytes (its NUL may be missing).
inline std::string wire_text(uint32_t field, size_t most) {
    const auto* p = static_cast<const char*>(wire_pointer_get(field));
    return p ? std::string(p, strnlen(p, most)) : std::string();
}
// How many handles are in the table (always 0 on i686): for tests.
size_t wire_pointer_count() noexcept;

// A field for p for as long as the holder lives: what a caller lends a server for one call (the
// caller keeps owning p).
class wire_pointer_loan {
public:
    explicit wire_pointer_loan(const void* p) : m_field(wire_pointer_put(const_cast<void*>(p))) {}
    ~wire_pointer_loan() { wire_pointer_take(m_field); }
    wire_pointer_loan(const wire_pointer_loan&) = delete;
    wire_pointer_loan& operator=(const wire_pointer_loan&) = delete;

    uint32_t field() const noexcept { return m_field; }

private:
    uint32_t m_field;
};

}  // namespace com
