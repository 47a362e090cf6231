#pragma once
// The server's one writer of event-log entries. The server has no user interface: everything a
// person would otherwise have been shown goes to the application event log under "RO Vivavevo".
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Writes one entry (type: EVENTLOG_ERROR_TYPE, EVENTLOG_WARNING_TYPE, EVENTLOG_INFORMATION_TYPE).
// `text` is CP1252. Never throws and never waits for a person; a failure to write is ignored.
void qv_event_log(WORD type, const std::string& text) noexcept;

// Tests replace the writer to capture entries; an empty function restores the event log.
using qv_event_log_sink = std::function<void(WORD type, const std::string& text)>;
void qv_set_event_log_sink(qv_event_log_sink sink);

// RAII for tests: captures every entry written while it lives, then restores the previous sink.
class qv_event_log_capture {
public:
    struct entry { WORD type; std::string text; };
    qv_event_log_capture();
    ~qv_event_log_capture();
    qv_event_log_capture(const qv_event_log_capture&) = delete;
    qv_event_log_capture& operator=(const qv_event_log_capture&) = delete;

    std::vector<entry> entries() const;
    // True if some entry's text contains `part`.
    bool contains(const std::string& part) const;
    void clear();

private:
    struct state;
    state* m_state;
    qv_event_log_sink m_previous;
};
