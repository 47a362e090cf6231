#include "platform/inhouse/core/leitura_agrupada.h"

#include "platform/inhouse/core/store_processo.h"

namespace inhouse {

leitura_agrupada::leitura_agrupada() noexcept {
    store* s = store_processo();
    if (!s || s->db().in_transaction()) return;
    try {
        s->db().exec("BEGIN");
        m_store = s;
    } catch (...) {
        // Not grouped: each read then locks on its own, as without this object.
    }
}

leitura_agrupada::~leitura_agrupada() {
    if (!m_store || !m_store->db().in_transaction()) return;
    try {
        m_store->db().exec("COMMIT");
    } catch (...) {
        try {
            m_store->db().exec("ROLLBACK");
        } catch (...) {
        }
    }
}

}  // namespace inhouse
