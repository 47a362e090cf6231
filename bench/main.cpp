// zu_bench: the server's figures in one run. Needs the server and the test probe registered
// (scripts/bench does it).
#include <objbase.h>

#include <algorithm>
#include <cstring>

#include "bench/harness.h"

namespace bench {
com::com_ptr<IDispatch> create(const wchar_t* progid) {
    CLSID clsid;
    com::com_ptr<IDispatch> object;
    if (SUCCEEDED(CLSIDFromProgID(progid, &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, object.put_void());
    return object;
}

DISPID dispid_of(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    return id;
}

std::vector<group>& groups() {
    static std::vector<group> all;
    return all;
}
}  // namespace bench

int main(int argc, char** argv) {
    CoInitialize(nullptr);
    auto& all = bench::groups();
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const auto& g : all) {
        if (argc > 1 && !std::strstr(g.name, argv[1])) continue;
        std::printf("%s\n", g.name);
        g.run();
    }
    CoUninitialize();
    return 0;
}
