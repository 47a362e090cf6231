#pragma once
// Fault injection for the stand-ins. Each stand-in and each of their class factories owns one
// plan: tests queue the HRESULTs a method answers next (then S_OK again) and read the calls that
// came in, with a text describing their arguments.
//
//     factory.faults().answer("CreateInstance", {RPC_UNAVAILABLE, RPC_UNAVAILABLE});
//     ... code under test ...
//     EXPECT_EQ(factory.faults().count("CreateInstance"), 3u);
//
// A stand-in method begins with `if (HRESULT hr = m_faults->enter("Save", describe(...)); FAILED(hr))
// return hr;`.
//
// Calls are kept only while recording is on (the test programs switch it on): the server never
// reads them, and keeping every call of every login made it grow by kilobytes a login for ever.
#include <windows.h>

#include <deque>
#include <initializer_list>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace inhouse {

class fault_plan {
public:
    struct call {
        std::string method;
        std::string arguments;     // free text chosen by the stand-in, e.g. "chave=DEMO"
        bool operator==(const call&) const = default;
    };

    // Queues answers for the next calls of `method`, after any already queued.
    void answer(std::string_view method, std::initializer_list<HRESULT> answers);
    void answer(std::string_view method, HRESULT hr, size_t times);

    // Takes the next queued answer of `method`; S_OK when none is left.
    HRESULT next(std::string_view method);
    void record(std::string_view method, std::string arguments = {});
    // record + next: the first line of every stand-in method.
    HRESULT enter(std::string_view method, std::string arguments = {});

    std::vector<call> calls() const;
    // The argument texts of the calls of one method, in order.
    std::vector<std::string> calls(std::string_view method) const;
    size_t count(std::string_view method) const;
    // Answers still queued for `method` (a test can check that its script was used up).
    size_t pending(std::string_view method) const;

    // Forgets the calls and the queued answers.
    void clear();

    // Whether the plans of this process keep the calls that come in; off unless switched on.
    static void set_recording(bool on) noexcept;
    static bool recording() noexcept;

private:
    mutable std::mutex m_mutex;
    std::map<std::string, std::deque<HRESULT>, std::less<>> m_answers;
    std::vector<call> m_calls;
};

}  // namespace inhouse
