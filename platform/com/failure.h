#pragma once
// Inside the server a failure is a thrown exception; only the COM boundary turns it into an
// HRESULT with error information (report_current_exception).
#include <windows.h>
#include <source_location>
#include <string>
#include <type_traits>
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

// An exception of a library above this layer that knows its own HRESULT and text (the base
// library's CException family): report_current_exception answers it as that library does.
class translated_exception {
public:
    virtual HRESULT hresult() const noexcept = 0;
    virtual std::string text() const = 0;

protected:
    ~translated_exception() = default;
};

// Throws failure when hr is a failure code.
inline void check(HRESULT hr, std::string text,
                  std::source_location where = std::source_location::current()) {
    static_assert(sizeof(HRESULT) == 4);
    if (FAILED(hr)) throw failure{hr, std::move(text), where};
}
// Only an HRESULT is checked: a bool, a count or a pointer converted to one would never throw
// (check(false, ...) is FAILED(0), a success).
template <class T>
    requires(!std::is_same_v<std::remove_cvref_t<T>, HRESULT>)
void check(T&&, std::string, std::source_location = std::source_location::current()) = delete;

[[noreturn]] inline void fail(std::string text, HRESULT hr = 0,
                              std::source_location where = std::source_location::current()) {
    throw failure{hr, std::move(text), where};
}

}  // namespace com
