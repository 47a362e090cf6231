#include "platform/inhouse/core/installation.h"

#include "platform/inhouse/core/seed.h"

namespace inhouse {

namespace {
store opened_and_seeded(const std::string& path) {
    store s = store::open(path);
    load_seed(s, demo_seed());
    return s;
}
}  // namespace

installation::installation(const std::string& database_path_utf8)
    : m_store(opened_and_seeded(database_path_utf8)), m_stand_ins(register_stand_ins(m_store)) {}

}  // namespace inhouse
