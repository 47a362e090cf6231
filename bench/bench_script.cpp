// Property reads from VBScript through cscript: what a web page's script pays per member.
#include <cstdlib>
#include <string>

#include "bench/harness.h"

namespace {

constexpr int batches = 10;
constexpr int reads_per_batch = 1000;

void run() {
    const std::string out = bench::run_cscript(L"\"" + bench::beside_bench(L"property_reads.vbs") + L"\" " +
                                               std::to_wstring(batches) + L" " + std::to_wstring(reads_per_batch));
    bench::sample reads;
    bool value_ok = false;
    for (const std::string& line : bench::script_lines(out)) {
        if (line.rfind("batch ", 0) == 0) reads.batches.push_back(std::atof(line.c_str() + 6) * 1e9 / reads_per_batch);
        else if (line == "value 0") value_ok = true;
    }
    if (reads.batches.size() != batches) {
        std::printf("  (the VBScript client did not run: %s)\n", out.c_str());
        return;
    }
    bench::print("VBScript property read m_bInicializado (cscript, 10 x 1000)", reads, value_ok ? 0 : 1);
}

bench::registrar reg("5 script client", run);

}  // namespace
