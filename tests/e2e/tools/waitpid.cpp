// waitpid PID TIMEOUT_MS: waits for a Windows process to end; prints the milliseconds waited.
// Exit 0 when it ended, 1 on time-out, 2 when it cannot be watched.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::atol(argv[1])));
    if (!process) { std::printf("0\n"); return 0; }   // already gone
    const ULONGLONG start = GetTickCount64();
    const DWORD wait = WaitForSingleObject(process, static_cast<DWORD>(std::atol(argv[2])));
    std::printf("%llu\n", GetTickCount64() - start);
    CloseHandle(process);
    return wait == WAIT_OBJECT_0 ? 0 : 1;
}
