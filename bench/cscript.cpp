// Script clients of the benchmark: cscript run with a script that sits beside zu_bench, and its
// printed lines.
#include <windows.h>

#include "bench/harness.h"
#include "platform/com/unique.h"

namespace bench {

std::wstring beside_bench(const wchar_t* file) {
    wchar_t exe[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + file;
}

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

std::vector<std::string> script_lines(const std::string& out) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < out.size()) {
        size_t end = out.find('\n', at);
        if (end == std::string::npos) end = out.size();
        std::string line = out.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (char& c : line) if (c == ',') c = '.';   // the locale's decimal separator
        lines.push_back(line);
    }
    return lines;
}

}  // namespace bench
