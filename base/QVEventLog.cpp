#include "base/QVEventLog.h"

#include <mutex>
#include <vector>

namespace {

std::mutex& sink_mutex() {
    static std::mutex m;
    return m;
}

qv_event_log_sink& current_sink() {
    static qv_event_log_sink sink;
    return sink;
}

void write_to_event_log(WORD type, const std::string& text) noexcept {
    HANDLE source = RegisterEventSourceA(nullptr, "RO Vivavevo");
    if (!source) return;
    const char* strings[] = {text.c_str()};
    ReportEventA(source, type, 0, 0, nullptr, 1, 0, strings, nullptr);
    DeregisterEventSource(source);
}

}  // namespace

void qv_event_log(WORD type, const std::string& text) noexcept {
    qv_event_log_sink sink;
    {
        std::lock_guard lock(sink_mutex());
        sink = current_sink();
    }
    if (sink) {
        try {
            sink(type, text);
        } catch (...) {
        }
        return;
    }
    write_to_event_log(type, text);
}

void qv_set_event_log_sink(qv_event_log_sink sink) {
    std::lock_guard lock(sink_mutex());
    current_sink() = std::move(sink);
}

struct qv_event_log_capture::state {
    mutable std::mutex mutex;
    std::vector<entry> entries;
};

qv_event_log_capture::qv_event_log_capture() : m_state(new state) {
    {
        std::lock_guard lock(sink_mutex());
        m_previous = current_sink();
    }
    state* s = m_state;
    qv_set_event_log_sink([s](WORD type, const std::string& text) {
        std::lock_guard lock(s->mutex);
        s->entries.push_back({type, text});
    });
}

qv_event_log_capture::~qv_event_log_capture() {
    qv_set_event_log_sink(std::move(m_previous));
    delete m_state;
}

std::vector<qv_event_log_capture::entry> qv_event_log_capture::entries() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->entries;
}

bool qv_event_log_capture::contains(const std::string& part) const {
    std::lock_guard lock(m_state->mutex);
    for (const auto& e : m_state->entries)
        if (e.text.find(part) != std::string::npos) return true;
    return false;
}

void qv_event_log_capture::clear() {
    std::lock_guard lock(m_state->mutex);
    m_state->entries.clear();
}
