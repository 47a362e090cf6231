#pragma once
// A small benchmark harness: each figure is the median of several timed batches, in nanoseconds
// per operation, with the spread of the batches beside it. Not a test: it prints figures and
// never fails on a time; a figure whose operations did not all succeed is marked as invalid.
#include <windows.h>
#include <oaidl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"

namespace bench {

// The batches of one figure, in nanoseconds per operation.
struct sample {
    std::vector<double> batches;
    double median() const {
        if (batches.empty()) return 0;
        std::vector<double> v = batches;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    double low() const { return batches.empty() ? 0 : *std::min_element(batches.begin(), batches.end()); }
    double high() const { return batches.empty() ? 0 : *std::max_element(batches.begin(), batches.end()); }
};

// One method call through IDispatch by id; arguments in their natural order.
inline HRESULT chama(IDispatch* object, DISPID id, std::initializer_list<VARIANT> args, VARIANT* result) {
    std::vector<VARIANT> reversed(args.begin(), args.end());
    std::reverse(reversed.begin(), reversed.end());   // Invoke takes them last first
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    return object->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr, nullptr);
}

inline VARIANT i4(LONG v) {
    VARIANT x;
    V_VT(&x) = VT_I4;
    V_I4(&x) = v;
    return x;
}

// A text argument that stays the caller's: the BSTR is borrowed, not handed over.
inline VARIANT bstr(BSTR b) {
    VARIANT x;
    V_VT(&x) = VT_BSTR;
    V_BSTR(&x) = b;
    return x;
}

inline double now_ns() {
    static const double ns_per_tick = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return 1e9 / static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * ns_per_tick;
}

inline double time_batch(const std::function<void()>& op, int batch) {
    const double start = now_ns();
    for (int i = 0; i < batch; ++i) op();
    return (now_ns() - start) / batch;
}

// Runs `op` in `rounds` batches of `batch` calls after one warm-up call (first calls pay for
// loading and connecting).
inline sample measure(const std::function<void()>& op, int batch, int rounds = 9) {
    op();
    sample s;
    for (int r = 0; r < rounds; ++r) s.batches.push_back(time_batch(op, batch));
    return s;
}

// The two sides of a ratio, their batches interleaved, so that a change of the machine's load
// during the run weighs on both alike.
inline std::pair<sample, sample> measure_pair(const std::function<void()>& a, const std::function<void()>& b,
                                              int batch, int rounds = 9) {
    a();
    b();
    std::pair<sample, sample> s;
    for (int r = 0; r < rounds; ++r) {
        s.first.batches.push_back(time_batch(a, batch));
        s.second.batches.push_back(time_batch(b, batch));
    }
    return s;
}

inline std::string duration(double ns) {
    char text[32];
    if (ns >= 1e6) std::snprintf(text, sizeof text, "%.3f ms", ns / 1e6);
    else if (ns >= 1e3) std::snprintf(text, sizeof text, "%.3f us", ns / 1e3);
    else std::snprintf(text, sizeof text, "%.1f ns", ns);
    return text;
}

// "name   median/op  (lowest .. highest batch)"; failures > 0 marks the figure as invalid.
inline void print(const std::string& name, const sample& s, long failures = 0) {
    std::printf("  %-58s %12s/op  (%s .. %s, %zu batches)%s\n", name.c_str(), duration(s.median()).c_str(),
                duration(s.low()).c_str(), duration(s.high()).c_str(), s.batches.size(),
                failures ? "  INVALID" : "");
    if (failures) std::printf("    %ld of the timed operations failed\n", failures);
}

inline void ratio(const char* what, const sample& a, const sample& b) {
    std::printf("  %-58s %12.2f x  (medians)\n", what, a.median() / b.median());
}

// An object of a registered server, out of process, through IDispatch; null when not registered.
com::com_ptr<IDispatch> create(const wchar_t* progid);
DISPID dispid_of(IDispatch* object, const wchar_t* name);

// One login (Inicializa) through IDispatch: its HRESULT (the error's own code when the call
// raised one) and the login's result code (-1 when none came back).
struct login_result {
    HRESULT hr;
    LONG result;
    bool ok() const { return hr == S_OK && result == 0; }
};
login_result login(IDispatch* root, DISPID inicializa, BSTR empresa, BSTR usuario, BSTR senha);
login_result login(IDispatch* root, const wchar_t* empresa, const wchar_t* usuario, const wchar_t* senha);

// A script client: the path of a script beside zu_bench; what cscript printed running it with the
// given arguments (empty when it could not start); and those lines, each without its line end and
// with the locale's decimal comma made a point.
std::wstring beside_bench(const wchar_t* file);
std::string run_cscript(const std::wstring& arguments);
std::vector<std::string> script_lines(const std::string& out);

// One group of figures; groups register themselves and run in name order.
struct group {
    const char* name;
    void (*run)();
};
std::vector<group>& groups();
struct registrar {
    registrar(const char* name, void (*run)()) { groups().push_back({name, run}); }
};

}  // namespace bench
