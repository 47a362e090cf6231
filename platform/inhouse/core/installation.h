#pragma once
// What the server starts with: the installation's store and the stand-in data servers registered
// over it. Keep it alive while the server serves clients; it must end on the thread that made it.
// The store is made by the installation writer (create_demo_store), never here.
#include <string>

#include "platform/inhouse/core/registration.h"
#include "platform/inhouse/core/store.h"
#include "platform/inhouse/core/store_processo.h"

namespace inhouse {

class installation {
public:
    // Opens the existing database file (UTF-8 path), ends the sessions that server processes no
    // longer running left open, and registers the stand-ins. Throws com::failure.
    explicit installation(const std::string& database_path_utf8);
    installation(const installation&) = delete;
    installation& operator=(const installation&) = delete;

    store& data() noexcept { return m_store; }
    stand_in_registration& stand_ins() noexcept { return m_stand_ins; }

private:
    store m_store;                          // declared first: outlives the registration
    stand_in_registration m_stand_ins;
    publica_store m_publicada{m_store};  // for the stand-ins that are plain classes
};

// The installation writer's part: a new store at the path (UTF-8; an existing database is
// refused) with the demo company loaded. Throws com::failure.
void create_demo_store(const std::string& database_path_utf8);

// Ends the sessions of server processes that are no longer running (a killed server never
// closed its own); this process has none yet when it starts. Returns how many ended.
int end_orphan_sessions(store& data);

}  // namespace inhouse
