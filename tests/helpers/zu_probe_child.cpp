// A child program for the tests of the hidden-program runner.
//   zu_probe_child chatty N   writes N lines of 100 bytes to stdout and stderr alternately, then "FIM"
//   zu_probe_child hang       sleeps (60 s at most, so that a runner that failed to end it leaves
//                             nothing behind for long)
//   zu_probe_child fuso       writes QVGetFusoHorario() in the time zone it was started in
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "base/QVRelogio.h"

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);   // counted bytes: no \r added before \n
    _setmode(_fileno(stderr), _O_BINARY);
    if (argc >= 3 && std::strcmp(argv[1], "chatty") == 0) {
        const long n = std::strtol(argv[2], nullptr, 10);
        char line[101];
        for (long i = 0; i < n; ++i) {
            std::snprintf(line, sizeof line, "%08ld %090d\n", i, 0);
            std::fputs(line, i % 2 ? stderr : stdout);
        }
        std::fflush(stderr);
        std::fputs("FIM\n", stdout);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "hang") == 0) {
        std::puts("parado");
        std::fflush(stdout);
        Sleep(60000);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "fuso") == 0) {
        std::printf("%d\n", static_cast<int>(QVGetFusoHorario()));
        return 0;
    }
    return 2;
}
