#include "platform/inhouse/core/store_processo.h"

namespace inhouse {

namespace {
// The apartment thread publishes and reads; no lock.
store* g_store = nullptr;
uint64_t g_geracao = 0;
}  // namespace

store* store_processo() noexcept { return g_store; }
uint64_t geracao_store_processo() noexcept { return g_geracao; }

publica_store::publica_store(store& data) noexcept : m_anterior(g_store) {
    g_store = &data;
    ++g_geracao;
}

publica_store::~publica_store() {
    g_store = m_anterior;
    ++g_geracao;
}

}  // namespace inhouse
