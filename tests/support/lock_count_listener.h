#pragma once
// After every test the module's lock count must be back to zero: one leaked reference to an
// object keeps the server alive for ever.
#include <gtest/gtest.h>

#include <string>

namespace test_support {

// Empty when no lock is held; otherwise what the failure says.
std::string module_lock_leak();

class lock_count_listener final : public testing::EmptyTestEventListener {
public:
    // Runs after the fixture is gone, while the test is still the current one: a failure here
    // fails that test.
    void OnTestEnd(const testing::TestInfo&) override;
};

}  // namespace test_support
