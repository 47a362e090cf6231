#include "tests/support/stand_in_fixture.h"

#include "platform/inhouse/core/seed.h"

stand_in_fixture::stand_in_fixture() : m_store(inhouse::store::in_memory()) {
    inhouse::load_seed(*m_store, inhouse::demo_seed());
    m_stand_ins = inhouse::register_stand_ins(*m_store);
}

stand_in_fixture::~stand_in_fixture() { m_stand_ins.revoke(); }
