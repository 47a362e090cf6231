#pragma once
// The installation's store for the stand-ins that are plain classes of the maker's libraries
// (no COM server, so no factory hands them the store): the holiday calendar, for one. The
// installation publishes its store for as long as it lives; tests publish theirs the same way.
#include <cstdint>

#include "platform/inhouse/core/store.h"

namespace inhouse {

// The published store, or null when none is (the server has no installation data).
store* store_processo() noexcept;
// Grows each time a store is published or withdrawn: what a library cached from the store is
// stale once it changes.
uint64_t geracao_store_processo() noexcept;

// Publishes a store while it lives; the one published before comes back at its end.
class publica_store {
public:
    explicit publica_store(store& data) noexcept;
    ~publica_store();
    publica_store(const publica_store&) = delete;
    publica_store& operator=(const publica_store&) = delete;

private:
    store* m_anterior;
};

}  // namespace inhouse
