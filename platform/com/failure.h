#pragma once
// Inside the server a failure is a thrown exception; only the COM boundary turns it into an
// HRESULT with error information (report_current_exception).
#include <windows.h>
#include <source_location>
#include <string>
#include <utility>

namespace com {

// The reporter road: a Portuguese text (CP1252) and the HRESULT the client receives
// (0 becomes DISP_E_EXCEPTION).
struct failure {
    HRESULT hr = 0;
    std::string text;
    std::source_location where = std::source_location::current();
};

// The numbered-message road of the worker objects: the message is the description, the
// location text the source, and the HRESULT is whatever the worker's rules give.
struct numbered_failure {
    HRESULT hr = 0;
    std::string message;
    std::string location;
};

// Throws failure when hr is a failure code.
inline void check(HRESULT hr, std::string text,
                  std::source_location where = std::source_location::current()) {
    static_assert(sizeof(HRESULT) == 4);
    if (FAILED(hr)) throw failure{hr, std::move(text), where};
}

[[noreturn]] inline void fail(std::string text, HRESULT hr = 0,
                              std::source_location where = std::source_location::current()) {
    throw failure{hr, std::move(text), where};
}

}  // namespace com
