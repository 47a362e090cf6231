#pragma once
// A small benchmark harness: each figure is the best of several timed batches, in nanoseconds per
// operation. Not a test: it prints figures and never fails on a time.
#include <windows.h>
#include <oaidl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"

namespace bench {

struct figure {
    std::string name;
    double ns_per_op;
};

// Runs `op` in batches of `batch` calls, `rounds` times, and keeps the fastest batch.
inline double measure(const std::function<void()>& op, int batch, int rounds = 5) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    op();   // warm-up: first calls pay for loading and connecting
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        QueryPerformanceCounter(&start);
        for (int i = 0; i < batch; ++i) op();
        QueryPerformanceCounter(&end);
        const double ns = static_cast<double>(end.QuadPart - start.QuadPart) * 1e9 /
                          static_cast<double>(frequency.QuadPart) / batch;
        if (ns < best) best = ns;
    }
    return best;
}

inline void print(const figure& f) {
    if (f.ns_per_op >= 1e6) std::printf("  %-58s %12.3f ms/op\n", f.name.c_str(), f.ns_per_op / 1e6);
    else if (f.ns_per_op >= 1e3) std::printf("  %-58s %12.3f us/op\n", f.name.c_str(), f.ns_per_op / 1e3);
    else std::printf("  %-58s %12.1f ns/op\n", f.name.c_str(), f.ns_per_op);
}

inline void ratio(const char* what, double a, double b) { std::printf("  %-58s %12.2f x\n", what, a / b); }

// An object of a registered server, out of process, through IDispatch; null when not registered.
com::com_ptr<IDispatch> create(const wchar_t* progid);
DISPID dispid_of(IDispatch* object, const wchar_t* name);

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
