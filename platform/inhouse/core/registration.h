#pragma once
// Puts the stand-in data servers' class objects in COM's table for this process (in-process
// server, multiple use), so that CoCreateInstance(Ex) of their CLSIDs reaches them. The server
// does it at start-up; unit tests through tests/support/stand_in_fixture.h.
#include <windows.h>

#include <span>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/stand_in.h"

namespace inhouse {

// One row per stand-in class; register_stand_ins registers them all.
struct stand_in_class {
    const CLSID* clsid;
    const char* name;
    stand_in_factory::create_function create;
};
std::span<const stand_in_class> stand_in_classes();

// The registered class objects; revokes them when it ends. It must end on the thread that made it
// (COM's rule for CoRevokeClassObject), and before the store it was given.
class stand_in_registration {
public:
    stand_in_registration() noexcept = default;
    stand_in_registration(stand_in_registration&& other) noexcept;
    stand_in_registration& operator=(stand_in_registration&& other) noexcept;
    stand_in_registration(const stand_in_registration&) = delete;
    stand_in_registration& operator=(const stand_in_registration&) = delete;
    ~stand_in_registration() { revoke(); }

    // The class object of a registered class (its fault plans). Throws std::out_of_range when
    // the class is not one of the stand-ins.
    stand_in_factory& factory(REFCLSID clsid) const;
    void revoke() noexcept;

private:
    friend stand_in_registration register_stand_ins(store& data);
    struct entry {
        com::com_ptr<stand_in_factory> factory;
        DWORD cookie = 0;
    };
    std::vector<entry> m_entries;
};

// Registers every stand-in class over `data` (CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE). Throws
// com::failure when COM refuses one; those already registered are revoked again.
stand_in_registration register_stand_ins(store& data);

}  // namespace inhouse
