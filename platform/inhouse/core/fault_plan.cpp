#include "platform/inhouse/core/fault_plan.h"

#include <atomic>

namespace inhouse {

namespace {
std::atomic<bool> recording_calls{false};
}

void fault_plan::set_recording(bool on) noexcept { recording_calls = on; }
bool fault_plan::recording() noexcept { return recording_calls; }

void fault_plan::answer(std::string_view method, std::initializer_list<HRESULT> answers) {
    std::lock_guard lock(m_mutex);
    auto& queue = m_answers[std::string(method)];
    queue.insert(queue.end(), answers.begin(), answers.end());
}

void fault_plan::answer(std::string_view method, HRESULT hr, size_t times) {
    std::lock_guard lock(m_mutex);
    auto& queue = m_answers[std::string(method)];
    queue.insert(queue.end(), times, hr);
}

HRESULT fault_plan::next(std::string_view method) {
    std::lock_guard lock(m_mutex);
    auto it = m_answers.find(method);
    if (it == m_answers.end() || it->second.empty()) return S_OK;
    const HRESULT hr = it->second.front();
    it->second.pop_front();
    return hr;
}

void fault_plan::record(std::string_view method, std::string arguments) {
    if (!recording_calls) return;
    std::lock_guard lock(m_mutex);
    m_calls.push_back({std::string(method), std::move(arguments)});
}

HRESULT fault_plan::enter(std::string_view method, std::string arguments) {
    record(method, std::move(arguments));
    return next(method);
}

std::vector<fault_plan::call> fault_plan::calls() const {
    std::lock_guard lock(m_mutex);
    return m_calls;
}

std::vector<std::string> fault_plan::calls(std::string_view method) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> out;
    for (const auto& c : m_calls)
        if (c.method == method) out.push_back(c.arguments);
    return out;
}

size_t fault_plan::count(std::string_view method) const {
    std::lock_guard lock(m_mutex);
    size_t n = 0;
    for (const auto& c : m_calls) n += c.method == method;
    return n;
}

size_t fault_plan::pending(std::string_view method) const {
    std::lock_guard lock(m_mutex);
    auto it = m_answers.find(method);
    return it == m_answers.end() ? 0 : it->second.size();
}

void fault_plan::clear() {
    std::lock_guard lock(m_mutex);
    m_answers.clear();
    m_calls.clear();
}

}  // namespace inhouse
