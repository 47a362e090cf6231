#include "tests/support/lock_count_listener.h"

#include "platform/com/module.h"

namespace test_support {

std::string module_lock_leak() {
    const LONG count = com::module().lock_count();
    if (count == 0) return {};
    return "the module's lock count is " + std::to_string(count) +
           " after the test: an object or a LockServer was not released";
}

void lock_count_listener::OnTestEnd(const testing::TestInfo&) {
    if (const std::string leak = module_lock_leak(); !leak.empty()) {
        ADD_FAILURE() << leak;
        // The next test starts from zero, so that one leak is reported once.
        while (com::module().lock_count() > 0) com::module().Unlock();
        while (com::module().lock_count() < 0) com::module().Lock();
    }
}

}  // namespace test_support
