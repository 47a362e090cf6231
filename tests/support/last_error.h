#pragma once
// The error information a COM call left on this thread, as a client reads it (and takes it).
#include <string>

struct reported_error {
    std::string source, description;
};

// Empty texts when the call left none.
reported_error last_reported_error();
// The description alone.
inline std::string last_error() { return last_reported_error().description; }
