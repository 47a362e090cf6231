// Property reads from VBScript through cscript: what a web page's script pays per member.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "bench/harness.h"
#include "platform/com/unique.h"

namespace {

constexpr int batches = 10;
constexpr int reads_per_batch = 1000;

// The script sits beside the benchmark (the build copies it there).
std::wstring script_path() {
    wchar_t exe[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"property_reads.vbs";
}

// Runs cscript and gives what it printed; empty when it could not be started.
std::string run_cscript(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return {};
    com::unique_handle reader(read_end), writer(write_end);
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = write_end;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::wstring command = L"cscript.exe //nologo " + arguments;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return {};
    com::unique_handle process(pi.hProcess), thread(pi.hThread);
    writer.reset();
    std::string out;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got) out.append(buffer, got);
    WaitForSingleObject(pi.hProcess, INFINITE);
    return out;
}

void run() {
    const std::string out = run_cscript(L"\"" + script_path() + L"\" " + std::to_wstring(batches) + L" " +
                                        std::to_wstring(reads_per_batch));
    bench::sample reads;
    bool value_ok = false;
    size_t at = 0;
    while (at < out.size()) {
        size_t end = out.find('\n', at);
        if (end == std::string::npos) end = out.size();
        std::string line = out.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (char& c : line) if (c == ',') c = '.';   // the locale's decimal separator
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
