#pragma once
// What the server starts with: the installation's store (created and seeded with the demo company
// on first start) and the stand-in data servers registered over it. Keep it alive while the
// server serves clients; it must end on the thread that made it.
#include <string>

#include "platform/inhouse/core/registration.h"
#include "platform/inhouse/core/store.h"

namespace inhouse {

class installation {
public:
    // Opens (or creates) the database file (UTF-8 path), loads the demo seed into a store not yet
    // seeded and registers the stand-ins. Throws com::failure.
    explicit installation(const std::string& database_path_utf8);
    installation(const installation&) = delete;
    installation& operator=(const installation&) = delete;

    store& data() noexcept { return m_store; }
    stand_in_registration& stand_ins() noexcept { return m_stand_ins; }

private:
    store m_store;                          // declared first: outlives the registration
    stand_in_registration m_stand_ins;
};

}  // namespace inhouse
